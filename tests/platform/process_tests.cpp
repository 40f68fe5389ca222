// Program start, command line and module file name through the operating-system layer.
#include "platform/process.h"

#include "platform/error_codes.h"
#include "support/argument_recorder.h"
#include "support/test_machine.h"

#include <cstring>
#include <string>

namespace {

class ProcessTest : public TestMachine {};

TEST_F(ProcessTest, StartedProgramGetsItsArgumentsByTheWindowsRules) {
    ArgumentRecorder recorder(hostPathOf("args.txt"));
    std::string commandLine = recorderCommandLine(R"(plain "two words" "quote\"inside" back\\slash "trail\\" "")");
    ASSERT_EQ(os::createProcess(commandLine.c_str()), os::errorSuccess);
    EXPECT_EQ(waitForFile("args.txt", "<end>\n"),
              "plain\ntwo words\nquote\"inside\nback\\\\slash\ntrail\\\n\n<end>\n");
}

TEST_F(ProcessTest, ModuleFileNameIsCutToTheBufferLikeWindows) {
    char name[1024];
    unsigned long length = os::getModuleFileName(name, sizeof name);
    ASSERT_GT(length, 4u);
    EXPECT_EQ(length, std::strlen(name));
    char shortBuffer[8] = "xxxxxxx"; // given as 5 characters: 4 of the name and a NUL, nothing after
    EXPECT_EQ(os::getModuleFileName(shortBuffer, 5), 5u);
    EXPECT_EQ(std::string(shortBuffer, 8), std::string(name, 4) + '\0' + "xx" + '\0');
}

} // namespace
