// Undo and recovery over a run's journal.
#include "journal/undo.h"

#include "journal/key_name.h"
#include "journal/preview_state.h"
#include "journal/run_journal.h"
#include "journal/whole_file_io.h"
#include "platform/diagnostic_output.h"
#include "platform/file_system.h"
#include "platform/registry.h"

#include <set>

namespace journal {

namespace {

constexpr std::uint32_t fullNameAccess = os::keyWow64_64Key; // full names carry their Wow6432Node

// Text data compares without its terminating NULs, which Windows may add or not.
std::string comparable(std::uint32_t type, std::string data) {
    if (type == os::regSz || type == os::regExpandSz)
        while (!data.empty() && data.back() == '\0')
            data.pop_back();
    return data;
}

struct ValueState {
    bool exists = false;
    std::uint32_t type = 0;
    std::string data;
    bool holds(bool present, std::uint32_t otherType, const std::string &other) const {
        return exists == present && (!exists || (type == otherType && comparable(type, data) == comparable(otherType, other)));
    }
};

ValueState presentValue(os::HKey key, const std::string &name) {
    ValueState state;
    std::uint32_t size = 0;
    if (key == nullptr || os::regQueryValueEx(key, name.c_str(), &state.type, nullptr, &size) != os::errorSuccess)
        return state;
    state.data.assign(size, '\0');
    state.exists = os::regQueryValueEx(key, name.c_str(), &state.type,
                                       reinterpret_cast<unsigned char *>(state.data.data()), &size) == os::errorSuccess;
    state.data.resize(size);
    return state;
}

// Whether the key and everything below it hold no value.
bool holdsNoValue(os::HKey key) {
    std::uint32_t subkeys = 0, values = 0, longest = 0;
    if (os::regQueryInfoKey(key, &subkeys, &longest, &values, nullptr, nullptr) != os::errorSuccess || values != 0)
        return false;
    for (std::uint32_t index = 0; index < subkeys; ++index) {
        std::string name(longest + 1, '\0');
        std::uint32_t length = longest + 1;
        os::HKey child = nullptr;
        if (os::regEnumKeyEx(key, index, name.data(), &length) != os::errorSuccess ||
            os::regOpenKeyEx(key, name.c_str(), os::keyRead | fullNameAccess, &child) != os::errorSuccess)
            return false;
        bool empty = holdsNoValue(child);
        os::regCloseKey(child);
        if (!empty)
            return false;
    }
    return true;
}

enum class Outcome { Restored, Unchanged, Conflict };

Outcome undoValue(const Change &change) {
    os::HKey root;
    std::string path;
    os::HKey key = nullptr;
    if (splitKeyName(change.target, root, path))
        os::regOpenKeyEx(root, path.c_str(), os::keyReadWrite | fullNameAccess, &key);
    ValueState present = presentValue(key, change.name);
    Outcome outcome = Outcome::Conflict;
    if (present.holds(change.existedBefore, change.typeBefore, change.before)) {
        outcome = Outcome::Unchanged;
    } else if (key != nullptr && (change.kind == Change::Kind::DeleteValue
                                      ? !present.exists
                                      : present.holds(true, change.typeAfter, change.after))) {
        const auto *data = reinterpret_cast<const unsigned char *>(change.before.data());
        unsigned long result = change.existedBefore
                                   ? os::regSetValueEx(key, change.name.c_str(), change.typeBefore, data,
                                                       static_cast<std::uint32_t>(change.before.size()))
                                   : os::regDeleteValue(key, change.name.c_str());
        if (result == os::errorSuccess && os::regFlushKey(key) == os::errorSuccess)
            outcome = Outcome::Restored;
    }
    if (key != nullptr)
        os::regCloseKey(key);
    return outcome;
}

Outcome undoCreatedKey(const Change &change) {
    os::HKey root;
    std::string path;
    os::HKey key = nullptr;
    if (!splitKeyName(change.target, root, path) ||
        os::regOpenKeyEx(root, path.c_str(), os::keyRead | fullNameAccess, &key) != os::errorSuccess)
        return Outcome::Unchanged;
    bool empty = holdsNoValue(key);
    os::regCloseKey(key);
    if (!empty || os::regDeleteTree(root, path.c_str(), fullNameAccess) != os::errorSuccess)
        return Outcome::Conflict;
    return Outcome::Restored;
}

Outcome putFileBack(const Change &change) {
    bool restored = change.existedBefore ? writeFileBytes(change.target, change.before)
                                         : os::deleteFile(change.target.c_str());
    return restored ? Outcome::Restored : Outcome::Conflict;
}

Outcome undoFile(const Change &change) {
    std::string temporary = temporaryPathOf(change.target);
    if (os::access(temporary.c_str(), 0) == 0)
        os::deleteFile(temporary.c_str()); // left by a write cut short
    std::string present;
    bool exists = readFileBytes(change.target, present);
    if (exists == change.existedBefore && (!exists || present == change.before))
        return Outcome::Unchanged;
    bool holdsWhatRunLeft = change.kind == Change::Kind::WriteFile ? exists && fingerprintOf(present) == change.after
                                                                   : !exists;
    return holdsWhatRunLeft ? putFileBack(change) : Outcome::Conflict;
}

Outcome undoFolder(const Change &change) {
    if (os::access(change.target.c_str(), 0) != 0)
        return Outcome::Unchanged;
    return os::removeDirectory(change.target.c_str()) ? Outcome::Restored : Outcome::Conflict;
}

Outcome undoChange(const Change &change) {
    switch (change.kind) {
    case Change::Kind::SetValue:
    case Change::Kind::DeleteValue: return undoValue(change);
    case Change::Kind::CreateKey: return undoCreatedKey(change);
    case Change::Kind::WriteFile:
    case Change::Kind::DeleteFile: return undoFile(change);
    case Change::Kind::CreateFolder: return undoFolder(change);
    case Change::Kind::StartProgram: break; // a started program cannot be taken back
    }
    return Outcome::Unchanged;
}

// What a conflict is about: one report per value, key, file or folder, the newest change's.
std::string conflictLine(const Change &change) {
    bool value = change.kind == Change::Kind::SetValue || change.kind == Change::Kind::DeleteValue;
    return value ? change.target + " [" + change.name + "]" : change.target;
}

UndoReport rollBack(RunJournal &journal) {
    UndoReport report;
    report.found = true;
    report.run = journal.folder();
    std::set<std::string> conflicted;
    const std::vector<Change> &changes = journal.changes();
    for (auto change = changes.rbegin(); change != changes.rend(); ++change) {
        std::string subject = foldedName(conflictLine(*change));
        if (conflicted.count(subject) != 0)
            continue;
        Outcome outcome = undoChange(*change);
        if (outcome == Outcome::Restored)
            ++report.restored;
        if (outcome == Outcome::Conflict) {
            conflicted.insert(subject);
            report.conflicts.push_back(conflictLine(*change));
        }
    }
    journal.setState(RunState::Undone);
    return report;
}

} // namespace

UndoReport undoRun(const std::string &runFolder) {
    RunJournal journal;
    if (!journal.load(runFolder)) {
        UndoReport report;
        report.run = runFolder;
        return report;
    }
    if (journal.state() == RunState::Undone) {
        UndoReport report;
        report.found = report.alreadyUndone = true;
        report.run = runFolder;
        return report;
    }
    return rollBack(journal);
}

UndoReport undoLatest(const std::string &journalFolder) {
    std::vector<std::string> runs = RunJournal::listRuns(journalFolder);
    return runs.empty() ? UndoReport() : undoRun(runs.back());
}

int recoverUnfinishedRuns(const std::string &journalFolder) {
    int recovered = 0;
    std::vector<std::string> runs = RunJournal::listRuns(journalFolder);
    for (auto run = runs.rbegin(); run != runs.rend(); ++run) {
        RunJournal journal;
        if (!RunJournal::isUnfinished(*run) || !journal.load(*run) || journal.state() != RunState::Unfinished)
            continue;
        os::printDiagnostic("Reprise apres interruption : changements de <%s> annules\n", run->c_str());
        rollBack(journal);
        ++recovered;
    }
    return recovered;
}

} // namespace journal
