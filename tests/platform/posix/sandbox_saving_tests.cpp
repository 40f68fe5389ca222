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

    static regtree::Key fileTree() {
        std::ifstream in(file(), std::ios::binary);
        regtree::Key tree;
        EXPECT_TRUE(regfile::readRegFile(string(std::istreambuf_iterator<char>(in), {}), tree, file()));
        return tree;
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

} // namespace
