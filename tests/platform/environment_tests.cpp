// Environment references expanded by the operating-system layer.
#include "platform/environment.h"

#include "support/test_machine.h"

#include <string>

namespace {

std::string expand(const char *text) {
    char buffer[400];
    unsigned long needed = os::expandEnvironmentStrings(text, buffer, sizeof buffer);
    EXPECT_GT(needed, 0u) << text;
    EXPECT_EQ(needed, std::string(buffer).size() + 1) << text;
    return buffer;
}

class EnvironmentTest : public ::testing::Test {
protected:
    void SetUp() override {
        test_machine::setVariable("VELTRA_TEST_DIR", "C:\\Donn\xE9"
                                                     "es");
    }
    void TearDown() override { test_machine::setVariable("VELTRA_TEST_DIR", nullptr); }
};

TEST_F(EnvironmentTest, ReferencesExpandWithoutRegardToCase) {
    EXPECT_EQ(expand("%VELTRA_TEST_DIR%\\x"), "C:\\Donn\xE9"
                                              "es\\x");
    EXPECT_EQ(expand("[%veltra_test_dir%][%Veltra_Test_Dir%]"), "[C:\\Donn\xE9"
                                                                "es][C:\\Donn\xE9"
                                                                "es]");
    EXPECT_EQ(expand("no reference"), "no reference");
    EXPECT_EQ(expand(""), "");
}

TEST_F(EnvironmentTest, UnknownReferencesAndLoneSignsStay) {
    EXPECT_EQ(expand("%VELTRA_NO_SUCH_VARIABLE%\\x"), "%VELTRA_NO_SUCH_VARIABLE%\\x");
    EXPECT_EQ(expand("100% sure"), "100% sure");
    EXPECT_EQ(expand("%VELTRA_TEST_DIR"), "%VELTRA_TEST_DIR");
    EXPECT_EQ(expand("%VELTRA_NO_SUCH_VARIABLE%VELTRA_TEST_DIR%"),
              "%VELTRA_NO_SUCH_VARIABLE%VELTRA_TEST_DIR%");
}

TEST_F(EnvironmentTest, ShortBufferGetsNothingButTheNeededSize) {
    char buffer[8] = "garbage";
    unsigned long needed = os::expandEnvironmentStrings("%VELTRA_TEST_DIR%", buffer, sizeof buffer);
    EXPECT_EQ(needed, std::string("C:\\Donn\xE9"
                                  "es")
                              .size() +
                          1);
    EXPECT_STREQ(buffer, "");
    EXPECT_EQ(os::expandEnvironmentStrings("%VELTRA_TEST_DIR%", nullptr, 0), needed);
}

} // namespace
