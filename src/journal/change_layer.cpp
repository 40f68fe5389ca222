// The change layer: journaled changes in apply mode, recorded ones in preview mode.
#include "journal/change_layer.h"

#include "core/spare_objects.h"
#include "journal/key_name.h"
#include "journal/preview_state.h"
#include "journal/run_journal.h"
#include "journal/whole_file_io.h"
#include "platform/diagnostic_output.h"
#include "platform/file_system.h"
#include "platform/process.h"

#include <algorithm>
#include <cstdio>

namespace journal {

// The full name is built only when a change is journaled or previewed: most keys are only read.
struct Key {
    os::HKey handle = nullptr; // the machine's key; null for a key only the preview created
    os::HKey root = nullptr;
    std::string path; // below root, as opened
    std::uint32_t access = 0;
    bool writable = false;
    std::string fullName() const { return fullKeyName(root, path.c_str(), access); }
};

namespace {

constexpr std::uint32_t viewBits = os::keyWow64_32Key | os::keyWow64_64Key;
constexpr std::uint32_t writeBits = 0x0006; // set value, create subkey

struct Run {
    Mode mode = Mode::Apply;
    std::string journalFolder;
    RunJournal journal;
    bool journalStarted = false;
    bool journalBroken = false;
    bool changeRefused = false; // the journal or the system refused a change of this run
    std::vector<Change> changes;
    PreviewState preview;
};

Run &run() {
    static Run *current = new Run; // used by keys closed at exit, after the static objects
    return *current;
}

// The keys closed, kept for later opens with their path's storage; outlives the static objects
// that close keys at exit.
SpareObjects<Key> &spareKeys() {
    static auto *spare = new SpareObjects<Key>(256);
    return *spare;
}

std::string &endedRunFolder() {
    static std::string *folder = new std::string; // read at exit, after the static objects
    return *folder;
}

bool previewing() {
    return run().mode == Mode::Preview;
}

// Records a change about to be made: in apply mode its journal entry is made durable first.
// False when the journal could not be written; the change must then not be made.
bool record(const Change &change) {
    Run &current = run();
    if (current.mode == Mode::Apply && !current.journalFolder.empty()) {
        if (!current.journalStarted && !current.journalBroken)
            current.journalStarted = current.journal.create(current.journalFolder);
        if (current.journalBroken || !current.journalStarted || !current.journal.record(change)) {
            if (!current.journalBroken)
                os::printDiagnostic("Erreur d'ecriture du journal des changements <%s>\n",
                                    current.journal.folder().c_str());
            current.journalBroken = current.changeRefused = true;
            return false;
        }
    }
    current.changes.push_back(change);
    return true;
}

// Gives result, noting a change the system refused (failed when result is not success).
template <class Result> Result noted(Result result, Result success) {
    if (result != success)
        run().changeRefused = true;
    return result;
}

// One value of a machine key, as the program reads it.
bool queryValue(os::HKey key, const std::string &name, std::uint32_t &type, std::string &data) {
    std::uint32_t size = 0;
    if (key == nullptr || os::regQueryValueEx(key, name.c_str(), &type, nullptr, &size) != os::errorSuccess)
        return false;
    data.assign(size, '\0');
    unsigned char *buffer = reinterpret_cast<unsigned char *>(data.data());
    if (os::regQueryValueEx(key, name.c_str(), &type, size == 0 ? nullptr : buffer, &size) != os::errorSuccess)
        return false;
    data.resize(size);
    return true;
}

bool machineKeyExists(os::HKey root, const std::string &path, std::uint32_t view) {
    os::HKey key = nullptr;
    if (os::regOpenKeyEx(root, path.c_str(), os::keyRead | view, &key) != os::errorSuccess)
        return false;
    os::regCloseKey(key);
    return true;
}

// The path of the highest key of root\path that neither the machine nor the preview has; empty
// when the whole path exists.
std::string highestMissingKey(os::HKey root, const std::string &path, std::uint32_t access) {
    std::string prefix;
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = path.find_first_of("\\/", start);
        if (end == std::string::npos)
            end = path.size();
        if (end > start) {
            prefix += (prefix.empty() ? "" : "\\") + path.substr(start, end - start);
            bool exists = machineKeyExists(root, prefix, access & viewBits) ||
                          (previewing() && run().preview.keyCreated(fullKeyName(root, prefix.c_str(), access)));
            if (!exists)
                return prefix;
        }
        start = end + 1;
    }
    return {};
}

// The machine's or the preview's present state of a file.
bool presentFile(const std::string &path, std::string &bytes) {
    if (previewing()) {
        if (auto recorded = run().preview.file(path)) {
            bytes = recorded->value_or("");
            return recorded->has_value();
        }
    }
    return readFileBytes(path, bytes);
}

std::string parentOf(const std::string &path) {
    std::size_t cut = path.find_last_of("\\/");
    return cut == std::string::npos ? std::string() : path.substr(0, cut);
}

} // namespace

