// What a preview has recorded so far: the keys, values, files and folders a real run would have
// changed, consulted by the reads that follow in the same run.
#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace journal {

struct RegValue;

class PreviewState {
public:
    void clear();

    // Registry keys by full name; values by key and name (names without regard to letter case).
    void createKey(const std::string &fullName);
    bool keyCreated(const std::string &fullName) const;
    // Names of the keys created directly below fullName.
    std::vector<std::string> createdSubkeys(const std::string &fullName) const;
    void setValue(const std::string &keyName, const RegValue &value);
    void deleteValue(const std::string &keyName, const std::string &valueName);
    // Applies the recorded values and deletions of the key to a list read from the machine.
    void mergeValues(const std::string &keyName, std::vector<RegValue> &values) const;

    // Files by path: nullopt when nothing was recorded, else the bytes or absence recorded.
    void writeFile(const std::string &path, const std::string &bytes);
    void deleteFile(const std::string &path);
    std::optional<std::optional<std::string>> file(const std::string &path) const;
    void createFolder(const std::string &path);
    bool folderCreated(const std::string &path) const;

private:
    std::set<std::string> keys_;
    // Per key, the values written and (as nullopt beside their name) the ones deleted.
    std::map<std::string, std::vector<std::pair<std::string, std::optional<RegValue>>>> values_;
    std::map<std::string, std::optional<std::string>> files_;
    std::set<std::string> folders_;
};

// The comparison form of a path or registry name: ASCII lower case, '/' as '\', no trailing '\'.
std::string foldedName(const std::string &name);

} // namespace journal
