// Environment expansion through the platform layer, and folder lists.
#include "vars/environment.h"

#include "core/text_functions.h"
#include "core/text_string.h"
#include "platform/environment.h"

#include <cstring>
#include <vector>

int ExpandEnvironment(const char *text, TextString &out) {
    TextString source(text ? text : out.CStr());
    unsigned long needed = os::expandEnvironmentStrings(source.CStr(), nullptr, 0);
    std::vector<char> expanded(needed);
    unsigned long written = needed ? os::expandEnvironmentStrings(source.CStr(), expanded.data(), needed) : 0;
    out.Assign(written == 0 || written > needed ? source.CStr() : expanded.data());
    return 1;
}

namespace {

// The form in which folders are compared: lower case, forward slashes.
void toComparable(TextString &path) {
    path.ToLower();
    path.ReplaceChar('\\', '/');
}

} // namespace

int AddToPathList(const char *folder, TextString &list) {
    TextString candidate(folder);
    toComparable(candidate);
    TextString existing;
    ExpandEnvironment(list.CStr(), existing);
    toComparable(existing);
    if (std::strstr(existing.CStr(), candidate.CStr()))
        return 1;

    if (IsBlank(list.CStr()) || StrEqual(list.CStr(), ";")) {
        list.Assign(folder);
    } else {
        char last = list.CharAt(-1);
        if (last != ';' && last != ':')
            list.AppendChar(';');
        list.Append(folder);
    }
    return -1;
}
