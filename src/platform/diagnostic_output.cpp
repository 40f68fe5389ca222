// Diagnostics to the standard error stream and to the copy a program keeps of them.
#include "platform/diagnostic_output.h"

#include <cstdarg>
#include <cstdio>
#include <string>

namespace os {

namespace {

constexpr std::size_t earlyLimit = 64 * 1024; // what is kept for a copy not set yet

DiagnosticCopy currentCopy = nullptr;

std::string &earlyDiagnostics() {
    static std::string early;
    return early;
}

} // namespace

void copyDiagnostic(std::string_view text) {
    if (currentCopy != nullptr) {
        currentCopy(text);
        return;
    }
    std::string &early = earlyDiagnostics();
    if (early.size() < earlyLimit)
        early.append(text.substr(0, earlyLimit - early.size()));
}

void writeDiagnostic(std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), stderr);
    std::fflush(stderr);
    copyDiagnostic(text);
}

void printDiagnostic(const char *format, ...) {
    std::va_list arguments;
    va_start(arguments, format);
    std::va_list again;
    va_copy(again, arguments);
    int length = std::vsnprintf(nullptr, 0, format, arguments);
    va_end(arguments);
    if (length > 0) {
        std::string text(static_cast<std::size_t>(length) + 1, '\0');
        std::vsnprintf(text.data(), text.size(), format, again);
        text.pop_back();
        writeDiagnostic(text);
    }
    va_end(again);
}

void setDiagnosticCopy(DiagnosticCopy copy) {
    currentCopy = copy;
    std::string &early = earlyDiagnostics();
    if (copy != nullptr && !early.empty())
        copy(early);
    early.clear();
}

} // namespace os
