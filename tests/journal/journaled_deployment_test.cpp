// Deployment through the change layer on each family's test machine: the preview lists exactly the
// changes the real run then makes and changes nothing; undoing the real run gives back the
// machine, keeps what a user changed since and reports it; a second undo does nothing.
#include "integration/deployment_machine.h"

#include "files/directory_scanner.h"
#include "journal/change_layer.h"
#include "journal/undo.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct JournalCase {
    const char *row;
    bool use64;
    bool autoload;
};

const JournalCase journalCases[] = {
    {"AutoCAD 2026", true, true},      {"AutoCAD 2015", false, false}, {"Bicscad V19-64b", true, false},
    {"ZWCAD Classic", false, true},    {"ZWCAD 2024", true, true},     {"GstarCAD 2024", false, true},
    {"IntelliCAD 8", false, true},     {"AutoCAD LT 2026", false, false},
};

void PrintTo(const JournalCase &param, std::ostream *out) {
    *out << param.row;
}

class JournaledDeployment : public DeploymentMachine, public testing::WithParamInterface<JournalCase> {
protected:
    void SetUp() override {
        DeploymentMachine::SetUp();
        writeRegistry(initial);
        writeBytes("cfg\\GenAuto\\acad.rx", "old");
        writeBytes("cfg\\Roaming\\AppAutoLoad.app", std::string("\xFF\xFE" "C\0:\0\\\0x\0\r\0\n\0", 14));
    }
    void TearDown() override {
        journal::endRun();
        DeploymentMachine::TearDown();
    }

    // Every file (with its bytes) and folder below the configuration folder.
    std::map<std::string, std::string> files(const std::string &relative = "cfg") const {
        std::map<std::string, std::string> found;
        DirectoryScanner scanner;
        scanner.open(scratchPath(relative).c_str(), false);
        int isFolder = 0;
        for (const char *name = scanner.next(true, &isFolder); name != nullptr; name = scanner.next(true, &isFolder)) {
            std::string path = relative + "\\" + name;
            if (isFolder) {
                found[path] = "<folder>";
                for (const auto &entry : files(path))
                    found.insert(entry);
            } else {
                found[path] = readBytes(path);
            }
        }
        return found;
    }
    std::vector<std::string> deployedChanges(journal::Mode mode) {
        journal::beginRun(mode, scratchPath("journal"));
        const JournalCase &param = GetParam();
        deploy(*hostNode(param.row), param.use64, param.autoload);
        std::vector<std::string> lines;
        for (const journal::Change &change : journal::runChanges())
            lines.push_back(describe(change));
        journal::endRun();
        return lines;
    }
};

TEST_P(JournaledDeployment, PreviewIsTheRealRunAndUndoGivesTheMachineBack) {
    RegistryValues registryBefore = registry();
    auto filesBefore = files();

    std::vector<std::string> preview = deployedChanges(journal::Mode::Preview);
    EXPECT_EQ(registry(), registryBefore);
    EXPECT_EQ(files(), filesBefore);
    std::vector<std::string> real = deployedChanges(journal::Mode::Apply);
    EXPECT_GE(real.size(), 3u);
    EXPECT_EQ(preview, real);
    EXPECT_NE(files(), filesBefore);

    journal::UndoReport undo = journal::undoLatest(scratchPath("journal"));
    EXPECT_TRUE(undo.found);
    EXPECT_EQ(undo.conflicts, std::vector<std::string>());
    // Every change is put back but the launcher's start, which cannot be taken back.
    EXPECT_EQ(undo.restored, static_cast<int>(real.size()) - 1);
    EXPECT_EQ(registry(), registryBefore);
    EXPECT_EQ(files(), filesBefore);
    EXPECT_TRUE(journal::undoLatest(scratchPath("journal")).alreadyUndone);
    EXPECT_EQ(registry(), registryBefore);
}

INSTANTIATE_TEST_SUITE_P(Families, JournaledDeployment, testing::ValuesIn(journalCases));

class JournaledUndo : public JournaledDeployment {};

TEST_P(JournaledUndo, KeepsAValueTheUserChangedSinceAndReportsIt) {
    RegistryValues registryBefore = registry();
    deployedChanges(journal::Mode::Apply);
    writeRegistry({{profile + "General/ACAD", "C:\\Mine"}});
    writeBytes("cfg\\GenAuto\\CmdApp.inf", "edited");

    journal::UndoReport undo = journal::undoLatest(scratchPath("journal"));
    ASSERT_EQ(undo.conflicts.size(), 2u);
    EXPECT_NE(undo.conflicts[0].find("CmdApp.inf"), std::string::npos);
    EXPECT_NE(undo.conflicts[1].find("[ACAD]"), std::string::npos);
    RegistryValues expected = registryBefore;
    expected[profile + "General/ACAD"] = "C:\\Mine";
    EXPECT_EQ(registry(), expected);
    EXPECT_EQ(readBytes("cfg\\GenAuto\\CmdApp.inf"), "edited");
}

TEST_P(JournaledUndo, ReportsAFileWrittenTwiceAndEditedSinceOnceAndKeepsIt) {
    const std::string notes = scratchPath("cfg\\notes.txt");
    journal::beginRun(journal::Mode::Apply, scratchPath("journal"));
    ASSERT_TRUE(journal::writeFile(notes.c_str(), "first"));
    ASSERT_TRUE(journal::writeFile(notes.c_str(), "second"));
    journal::endRun();
    writeBytes("cfg\\notes.txt", "edited");

    journal::UndoReport undo = journal::undoLatest(scratchPath("journal"));
    EXPECT_EQ(undo.conflicts.size(), 1u);
    EXPECT_EQ(undo.restored, 0);
    EXPECT_EQ(readBytes("cfg\\notes.txt"), "edited");
}

INSTANTIATE_TEST_SUITE_P(AutoCad, JournaledUndo, testing::Values(journalCases[0]));

} // namespace
