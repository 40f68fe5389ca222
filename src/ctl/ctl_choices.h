// The choices veltractl's options name: a detected host, a language, a context. Each is found as the
// dialog shows it; an unknown or ambiguous one gives a French line that lists the possible ones.
#pragma once

#include <string>
#include <vector>

class ParamNode;

// The detected hosts in the dialog's order, and the languages in the order the dialog shows them
// (sorted by name).
std::vector<const ParamNode *> hostEntries(const ParamNode &hosts);
std::vector<const ParamNode *> languageEntries(const ParamNode &languages);

// The host selector names: its number among entries (from 1), its registry key (with or without
// the root, '/' or '\', any letter case), or a text found in exactly one entry's text without
// regard to letter case (as the choice dialog's filter finds; a selector of digits only is a
// number). Null with error set otherwise.
const ParamNode *findHost(const std::vector<const ParamNode *> &entries, const std::string &selector,
                          std::string &error);

// The language selector names: its code or its name (without regard to letter case) or its number
// among entries. Null with error set otherwise.
const ParamNode *findLanguage(const std::vector<const ParamNode *> &entries, const std::string &selector,
                              std::string &error);

// The context to deploy or check: the one named (the standard profile by an empty name), or, when
// none is named, the only one there is. false with error set when the name is unknown or, without
// a name, when several contexts exist. name receives the context's own spelling.
bool findContext(const char *programFolder, bool named, const std::string &wanted, std::string &name,
                 std::string &error);
