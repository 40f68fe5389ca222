// What only the sandbox registry does: its file, and sharing it between processes (its user without
// administrator rights and its 32-bit Windows are checked through deployment and detection).
#include "platform/reg_file.h"
#include "platform/registry.h"

#include "support/registry_machine.h"

#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using std::string;

const string nul(1, '\0');

class SandboxRegistryTest : public RegistryMachine {
protected:
    string registryFile() const { return string(std::getenv("VELTRA_ROOT")) + "/registry.reg"; }

    string fileBytes() const {
        std::ifstream in(registryFile(), std::ios::binary);
        return string(std::istreambuf_iterator<char>(in), {});
    }

    void writeFile(const string &bytes) const { std::ofstream(registryFile(), std::ios::binary) << bytes; }

    // The registry file as a tree (hives below the root).
    regtree::Key fileTree() const {
        regtree::Key tree;
        EXPECT_TRUE(regfile::readRegFile(fileBytes(), tree, registryFile()));
        return tree;
    }

    void writeString(const string &path, const char *name, const string &text) {
        os::HKey key = createKey(os::hkeyCurrentUser, path);
        setValue(key, name, os::regSz, text + nul);
        os::regCloseKey(key);
    }
};

TEST_F(SandboxRegistryTest, ChangesOfAnotherProcessAreKept) {
    writeString("Software\\VeltraTests\\Mine", "a", "1");
    // Another process replaces the file with its own change.
    regtree::Key other = fileTree();
    ASSERT_NE(other.find({u"HKEY_CURRENT_USER", u"Software", u"VeltraTests", u"Mine"}), nullptr);
    other.make({u"HKEY_CURRENT_USER", u"Software", u"VeltraTests", u"Theirs"});
    usleep(10000);
    writeFile(regfile::writeRegFile(other));

    os::HKey theirs = openKey(os::hkeyCurrentUser, "Software\\VeltraTests\\Theirs");
    EXPECT_NE(theirs, nullptr);
    os::regCloseKey(theirs);
    writeString("Software\\VeltraTests\\Mine", "b", "2");
    regtree::Key merged = fileTree();
    EXPECT_NE(merged.find({u"HKEY_CURRENT_USER", u"Software", u"VeltraTests", u"Theirs"}), nullptr);
    EXPECT_EQ(merged.find({u"HKEY_CURRENT_USER", u"Software", u"VeltraTests", u"Mine"})->values().size(), 2u);

    const int writers = 2, rounds = 40;
    for (int writer = 0; writer < writers; ++writer) {
        if (fork() == 0) {
            for (int round = 0; round < rounds; ++round)
                writeString("Software\\VeltraTests\\Shared",
                            ("w" + std::to_string(writer) + "_" + std::to_string(round)).c_str(), "x");
            _exit(0);
        }
    }
    for (int writer = 0; writer < writers; ++writer)
        wait(nullptr);
    regtree::Key tree = fileTree();
    regtree::Key *shared = tree.find({u"HKEY_CURRENT_USER", u"Software", u"VeltraTests", u"Shared"});
    ASSERT_NE(shared, nullptr);
    EXPECT_EQ(shared->values().size(), std::size_t(writers * rounds));
}

TEST_F(SandboxRegistryTest, ChangesReachTheFileWhenTheKeyIsFlushedOrClosed) {
    const regtree::Path saved = {u"HKEY_CURRENT_USER", u"Software", u"VeltraTests", u"Saved"};
    os::HKey key = createKey(os::hkeyCurrentUser, "Software\\VeltraTests\\Saved");
    setValue(key, "Name", os::regSz, "\xE9t\xE9" + nul);
    EXPECT_EQ(fileBytes(), "");
    EXPECT_EQ(os::regFlushKey(key), os::errorSuccess);
    EXPECT_EQ(fileTree().find(saved)->findValue(u"Name")->data, regtree::Bytes({0xE9, 0, 't', 0, 0xE9, 0, 0, 0}));
    EXPECT_EQ(os::regDeleteValue(key, "Name"), os::errorSuccess);
    setValue(key, "Later", os::regDword, string(4, '\x01'));
    os::regCloseKey(key);
    EXPECT_EQ(fileTree().find(saved)->findValue(u"Name"), nullptr);
    EXPECT_NE(fileTree().find(saved)->findValue(u"Later"), nullptr);

    // Only keys the file can hold: names of 255 characters at most, 512 levels below the hive at
    // most (empty components do not count).
    string deep = "Software";
    for (int level = 2; level < 512; ++level)
        deep += "\\d";
    for (const string &tooLong : {deep + "\\" + string(256, 'n'), deep + "\\x\\y"})
        EXPECT_EQ(os::regCreateKeyEx(os::hkeyCurrentUser, tooLong.c_str(), os::keyReadWrite, &key, nullptr),
                  os::errorInvalidParameter);
    EXPECT_EQ(os::regCreateKeyEx(os::hkeyCurrentUser, (deep + "\\\\" + string(255, 'n') + "\\").c_str(),
                                 os::keyReadWrite, &key, nullptr),
              os::errorSuccess);
    os::regCloseKey(key);
    // In the 32-bit view of the machine's software, its Wow6432Node is one of those levels.
    const std::uint32_t view32 = os::keyReadWrite | os::keyWow64_32Key;
    EXPECT_EQ(os::regCreateKeyEx(os::hkeyLocalMachine, deep.c_str(), view32, &key, nullptr), os::errorSuccess);
    os::regCloseKey(key);
    EXPECT_EQ(os::regCreateKeyEx(os::hkeyLocalMachine, (deep + "\\x").c_str(), view32, &key, nullptr),
              os::errorInvalidParameter);
}

} // namespace
