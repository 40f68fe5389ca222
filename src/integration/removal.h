// Taking the add-on out of a host installation, whoever put it there and with or without a journal
// of that deployment: what the deployment adds per family, found again by the module files and
// folders it names, and nothing else (no key is deleted, no other add-on's entry touched).
#pragma once

class ParamNode;

// Removes from host (a child of the detection result) the start-up registrations that name one of
// its module files (AppLoad list, AutoCAD's "AcadAppload" copy, ZWCAD's "AppAutoLoad.app"), the
// family's start-up file of each context when it names one, the program folder from the trusted
// folders and each context's "DossierCAD" folder from the support search path. Every change goes
// through the change layer. false when a change could not be made (the others are still made).
bool removeAddonFromHost(const ParamNode &host);
