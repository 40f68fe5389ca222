// File utilities on the sandbox machine, where VELTRA_PROGRAM names the program and host
// paths may be far longer than Windows paths.
#include "files/file_utils.h"

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

} // namespace
