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

TEST_F(RegistrySettings, TextsWithATypePrefixAreWrittenInThatType) {
    TextString value("__dword:12");
    RegistrySetting setting(root, 1, &value, "Typee", userTestKey, settingsPart);
    saveRegistrySettings();
    std::uint32_t type = 0;
    std::uint32_t twelve = 12;
    EXPECT_EQ(stored(settingsKey, "Typee", &type), std::string(reinterpret_cast<const char *>(&twelve), 4));
    EXPECT_EQ(type, os::regDword);
}

} // namespace
