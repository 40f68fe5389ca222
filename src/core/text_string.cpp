// TextString storage management and text editing operations.
#include "core/text_string.h"

#include "core/node_list.h"
#include "core/param_node.h"
#include "core/text_functions.h"

#include <cstring>

namespace {

const char kEmptyText[] = "";
constexpr int32_t kSpareBytes = 201;
constexpr int32_t kGrowthPercent = 300;

} // namespace

TextString::TextString(const char *text) : buffer(nullptr), capacity(0), length(0) {
    Assign(text);
}

TextString::~TextString() {
    delete[] buffer;
}

void TextString::Assign(const char *text) {
    if (text == CStr())
        return;
    Clear();
    if (text)
        Append(text, -1);
}

void TextString::Append(const char *data, int count) {
    if (!data)
        return;
    if (count < 0)
        count = static_cast<int>(std::strlen(data));
    if (count <= 0)
        return;
    char *previous = nullptr;
    if (!buffer) {
        capacity = count + kSpareBytes;
        buffer = new char[capacity];
    } else if (length + count + 1 > capacity) {
        capacity = (length + count + kSpareBytes) * kGrowthPercent / 100;
        previous = buffer;
        buffer = new char[capacity];
        std::memcpy(buffer, previous, length + 1);
    }
    std::memmove(buffer + length, data, count);
    delete[] previous; // only now: data may lie in the previous storage
    length += count;
    buffer[length] = '\0';
}

void TextString::AppendChar(char c) {
    Append(&c, 1);
}

const char *TextString::CStr() const {
    return length != 0 ? buffer : kEmptyText;
}

void TextString::Clear() {
    if (!buffer)
        return;
    length = 0;
    buffer[0] = '\0';
}

char *TextString::Release() {
    char *storage = buffer;
    buffer = nullptr;
    capacity = 0;
    length = 0;
    return storage;
}

void TextString::SyncLength() {
    if (length > 0)
        length = static_cast<int32_t>(std::strlen(buffer));
}

char *TextString::CutAt(char c) {
    if (length == 0 || c == '\0')
        return nullptr;
    char *found = std::strchr(buffer, c);
    if (!found)
        return nullptr;
    *found = '\0';
    return found + 1;
}

char TextString::CharAt(int index, int *found) const {
    if (index < 0)
        index += length;
    bool inside = index >= 0 && index < length;
    if (found)
        *found = inside ? 1 : 0;
    return inside ? buffer[index] : '\0';
}

void TextString::ReplaceChar(char from, char to) {
    char *end = buffer + length; // a path has few separators: memchr skips to each
    for (char *at = buffer; at != end; ++at) {
        at = static_cast<char *>(std::memchr(at, from, static_cast<std::size_t>(end - at)));
        if (at == nullptr)
            return;
        *at = to;
    }
}

void TextString::ToForwardSlashes() {
    ReplaceChar('\\', '/');
}

void TextString::ReplaceAll(const char *from, const char *to) {
    if (!from || !*from || length == 0)
        return;
    size_t fromLength = std::strlen(from);
    TextString result(nullptr);
    const char *text = CStr();
    while (*text) {
        if (std::strncmp(text, from, fromLength) == 0) {
            result.Append(to, -1);
            text += fromLength;
        } else {
            result.AppendChar(*text++);
        }
    }
    Assign(result.CStr());
}

void TextString::NormaliseLineEnds() {
    ReplaceAll("\r\n", "\n");
    ReplaceAll("\r", "");
}

void TextString::ReplaceAllFromList(const ParamNode &table) {
    for (const NodeCell *cell = table.Children(); cell; cell = cell->next) {
        const ParamNode *child = ParamNodeOf(cell);
        ReplaceAll(child->Name(), child->Value());
    }
}

void TextString::TrimRight(int c) {
    int32_t kept = length;
    while (kept > 0) {
        unsigned char last = static_cast<unsigned char>(buffer[kept - 1]);
        bool removed = c == -1 ? last >= 1 && last <= 32 : buffer[kept - 1] == static_cast<char>(c);
        if (!removed)
            break;
        --kept;
    }
    if (kept == length)
        return;
    length = kept;
    buffer[length] = '\0';
}

const char *TextString::ToUpperFold() {
    if (length != 0)
        ToUpperFoldInPlace(buffer);
    return CStr();
}

const char *TextString::ToLower() {
    if (length != 0)
        ToLowerInPlace(buffer);
    return CStr();
}

void TextString::EnsureTrailingSeparator() {
    if (!IsPathSeparator(CharAt(-1)))
        AppendChar(kPathSeparator);
}

void TextString::JoinPath(const char *name, const char *directory, int noTrailingSeparator) {
    if (!name && !directory) {
        if (noTrailingSeparator == 0)
            EnsureTrailingSeparator();
        return;
    }
    if (directory) {
        EnsureTrailingSeparator();
        Append(directory, -1);
    }
    if (name) {
        EnsureTrailingSeparator();
        Append(name, -1);
    }
}
