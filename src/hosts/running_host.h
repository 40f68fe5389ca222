// Whether a detected host is running: its executable among the running programs. A host rewrites
// its profile in the registry when it closes, so a registration made while it runs is lost.
#pragma once

#include "core/param_node.h"

// True when the host's executable ("CIBLE") is the executable of a running program, the paths
// compared as the program compares paths (letter case and '/' or '\' aside). A process list that
// cannot be read counts as no program running.
bool hostIsRunning(const ParamNode &host);
