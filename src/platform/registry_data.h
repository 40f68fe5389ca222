// Helpers both registry layers share: the code page 1252 <-> UTF-16 form of text value data, and
// the Win32 rules for handing a name or data back through a caller's buffer.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace os {

using Bytes = std::vector<unsigned char>;

// True for the types whose data is text (string, expandable string, multi-string).
bool isTextType(std::uint32_t type);

// Data as the program gives it (text types in code page 1252) -> data as Windows stores it
// (text types in UTF-16LE). Other types are copied.
Bytes dataToStored(std::uint32_t type, const unsigned char *data, std::uint32_t size);

// The reverse. An odd last byte of a text value is kept as one character.
Bytes dataFromStored(std::uint32_t type, const Bytes &stored);

// Copies `name` and its NUL into a buffer of *length characters; *length becomes the name's
// length. Too small: errorMoreData, *length the length needed without the NUL.
unsigned long copyNameOut(const std::string &name, char *buffer, std::uint32_t *length);

// Copies data into a buffer of *size bytes (buffer null: only the size is asked); *size becomes
// the data size. Too small: errorMoreData.
unsigned long copyDataOut(const Bytes &data, unsigned char *buffer, std::uint32_t *size);

} // namespace os
