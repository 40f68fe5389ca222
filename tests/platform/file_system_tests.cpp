// Folder searches of the operating-system layer: patterns, letter case, the directory bit.
#include "platform/file_system.h"

#include "support/test_machine.h"

#include <map>
#include <string>

namespace {

using Entries = std::map<std::string, bool>; // name, directory bit

class FileSystemTest : public TestMachine {
protected:
    // The entries a search yields; each once, and the search ends for good.
    Entries search(const std::string &pattern) {
        Entries found;
        os::FindData data;
        os::FindHandle handle = os::findFirstFile(scratchPath(pattern).c_str(), &data);
        if (handle == os::invalidFindHandle)
            return found;
        do {
            EXPECT_TRUE(found.emplace(data.name, (data.attributes & os::fileAttributeDirectory) != 0).second)
                << "listed twice: " << data.name;
        } while (os::findNextFile(handle, &data));
        EXPECT_FALSE(os::findNextFile(handle, &data));
        os::findClose(handle);
        return found;
    }
};

TEST_F(FileSystemTest, FindListsMatchingEntriesWithTheirDirectoryBit) {
    ASSERT_EQ(os::makeDirectory(scratchPath("sub").c_str()), 0);
    for (const char *name : {"a.txt", "B.TXT", "c.ini", "readme"})
        writeBytes(name, "x");
    EXPECT_EQ(search("*"), (Entries{{".", true}, {"..", true}, {"sub", true}, {"a.txt", false},
                                    {"B.TXT", false}, {"c.ini", false}, {"readme", false}}));
    EXPECT_EQ(search("*.*"), search("*"));
    EXPECT_EQ(search("*.txt"), (Entries{{"a.txt", false}, {"B.TXT", false}}));
    EXPECT_EQ(search("A.TXT"), (Entries{{"a.txt", false}}));
    EXPECT_EQ(search("missing\\*"), Entries{});
}

} // namespace
