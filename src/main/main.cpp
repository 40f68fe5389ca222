// The Configurator's entry point: the connexion dialog on the command line's arguments. Exit code
// 0 after OK, 1 after Annuler or closing. The run is written to the programs' log file.
#include "app/command_line.h"
#include "app/connexion_dialog.h"
#include "platform/process.h"
#include "runlog/run_log.h"
#include "vars/own_data.h"

int main() {
    int exitCode = runConfigurator(argumentsAfterProgram(os::getCommandLine()),
                                   [] { runlog::openRunLog(ownDataFolder(), "veltracfg"); });
    runlog::closeRunLog(exitCode == 0 ? "OK" : "Annuler", exitCode);
    return exitCode;
}
