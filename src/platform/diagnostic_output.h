// The one way diagnostic lines reach the standard error stream, so that a program can keep a copy
// of each of them (its log file) while the stream itself gets exactly the same bytes as before.
#pragma once

#include <string_view>

namespace os {

// Where a copy of every diagnostic goes, byte for byte as the standard error stream got it.
using DiagnosticCopy = void (*)(std::string_view text);

// Writes text to the standard error stream as it is, flushed, then hands it to the copy.
void writeDiagnostic(std::string_view text);

// Writes the text printf's format and arguments give, as writeDiagnostic.
void printDiagnostic(const char *format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;

// Hands text to the copy only: for a text the standard error stream got by another way (a console).
void copyDiagnostic(std::string_view text);

// Sets the copy (null: none). Diagnostics written while no copy was set, up to a few kilobytes,
// are handed to the new copy first, so that what a program says before its log is open is kept.
void setDiagnosticCopy(DiagnosticCopy copy);

} // namespace os
