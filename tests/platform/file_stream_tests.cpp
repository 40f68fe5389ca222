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

TEST_F(FileStreamTest, CtrlZEndsTextReadingOnly) {
    writeBytes("marked.txt", std::string("ab\r\ncd\x1A"
                                         "ef\r\n",
                                         10));
    EXPECT_EQ(readAll("marked.txt", "r"), "ab\ncd");
    EXPECT_EQ(readAll("marked.txt", "rb"), std::string("ab\r\ncd\x1A"
                                                       "ef\r\n",
                                                       10));
}

} // namespace
