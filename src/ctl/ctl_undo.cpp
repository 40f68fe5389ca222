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

// The runs undo takes back, newest first: those not undone yet, all of them or the newest one. A
// run whose journal cannot be read is reported and left as it is; without --all it still counts as
// the newest, so that no older run is taken back in its place.
std::vector<journal::RunJournal> runsToUndo(const std::string &folder, bool allRuns, bool &unreadable) {
    std::vector<journal::RunJournal> runs;
    std::vector<std::string> names = journal::RunJournal::listRuns(folder);
    for (auto name = names.rbegin(); name != names.rend(); ++name) {
        journal::RunJournal run;
        if (!run.load(*name)) {
            printError("journal illisible, laiss\xE9 tel quel : " + *name);
            unreadable = true;
        } else if (run.state() != journal::RunState::Undone) {
            runs.push_back(run);
        }
        if (!allRuns)
            break; // the newest run only: when it is undone already, a second undo does nothing
    }
    return runs;
}

} // namespace

int undo(const CtlOptions &options) {
    bool unreadable = false;
    const std::vector<journal::RunJournal> runs = runsToUndo(journalFolder(), options.allRuns, unreadable);
    int result = unreadable ? ctlChangeFailed : ctlDone;
    if (options.preview) {
        // What each run changed, newest change first: the order in which undo puts things back.
        std::vector<journal::Change> changes;
        for (const journal::RunJournal &run : runs)
            changes.insert(changes.end(), run.changes().rbegin(), run.changes().rend());
        printChanges(changes, options.json);
        return result;
    }
    Json report = Json::array();
    std::string text;
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
