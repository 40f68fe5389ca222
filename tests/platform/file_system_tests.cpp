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

TEST_F(FileSystemTest, FindOfOneNameGivesItsNameAsStored) {
    makeSampleFolder();
    EXPECT_EQ(search("A.TXT"), (Entries{{"a.txt", false}}));
    EXPECT_EQ(search("SUB"), (Entries{{"sub", true}}));
    EXPECT_EQ(search("absent.txt"), Entries{});

    os::FindData data;
    EXPECT_EQ(os::findFirstFile(scratchPath("").c_str(), &data), os::invalidFindHandle);
    EXPECT_FALSE(os::findNextFile(os::invalidFindHandle, &data));
    os::findClose(os::invalidFindHandle);
}

TEST_F(FileSystemTest, MakeDirectoryCreatesOneLevel) {
    EXPECT_EQ(os::makeDirectory(scratchPath("New").c_str()), 0);
    EXPECT_EQ(os::access(scratchPath("new").c_str(), 0), 0);
    EXPECT_EQ(os::makeDirectory(scratchPath("NEW").c_str()), -1); // exists already
    EXPECT_EQ(os::makeDirectory(scratchPath("x\\y").c_str()), -1);
    EXPECT_EQ(os::access(scratchPath("x").c_str(), 0), -1);
    EXPECT_EQ(os::makeDirectory(scratchPath("new/Inner").c_str()), 0);
    EXPECT_EQ(search("NEW\\*"), (Entries{{".", true}, {"..", true}, {"Inner", true}}));
}

TEST_F(FileSystemTest, DeleteFileRemovesFilesOnly) {
    makeSampleFolder();
    EXPECT_TRUE(os::deleteFile(scratchPath("A.txt").c_str()));
    EXPECT_FALSE(hostFileExists("a.txt"));
    EXPECT_FALSE(os::deleteFile(scratchPath("a.txt").c_str()));
    EXPECT_FALSE(os::deleteFile(scratchPath("sub").c_str()));
    EXPECT_EQ(os::access(scratchPath("sub").c_str(), 0), 0);
}

TEST_F(FileSystemTest, AccessTestsExistenceAndRights) {
    writeBytes("Config.ini", "x");
    EXPECT_EQ(os::access(scratchPath("config.INI").c_str(), 0), 0);
    EXPECT_EQ(os::access(scratchPath("Config.ini").c_str(), 4), 0);
    EXPECT_EQ(os::access(scratchPath("Config.ini").c_str(), 6), 0);
    EXPECT_EQ(os::access(scratch().c_str(), 0), 0);
    EXPECT_EQ(os::access(scratchPath("Config.ini\\x").c_str(), 0), -1);
    EXPECT_EQ(os::access(scratchPath("missing.ini").c_str(), 0), -1);
}

} // namespace
