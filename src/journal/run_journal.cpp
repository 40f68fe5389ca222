// Writing, reading and pruning the journal's run folders.
#include "journal/run_journal.h"

#include "journal/whole_file_io.h"
#include "platform/codepage.h"
#include "platform/file_system.h"
#include "platform/reg_file.h"
#include "platform/registry_data.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace journal {

namespace {

const char *const stateLines[] = {"etat: en cours", "etat: termine", "etat: annule"};

bool isRunName(const std::string &name) {
    return !name.empty() && std::all_of(name.begin(), name.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The entries of folder (files and folders, without "." and "..").
std::vector<os::FindData> entriesOf(const std::string &folder) {
    std::vector<os::FindData> entries;
    os::FindData entry;
    os::FindHandle search = os::findFirstFile((folder + "\\*").c_str(), &entry);
    for (bool more = search != os::invalidFindHandle; more; more = os::findNextFile(search, &entry))
        if (std::string(entry.name) != "." && std::string(entry.name) != "..")
            entries.push_back(entry);
    os::findClose(search);
    return entries;
}

// Creates folder and its missing parents.
bool makeFolderPath(const std::string &folder) {
    for (std::size_t cut = folder.find_first_of("\\/", 3); cut != std::string::npos;
         cut = folder.find_first_of("\\/", cut + 1))
        os::makeDirectory(folder.substr(0, cut).c_str());
    os::makeDirectory(folder.c_str());
    return os::access(folder.c_str(), 0) == 0;
}

void removeRun(const std::string &folder) {
    for (const os::FindData &entry : entriesOf(folder))
        os::deleteFile((folder + "\\" + entry.name).c_str());
    os::removeDirectory(folder.c_str());
}

std::u16string regName(const std::string &name) {
    std::u16string out;
    for (char16_t c : os::u16FromSystem(name)) {
        if (c == u'\\' || c == u'"')
            out += u'\\';
        out += c;
    }
    return out;
}

bool isRegistryChange(const Change &change) {
    return change.kind == Change::Kind::CreateKey || change.kind == Change::Kind::SetValue ||
           change.kind == Change::Kind::DeleteValue;
}

// What undo.reg says for one change: the key removed, or the value put back or removed.
std::u16string undoLines(const Change &change) {
    std::u16string key = os::u16FromSystem(change.target);
    if (change.kind == Change::Kind::CreateKey)
        return u"\r\n[-" + key + u"]\r\n";
    std::u16string lines = u"\r\n[" + key + u"]\r\n";
    if (!change.existedBefore)
        return lines + (change.name.empty() ? u"@" : u"\"" + regName(change.name) + u"\"") + u"=-\r\n";
    const auto *data = reinterpret_cast<const unsigned char *>(change.before.data());
    regtree::Value value{os::u16FromSystem(change.name), change.typeBefore,
                         os::dataToStored(change.typeBefore, data, static_cast<std::uint32_t>(change.before.size()))};
    return lines + regfile::regValueLine(value);
}

} // namespace

bool RunJournal::create(const std::string &journalFolder) {
    if (!makeFolderPath(journalFolder))
        return false;
    std::vector<std::string> runs = listRuns(journalFolder);
    std::string newest = runs.empty() ? "0" : runs.back().substr(journalFolder.size() + 1);
    unsigned long number = std::strtoul(newest.c_str(), nullptr, 10) + 1;
    char name[16];
    std::snprintf(name, sizeof name, "%06lu", number % 1000000);
    folder_ = journalFolder + "\\" + name;
    state_ = RunState::Unfinished;
    changes_.clear();
    if (os::makeDirectory(folder_.c_str()) != 0 || !writeList())
        return false;
    runs.push_back(folder_);
    for (std::size_t index = 0; index + keptRuns < runs.size(); ++index)
        removeRun(runs[index]);
    return true;
}

bool RunJournal::load(const std::string &runFolder) {
    folder_ = runFolder;
    changes_.clear();
    std::string text;
    if (!readFileBytes(runFolder + "\\changes.txt", text))
        return false;
    std::size_t start = 0;
    bool first = true;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        std::string line = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        start = end == std::string::npos ? text.size() : end + 1;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (first) {
            auto found = std::find(std::begin(stateLines), std::end(stateLines), line);
            if (found == std::end(stateLines))
                return false;
            state_ = static_cast<RunState>(found - std::begin(stateLines));
            first = false;
            continue;
        }
        Change change;
        if (!decodeChange(line, change))
            return false;
        if (change.existedBefore &&
            (change.kind == Change::Kind::WriteFile || change.kind == Change::Kind::DeleteFile))
            readFileBytes(beforeCopyPath(changes_.size()), change.before);
        changes_.push_back(change);
    }
    return !first;
}

bool RunJournal::isUnfinished(const std::string &runFolder) {
    std::string text;
    if (!readFileBytes(runFolder + "\\changes.txt", text))
        return false;
    std::string line = text.substr(0, text.find('\n'));
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return line == stateLines[static_cast<int>(RunState::Unfinished)];
}

bool RunJournal::record(const Change &change) {
    bool keepsCopy = change.existedBefore &&
                     (change.kind == Change::Kind::WriteFile || change.kind == Change::Kind::DeleteFile);
    if (keepsCopy && !writeFileBytes(beforeCopyPath(changes_.size()), change.before))
        return false;
    changes_.push_back(change);
    return writeList() && (!isRegistryChange(change) || writeUndoFile());
}

bool RunJournal::setState(RunState state) {
    state_ = state;
    return writeList();
}

std::string RunJournal::beforeCopyPath(std::size_t index) const {
    return folder_ + "\\" + std::to_string(index + 1) + ".avant";
}

std::vector<std::string> RunJournal::listRuns(const std::string &journalFolder) {
    std::vector<std::string> names;
    if (journalFolder.empty())
        return names;
    for (const os::FindData &entry : entriesOf(journalFolder))
        if ((entry.attributes & os::fileAttributeDirectory) != 0 && isRunName(entry.name))
            names.push_back(entry.name);
    std::sort(names.begin(), names.end(), [](const std::string &a, const std::string &b) {
        return a.size() != b.size() ? a.size() < b.size() : a < b;
    });
    for (std::string &name : names)
        name = journalFolder + "\\" + name;
    return names;
}

bool RunJournal::writeList() const {
    std::string text = std::string(stateLines[static_cast<int>(state_)]) + "\r\n";
    for (const Change &change : changes_)
        text += encodeChange(change) + "\r\n";
    return writeFileBytes(folder_ + "\\changes.txt", text);
}

bool RunJournal::writeUndoFile() const {
    std::u16string text = u"Windows Registry Editor Version 5.00\r\n";
    for (auto change = changes_.rbegin(); change != changes_.rend(); ++change)
        if (isRegistryChange(*change))
            text += undoLines(*change);
    text += u"\r\n";
    std::string bytes = "\xFF\xFE";
    for (char16_t unit : text) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return writeFileBytes(folder_ + "\\undo.reg", bytes);
}

} // namespace journal
