// The installation settings, their registration as registry-backed settings, and their entries
// in the connexion settings file.
#include "install/install_settings.h"

#include "core/param_node.h"
#include "registry/registry_key.h"
#include "registry/registry_setting.h"

#include <algorithm>
#include <cstdint>

TextString CADManuPath;
TextString CADManuID;
int32_t Vers64 = -1;
int32_t Flags = 0;
TextString ChoixCAD;
TextString ChoixCADReg;
TextString ChoixLG;
TextString ArgsCAD;
TextString ArgsAPP;
int32_t ExeAlternOk = 1;
TextString ExeAltern;

const char *const connexionSettingsFile = "CfgPrf.ini";

namespace {

// The key of the settings below the product's per-user key.
const char *const settingsKey = "Systeme";

// All eleven, bound to the registry value of their name, in declaration order (defined after the
// variables, so built after them and destroyed before them).
RegistrySetting boundSettings[] = {
    {&RegistryKey::ProductUser, 1, &CADManuPath, "CADManuPath", settingsKey},
    {&RegistryKey::ProductUser, 1, &CADManuID, "CADManuID", settingsKey},
    {&RegistryKey::ProductUser, 1, &Vers64, "Vers64", settingsKey},
    {&RegistryKey::ProductUser, 1, &Flags, "Flags", settingsKey},
    {&RegistryKey::ProductUser, 1, &ChoixCAD, "ChoixCAD", settingsKey},
    {&RegistryKey::ProductUser, 1, &ChoixCADReg, "ChoixCADReg", settingsKey},
    {&RegistryKey::ProductUser, 1, &ChoixLG, "ChoixLG", settingsKey},
    {&RegistryKey::ProductUser, 1, &ArgsCAD, "ArgsCAD", settingsKey},
    {&RegistryKey::ProductUser, 1, &ArgsAPP, "ArgsAPP", settingsKey},
    {&RegistryKey::ProductUser, 1, &ExeAlternOk, "ExeAlternOk", settingsKey},
    {&RegistryKey::ProductUser, 1, &ExeAltern, "ExeAltern", settingsKey},
};

// The settings kept in "CfgPrf.ini", in the order they are read and written; each is either a
// number or a text.
struct FileSetting {
    const char *name;
    int32_t *number;
    TextString *text;
};

const FileSetting fileSettings[] = {
    {"Vers64", &Vers64, nullptr},           {"Flags", &Flags, nullptr},
    {"ChoixCAD", nullptr, &ChoixCAD},       {"ChoixCADReg", nullptr, &ChoixCADReg},
    {"ChoixLG", nullptr, &ChoixLG},         {"ArgsCAD", nullptr, &ArgsCAD},
    {"ArgsAPP", nullptr, &ArgsAPP},         {"ExeAltern", nullptr, &ExeAltern},
    {"ExeAlternOk", &ExeAlternOk, nullptr},
};

// A number of the file as a 32-bit setting: larger ones stop at the nearest limit, whatever the
// width of long on the platform that read it.
int32_t toSetting(intptr_t number) {
    return static_cast<int32_t>(std::clamp<intptr_t>(number, INT32_MIN, INT32_MAX));
}

} // namespace

void loadConnexionSettings(const ParamNode &node) {
    if (node.ChildCount() == 0)
        return;
    for (const FileSetting &setting : fileSettings) {
        if (setting.number)
            *setting.number = toSetting(node.GetInt(setting.name, 0));
        else
            setting.text->Assign(node.GetText(setting.name, nullptr));
    }
}

void saveConnexionSettings(ParamNode &node) {
    for (const FileSetting &setting : fileSettings) {
        ParamNode *entry = node.FindChild(setting.name, true);
        if (setting.number)
            entry->SetInt(*setting.number);
        else
            entry->SetValue(setting.text->CStr(), 0);
    }
}
