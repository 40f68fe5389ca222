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

} // namespace
