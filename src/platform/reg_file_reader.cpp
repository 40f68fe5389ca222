// Reads registry files: decodes the text, then runs a line-by-line state machine that applies
// keys, values and deletions to the tree. Bad lines are reported and skipped.
#include "platform/reg_file.h"

#include "platform/cp1252.h"
#include "platform/diagnostic_output.h"
#include "platform/reg_file_escapes.h"


namespace regfile {

namespace {

using regtree::Bytes;
using regtree::Key;
using regtree::Value;

const std::u16string version5Header = u"Windows Registry Editor Version 5.00";
const std::u16string regedit4Header = u"REGEDIT4";

bool isBlank(char16_t c) {
    return c == u' ' || c == u'\t';
}

std::u16string_view trimmed(std::u16string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool startsWithNoCase(std::u16string_view text, std::u16string_view prefix) {
    return text.size() >= prefix.size() &&
           regtree::sameName(std::u16string(text.substr(0, prefix.size())), std::u16string(prefix));
}

int hexDigit(char16_t c) {
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    return -1;
}

// Reads up to maxDigits hex digits at text[pos]; false when there is none or too many.
bool readHexNumber(std::u16string_view text, std::size_t &pos, std::size_t maxDigits, std::uint32_t &number) {
    std::size_t start = pos;
    number = 0;
    while (pos < text.size() && hexDigit(text[pos]) >= 0) {
        number = number << 4 | std::uint32_t(hexDigit(text[pos]));
        ++pos;
    }
    return pos > start && pos - start <= maxDigits;
}

// The rest of a value line after its data: blanks, optionally a ";comment".
bool onlyCommentLeft(std::u16string_view rest) {
    rest = trimmed(rest);
    return rest.empty() || rest.front() == u';';
}

Bytes utf16Bytes(const std::u16string &text) {
    Bytes bytes;
    for (char16_t unit : text) {
        bytes.push_back(static_cast<unsigned char>(unit & 0xFF));
        bytes.push_back(static_cast<unsigned char>(unit >> 8));
    }
    return bytes;
}

// A quoted name or string data (`inData`) starting at text[pos] (the opening quote); pos ends
// after the closing quote. A backslash that starts no escape is kept as it is.
bool readQuoted(std::u16string_view text, std::size_t &pos, std::u16string &out, bool inData) {
    if (pos >= text.size() || text[pos] != u'"')
        return false;
    for (++pos; pos < text.size(); ++pos) {
        char16_t c = text[pos];
        if (c == u'"') {
            ++pos;
            return true;
        }
        if (c == u'\\' && pos + 1 < text.size()) {
            char16_t next = text[++pos];
            if (const Escape *escape = findEscape(&Escape::letter, next, inData)) {
                out += escape->character;
            } else {
                out += u'\\';
                out += next;
            }
        } else {
            out += c;
        }
    }
    return false;
}

enum class HexResult { done, continued, bad };

// Comma-separated hex bytes; a trailing backslash after a comma continues on the next line.
HexResult readHexBytes(std::u16string_view text, Bytes &out) {
    std::size_t pos = 0;
    auto skipBlanks = [&] {
        while (pos < text.size() && isBlank(text[pos]))
            ++pos;
    };
    skipBlanks();
    while (pos < text.size() && text[pos] != u';') {
        std::uint32_t byte = 0;
        if (!readHexNumber(text, pos, 2, byte))
            return HexResult::bad;
        out.push_back(static_cast<unsigned char>(byte));
        skipBlanks();
        if (pos == text.size() || text[pos] == u';')
            break;
        if (text[pos] != u',')
            return HexResult::bad;
        ++pos;
        skipBlanks();
        if (pos < text.size() && text[pos] == u'\\')
            return trimmed(text.substr(pos + 1)).empty() ? HexResult::continued : HexResult::bad;
    }
    return HexResult::done;
}

// The line-by-line reader. States: before the header, outside any key, inside a key, skipping
// the values of a deleted or unusable key, and inside continued hex data.
class Parser {
public:
    Parser(Key &root, const std::string &source) : root_(root), source_(source) {}

    // False when the first line is not a header this reader knows.
    bool header(std::u16string_view line, bool wide) {
        line = trimmed(line);
        unicode_ = line == version5Header;
        return unicode_ || (!wide && line == regedit4Header);
    }

    void feed(std::u16string_view line, std::size_t number) {
        lineNumber_ = number;
        if (state_ == State::hexContinued && continueHex(line))
            return;
        std::u16string_view text = trimmed(line);
        if (text.empty() || text.front() == u';' || text.front() == u'#')
            return;
        if (text.front() == u'[')
            keyLine(text);
        else if (text.front() == u'"' || text.front() == u'@')
            valueLine(text);
        else
            reject();
    }

    void finish() {
        if (state_ == State::hexContinued)
            storePending();
    }

    std::size_t skippedLines() const { return skipped_; }

private:
    enum class State { outsideKey, inKey, skippingKey, hexContinued };

    void reject() {
        ++skipped_;
        os::writeDiagnostic("Ligne " + std::to_string(lineNumber_) + " ignoree dans le fichier de registre " + source_ + "\n");
    }

    // The hive and key names of a key line; invalid beyond what Windows allows (the hive is
    // not one of the levels).
    regtree::Path pathOf(std::u16string_view text, bool &valid) {
        regtree::Path path;
        valid = true;
        std::size_t start = 0;
        for (std::size_t i = 0; i <= text.size() && valid; ++i) {
            if (i == text.size() || text[i] == u'\\') {
                if (i > start)
                    path.emplace_back(text.substr(start, i - start));
                valid = i - start <= regtree::maxKeyNameLength && path.size() <= regtree::maxKeyDepth + 1;
                start = i + 1;
            }
        }
        valid = valid && !path.empty() && !(path[0] = regtree::hiveName(path[0])).empty();
        return path;
    }

    void keyLine(std::u16string_view text) {
        std::size_t close = text.rfind(u']');
        state_ = State::skippingKey;
        if (close == std::u16string_view::npos)
            return reject();
        std::u16string_view inside = text.substr(1, close - 1);
        bool deletion = !inside.empty() && inside.front() == u'-';
        bool valid = false;
        regtree::Path path = pathOf(deletion ? inside.substr(1) : inside, valid);
        if (!valid)
            return reject();
        if (deletion) {
            if (path.size() > 1)
                root_.remove(path);
            return;
        }
        key_ = &root_.make(path);
        state_ = State::inKey;
    }

    void valueLine(std::u16string_view text) {
        if (state_ == State::skippingKey)
            return;
        if (state_ != State::inKey)
            return reject();
        std::size_t pos = 0;
        std::u16string name;
        if (text.front() == u'@')
            ++pos;
        else if (!readQuoted(text, pos, name, false))
            return reject();
        std::u16string_view rest = trimmed(text.substr(pos));
        if (rest.empty() || rest.front() != u'=')
            return reject();
        rest = trimmed(rest.substr(1));
        if (rest == u"-") {
            key_->removeValue(name);
            return;
        }
        Value value{name, 0, {}};
        if (!readData(rest, value))
            return reject();
        if (state_ != State::hexContinued)
            key_->setValue(std::move(value));
    }

    bool readData(std::u16string_view data, Value &value) {
        if (!data.empty() && data.front() == u'"') {
            std::size_t pos = 0;
            std::u16string text;
            if (!readQuoted(data, pos, text, true) || !onlyCommentLeft(data.substr(pos)))
                return false;
            value.type = 1;
            value.data = utf16Bytes(text + u'\0');
            return true;
        }
        if (startsWithNoCase(data, u"dword:")) {
            std::size_t pos = 6;
            std::uint32_t number = 0;
            if (!readHexNumber(data, pos, 8, number) || !onlyCommentLeft(data.substr(pos)))
                return false;
            value.type = 4;
            value.data = {Bytes::value_type(number), Bytes::value_type(number >> 8),
                          Bytes::value_type(number >> 16), Bytes::value_type(number >> 24)};
            return true;
        }
        return readHexValue(data, value);
    }

    bool readHexValue(std::u16string_view data, Value &value) {
        std::size_t pos = 0;
        if (startsWithNoCase(data, u"hex:")) {
            value.type = 3;
            pos = 4;
        } else if (startsWithNoCase(data, u"hex(")) {
            pos = 4;
            if (!readHexNumber(data, pos, 8, value.type) || data.substr(pos, 2) != u"):")
                return false;
            pos += 2;
        } else {
            return false;
        }
        HexResult result = readHexBytes(data.substr(pos), value.data);
        if (result == HexResult::bad)
            return false;
        if (result == HexResult::continued) {
            pending_ = std::move(value);
            state_ = State::hexContinued;
        } else {
            completeHex(value);
        }
        return true;
    }

    // True when the line belonged to the continued data (a blank or comment line between
    // continuation lines does); a line that breaks the data rejects the value and is read anew.
    bool continueHex(std::u16string_view line) {
        std::u16string_view text = trimmed(line);
        if (text.empty() || text.front() == u';' || text.front() == u'#')
            return true;
        HexResult result = readHexBytes(text, pending_.data);
        if (result == HexResult::continued)
            return true;
        state_ = State::inKey;
        if (result == HexResult::done) {
            storePending();
            return true;
        }
        reject();
        return text.front() != u'[' && text.front() != u'"' && text.front() != u'@';
    }

    void storePending() {
        state_ = State::inKey;
        completeHex(pending_);
        key_->setValue(std::move(pending_));
    }

    // REGEDIT4 files hold the text types in hex form as 8-bit text: store them as UTF-16.
    void completeHex(Value &value) const {
        if (unicode_ || (value.type != 1 && value.type != 2 && value.type != 7))
            return;
        value.data = utf16Bytes(os::u16FromCp1252(std::string(value.data.begin(), value.data.end())));
    }

    Key &root_;
    const std::string &source_;
    bool unicode_ = true;
    State state_ = State::outsideKey;
    Key *key_ = nullptr;
    Value pending_;
    std::size_t lineNumber_ = 0;
    std::size_t skipped_ = 0;
};

// Appends the UTF-16 of a UTF-8 text to `out`; false, with `out` as it was, at the first
// malformed sequence.
bool appendUtf8(std::string_view text, std::u16string &out) {
    std::size_t kept = out.size();
    for (std::size_t pos = 0; pos < text.size();) {
        unsigned char lead = static_cast<unsigned char>(text[pos++]);
        int extra = lead < 0x80                   ? 0
                    : lead >= 0xC2 && lead < 0xE0 ? 1
                    : lead >= 0xE0 && lead < 0xF0 ? 2
                    : lead >= 0xF0 && lead < 0xF5 ? 3
                                                  : -1;
        char32_t code = extra <= 0 ? lead : lead & (0x3F >> extra);
        for (int i = 0; i < extra; ++i, ++pos) {
            if (pos >= text.size() || (static_cast<unsigned char>(text[pos]) & 0xC0) != 0x80) {
                extra = -1;
                break;
            }
            code = code << 6 | (static_cast<unsigned char>(text[pos]) & 0x3F);
        }
        bool overlong = (extra == 2 && code < 0x800) || (extra == 3 && code < 0x10000);
        if (extra < 0 || overlong || code > 0x10FFFF || (code >= 0xD800 && code < 0xE000)) {
            out.resize(kept);
            return false;
        }
        if (code >= 0x10000) {
            out += char16_t(0xD800 + ((code - 0x10000) >> 10));
            out += char16_t(0xDC00 + ((code - 0x10000) & 0x3FF));
        } else {
            out += char16_t(code);
        }
    }
    return true;
}

// The text of an 8-bit file, decided line by line: a REGEDIT4 file is code page 1252; any other
// is UTF-8, and a line that is not (a stray byte, an export saved in the ANSI code page) is read
// as code page 1252, a guess that `guessed` counts and `firstGuessed` locates.
std::u16string decode8Bit(std::string_view body, bool regedit4, std::size_t &guessed, std::size_t &firstGuessed) {
    std::u16string text;
    text.reserve(body.size());
    std::size_t number = 0;
    for (std::size_t start = 0; start <= body.size(); ++number) {
        std::size_t end = std::min(body.find('\n', start), body.size());
        std::string_view line = body.substr(start, end - start);
        if (regedit4 || !appendUtf8(line, text)) {
            text += os::u16FromCp1252(line);
            if (!regedit4 && guessed++ == 0)
                firstGuessed = number + 1;
        }
        if (end < body.size())
            text += u'\n';
        start = end + 1;
    }
    return text;
}

std::u16string decodeUtf16(const std::string &content) {
    std::u16string text(content.size() / 2 - 1, u'\0');
    for (std::size_t i = 0; i < text.size(); ++i)
        text[i] = char16_t(static_cast<unsigned char>(content[2 * i + 2]) |
                           static_cast<unsigned char>(content[2 * i + 3]) << 8);
    return text;
}

} // namespace

bool readRegFile(std::string content, Key &root, const std::string &source, std::size_t *doubtfulLines) {
    if (doubtfulLines != nullptr)
        *doubtfulLines = 0;
    if (content.empty())
        return true;
    bool wide = content.compare(0, 2, "\xFF\xFE") == 0;
    std::u16string text;
    std::size_t guessed = 0, firstGuessed = 0;
    if (wide) {
        text = decodeUtf16(content);
    } else {
        bool utf8Mark = content.compare(0, 3, "\xEF\xBB\xBF") == 0;
        std::string_view body(content);
        if (utf8Mark)
            body.remove_prefix(3);
        std::string_view firstLine = body.substr(0, body.find('\n'));
        bool regedit4 =
            !utf8Mark && std::u16string(trimmed(os::u16FromCp1252(firstLine))).find(regedit4Header) == 0;
        text = decode8Bit(body, regedit4, guessed, firstGuessed);
    }
    std::string().swap(content); // a large file is not held twice while its keys are made

    Parser parser(root, source);
    std::size_t number = 0;
    for (std::size_t start = 0; start <= text.size();) {
        std::size_t end = text.find(u'\n', start);
        if (end == std::u16string::npos)
            end = text.size();
        std::u16string_view line(text.data() + start, end - start);
        if (!line.empty() && line.back() == u'\r')
            line.remove_suffix(1);
        if (++number == 1) {
            if (!parser.header(line, wide))
                return false;
        } else {
            parser.feed(line, number);
        }
        start = end + 1;
    }
    parser.finish();
    if (guessed > 0)
        os::writeDiagnostic(std::to_string(guessed) + " ligne(s) hors UTF-8 lue(s) en code page 1252, la premiere ligne " +
                           std::to_string(firstGuessed) + ", dans le fichier de registre " + source + "\n");
    if (doubtfulLines != nullptr)
        *doubtfulLines = parser.skippedLines() + guessed;
    return true;
}

} // namespace regfile
