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

TEST(ExpandVariables, FormsModifiersEscapesCallsAndPaths) {
    Values values{{"CurVer", "R18"}, {"P", "D:\\A\\B"}, {"U", "a/b"}, {"F", "f"},
                  {"A", "$B"},       {"B", "1"},        {"k", "K"}};
    FindInList(values.list, "k")->AddChildBack(new ParamNode("v", "9"));
    const struct {
        const char *text, *expanded;
    } cases[] = {
        // forms
        {"x/$CurVer/y", "x/R18/y"},
        {"x/${CurVer}y", "x/R18y"},
        {"$CurVer.1", "R18.1"},
        {"$curver", "curver"},
        {"${Cur Ver}", "Cur Ver"},
        {"${CurVer", "R18"},
        {"a$", "a"},
        {"a$ b", "a b"},
        {"${}", ""},
        {"$1", "1"}, // no numbered list: never found
        // modifiers
        {"${P@1}", "D:\\\\A\\\\B"},
        {"${P@2}", "D:/A/B"},
        {"$P@3", "D:\\A\\B"},
        {"$U@3!", "a\\b!"},
        {"${P@7}", ""},
        {"${P@x}", "D:\\A\\B"},
        {"$P@", "D:\\A\\B"},
        {"${P@99999999999999999999}", ""},
        {"${Q\\x@1}", "Q\\\\x"}, // an absent name stands for itself, modified
        // escapes
        {"\\$P costs \\\\ 5", "$P costs \\ 5"},
        {"a\\b$F\\", "a\\bf\\"},
        // calls produce nothing
        {"${F(1,2)}", ""},
        {"${F@2(x)}", ""},
        {"a${F(1)}b", "ab"},
        {"a${F(})}b", "ab"},
        {"a${F(1", "a"},
        // path names and nested values
        {"${k/v}", "9"},
        {"$k/v", "K/v"},
        {"$A", "1"},
        {"${A@7}$A", "1"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(expanded(c.text, values), c.expanded) << c.text;
}
