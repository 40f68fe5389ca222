// A sandbox holding a customer's machine: its paths cannot lead out of the sandbox folder, its
// registry file keeps its mode and link, its changes survive a signal or a failed save, and a signal it
// was started ignoring stays ignored.
#include "platform/file_stream.h"
#include "platform/file_system.h"
#include "platform/posix/host_path.h"
#include "platform/posix/termination_signals.h"
#include "platform/reg_file.h"

#include "support/registry_machine.h"
#include "support/posix/fresh_folder.h"

#include <csignal>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

using std::string;

constexpr const char *childMarker = "VELTRA_SIGNAL_CHILD"; // the signal the child sends itself

class HostileSandboxTest : public RegistryMachine {
protected:
    string root() const { return std::getenv("VELTRA_ROOT"); }

    // Whether the registry file `file` holds HKEY_CURRENT_USER\Software\VeltraTests `name`.
    static bool holds(const string &file, const std::u16string &name) {
        std::ifstream in(file, std::ios::binary);
        regtree::Key tree;
        regfile::readRegFile(string(std::istreambuf_iterator<char>(in), {}), tree, file);
        regtree::Key *key = tree.find({u"HKEY_CURRENT_USER", u"Software", u"VeltraTests"});
        return key != nullptr && key->findValue(name) != nullptr;
    }

    void writeValue(const char *name) {
        os::HKey key = createKey(os::hkeyCurrentUser, userTestKey);
        setValue(key, name, os::regDword, string(4, '\x07'));
        os::regCloseKey(key);
    }

    // A new folder outside the sandbox; the test removes what it puts there.
    static string outsideFolder() {
        return freshTestFolder("veltra-outside");
    }
};

TEST_F(HostileSandboxTest, DotsResolveAsTextAndNeverClimbAboveTheDrive) {
    EXPECT_EQ(os::hostPath("C:\\..\\..\\rv-escape\\AppAutoLoad.app"), root() + "/drive_c/rv-escape/AppAutoLoad.app");
    EXPECT_EQ(os::hostPath("C:\\nope\\..\\x\\.\\y\\"), root() + "/drive_c/x/y/");
    EXPECT_EQ(os::hostPath("C:\\scratch\\a\\..\\.."), root() + "/drive_c/");
}

TEST_F(HostileSandboxTest, WritesNeverFollowALinkOutOfTheSandbox) {
    string outside = outsideFolder(), scratch = root() + "/drive_c/scratch";
    ASSERT_EQ(symlink(outside.c_str(), (scratch + "/out").c_str()), 0);
    ASSERT_EQ(symlink((outside + "/new").c_str(), (scratch + "/dangling").c_str()), 0);
    ASSERT_EQ(symlink(scratch.c_str(), (scratch + "/in").c_str()), 0);
    for (const char *mode : {"w", "a", "r+"}) {
        EXPECT_EQ(os::openFile("C:\\scratch\\out\\new", mode), nullptr) << mode;
        EXPECT_EQ(os::openFile("C:\\scratch\\dangling", mode), nullptr) << mode;
    }
    EXPECT_EQ(os::makeDirectory("C:\\scratch\\OUT\\folder"), -1);
    std::FILE *inside = os::openFile("C:\\scratch\\in\\new", "w"); // a link within the sandbox is fine
    ASSERT_NE(inside, nullptr);
    std::fclose(inside);
    EXPECT_EQ(rmdir(outside.c_str()), 0) << "something was written outside the sandbox";
}

TEST_F(HostileSandboxTest, ASaveKeepsTheFileModeAndWritesThroughALink) {
    string outside = outsideFolder(), target = outside + "/customer.reg", file = root() + "/registry.reg";
    std::ofstream(target) << "";
    ASSERT_EQ(chmod(target.c_str(), 0600), 0);
    ASSERT_EQ(symlink(target.c_str(), file.c_str()), 0);
    writeValue("linked");
    struct stat status;
    EXPECT_TRUE(lstat(file.c_str(), &status) == 0 && S_ISLNK(status.st_mode));
    EXPECT_TRUE(holds(target, u"linked"));
    EXPECT_TRUE(stat(target.c_str(), &status) == 0 && (status.st_mode & 07777) == 0600) << status.st_mode;
    unlink(target.c_str());
    rmdir(outside.c_str());
}

TEST_F(HostileSandboxTest, ChangesOfAMachineLeftBeforeTheySavedAreKeptUntilTheySave) {
    string first = root(), second = outsideFolder();
    std::ofstream(first + "/registry.reg") << "no registry file"; // every save of this machine fails
    writeValue("first");
    setenv("VELTRA_ROOT", second.c_str(), 1);
    writeValue("second"); // the machine changes: the first one's save fails again
    std::ofstream(first + "/registry.reg") << ""; // repaired
    setenv("VELTRA_ROOT", first.c_str(), 1);
    testing::internal::CaptureStderr();
    writeValue("again");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "") << "the repaired machine saves without a word";
    EXPECT_TRUE(holds(first + "/registry.reg", u"first") && holds(first + "/registry.reg", u"again"));
    EXPECT_TRUE(holds(second + "/registry.reg", u"second") && !holds(second + "/registry.reg", u"first"));
    for (const char *name : {"/registry.reg", "/registry.reg.lock"})
        unlink((second + name).c_str());
    rmdir(second.c_str());
}

