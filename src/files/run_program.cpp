// Starting a program without waiting for it, with the diagnostic of a failed start.
#include "files/file_utils.h"

#include "journal/change_layer.h"
#include "platform/diagnostic_output.h"
#include "platform/error_codes.h"


int runProgram(const char *commandLine) {
    const char *line = commandLine == nullptr ? "" : commandLine;
    if (journal::startProgram(line) == os::errorSuccess)
        return 1;
    os::printDiagnostic("Erreur d'ouverture du prg <%s>\n", line);
    return 0;
}
