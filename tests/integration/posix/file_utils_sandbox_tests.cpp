// File utilities on the sandbox machine, where VELTRA_PROGRAM names the program and host
// paths may be far longer than Windows paths.
#include "integration/file_utils.h"

#include "core/text_string.h"
#include "support/test_machine.h"

#include <cstdlib>
#include <string>
#include <sys/stat.h>

namespace {

class FileUtilsSandboxTest : public TestMachine {
protected:
    void TearDown() override {
        test_machine::setVariable("VELTRA_PROGRAM", nullptr);
        TestMachine::TearDown();
    }
};

TEST_F(FileUtilsSandboxTest, ProgramFolderFollowsVeltraProgramButNeverACutName) {
    test_machine::setVariable("VELTRA_PROGRAM", "C:\\Program Files\\Veltra\\veltracfg.exe");
    EXPECT_STREQ(programFolder(), "C:\\Program Files\\Veltra");
    TextString text;
    AssignProgramDir(text, "vltprd.bmp", "imgmenu");
    EXPECT_STREQ(text.CStr(), "C:\\Program Files\\Veltra\\imgmenu\\vltprd.bmp");

    std::string overlong = "C:\\Veltra\\" + std::string(350, 'v') + "\\veltracfg.exe";
    test_machine::setVariable("VELTRA_PROGRAM", overlong.c_str());
    EXPECT_STREQ(programFolder(), "C:\\Program Files\\Veltra"); // the last folder known
}

TEST_F(FileUtilsSandboxTest, OverlongPathsAreRefusedEvenWhenTheHostHasThem) {
    std::string windowsFolder = scratch();
    std::string hostFolder = std::string(std::getenv("VELTRA_ROOT")) + "/drive_c/scratch";
    for (int level = 0; level < 8; ++level) {
        std::string name(49, static_cast<char>('a' + level));
        windowsFolder += "\\" + name;
        hostFolder += "/" + name;
        ASSERT_EQ(mkdir(hostFolder.c_str(), 0777), 0);
    }
    ASSERT_GT(windowsFolder.size(), maxPathLength);
    std::string relative = windowsFolder.substr(scratch().size() + 1) + "\\file.txt";
    writeBytes(relative, "kept");
    std::string file = windowsFolder + "\\file.txt";

    testing::internal::CaptureStderr();
    EXPECT_EQ(folderExists(windowsFolder.c_str()), 0);
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(fileExists(file.c_str()), 0);
    EXPECT_EQ(deleteFile(file.c_str()), 0);
    TextString text;
    EXPECT_STREQ(readWholeFile(file.c_str(), text), "");
    EXPECT_EQ(writeWholeFile("lost", file.c_str()), 1);
    EXPECT_EQ(makeFolders((windowsFolder + "\\new").c_str(), true), 0);
    EXPECT_EQ(readBytes(relative), "kept");
    EXPECT_FALSE(hostFileExists(windowsFolder.substr(scratch().size() + 1) + "\\new"));
}

} // namespace