void beginRun(Mode mode, const std::string &journalFolder) {
    Run &current = run();
    current.mode = mode;
    current.journalFolder = mode == Mode::Apply ? journalFolder : std::string();
    current.journal = RunJournal();
    current.journalStarted = current.journalBroken = current.changeRefused = false;
    current.changes.clear();
    current.preview.clear();
}

void endRun() {
    Run &current = run();
    if (current.journalStarted)
        endedRunFolder() = current.journal.folder();
    if (current.journalStarted && !current.journalBroken)
        current.journal.setState(RunState::Complete);
    beginRun(Mode::Apply, "");
}

Mode currentMode() {
    return run().mode;
}

bool changesRefused() {
    return run().changeRefused;
}

const std::vector<Change> &runChanges() {
    return run().changes;
}

std::string runFolder() {
    return run().journalStarted ? run().journal.folder() : std::string();
}

std::string lastRunFolder() {
    std::string current = runFolder();
    return current.empty() ? endedRunFolder() : current;
}

unsigned long openKey(os::HKey root, const char *path, std::uint32_t access, bool create, Key **key) {
    *key = nullptr;
    const char *subKey = path == nullptr ? "" : path; // copied only into a key opened
    os::HKey handle = nullptr;
    unsigned long result = os::regOpenKeyEx(root, subKey, access, &handle);
    if (result == os::errorFileNotFound &&
        (create || (previewing() && run().preview.keyCreated(fullKeyName(root, subKey, access))))) {
        std::string missing = highestMissingKey(root, subKey, access);
        if (missing.empty()) {
            result = os::errorSuccess; // a key the preview created
        } else if (create) {
            Change change;
            change.kind = Change::Kind::CreateKey;
            change.target = fullKeyName(root, missing.c_str(), access);
            if (previewing()) {
                // The real run needs the right to create below the deepest key that exists.
                std::string existing = parentOf(missing);
                os::HKey parent = nullptr;
                result = os::regOpenKeyEx(root, existing.c_str(), os::keyReadWrite | (access & viewBits), &parent);
                if (parent != nullptr)
                    os::regCloseKey(parent);
                if (result == os::errorFileNotFound && run().preview.keyCreated(fullKeyName(root, existing.c_str(), access)))
                    result = os::errorSuccess;
                if (result == os::errorSuccess && record(change))
                    run().preview.createKey(fullKeyName(root, subKey, access));
            } else if (!record(change)) {
                result = os::errorAccessDenied;
            } else {
                result = noted(os::regCreateKeyEx(root, subKey, access, &handle, nullptr), os::errorSuccess);
            }
        }
    }
    if (result != os::errorSuccess)
        return result;
    Key *opened = spareKeys().take();
    opened->handle = handle;
    opened->root = root;
    opened->path.assign(subKey);
    opened->access = access;
    opened->writable = (access & writeBits) != 0;
    *key = opened;
    return os::errorSuccess;
}

void closeKey(Key *key) {
    if (key != nullptr && key->handle != nullptr)
        os::regCloseKey(key->handle);
    spareKeys().give(key);
}

