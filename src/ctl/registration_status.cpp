// Reading back what the deployment registered for a host (see registration_status.h). Every key is
// opened without creating it and no folder is made, so that a status changes nothing.
#include "ctl/registration_status.h"

#include "core/param_node.h"
#include "core/text_functions.h"
#include "core/text_string.h"
#include "hosts/host_catalogue.h"
#include "install/install_description.h"
#include "install/install_settings.h"
#include "install/param_file.h"
#include "files/file_utils.h"
#include "integration/deployment.h"
#include "registry/registry_key.h"
#include "vars/environment.h"

#include <cstdlib>
#include <cstring>

namespace {

const char *textOf(const char *text) {
    return text != nullptr ? text : "";
}

// The current profile's key of the installation below productKey: HKEY_CURRENT_USER/<key>/Profiles/
// <"CurProfile", else the default value, else "Default">.
std::string profileKey(const char *productKey) {
    std::string profiles = std::string("HKEY_CURRENT_USER/") + productKey + "/Profiles";
    RegistryKey key;
    key.openPath(profiles.c_str(), false);
    const char *name = key.IsOpen() ? key.readValue("CurProfile", false, false) : nullptr;
    if (IsBlank(name) && key.IsOpen())
        name = key.readValue("", false, false);
    return profiles + "/" + (IsBlank(name) ? "Default" : name);
}

// The value of an existing key, or the empty text.
std::string valueOf(const std::string &keyPath, const char *name) {
    RegistryKey key;
    key.openPath(keyPath.c_str(), false);
    return key.IsOpen() ? textOf(key.readValue(name, false, false)) : "";
}

// The module among the host's two that line names (as a path or inside GstarCAD's load command).
std::string moduleNamedBy(const ParamNode &host, const std::string &line) {
    for (const char *field : {"AP64", "AP32"}) {
        const char *module = host.GetText(field, nullptr);
        if (IsBlank(module))
            continue;
        TextString forward(module);
        forward.ToForwardSlashes();
        if (samePath(line.c_str(), module) || line.find(forward.CStr()) != std::string::npos)
            return module;
    }
    return "";
}

// The first line of a text file naming one of the host's modules; sets where and module.
bool fileNamesModule(const ParamNode &host, const std::string &file, RegistrationStatus &status) {
    TextString content;
    readWholeFile(file.c_str(), content);
    content.NormaliseLineEnds();
    for (const char *line = content.CStr(); *line != '\0';) {
        const char *end = std::strchr(line, '\n');
        std::string text(line, end ? end - line : std::strlen(line));
        std::string module = moduleNamedBy(host, text);
        if (!module.empty()) {
            status.startupEntry = file;
            status.module = module;
            return true;
        }
        if (end == nullptr)
            break;
        line = end + 1;
    }
    return false;
}

// An entry k + "Startup" of the profile's AppLoad start-up list naming one of the host's modules.
bool appLoadNamesModule(const ParamNode &host, const std::string &profile, RegistrationStatus &status) {
    std::string path = profile + "/Dialogs/Appload/Startup";
    RegistryKey key;
    key.openPath(path.c_str(), false);
    if (!key.IsOpen())
        return false;
    for (NodeCell *cell = key.readValues(false, false); cell != nullptr; cell = cell->next) {
        const ParamNode &value = *ParamNodeOf(cell);
        const char *name = textOf(value.Name());
        std::size_t length = std::strlen(name);
        if (length <= 7 || std::strcmp(name + length - 7, "Startup") != 0)
            continue;
        std::string module = moduleNamedBy(host, textOf(value.Value()));
        if (!module.empty()) {
            status.startupEntry = path + " : " + name;
            status.module = module;
            return true;
        }
    }
    return false;
}

// Ok when the list held in the profile's value names folder, Missing when it does not, and
// NotApplicable when the list is blank (the deployment adds only to a stored list) or
// onlyIfStored is false and there is nothing to check.
Check listHolds(const std::string &profile, const char *section, const char *valueName, const char *folder,
                bool onlyIfStored) {
    if (section == nullptr || valueName == nullptr)
        return Check::NotApplicable;
    TextString list(valueOf(profile + "/" + section, valueName).c_str());
    if (onlyIfStored && IsBlank(list.CStr()))
        return Check::NotApplicable;
    return AddToPathList(folder, list) == 1 ? Check::Ok : Check::Missing;
}

// AutoCAD LT: its add-on is a program of its own, registered by the "registreext.reg" that names
// the product key.
void checkRegistryFile(const ParamNode &host, const char *programFolder, RegistrationStatus &status) {
    TextString path;
    configPath(path, programFolder, "system\\registreext.reg", "ConfigUsr");
    TextString content;
    readWholeFile(path.CStr(), content);
    TextString branch(host.GetText("TETEREL", ""));
    branch.ReplaceAll("/", "\\\\");
    if (std::strstr(content.CStr(), branch.CStr()) != nullptr) {
        status.startupEntry = path.CStr();
        status.module = textOf(host.GetText(IsBlank(host.GetText("AP64", nullptr)) ? "AP32" : "AP64", ""));
    }
}

} // namespace

RegistrationStatus registrationStatusOf(const ParamNode &host, const char *programFolder,
                                        const ParamNode &languages) {
    RegistrationStatus status;
    const auto *row = reinterpret_cast<const HostVersion *>(host.GetHandle("CDINF", 0));
    const char *productKey = host.GetText("TETEREL", "");
    if (row == nullptr || IsBlank(productKey))
        return status;
    const std::string profile = profileKey(productKey);

    if (row->family == HostFamily::AutoCadLt) {
        checkRegistryFile(host, programFolder, status);
    } else if (!appLoadNamesModule(host, profile, status)) {
        std::string autoLoadFile = valueOf(std::string("HKEY_CURRENT_USER/") + productKey, "RoamableRootFolder");
        if (!(row->family == HostFamily::ZwCadPlus && !autoLoadFile.empty() &&
              fileNamesModule(host, autoLoadFile + "AppAutoLoad.app", status)) &&
            startupFileName(row->family) != nullptr) {
            TextString file;
            configPath(file, programFolder, startupFileName(row->family), "GenAuto");
            fileNamesModule(host, file.CStr(), status);
        }
    }
    status.moduleExists = !status.module.empty() && fileExists(status.module.c_str());

    if (row->family == HostFamily::AutoCad)
        status.trustedFolder = listHolds(profile, "Variables", "TRUSTEDPATHS", ::programFolder(), false);
    TextString cadFolder;
    configPath(cadFolder, programFolder, nullptr, "DossierCAD");
    status.searchPath = listHolds(profile, searchPathSection(row->family), searchPathValue(row->family),
                                  cadFolder.CStr(), true);

    TextString settingsPath;
    configPath(settingsPath, programFolder, connexionSettingsFile, "GenAuto");
    ParamNode settings(nullptr, nullptr);
    loadParamFile(settings, settingsPath.CStr());
    status.settingsNameHost = StrEqual(settings.GetText("ChoixCADReg", ""), productKey);
    const char *language = settings.GetText("ChoixLG", "");
    if (!IsBlank(language) && languages.GetText(language, nullptr) != nullptr)
        status.settingsLanguage = language;
    return status;
}
