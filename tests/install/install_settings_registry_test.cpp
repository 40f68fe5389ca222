// The eleven installation settings in the registry: the key "Systeme" of the product's per-user
// key, created on the first load, and every value stored as a registry string.
#include "initial_settings.h"
#include "install/diagnostic_capture.h"
#include "support/registry_machine.h"

#include "install/install_settings.h"
#include "registry/registry_setting.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

// The settings key as the program names it: the empty product component makes two backslashes in
// a row. Windows, Wine and the sandbox all read an empty component as no component at all, so
// this is the key Software\Corvanth\1.0\Systeme.
const char *const settingsKey = "Software\\Corvanth\\\\1.0\\Systeme";
const char *const resolvedSettingsKey = "Software\\Corvanth\\1.0\\Systeme";

const char *const settingNames[] = {"CADManuPath", "CADManuID",   "Vers64",   "Flags",
                                    "ChoixCAD",    "ChoixCADReg", "ChoixLG",  "ArgsCAD",
                                    "ArgsAPP",     "ExeAlternOk", "ExeAltern"};

// The product's per-user key is not a test key: it is removed before and after each test.
class InstallSettingsRegistry : public RegistryMachine {
protected:
    void SetUp() override {
        RegistryMachine::SetUp();
        os::regDeleteTree(os::hkeyCurrentUser, "Software\\Corvanth", 0);
    }
    void TearDown() override {
        os::regDeleteTree(os::hkeyCurrentUser, "Software\\Corvanth", 0);
        restoreInitialSettings();
        RegistryMachine::TearDown();
    }

    void store(const char *name, std::uint32_t type, const std::string &data) {
        os::HKey key = createKey(os::hkeyCurrentUser, settingsKey);
        setValue(key, name, type, data);
        os::regCloseKey(key);
    }
    bool exists(const char *key) {
        os::HKey opened = openKey(os::hkeyCurrentUser, key);
        os::regCloseKey(opened);
        return opened != nullptr;
    }
    // The text of a string value of key, its type checked.
    std::string storedText(const char *key, const char *name) {
        os::HKey opened = openKey(os::hkeyCurrentUser, key);
        std::uint32_t type = 0;
        std::string data = opened ? valueData(opened, name, &type) : "<no key>";
        os::regCloseKey(opened);
        EXPECT_EQ(type, os::regSz) << name;
        if (!data.empty() && data.back() == '\0')
            data.pop_back();
        return data;
    }
};

TEST_F(InstallSettingsRegistry, AllElevenAreRegisteredAndLoadFromTheirValues) {
    EXPECT_EQ(ListCount(registrySettings()), 11);
    store("ChoixLG", os::regSz, std::string("Anglais") + '\0');
    store("Vers64", os::regSz, std::string("0") + '\0');
    std::uint32_t six = 6;
    store("Flags", os::regDword, std::string(reinterpret_cast<const char *>(&six), sizeof six));
    store("CADManuID", os::regSz, std::string("AutoCAD 2024") + '\0');
    loadRegistrySettings();
    EXPECT_STREQ(ChoixLG.CStr(), "Anglais");
    EXPECT_EQ(Vers64, 0);
    EXPECT_EQ(Flags, 6);
    EXPECT_STREQ(CADManuID.CStr(), "AutoCAD 2024");
    EXPECT_EQ(ExeAlternOk, 1);
    EXPECT_STREQ(ArgsAPP.CStr(), "");
}

TEST_F(InstallSettingsRegistry, AFirstLoadCreatesTheKeyAndASaveStoresElevenStrings) {
    ASSERT_FALSE(exists(settingsKey));
    DiagnosticCapture diagnostics;
    loadRegistrySettings();
    EXPECT_TRUE(exists(settingsKey));
    EXPECT_TRUE(exists(resolvedSettingsKey));
    EXPECT_EQ(Vers64, -1);
    EXPECT_EQ(Flags, 0);
    EXPECT_EQ(ExeAlternOk, 1);
    for (TextString *text :
         {&CADManuPath, &CADManuID, &ChoixCAD, &ChoixCADReg, &ChoixLG, &ArgsCAD, &ArgsAPP, &ExeAltern})
        EXPECT_STREQ(text->CStr(), "");

    ArgsAPP.Assign("CTX = Etude");
    saveRegistrySettings();
    EXPECT_EQ(diagnostics.text(), "Lecture du registre...\nEcriture dans le registre...\n");
    for (const char *name : settingNames) {
        const std::string setting = name;
        std::string expected = setting == "Vers64"        ? "-1"
                               : setting == "Flags"       ? "0"
                               : setting == "ExeAlternOk" ? "1"
                               : setting == "ArgsAPP"     ? "CTX = Etude"
                                                          : "";
        EXPECT_EQ(storedText(settingsKey, name), expected) << name;
        EXPECT_EQ(storedText(resolvedSettingsKey, name), expected) << name;
    }
}

} // namespace
