// The sandbox's code page: VELTRA_CODEPAGE, converted with the C library's iconv, to and from
// UTF-16 (the registry's form) and UTF-8 (the host's names).
#include "platform/posix/codepage.h"

#include "platform/codepage.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <iconv.h>
#include <type_traits>

namespace os {

namespace {

constexpr unsigned defaultCodePage = 1252;

// Runs converter over in; at each sequence it cannot convert, calls stuck(in, left), which
// appends a replacement to out and gives the number of input bytes it stands for.
template <typename Stuck>
void convert(iconv_t converter, const char *in, std::size_t left, std::string &out, Stuck stuck) {
    iconv(converter, nullptr, nullptr, nullptr, nullptr);
    char buffer[1024];
    while (left > 0) {
        char *next = buffer;
        std::size_t room = sizeof buffer;
        std::size_t result = iconv(converter, const_cast<char **>(&in), &left, &next, &room);
        out.append(buffer, static_cast<std::size_t>(next - buffer));
        if (result == std::size_t(-1) && errno != E2BIG) {
            std::size_t skipped = stuck(in, left);
            in += skipped;
            left -= skipped;
        }
    }
}

// The two iconv descriptors of one code page, reopened when VELTRA_CODEPAGE names another.
class Converters {
public:
    static Converters &forSystem() {
        static Converters converters;
        converters.select(systemCodePage());
        return converters;
    }
    iconv_t toU16 = iconv_t(-1);
    iconv_t fromU16 = iconv_t(-1);
    bool asciiKept = false; // the code page holds ASCII as it is: ASCII texts need no converter

private:
    void select(unsigned codePage) {
        if (codePage == opened && toU16 != iconv_t(-1))
            return;
        close();
        std::string name = "CP" + std::to_string(codePage);
        toU16 = iconv_open("UTF-16LE", name.c_str());
        fromU16 = iconv_open(name.c_str(), "UTF-16LE");
        if (toU16 == iconv_t(-1) || fromU16 == iconv_t(-1)) {
            close();
            toU16 = iconv_open("UTF-16LE", "CP1252");
            fromU16 = iconv_open("CP1252", "UTF-16LE");
        }
        opened = codePage;
        char ascii[128];
        for (int c = 0; c < 128; ++c)
            ascii[c] = static_cast<char>(c);
        std::string wide;
        convert(toU16, ascii, sizeof ascii, wide, [](const char *, std::size_t) { return std::size_t(1); });
        asciiKept = wide.size() == 256;
        for (int c = 0; asciiKept && c < 128; ++c)
            asciiKept = wide[2 * c] == ascii[c] && wide[2 * c + 1] == 0;
    }
    void close() {
        if (toU16 != iconv_t(-1))
            iconv_close(toU16);
        if (fromU16 != iconv_t(-1))
            iconv_close(fromU16);
        toU16 = fromU16 = iconv_t(-1);
    }
    unsigned opened = 0;
};

// Appends text to out unit for unit when it is all ASCII (for a code page that keeps ASCII as it
// is, the conversion either way); else leaves out as it was and answers false.
template <typename From, typename To> bool appendedAsAscii(std::basic_string_view<From> text, std::basic_string<To> &out) {
    std::size_t at = out.size();
    out.resize(at + text.size());
    To *into = &out[at];
    for (From character : text) {
        auto unit = static_cast<std::make_unsigned_t<From>>(character);
        if (unit >= 0x80) {
            out.resize(at);
            return false;
        }
        *into++ = static_cast<To>(unit);
    }
    return true;
}

void appendUnit(std::string &bytes, char16_t unit) {
    bytes.push_back(static_cast<char>(unit & 0xFF));
    bytes.push_back(static_cast<char>(unit >> 8));
}

// The number of the UTF-16 units of the character at text[at] (2 for a surrogate pair).
std::size_t unitsOfCharacter(std::u16string_view text, std::size_t at) {
    bool pair = text[at] >= 0xD800 && text[at] < 0xDC00 && at + 1 < text.size() && text[at + 1] >= 0xDC00 &&
                text[at + 1] < 0xE000;
    return pair ? 2 : 1;
}

// Length of the valid UTF-8 sequence at text[at] and its code point; 0 when it is not valid.
std::size_t decodeUtf8(std::string_view text, std::size_t at, char32_t &code) {
    unsigned char lead = static_cast<unsigned char>(text[at]);
    std::size_t length = lead < 0x80                   ? 1
                         : lead >= 0xC2 && lead < 0xE0 ? 2
                         : lead >= 0xE0 && lead < 0xF0 ? 3
                         : lead >= 0xF0 && lead < 0xF5 ? 4
                                                       : 0;
    if (length == 0 || at + length > text.size())
        return 0;
    code = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t index = 1; index < length; ++index) {
        unsigned char next = static_cast<unsigned char>(text[at + index]);
        if ((next & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (next & 0x3F);
    }
    static const char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < smallest[length] || code > 0x10FFFF || (code >= 0xD800 && code < 0xE000))
        return 0;
    return length;
}

void appendUtf8(std::string &out, char32_t code) {
    if (code < 0x80) {
        out.push_back(static_cast<char>(code));
    } else if (code < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (code >> 6)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else if (code < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (code >> 12)));
        out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (code >> 18)));
        out.push_back(static_cast<char>(0x80 | ((code >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    }
}

void appendU16(std::u16string &out, char32_t code) {
    if (code < 0x10000) {
        out.push_back(static_cast<char16_t>(code));
    } else {
        out.push_back(static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10)));
        out.push_back(static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FF)));
    }
}

} // namespace

