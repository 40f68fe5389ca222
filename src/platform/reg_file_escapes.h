// The backslash escapes inside the quoted names and strings of a registry file, shared by the
// reader and the writer so that what one writes the other reads back.
#pragma once

namespace regfile {

struct Escape {
    char16_t character; // as it stands in the name or string
    char16_t letter;    // what follows the backslash in the file
    bool inData;        // also an escape in string data, not only in names
};

// In string data only "\\" and "\"" are escapes, as regedit reads them: "C:\new" is a path there.
// Names may also hold line breaks and NULs, which have no other way into a quoted name.
inline constexpr Escape escapes[] = {
    {u'\\', u'\\', true}, {u'"', u'"', true}, {u'\n', u'n', false}, {u'\r', u'r', false}, {u'\0', u'0', false},
};

// The escape whose `field` is `c` and that applies in data when `inData`, or null when there is none.
inline const Escape *findEscape(char16_t Escape::*field, char16_t c, bool inData) {
    for (const Escape &escape : escapes)
        if (escape.*field == c && (escape.inData || !inData))
            return &escape;
    return nullptr;
}

} // namespace regfile
