// Path texts, folder creation and existence tests.
#include "files/file_utils.h"

#include "support/test_machine.h"

#include <string>

namespace {

using testing::internal::CaptureStderr;
using testing::internal::GetCapturedStderr;

TEST(ParentFolder, CutsBeforeTheLastSeparator) {
    char out[pathBufferSize];
    EXPECT_STREQ(parentFolder("veltra.arx", out), ".");
    EXPECT_STREQ(parentFolder("", out), ".");
    EXPECT_STREQ(parentFolder(nullptr), ".");
    EXPECT_STREQ(parentFolder("\\x", out), "");
    EXPECT_STREQ(parentFolder("D:\\a\\b", out), "D:\\a");
    EXPECT_STREQ(parentFolder("D:\\dir\\", out), "D:\\dir");
    EXPECT_STREQ(parentFolder("D:\\dir", out), "D:");
    EXPECT_STREQ(parentFolder("D:/a\\b/c.txt", out), "D:/a\\b");
    EXPECT_EQ(parentFolder("a\\b", out), out);
    const char *shared = parentFolder("x\\y");
    EXPECT_STREQ(shared, "x");
}

TEST(ParentFolder, OverlongPathsAreNeverCut) {
    char out[pathBufferSize];
    std::string longName = "C:\\dir\\" + std::string(400, 'n');
    EXPECT_STREQ(parentFolder(longName.c_str(), out), "C:\\dir");
    std::string longFolder = "C:\\" + std::string(400, 'f') + "\\file.txt";
    EXPECT_STREQ(parentFolder(longFolder.c_str(), out), "");
    std::string fitting = std::string(maxPathLength, 'f') + "\\file.txt";
    EXPECT_EQ(parentFolder(fitting.c_str(), out), std::string(maxPathLength, 'f'));
}

class FileUtilsTest : public TestMachine {};

TEST_F(FileUtilsTest, MakeFoldersRefusesLongPathsWithoutCreatingAnything) {
    std::string longChain = scratchPath("p\\" + std::string(150, 'q') + "\\r"); // over 159, under 360
    CaptureStderr();
    EXPECT_EQ(makeFolders(longChain.c_str(), true), 0);
    EXPECT_EQ(fileExists(scratchPath("p").c_str()), 0);
    std::string overlong = scratchPath(std::string(400, 'o'));
    EXPECT_EQ(makeFolders(overlong.c_str(), false), 0);
    EXPECT_EQ(makeParentFolders((overlong + "\\x.txt").c_str(), true), 0);
    GetCapturedStderr();
    EXPECT_EQ(fileExists(scratchPath(std::string(359 - scratch().size() - 1, 'o')).c_str()), 0);
}

TEST(SamePath, ComparesSeparatorsAndAsciiCaseAlike) {
    EXPECT_EQ(samePath("D:\\Prog\\Veltra", "d:/prog/veltra/"), 1);
    EXPECT_EQ(samePath("D:\\A\\", "d:/a"), 1);
    EXPECT_EQ(samePath("a/", "A\\"), 1);
    EXPECT_EQ(samePath("", ""), 1);
    EXPECT_EQ(samePath("D:\\A", "D:\\AB"), 0);
    EXPECT_EQ(samePath("D:\\Prog", "D:\\Prog\\x"), 0);
    EXPECT_EQ(samePath("a\\\\", "a"), 0);
    EXPECT_EQ(samePath("a\\.", "a"), 0);
    EXPECT_EQ(samePath("\xC9t\xE9", "\xE9t\xE9"), 0); // no folding beyond ASCII
    EXPECT_EQ(samePath("D:\\A", nullptr), 0);
    EXPECT_EQ(samePath(nullptr, nullptr), 0);
}

} // namespace
