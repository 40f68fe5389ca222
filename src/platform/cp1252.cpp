// Code page 1252 <-> Unicode: Latin-1 everywhere except the 0x80..0x9F row.
#include "platform/cp1252.h"

namespace os {

namespace {

const char32_t row80[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

} // namespace

char32_t unicodeFromCp1252(unsigned char character) {
    if (character >= 0x80 && character < 0xA0)
        return row80[character - 0x80];
    return character;
}

std::u16string u16FromCp1252(std::string_view text) {
    std::u16string wide;
    wide.reserve(text.size());
    for (char character : text)
        wide.push_back(static_cast<char16_t>(unicodeFromCp1252(static_cast<unsigned char>(character))));
    return wide;
}

} // namespace os
