// Finding the shell's folders: the shell folder service when the system has one, otherwise the
// folder values that Windows keeps in the registry.
#include "vars/shell_folders.h"

#include "core/param_node.h"
#include "core/text_string.h"
#include "files/file_utils.h"
#include "install/diagnostic_stream.h"
#include "platform/environment.h"
#include "platform/registry.h"
#include "platform/shell_folder_service.h"
#include "registry/registry_key.h"

#include <cstdint>
#include <cstring>

const ShellFolderRow userShellFolders[] = {
    {"Desktop", "Desktop", 0x00, 1},
    {"Favorites", "Favorites", 0x06, 5},
    {"Programs", "Programs", 0x02, 3},
    {"Start Menu", "StartMenu", 0x0B, 2},
    {"Startup", "Startup", 0x07, 4},
    {"Personal", "Personal", 0x05, 8},
    {"SendTo", "SendTo", 0x09, 6},
    {"Templates", "Templates", 0x15, 7},
    {"Fonts", "Fonts", 0x14, 7},
    {"Local AppData", "LocalAppData", 0x1C, 9},
    {"AppData", "RoamingAppData", 0x1A, 10},
    {nullptr, nullptr, 0, 0},
};

const ShellFolderRow commonShellFolders[] = {
    {"Common Desktop", "CommonDesktop", 0x19, 1},   {"Common Favorites", "CommonFavorites", 0x1F, 5},
    {"Common Programs", "CommonPrograms", 0x17, 3}, {"Common Start Menu", "CommonStartMenu", 0x16, 2},
    {"Common Startup", "CommonStartup", 0x18, 4},   {nullptr, nullptr, 0, 0},
};

namespace {

// The registry keeps each folder twice: the resolved path, and the path with environment
// references ("User Shell Folders"), consulted when the first is missing.
const char *const shellFoldersKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
const char *const userShellFoldersKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";

// Longest path taken from either source, in characters.
constexpr unsigned long maxFolderLength = 359;

char servicePath[maxFolderLength + 1];
char registryPath[maxFolderLength + 1];

// Reports a folder whose path the system's code page cannot hold: it stays unknown.
void reportLostFolder(const char *name) {
    TextString line("Dossier hors de la page de code du systeme, ignore : ");
    line.Append(name);
    line.AppendChar('\n');
    diagnosticStream().write(line.CStr());
}

// Reads the text value name of root\key. 1 with the text in value (at most maxFolderLength
// bytes); 0 when the key or the value cannot be read.
int readFolderValue(os::HKey root, const char *key, const char *name, char *value) {
    os::HKey folders = nullptr;
    if (os::regOpenKeyEx(root, key, os::keyRead, &folders) != os::errorSuccess)
        return 0;
    std::uint32_t type = 0;
    std::uint32_t size = maxFolderLength;
    unsigned long result =
        os::regQueryValueEx(folders, name, &type, reinterpret_cast<unsigned char *>(value), &size);
    os::regCloseKey(folders);
    if (result == os::errorNoUnicodeTranslation)
        reportLostFolder(name);
    if (result != os::errorSuccess || (type != os::regSz && type != os::regExpandSz))
        return 0;
    value[size] = '\0';
    return 1;
}

// The folder of row from the registry below root, its environment references expanded; null
// when the value cannot be read or is empty.
const char *folderFromRegistry(const ShellFolderRow &row, os::HKey root) {
    char stored[maxFolderLength + 1];
    if (!readFolderValue(root, shellFoldersKey, row.registryValue, stored) &&
        !readFolderValue(root, userShellFoldersKey, row.registryValue, stored))
        return nullptr;
    if (stored[0] == '\0')
        return nullptr;
    unsigned long needed = os::expandEnvironmentStrings(stored, registryPath, sizeof registryPath);
    if (needed == 0 || needed > sizeof registryPath || registryPath[0] == '\0')
        return nullptr;
    return registryPath;
}

// The folder of row (root: the registry root of its table), or null.
const char *folderOf(const ShellFolderRow &row, os::HKey root) {
    if (os::shGetFolderPath(row.csidl, servicePath, sizeof servicePath) == os::shellFolderFound)
        return servicePath;
    return folderFromRegistry(row, root);
}

const ShellFolderRow *rowWithId(const ShellFolderRow *table, int32_t id) {
    for (const ShellFolderRow *row = table; row->registryValue != nullptr; ++row) {
        if (row->id == id)
            return row;
    }
    return nullptr;
}

const char *folderWithId(int32_t id, bool common) {
    const char *path = nullptr;
    if (common) {
        if (const ShellFolderRow *row = rowWithId(commonShellFolders, id))
            path = folderOf(*row, os::hkeyLocalMachine);
    }
    if (path == nullptr) {
        if (const ShellFolderRow *row = rowWithId(userShellFolders, id))
            path = folderOf(*row, os::hkeyCurrentUser);
    }
    return path;
}

void setVariable(ParamNode &vars, const char *name, const char *value) {
    if (value != nullptr)
        vars.FindChild(name, true)->SetValue(value, 0);
}

// Whether the folder of variable name is to be looked up: always without a text, else when the
// text holds the name.
bool wanted(const char *name, const char *namedIn) {
    return namedIn == nullptr || std::strstr(namedIn, name) != nullptr;
}

} // namespace

const char *GetShellFolder(TextString *out, int32_t id, bool common) {
    const char *path = folderWithId(id, common);
    if (out == nullptr)
        return path;
    out->Assign(path);
    return path ? out->CStr() : nullptr;
}

void FillFolderVariables(ParamNode &vars, bool clear, bool withProduct, const char *namedIn) {
    if (clear)
        vars.DeleteChildren();
    for (const ShellFolderRow *row = userShellFolders; row->registryValue != nullptr; ++row) {
        if (wanted(row->variable, namedIn))
            setVariable(vars, row->variable, folderOf(*row, os::hkeyCurrentUser));
    }
    for (const ShellFolderRow *row = commonShellFolders; row->registryValue != nullptr; ++row) {
        if (wanted(row->variable, namedIn))
            setVariable(vars, row->variable, folderWithId(row->id, true));
    }
    if (withProduct) {
        setVariable(vars, "STDINSTAL", programFolder());
        setVariable(vars, "EDITEUR_SOCIETE", productPublisher());
        setVariable(vars, "NOM_PRODUIT", productName().CStr());
    }
}

TextString &productName() {
    static TextString name("Veltra");
    return name;
}
