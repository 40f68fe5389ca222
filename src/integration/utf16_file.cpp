// Reading and extending UTF-16 text files byte for byte (see utf16_file.h).
#include "integration/utf16_file.h"

#include "journal/change_layer.h"
#include "platform/file_stream.h"

#include <cstdio>

namespace {

void appendUnits(std::string &bytes, const std::u16string &text, bool bigEndian) {
    for (char16_t unit : text) {
        char high = static_cast<char>(unit >> 8);
        char low = static_cast<char>(unit & 0xFF);
        bytes.push_back(bigEndian ? high : low);
        bytes.push_back(bigEndian ? low : high);
    }
}

} // namespace

bool readUtf16File(const char *path, std::u16string &text, bool &bigEndian) {
    text.clear();
    std::FILE *file = os::openFile(path, "rb");
    if (file == nullptr)
        return false;
    unsigned char unit[2];
    bool marked = std::fread(unit, 1, 2, file) == 2 &&
                  ((unit[0] == 0xFE && unit[1] == 0xFF) || (unit[0] == 0xFF && unit[1] == 0xFE));
    bigEndian = marked && unit[0] == 0xFE;
    while (marked && std::fread(unit, 1, 2, file) == 2)
        text.push_back(static_cast<char16_t>(bigEndian ? unit[0] << 8 | unit[1] : unit[1] << 8 | unit[0]));
    std::fclose(file);
    return marked;
}

bool writeUtf16File(const char *path, const std::u16string &text, bool bigEndian) {
    std::string bytes;
    appendUnits(bytes, u"\uFEFF" + text, bigEndian);
    return journal::writeFile(path, bytes);
}

bool writeUtf16FileWithFirstLine(const char *path, const std::u16string &line, const std::u16string &text,
                                 bool bigEndian) {
    return writeUtf16File(path, line + u"\r\n" + text, bigEndian);
}
