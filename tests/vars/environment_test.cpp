// Environment references and folder lists.
#include "core/text_string.h"
#include "support/test_machine.h"
#include "vars/environment.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// An environment variable set for the life of the object.
class ScopedVariable {
public:
    ScopedVariable(const char *name, const char *value) : name(name) {
        test_machine::setVariable(name, value);
    }
    ~ScopedVariable() { test_machine::setVariable(name, nullptr); }
    ScopedVariable(const ScopedVariable &) = delete;
    ScopedVariable &operator=(const ScopedVariable &) = delete;

private:
    const char *name;
};

std::string expandedEnvironment(const char *text) {
    TextString out("previous");
    EXPECT_EQ(ExpandEnvironment(text, out), 1);
    return out.CStr();
}

} // namespace

// The expansion itself (letter case, unknown names, lone signs) is checked on the system call in
// tests/platform; here, what ExpandEnvironment adds: the output text, and expansion in place.
TEST(ExpandEnvironment, ExpandsIntoTheOutputOrInPlace) {
    const std::string folder = "D:\\Donn\xE9"
                               "es"; // code page 1252 survives the round trip through the system
    ScopedVariable variable("VELTRA_TEST_FOLDER", folder.c_str());
    EXPECT_EQ(expandedEnvironment("%veltra_test_Folder%\\x"), folder + "\\x");
    EXPECT_EQ(expandedEnvironment(""), "");
    EXPECT_EQ(expandedEnvironment("%VELTRA_NO_SUCH_VARIABLE%\\x 100%"), "%VELTRA_NO_SUCH_VARIABLE%\\x 100%");
    EXPECT_EQ(expandedEnvironment("%VELTRA_NO_SUCH_VARIABLE%VELTRA_TEST_FOLDER%"),
              "%VELTRA_NO_SUCH_VARIABLE%VELTRA_TEST_FOLDER%");

    TextString own("%VELTRA_TEST_FOLDER%");
    ExpandEnvironment(nullptr, own);
    EXPECT_EQ(own.CStr(), folder);
}

TEST(AddToPathList, ComparesTheExpandedListButKeepsItUnexpanded) {
    ScopedVariable folder("VELTRA_TEST_FOLDER", "E:\\Dir");
    TextString list("d:\\x;%Veltra_Test_Folder%");
    EXPECT_EQ(AddToPathList("e:/DIR", list), 1);
    EXPECT_STREQ(list.CStr(), "d:\\x;%Veltra_Test_Folder%");
    EXPECT_EQ(AddToPathList("%VELTRA_TEST_FOLDER%", list), -1);
    EXPECT_STREQ(list.CStr(), "d:\\x;%Veltra_Test_Folder%;%VELTRA_TEST_FOLDER%");
}
