// The walk over the makers' registry keys and the verdict on each installation key.
#include "hosts/installation_keys.h"

#include "core/param_node.h"
#include "core/text_string.h"
#include "files/file_utils.h"
#include "hosts/host_catalogue.h"
#include "hosts/host_properties.h"
#include "platform/ascii_case.h"
#include "registry/registry_key.h"
#include "registry/registry_view.h"

#include <set>

namespace {

constexpr int maxDepth = 5;        // levels below the maker's key: the catalogue's paths need 4
constexpr std::size_t maxKeys = 20000; // keys looked at per maker and view, whatever the registry holds

std::vector<std::string> components(const std::string &path) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t cut; (cut = path.find_first_of("/\\", start)) != std::string::npos; start = cut + 1)
        parts.push_back(path.substr(start, cut - start));
    parts.push_back(path.substr(start));
    return parts;
}

// ROOT/SOFTWARE/Maker of a row's path; empty when it has fewer parts.
std::string makerKey(const HostVersion &row) {
    std::vector<std::string> parts = components(row.registryPath);
    return parts.size() < 3 ? std::string() : parts[0] + "/" + parts[1] + "/" + parts[2];
}

// Whether the key path (root first, '/' separated) is one the row's path names: '*' and ${name}
// components stand for any one name (the '*' one containing the row's subkey filter, if any).
bool rowNames(const HostVersion &row, const std::string &path) {
    std::vector<std::string> pattern = components(row.registryPath), parts = components(path);
    if (pattern.size() != parts.size())
        return false;
    for (std::size_t index = 0; index < parts.size(); ++index) {
        const std::string &part = pattern[index];
        if (part == "*" && (row.subkeyFilter == nullptr || parts[index].find(row.subkeyFilter) != std::string::npos))
            continue;
        if (part.find("${") != std::string::npos && part != "*")
            continue;
        if (!os::equalIgnoringCase(part.c_str(), parts[index].c_str()))
            return false;
    }
    return true;
}

const char *valueNamed(NodeList values, const char *name) {
    for (NodeCell *cell = values; cell; cell = cell->next)
        if (ParamNodeOf(cell)->Name() && os::equalIgnoringCase(ParamNodeOf(cell)->Name(), name))
            return ParamNodeOf(cell)->Value();
    return nullptr;
}

// The verdict on one key whose values are read, for the rows of its maker.
void judge(InstallationKey &key, const std::vector<const HostVersion *> &rows, const std::string &path,
           NodeList values, bool filesKnown) {
    const HostVersion *row = nullptr;
    for (const HostVersion *candidate : rows) // later rows come first in detection, so the last one wins
        if (rowNames(*candidate, path) && valueNamed(values, candidate->locationValue) != nullptr)
            row = candidate;
    if (row == nullptr)
        return;
    key.release = row->displayName;
    key.folder = valueNamed(values, row->locationValue);
    if (!filesKnown) {
        key.verdict = KeyVerdict::FilesUnknown;
        return;
    }
    if (key.folder.empty() || !fileExists(key.folder.c_str())) {
        key.verdict = KeyVerdict::FolderMissing;
        return;
    }
    TextString exe(key.folder.c_str());
    exe.JoinPath(executableName(row->family), nullptr, 1);
    if (const char *alternate = alternateExecutableName(row->family); alternate && !fileExists(exe.CStr())) {
        exe.Assign(key.folder.c_str());
        exe.JoinPath(alternate, nullptr, 1);
    }
    key.executable = exe.CStr();
    if (!fileExists(exe.CStr()))
        key.verdict = KeyVerdict::ExecutableMissing;
    else if (findModuleFiles(*row, nullptr, nullptr) == 0)
        key.verdict = KeyVerdict::NoModule;
    else
        key.verdict = KeyVerdict::Host;
}

struct Walk {
    const std::vector<const HostVersion *> &rows;
    std::set<std::string> locationValues;
    int view;
    bool filesKnown;
    std::size_t visited = 0;
    std::vector<InstallationKey> &found;

    void visit(const std::string &path, int depth) {
        if (++visited > maxKeys)
            return;
        RegistryKey key;
        key.openPath(path.c_str(), false);
        if (!key.IsOpen())
            return;
        NodeList values = key.readValues(false, false);
        bool namesFolder = false;
        for (const std::string &name : locationValues)
            namesFolder = namesFolder || valueNamed(values, name.c_str()) != nullptr;
        if (namesFolder) {
            InstallationKey entry;
            entry.path = path;
            for (char &c : entry.path)
                c = c == '/' ? '\\' : c;
            entry.view = view;
            judge(entry, rows, path, values, filesKnown);
            found.push_back(entry);
        }
        if (depth >= maxDepth)
            return;
        std::vector<std::string> names;
        for (NodeCell *cell = key.subkeyNames(false); cell; cell = cell->next)
            names.insert(names.begin(), static_cast<const char *>(cell->item)); // listed last first
        for (const std::string &name : names)
            visit(path + "/" + name, depth + 1);
    }
};

} // namespace

std::vector<InstallationKey> installationKeys(bool filesKnown) {
    std::vector<std::string> makers;
    std::vector<std::vector<const HostVersion *>> rowsOf;
    for (const HostVersion *row = hostCatalogue(); row->displayName; ++row) {
        std::string maker = makerKey(*row);
        std::size_t index = 0;
        while (index < makers.size() && !os::equalIgnoringCase(makers[index].c_str(), maker.c_str()))
            ++index;
        if (index == makers.size()) {
            makers.push_back(maker);
            rowsOf.emplace_back();
        }
        rowsOf[index].push_back(row);
    }
    std::vector<InstallationKey> found;
    for (int view = 0; view <= (is64BitWindows() == 64 ? 1 : 0); ++view) {
        RegistryViewScope scope(view);
        for (std::size_t index = 0; index < makers.size(); ++index) {
            Walk walk{rowsOf[index], {}, view, filesKnown, 0, found};
            for (const HostVersion *row : rowsOf[index])
                walk.locationValues.insert(row->locationValue);
            walk.visit(makers[index], 0);
        }
    }
    return found;
}

const char *verdictText(KeyVerdict verdict) {
    switch (verdict) {
    case KeyVerdict::Host:
        return "h\xF4te d\xE9tect\xE9";
    case KeyVerdict::NoCatalogueRow:
        return "pas un h\xF4te : aucune ligne du catalogue ne correspond \xE0 cette version";
    case KeyVerdict::FolderMissing:
        return "pas un h\xF4te : dossier d'installation absent";
    case KeyVerdict::ExecutableMissing:
        return "pas un h\xF4te : ex\xE9" "cutable absent";
    case KeyVerdict::NoModule:
        return "pas un h\xF4te : aucun module Veltra pour cette version";
    case KeyVerdict::FilesUnknown:
        return "fichiers non connus d'apr\xE8s un export";
    }
    return "";
}

const char *verdictName(KeyVerdict verdict) {
    switch (verdict) {
    case KeyVerdict::Host:
        return "host";
    case KeyVerdict::NoCatalogueRow:
        return "noCatalogueRow";
    case KeyVerdict::FolderMissing:
        return "folderMissing";
    case KeyVerdict::ExecutableMissing:
        return "executableMissing";
    case KeyVerdict::NoModule:
        return "noModule";
    case KeyVerdict::FilesUnknown:
        return "notKnownFromAnExport";
    }
    return "";
}
