// File streams of the operating-system layer: Windows text mode, binary mode, names.
#include "platform/file_stream.h"

#include "support/test_machine.h"

#include <string>

namespace {

class FileStreamTest : public TestMachine {
protected:
    std::string readAll(const std::string &relative, const char *mode) {
        std::string text;
        std::FILE *file = os::openFile(scratchPath(relative).c_str(), mode);
        if (file == nullptr) {
            ADD_FAILURE() << "cannot open " << relative;
            return text;
        }
        for (int character; (character = std::fgetc(file)) != EOF;)
            text.push_back(static_cast<char>(character));
        std::fclose(file);
        return text;
    }

    void writeAll(const std::string &relative, const char *mode, const std::string &text) {
        std::FILE *file = os::openFile(scratchPath(relative).c_str(), mode);
        ASSERT_NE(file, nullptr) << relative;
        EXPECT_EQ(std::fwrite(text.data(), 1, text.size(), file), text.size());
        std::fclose(file);
    }
};

TEST_F(FileStreamTest, TextModeWritesCrLfAndReadsLineFeeds) {
    writeAll("text.txt", "w", "one\ntwo\r\nthree");
    EXPECT_EQ(readBytes("text.txt"), "one\r\ntwo\r\r\nthree");

    writeBytes("dos.txt", "a\r\nb\rc\r\n\r\nd");
    EXPECT_EQ(readAll("dos.txt", "r"), "a\nb\rc\n\nd");
    EXPECT_EQ(readAll("dos.txt", "rt"), "a\nb\rc\n\nd");

    writeAll("appended.txt", "w", "x\n");
    writeAll("appended.txt", "a", "y\n");
    EXPECT_EQ(readBytes("appended.txt"), "x\r\ny\r\n");
}

TEST_F(FileStreamTest, CtrlZEndsTextReadingOnly) {
    writeBytes("marked.txt", std::string("ab\r\ncd\x1A"
                                         "ef\r\n",
                                         10));
    EXPECT_EQ(readAll("marked.txt", "r"), "ab\ncd");
    EXPECT_EQ(readAll("marked.txt", "rb"), std::string("ab\r\ncd\x1A"
                                                       "ef\r\n",
                                                       10));
}

TEST_F(FileStreamTest, BinaryModeKeepsBytes) {
    std::string bytes("x\ny\r\n\0\xFF\x1Az", 10);
    writeAll("binary.dat", "wb", bytes);
    EXPECT_EQ(readBytes("binary.dat"), bytes);
    EXPECT_EQ(readAll("binary.dat", "rb"), bytes);
}

TEST_F(FileStreamTest, NamesAreCp1252AndFoundWithoutRegardToCase) {
    writeAll("\xC9l\xE8ve.txt", "w", "\xE9t\xE9\n"); // contents are bytes, names are converted
    EXPECT_EQ(readAll("\xC9L\xE8VE.TXT", "r"), "\xE9t\xE9\n");

    std::string slashed = scratchPath("\xC9l\xE8ve.txt");
    for (char &character : slashed)
        if (character == '\\')
            character = '/';
    std::FILE *file = os::openFile(slashed.c_str(), "rb");
    EXPECT_NE(file, nullptr);
    if (file != nullptr)
        std::fclose(file);
}

TEST_F(FileStreamTest, FailuresGiveNull) {
    EXPECT_EQ(os::openFile(scratchPath("missing.txt").c_str(), "r"), nullptr);
    EXPECT_EQ(os::openFile(scratchPath("no-folder\\new.txt").c_str(), "w"), nullptr);
    EXPECT_FALSE(hostFileExists("no-folder\\new.txt"));
}

} // namespace
