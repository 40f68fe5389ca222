// A sandbox holding a customer's machine: its paths cannot lead out of the sandbox folder, its
// registry file keeps its mode and link, and its changes survive a signal or a failed save.
#include "platform/file_stream.h"
#include "platform/file_system.h"
#include "platform/posix/host_path.h"
#include "platform/reg_file.h"
#include "platform/registry.h"

#include "support/registry_machine.h"

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

// Set in the environment of the child that SignalledChild.WritesAndIsSignalled runs in.
constexpr const char *childMarker = "VELTRA_SIGNAL_CHILD";

string contentOf(const string &path) {
    std::ifstream in(path, std::ios::binary);
    return string(std::istreambuf_iterator<char>(in), {});
}

class HostileSandboxTest : public RegistryMachine {
protected:
    string root() const { return std::getenv("VELTRA_ROOT"); }
    string registryFile() const { return root() + "/registry.reg"; }

    // The registry value HKEY_CURRENT_USER\Software\VeltraTests name as the file holds it.
    const regtree::Value *savedValue(regtree::Key &tree, const string &file, const std::u16string &name) {
        EXPECT_TRUE(regfile::readRegFile(contentOf(file), tree, file));
        regtree::Key *key = tree.find({u"HKEY_CURRENT_USER", u"Software", u"VeltraTests"});
        return key == nullptr ? nullptr : key->findValue(name);
    }

    void writeValue(const char *name) {
        os::HKey key = createKey(os::hkeyCurrentUser, userTestKey);
        setValue(key, name, os::regDword, string(4, '\x07'));
        os::regCloseKey(key);
    }

    // A new empty folder outside the sandbox, removed by the caller.
    string outsideFolder() const {
        char folder[] = "/tmp/veltra-outside-XXXXXX";
        EXPECT_NE(mkdtemp(folder), nullptr);
        return folder;
    }
};

TEST_F(HostileSandboxTest, DotsResolveAsTextAndNeverClimbAboveTheDrive) {
    EXPECT_EQ(os::hostPath("C:\\..\\..\\rv-escape\\AppAutoLoad.app"), root() + "/drive_c/rv-escape/AppAutoLoad.app");
    EXPECT_EQ(os::hostPath("C:\\nope\\..\\x\\.\\y\\"), root() + "/drive_c/x/y/");
    EXPECT_EQ(os::hostPath("C:\\scratch\\a\\..\\.."), root() + "/drive_c/");
    std::FILE *file = os::openFile("C:\\..\\escaped.txt", "w");
    ASSERT_NE(file, nullptr);
    std::fclose(file);
    EXPECT_TRUE(access((root() + "/drive_c/escaped.txt").c_str(), F_OK) == 0);
}

TEST_F(HostileSandboxTest, WritesNeverFollowALinkOutOfTheSandbox) {
    string outside = outsideFolder();
    std::ofstream(outside + "/victim") << "kept";
    string scratch = root() + "/drive_c/scratch";
    ASSERT_EQ(symlink(outside.c_str(), (scratch + "/out").c_str()), 0);
    ASSERT_EQ(symlink((outside + "/victim").c_str(), (scratch + "/victim").c_str()), 0);
    ASSERT_EQ(symlink((outside + "/created").c_str(), (scratch + "/dangling").c_str()), 0);
    ASSERT_EQ(mkdir((scratch + "/real").c_str(), 0777), 0);
    ASSERT_EQ(symlink((scratch + "/real").c_str(), (scratch + "/in").c_str()), 0);

    for (const char *mode : {"w", "a", "r+", "wb"}) {
        EXPECT_EQ(os::openFile("C:\\scratch\\out\\new.txt", mode), nullptr) << mode;
        EXPECT_EQ(os::openFile("C:\\scratch\\victim", mode), nullptr) << mode;
        EXPECT_EQ(os::openFile("C:\\scratch\\dangling", mode), nullptr) << mode;
    }
    EXPECT_EQ(os::makeDirectory("C:\\scratch\\OUT\\folder"), -1);
    EXPECT_FALSE(os::deleteFile("C:\\scratch\\out\\victim"));
    std::FILE *reading = os::openFile("C:\\scratch\\victim", "r"); // reading through a link is fine
    ASSERT_NE(reading, nullptr);
    std::fclose(reading);
    std::FILE *inside = os::openFile("C:\\scratch\\in\\new.txt", "w");
    ASSERT_NE(inside, nullptr);
    std::fclose(inside);
    EXPECT_EQ(readBytes("real\\new.txt"), "");

    EXPECT_EQ(contentOf(outside + "/victim"), "kept");
    EXPECT_EQ(unlink((outside + "/victim").c_str()), 0);
    EXPECT_EQ(rmdir(outside.c_str()), 0) << "something was written outside the sandbox";
}