namespace {

unsigned codePageSetting() {
    const char *setting = std::getenv("VELTRA_CODEPAGE");
    char *end = nullptr;
    unsigned long number = setting != nullptr ? std::strtoul(setting, &end, 10) : 0;
    return number > 0 && number < 65536 && *end == '\0' ? static_cast<unsigned>(number) : defaultCodePage;
}

// Read once: every text converted asks for it, and the environment is searched linearly.
unsigned &readCodePage() {
    static unsigned codePage = codePageSetting();
    return codePage;
}

} // namespace

unsigned systemCodePage() {
    return readCodePage();
}

void rereadCodePage() {
    readCodePage() = codePageSetting();
}

std::u16string u16FromSystem(std::string_view text) {
    std::u16string wide;
    appendU16FromSystem(text, wide);
    return wide;
}

void appendU16FromSystem(std::string_view text, std::u16string &out) {
    if (Converters::forSystem().asciiKept && appendedAsAscii(text, out))
        return;
    std::string bytes;
    convert(Converters::forSystem().toU16, text.data(), text.size(), bytes, [&](const char *in, std::size_t) {
        appendUnit(bytes, static_cast<unsigned char>(*in));
        return std::size_t(1);
    });
    for (std::size_t index = 0; index + 1 < bytes.size(); index += 2)
        out.push_back(static_cast<char16_t>(static_cast<unsigned char>(bytes[index]) |
                                            static_cast<unsigned char>(bytes[index + 1]) << 8));
}

bool systemFromU16(std::u16string_view text, std::string &out) {
    out.clear();
    if (Converters::forSystem().asciiKept && appendedAsAscii(text, out))
        return true;
    bool exact = true;
    if (isDoubleByteCodePage(systemCodePage())) {
        for (std::size_t at = 0; at < text.size(); at += unitsOfCharacter(text, at)) {
            exact = exact && text[at] < 0x80;
            out.push_back(text[at] < 0x80 ? static_cast<char>(text[at]) : '?');
        }
        return exact;
    }
    std::string bytes;
    for (char16_t unit : text)
        appendUnit(bytes, unit);
    convert(Converters::forSystem().fromU16, bytes.data(), bytes.size(), out, [&](const char *in, std::size_t) {
        std::size_t at = static_cast<std::size_t>(in - bytes.data()) / 2;
        std::size_t units = unitsOfCharacter(text, at);
        // A byte the code page leaves unassigned stands for the code point of its value.
        char16_t unit = text[at];
        bool sameByte = units == 1 && unit < 0x100 && u16FromSystem(std::string(1, static_cast<char>(unit)))[0] == unit;
        out.push_back(sameByte ? static_cast<char>(unit) : '?');
        exact = exact && sameByte;
        return units * 2;
    });
    return exact;
}

std::string utf8FromSystem(std::string_view text) {
    return utf8FromU16(u16FromSystem(text));
}

std::string utf8FromU16(std::u16string_view wide) {
    std::string out;
    out.reserve(wide.size());
    for (std::size_t at = 0; at < wide.size();) {
        std::size_t units = unitsOfCharacter(wide, at);
        appendUtf8(out, units == 2 ? 0x10000 + ((wide[at] - 0xD800) << 10) + (wide[at + 1] - 0xDC00) : wide[at]);
        at += units;
    }
    return out;
}

bool systemFromUtf8(std::string_view text, std::string &out) {
    std::u16string wide;
    wide.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        char32_t code = 0;
        std::size_t length = decodeUtf8(text, at, code);
        if (length == 0) {
            wide += u16FromSystem(text.substr(at, 1));
            ++at;
        } else {
            appendU16(wide, code);
            at += length;
        }
    }
    return systemFromU16(wide, out);
}

} // namespace os
