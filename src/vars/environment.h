// Environment references (%NAME%) and semicolon-separated folder lists such as a host's support
// search path.
#pragma once

class TextString;

// Expands the %NAME% references of text (of out's own text when text is null) with the operating
// system's expansion and assigns the result to out; text that cannot be expanded is kept as it
// is. Returns 1.
int ExpandEnvironment(const char *text, TextString &out);

// Adds folder to list unless list, once its environment references are expanded, already holds
// it (compared without regard to ASCII case, '/' and '\' alike). Returns 1 when it was already
// there, -1 after adding it.
int AddToPathList(const char *folder, TextString &list);
