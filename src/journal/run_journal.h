// One run's journal on disk, a folder below the journal folder named by the run's number:
//   changes.txt  its state on the first line ("etat: en cours", "etat: termine" or "etat: annule"),
//                then one change per line, oldest first (see change.h);
//   undo.reg     the registry before-images, newest change first, which reg import restores;
//   N.avant      the bytes of a file the run's Nth change replaced or deleted.
// Every file of the journal is written whole (temporary file, then rename) and made durable
// before the change it describes is made.
#pragma once

#include "journal/change.h"

#include <string>
#include <vector>

namespace journal {

enum class RunState { Unfinished, Complete, Undone };

// How many runs the journal folder keeps; older ones are removed when a new run starts.
constexpr std::size_t keptRuns = 20;

class RunJournal {
public:
    RunJournal() = default;

    // Starts a new run below journalFolder (created when missing): the next number, state
    // unfinished, then removes the oldest runs beyond keptRuns. False when it cannot be written.
    bool create(const std::string &journalFolder);
    // Reads the run of runFolder; false when it has no readable list of changes.
    bool load(const std::string &runFolder);
    // Whether the list of changes of runFolder begins with the unfinished state: a look at its
    // first line only, without the copies of files that load reads.
    static bool isUnfinished(const std::string &runFolder);

    // Appends one change (with, for a file it replaces or deletes, its present bytes in
    // change.before) and makes the journal durable. False when it could not be written.
    bool record(const Change &change);
    bool setState(RunState state);

    const std::string &folder() const { return folder_; }
    RunState state() const { return state_; }
    const std::vector<Change> &changes() const { return changes_; }
    // The copy of the bytes a file had before change number index (0-based).
    std::string beforeCopyPath(std::size_t index) const;

    // The run folders below journalFolder, oldest first.
    static std::vector<std::string> listRuns(const std::string &journalFolder);

private:
    bool writeList() const;
    bool writeUndoFile() const;

    std::string folder_;
    RunState state_ = RunState::Unfinished;
    std::vector<Change> changes_;
};

} // namespace journal
