// veltractl undo: takes back the newest journaled run, or every run with --all, newest first; with
// --preview, lists what would be put back without changing anything.
#include "ctl/ctl_commands.h"
#include "ctl/ctl_output.h"
#include "ctl/veltractl.h"
#include "journal/change.h"
#include "journal/run_journal.h"
#include "journal/undo.h"
#include "vars/own_data.h"

#include <algorithm>

namespace {

// The runs undo takes back, newest first: those not undone yet, all of them or the newest one.
std::vector<journal::RunJournal> runsToUndo(const std::string &folder, bool allRuns) {
    std::vector<journal::RunJournal> runs;
    std::vector<std::string> names = journal::RunJournal::listRuns(folder);
    for (auto name = names.rbegin(); name != names.rend(); ++name) {
        journal::RunJournal run;
        if (!run.load(*name))
            continue;
        if (!allRuns && run.state() == journal::RunState::Undone)
            break; // the newest run is undone already: a second undo does nothing
        if (run.state() != journal::RunState::Undone)
            runs.push_back(run);
        if (!allRuns)
            break;
    }
    return runs;
}

} // namespace

int undo(const CtlOptions &options) {
    const std::vector<journal::RunJournal> runs = runsToUndo(journalFolder(), options.allRuns);
    if (options.preview) {
        // What each run changed, newest change first: the order in which undo puts things back.
        std::vector<journal::Change> changes;
        for (const journal::RunJournal &run : runs)
            changes.insert(changes.end(), run.changes().rbegin(), run.changes().rend());
        printChanges(changes, options.json);
        return ctlDone;
    }
    Json report = Json::array();
    std::string text;
    int result = ctlDone;
    for (const journal::RunJournal &run : runs) {
        journal::UndoReport undone = journal::undoRun(run.folder());
        Json conflicts = Json::array();
        for (const std::string &conflict : undone.conflicts) {
            printError("conflit, laiss\xE9 tel quel : " + conflict);
            conflicts.push_back(utf8Of(conflict));
            result = ctlChangeFailed;
        }
        report.push_back({{"run", utf8Of(run.folder())}, {"restored", undone.restored}, {"conflicts", conflicts}});
        text += "Annul\xE9 : " + run.folder() + " (" + std::to_string(undone.restored) + " restaur\xE9s, " +
                std::to_string(undone.conflicts.size()) + " conflits)\n";
    }
    if (options.json)
        printJson({{"undone", report}, {"exitCode", result}});
    else
        printText(text.empty() ? std::string("Rien \xE0 annuler\n") : text);
    return result;
}
