// Registry exports as a customer may send them: keys deeper or longer than Windows allows, a
// stray byte in an 8-bit file, backslashes that are no escapes, REGEDIT4 texts in hex form.
#include "platform/reg_file.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using regtree::Bytes;
using regtree::Key;

// Reads a file, capturing its diagnostics; the lines counted as not kept as they were.
std::size_t readCapturing(const std::string &content, Key &root, std::string &diagnostics) {
    std::size_t doubtful = 0;
    testing::internal::CaptureStderr();
    EXPECT_TRUE(regfile::readRegFile(content, root, "client.reg", &doubtful));
    diagnostics = testing::internal::GetCapturedStderr();
    return doubtful;
}

Bytes utf16(const std::u16string &text) {
    Bytes bytes;
    for (char16_t unit : text + u'\0') {
        bytes.push_back(static_cast<unsigned char>(unit & 0xFF));
        bytes.push_back(static_cast<unsigned char>(unit >> 8));
    }
    return bytes;
}

// HKEY_CURRENT_USER and `levels` keys below it, each named `name`.
regtree::Path deepPath(std::size_t levels, const std::u16string &name) {
    regtree::Path path(levels + 1, name);
    path[0] = u"HKEY_CURRENT_USER";
    return path;
}

std::string keyLine(std::size_t levels, const std::string &name) {
    std::string line = "[HKEY_CURRENT_USER";
    for (std::size_t level = 0; level < levels; ++level)
        line += "\\" + name;
    return line + "]\r\n\"v\"=dword:1\r\n";
}

TEST(RegFileHostileInput, KeysDeeperOrLongerThanWindowsAllowsAreUnreadableLines) {
    std::string content = "Windows Registry Editor Version 5.00\r\n" + keyLine(100000, "k") +
                          keyLine(513, "d") + keyLine(1, std::string(256, 'n')) + keyLine(512, "a") +
                          keyLine(1, std::string(255, 'b'));
    Key root;
    std::string diagnostics;
    EXPECT_EQ(readCapturing(content, root, diagnostics), 3u);
    EXPECT_EQ(diagnostics, "Ligne 2 ignoree dans le fichier de registre client.reg\n"
                           "Ligne 4 ignoree dans le fichier de registre client.reg\n"
                           "Ligne 6 ignoree dans le fichier de registre client.reg\n");
    const Key *hive = root.find({u"HKEY_CURRENT_USER"});
    ASSERT_NE(hive, nullptr);
    ASSERT_EQ(hive->subkeys().size(), 2u);
    EXPECT_TRUE(hive->values().empty()); // no value of a refused key lands elsewhere
    EXPECT_NE(root.find(deepPath(512, u"a")), nullptr);
    EXPECT_NE(root.find({u"HKEY_CURRENT_USER", std::u16string(255, u'b')}), nullptr);

    Key again;
    EXPECT_EQ(readCapturing(regfile::writeRegFile(root), again, diagnostics), 0u);
    EXPECT_NE(again.find(deepPath(512, u"a"))->findValue(u"v"), nullptr);
}

TEST(RegFileHostileInput, AVeryDeepTreeIsDestroyedWithoutRecursion) {
    Key root;
    Key &hive = root.make({u"HKEY_USERS"});
    Key *key = &hive;
    for (int level = 0; level < 200000; ++level)
        key = &key->makeSubkey(u"k");
    key->setValue({u"deepest", 4, {1, 0, 0, 0}});
    EXPECT_TRUE(hive.removeSubkey(u"k")); // the whole chain goes at once
    EXPECT_TRUE(hive.subkeys().empty());
}

TEST(RegFileHostileInput, OneStrayByteSpoilsOnlyItsOwnLine) {
    std::string content = "Windows Registry Editor Version 5.00\r\n"
                          "[HKEY_CURRENT_USER\\Software\\Caf\xC3\xA9]\r\n"
                          "\"Nom\"=\"\xC3\xA9t\xC3\xA9\"\r\n"
                          "\"Stray\"=\"d\xE9j\xE0\"\r\n"
                          "\"Apr\xC3\xA8s\"=\"\xE2\x82\xAC\"\r\n";
    Key root;
    std::string diagnostics;
    EXPECT_EQ(readCapturing(content, root, diagnostics), 1u);
    EXPECT_NE(diagnostics.find("client.reg"), std::string::npos);
    const Key *key = root.find({u"HKEY_CURRENT_USER", u"Software", u"Caf\u00e9"});
    ASSERT_NE(key, nullptr);
    ASSERT_EQ(key->values().size(), 3u);
    EXPECT_EQ(key->findValue(u"Nom")->data, utf16(u"\u00e9t\u00e9"));
    EXPECT_EQ(key->findValue(u"Stray")->data, utf16(u"d\u00e9j\u00e0")); // the best guess for that line
    EXPECT_EQ(key->findValue(u"Apr\u00e8s")->data, utf16(u"\u20ac"));
}

TEST(RegFileHostileInput, InDataOnlyBackslashAndQuoteAreEscaped) {
    std::string content = "Windows Registry Editor Version 5.00\r\n[HKEY_CURRENT_USER\\X]\r\n"
                          "\"path\"=\"C:\\new\\root\\0\"\r\n"
                          "\"quoted\"=\"a\\\\b \\\"c\\\"\"\r\n"
                          "\"line\\nname\"=\"\"\r\n";
    Key root;
    std::string diagnostics;
    EXPECT_EQ(readCapturing(content, root, diagnostics), 0u);
    const Key *key = root.find({u"HKEY_CURRENT_USER", u"X"});
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(key->findValue(u"path")->type, 1u);
    EXPECT_EQ(key->findValue(u"path")->data, utf16(u"C:\\new\\root\\0"));
    EXPECT_EQ(key->findValue(u"quoted")->data, utf16(u"a\\b \"c\""));
    EXPECT_NE(key->findValue(u"line\nname"), nullptr); // names keep their escapes

    Key again;
    EXPECT_EQ(readCapturing(regfile::writeRegFile(root), again, diagnostics), 0u);
    EXPECT_EQ(again.find({u"HKEY_CURRENT_USER", u"X"})->findValue(u"path")->data, utf16(u"C:\\new\\root\\0"));
}

TEST(RegFileHostileInput, Regedit4TextInHexFormIsConvertedLikeTheOtherTextTypes) {
    Key root;
    std::string diagnostics;
    EXPECT_EQ(readCapturing("REGEDIT4\r\n[HKEY_CURRENT_USER\\X]\r\n\"t\"=hex(1):e9,74,80,00\r\n", root,
                            diagnostics),
              0u);
    const Key *key = root.find({u"HKEY_CURRENT_USER", u"X"});
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(key->findValue(u"t")->type, 1u);
    EXPECT_EQ(key->findValue(u"t")->data, utf16(u"\u00e9t\u20ac"));
}

} // namespace
