// The log file of both programs on copies of the sample machine: what a run writes to it (its
// first line, the standard error stream's lines unchanged, its outcome), and rotation past 1 MB.
#include "core/version.h"
#include "support/posix/sample_copy.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace {

const std::string ownData = "drive_c/Users/Utilisateur/AppData/Local/Veltra/";

std::vector<std::string> linesOf(const std::string &text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// Checks the lines of one run in the log from first on: its first line, the run's standard error
// lines with CR LF, its last line with the outcome. Gives the index after the run.
std::size_t expectRun(const std::vector<std::string> &log, std::size_t first, const std::string &program,
                      const std::string &arguments, const std::string &stderrText, const std::string &outcome) {
    std::vector<std::string> copied = linesOf(stderrText);
    EXPECT_GE(log.size(), first + copied.size() + 2);
    if (log.size() < first + copied.size() + 2)
        return log.size();
    std::regex head("\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d " + program + " " VELTRA_VERSION
                    ", processus \\d+, ligne de commande <[^>]*" + program + arguments +
                    ">, Windows 64 bits, utilisateur standard\r");
    EXPECT_TRUE(std::regex_match(log[first], head)) << log[first];
    for (std::size_t index = 0; index < copied.size(); ++index)
        EXPECT_EQ(log[first + 1 + index], copied[index] + "\r");
    const std::string &last = log[first + 1 + copied.size()];
    EXPECT_TRUE(std::regex_match(last, std::regex("[-0-9]{10} [:0-9]{8} fin : " + outcome + "\r"))) << last;
    return first + copied.size() + 2;
}

TEST(RunLog, EachRunOfEitherProgramAddsItsLinesAndOutcome) {
    SampleCopy machine(VELTRA_SAMPLES_DIR);
    SampleCopy::Outcome ok = machine.run(VELTRACFG, "", "host 2\nok\n");
    SampleCopy::Outcome cancel = machine.run(VELTRACFG, "", "cancel\n");
    SampleCopy::Outcome refused = machine.run(VELTRACTL, "deploy --host nulle-part");
    ASSERT_EQ(ok.code, 0);
    ASSERT_EQ(cancel.code, 1);
    ASSERT_EQ(refused.code, 2);
    ASSERT_NE(refused.err.find("veltractl"), std::string::npos);

    std::vector<std::string> log = linesOf(machine.bytes(ownData + "veltracfg.log"));
    std::size_t next = expectRun(log, 0, "veltracfg", "", ok.err,
                                 "OK, code de sortie 0, journal C:\\\\Users\\\\Utilisateur\\\\AppData\\\\Local\\\\"
                                 "Veltra\\\\journal\\\\000001");
    next = expectRun(log, next, "veltracfg", "", cancel.err, "Annuler, code de sortie 1, journal .*");
    next = expectRun(log, next, "veltractl", " deploy --host nulle-part", refused.err,
                     "ligne de commande ou choix refuse, code de sortie 2");
    EXPECT_EQ(next, log.size());
}

TEST(RunLog, ALogPastOneMegabyteIsRenamedBeforeTheRunWrites) {
    SampleCopy machine(VELTRA_SAMPLES_DIR);
    const std::string log = machine.root() + "/" + ownData + "veltracfg.log";
    const std::string older = machine.root() + "/" + ownData + "veltracfg.1.log";
    std::filesystem::create_directories(machine.root() + "/" + ownData);
    std::string full(1024 * 1024, 'x');
    std::ofstream(log, std::ios::binary) << full;
    ASSERT_EQ(machine.run(VELTRACTL, "languages").code, 0);
    EXPECT_FALSE(std::filesystem::exists(older)) << "a log of 1 MB exactly is kept";
    std::string pastLimit = machine.bytes(ownData + "veltracfg.log");
    ASSERT_EQ(pastLimit.substr(0, full.size()), full);

    std::ofstream(older, std::ios::binary) << "the oldest, dropped";
    SampleCopy::Outcome listed = machine.run(VELTRACTL, "languages");
    ASSERT_EQ(listed.code, 0);
    EXPECT_EQ(machine.bytes(ownData + "veltracfg.1.log"), pastLimit);
    std::vector<std::string> fresh = linesOf(machine.bytes(ownData + "veltracfg.log"));
    EXPECT_EQ(expectRun(fresh, 0, "veltractl", " languages", listed.err, "OK, code de sortie 0"), fresh.size());
}

} // namespace