TEST_F(HostileSandboxTest, AFileWithUnreadableLinesIsReplacedOnlyOnceACopyOfItIsKept) {
    string file = root() + "/registry.reg", copy = file + ".bak";
    std::ofstream(file) << "Windows Registry Editor Version 5.00\r\n[HKEY_CURRENT_USER\\Software\\VeltraTests]\r\n"
                           "\"kept\"=dword:00000001\r\nnot a registry line\r\n";
    ASSERT_EQ(mkdir(copy.c_str(), 0700), 0); // no copy can take that name
    testing::internal::CaptureStderr();
    writeValue("refused");
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Ligne 4 ignoree dans le fichier de registre " + file + "\nRegistre non enregistre : copie impossible de " +
                  file + "\n");
    EXPECT_FALSE(holds(file, u"refused"));
    ASSERT_EQ(rmdir(copy.c_str()), 0);
    testing::internal::CaptureStderr();
    writeValue("saved"); // the change refused before is saved with it
    string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("Lignes illisibles : le fichier de registre precedent est conserve dans " + copy), string::npos)
        << said;
    EXPECT_TRUE(holds(file, u"kept") && holds(file, u"refused") && holds(file, u"saved"));
    EXPECT_TRUE(holds(copy, u"kept") && !holds(copy, u"refused"));
}

TEST_F(HostileSandboxTest, ASignalOrASimulatedCrashSavesTheChangesNotYetFlushed) {
    for (int signal : {SIGINT, SIGTERM, 0}) { // 0: VELTRA_CRASH_AFTER ends the child at its value
        string self = "/proc/self/exe", filter = "--gtest_filter=SignalledChild.WritesAndIsSignalled";
        char *arguments[] = {self.data(), filter.data(), nullptr};
        setenv(childMarker, std::to_string(signal).c_str(), 1);
        setenv("VELTRA_CRASH_AFTER", signal == 0 ? "1" : "0", 1); // the key exists from the first child on
        pid_t child = 0;
        ASSERT_EQ(posix_spawn(&child, self.c_str(), nullptr, nullptr, arguments, environ), 0);
        unsetenv(childMarker);
        unsetenv("VELTRA_CRASH_AFTER");
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child); // the child ends itself within 20 s
        if (signal == 0)
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 137) << status;
        else
            EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << status;
        EXPECT_TRUE(holds(root() + "/registry.reg", u"unflushed" + std::u16string(1, char16_t('0' + signal))));
    }
}

// Only as the child of the test above: writes a value, leaves its key open (nothing flushed) and
// signals itself; it must end by that signal or the simulated crash, or by SIGALRM after 20 s.
TEST(SignalledChild, WritesAndIsSignalled) {
    const char *marker = std::getenv(childMarker);
    if (marker == nullptr)
        GTEST_SKIP() << "runs as the child of ASignalOrASimulatedCrashSavesTheChangesNotYetFlushed";
    alarm(20);
    os::HKey key = nullptr;
    ASSERT_EQ(os::regCreateKeyEx(os::hkeyCurrentUser, "Software\\VeltraTests", os::keyReadWrite, &key, nullptr), 0u);
    ASSERT_EQ(os::regSetValueEx(key, ("unflushed" + string(1, char('0' + std::atoi(marker)))).c_str(), os::regDword,
                                reinterpret_cast<const unsigned char *>("\1\0\0\0"), 4),
              0u);
    raise(std::atoi(marker));
    for (;;)
        pause();
}

TEST(TerminationSignals, ASignalTheProcessWasToldToIgnoreStaysIgnored) {
    struct sigaction ignore = {}, before = {};
    ignore.sa_handler = SIG_IGN;
    sigaction(SIGHUP, &ignore, &before); // the child starts as under nohup
    string self = "/proc/self/exe", filter = "--gtest_filter=IgnoringChild.KeepsSighupIgnored";
    char *arguments[] = {self.data(), filter.data(), nullptr};
    setenv("VELTRA_IGNORING_CHILD", "1", 1);
    pid_t child = 0;
    int spawned = posix_spawn(&child, self.c_str(), nullptr, nullptr, arguments, environ);
    unsetenv("VELTRA_IGNORING_CHILD");
    sigaction(SIGHUP, &before, nullptr);
    ASSERT_EQ(spawned, 0);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
}

// Only as the child of the test above.
TEST(IgnoringChild, KeepsSighupIgnored) {
    if (std::getenv("VELTRA_IGNORING_CHILD") == nullptr)
        GTEST_SKIP() << "runs as the child of ASignalTheProcessWasToldToIgnoreStaysIgnored";
    os::runBeforeTerminationSignals([] {});
    struct sigaction now = {};
    sigaction(SIGHUP, nullptr, &now);
    EXPECT_EQ(now.sa_handler, SIG_IGN);
}

} // namespace
