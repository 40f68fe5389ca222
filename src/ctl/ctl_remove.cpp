// veltractl remove: takes the add-on out of the host CfgPrf.ini names, of the one selected or of
// every detected host, through the change journal (undo brings it back; --preview lists the changes
// without making them); with --all-users, the Active Setup component runs the removal for each user
// at his next logon instead of a deployment.
#include "core/param_node.h"
#include "core/text_functions.h"
#include "core/text_string.h"
#include "ctl/active_setup.h"
#include "ctl/ctl_choices.h"
#include "ctl/ctl_commands.h"
#include "ctl/ctl_output.h"
#include "ctl/veltractl.h"
#include "files/file_utils.h"
#include "hosts/host_detection.h"
#include "install/install_description.h"
#include "install/install_settings.h"
#include "install/param_file.h"
#include "integration/removal.h"
#include "journal/change_layer.h"
#include "platform/user_rights.h"
#include "vars/own_data.h"

namespace {

// The product key "CfgPrf.ini" names as the chosen host, in the only context or the standard one.
std::string chosenHostKey(const char *programFolder) {
    std::string context, error;
    if (!findContext(programFolder, false, "", context, error))
        findContext(programFolder, true, "", context, error);
    const std::string before = currentContext.CStr();
    currentContext.Assign(context.c_str());
    TextString path;
    configPath(path, programFolder, connexionSettingsFile, "GenAuto");
    currentContext.Assign(before.c_str());
    ParamNode settings(nullptr, nullptr);
    loadParamFile(settings, path.CStr());
    return settings.GetText("ChoixCADReg", "");
}

// The hosts to take the add-on out of; empty with error set when the choice names none.
std::vector<const ParamNode *> selectedHosts(const std::vector<const ParamNode *> &entries,
                                             const CtlOptions &options, const char *programFolder,
                                             std::string &error) {
    if (options.allHosts)
        return entries;
    std::string selector = options.host;
    if (selector.empty() && (selector = chosenHostKey(programFolder)).empty()) {
        error = "CfgPrf.ini ne nomme aucun h\xF4te : choisissez-en un avec --host ou --all-hosts";
        return {};
    }
    const ParamNode *host = findHost(entries, selector, error);
    if (host == nullptr)
        return {};
    return {host};
}

} // namespace

int removeAddon(const CtlOptions &options) {
    if (options.allUsers && !os::isAdministrator()) {
        printError("--all-users demande les droits d'administrateur : relancez en tant qu'administrateur");
        return ctlBadChoice;
    }
    TextString folder;
    AssignProgramDir(folder);
    ParamNode hosts(nullptr, nullptr);
    detectHosts(hosts);
    std::string error;
    const std::vector<const ParamNode *> selected = selectedHosts(hostEntries(hosts), options, folder.CStr(), error);
    if (selected.empty() && !options.allHosts) {
        printError(error);
        return ctlBadChoice;
    }

    // Every change from here on is journaled (or, with --preview, only recorded).
    journal::beginRun(options.preview ? journal::Mode::Preview : journal::Mode::Apply, journalFolder());
    int result = ctlDone;
    Json removed = Json::array();
    std::string text;
    for (const ParamNode *host : selected) {
        bool done = removeAddonFromHost(*host);
        if (!done) {
            printError(std::string("des changements n'ont pas pu \xEAtre faits pour \"") + host->Value() + "\"");
            result = ctlChangeFailed;
        }
        removed.push_back({{"host", utf8Of(host->Value())}, {"registryKey", utf8Of(host->GetText("TETEREL", ""))},
                           {"done", done}});
        text += std::string("Retir\xE9 : ") + host->Value() + "\n";
    }
    // Each user's next logon runs the same removal, for the host or hosts chosen here.
    const std::string stub =
        !options.allUsers ? std::string()
        : options.allHosts ? stubCommandLine(folder.CStr(), "remove --all-hosts")
                           : stubCommandLine(folder.CStr(), "remove --host \"" +
                                                                std::string(selected.front()->GetText("TETEREL", "")) + "\"");
    if (!stub.empty() && !registerActiveSetupOrSay(stub))
        result = ctlChangeFailed;
    std::vector<journal::Change> changes;
    std::string run;
    if (endRunListingPreview(options.preview, options.json, changes, run))
        return result;
    if (options.json)
        printJson({{"removed", removed},
                   {"changes", changes.size()},
                   {"activeSetup", utf8Of(stub)},
                   {"journal", utf8Of(run)},
                   {"exitCode", result}});
    else
        printText((text.empty() ? std::string("Aucun h\xF4te d\xE9tect\xE9\n") : text) +
                  std::to_string(changes.size()) + " changements" + (stub.empty() ? "" : "\nActive Setup : " + stub) +
                  "\n");
    return result;
}