unsigned long readValues(Key *key, std::vector<RegValue> &values, std::vector<std::string> &lost) {
    values.clear();
    if (key == nullptr)
        return os::errorInvalidHandle;
    unsigned long result = os::errorSuccess;
    std::uint32_t count = 0, nameSize = 0, dataSize = 0;
    if (key->handle != nullptr)
        result = os::regQueryInfoKey(key->handle, nullptr, nullptr, &count, &nameSize, &dataSize);
    values.reserve(count);
    // One buffer for every value, kept from one read to the next: a value takes a copy of its part.
    static thread_local std::string name, data;
    name.assign(nameSize + 1, '\0');
    data.resize(dataSize + 1);
    for (std::uint32_t index = 0; key->handle != nullptr && result == os::errorSuccess; ++index) {
        RegValue value;
        std::uint32_t nameLength = nameSize + 1, size = dataSize + 1;
        result = os::regEnumValue(key->handle, index, name.data(), &nameLength, &value.type,
                                  reinterpret_cast<unsigned char *>(data.data()), &size);
        if (result == os::errorNoMoreItems) {
            result = os::errorSuccess;
            break;
        }
        value.name.assign(name.c_str()); // a name is copied whole or not at all, with its NUL
        value.data.assign(data, 0, size);
        if (result == os::errorNoUnicodeTranslation) {
            lost.push_back(value.name);
            result = os::errorSuccess;
        } else if (result == os::errorSuccess) {
            values.push_back(std::move(value));
        }
    }
    if (previewing())
        run().preview.mergeValues(key->fullName(), values);
    return result;
}

unsigned long subkeyNames(Key *key, std::vector<std::string> &names, std::vector<std::string> &lost) {
    names.clear();
    if (key == nullptr)
        return os::errorInvalidHandle;
    unsigned long result = os::errorSuccess;
    std::uint32_t count = 0, nameSize = 0;
    if (key->handle != nullptr)
        result = os::regQueryInfoKey(key->handle, &count, &nameSize, nullptr, nullptr, nullptr);
    names.reserve(count);
    std::string name(nameSize + 1, '\0'); // one buffer for every name
    for (std::uint32_t index = 0; key->handle != nullptr && result == os::errorSuccess; ++index) {
        std::uint32_t length = nameSize + 1;
        result = os::regEnumKeyEx(key->handle, index, name.data(), &length);
        if (result == os::errorNoMoreItems) {
            result = os::errorSuccess;
            break;
        }
        if (result == os::errorNoUnicodeTranslation) {
            lost.push_back(name.substr(0, name.find('\0')));
            result = os::errorSuccess;
        } else if (result == os::errorSuccess) {
            names.emplace_back(name, 0, length);
        }
    }
    if (previewing()) {
        for (const std::string &created : run().preview.createdSubkeys(key->fullName()))
            if (std::none_of(names.begin(), names.end(),
                             [&](const std::string &name) { return foldedName(name) == created; }))
                names.push_back(created);
        std::sort(names.begin(), names.end(),
                  [](const std::string &a, const std::string &b) { return foldedName(a) < foldedName(b); });
    }
    return result;
}

namespace {

// The before-image of change's value as the preview sees it: the machine's value or one recorded.
void previewedBefore(Key *key, Change &change) {
    std::vector<RegValue> present;
    std::vector<std::string> lost;
    readValues(key, present, lost);
    for (const RegValue &value : present) {
        if (sameRegistryName(value.name, change.name)) {
            change.existedBefore = true;
            change.typeBefore = value.type;
            change.before = value.data;
        }
    }
}

// Checks that key takes a change of kind to its value name, and fills change with it and the
// value's before-image as the preview or the machine has it.
unsigned long beginValueChange(Key *key, Change::Kind kind, const char *name, Change &change) {
    if (key == nullptr)
        return os::errorInvalidHandle;
    if (!key->writable)
        return os::errorAccessDenied;
    change.kind = kind;
    change.target = key->fullName();
    change.name = name == nullptr ? "" : name;
    if (previewing())
        previewedBefore(key, change);
    else if (key->handle == nullptr)
        return os::errorInvalidHandle;
    else
        change.existedBefore = queryValue(key->handle, change.name, change.typeBefore, change.before);
    return os::errorSuccess;
}

} // namespace

