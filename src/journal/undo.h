// Taking a run back: its before-images restored, newest change first. A value, key, file or
// folder that someone changed after the run (it no longer holds what the run left there) is kept
// as it is and reported as a conflict, never overwritten.
#pragma once

#include <string>
#include <vector>

namespace journal {

struct UndoReport {
    bool found = false;         // the run exists and its journal could be read
    bool alreadyUndone = false; // it was undone before: nothing was done
    std::string run;            // the run's folder
    int restored = 0;           // before-images put back
    std::vector<std::string> conflicts; // what was left as someone changed it, one line each
};

// Undoes the run of runFolder and marks it undone.
UndoReport undoRun(const std::string &runFolder);
// Undoes the newest run of the journal folder (nothing when it is undone already).
UndoReport undoLatest(const std::string &journalFolder);
// Rolls back every run of the journal folder that did not end, newest first, each announced by
// one diagnostic line. An interrupted recovery leaves the run unfinished, to be done again.
// Returns how many runs were rolled back.
int recoverUnfinishedRuns(const std::string &journalFolder);

} // namespace journal
