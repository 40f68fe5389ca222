// Whole-file reading (byte-order marks, text mode) and writing.
#include "integration/file_utils.h"

#include "core/text_string.h"
#include "support/test_machine.h"

#include <string>

namespace {

class WholeFileTest : public TestMachine {
protected:
    std::string read(const std::string &relative) {
        TextString out("previous contents");
        const char *text = readWholeFile(scratchPath(relative).c_str(), out);
        EXPECT_EQ(text, out.CStr());
        return std::string(out.CStr(), out.Length());
    }
};

TEST_F(WholeFileTest, ByteOrderMarksSelectTheReading) {
    writeBytes("le.txt", std::string("\xFF\xFE"
                                     "A\0B\0\r\0\n\0\xE9\0",
                                     12));
    EXPECT_EQ(read("le.txt"), "AB\r\n\xE9");
    writeBytes("be.txt", std::string("\xFE\xFF\0A\0B\0\r\0\n\0", 11)); // odd last byte dropped
    EXPECT_EQ(read("be.txt"), "AB\r\n");
    writeBytes("utf8.txt", "\xEF\xBB\xBF\xC3\xA9t\xC3\xA9\r\n");
    EXPECT_EQ(read("utf8.txt"), "\xC3\xA9t\xC3\xA9\r\n");
    writeBytes("mark-only.txt", "\xFF\xFE");
    EXPECT_EQ(read("mark-only.txt"), "");
}

TEST_F(WholeFileTest, UnmarkedFilesAreReadInTextMode) {
    writeBytes("plain.txt", "a\r\nb\r\n");
    EXPECT_EQ(read("plain.txt"), "a\nb\n");
    writeBytes("short.txt", "\xFF");
    EXPECT_EQ(read("short.txt"), "\xFF");

    std::string large;
    for (int line = 0; line < 100; ++line)
        large += "line " + std::to_string(line) + "\r\n";
    writeBytes("large.txt", large);
    std::string expected = large;
    for (std::size_t at; (at = expected.find("\r\n")) != std::string::npos;)
        expected.erase(at, 1);
    EXPECT_EQ(read("large.txt"), expected);
}

TEST_F(WholeFileTest, MissingEmptyOrOverlongFilesGiveTheEmptyText) {
    writeBytes("empty.txt", "");
    EXPECT_EQ(read("empty.txt"), "");
    EXPECT_EQ(read("missing.txt"), "");
    EXPECT_EQ(read(std::string(400, 'x')), "");
}

TEST_F(WholeFileTest, WritingCreatesTheFileAnewInTextMode) {
    writeBytes("out.txt", "older and longer contents");
    EXPECT_EQ(writeWholeFile("a\nb\n", scratchPath("out.txt").c_str()), 1);
    EXPECT_EQ(readBytes("out.txt"), "a\r\nb\r\n");
    EXPECT_EQ(writeWholeFile("x", scratchPath("no-folder\\out.txt").c_str()), 1);
    EXPECT_FALSE(hostFileExists("no-folder\\out.txt"));
}

} // namespace
