// veltractl's commands, each on options already checked; each returns the exit code.
#pragma once

#include "ctl/ctl_arguments.h"

int listHosts(const CtlOptions &options);
int listLanguages(const CtlOptions &options);
int showStatus(const CtlOptions &options);
int deploy(const CtlOptions &options);
int undo(const CtlOptions &options);
int removeAddon(const CtlOptions &options);
int doctor(const CtlOptions &options);
