// veltractl deploy: the dialog's OK without the dialog. The choices are checked first (nothing is
// changed when one is bad), a choice not given takes what the dialog would pre-select, then the
// same confirmation and settings write-back as the dialog run; with --all-users, the Active Setup
// component that repeats the deployment for each user at logon.
#include "app/connexion_steps.h"
#include "core/param_node.h"
#include "core/text_string.h"
#include "ctl/active_setup.h"
#include "ctl/ctl_choices.h"
#include "ctl/ctl_commands.h"
#include "ctl/ctl_output.h"
#include "ctl/veltractl.h"
#include "hosts/host_detection.h"
#include "hosts/running_host.h"
#include "install/install_settings.h"
#include "integration/deployment.h"
#include "files/file_utils.h"
#include "integration/launcher_handover.h"
#include "journal/change_layer.h"
#include "platform/memory_controls.h"
#include "platform/user_rights.h"
#include "registry/registry_setting.h"
#include "vars/own_data.h"
#include "widgets/node_combo.h"

namespace {

// One argument of a Windows command line, in double quotes when it holds a blank or is empty.
std::string quoted(const std::string &argument) {
    if (!argument.empty() && argument.find_first_of(" \t") == std::string::npos)
        return argument;
    return "\"" + argument + "\"";
}

// The fully explicit command line of the deployment made, without launch, for each user's logon.
std::string logonArguments(const ParamNode &host, const ParamNode &language, bool use64, bool autoload,
                           const std::string &context, bool contextNamed) {
    std::string arguments = "deploy --host " + quoted(host.GetText("TETEREL", "")) + " --language " +
                            quoted(language.Name()) + " --bits " + (use64 ? "64" : "32") +
                            (autoload ? " --autoload" : " --no-autoload");
    if (contextNamed)
        arguments += " --context " + quoted(context);
    return arguments + " --no-launch";
}

// The language the dialog would pre-select, as its combo box does it.
const ParamNode *preselectedLanguage(const ParamNode &languages) {
    os::MemoryComboBox combo(true);
    NodeCombo binding(&combo);
    binding.Bind(languages.Children(), false);
    preselectLanguage(binding, languages);
    return binding.SelectedNode();
}

} // namespace

int deploy(const CtlOptions &options) {
    if (options.allUsers && !os::isAdministrator()) {
        printError("--all-users demande les droits d'administrateur : relancez en tant qu'administrateur");
        return ctlBadChoice;
    }
    std::string context, error;
    if (!findContext(programFolder(), options.contextGiven, options.context, context, error)) {
        printError(error);
        return ctlBadChoice;
    }
    // The dialog takes its context from "CTX =" on its command line.
    const std::string commandLine = context.empty() ? std::string() : "CTX = " + context;
    TextString folder, drawings;
    // Nothing is created before the choices are known to be good; the settings written back at
    // the end create their key.
    loadConnexionState(commandLine.c_str(), nullptr, folder, drawings, false);
    ParamNode languages(nullptr, nullptr);
    loadLanguagesAndModuleSize(languages);
    ParamNode hosts(nullptr, nullptr);
    detectHosts(hosts);

    const ParamNode *host = findHost(hostEntries(hosts), options.host, error);
    const ParamNode *language = nullptr;
    if (host != nullptr && options.language.empty() && (language = preselectedLanguage(languages)) == nullptr)
        error = "aucune langue \xE0 choisir dans langues.ini";
    else if (host != nullptr && !options.language.empty())
        language = findLanguage(languageEntries(languages), options.language, error);
    if (host == nullptr || language == nullptr) {
        printError(error);
        return ctlBadChoice;
    }
    ModuleSizes sizes = moduleSizesOf(*host);
    if (!sizes.choosable() && ((options.bits == 64 && !sizes.has64) || (options.bits == 32 && !sizes.has32))) {
        printError("pas de module " + std::to_string(options.bits) + " bits pour l'h\xF4te \"" + host->Value() + "\"");
        return ctlBadChoice;
    }
    if (options.autoload == 1 && !autoloadOffered(*host)) {
        printError(std::string("Autoload n'est pas propos\xE9 pour l'h\xF4te \"") + host->Value() + "\"");
        return ctlBadChoice;
    }

    // A host rewrites its profile when it closes: a registration made while it runs would be lost.
    if (!options.force && !options.preview && hostIsRunning(*host)) {
        printError(std::string("l'h\xF4te \"") + host->Value() +
                   "\" est ouvert : fermez-le avant de d\xE9ployer, ou ajoutez --force");
        return ctlHostRunning;
    }

    // As the dialog: the size is a choice (and remembered) only when both modules exist.
    int use64 = moduleSizeToUse(sizes, options.bits != 0 ? (options.bits == 64 ? 1 : 0) : Vers64);
    if (sizes.both())
        Vers64 = use64;
    const bool autoload = options.autoload == 1;
    // Every change from here on is journaled (or, with --preview, only recorded).
    journal::beginRun(options.preview ? journal::Mode::Preview : journal::Mode::Apply, journalFolder());
    bool launcherWasOn = setLauncherStart(!options.noLaunch);
    confirmConnexion(*host, *language, use64 != 0, autoload, drawings.CStr(), folder.CStr(), deployConfiguration);
    setLauncherStart(launcherWasOn);
    saveRegistrySettings();

    int result = ctlDone;
    if (journal::changesRefused()) {
        printError(std::string("des changements n'ont pas pu \xEAtre faits pour \"") + host->Value() + "\"");
        result = ctlChangeFailed;
    }
    std::string stub;
    if (options.allUsers) {
        stub = stubCommandLine(folder.CStr(),
                               logonArguments(*host, *language, use64 != 0, autoload, context, options.contextGiven));
        if (!registerActiveSetupOrSay(stub))
            result = ctlChangeFailed;
    }
    std::vector<journal::Change> changes;
    std::string run;
    if (endRunListingPreview(options.preview, options.json, changes, run))
        return result;
    if (options.json)
        printJson({{"host", utf8Of(host->Value())},
                   {"registryKey", utf8Of(host->GetText("TETEREL", ""))},
                   {"language", utf8Of(language->Name())},
                   {"bits", use64 != 0 ? 64 : 32},
                   {"autoload", autoload},
                   {"context", utf8Of(context)},
                   {"launched", !options.noLaunch},
                   {"activeSetup", utf8Of(stub)},
                   {"journal", utf8Of(run)},
                   {"exitCode", result}});
    else
        printText(std::string("D\xE9ploy\xE9 : ") + host->Value() + ", langue " + language->Name() + ", " +
                  (use64 != 0 ? "64" : "32") + " bits" + (autoload ? ", Autoload" : "") +
                  (options.noLaunch ? ", lanceur non d\xE9marr\xE9" : "") + (stub.empty() ? "" : "\nActive Setup : " + stub) +
                  "\n");
    return result;
}
