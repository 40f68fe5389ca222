// Helpers both registry layers share: the system code page <-> UTF-16 form of names and text
// value data, and the Win32 rules for handing a name or data back through a caller's buffer.
#pragma once

#include "platform/error_codes.h"

#include <cstdint>
#include <string>
#include <vector>

namespace os {

using Bytes = std::vector<unsigned char>;

// True for the types whose data is text (string, expandable string, multi-string).
bool isTextType(std::uint32_t type);

// Data as the program gives it (text types in the system code page) -> data as Windows stores it
// (text types in UTF-16LE). Other types are copied.
Bytes dataToStored(std::uint32_t type, const unsigned char *data, std::uint32_t size);

// The reverse. An odd last byte of a text value is kept as one character. exact becomes false
// when a character of a text has no form in the system code page ('?' stands for it). Other types
// give `stored` itself; a text, a buffer of the thread's that the next call replaces.
const Bytes &dataFromStored(std::uint32_t type, const Bytes &stored, bool &exact);

// Copies `name` (UTF-16, converted to the system code page) and its NUL into a buffer of *length
// characters; *length becomes the name's length. Too small: errorMoreData, *length the length
// needed without the NUL. exact as for dataFromStored.
unsigned long copyNameOut(const std::u16string &name, char *buffer, std::uint32_t *length, bool &exact);

// Copies data into a buffer of *size bytes (buffer null: only the size is asked); *size becomes
// the data size. Too small: errorMoreData.
unsigned long copyDataOut(const Bytes &data, unsigned char *buffer, std::uint32_t *size);

// What a read hands back once its buffers are filled: errorSuccess, or when a name or a text lost
// a character on the way to the system code page, errorNoUnicodeTranslation (the buffers then
// hold the text with '?' for each lost character, fit to be shown but never used as a name).
inline unsigned long exactOrLost(bool exact) {
    return exact ? errorSuccess : errorNoUnicodeTranslation;
}

} // namespace os
