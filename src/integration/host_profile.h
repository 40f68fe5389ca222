// The current profile of a host installation (below its per-user product key) and the
// semicolon-separated folder lists kept in that profile's values.
#pragma once

#include <string>
#include <vector>

class TextString;

// For the product key (a registry path without its root, as "TETEREL" of a detected
// installation): profilesPath := HKEY_CURRENT_USER/<product key>/Profiles; profileName := its
// "CurProfile", else its default value, else "Default"; profilePath := profilesPath/<name>.
// Each out text is optional; the profiles key is opened (created when missing) only when the
// name or the profile path is asked for. 1 on success, 0 when the product key is blank or the
// profile's name has a character the system's code page cannot hold.
int resolveCurrentProfile(const char *productKey, TextString *profilesPath, TextString *profileName,
                          TextString *profilePath);
// The same profile path, found without creating anything: 0 also when the profiles key is missing.
int resolveExistingProfile(const char *productKey, TextString &profilePath);

// Adds folder to the list held in the value valueName of the current profile's section
// (appended after ";" unless the list already holds it). An expandable string stays expandable.
// With onlyIfPresent a blank or missing list is left alone and the result is 0. A list the
// system's code page cannot hold is left alone too (0). Otherwise 1 when the profile was
// resolved, 0 when it was not.
int addToProfilePathList(const char *productKey, const char *section, const char *valueName,
                         const char *folder, bool onlyIfPresent);

// Removes from the list held in the value valueName of the current profile's section every entry
// that names one of folders (as the program compares paths, after its environment references are
// expanded). The other entries keep their order and text, the value its type; a list left empty
// stays as an empty value. Nothing is created. false when the change could not be made.
bool removeFromProfilePathList(const char *productKey, const char *section, const char *valueName,
                               const std::vector<std::string> &folders);
