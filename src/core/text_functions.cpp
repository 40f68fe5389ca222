// Blank tests, equality, case folding and path separator helpers on NUL-terminated arrays.
#include "core/text_functions.h"

#include "core/text_string.h"

#include <cstring>

int IsBlank(const char *s) {
    if (!s)
        return 1;
    for (; *s; ++s) {
        if (static_cast<unsigned char>(*s) >= 33)
            return 0;
    }
    return 1;
}

int StrEqual(const char *a, const char *b) {
    return a && b && std::strcmp(a, b) == 0 ? 1 : 0;
}

int TextEquals(const char *a, const char *b, int flags) {
    if (!a || !b)
        return 0;
    if (!(flags & kFoldCase))
        return StrEqual(a, b);
    for (; *a && *b; ++a, ++b) {
        if (ToUpperFoldChar(*a) != ToUpperFoldChar(*b))
            return 0;
    }
    return *a == *b ? 1 : 0;
}

char ToLowerChar(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

char ToUpperFoldChar(char c) {
    if (c >= 'a' && c <= 'z')
        return static_cast<char>(c - 'a' + 'A');
    switch (static_cast<unsigned char>(c)) {
    case 0xE0:
    case 0xE2:
    case 0xE4:
        return 'A';
    case 0xE8:
    case 0xE9:
    case 0xEA:
    case 0xEB:
        return 'E';
    case 0xEE:
    case 0xEF:
        return 'I';
    case 0xF4:
    case 0xF6:
        return 'O';
    case 0xF9:
    case 0xFB:
    case 0xFC:
        return 'U';
    default:
        return c;
    }
}

char *ToLowerInPlace(char *s) {
    for (char *p = s; p && *p; ++p)
        *p = ToLowerChar(*p);
    return s;
}

char *ToUpperFoldInPlace(char *s) {
    for (char *p = s; p && *p; ++p)
        *p = ToUpperFoldChar(*p);
    return s;
}

const char *RepeatText(int count, const char *text) {
    static TextString repeated(nullptr);
    repeated.Clear();
    for (int i = 0; i < count; ++i)
        repeated.Append(text, -1);
    return repeated.CStr();
}

int IsPathSeparator(char c) {
    return c == '/' || c == '\\' ? 1 : 0;
}

const char *SkipPrefix(const char *text, const char *prefix) {
    if (!text || !prefix)
        return nullptr;
    size_t length = std::strlen(prefix);
    return std::strncmp(text, prefix, length) == 0 ? text + length : nullptr;
}
