// The message dialog on the console: Cancel ends it with 0 and leaves the next command alone.
#include "platform/posix/console_dialog.h"
#include "widgets/message_dialog.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

TEST(ConsoleMessage, CancelGivesZeroAndUnknownCommandsAreRefused) {
    std::FILE *input = std::tmpfile(), *output = std::tmpfile();
    std::fputs("filter x\ncancel\nok\n", input);
    std::rewind(input);
    os::setConsoleStreams(input, output);
    EXPECT_EQ(ShowMessage(nullptr, "Texte", true, nullptr, nullptr, false), 0);
    EXPECT_EQ(ShowNotice("Info", "Fait", false, nullptr), 1) << "the ok is the notice's";
    os::setConsoleStreams(nullptr, nullptr);
    char printed[200] = {};
    std::rewind(output);
    EXPECT_EQ(std::string(printed, std::fread(printed, 1, sizeof printed - 1, output)),
              "Confirmation\nTexte\nCommande inconnue : filter x\nInfo\nFait\n");
    std::fclose(input);
    std::fclose(output);
}
