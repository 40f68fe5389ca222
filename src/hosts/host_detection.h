// Host detection: the host installations on this computer that can run the add-on, found through
// the catalogue's registry keys, and the forced host named by hand in the installation settings.
#pragma once

#include "core/node_list.h"
#include "hosts/host_version.h"

class ParamNode;
class TextString;

// Empties result and gives it one child per installation found. A child is named by its registry
// path without root ("TETEREL"), or by its executable when it has none; its value is its label.
// Its children: "CIBLE" executable, "AP32" and "AP64" module files (empty when missing), "TETE"
// and "TETEREL" installation key, "CDINF" handle of its HostVersion row, "CDBONUS" subkey matched
// by the wildcard, "CDIDEXT" label, and "CIBLEBIS" launcher command when the launcher exists.
// Order: the forced host first, then later catalogue rows before earlier ones, the 64-bit
// registry view before the default one, and one row's installations in enumeration order.
void detectHosts(ParamNode &result);

// label := the label of an installation key of row whose values are given: its "ProductName"
// (rule 0x1000) or else the display name, followed by a blank and its "LangAbbrev" (rule 0x2000).
void makeInstallationLabel(const HostVersion &row, NodeList values, TextString &label);

// One installation key of row, its values read: when it holds the row's install-folder value,
// the installation is checked and added to result (addInstallation). keyPath and subkey may be null.
void examineInstallationKey(const HostVersion &row, ParamNode &result, NodeList values, const char *keyPath,
                            const char *subkey);

// Adds the installation in installFolder to the front of result when its executable exists (for a
// forced host, installFolder is the executable itself) and at least one add-on module file for
// row exists. keyPath, label and subkey may be null. Returns the node added, or null.
ParamNode *addInstallation(const HostVersion &row, ParamNode &result, const char *installFolder,
                           const char *keyPath, const char *label, bool forced, const char *subkey);
