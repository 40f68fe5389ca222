// Environment references (%NAME%) expanded by the operating system, as ExpandEnvironmentStringsA.
#pragma once

namespace os {

// Copies source to destination, each %NAME% replaced by the value of the environment variable
// NAME (names compared without regard to letter case); a reference to an unknown variable stays
// as written. Returns the size the result needs, its NUL included. When that is more than size,
// destination receives no result (only an empty text when size > 0). 0 on failure.
unsigned long expandEnvironmentStrings(const char *source, char *destination, unsigned long size);

} // namespace os
