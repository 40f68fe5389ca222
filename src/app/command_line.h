// Taking the Configurator's command line apart: add-on assignments (with the context), host
// arguments after '#', and a drawing to open; plus the context name found after "CTX =".
#pragma once

#include "core/text_string.h"

// The longest command line read. Only the first kMaxCommandLine characters of a longer line are
// used, and one diagnostic line on the standard error stream says how many were ignored.
constexpr int kMaxCommandLine = 547;

// Splits line (the text after the program name; null gives nothing) into the host arguments
// (after the first '#'), the add-on's assignments, and a drawing (a name with ".dwg" or ".dxf",
// kept in double quotes). A line starting with a double quote loses its double quotes, except
// that \" stands for one.
void splitCommandLine(const char *line, TextString &hostArgs, TextString &appArgs, TextString &drawings);

// Empties dest first when clearFirst; then appends text, enclosed in double quotes unless it
// already holds one.
void appendQuoted(TextString &dest, const char *text, bool clearFirst);

// The context name written after "CTX =" (or "CTX=") in text, ending at the first character coded
// below '0', into nameOut; returns it, or fallback when there is no name. equalsCountOut, when
// given, receives the number of '=' in text other than the context's own.
const char *extractContext(const char *text, TextString &nameOut, const char *fallback, int *equalsCountOut);

// The text after the program name in a whole command line (GetCommandLine's): the name ends at
// its closing double quote when it starts with one, else at the first blank or tab; the blanks and
// tabs after it are skipped. Points into commandLine; null gives the empty text.
const char *argumentsAfterProgram(const char *commandLine);
