// Expansion of '$' references.
#include "vars/variable_expansion.h"

#include "core/param_node.h"
#include "core/text_string.h"

#include <cstring>

namespace {

bool isNameChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

// A reference as written after its '$'.
struct Reference {
    TextString name;
    TextString modifier;
    bool call = false;
};

// Appends to target the characters from p up to (not including) the first one that stops; returns
// the position of that character.
template <class Stops> const char *takeUntil(const char *p, TextString &target, Stops stops) {
    const char *start = p;
    while (*p && !stops(*p))
        ++p;
    target.Append(start, static_cast<int>(p - start));
    return p;
}

// Reads the reference that follows a '$' at p; returns the position just after it.
const char *readReference(const char *p, Reference &ref) {
    auto notName = [](char c) { return !isNameChar(c); };
    if (*p != '{') {
        p = takeUntil(p, ref.name, notName);
        if (*p == '@')
            p = takeUntil(p + 1, ref.modifier, notName);
        return p;
    }

    p = takeUntil(p + 1, ref.name, [](char c) { return c == '}' || c == '@' || c == '('; });
    if (*p == '@')
        p = takeUntil(p + 1, ref.modifier, [](char c) { return c == '}' || c == '('; });
    if (*p == '(') {
        // A call: no function table exists, so its arguments are skipped and it produces nothing.
        ref.call = true;
        TextString ignored;
        p = takeUntil(p + 1, ignored, [](char c) { return c == ')'; });
        p = takeUntil(p, ignored, [](char c) { return c == '}'; });
    }
    return *p == '}' ? p + 1 : p;
}

// The modifier read as a decimal number: its leading digits, 0 when there are none.
int modifierNumber(const char *text) {
    int number = 0;
    for (; *text >= '0' && *text <= '9'; ++text) {
        number = number * 10 + (*text - '0');
        if (number > 9999) // no modifier is that large: any such number produces no text
            return 9999;
    }
    return number;
}

void applyModifier(TextString &text, int modifier) {
    switch (modifier) {
    case 0:
        break;
    case 1:
        text.ReplaceAll("\\", "\\\\");
        break;
    case 2:
        text.ReplaceChar('\\', '/');
        break;
    case 3:
        text.ReplaceChar('/', '\\');
        break;
    default:
        text.Clear();
        break;
    }
}

const char *expand(TextString &text, NodeList values, NodeList numbered, int depth) {
    const char *p = text.CStr();
    if (!std::strchr(p, '$'))
        return nullptr;

    TextString result;
    while (*p) {
        if (*p == '\\' && (p[1] == '$' || p[1] == '\\')) {
            result.AppendChar(p[1]);
            p += 2;
        } else if (*p != '$') {
            result.AppendChar(*p++);
        } else {
            Reference ref;
            p = readReference(p + 1, ref);
            if (ref.call)
                continue;
            const char *value = LookupReference(ref.name.CStr(), values, numbered);
            TextString substituted(value ? value : ref.name.CStr());
            if (value && depth < kMaxExpansionDepth)
                expand(substituted, values, numbered, depth + 1);
            applyModifier(substituted, modifierNumber(ref.modifier.CStr()));
            result.Append(substituted.CStr());
        }
    }
    text.Assign(result.CStr());
    return text.CStr();
}

} // namespace

const char *ExpandVariables(TextString &text, NodeList values, NodeList numbered) {
    return expand(text, values, numbered, 0);
}
