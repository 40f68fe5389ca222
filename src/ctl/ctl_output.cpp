// Printing veltractl's text and JSON forms (see ctl_output.h).
#include "ctl/ctl_output.h"

#include "platform/console.h"
#include "platform/cp1252.h"

std::string utf8Of(const char *text) {
    std::string utf8;
    for (const char *c = text != nullptr ? text : ""; *c != '\0'; ++c) {
        char32_t code = os::unicodeFromCp1252(static_cast<unsigned char>(*c));
        if (code < 0x80) {
            utf8 += static_cast<char>(code);
        } else if (code < 0x800) {
            utf8 += static_cast<char>(0xC0 | (code >> 6));
            utf8 += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            utf8 += static_cast<char>(0xE0 | (code >> 12));
            utf8 += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            utf8 += static_cast<char>(0x80 | (code & 0x3F));
        }
    }
    return utf8;
}

void printText(const std::string &text) {
    os::writeConsoleText(text, false);
}

void printJson(const Json &document) {
    os::writeRawOutput(document.dump(2) + "\n");
}

void printError(const std::string &message) {
    os::writeConsoleText("veltractl : " + message + "\n", true);
}
