// Whole-file reading (byte-order marks, text mode) and writing.
#include "files/file_utils.h"

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

TEST_F(WholeFileTest, MissingEmptyOrOverlongFilesGiveTheEmptyText) {
    writeBytes("empty.txt", "");
    EXPECT_EQ(read("empty.txt"), "");
    EXPECT_EQ(read("missing.txt"), "");
    EXPECT_EQ(read(std::string(400, 'x')), "");
}

} // namespace
