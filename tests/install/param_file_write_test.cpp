// Writing parameter files: the quoted form, the block layout, the exact bytes on disk, and the
// round trip of generated trees.
#include "param_tree_text.h"
#include "support/test_machine.h"

#include "core/text_functions.h"
#include "install/memory_stream.h"
#include "install/param_file.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>

namespace {

std::string written(const ParamNode &root) {
    MemoryOutput out;
    EXPECT_EQ(ParamFile::WriteChildren(root, out), 1);
    return out.text();
}

// P = V with children K1 = 1 and K2 = 2, the second holding a grandchild.
std::unique_ptr<ParamNode> sampleTree() {
    auto root = std::make_unique<ParamNode>(nullptr, nullptr);
    auto *p = new ParamNode("P", "V");
    p->AddChildBack(new ParamNode("K1", 1));
    auto *k2 = new ParamNode("K2", "2");
    k2->AddChildBack(new ParamNode("G", "a \"b\" c:\\d"));
    p->AddChildBack(k2);
    root->AddChildBack(p);
    root->AddChildBack(new ParamNode("Q", nullptr));
    return root;
}

const char *const kSampleText = "\"P\" = \"V\"\n"
                                "+\n"
                                "\t\"K1\" = \"1\"\n"
                                "\t\"K2\" = \"2\"\n"
                                "\t+\n"
                                "\t\t\"G\" = \"a \\\"b\\\" c:\\\\d\"\n"
                                "\t-\n"
                                "-\n"
                                "\"Q\" = X\n";

// Builds random trees whose texts use every byte but NUL, with the format's own characters
// (quotes, backslashes, marks, comments, blanks and line ends) much more often than the rest.
class TreeGenerator {
public:
    explicit TreeGenerator(unsigned seed) : random(seed) {}

    std::unique_ptr<ParamNode> tree() {
        auto root = std::make_unique<ParamNode>(nullptr, nullptr);
        addChildren(*root, 0);
        return root;
    }

private:
    void addChildren(ParamNode &parent, int depth) {
        int count = depth == 0 ? pick(1, 6) : pick(0, 4 - depth);
        for (int i = 0; i < count; ++i) {
            std::string name = text(), value = text();
            auto *child = new ParamNode(pick(0, 20) == 0 ? nullptr : name.c_str(),
                                        pick(0, 20) == 0 ? nullptr : value.c_str());
            if (depth < 4)
                addChildren(*child, depth + 1);
            parent.AddChildBack(child);
        }
    }

    std::string text() {
        static const char kSpecial[] = "\"\\#+-=\t\n\r \v\f X9.";
        std::string result;
        for (int length = pick(0, 8); length > 0; --length) {
            result += pick(0, 1) == 0 ? kSpecial[pick(0, sizeof kSpecial - 2)] : static_cast<char>(pick(1, 255));
        }
        return result;
    }

    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }

    std::mt19937 random;
};

std::string printable(const char *text) {
    return text ? '"' + std::string(text) + '"' : "null";
}

// Where the tree read back differs from the tree written ("" when it does not): the same names
// and values, null texts coming back as X, and the same nesting.
std::string firstDifference(NodeList written, NodeList read, const std::string &where = "") {
    int index = 0;
    for (; written && read; written = written->next, read = read->next, ++index) {
        const ParamNode &w = *ParamNodeOf(written);
        const ParamNode &r = *ParamNodeOf(read);
        std::string at = where + "/" + std::to_string(index);
        if (!StrEqual(w.Name() ? w.Name() : "X", r.Name()))
            return at + " name " + printable(w.Name()) + " read as " + printable(r.Name());
        if (!StrEqual(w.Value() ? w.Value() : "X", r.Value()))
            return at + " value " + printable(w.Value()) + " read as " + printable(r.Value());
        std::string below = firstDifference(w.Children(), r.Children(), at);
        if (!below.empty())
            return below;
    }
    if (written || read)
        return where + "/" + std::to_string(index) + (written ? " missing" : " extra");
    return "";
}

using ParamFileOnDisk = TestMachine;

} // namespace

TEST(ParamFileWrite, EntriesAndBlocks) {
    EXPECT_EQ(written(*sampleTree()), kSampleText);
}

TEST(ParamFileRoundTrip, GeneratedTreesInMemory) {
    for (unsigned seed = 1; seed <= 400; ++seed) {
        auto tree = TreeGenerator(seed).tree();
        std::string text = written(*tree);
        MemoryInput in(text);
        ParamNode back(nullptr, nullptr);
        ASSERT_EQ(ParamFile::ReadChildren(back, in), 1) << "seed " << seed;
        ASSERT_EQ(firstDifference(tree->Children(), back.Children()), "") << "seed " << seed << "\n" << text;
    }
}
