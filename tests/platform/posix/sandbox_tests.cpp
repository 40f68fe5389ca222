// What only the sandbox machine does: drives as folders, UTF-8 host names, the module name
// setting, command lines joined and split the Windows way, #! scripts as programs.
#include "platform/error_codes.h"
#include "platform/posix/command_line.h"
#include "platform/posix/host_path.h"
#include "platform/posix/sandbox_root.h"
#include "platform/process.h"

#include "support/test_machine.h"

#include <cstdlib>
#include <sys/stat.h>

namespace {

class SandboxTest : public TestMachine {
protected:
    std::string root() const { return std::getenv("VELTRA_ROOT"); }
};

TEST_F(SandboxTest, ComponentsAreLookedUpAsWrittenThenIgnoringCase) {
    writeBytes("Readme", "mixed");
    writeBytes("README", "upper");
    EXPECT_EQ(os::hostPath("C:\\SCRATCH\\README"), root() + "/drive_c/scratch/README");
    EXPECT_EQ(os::hostPath("C:\\scratch\\Readme"), root() + "/drive_c/scratch/Readme");
    EXPECT_EQ(os::hostPath("c:\\Scratch\\New\\File"), root() + "/drive_c/scratch/New/File");
    EXPECT_EQ(os::hostPath("\\usr\\lib"), "/usr/lib") << "no drive letter: a host path";
    EXPECT_EQ(os::hostPath("relative\\x"), "relative/x");
}

TEST_F(SandboxTest, WithoutVeltraRootTheMachineIsMadeInTheUsersDataFolder) {
    const std::string named = root();
    const char *xdg = std::getenv("XDG_DATA_HOME");
    const std::string previousData = xdg != nullptr ? xdg : "";
    unsetenv("VELTRA_ROOT");
    setenv("XDG_DATA_HOME", (named + "/data//").c_str(), 1);
    const std::string machine = sandboxRoot();
    setenv("VELTRA_ROOT", named.c_str(), 1);
    xdg != nullptr ? setenv("XDG_DATA_HOME", previousData.c_str(), 1) : unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(machine, named + "/data/veltra/machine");
    struct stat status;
    ASSERT_EQ(stat(machine.c_str(), &status), 0);
    EXPECT_TRUE(S_ISDIR(status.st_mode));
}

TEST_F(SandboxTest, CommandLinesSplitAndJoinByTheWindowsRules) {
    using Arguments = std::vector<std::string>;
    EXPECT_EQ(os::splitCommandLine(R"(  "C:\Program Files\x.exe" a "b c"  d\"e f\\"g h" i\\\\j "" k"")"),
              (Arguments{"C:\\Program Files\\x.exe", "a", "b c", "d\"e", "f\\g h", "i\\\\\\\\j", "", "k"}));
    EXPECT_EQ(os::splitCommandLine(R"(prog "a ""quoted"" word")"), (Arguments{"prog", "a \"quoted\" word"}));
    EXPECT_EQ(os::splitCommandLine("   "), Arguments{});

    Arguments arguments{"veltracfg", "CTX = Etude#/nologo", "", "say \"hi\"", "C:\\dir\\", "a\\\\b",
                        "tab\there"};
    std::string line = os::joinCommandLine(arguments);
    EXPECT_EQ(line, R"(veltracfg "CTX = Etude#/nologo" "" "say \"hi\"" C:\dir\ a\\b "tab	here")");
    EXPECT_EQ(os::splitCommandLine(line), arguments);
    EXPECT_EQ(os::joinCommandLine({"x", "end\\ with\\"}), R"(x "end\ with\\")");
}

TEST_F(SandboxTest, ScriptsStartAsProgramsWithUtf8Arguments) {
    writeBytes("launcher.exe",
               "#!/bin/sh\nprintf '%s\\n' \"$@\" end > \"$VELTRA_ROOT/drive_c/scratch/out.txt\"\n");
    std::string script = root() + "/drive_c/scratch/launcher.exe";
    ASSERT_EQ(chmod(script.c_str(), 0755), 0);
    EXPECT_EQ(os::createProcess("C:\\SCRATCH\\Launcher.EXE \"a b\" \xE9t\xE9"), os::errorSuccess);
    EXPECT_EQ(waitForFile("out.txt", "end\n"), "a b\n\xC3\xA9t\xC3\xA9\nend\n");

    ASSERT_EQ(chmod(script.c_str(), 0644), 0);
    EXPECT_EQ(os::createProcess("C:\\scratch\\launcher.exe"), os::errorFileNotFound);
    EXPECT_EQ(os::createProcess("C:\\scratch"), os::errorFileNotFound);
    EXPECT_EQ(os::createProcess(""), os::errorFileNotFound);
}

} // namespace
