// Files and folders of the operating-system layer: search, delete, folder creation, access.
#include "platform/file_system.h"

#include "platform/file_stream.h"
#include "support/test_machine.h"

#include <map>
#include <string>

namespace {

class FileSystemTest : public TestMachine {
protected:
    // The entries a search yields, by name, with their directory bit.
    std::map<std::string, bool> search(const std::string &pattern) {
        std::map<std::string, bool> found;
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

    void makeSampleFolder() {
        ASSERT_EQ(os::makeDirectory(scratchPath("sub").c_str()), 0);
        writeBytes("a.txt", "a");
        writeBytes("B.TXT", "b");
        writeBytes("c.ini", "c");
        writeBytes("readme", "r");
    }
};

using Entries = std::map<std::string, bool>;

TEST_F(FileSystemTest, FindListsMatchingEntriesWithTheirDirectoryBit) {
    makeSampleFolder();
    EXPECT_EQ(search("*"), (Entries{{".", true},
                                    {"..", true},
                                    {"sub", true},
                                    {"a.txt", false},
                                    {"B.TXT", false},
                                    {"c.ini", false},
                                    {"readme", false}}));
    EXPECT_EQ(search("*.*"), search("*"));
    EXPECT_EQ(search("*.txt"), (Entries{{"a.txt", false}, {"B.TXT", false}}));
    EXPECT_EQ(search("?.INI"), (Entries{{"c.ini", false}}));
    EXPECT_EQ(search("s*"), (Entries{{"sub", true}}));
    EXPECT_EQ(search("*.exe"), Entries{});
    EXPECT_EQ(search("missing\\*"), Entries{});
}

} // namespace
