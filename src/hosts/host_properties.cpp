// Executables, add-on module files and launchers of the host families.
#include "hosts/host_properties.h"

#include "core/text_string.h"
#include "files/file_utils.h"

namespace {

// A module file name is "veltra", the infix, the version tag (when the family uses it), then the
// ending of the module size.
struct ModuleNaming {
    const char *infix;
    bool withTag;
    const char *ending32;
    const char *ending64;
};

// Indexed by family value, from AutoCad (0) to GstarCad (6).
const ModuleNaming moduleNamings[] = {
    {"", true, ".arx", "-64.arx"},    // AutoCad
    {"", false, ".exe", "-64.exe"},   // AutoCadLt: one module for every version
    {"", true, ".brx", "-64.brx"},    // BricsCad
    {"zrx", true, ".dll", "-64.dll"}, // ZwCadClassic
    {"", true, ".zrx", "-64.zrx"},    // ZwCadPlus
    {"cad", true, ".dll", "-64.dll"}, // IntelliCad
    {"", true, ".grx", "-64.grx"},    // GstarCad
};

const ModuleNaming *moduleNaming(HostFamily family) {
    int index = static_cast<int>(family);
    return index >= 0 && index < static_cast<int>(sizeof moduleNamings / sizeof moduleNamings[0])
               ? &moduleNamings[index]
               : nullptr;
}

// name := the module file of one size when the row has that size and the file exists, else empty.
bool findModuleFile(const HostVersion &row, const ModuleNaming &naming, bool wanted, const char *ending,
                    TextString &name) {
    AssignProgramDir(name, "veltra");
    name.Append(naming.infix);
    if (naming.withTag)
        name.Append(row.versionTag);
    name.Append(ending);
    if (wanted && fileExists(name.CStr()))
        return true;
    name.Clear();
    return false;
}

const char *const autodeskLauncher =
    "C:/Program Files/Common Files/Autodesk Shared" "/AcShellEx/AcLauncher.exe";

} // namespace

const char *executableName(HostFamily family) {
    switch (family) {
    case HostFamily::AutoCad:
        return "acad.exe";
    case HostFamily::AutoCadLt:
        return "aclt.exe";
    case HostFamily::BricsCad:
        return "bricscad.exe";
    case HostFamily::ZwCadClassic:
    case HostFamily::ZwCadPlus:
        return "zwcad.exe";
    case HostFamily::IntelliCad:
        return "icad.exe";
    case HostFamily::GstarCad:
        return "gcad.exe";
    default:
        return nullptr;
    }
}

const char *alternateExecutableName(HostFamily family) {
    return family == HostFamily::AutoCadLt ? "acadlt.exe" : nullptr;
}

int findModuleFiles(const HostVersion &row, TextString *out32, TextString *out64) {
    TextString name32, name64;
    const ModuleNaming *naming = moduleNaming(row.family);
    int mask = 0;
    if (naming) {
        if (findModuleFile(row, *naming, row.has32BitModule(), naming->ending32, name32))
            mask |= kModule32Found;
        if (findModuleFile(row, *naming, row.has64BitModule(), naming->ending64, name64))
            mask |= kModule64Found;
    }
    if (out32)
        out32->Assign(name32.CStr());
    if (out64)
        out64->Assign(name64.CStr());
    return mask;
}

bool findLauncher(HostFamily family, const char *exe, TextString &command) {
    command.Clear();
    TextString launcher;
    switch (family) {
    case HostFamily::AutoCad:
    case HostFamily::AutoCadLt:
        launcher.Assign(autodeskLauncher);
        break;
    case HostFamily::ZwCadClassic:
    case HostFamily::ZwCadPlus:
    case HostFamily::GstarCad:
        launcher.Assign(parentFolder(exe));
        launcher.JoinPath(family == HostFamily::GstarCad ? "GcLauncher.exe" : "ZwLauncher.exe", nullptr, 1);
        break;
    default:
        return false;
    }
    if (!fileExists(launcher.CStr()))
        return false;
    if (family == HostFamily::GstarCad) {
        command.AppendChar('"');
        command.Append(launcher.CStr());
        command.Append("\" /O \"%1\"");
    } else {
        command.Assign(launcher.CStr());
    }
    return true;
}
