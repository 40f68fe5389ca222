// Registering the add-on with the chosen host installation when the connexion dialog is
// confirmed: start-up file, registry file, host start-up lists, folders, then the launcher.
#pragma once

#include "hosts/host_version.h"

class ParamNode;

// The start-up file the add-on writes for the family in the context's "GenAuto" folder, or null.
const char *startupFileName(HostFamily family);

// Deploys the choice: host is the chosen child of the detection result, language the chosen
// language node (its name is the language code), drawingFiles the drawing files of the
// Configurator's command line. Every step is attempted whatever the previous one gave; failures
// go to the diagnostic stream only. Always returns 1.
int deployConfiguration(const ParamNode &host, const ParamNode &language, bool use64,
                        const char *drawingFiles, bool autoload);
