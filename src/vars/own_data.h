// Where the programs keep what they write for themselves: <Local AppData>\Veltra, with the change
// journal in its folder "journal".
#pragma once

#include <string>

// <Local AppData>\<product>; empty when the user's local application data folder is unknown.
std::string ownDataFolder();
// <Local AppData>\<product>\journal; empty when the user's local application data folder is unknown.
std::string journalFolder();
