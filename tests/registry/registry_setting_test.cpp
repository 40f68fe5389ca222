// Registry-backed settings: the process-wide list, loading (key created, values converted, missing
// values ignored) and saving (always as registry strings).
#include "install/diagnostic_capture.h"
#include "support/registry_machine.h"

#include "core/node_list.h"
#include "registry/registry_key.h"
#include "registry/registry_setting.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

// The settings of these tests: part "Essais" below the test key of HKEY_CURRENT_USER.
const char *const settingsPart = "Essais";

class RegistrySettings : public RegistryMachine {
protected:
    const RegistryKey *const root = &RegistryKey::CurrentUser;
    const std::string settingsKey = std::string(userTestKey) + "\\" + settingsPart;

    void store(const char *name, std::uint32_t type, const std::string &data) {
        os::HKey key = createKey(os::hkeyCurrentUser, settingsKey);
        setValue(key, name, type, data);
        os::regCloseKey(key);
    }
    void storeText(const char *name, const std::string &text) { store(name, os::regSz, text + '\0'); }

    // The data of a value, or "<missing>"; type receives its type.
    std::string stored(const std::string &key, const char *name, std::uint32_t *type = nullptr) {
        os::HKey opened = openKey(os::hkeyCurrentUser, key);
        if (opened == nullptr)
            return "<missing>";
        std::string data = valueData(opened, name, type);
        os::regCloseKey(opened);
        return data;
    }
    // A text value as the registry holds it: the text and its NUL.
    static std::string text(const char *value) { return std::string(value) + '\0'; }
};

TEST_F(RegistrySettings, SettingsRegisterInFrontAndLeaveTheListWhenDestroyed) {
    int before = ListCount(registrySettings());
    int32_t number = 0;
    TextString text;
    RegistrySetting first(root, 1, &number, "Nombre", userTestKey, settingsPart);
    {
        RegistrySetting second(root, 1, &text, "Texte", userTestKey, settingsPart);
        EXPECT_EQ(ListCount(registrySettings()), before + 2);
        EXPECT_EQ(registrySettings()->item, &second);
        EXPECT_EQ(registrySettings()->next->item, &first);
    }
    EXPECT_EQ(ListCount(registrySettings()), before + 1);
    EXPECT_EQ(registrySettings()->item, &first);
}

TEST_F(RegistrySettings, IntegersLoadFromTheNumberAtTheStartOfTheirText) {
    const struct {
        const char *stored;
        int32_t loaded;
    } cases[] = {
        {"12abc", 12}, {"abc", 0}, {"-5", -5}, {"+8", 8}, {" 3", 0}, {"", 0}, {"99999999999", INT32_MAX}};
    for (const auto &example : cases) {
        storeText("Nombre", example.stored);
        int32_t number = 77;
        RegistrySetting setting(root, 1, &number, "Nombre", userTestKey, settingsPart);
        loadRegistrySettings();
        EXPECT_EQ(number, example.loaded) << example.stored;
    }
}

TEST_F(RegistrySettings, SavingWritesEverySettingAsARegistryString) {
    std::uint32_t five = 5;
    store("Nombre", os::regDword, std::string(reinterpret_cast<const char *>(&five), sizeof five));
    int32_t number = -3;
    TextString value("Fran\xE7"
                     "ais");
    TextString empty;
    RegistrySetting numberSetting(root, 1, &number, "Nombre", userTestKey, settingsPart);
    RegistrySetting textSetting(root, 1, &value, "Texte", userTestKey, settingsPart);
    RegistrySetting emptySetting(root, 1, &empty, "Vide", userTestKey, settingsPart, "Deux");

    DiagnosticCapture diagnostics;
    EXPECT_TRUE(saveRegistrySettings());
    EXPECT_EQ(diagnostics.text(), "Ecriture dans le registre...\n");
    std::uint32_t type = 0;
    EXPECT_EQ(stored(settingsKey, "Nombre", &type), text("-3"));
    EXPECT_EQ(type, os::regSz);
    EXPECT_EQ(stored(settingsKey, "Texte", &type), text("Fran\xE7"
                                                        "ais"));
    EXPECT_EQ(type, os::regSz);
    EXPECT_EQ(stored(settingsKey + "\\Deux", "Vide", &type), text(""));
    EXPECT_EQ(type, os::regSz);
}

TEST_F(RegistrySettings, TextsWithATypePrefixAreWrittenInThatType) {
    TextString value("__dword:12");
    RegistrySetting setting(root, 1, &value, "Typee", userTestKey, settingsPart);
    saveRegistrySettings();
    std::uint32_t type = 0;
    std::uint32_t twelve = 12;
    EXPECT_EQ(stored(settingsKey, "Typee", &type), std::string(reinterpret_cast<const char *>(&twelve), 4));
    EXPECT_EQ(type, os::regDword);
}

TEST_F(RegistrySettings, ASettingThatIsNotPersistentIsNeitherReadNorWritten) {
    storeText("Lu", "9");
    int32_t read = 1;
    int32_t written = 2;
    RegistrySetting readSetting(root, 0, &read, "Lu", userTestKey, settingsPart);
    RegistrySetting writtenSetting(root, 2, &written, "Ecrit", userTestKey, settingsPart);
    loadRegistrySettings();
    saveRegistrySettings();
    EXPECT_EQ(read, 1);
    EXPECT_EQ(stored(settingsKey, "Lu"), text("9"));
    EXPECT_EQ(stored(settingsKey, "Ecrit"), "<missing>");
}

} // namespace
