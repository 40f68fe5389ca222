// Command line splitting and context extraction. Characters are compared as unsigned codes:
// accented letters are never blanks nor terminators.
#include "app/command_line.h"

#include "core/text_functions.h"
#include "platform/diagnostic_output.h"

#include <cstring>

namespace {

bool isControlOrBlank(char c) {
    unsigned char code = static_cast<unsigned char>(c);
    return code >= 1 && code <= 32;
}

// The part of line that is read: all of it, or its first kMaxCommandLine characters (reported).
void takeReadablePart(const char *line, TextString &readable) {
    size_t length = std::strlen(line);
    if (length <= static_cast<size_t>(kMaxCommandLine)) {
        readable.Assign(line);
        return;
    }
    readable.Append(line, kMaxCommandLine);
    os::printDiagnostic("Ligne de commande trop longue : %lu caract\xE8res ignor\xE9s\n",
                        static_cast<unsigned long>(length - kMaxCommandLine));
}

// Copies a quoted command line without its double quotes; \" gives one double quote.
void copyUnquoted(const char *text, TextString &copy) {
    for (; *text; ++text) {
        if (text[0] == '\\' && text[1] == '"')
            copy.AppendChar(*++text);
        else if (*text != '"')
            copy.AppendChar(*text);
    }
}

} // namespace

void splitCommandLine(const char *line, TextString &hostArgs, TextString &appArgs, TextString &drawings) {
    hostArgs.Clear();
    appArgs.Clear();
    drawings.Clear();
    if (!line)
        return;
    TextString readable(nullptr);
    takeReadablePart(line, readable);
    const char *rest = readable.CStr();
    while (isControlOrBlank(*rest))
        ++rest;

    TextString copy(nullptr);
    if (*rest == '"')
        copyUnquoted(rest, copy);
    else
        copy.Assign(rest);

    if (const char *afterHash = copy.CutAt('#')) {
        copy.SyncLength();
        if (!IsBlank(afterHash))
            hostArgs.Assign(afterHash);
    } else {
        TextString lowered(rest);
        lowered.ToLower();
        if (std::strstr(lowered.CStr(), ".dwg") || std::strstr(lowered.CStr(), ".dxf")) {
            appendQuoted(drawings, copy.CStr(), false);
            copy.Clear();
        }
    }
    if (!IsBlank(copy.CStr()))
        appArgs.Assign(copy.CStr());
}

void appendQuoted(TextString &dest, const char *text, bool clearFirst) {
    if (clearFirst)
        dest.Clear();
    bool quoted = text && std::strchr(text, '"');
    if (!quoted)
        dest.AppendChar('"');
    dest.Append(text, -1);
    if (!quoted)
        dest.AppendChar('"');
}

const char *extractContext(const char *text, TextString &nameOut, const char *fallback, int *equalsCountOut) {
    nameOut.Clear();
    if (!text)
        text = "";
    int equalsCount = 0;
    for (const char *p = text; *p; ++p)
        equalsCount += *p == '=' ? 1 : 0;
    if (equalsCountOut)
        *equalsCountOut = equalsCount;

    const char *name = std::strstr(text, "CTX =");
    if (name) {
        name += 5;
    } else if ((name = std::strstr(text, "CTX="))) {
        name += 4;
    } else {
        return fallback;
    }
    if (equalsCountOut)
        *equalsCountOut = equalsCount - 1;

    while (isControlOrBlank(*name))
        ++name;
    if (*name == '"')
        ++name;
    const char *end = name;
    while (static_cast<unsigned char>(*end) >= '0')
        ++end;
    nameOut.Append(name, static_cast<int>(end - name));
    return nameOut.Length() != 0 ? nameOut.CStr() : fallback;
}

const char *argumentsAfterProgram(const char *commandLine) {
    if (!commandLine)
        return "";
    const char *rest = commandLine;
    if (*rest == '"') {
        const char *closing = std::strchr(rest + 1, '"');
        rest = closing ? closing + 1 : rest + std::strlen(rest);
    } else {
        while (*rest && *rest != ' ' && *rest != '\t')
            ++rest;
    }
    while (*rest == ' ' || *rest == '\t')
        ++rest;
    return rest;
}
