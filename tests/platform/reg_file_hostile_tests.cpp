// Registry exports as a customer may send them: keys deeper or longer than Windows allows, a
// stray byte in an 8-bit file, backslashes that are no escapes, REGEDIT4 texts in hex form.
#include "platform/reg_file.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using regtree::Key;

regtree::Bytes utf16(const std::u16string &text) {
    regtree::Bytes bytes;
    for (char16_t unit : text + u'\0')
        bytes.insert(bytes.end(), {static_cast<unsigned char>(unit & 0xFF), static_cast<unsigned char>(unit >> 8)});
    return bytes;
}

// Reads a file of that header and body, diagnostics silenced; the lines not kept as they were.
std::size_t read(const std::string &header, const std::string &body, Key &root) {
    std::size_t doubtful = 0;
    testing::internal::CaptureStderr();
    EXPECT_TRUE(regfile::readRegFile(header + "\r\n" + body, root, "client.reg", &doubtful));
    testing::internal::GetCapturedStderr();
    return doubtful;
}

const std::string version5 = "Windows Registry Editor Version 5.00";

TEST(RegFileHostileInput, KeysBeyondWhatWindowsAllowsAreUnreadableLines) {
    auto keyLine = [](std::size_t levels, const std::string &name) {
        std::string line = "[HKEY_CURRENT_USER";
        for (std::size_t level = 0; level < levels; ++level)
            line += "\\" + name;
        return line + "]\r\n\"v\"=dword:1\r\n";
    };
    Key root;
    EXPECT_EQ(read(version5, keyLine(100000, "k") + keyLine(513, "d") + keyLine(1, std::string(256, 'n')) +
                                 keyLine(512, "a") + keyLine(1, std::string(255, 'b')), root),
              3u);
    regtree::Path deepest(513, u"a");
    deepest[0] = u"HKEY_CURRENT_USER";
    ASSERT_NE(root.find(deepest), nullptr);
    EXPECT_NE(root.find(deepest)->findValue(u"v"), nullptr);
    EXPECT_EQ(root.find({u"HKEY_CURRENT_USER"})->subkeys().size(), 2u); // "a" and the 255 "b"
}

TEST(RegFileHostileInput, AWideKeyFindsReplacesAndRemovesValuesByName) {
    Key key;
    for (char16_t n = 0; n < 40; ++n)
        key.setValue({{u'v', char16_t(u'0' + n / 10), char16_t(u'0' + n % 10)}, 4, {}});
    EXPECT_TRUE(key.removeValue(u"V01"));
    key.setValue({u"V02", 1, {7}});
    key.setValue({u"new", 3, {}});
    ASSERT_EQ(key.values().size(), 40u);
    EXPECT_EQ(key.values()[1].name, u"v02");
    EXPECT_EQ(key.findValue(u"v02")->data, regtree::Bytes{7});
    EXPECT_EQ(key.findValue(u"V25"), &key.values()[24]);
    EXPECT_EQ(key.findValue(u"NEW"), &key.values()[39]);
}

TEST(RegFileHostileInput, AVeryDeepTreeIsDestroyedWithoutRecursion) {
    Key root;
    Key *key = &root.make({u"HKEY_USERS"});
    for (int level = 0; level < 200000; ++level)
        key = &key->makeSubkey(u"k");
    EXPECT_TRUE(root.make({u"HKEY_USERS"}).removeSubkey(u"k"));
}

TEST(RegFileHostileInput, OneStrayByteSpoilsOnlyItsOwnLine) {
    Key root;
    EXPECT_EQ(read(version5, "[HKEY_CURRENT_USER\\Caf\xC3\xA9]\r\n\"N\xC3\xB4m\"=\"\xC3\xA9t\xC3\xA9\"\r\n"
                             "\"Stray\"=\"d\xE9j\xE0\"\r\n", root),
              1u);
    const Key *key = root.find({u"HKEY_CURRENT_USER", u"Caf\u00e9"});
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(key->findValue(u"N\u00f4m")->data, utf16(u"\u00e9t\u00e9"));
    EXPECT_EQ(key->findValue(u"Stray")->data, utf16(u"d\u00e9j\u00e0")); // the best guess for that line
}

TEST(RegFileHostileInput, InDataOnlyBackslashAndQuoteAreEscapes) {
    Key root;
    EXPECT_EQ(read(version5, "[HKEY_CURRENT_USER\\X]\r\n\"p\"=\"C:\\new\\root\\0\"\r\n\"q\"=\"a\\\\b\\\"\"\r\n", root), 0u);
    EXPECT_EQ(root.find({u"HKEY_CURRENT_USER", u"X"})->findValue(u"p")->data, utf16(u"C:\\new\\root\\0"));
    EXPECT_EQ(root.find({u"HKEY_CURRENT_USER", u"X"})->findValue(u"q")->data, utf16(u"a\\b\""));
}

TEST(RegFileHostileInput, Regedit4TextInHexFormIsConvertedLikeTheOtherTextTypes) {
    Key root;
    EXPECT_EQ(read("REGEDIT4", "[HKEY_CURRENT_USER\\X]\r\n\"t\"=hex(1):e9,74,80,00\r\n", root), 0u);
    EXPECT_EQ(root.find({u"HKEY_CURRENT_USER", u"X"})->findValue(u"t")->data, utf16(u"\u00e9t\u20ac"));
}

} // namespace
