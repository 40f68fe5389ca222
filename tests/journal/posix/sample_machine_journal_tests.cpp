// The Linux program on copies of the sample machine: OK then undo gives back every registry value
// and file for each host (undo.reg imported as reg import would does it too), and a run killed after
// any of its changes is rolled back by the next start, after which OK gives the uninterrupted run's
// machine. The programs' own Veltra folder and the launcher's record are left out of comparisons.
#include "journal/undo.h"
#include "platform/reg_file.h"
#include "vars/own_data.h"
#include "support/posix/fresh_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

using Snapshot = std::map<std::string, std::string>; // registry value or file -> its content

const char *const okCommands[] = {"host 1\nautoload on\nok\n", "host 2\nautoload on\nok\n",
                                  "host 3\nautoload on\nok\n", "host 4\nautoload on\nok\n"};

std::string fileBytes(const fs::path &path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void flatten(const regtree::Key &key, const std::string &path, Snapshot &out) {
    out["reg " + path] = "<key>";
    for (const regtree::Value &value : key.values()) {
        std::string name(value.name.begin(), value.name.end());
        out["reg " + path + " [" + name + "]"] =
            std::to_string(value.type) + ":" + std::string(value.data.begin(), value.data.end());
    }
    for (const auto &subkey : key.subkeys())
        flatten(*subkey, path + "\\" + std::string(subkey->name().begin(), subkey->name().end()), out);
}

// What differs between two machines: the registry values and files missing, added or changed.
std::vector<std::string> differences(const Snapshot &actual, const Snapshot &expected) {
    std::vector<std::string> found;
    for (const auto &[what, content] : actual)
        if (expected.count(what) == 0 || expected.at(what) != content)
            found.push_back(what);
    for (const auto &[what, content] : expected)
        if (actual.count(what) == 0)
            found.push_back("missing " + what);
    return found;
}
using Differences = std::vector<std::string>;

Snapshot registryOf(const std::string &regBytes) {
    regtree::Key root;
    EXPECT_TRUE(regfile::readRegFile(regBytes, root, "registry"));
    Snapshot values;
    flatten(root, "", values);
    return values;
}

class SampleMachineJournal : public ::testing::Test {
protected:
    void SetUp() override {
        work = freshTestFolder("veltra-journal");
        ASSERT_FALSE(work.empty());
        const std::string copy = "'" VELTRA_SAMPLES_DIR "/copy-machine' '" + work + "/template'";
        ASSERT_EQ(std::system(copy.c_str()), 0);
    }
    void TearDown() override {
        unsetenv("VELTRA_ROOT");
        fs::remove_all(work);
    }

    std::string freshMachine(const std::string &name) {
        fs::copy(work + "/template", work + "/" + name, fs::copy_options::recursive);
        return work + "/" + name;
    }
    // Runs the program on machine with these console commands (killed after its Nth change when
    // crashAfter is not 0, stopped after 60 s at most); gives its exit code and its diagnostics.
    int run(const std::string &machine, const std::string &commands, long crashAfter, std::string *errors = nullptr) {
        std::ofstream(work + "/input") << commands;
        std::string command = "VELTRA_ROOT='" + machine +
                              "' VELTRA_PROGRAM='C:\\Program Files\\Veltra\\veltracfg.exe' VELTRA_CRASH_AFTER=" +
                              std::to_string(crashAfter) + " timeout 60 '" VELTRA_PROGRAM_BINARY "' < '" + work +
                              "/input' > '" + work + "/output' 2> '" + work + "/errors'";
        int status = std::system(command.c_str());
        if (errors != nullptr)
            *errors = fileBytes(work + "/errors");
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    static Snapshot snapshot(const std::string &machine) {
        Snapshot found = registryOf(fileBytes(machine + "/registry.reg"));
        for (const auto &entry : fs::recursive_directory_iterator(machine + "/drive_c")) {
            std::string path = entry.path().string().substr(machine.size());
            if (path.find("/AppData/Local/Veltra") == std::string::npos && entry.path().filename() != "lanceurcad.txt")
                found["file " + path] = entry.is_directory() ? "<folder>" : fileBytes(entry.path());
        }
        return found;
    }
    // Undo and recovery are run in this process, on the machine of VELTRA_ROOT.
    static std::string journalOf(const std::string &machine) {
        setenv("VELTRA_ROOT", machine.c_str(), 1);
        return journalFolder();
    }

    std::string work;
};

TEST_F(SampleMachineJournal, OkThenUndoGivesBackTheMachineForEachHost) {
    Snapshot before = snapshot(work + "/template");
    for (int host = 0; host < 4; ++host) {
        SCOPED_TRACE(okCommands[host]);
        std::string machine = freshMachine("host" + std::to_string(host));
        ASSERT_EQ(run(machine, okCommands[host], 0), 0);
        EXPECT_NE(differences(snapshot(machine), before), Differences());

        // The run's undo.reg, applied as reg import would, gives back the registry alone.
        std::string journal = journalOf(machine);
        regtree::Key imported;
        ASSERT_TRUE(regfile::readRegFile(fileBytes(machine + "/registry.reg"), imported, "after"));
        std::string undoFile = journal.substr(journal.find("\\Users")) + "\\000001\\undo.reg";
        std::replace(undoFile.begin(), undoFile.end(), '\\', '/');
        ASSERT_TRUE(regfile::readRegFile(fileBytes(machine + "/drive_c" + undoFile), imported, "undo.reg"));
        Snapshot registryAfterImport;
        flatten(imported, "", registryAfterImport);
        Snapshot registryBefore = registryOf(fileBytes(work + "/template/registry.reg"));
        EXPECT_EQ(differences(registryAfterImport, registryBefore), Differences());

        journal::UndoReport undo = journal::undoLatest(journal);
        EXPECT_TRUE(undo.found);
        EXPECT_EQ(undo.conflicts, std::vector<std::string>());
        EXPECT_EQ(differences(snapshot(machine), before), Differences());
        EXPECT_TRUE(journal::undoLatest(journal).alreadyUndone);
    }
}

TEST_F(SampleMachineJournal, AKilledRunIsRolledBackAtTheNextStartForEveryChange) {
    Snapshot before = snapshot(work + "/template");
    std::string cancelled = freshMachine("cancelled");
    ASSERT_EQ(run(cancelled, "cancel\n", 0), 1);
    Snapshot afterCancel = snapshot(cancelled);
    std::string uninterrupted = freshMachine("uninterrupted");
    ASSERT_EQ(run(uninterrupted, okCommands[0], 0), 0);
    Snapshot afterOk = snapshot(uninterrupted);

    const std::string runList = "drive_c/Users/Utilisateur/AppData/Local/Veltra/journal/000001/changes.txt";
    int recovered = 0;   // runs that were cut short after their journal began
    int afterTheEnd = 0; // runs killed after their last change
    long crashAfter = 1;
    for (; crashAfter < 5000; ++crashAfter) {
        SCOPED_TRACE("killed after change " + std::to_string(crashAfter));
        std::string machine = freshMachine("crash" + std::to_string(crashAfter));
        int code = run(machine, okCommands[0], crashAfter);
        if (code == 0)
            break; // the whole run has fewer changes
        ASSERT_EQ(code, 137);
        if (fileBytes(machine + "/" + runList).rfind("etat: termine", 0) == 0) {
            ++afterTheEnd; // killed while marking its journal complete: the run had ended
            continue;
        }
        std::string errors;
        if (crashAfter % 2 == 1) { // recovery as the first thing any start does
            recovered += journal::recoverUnfinishedRuns(journalOf(machine));
            EXPECT_EQ(differences(snapshot(machine), before), Differences());
        } else { // the program's own start, cancelled at once
            EXPECT_EQ(run(machine, "cancel\n", 0, &errors), 1);
            recovered += errors.find("Reprise apres interruption : changements de <") != std::string::npos;
            EXPECT_EQ(differences(snapshot(machine), afterCancel), Differences());
        }
        EXPECT_EQ(run(machine, okCommands[0], 0, &errors), 0);
        EXPECT_EQ(errors.find("Reprise"), std::string::npos);
        EXPECT_EQ(differences(snapshot(machine), afterOk), Differences());
        fs::remove_all(machine);
    }
    EXPECT_GT(crashAfter, 40);
    EXPECT_GT(recovered, crashAfter - 10);
    EXPECT_LE(afterTheEnd, 1);
    EXPECT_LT(crashAfter, 5000);
}

} // namespace
