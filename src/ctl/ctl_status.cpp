// veltractl status: whether the add-on is registered with each host (or the selected one) and
// consistent; exit code 0 when it is, 3 otherwise, so that it serves as a detection rule.
#include "core/param_node.h"
#include "core/text_string.h"
#include "ctl/ctl_choices.h"
#include "ctl/ctl_commands.h"
#include "ctl/ctl_output.h"
#include "ctl/registration_status.h"
#include "ctl/status_report.h"
#include "ctl/veltractl.h"
#include "hosts/host_detection.h"
#include "install/install_description.h"
#include "install/param_file.h"
#include "files/file_utils.h"
#include "registry/registry_setting.h"

namespace {

const char *checkName(Check check) {
    return check == Check::Ok ? "ok" : check == Check::Missing ? "missing" : "notApplicable";
}

const char *checkText(Check check) {
    return check == Check::Ok ? "pr\xE9sent" : check == Check::Missing ? "absent" : "sans objet";
}

std::string describe(int number, const ParamNode &host, const RegistrationStatus &status) {
    std::string text = std::to_string(number) + ". " + (host.Value() ? host.Value() : "") + " : ";
    text += !status.registered() ? "non enregistr\xE9"
            : status.consistent() ? "enregistr\xE9 et coh\xE9rent"
                                  : "enregistr\xE9, incoh\xE9rent";
    text += "\n   d\xE9marrage : " + (status.startupEntry.empty() ? std::string("(aucun)") : status.startupEntry);
    if (!status.module.empty())
        text += "\n   module : " + status.module + (status.moduleExists ? " (pr\xE9sent)" : " (absent)");
    text += std::string("\n   dossier approuv\xE9 : ") + checkText(status.trustedFolder);
    text += std::string("\n   chemin de recherche : ") + checkText(status.searchPath);
    text += std::string("\n   CfgPrf.ini : ") + (status.settingsNameHost ? "cet h\xF4te" : "autre choix ou absent");
    if (!status.settingsLanguage.empty())
        text += ", langue " + status.settingsLanguage;
    return text + "\n";
}

} // namespace

StatusReport reportStatus(const std::vector<const ParamNode *> &entries, const ParamNode *selected) {
    ParamNode languages(nullptr, nullptr);
    TextString path;
    AssignProgramDir(path, "langues.ini", "system");
    loadParamFile(languages, path.CStr());
    TextString folder;
    AssignProgramDir(folder);

    StatusReport report;
    for (std::size_t index = 0; index < entries.size(); ++index) {
        const ParamNode &host = *entries[index];
        if (selected != nullptr && selected != &host)
            continue;
        RegistrationStatus status = registrationStatusOf(host, folder.CStr(), languages);
        report.anyReady = report.anyReady || (status.registered() && status.consistent());
        report.hosts.push_back({{"number", index + 1},
                                {"entry", utf8Of(host.Value())},
                                {"registryKey", utf8Of(host.GetText("TETE", ""))},
                                {"registered", status.registered()},
                                {"consistent", status.consistent()},
                                {"startupEntry", utf8Of(status.startupEntry)},
                                {"module", utf8Of(status.module)},
                                {"moduleExists", status.moduleExists},
                                {"trustedFolder", checkName(status.trustedFolder)},
                                {"searchPath", checkName(status.searchPath)},
                                {"settingsNameHost", status.settingsNameHost},
                                {"settingsLanguage", utf8Of(status.settingsLanguage)}});
        report.text += describe(static_cast<int>(index + 1), host, status);
    }
    return report;
}

int showStatus(const CtlOptions &options) {
    std::string context, error;
    if (!findContext(programFolder(), options.contextGiven, options.context, context, error)) {
        printError(error);
        return ctlBadChoice;
    }
    loadRegistrySettings(false);
    ParamNode hosts(nullptr, nullptr);
    detectHosts(hosts);
    std::vector<const ParamNode *> entries = hostEntries(hosts);
    const ParamNode *selected = nullptr;
    if (!options.host.empty() && (selected = findHost(entries, options.host, error)) == nullptr) {
        printError(error);
        return ctlBadChoice;
    }
    currentContext.Assign(context.c_str());
    StatusReport report = reportStatus(entries, selected);
    currentContext.Clear();
    if (options.json)
        printJson({{"context", utf8Of(context)}, {"ready", report.anyReady}, {"hosts", report.hosts}});
    else
        printText(entries.empty() ? "Aucun h\xF4te d\xE9tect\xE9.\n" : report.text);
    return report.anyReady ? ctlDone : ctlNotRegistered;
}
