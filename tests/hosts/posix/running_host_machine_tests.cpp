// The running-host guard of the dialog on a copy of the sample machine, the host listed in
// processes.txt as a person writes it: OK asks to close the host and checks again on OK, deploying
// nothing until it is closed.
#include "support/posix/sample_copy.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

namespace {

const char *const acad2024 = "c:/PROGRAM FILES/autodesk/AutoCAD 2024/ACAD.EXE\r\n";
const char *const message = "Application CAO ouverte\nAutoCAD 2024 FRA";

std::size_t occurrences(const std::string &text, const std::string &what) {
    std::size_t count = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++count;
    return count;
}

TEST(RunningHost, TheDialogsOkChecksAgainAndDeploysOnceTheHostIsClosed) {
    SampleCopy machine(VELTRA_SAMPLES_DIR);
    const std::string processes = machine.root() + "/processes.txt", output = machine.root() + "/../dialog.txt";
    std::ofstream(processes, std::ios::binary) << acad2024;
    std::string command = "VELTRA_ROOT='" + machine.root() +
                          "' VELTRA_PROGRAM='C:\\Program Files\\Veltra\\veltracfg.exe' timeout 60 '" VELTRACFG "' >'" +
                          output + "' 2>/dev/null";
    std::FILE *dialog = popen(command.c_str(), "w");
    ASSERT_NE(dialog, nullptr);
    // Sends a console command, then waits (at most 20 s) until the dialog has printed the message
    // `shown` times in all.
    auto answer = [&](const char *commands, std::size_t shown) {
        std::fputs(commands, dialog);
        std::fflush(dialog);
        for (int wait = 0; wait < 400 && occurrences(machine.bytes("../dialog.txt"), message) < shown; ++wait)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        return occurrences(machine.bytes("../dialog.txt"), message);
    };
    EXPECT_EQ(answer("host 4\nok\n", 1), 1u);
    EXPECT_EQ(answer("ok\n", 2), 2u) << "still running: asked again";
    EXPECT_EQ(machine.run(VELTRACTL, "status --host 4").code, 3) << "nothing deployed meanwhile";
    std::filesystem::remove(processes);
    std::fputs("ok\n", dialog);
    int status = pclose(dialog);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(occurrences(machine.bytes("../dialog.txt"), message), 2u);
    EXPECT_EQ(machine.run(VELTRACTL, "status --host 4").code, 0);
}

} // namespace
