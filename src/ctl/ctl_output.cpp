// Printing veltractl's text and JSON forms (see ctl_output.h).
#include "ctl/ctl_output.h"

#include "journal/change.h"
#include "journal/change_layer.h"
#include "platform/console.h"
#include "platform/codepage.h"

std::string utf8Of(const char *text) {
    std::string utf8;
    const std::u16string units = os::u16FromSystem(text != nullptr ? text : "");
    for (std::size_t index = 0; index < units.size(); ++index) {
        char32_t code = units[index];
        if (code >= 0xD800 && code < 0xDC00 && index + 1 < units.size()) // a surrogate pair
            code = 0x10000 + ((code - 0xD800) << 10) + (units[++index] - 0xDC00);
        if (code < 0x80) {
            utf8 += static_cast<char>(code);
        } else if (code < 0x800) {
            utf8 += static_cast<char>(0xC0 | (code >> 6));
            utf8 += static_cast<char>(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            utf8 += static_cast<char>(0xE0 | (code >> 12));
            utf8 += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            utf8 += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            utf8 += static_cast<char>(0xF0 | (code >> 18));
            utf8 += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
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

void printChanges(const std::vector<journal::Change> &changes, bool json) {
    if (json) {
        Json lines = Json::array();
        for (const journal::Change &change : changes)
            lines.push_back(utf8Of(journal::describe(change)));
        printJson({{"changes", lines}});
        return;
    }
    std::string text;
    for (const journal::Change &change : changes)
        text += journal::describe(change) + "\n";
    printText(text.empty() ? std::string("Aucun changement\n") : text);
}

bool endRunListingPreview(bool preview, bool json, std::vector<journal::Change> &changes, std::string &journal) {
    changes = journal::runChanges();
    journal = journal::runFolder();
    journal::endRun();
    if (preview)
        printChanges(changes, json);
    return preview;
}
