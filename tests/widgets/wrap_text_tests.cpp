// WrapText: line ends, and the break at a blank after a sentence (the hard break past twice the
// width is checked through ShowMessage).
#include "core/text_string.h"
#include "widgets/wrap_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string wrapped(const std::string &text) {
    TextString string(text.c_str());
    return WrapText(string, -1);
}

TEST(WrapTextTest, AfterADotTheFirstBlankAtTheWidthBecomesALineBreak) {
    // Without a dot, blanks past the width stay.
    std::string words = "aaaa bbbb cccc dddd eeee ffff gggg hhhh iiii jjjj kkkk llll";
    EXPECT_EQ(wrapped(words), words);

    // The dot arms the break (it takes no column); the blank after the a's is at column 50.
    std::string sentence = "Fin. " + std::string(46, 'a') + " suite suite";
    EXPECT_EQ(wrapped(sentence), "Fin. " + std::string(46, 'a') + "\r\nsuite suite");
    EXPECT_EQ(wrapped("Fin. " + std::string(45, 'a') + " suite"), "Fin. " + std::string(45, 'a') + " suite");

    // The flag is cleared by the break: the next blank past the width no longer breaks.
    std::string twoLines = "A. " + std::string(48, 'b') + " " + std::string(55, 'c') + " d";
    EXPECT_EQ(wrapped(twoLines), "A. " + std::string(48, 'b') + "\r\n" + std::string(55, 'c') + " d");
}

TEST(WrapTextTest, LineFeedsBecomeCrLfAndResetTheColumn) {
    EXPECT_EQ(wrapped("un\r\ndeux\rtrois\n"), "un\r\ndeuxtrois\r\n");
    std::string line(90, 'z');
    EXPECT_EQ(wrapped(line + "\n" + line), line + "\r\n" + line);
    EXPECT_EQ(wrapped(""), "");
}

} // namespace
