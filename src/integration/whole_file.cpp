// Reading and writing a whole file as one text, with the byte-order marks of UTF-16 and UTF-8.
#include "integration/file_utils.h"

#include "core/text_string.h"
#include "platform/file_stream.h"

#include <cstdio>
#include <cstring>

namespace {

enum class Encoding { Plain, Utf16BigEndian, Utf16LittleEndian, Utf8 };

// The encoding announced by the file's first bytes and the length of its mark.
Encoding markedEncoding(const char *path, long &markLength) {
    unsigned char head[4];
    std::size_t count = 0;
    if (std::FILE *file = os::openFile(path, "rb")) {
        count = std::fread(head, 1, sizeof head, file);
        std::fclose(file);
    }
    markLength = 2;
    if (count >= 2 && head[0] == 0xFE && head[1] == 0xFF)
        return Encoding::Utf16BigEndian;
    if (count >= 2 && head[0] == 0xFF && head[1] == 0xFE)
        return Encoding::Utf16LittleEndian;
    markLength = 3;
    if (count >= 3 && head[0] == 0xEF && head[1] == 0xBB && head[2] == 0xBF)
        return Encoding::Utf8;
    markLength = 0;
    return Encoding::Plain;
}

void readText(const char *path, TextString &out) {
    std::FILE *file = os::openFile(path, "r");
    if (file == nullptr)
        return;
    char block[maxPathLength];
    std::size_t count;
    do {
        count = std::fread(block, 1, sizeof block, file);
        out.Append(block, static_cast<int>(count));
    } while (count == sizeof block);
    std::fclose(file);
}

void readAfterMark(const char *path, Encoding encoding, long markLength, TextString &out) {
    std::FILE *file = os::openFile(path, "rb");
    if (file == nullptr)
        return;
    if (std::fseek(file, markLength, SEEK_SET) == 0) {
        std::size_t unitSize = encoding == Encoding::Utf8 ? 1 : 2;
        std::size_t lowByte = encoding == Encoding::Utf16BigEndian ? 1 : 0;
        unsigned char unit[2];
        while (std::fread(unit, 1, unitSize, file) == unitSize)
            out.AppendChar(static_cast<char>(unit[lowByte]));
    }
    std::fclose(file);
}

} // namespace

const char *readWholeFile(const char *path, TextString &out) {
    out.Clear();
    if (path == nullptr || std::strlen(path) > maxPathLength)
        return out.CStr();
    long markLength;
    Encoding encoding = markedEncoding(path, markLength);
    if (encoding == Encoding::Plain)
        readText(path, out);
    else
        readAfterMark(path, encoding, markLength, out);
    return out.CStr();
}

int writeWholeFile(const char *text, const char *path) {
    if (path == nullptr || std::strlen(path) > maxPathLength)
        return 1;
    if (std::FILE *file = os::openFile(path, "w")) {
        std::fputs(text == nullptr ? "" : text, file);
        std::fclose(file);
    }
    return 1;
}
