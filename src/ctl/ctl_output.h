// veltractl's two output forms: French text lines (system code page, converted for the console) or
// one JSON document (ASCII keys, UTF-8 texts).
#pragma once

#include <nlohmann/json.hpp>

#include <string>
#include <vector>

namespace journal {
struct Change;
}

using Json = nlohmann::ordered_json;

// The UTF-8 form of a text in the system code page (null: the empty text), for JSON.
std::string utf8Of(const char *text);
inline std::string utf8Of(const std::string &text) {
    return utf8Of(text.c_str());
}

// Prints text (system code page) on the standard output stream.
void printText(const std::string &text);

// Prints document on the standard output stream, followed by a line end.
void printJson(const Json &document);

// Prints "veltractl : " and message as one line on the standard error stream.
void printError(const std::string &message);

// Lists changes, one line each as the journal describes them, or as {"changes": [...]}.
void printChanges(const std::vector<journal::Change> &changes, bool json);

// Ends the change layer's run of a command: changes gets its changes and journal its folder (empty
// without one). With preview, lists the changes as printChanges does and returns true: the command
// has nothing more to say.
bool endRunListingPreview(bool preview, bool json, std::vector<journal::Change> &changes, std::string &journal);
