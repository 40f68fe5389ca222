// The entry lists of the memory controls and their order (see memory_controls.h).
#include "platform/memory_controls.h"

#include <algorithm>

namespace os {

namespace {

// Code page 1252 letters: the lower-case form of a capital, else the character itself.
unsigned char lowerCase(unsigned char c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7))
        return static_cast<unsigned char>(c + 0x20);
    switch (c) {
    case 0x8A:
        return 0x9A; // S caron
    case 0x8C:
        return 0x9C; // OE
    case 0x8E:
        return 0x9E; // Z caron
    case 0x9F:
        return 0xFF; // Y diaeresis
    default:
        return c;
    }
}

// The letter a lower-case accented letter is sorted with.
unsigned char baseLetter(unsigned char c) {
    static const char accented[] = "\xE0\xE1\xE2\xE3\xE4\xE5\xE7\xE8\xE9\xEA\xEB\xEC\xED\xEE\xEF\xF1"
                                   "\xF2\xF3\xF4\xF5\xF6\xF9\xFA\xFB\xFC\xFD\xFF\x9A\x9E";
    static const char plain[] = "aaaaaaceeeeiiiinooooouuuuyysz";
    for (int index = 0; accented[index] != '\0'; ++index)
        if (static_cast<unsigned char>(accented[index]) == c)
            return static_cast<unsigned char>(plain[index]);
    return c;
}

unsigned char sortKey(char c) {
    return baseLetter(lowerCase(static_cast<unsigned char>(c)));
}

bool collatesBefore(const std::string &a, const std::string &b) {
    auto keyLess = [](char x, char y) { return sortKey(x) < sortKey(y); };
    if (std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), keyLess))
        return true;
    if (std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(), keyLess))
        return false;
    auto codeLess = [](char x, char y) {
        return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
    };
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), codeLess);
}

bool startsWithIgnoringCase(const std::string &text, const char *prefix) {
    std::size_t index = 0;
    for (; prefix[index] != '\0'; ++index)
        if (index >= text.size() || lowerCase(static_cast<unsigned char>(text[index])) !=
                                        lowerCase(static_cast<unsigned char>(prefix[index])))
            return false;
    return true;
}

} // namespace

template <class Interface> int MemoryEntries<Interface>::AddString(const char *text) {
    if (text == nullptr)
        return -1;
    Entry entry{text, 0};
    auto at = entries.end();
    if (sorted)
        at = std::upper_bound(entries.begin(), entries.end(), entry,
                              [](const Entry &a, const Entry &b) { return collatesBefore(a.text, b.text); });
    int index = static_cast<int>(at - entries.begin());
    entries.insert(at, entry);
    if (selection >= index)
        ++selection;
    return index;
}

template <class Interface> int MemoryEntries<Interface>::SelectString(const char *prefix) {
    if (prefix == nullptr)
        return -1;
    for (int index = 0; index < GetCount(); ++index) {
        if (startsWithIgnoringCase(entries[index].text, prefix)) {
            SetCurSel(index);
            return index;
        }
    }
    return -1;
}

template class MemoryEntries<ListBox>;
template class MemoryEntries<ComboBox>;

} // namespace os
