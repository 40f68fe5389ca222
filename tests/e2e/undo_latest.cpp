// The end-to-end tests' way to undo: takes back the newest journaled run of the machine it runs on
// (Wine prefix or sandbox) and prints one line per conflict. Exit code 0 when a run was undone
// without conflict, 1 otherwise.
#include "journal/undo.h"
#include "vars/own_data.h"

#include <cstdio>

int main() {
    journal::UndoReport report = journal::undoLatest(journalFolder());
    for (const std::string &conflict : report.conflicts)
        std::printf("conflit %s\n", conflict.c_str());
    std::printf("%s: %d restaurations\n", report.run.c_str(), report.restored);
    return report.found && !report.alreadyUndone && report.conflicts.empty() ? 0 : 1;
}
