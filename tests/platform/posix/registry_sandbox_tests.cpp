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

TEST_F(SandboxRegistryTest, WritesReachTheFileWhenTheKeyIsFlushedOrClosed) {
    os::HKey key = createKey(os::hkeyCurrentUser, "Software\\VeltraTests\\Saved");
    setValue(key, "Name", os::regSz, "\xE9t\xE9" + nul);
    EXPECT_EQ(fileBytes(), "");
    EXPECT_EQ(os::regFlushKey(key), os::errorSuccess);
    regtree::Key tree = fileTree();
    regtree::Key *saved = tree.find({u"HKEY_CURRENT_USER", u"Software", u"VeltraTests", u"Saved"});
    ASSERT_NE(saved, nullptr);
    EXPECT_EQ(saved->findValue(u"Name")->data, regtree::Bytes({0xE9, 0, 't', 0, 0xE9, 0, 0, 0}));

    setValue(key, "Later", os::regDword, string(4, '\x01'));
    os::regCloseKey(key);
    EXPECT_NE(
        fileTree().find({u"HKEY_CURRENT_USER", u"Software", u"VeltraTests", u"Saved"})->findValue(u"Later"),
        nullptr);
    EXPECT_EQ(fileBytes().compare(0, 2, "\xFF\xFE"), 0);
}

TEST_F(SandboxRegistryTest, AnUnreadableFileIsNeverReplaced) {
    string bigEndian = "\xFE\xFF";
    for (char c : string("Windows Registry Editor Version 5.00\r\n[HKEY_CURRENT_USER\\X]\r\n"))
        bigEndian += {'\0', c};
    const string files[] = {
        "this is no registry file\r\n[HKEY_CURRENT_USER\\X]\r\n",
        bigEndian,
        "Windows Registry Ed", // cut inside the header
        string("\x7F" "ELF\x02\x01\0\0\0\xFF\xFE\x1A", 12),
    };
    for (const string &garbage : files) {
        writeFile(garbage);
        testing::internal::CaptureStderr();
        writeString("Software\\VeltraTests\\Lost", "x", "1");
        string diagnostics = testing::internal::GetCapturedStderr();
        EXPECT_EQ(fileBytes(), garbage);
        EXPECT_NE(diagnostics.find("illisible"), string::npos);
        os::HKey key = openKey(os::hkeyCurrentUser, "Software\\VeltraTests\\Lost");
        EXPECT_NE(key, nullptr); // the process still sees its own change
        os::regCloseKey(key);
        writeFile(""); // repaired: the change kept in memory is saved with the next one
        writeString("Software\\VeltraTests\\Lost", "y", "2");
        regtree::Key tree = fileTree();
        regtree::Key *lost = tree.find({u"HKEY_CURRENT_USER", u"Software", u"VeltraTests", u"Lost"});
        ASSERT_NE(lost, nullptr);
        EXPECT_EQ(lost->values().size(), 2u);
    }
}

TEST_F(SandboxRegistryTest, ACutShortFileKeepsItsCompleteLinesAndACopy) {
    string file = regfile::writeRegFile([] {
        regtree::Key tree;
        regtree::Key &key = tree.make({u"HKEY_CURRENT_USER", u"Software", u"Cut"});
        key.setValue({u"Whole", 1, {'1', 0, 0, 0}});
        key.setValue({u"Half", 1, {'2', 0, 0, 0}});
        return tree;
    }());
    const string cutFile = file.substr(0, file.find(string("H\0a\0l\0f\0", 8)) + 5); // odd length too
    writeFile(cutFile);
    testing::internal::CaptureStderr();
    writeString("Software\\Cut", "New", "3");
    EXPECT_NE(testing::internal::GetCapturedStderr().find("ignoree"), string::npos);
    // The line that could not be read is not written back: the file that held it is kept.
    std::ifstream copy(registryFile() + ".bak", std::ios::binary);
    EXPECT_EQ(string(std::istreambuf_iterator<char>(copy), {}), cutFile);
    regtree::Key tree = fileTree();
    regtree::Key *cut = tree.find({u"HKEY_CURRENT_USER", u"Software", u"Cut"});
    ASSERT_NE(cut, nullptr);
    EXPECT_NE(cut->findValue(u"Whole"), nullptr);
    EXPECT_NE(cut->findValue(u"New"), nullptr);
}

TEST_F(SandboxRegistryTest, AVersion5FileInTheAnsiCodePageKeepsItsLetters) {
    writeFile("Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\Software\\Caf\xE9]\r\n"
              "\"Nom\"=\"\xE9t\xE9 \x80\"\r\n");
    writeString("Software\\Caf\xE9", "Autre", "x");
    regtree::Key tree = fileTree();
    regtree::Key *key = tree.find({u"HKEY_CURRENT_USER", u"Software", u"Caf\u00e9"});
    ASSERT_NE(key, nullptr);
    ASSERT_NE(key->findValue(u"Nom"), nullptr);
    EXPECT_EQ(key->findValue(u"Nom")->data,
              regtree::Bytes({0xE9, 0, 't', 0, 0xE9, 0, ' ', 0, 0xAC, 0x20, 0, 0}));
}

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

} // namespace
