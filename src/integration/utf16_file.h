// Text files some hosts keep in UTF-16 with a byte-order mark (ZWCAD's "AppAutoLoad.app"): read
// whole, and extended at their start without a change to anything they hold.
#pragma once

#include <string>

// True when the file at path starts with a UTF-16 byte-order mark: text then holds what follows
// the mark and bigEndian its byte order. False for any other or a missing file.
bool readUtf16File(const char *path, std::u16string &text, bool &bigEndian);

// Rewrites the file at path as its mark and text, in UTF-16 of that byte order, through the change
// layer. False when the file could not be written.
bool writeUtf16File(const char *path, const std::u16string &text, bool bigEndian);

// Rewrites the file at path as its mark, line and CR LF, then text, all in UTF-16 of that byte
// order. False when the file could not be written.
bool writeUtf16FileWithFirstLine(const char *path, const std::u16string &line, const std::u16string &text,
                                 bool bigEndian);
