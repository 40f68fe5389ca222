// '$' references: forms, escapes, modifiers, calls, path names, nested values and the depth limit.
#include "core/param_node.h"
#include "core/text_string.h"
#include "vars/variable_expansion.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

// A value list built from name=value pairs, freed with the object.
class Values {
public:
    Values(std::initializer_list<std::pair<const char *, const char *>> pairs) {
        for (const auto &pair : pairs)
            SetTextInList(list, pair.first, pair.second);
    }
    ~Values() { ListClear<ParamNode>(list); }
    Values(const Values &) = delete;
    Values &operator=(const Values &) = delete;

    NodeList list = nullptr;
};

std::string expanded(const char *text, const Values &values) {
    TextString string(text);
    const char *result = ExpandVariables(string, values.list);
    EXPECT_EQ(std::string(string.CStr()), result ? result : string.CStr());
    return string.CStr();
}

} // namespace

TEST(ExpandVariables, TextWithoutReferencesIsLeftAlone) {
    Values none{};
    TextString plain("abc"), empty(nullptr), backslashes("a\\\\b");
    EXPECT_EQ(ExpandVariables(plain, none.list), nullptr);
    EXPECT_EQ(ExpandVariables(empty, none.list), nullptr);
    EXPECT_EQ(ExpandVariables(backslashes, none.list), nullptr);
    EXPECT_STREQ(plain.CStr(), "abc");
    EXPECT_STREQ(backslashes.CStr(), "a\\\\b");
}

TEST(ExpandVariables, ReferenceForms) {
    Values values{{"CurVer", "R18"}};
    EXPECT_EQ(expanded("x/$CurVer/y", values), "x/R18/y");
    EXPECT_EQ(expanded("x/${CurVer}y", values), "x/R18y");
    EXPECT_EQ(expanded("$CurVer.1", values), "R18.1");
    EXPECT_EQ(expanded("$curver", values), "curver");
    EXPECT_EQ(expanded("${Cur Ver}", values), "Cur Ver");
    EXPECT_EQ(expanded("${CurVer", values), "R18");
    EXPECT_EQ(expanded("a$", values), "a");
    EXPECT_EQ(expanded("a$ b", values), "a b");
    EXPECT_EQ(expanded("${}", values), "");
    EXPECT_EQ(expanded("$1", values), "1"); // no numbered list: never found
}

TEST(ExpandVariables, Modifiers) {
    Values values{{"P", "D:\\A\\B"}, {"U", "a/b"}};
    EXPECT_EQ(expanded("${P@1}", values), "D:\\\\A\\\\B");
    EXPECT_EQ(expanded("${P@2}", values), "D:/A/B");
    EXPECT_EQ(expanded("$P@3", values), "D:\\A\\B");
    EXPECT_EQ(expanded("$U@3!", values), "a\\b!");
    EXPECT_EQ(expanded("${P@7}", values), "");
    EXPECT_EQ(expanded("${P@x}", values), "D:\\A\\B");
    EXPECT_EQ(expanded("$P@", values), "D:\\A\\B");
    EXPECT_EQ(expanded("${P@99999999999999999999}", values), "");
    EXPECT_EQ(expanded("${Q\\x@1}", values), "Q\\\\x"); // an absent name stands for itself, modified
}

TEST(ExpandVariables, Escapes) {
    Values values{{"P", "v"}};
    EXPECT_EQ(expanded("\\$P costs \\\\ 5", values), "$P costs \\ 5");
    EXPECT_EQ(expanded("a\\b$P\\", values), "a\\bv\\");
}

TEST(ExpandVariables, CallsProduceNothing) {
    Values values{{"F", "f"}};
    EXPECT_EQ(expanded("${F(1,2)}", values), "");
    EXPECT_EQ(expanded("${F@2(x)}", values), "");
    EXPECT_EQ(expanded("a${F(1)}b", values), "ab");
    EXPECT_EQ(expanded("a${F(})}b", values), "ab");
    EXPECT_EQ(expanded("a${F(1", values), "a");
}

TEST(ExpandVariables, PathNamesAndNestedValues) {
    Values values{{"A", "$B"}, {"B", "1"}, {"k", "K"}};
    ParamNode *k = FindInList(values.list, "k");
    k->AddChildBack(new ParamNode("v", "9"));
    EXPECT_EQ(expanded("${k/v}", values), "9");
    EXPECT_EQ(expanded("$k/v", values), "K/v");
    EXPECT_EQ(expanded("$A", values), "1");
    EXPECT_EQ(expanded("${A@7}$A", values), "1");
}

TEST(ExpandVariables, SelfReferenceStopsAtTheDepthLimit) {
    Values direct{{"A", "x$A"}};
    EXPECT_EQ(expanded("$A", direct), std::string(kMaxExpansionDepth + 1, 'x') + "$A");

    Values cycle{{"A", "$B"}, {"B", "${A}"}};
    EXPECT_EQ(expanded("<$A>", cycle), "<$B>");
}
