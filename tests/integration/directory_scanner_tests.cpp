// Listing folders with DirectoryScanner.
#include "integration/directory_scanner.h"

#include "support/test_machine.h"

#include <map>
#include <string>

namespace {

using testing::internal::CaptureStderr;
using testing::internal::GetCapturedStderr;

using Entries = std::map<std::string, int>;

// Every entry left in the listing, with its folder flag.
Entries rest(DirectoryScanner &scanner, bool skipDots) {
    Entries entries;
    int isFolder = -1;
    while (const char *name = scanner.next(skipDots, &isFolder))
        entries[name] = isFolder != 0;
    EXPECT_EQ(isFolder, 0);
    return entries;
}

class DirectoryScannerTest : public TestMachine {};

TEST_F(DirectoryScannerTest, ListsEntriesWithOrWithoutDots) {
    writeBytes("only.txt", "x");
    DirectoryScanner scanner;
    ASSERT_EQ(scanner.open(scratch().c_str(), false), 1);
    EXPECT_STREQ(scanner.next(true), "only.txt");
    EXPECT_EQ(scanner.next(true), nullptr);
    EXPECT_EQ(scanner.next(false), nullptr);

    ASSERT_EQ(makeFolders(scratchPath("Sub").c_str(), false), 1);
    ASSERT_EQ(scanner.open(scratch().c_str(), false), 1);
    EXPECT_EQ(rest(scanner, false), (Entries{{".", 1}, {"..", 1}, {"only.txt", 0}, {"Sub", 1}}));
    ASSERT_EQ(scanner.open(scratch().c_str(), false), 1);
    EXPECT_EQ(rest(scanner, true), (Entries{{"only.txt", 0}, {"Sub", 1}}));
}

TEST_F(DirectoryScannerTest, PatternsAndFailedOpens) {
    writeBytes("a.txt", "a");
    writeBytes("b.ini", "b");
    DirectoryScanner scanner;
    ASSERT_EQ(scanner.open(scratchPath("*.TXT").c_str(), true), 1);
    EXPECT_EQ(rest(scanner, true), (Entries{{"a.txt", 0}}));

    ASSERT_EQ(scanner.open(scratch().c_str(), false), 1);
    CaptureStderr();
    EXPECT_EQ(scanner.open(scratchPath("missing").c_str(), false), 0);
    EXPECT_EQ(scanner.open(scratchPath("*.exe").c_str(), true), 0);
    EXPECT_EQ(GetCapturedStderr(), "Erreur dans l'ouverture du repertoire <" + scratchPath("missing") +
                                       ">\n" + "Erreur dans l'ouverture du repertoire <" +
                                       scratchPath("*.exe") + ">\n");
    int isFolder = -1;
    EXPECT_EQ(scanner.next(false, &isFolder), nullptr); // the earlier listing was closed
    EXPECT_EQ(isFolder, 0);
}

} // namespace
