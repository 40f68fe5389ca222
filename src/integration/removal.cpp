// The removal of the add-on from one host installation (see removal.h).
#include "integration/removal.h"

#include "core/param_node.h"
#include "core/text_functions.h"
#include "core/text_string.h"
#include "files/file_utils.h"
#include "hosts/host_catalogue.h"
#include "install/install_description.h"
#include "integration/deployment.h"
#include "integration/host_profile.h"
#include "integration/startup_removal.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

// The context's start-up file for the family, deleted when one of its lines names a module.
bool removeStartupFile(const char *path, const std::vector<std::string> &modules) {
    TextString content;
    readWholeFile(path, content);
    content.NormaliseLineEnds();
    std::string text = content.CStr();
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = std::min(text.find('\n', start), text.size());
        if (namesModule(text.substr(start, end - start).c_str(), modules))
            return deleteFile(path) != 0;
        start = end + 1;
    }
    return true;
}

} // namespace

bool removeAddonFromHost(const ParamNode &host) {
    const auto *row = reinterpret_cast<const HostVersion *>(host.GetHandle("CDINF", 0));
    // AutoCAD LT's add-on is a program of its own, which nothing of the host starts.
    if (row == nullptr || row->family == HostFamily::AutoCadLt)
        return true;
    std::vector<std::string> modules;
    for (const char *field : {"AP32", "AP64"})
        if (!IsBlank(host.GetText(field, nullptr)))
            modules.push_back(host.GetText(field, ""));
    const char *productKey = host.GetText("TETEREL", "");
    TextString program;
    AssignProgramDir(program);

    // Each context of the configuration folder has its start-up files and its "DossierCAD" folder.
    bool done = true;
    std::vector<std::string> cadFolders;
    ParamNode contexts(nullptr, nullptr);
    listContexts(contexts, program.CStr(), true);
    const std::string contextBefore = currentContext.CStr();
    for (NodeCell *cell = contexts.Children(); cell != nullptr; cell = cell->next) {
        currentContext.Assign(ParamNodeOf(cell)->Name());
        TextString path;
        if (startupFileName(row->family) != nullptr)
            done = removeStartupFile(configPath(path, program.CStr(), startupFileName(row->family), "GenAuto"),
                                     modules) && done;
        cadFolders.push_back(configPath(path, program.CStr(), nullptr, "DossierCAD"));
    }
    currentContext.Assign(contextBefore.c_str());
    if (IsBlank(productKey))
        return done; // a host without product key has no profile
    switch (row->family) {
    case HostFamily::AutoCad:
        done = removeFromAppLoadList(row->family, productKey, modules) && done;
        done = removeAcadApploadCopy(productKey) && done;
        done = removeFromProfilePathList(productKey, "Variables", "TRUSTEDPATHS", {program.CStr()}) && done;
        break;
    case HostFamily::BricsCad:
    case HostFamily::GstarCad:
        done = removeFromAppLoadList(row->family, productKey, modules) && done;
        break;
    case HostFamily::ZwCadPlus:
        done = removeFromAppAutoLoad(productKey, modules) && done;
        break;
    default:
        break;
    }
    const char *section = searchPathSection(row->family);
    const char *valueName = searchPathValue(row->family);
    if (section != nullptr && valueName != nullptr)
        done = removeFromProfilePathList(productKey, section, valueName, cadFolders) && done;
    return done;
}