unsigned long setValue(Key *key, const char *name, std::uint32_t type, const unsigned char *data,
                       std::uint32_t size) {
    Change change;
    unsigned long result = beginValueChange(key, Change::Kind::SetValue, name, change);
    if (result != os::errorSuccess)
        return result;
    change.typeAfter = type;
    change.after.assign(reinterpret_cast<const char *>(data), size);
    if (!record(change))
        return previewing() ? os::errorSuccess : os::errorAccessDenied;
    if (previewing()) {
        run().preview.setValue(key->fullName(), {change.name, type, change.after});
        return os::errorSuccess;
    }
    return noted(os::regSetValueEx(key->handle, name, type, data, size), os::errorSuccess);
}

unsigned long deleteValue(Key *key, const char *name) {
    Change change;
    unsigned long result = beginValueChange(key, Change::Kind::DeleteValue, name, change);
    if (result != os::errorSuccess)
        return result;
    if (!change.existedBefore)
        return os::errorFileNotFound;
    if (!record(change))
        return previewing() ? os::errorSuccess : os::errorAccessDenied;
    if (previewing()) {
        run().preview.deleteValue(key->fullName(), change.name);
        return os::errorSuccess;
    }
    return noted(os::regDeleteValue(key->handle, change.name.c_str()), os::errorSuccess);
}

unsigned long flushKey(Key *key) {
    if (key == nullptr)
        return os::errorInvalidHandle;
    return key->handle != nullptr ? os::regFlushKey(key->handle) : os::errorSuccess;
}

bool readFile(const char *path, std::string &bytes) {
    return path != nullptr && presentFile(path, bytes);
}

bool pathExists(const char *path) {
    if (path == nullptr)
        return false;
    if (previewing()) {
        if (run().preview.folderCreated(path))
            return true;
        if (auto recorded = run().preview.file(path))
            return recorded->has_value();
    }
    return os::access(path, 0) == 0;
}

bool previewCreatedFolder(const char *path) {
    return path != nullptr && previewing() && run().preview.folderCreated(path);
}

bool writeFile(const char *path, const std::string &bytes) {
    if (path == nullptr)
        return false;
    Change change;
    change.kind = Change::Kind::WriteFile;
    change.target = path;
    change.existedBefore = presentFile(path, change.before);
    change.after = fingerprintOf(bytes);
    if (!record(change))
        return false;
    if (!previewing())
        return noted(writeFileBytes(path, bytes), true);
    run().preview.writeFile(path, bytes);
    return true;
}

bool deleteFile(const char *path) {
    if (path == nullptr)
        return false;
    Change change;
    change.kind = Change::Kind::DeleteFile;
    change.target = path;
    change.existedBefore = presentFile(path, change.before);
    if (!change.existedBefore || !record(change))
        return false;
    if (!previewing())
        return noted(os::deleteFile(path), true);
    run().preview.deleteFile(path);
    return true;
}

int makeDirectory(const char *path) {
    if (path == nullptr || pathExists(path))
        return -1;
    std::string parent = parentOf(path);
    if (!parent.empty() && parent.back() != ':' && !pathExists(parent.c_str()))
        return -1; // as _mkdir, a folder needs its parent: nothing to journal
    Change change;
    change.kind = Change::Kind::CreateFolder;
    change.target = path;
    if (!record(change))
        return -1;
    if (!previewing())
        return noted(os::makeDirectory(path), 0);
    run().preview.createFolder(path);
    return 0;
}

unsigned long startProgram(const char *commandLine) {
    Change change;
    change.kind = Change::Kind::StartProgram;
    change.target = commandLine == nullptr ? "" : commandLine;
    if (!record(change))
        return os::errorAccessDenied;
    return previewing() ? os::errorSuccess : noted(os::createProcess(commandLine), os::errorSuccess);
}

} // namespace journal
