// The log file of both programs on copies of the sample machine: what a run writes to it (its
// first line, the standard error stream's lines unchanged, its outcome), and rotation past 1 MB.
#include "core/version.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const std::string ownData = "/drive_c/Users/Utilisateur/AppData/Local/Veltra/";

std::string bytesOf(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::vector<std::string> linesOf(const std::string &text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

class RunLogTest : public ::testing::Test {
protected:
    void SetUp() override {
        char folder[] = "/tmp/veltra-log-XXXXXX";
        ASSERT_NE(mkdtemp(folder), nullptr);
        root = folder;
        ASSERT_EQ(std::system(("'" VELTRA_SAMPLES_DIR "/copy-machine' '" + root + "/m' >/dev/null").c_str()), 0);
        root += "/m";
    }
    void TearDown() override { fs::remove_all(fs::path(root).parent_path()); }

    // Runs program with arguments and console input on the machine (at most 60 s): its exit code;
    // what it wrote to the standard error stream goes to stderrText.
    int run(const char *program, const std::string &arguments, const std::string &input = "") {
        std::ofstream(root + "/../in") << input;
        std::string command = "cd '" + root + "/..' && VELTRA_ROOT='" + root +
                              "' VELTRA_PROGRAM='C:\\Program Files\\Veltra\\" + fs::path(program).filename().string() +
                              ".exe' VELTRA_ADMIN=0 timeout 60 '" + program + "' " + arguments + " <in >/dev/null 2>err";
        int status = std::system(command.c_str());
        stderrText = bytesOf(root + "/../err");
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    // The log's lines of one run: its first line, stderrText's lines with CR LF, its last line.
    void expectRun(const std::vector<std::string> &log, std::size_t first, const std::string &program,
                   const std::string &arguments, const std::string &outcome) {
        ASSERT_GE(log.size(), first + 2);
        std::regex head("\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d " + program + " " VELTRA_VERSION
                        ", processus \\d+, ligne de commande <[^>]*" + program + arguments +
                        ">, Windows 64 bits, utilisateur standard\r");
        EXPECT_TRUE(std::regex_match(log[first], head)) << log[first];
        std::vector<std::string> copied = linesOf(stderrText);
        ASSERT_GE(log.size(), first + copied.size() + 2);
        for (std::size_t index = 0; index < copied.size(); ++index)
            EXPECT_EQ(log[first + 1 + index], copied[index] + "\r");
        std::string last = log[first + 1 + copied.size()];
        EXPECT_TRUE(std::regex_match(last, std::regex("[-0-9]{10} [:0-9]{8} fin : " + outcome + "\r"))) << last;
    }

    std::string root;
    std::string stderrText;
};

TEST_F(RunLogTest, EachRunOfEitherProgramAddsItsLinesAndOutcome) {
    ASSERT_EQ(run(VELTRACFG, "", "host 2\nok\n"), 0);
    std::string afterOk = stderrText;
    ASSERT_EQ(run(VELTRACFG, "", "cancel\n"), 1);
    std::string afterCancel = stderrText;
    ASSERT_EQ(run(VELTRACTL, "deploy --host nulle-part"), 2);
    EXPECT_NE(stderrText.find("veltractl"), std::string::npos);

    std::vector<std::string> log = linesOf(bytesOf(root + ownData + "veltracfg.log"));
    std::size_t okLines = linesOf(afterOk).size(), cancelLines = linesOf(afterCancel).size();
    ASSERT_EQ(log.size(), okLines + cancelLines + linesOf(stderrText).size() + 6);
    std::string ctlText = stderrText;
    stderrText = afterOk;
    expectRun(log, 0, "veltracfg", "", "OK, code de sortie 0, journal C:\\\\Users\\\\Utilisateur\\\\AppData\\\\Local"
                                        "\\\\Veltra\\\\journal\\\\000001");
    stderrText = afterCancel;
    expectRun(log, okLines + 2, "veltracfg", "", "Annuler, code de sortie 1, journal .*");
    stderrText = ctlText;
    expectRun(log, okLines + cancelLines + 4, "veltractl", " deploy --host nulle-part",
              "ligne de commande ou choix refuse, code de sortie 2");
}

TEST_F(RunLogTest, ALogPastOneMegabyteIsRenamedBeforeTheRunWrites) {
    const std::string log = root + ownData + "veltracfg.log", older = root + ownData + "veltracfg.1.log";
    fs::create_directories(root + ownData);
    std::string full(1024 * 1024, 'x');
    std::ofstream(log, std::ios::binary) << full;
    ASSERT_EQ(run(VELTRACTL, "languages"), 0);
    EXPECT_FALSE(fs::exists(older)) << "a log of 1 MB exactly is kept";
    std::string pastLimit = bytesOf(log);
    ASSERT_EQ(pastLimit.substr(0, full.size()), full);

    std::ofstream(older, std::ios::binary) << "the oldest, dropped";
    ASSERT_EQ(run(VELTRACTL, "languages"), 0);
    EXPECT_EQ(bytesOf(older), pastLimit);
    std::vector<std::string> fresh = linesOf(bytesOf(log));
    EXPECT_EQ(fresh.size(), linesOf(stderrText).size() + 2);
    expectRun(fresh, 0, "veltractl", " languages", "OK, code de sortie 0");
}

} // namespace
