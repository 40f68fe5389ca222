// The console dialog of the sandbox, driven by commands as a user or a script would: what it
// prints and the commands of the choice and message dialogs.
#include "core/param_node.h"
#include "platform/posix/console_dialog.h"
#include "widgets/choice_dialog.h"
#include "widgets/message_dialog.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

NodeList makeList(std::initializer_list<std::pair<const char *, const char *>> pairs) {
    NodeList list = nullptr;
    for (const auto &pair : pairs)
        ListPushBack(list, new ParamNode(pair.first, pair.second));
    return list;
}

class ConsoleDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        input = std::tmpfile();
        output = std::tmpfile();
        ASSERT_NE(input, nullptr);
        ASSERT_NE(output, nullptr);
        os::setConsoleStreams(input, output);
    }
    void TearDown() override {
        os::setConsoleStreams(nullptr, nullptr);
        std::fclose(input);
        std::fclose(output);
    }

    // The commands the dialogs will read (UTF-8, one a line).
    void type(const std::string &commands) {
        std::fputs(commands.c_str(), input);
        std::rewind(input);
    }
    // What the dialogs printed so far.
    std::string printed() {
        std::fflush(output);
        std::rewind(output);
        std::string text;
        for (int c; (c = std::fgetc(output)) != EOF;)
            text.push_back(static_cast<char>(c));
        return text;
    }
    const char *choose(NodeList list, int nameFirst = 1, int resultMode = -1) {
        return ChooseFromList("Titre", "Choisissez", list, true, nullptr, nullptr, nameFirst, resultMode);
    }

    std::FILE *input = nullptr;
    std::FILE *output = nullptr;
};

TEST_F(ConsoleDialogTest, FilterTakesUtf8AndAnEmptyFilterShowsAll) {
    type("filter \xC3\xA9t\xC3\xA9\nfilter\ncancel\n");
    EXPECT_EQ(choose(makeList({{"Alpha", "1"}, {"\xE9t\xE9", "2"}})), nullptr);
    std::string text = printed();
    EXPECT_NE(text.find("Choisissez\n*1. \xC3\xA9t\xC3\xA9 : 2\nTitre\n"), std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 28), "*1. Alpha : 1\n 2. \xC3\xA9t\xC3\xA9 : 2\n");
}

} // namespace
