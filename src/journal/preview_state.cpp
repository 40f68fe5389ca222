// The preview's record of the changes it did not make.
#include "journal/preview_state.h"

#include "journal/change_layer.h"
#include "journal/key_name.h"
#include "platform/ascii_case.h"

#include <algorithm>

namespace journal {

std::string foldedName(const std::string &name) {
    std::string out;
    for (char c : name)
        out += c == '/' ? '\\' : os::asciiLower(c);
    while (!out.empty() && out.back() == '\\')
        out.pop_back();
    return out;
}

void PreviewState::clear() {
    keys_.clear();
    values_.clear();
    files_.clear();
    folders_.clear();
}

void PreviewState::createKey(const std::string &fullName) {
    std::string name = foldedName(fullName);
    for (std::size_t cut = name.find('\\'); cut != std::string::npos; cut = name.find('\\', cut + 1))
        keys_.insert(name.substr(0, cut));
    keys_.insert(name);
}

bool PreviewState::keyCreated(const std::string &fullName) const {
    return keys_.count(foldedName(fullName)) != 0;
}

std::vector<std::string> PreviewState::createdSubkeys(const std::string &fullName) const {
    std::string prefix = foldedName(fullName) + "\\";
    std::vector<std::string> names;
    for (const std::string &key : keys_)
        if (key.compare(0, prefix.size(), prefix) == 0 && key.find('\\', prefix.size()) == std::string::npos)
            names.push_back(key.substr(prefix.size()));
    return names;
}

namespace {

void record(std::vector<std::pair<std::string, std::optional<RegValue>>> &values, const std::string &name,
            const std::optional<RegValue> &value) {
    for (auto &present : values) {
        if (sameRegistryName(present.first, name)) {
            present.second = value;
            return;
        }
    }
    values.emplace_back(name, value);
}

} // namespace

void PreviewState::setValue(const std::string &keyName, const RegValue &value) {
    record(values_[foldedName(keyName)], value.name, value);
}

void PreviewState::deleteValue(const std::string &keyName, const std::string &valueName) {
    record(values_[foldedName(keyName)], valueName, std::nullopt);
}

void PreviewState::mergeValues(const std::string &keyName, std::vector<RegValue> &values) const {
    auto recorded = values_.find(foldedName(keyName));
    if (recorded == values_.end())
        return;
    for (const auto &entry : recorded->second) {
        const std::string &name = entry.first;
        const std::optional<RegValue> &value = entry.second;
        auto present = std::find_if(values.begin(), values.end(),
                                    [&](const RegValue &read) { return sameRegistryName(read.name, name); });
        if (!value) {
            if (present != values.end())
                values.erase(present);
        } else if (present != values.end()) {
            present->type = value->type;
            present->data = value->data;
        } else {
            values.push_back(*value);
        }
    }
}

void PreviewState::writeFile(const std::string &path, const std::string &bytes) {
    files_[foldedName(path)] = bytes;
}

void PreviewState::deleteFile(const std::string &path) {
    files_[foldedName(path)] = std::nullopt;
}

std::optional<std::optional<std::string>> PreviewState::file(const std::string &path) const {
    auto found = files_.find(foldedName(path));
    if (found == files_.end())
        return std::nullopt;
    return found->second;
}

void PreviewState::createFolder(const std::string &path) {
    folders_.insert(foldedName(path));
}

bool PreviewState::folderCreated(const std::string &path) const {
    return folders_.count(foldedName(path)) != 0;
}

} // namespace journal
