// Environment references of the sandbox, expanded from the process environment (UTF-8) with
// names compared without regard to letter case, as Windows compares them.
#include "platform/environment.h"

#include "platform/ascii_case.h"
#include "platform/out_buffer.h"
#include "platform/posix/codepage.h"

#include <cstring>
#include <string>

extern char **environ;

namespace os {

namespace {

// The value of the variable name (system code page) when it is set; exact becomes false when the
// value has a character the code page cannot hold.
bool findVariable(const std::string &name, std::string &value, bool &exact) {
    for (char **variable = environ; *variable != nullptr; ++variable) {
        std::string entry;
        bool entryExact = systemFromUtf8(*variable, entry);
        std::size_t equals = entry.find('=');
        if (equals != std::string::npos && equals == name.size() &&
            equalIgnoringCase(entry.substr(0, equals).c_str(), name.c_str())) {
            value = entry.substr(equals + 1);
            exact = exact && entryExact;
            return true;
        }
    }
    return false;
}

std::string expanded(const std::string &text, bool &exact) {
    std::string result;
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t open = text.find('%', at);
        std::size_t close = open == std::string::npos ? open : text.find('%', open + 1);
        if (close == std::string::npos) {
            result.append(text, at, std::string::npos);
            break;
        }
        result.append(text, at, open - at);
        std::string value;
        if (close > open + 1 && findVariable(text.substr(open + 1, close - open - 1), value, exact))
            result += value;
        else
            result.append(text, open, close + 1 - open); // unknown: stays as written
        at = close + 1;
    }
    return result;
}

} // namespace

unsigned long expandEnvironmentStrings(const char *source, char *destination, unsigned long size) {
    bool exact = true;
    std::string result = source != nullptr ? expanded(source, exact) : std::string();
    return source == nullptr || !exact ? 0 : copyWhole(result, destination, size);
}

} // namespace os
