// Registry export files: exact bytes written, and every encoding, value type, continuation and
// bad line read.
#include "platform/reg_file.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using regtree::Bytes;
using regtree::Key;

// UTF-16LE bytes of an ASCII text.
std::string wide(const std::string &text) {
    std::string bytes;
    for (char c : text) {
        bytes += c;
        bytes += '\0';
    }
    return bytes;
}

Bytes bytesOf(const std::string &text) {
    return Bytes(text.begin(), text.end());
}

const regtree::Value *valueAt(Key &root, const regtree::Path &path, const std::u16string &name) {
    Key *key = root.find(path);
    return key == nullptr ? nullptr : key->findValue(name);
}

TEST(RegFileReader, Regedit4IsCodePage1252WithEightBitStrings) {
    std::string content = "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Caf\xE9]\r\n"
                          "\"\x80\"=\"\xE9\"\r\n\"E\"=hex(2):25,e9,00\r\n\"F\"=hex(7):e9,\\\r\n  00,00\r\n";
    Key root;
    ASSERT_TRUE(regfile::readRegFile(content, root, "test"));
    regtree::Path key = {u"HKEY_LOCAL_MACHINE", u"SOFTWARE", u"Caf\u00e9"};
    ASSERT_NE(valueAt(root, key, u"\u20ac"), nullptr);
    EXPECT_EQ(valueAt(root, key, u"\u20ac")->data, bytesOf(std::string("\xE9\0\0\0", 4)));
    EXPECT_EQ(valueAt(root, key, u"E")->data, bytesOf(std::string("%\0\xE9\0\0\0", 6)));
    EXPECT_EQ(valueAt(root, key, u"F")->data, bytesOf(std::string("\xE9\0\0\0\0\0", 6))); // continued
}

TEST(RegFileReader, Utf8TextIsReadAndTextsThatWouldNotReadBackAreWrittenInHex) {
    std::string content = "Windows Registry Editor Version 5.00\r\n[HKEY_CURRENT_USER\\T]\r\n\"Deg\"=\"\xC2\xB0\"\r\n"
                          "\"Firsts\"=\"\xE0\xA0\x80\xF0\x90\x80\x80\"\r\n" // U+0800, U+10000: first of 3 and 4 bytes
                          "\"Lines\"=hex(1):41,00,0a,00,42,00,00,00\r\n";
    Key root;
    ASSERT_TRUE(regfile::readRegFile(content, root, "test"));
    ASSERT_NE(valueAt(root, {u"HKEY_CURRENT_USER", u"T"}, u"Deg"), nullptr);
    EXPECT_EQ(valueAt(root, {u"HKEY_CURRENT_USER", u"T"}, u"Deg")->data, bytesOf(std::string("\xB0\0\0\0", 4)));
    EXPECT_EQ(valueAt(root, {u"HKEY_CURRENT_USER", u"T"}, u"Firsts")->data,
              bytesOf(std::string("\0\x08\0\xD8\0\xDC\0\0", 8)));
    const std::string written = regfile::writeRegFile(root);
    EXPECT_NE(written.find(wide("\"Lines\"=hex(1):41,00,0a,00,42,00,00,00")), std::string::npos);
    EXPECT_NE(written.find(wide("\"Deg\"=\"") + std::string("\xB0\0\"\0", 4)), std::string::npos);
}

TEST(RegFileReader, BadLinesAreSkippedAndDeletionsApply) {
    Key root;
    root.make({u"HKEY_CURRENT_USER", u"Old", u"Sub"});
    root.make({u"HKEY_CURRENT_USER", u"Keep"}).setValue({u"Gone", 1, {}});
    std::string content = "Windows Registry Editor Version 5.00\n"
                          "\"Orphan\"=\"no key yet\"\n"
                          "[HKEY_NOWHERE\\X]\n"
                          "\"Ignored\"=\"under a bad key\"\n"
                          "[-HKEY_CURRENT_USER\\Old]\n"
                          "[HKEY_CURRENT_USER\\Keep] \t\n" // blanks after a line are no part of it
                          "\"Gone\"=- \n"
                          "\"Bad\"=dword:123456789\n"
                          "\"AlsoBad\"=\"unterminated\n"
                          "garbage\n"
                          "\"Good\"=\"yes\"\t \n"
                          "\"Empty\"=hex:\n";
    testing::internal::CaptureStderr();
    ASSERT_TRUE(regfile::readRegFile(content, root, "r"));
    std::string diagnostics = testing::internal::GetCapturedStderr();
    EXPECT_EQ(root.find({u"HKEY_CURRENT_USER", u"Old"}), nullptr);
    EXPECT_EQ(root.find({u"HKEY_NOWHERE"}), nullptr);
    Key *keep = root.find({u"HKEY_CURRENT_USER", u"Keep"});
    ASSERT_NE(keep, nullptr);
    ASSERT_EQ(keep->values().size(), 2u);
    EXPECT_EQ(keep->values()[0].name, u"Good");
    EXPECT_EQ(keep->values()[1].name, u"Empty");
    EXPECT_EQ(keep->values()[1].type, 3u); // binary, no bytes
    EXPECT_TRUE(keep->values()[1].data.empty());
    EXPECT_EQ(diagnostics, "Ligne 2 ignoree dans le fichier de registre r\n"
                           "Ligne 3 ignoree dans le fichier de registre r\n"
                           "Ligne 8 ignoree dans le fichier de registre r\n"
                           "Ligne 9 ignoree dans le fichier de registre r\n"
                           "Ligne 10 ignoree dans le fichier de registre r\n");
}

TEST(RegFileReader, ContentWithoutAKnownHeaderIsRefusedUntouched) {
    Key root;
    root.make({u"HKEY_USERS", u"Kept"});
    EXPECT_FALSE(regfile::readRegFile("[HKEY_USERS\\X]\r\n", root, "r"));
    EXPECT_FALSE(regfile::readRegFile("windows registry editor version 5.00\r\n", root, "r"));
    EXPECT_FALSE(regfile::readRegFile("\xFF\xFE" + wide("REGEDIT4\r\n"), root, "r"));
    EXPECT_TRUE(regfile::readRegFile("", root, "r"));
    EXPECT_NE(root.find({u"HKEY_USERS", u"Kept"}), nullptr);
    EXPECT_EQ(root.find({u"HKEY_USERS", u"X"}), nullptr);
}

} // namespace
