// The backslash escapes inside the quoted names and strings of a registry file, shared by the
// reader and the writer so that what one writes the other reads back.
#pragma once

namespace regfile {

struct Escape {
    char16_t character; // as it stands in the name or string
    char16_t letter;    // what follows the backslash in the file
};

inline constexpr Escape escapes[] = {
    {u'\\', u'\\'}, {u'"', u'"'}, {u'\n', u'n'}, {u'\r', u'r'}, {u'\0', u'0'},
};

// The escape whose `field` is `c`, or null when there is none.
inline const Escape *findEscape(char16_t Escape::*field, char16_t c) {
    for (const Escape &escape : escapes)
        if (escape.*field == c)
            return &escape;
    return nullptr;
}

} // namespace regfile
