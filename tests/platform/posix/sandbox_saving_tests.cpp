// When the sandbox registry writes its file: at a flush that has something to write, and then on
// what another process left in the file if it replaced it since this process read or wrote it.
#include "platform/reg_file.h"
#include "platform/registry.h"

#include "support/registry_machine.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sys/stat.h>

namespace {

using std::string;

class SandboxSavingTest : public RegistryMachine {
protected:
    static string file() { return string(std::getenv("VELTRA_ROOT")) + "/registry.reg"; }

    // Every save renames a new file over the old one: a new inode.
    static ino_t inode() {
        struct stat status {};
        return stat(file().c_str(), &status) == 0 ? status.st_ino : 0;
    }

    static string fileBytes() {
        std::ifstream in(file(), std::ios::binary);
        return string(std::istreambuf_iterator<char>(in), {});
    }

    static regtree::Key fileTree() {
        regtree::Key tree;
        EXPECT_TRUE(regfile::readRegFile(fileBytes(), tree, file()));
        return tree;
    }

    void writeString(const string &path, const char *name, const string &text) {
        os::HKey key = createKey(os::hkeyCurrentUser, "Software\\VeltraTests\\" + path);
        setValue(key, name, os::regSz, text + string(1, '\0'));
        os::regCloseKey(key);
    }
};

const regtree::Path mine = {u"HKEY_CURRENT_USER", u"Software", u"VeltraTests", u"Mine"};
const regtree::Path theirs = {u"HKEY_CURRENT_USER", u"Software", u"VeltraTests", u"Theirs"};

TEST_F(SandboxSavingTest, WritesOnlyWhatChangedOnTheFileAnotherProcessLeft) {
    os::HKey key = createKey(os::hkeyCurrentUser, "Software\\VeltraTests\\Mine");
    setValue(key, "a", os::regSz, string("1\0", 2));
    ASSERT_EQ(os::regFlushKey(key), os::errorSuccess);
    ino_t saved = inode();
    ASSERT_NE(saved, 0u);
    EXPECT_EQ(os::regFlushKey(key), os::errorSuccess);
    os::regCloseKey(openKey(os::hkeyCurrentUser, "Software\\VeltraTests\\Mine"));
    EXPECT_EQ(inode(), saved) << "nothing changed, nothing written";

    // Another process replaces the file while a change of this one waits for the next flush.
    setValue(key, "b", os::regSz, string("2\0", 2));
    regtree::Key other = fileTree();
    other.make(theirs);
    std::ofstream(file() + ".other", std::ios::binary) << regfile::writeRegFile(other);
    ASSERT_EQ(std::rename((file() + ".other").c_str(), file().c_str()), 0);
    EXPECT_EQ(os::regCloseKey(key), os::errorSuccess);
    regtree::Key merged = fileTree();
    EXPECT_NE(merged.find(theirs), nullptr);
    ASSERT_NE(merged.find(mine), nullptr);
    EXPECT_EQ(merged.find(mine)->values().size(), 2u);
}

TEST_F(SandboxSavingTest, ASaveCopyingTheUnchangedKeysWritesWhatAWholeSaveWould) {
    // Each close saves; the unchanged keys around the changed ones are copied from the last save.
    for (const char *path : {"A", "B\\Deep", "C\\Deep", "D"})
        writeString(path, "v", "x");
    writeString("B", "longer", "changed");
    ASSERT_EQ(os::regDeleteTree(os::hkeyCurrentUser, "Software\\VeltraTests\\C", 0), os::errorSuccess);
    writeString("B\\Deep\\New", "", "new");
    writeString("D", "v", "y");
    regtree::Key tree = fileTree();
    EXPECT_EQ(tree.find({u"HKEY_CURRENT_USER", u"Software", u"VeltraTests", u"C"}), nullptr);
    ASSERT_NE(tree.find({u"HKEY_CURRENT_USER", u"Software", u"VeltraTests", u"B", u"Deep", u"New"}), nullptr);
    EXPECT_EQ(fileBytes(), regfile::writeRegFile(tree));
}

} // namespace
