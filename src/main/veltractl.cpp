// veltractl's entry point: the command its arguments give; the exit code says how it went. The
// run is written to the programs' log file.
#include "ctl/veltractl.h"
#include "platform/console.h"
#include "runlog/run_log.h"
#include "vars/own_data.h"

int main() {
    runlog::openRunLog(ownDataFolder(), "veltractl");
    int exitCode = runVeltractl(os::programArguments());
    runlog::closeRunLog(ctlOutcome(exitCode), exitCode);
    return exitCode;
}
