// The Configurator's entry point: the connexion dialog on the command line's arguments. Exit code
// 0 after OK, 1 after Annuler or closing.
#include "app/command_line.h"
#include "app/connexion_dialog.h"
#include "platform/process.h"

int main() {
    return runConfigurator(argumentsAfterProgram(os::getCommandLine()));
}
