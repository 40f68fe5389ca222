// The deployment on OK of the connexion dialog: the host family's start-up file, the add-on's
// registry file "registreext.reg", the start-up registration, the profile folders, the launcher.
#include "integration/deployment.h"

#include "core/param_node.h"
#include "core/text_functions.h"
#include "core/text_string.h"
#include "hosts/host_version.h"
#include "install/install_description.h"
#include "install/install_settings.h"
#include "files/file_utils.h"
#include "integration/launcher_handover.h"
#include "integration/profile_folders.h"
#include "integration/startup_registration.h"

namespace {

// The text of the node's child name; the empty text when it is absent or has no value.
const char *childText(const ParamNode &node, const char *name) {
    const char *text = node.GetText(name, "");
    return text != nullptr ? text : "";
}

// Writes (or for AutoCAD with the AppLoad registration, removes) the family's start-up file:
// the module path, or for GstarCAD the command that loads it (whose older companion file
// "Gcad2016doc.lsp" is removed).
void writeStartupFile(const HostVersion &row, const char *module, bool autoload) {
    const char *fileName = startupFileName(row.family);
    if (fileName == nullptr)
        return;
    TextString line(module);
    if (row.family == HostFamily::GstarCad) {
        line.Assign("(Command \"grx\" \"_L\" \"");
        line.Append(module);
        line.Append("\")");
        line.ToForwardSlashes();
        TextString companion;
        deleteFile(genAutoPath(companion, "Gcad2016doc.lsp"));
    }
    TextString path;
    genAutoPath(path, fileName);
    if (row.family == HostFamily::AutoCad && (row.startupVariant() == 1 || autoload)) {
        deleteFile(path.CStr());
    } else {
        line.AppendChar('\n');
        writeWholeFile(line.CStr(), path.CStr());
    }
}

// One line of "registreext.reg": "name" "value".
void appendEntry(TextString &text, const char *name, const char *value) {
    text.AppendChar('"');
    text.Append(name);
    text.Append("\" \"");
    text.Append(value);
    text.Append("\"\n");
}

// "registreext.reg" in the "system" folder of the context's "ConfigUsr" folder; for AutoCAD LT
// with the product key (each '/' as two backslashes), the connection variant and the profile.
void writeRegistryFile(const HostVersion &row, const char *productKey, const char *language) {
    TextString content;
    appendEntry(content, "REGISTRE_CMD", "TMP");
    if (row.family == HostFamily::AutoCadLt) {
        TextString branch(productKey);
        branch.ReplaceAll("/", "\\\\");
        appendEntry(content, "/TplLt/BrancheLT", branch.CStr());
        appendEntry(content, "/TplLt/Connexion", row.versionTag != nullptr ? row.versionTag : "");
        appendEntry(content, "/TplLt/Env", "FixedProfile/General");
    }
    appendEntry(content, "/Systeme/MultiLangue", language);
    TextString path;
    userConfigPath(path, "registreext.reg", "system");
    writeWholeFile(content.CStr(), path.CStr());
}

} // namespace

const char *startupFileName(HostFamily family) {
    switch (family) {
    case HostFamily::AutoCad:
        return "acad.rx";
    case HostFamily::BricsCad:
        return "autoload.rx";
    case HostFamily::ZwCadClassic:
    case HostFamily::ZwCadPlus:
        return "zwcad.rx";
    case HostFamily::IntelliCad:
        return "Icad.sds";
    case HostFamily::GstarCad:
        return "gcad.lsp";
    default:
        return nullptr;
    }
}

int deployConfiguration(const ParamNode &host, const ParamNode &language, bool use64,
                        const char *drawingFiles, bool autoload) {
    // A node without its catalogue row deploys like an unknown family: no start-up file, no
    // registration, no profile folders.
    static const HostVersion unknownRow;
    const HostVersion *found = reinterpret_cast<const HostVersion *>(host.GetHandle("CDINF", 0));
    const HostVersion &row = found != nullptr ? *found : unknownRow;
    const char *languageCode = language.Name() != nullptr ? language.Name() : "";
    const char *alternative = "";
    if (ExeAlternOk != 0)
        alternative = !IsBlank(ExeAltern.CStr()) ? ExeAltern.CStr() : childText(host, "CIBLEBIS");
    const char *module = childText(host, use64 ? "AP64" : "AP32");
    const int bits = use64 ? 64 : 32;
    const char *hostExecutable = childText(host, "CIBLE");
    const char *productKey = childText(host, "TETEREL");
    const char *files = drawingFiles != nullptr ? drawingFiles : "";

    if (row.family == HostFamily::AutoCadLt) {
        // The add-on for AutoCAD LT is an executable of its own, which the launcher starts.
        writeRegistryFile(row, productKey, languageCode);
        handOverToLauncher(module, bits, alternative, productKey, files);
        return 1;
    }
    writeStartupFile(row, module, autoload);
    writeRegistryFile(row, productKey, languageCode);
    if (row.startupVariant() == 1)
        registerStartupLoad(row, use64, productKey, module, false);
    else if (autoload)
        registerStartupLoad(row, use64, productKey, module, true);
    if (row.hasTrustedPaths())
        addTrustedFolder(row, use64, productKey);
    addSupportFolder(row, use64, productKey);
    handOverToLauncher(hostExecutable, bits, alternative, productKey, files);
    return 1;
}
