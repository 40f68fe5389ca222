// Tests of the command line split, quoting and context extraction.
#include "app/command_line.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct SplitLine {
    TextString hostArgs{"stale"}, appArgs{"stale"}, drawings{"stale"};
    explicit SplitLine(const char *line) { splitCommandLine(line, hostArgs, appArgs, drawings); }
};

} // namespace

TEST(CommandLineSplit, OverlongLineIsCutAtTheLimit) {
    std::string line = "A = " + std::string(kMaxCommandLine - 4, 'x');
    SplitLine exact(line.c_str());
    EXPECT_EQ(exact.appArgs.Length(), kMaxCommandLine);

    std::string longer = line + "#/ignored";
    testing::internal::CaptureStderr();
    SplitLine cut(longer.c_str());
    std::string diagnostic = testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::string(cut.appArgs.CStr()), line);
    EXPECT_STREQ(cut.hostArgs.CStr(), "") << "text past the limit is not read";
    EXPECT_EQ(diagnostic, "Ligne de commande trop longue : 9 caract\xE8res ignor\xE9s\n");
}

TEST(CommandLineSplit, EachPartGoesWhereItBelongs) {
    const struct {
        const char *line, *hostArgs, *appArgs, *drawings;
    } rows[] = {
        {"\"CTX = \\\"Etude 2\\\"\"#/nologo", "/nologo", "CTX = \"Etude 2\"", ""},
        {"  D:\\Plans\\site.DWG", "", "", "\"D:\\Plans\\site.DWG\""},
        {"A = 1#  ", "", "A = 1", ""},
        {"", "", "", ""},
    };
    for (const auto &row : rows) {
        SplitLine split(row.line);
        EXPECT_STREQ(split.hostArgs.CStr(), row.hostArgs) << row.line;
        EXPECT_STREQ(split.appArgs.CStr(), row.appArgs) << row.line;
        EXPECT_STREQ(split.drawings.CStr(), row.drawings) << row.line;
    }
}

TEST(CommandLineContext, NameAfterCtxAndEqualsCount) {
    TextString name(nullptr);
    int count = -1;
    EXPECT_STREQ(extractContext("CTX = Etude", name, "std", &count), "Etude");
    EXPECT_EQ(count, 0);
    EXPECT_STREQ(extractContext("CTX = Etude MODE = 2", name, "std", &count), "Etude");
    EXPECT_EQ(count, 1);
    EXPECT_STREQ(extractContext("CTX=\"Projet_2\" suite", name, "std", nullptr), "Projet_2");
    EXPECT_STREQ(extractContext("CTX = \xC9t\xE9", name, "std", nullptr), "\xC9t\xE9");
    EXPECT_STREQ(extractContext("CTX = a.b", name, "std", nullptr), "a");
    EXPECT_STREQ(extractContext("CTX =\t\tZ9-x", name, "std", nullptr), "Z9");
}

TEST(CommandLineContext, FallbackWhenThereIsNoName) {
    TextString name("old");
    int count = -1;
    EXPECT_STREQ(extractContext("A = 1 B = 2", name, "std", &count), "std");
    EXPECT_EQ(count, 2);
    EXPECT_STREQ(name.CStr(), "");
    EXPECT_STREQ(extractContext("ctx = Etude", name, "std", &count), "std") << "case-sensitive";
    EXPECT_STREQ(extractContext("CTX = .x", name, "std", &count), "std");
    EXPECT_EQ(count, 0);
    EXPECT_EQ(extractContext(nullptr, name, nullptr, &count), nullptr);
    EXPECT_EQ(count, 0);
}
