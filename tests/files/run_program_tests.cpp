// Starting programs with runProgram.
#include "files/file_utils.h"

#include "support/argument_recorder.h"
#include "support/test_machine.h"

#include <string>

namespace {

class RunProgramTest : public TestMachine {};

TEST_F(RunProgramTest, MissingProgramIsReported) {
    std::string commandLine = "\"" + scratchPath("lanceurcad.exe") + "\" /x \"y z\"";
    testing::internal::CaptureStderr();
    EXPECT_EQ(runProgram(commandLine.c_str()), 0);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Erreur d'ouverture du prg <" + commandLine + ">\n");
}

TEST_F(RunProgramTest, StartedProgramGetsItsCommandLine) {
    ArgumentRecorder recorder(hostPathOf("args.txt"));
    testing::internal::CaptureStderr();
    EXPECT_EQ(runProgram(recorderCommandLine("CTX=Etude \"a b\"").c_str()), 1);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(waitForFile("args.txt", "<end>\n"), "CTX=Etude\na b\n<end>\n");
}

} // namespace
