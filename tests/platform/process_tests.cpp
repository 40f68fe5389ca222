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
    std::string commandLine = recorderCommandLine(
        scratchPath("args.txt"), R"(plain "two words" "quote\"inside" back\\slash "trail\\" "")");
    ASSERT_EQ(os::createProcess(commandLine.c_str()), os::errorSuccess);
    EXPECT_EQ(waitForFile("args.txt", "<end>\n"),
              "plain\ntwo words\nquote\"inside\nback\\\\slash\ntrail\\\n\n<end>\n");
}

TEST_F(ProcessTest, ModuleFileNameIsTheRunningProgram) {
    test_machine::setVariable("VELTRA_PROGRAM", nullptr);
    char name[1024];
    unsigned long length = os::getModuleFileName(name, sizeof name);
    ASSERT_GT(length, 0u);
    EXPECT_EQ(length, std::strlen(name));
    EXPECT_EQ(name, testProgramPath());
    EXPECT_NE(std::strstr(name, "veltra_platform_tests"), nullptr);

    char shortBuffer[5];
    EXPECT_EQ(os::getModuleFileName(shortBuffer, sizeof shortBuffer), sizeof shortBuffer);
    EXPECT_EQ(std::string(shortBuffer), std::string(name, 4));
}

TEST_F(ProcessTest, CommandLineNamesTheProgram) {
    const char *commandLine = os::getCommandLine();
    ASSERT_NE(commandLine, nullptr);
    EXPECT_NE(std::strstr(commandLine, "veltra_platform_tests"), nullptr) << commandLine;
    EXPECT_EQ(commandLine, os::getCommandLine());
}

} // namespace
