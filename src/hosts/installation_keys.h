// Every installation key of the makers the catalogue knows, and why each one is or is not a host:
// what a support person needs when the add-on's host does not show up in the dialog.
#pragma once

#include <string>
#include <vector>

enum class KeyVerdict {
    Host,              // detected: the dialog offers it
    NoCatalogueRow,    // no catalogue row matches this key (a release the program does not know)
    FolderMissing,     // the installation folder it names does not exist
    ExecutableMissing, // the folder holds no host executable
    NoModule,          // the program folder holds no add-on module for this release
    FilesUnknown,      // a row matches, but the files cannot be checked (a registry export)
};

struct InstallationKey {
    std::string path;    // the key, root first, '\' separated
    int view = 0;        // the registry view it was found in: 0 the default one, 1 the 64-bit one
    std::string release; // the matching catalogue row's display name; empty without one
    std::string folder;  // the installation folder the key names
    std::string executable; // the host executable looked for (empty before the folder is known)
    KeyVerdict verdict = KeyVerdict::NoCatalogueRow;
};

// The keys below ROOT\SOFTWARE\<maker> for each maker of the catalogue in use (in both views on a
// 64-bit Windows), a few levels deep, that hold a value naming an installation folder for one of
// that maker's rows; in walk order. With filesKnown false no file is looked at.
std::vector<InstallationKey> installationKeys(bool filesKnown);

// The verdict in French, for the report.
const char *verdictText(KeyVerdict verdict);
// The verdict's name in the JSON form ("host", "noCatalogueRow", ...).
const char *verdictName(KeyVerdict verdict);
