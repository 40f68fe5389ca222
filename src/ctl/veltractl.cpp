// veltractl's dispatch: the command line checked first, then the command (see veltractl.h).
#include "ctl/veltractl.h"

#include "ctl/ctl_commands.h"
#include "ctl/ctl_output.h"
#include "core/version.h"
#include "hosts/catalogue_file.h"
#include "journal/undo.h"
#include "vars/own_data.h"

const char *ctlOutcome(int exitCode) {
    switch (exitCode) {
    case ctlDone:
        return "OK";
    case ctlBadChoice:
        return "ligne de commande ou choix refuse";
    case ctlNotRegistered:
        return "non enregistre";
    case ctlChangeFailed:
        return "changement impossible";
    case ctlHostRunning:
        return "hote en cours d'execution";
    }
    return "echec";
}

int runVeltractl(const std::vector<std::string> &arguments) {
    CtlOptions options;
    std::string error;
    if (arguments.empty()) {
        printText(ctlUsage());
        return ctlBadChoice;
    }
    if (arguments.size() == 1 && arguments[0] == "--version") {
        printText(std::string("veltractl ") + VELTRA_VERSION + "\n");
        return 0;
    }
    if (!parseCtlArguments(arguments, options, error)) {
        printError(error);
        return ctlBadChoice;
    }
    // A run cut short (crash, kill, power cut) is rolled back before anything else, as the dialog
    // program does at its start.
    journal::recoverUnfinishedRuns(journalFolder());
    // The catalogue is complete before anything refers to its rows, as in the dialog program.
    loadHostCatalogue();
    switch (options.command) {
    case CtlCommand::Hosts:
        return listHosts(options);
    case CtlCommand::Languages:
        return listLanguages(options);
    case CtlCommand::Status:
        return showStatus(options);
    case CtlCommand::Deploy:
        return deploy(options);
    case CtlCommand::Undo:
        return undo(options);
    case CtlCommand::Remove:
        return removeAddon(options);
    case CtlCommand::Doctor:
        return doctor(options);
    }
    return ctlBadChoice;
}
