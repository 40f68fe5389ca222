// Taking the add-on's modules out of a host's own start-up mechanisms, whoever registered them: the
// AppLoad start-up list of the current profile, AutoCAD's per-user "AcadAppload" copy and ZWCAD's
// "AppAutoLoad.app". Each opens keys without creating them and changes nothing that names no module.
#pragma once

#include "hosts/host_version.h"

#include <string>
#include <vector>

// Whether text names one of modules, as the program compares paths; a line of the GstarCAD load
// command names the path in its last pair of double quotes.
bool namesModule(const char *text, const std::vector<std::string> &modules);

// Removes the entries of the current profile's AppLoad list (below productKey) that name a module:
// the entries after each one move down a number, the count ("NumStartup", its type kept) goes down;
// a list left empty loses its count too, as the host reads a missing count as none. false when a
// change could not be made.
bool removeFromAppLoadList(HostFamily family, const char *productKey, const std::vector<std::string> &modules);

// AutoCAD: removes the per-user copy of the machine-wide "AcadAppload" settings when the user's key
// holds exactly what the deployment writes there (the machine-wide values and "LOADCTRLS" = 15);
// a key holding anything else is the host's own and stays. false when a change could not be made.
bool removeAcadApploadCopy(const char *productKey);

// ZWCAD: removes the lines naming a module from "AppAutoLoad.app" in the host's roaming folder, the
// other lines kept as they are (a UTF-16 file stays UTF-16); a file left with no line is deleted.
// false when a change could not be made.
bool removeFromAppAutoLoad(const char *productKey, const std::vector<std::string> &modules);
