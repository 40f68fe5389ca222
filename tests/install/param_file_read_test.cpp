// Reading parameter files: the grammar with its quirks, and what is kept and reported after a
// reading error.
#include "diagnostic_capture.h"
#include "param_tree_text.h"

#include "install/memory_stream.h"
#include "install/param_file.h"

#include <gtest/gtest.h>

namespace {

struct ReadResult {
    int status;
    std::string tree;
    std::string diagnostics;
};

ReadResult readText(const std::string &text) {
    DiagnosticCapture capture;
    MemoryInput in(text);
    ParamNode root("root", "keep");
    int status = ParamFile::ReadChildren(root, in);
    EXPECT_STREQ(root.Value(), "keep");
    return {status, treeText(root.Children()), capture.text()};
}

std::string treeOf(const std::string &text) {
    ReadResult result = readText(text);
    EXPECT_EQ(result.status, 1) << text;
    EXPECT_EQ(result.diagnostics, "") << text;
    return result.tree;
}

} // namespace

TEST(ParamFileRead, NamesAndValues) {
    EXPECT_EQ(treeOf("a = 1"), "a=1");
    EXPECT_EQ(treeOf("a = 1990 b = -9.5"), "a=1990,b=-9.5");
    EXPECT_EQ(treeOf("a=1"), "a=1=");
    EXPECT_EQ(treeOf("\"a\"=\"1\""), "a=1");
    EXPECT_EQ(treeOf("a"), "a=");
    EXPECT_EQ(treeOf("a b = c\n\n\t d =\n e"), "a=,b=c,d=e");
    EXPECT_EQ(treeOf(""), "");
    EXPECT_EQ(treeOf("  \r\n# nothing\n"), "");
}

TEST(ParamFileRead, Blocks) {
    EXPECT_EQ(treeOf("P = V\n+\n\tK1 = 1\n\tK2 = 2\n-\nQ = 3"), "P=V[K1=1,K2=2],Q=3");
    EXPECT_EQ(treeOf("a + b + c - d - e"), "a=[b=[c=],d=],e=");
    EXPECT_EQ(treeOf("a+b-c"), "a+b-c=");
    EXPECT_EQ(treeOf("a + - b"), "a=,b=");
    // A comment before the closing '-' makes that '-' a name; the block runs to the next '-'.
    EXPECT_EQ(treeOf("P\n+\nK = 1\n# c\n-\nL\n-\nQ"), "P=[K=1,-=,L=],Q=");
    // A second block after the same entry: its '+' is the name of the next entry.
    EXPECT_EQ(treeOf("P\n+\nK\n-\n+\nQ\n-"), "P=[K=],+=,Q=,-=");
    // A block left open by the end of the input ends there.
    EXPECT_EQ(treeOf("P + K = 1 + L"), "P=[K=1[L=]]");
}

TEST(ParamFileRead, AMissingValueEndsTheReadingWithItsDiagnostic) {
    const struct {
        const char *text;
        int status;
        const char *tree, *diagnostics;
    } cases[] = {
        // after the first entry: what was read is shown, and the reading failed
        {"b = 2 + c = 3 - a =", 0, "b=2[c=3]",
         "Erreur de lecture de la valeur de a\n"
         "Erreur apres : \n"
         "\"b\" = \"2\"\n+\n\t\"c\" = \"3\"\n-\n\n"},
        {"a =", 1, "", "Erreur de lecture de la valeur de a\n"},
        // inside a block the entry is kept
        {"P + K = # nothing follows", 1, "P=[K=(null)]", "Erreur de lecture de la valeur de K\n"},
    };
    for (const auto &c : cases) {
        ReadResult result = readText(c.text);
        EXPECT_EQ(result.status, c.status) << c.text;
        EXPECT_EQ(result.tree, c.tree) << c.text;
        EXPECT_EQ(result.diagnostics, c.diagnostics) << c.text;
    }
}

TEST(ParamFileRead, DeepNestingDoesNotExhaustTheStack) {
    const int depth = 200000;
    std::string text;
    for (int i = 0; i < depth; ++i)
        text += "a + ";
    MemoryInput in(text);
    ParamNode root(nullptr, nullptr);
    EXPECT_EQ(ParamFile::ReadChildren(root, in), 1);
    int levels = 0;
    for (NodeList cell = root.Children(); cell; cell = ParamNodeOf(cell)->Children())
        ++levels;
    EXPECT_EQ(levels, depth);
}
