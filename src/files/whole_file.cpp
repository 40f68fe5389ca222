// Reading and writing a whole file as one text, with the byte-order marks of UTF-16 and UTF-8.
// Both go through the change layer: writes are journaled (or previewed), reads see a preview's writes.
#include "files/file_utils.h"

#include "core/text_string.h"
#include "files/text_mode.h"
#include "journal/change_layer.h"

#include <cstring>
#include <string>

namespace {

// The text after a byte-order mark: UTF-16 (either order) keeps the low-order byte of each code
// unit, UTF-8 every byte. False when bytes start with no mark.
bool textAfterMark(const std::string &bytes, TextString &out) {
    auto starts = [&](const char *mark) { return bytes.compare(0, std::strlen(mark), mark) == 0; };
    if (starts("\xEF\xBB\xBF")) {
        out.Append(bytes.data() + 3, static_cast<int>(bytes.size() - 3));
        return true;
    }
    bool bigEndian = starts("\xFE\xFF");
    if (!bigEndian && !starts("\xFF\xFE"))
        return false;
    for (std::size_t unit = 2; unit + 1 < bytes.size(); unit += 2)
        out.AppendChar(bytes[unit + (bigEndian ? 1 : 0)]);
    return true;
}

} // namespace

const char *readWholeFile(const char *path, TextString &out) {
    out.Clear();
    std::string bytes;
    if (path == nullptr || std::strlen(path) > maxPathLength || !journal::readFile(path, bytes))
        return out.CStr();
    if (!textAfterMark(bytes, out)) {
        std::string text = textModeText(bytes);
        out.Append(text.data(), static_cast<int>(text.size()));
    }
    return out.CStr();
}

int writeWholeFile(const char *text, const char *path) {
    if (path == nullptr || std::strlen(path) > maxPathLength)
        return 1;
    journal::writeFile(path, textModeBytes(text == nullptr ? "" : text));
    return 1;
}