TEST_F(HostileSandboxTest, ASaveKeepsTheFileModeAndWritesThroughALink) {
    std::ofstream(registryFile()) << "";
    ASSERT_EQ(chmod(registryFile().c_str(), 0600), 0);
    writeValue("private");
    struct stat status;
    ASSERT_EQ(stat(registryFile().c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0600u);

    string outside = outsideFolder();
    string target = outside + "/customer.reg";
    ASSERT_EQ(rename(registryFile().c_str(), target.c_str()), 0);
    ASSERT_EQ(symlink(target.c_str(), registryFile().c_str()), 0);
    writeValue("linked");
    ASSERT_EQ(lstat(registryFile().c_str(), &status), 0);
    EXPECT_TRUE(S_ISLNK(status.st_mode));
    regtree::Key tree;
    EXPECT_NE(savedValue(tree, target, u"linked"), nullptr);
    EXPECT_NE(tree.find({u"HKEY_CURRENT_USER", u"Software", u"VeltraTests"})->findValue(u"private"), nullptr);
    ASSERT_EQ(stat(target.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0600u);
    unlink(target.c_str());
    rmdir(outside.c_str());
}

TEST_F(HostileSandboxTest, ChangesOfAMachineLeftBeforeTheySavedAreKeptUntilTheySave) {
    string first = root();
    std::ofstream(registryFile()) << "no registry file"; // every save of this machine fails
    writeValue("first");
    string second = outsideFolder();
    setenv("VELTRA_ROOT", second.c_str(), 1);
    writeValue("second"); // the machine changes: the first one's save fails again
    std::ofstream(first + "/registry.reg") << ""; // repaired
    setenv("VELTRA_ROOT", first.c_str(), 1);
    writeValue("again");
    regtree::Key tree;
    EXPECT_NE(savedValue(tree, registryFile(), u"first"), nullptr);
    EXPECT_NE(savedValue(tree, registryFile(), u"again"), nullptr);
    regtree::Key secondTree;
    EXPECT_NE(savedValue(secondTree, second + "/registry.reg", u"second"), nullptr);
    EXPECT_EQ(savedValue(secondTree, second + "/registry.reg", u"first"), nullptr);
    unlink((second + "/registry.reg").c_str());
    unlink((second + "/registry.reg.lock").c_str());
    rmdir(second.c_str());
}

TEST_F(HostileSandboxTest, ASignalSavesTheChangesNotYetFlushed) {
    for (int signal : {SIGINT, SIGTERM}) {
        SCOPED_TRACE(signal);
        string filter = "--gtest_filter=SignalledChild.WritesAndIsSignalled";
        string self = "/proc/self/exe";
        char *arguments[] = {self.data(), filter.data(), nullptr};
        setenv(childMarker, std::to_string(signal).c_str(), 1);
        pid_t child = 0;
        int spawned = posix_spawn(&child, self.c_str(), nullptr, nullptr, arguments, environ);
        unsetenv(childMarker);
        ASSERT_EQ(spawned, 0);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child); // the child ends itself within 20 s
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << status;
        regtree::Key tree;
        const regtree::Value *value = savedValue(tree, registryFile(), u"unflushed");
        ASSERT_NE(value, nullptr);
        EXPECT_EQ(value->data, regtree::Bytes({std::uint8_t(signal), 0, 0, 0}));
    }
}

// Run only as the child of the test above: writes a value, keeps its key open (nothing flushed)
// and signals itself; it must end by that signal, after 20 s by SIGALRM at the latest.
TEST(SignalledChild, WritesAndIsSignalled) {
    const char *marker = std::getenv(childMarker);
    if (marker == nullptr)
        GTEST_SKIP() << "runs as the child of ASignalSavesTheChangesNotYetFlushed";
    int signal = std::atoi(marker);
    alarm(20);
    os::HKey key = nullptr;
    ASSERT_EQ(os::regCreateKeyEx(os::hkeyCurrentUser, "Software\\VeltraTests", os::keyReadWrite, &key, nullptr),
              os::errorSuccess);
    unsigned char data[4] = {static_cast<unsigned char>(signal), 0, 0, 0};
    ASSERT_EQ(os::regSetValueEx(key, "unflushed", os::regDword, data, 4), os::errorSuccess);
    raise(signal);
    for (;;)
        pause();
}

} // namespace
