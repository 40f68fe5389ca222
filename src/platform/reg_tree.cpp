// The in-memory registry tree: case-insensitive lookup, creation and removal of keys and values.
#include "platform/reg_tree.h"

#include <algorithm>

namespace regtree {

namespace {

char16_t foldAscii(char16_t c) {
    return c >= u'a' && c <= u'z' ? char16_t(c - u'a' + u'A') : c;
}

// Negative, zero or positive as a sorts before b, with it or after it, without regard to ASCII
// letter case.
int compareNames(std::u16string_view a, std::u16string_view b) {
    std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        if (a[i] == b[i])
            continue;
        char16_t x = foldAscii(a[i]), y = foldAscii(b[i]);
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : a.size() < b.size() ? -1 : 1;
}

} // namespace

bool sameName(const std::u16string &a, const std::u16string &b) {
    return a.size() == b.size() && compareNames(a, b) == 0;
}

bool NameLess::operator()(const std::u16string &a, const std::u16string &b) const {
    return compareNames(a, b) < 0;
}

Key::~Key() {
    // Each key taken apart hands its subkeys to this list first, so no destructor recurses.
    std::vector<std::unique_ptr<Key>> detached = std::move(subkeys_);
    while (!detached.empty()) {
        std::unique_ptr<Key> key = std::move(detached.back());
        detached.pop_back();
        for (std::unique_ptr<Key> &subkey : key->subkeys_)
            detached.push_back(std::move(subkey));
        key->subkeys_.clear();
    }
}

std::vector<std::unique_ptr<Key>>::const_iterator Key::subkeySlot(std::u16string_view name,
                                                                  bool &found) const {
    std::size_t low = 0, high = subkeys_.size();
    found = false;
    while (low < high && !found) { // a binary search that stops at the name
        std::size_t middle = low + (high - low) / 2;
        int order = compareNames(subkeys_[middle]->name(), name);
        found = order == 0;
        if (order < 0)
            low = middle + 1;
        else
            high = middle;
    }
    return subkeys_.begin() + static_cast<std::ptrdiff_t>(found ? high : low);
}

Key *Key::findSubkey(std::u16string_view name) const {
    bool found = false;
    auto slot = subkeySlot(name, found);
    return found ? slot->get() : nullptr;
}

Key &Key::makeSubkey(const std::u16string &name) {
    bool found = false;
    auto slot = subkeySlot(name, found);
    return found ? **slot : **subkeys_.insert(slot, std::make_unique<Key>(name));
}

bool Key::removeSubkey(const std::u16string &name) {
    bool found = false;
    auto slot = subkeySlot(name, found);
    if (found)
        subkeys_.erase(slot);
    return found;
}

// A key with a few values is searched directly: an index would cost more than it saves.
constexpr std::size_t valuesBeforeIndex = 16;

std::size_t Key::valuePosition(const std::u16string &name) const {
    if (valueIndex_.empty()) {
        for (std::size_t position = 0; position < values_.size(); ++position)
            if (sameName(values_[position].name, name))
                return position;
        return values_.size();
    }
    auto entry = valueIndex_.find(name);
    return entry == valueIndex_.end() ? values_.size() : entry->second;
}

const Value *Key::findValue(const std::u16string &name) const {
    std::size_t position = valuePosition(name);
    return position < values_.size() ? &values_[position] : nullptr;
}

void Key::setValue(Value value) {
    std::size_t position = valuePosition(value.name);
    if (position < values_.size()) {
        values_[position].type = value.type;
        values_[position].data = std::move(value.data);
        return;
    }
    values_.push_back(std::move(value));
    if (!valueIndex_.empty())
        valueIndex_.emplace(values_.back().name, position);
    else if (values_.size() > valuesBeforeIndex)
        for (std::size_t indexed = 0; indexed < values_.size(); ++indexed)
            valueIndex_.emplace(values_[indexed].name, indexed);
}

bool Key::removeValue(const std::u16string &name) {
    std::size_t position = valuePosition(name);
    if (position == values_.size())
        return false;
    values_.erase(values_.begin() + static_cast<std::ptrdiff_t>(position));
    if (!valueIndex_.empty()) {
        valueIndex_.erase(name);
        for (auto &entry : valueIndex_)
            if (entry.second > position)
                --entry.second;
    }
    return true;
}

Key *Key::find(const Path &path, std::size_t from) {
    Key *key = this;
    for (std::size_t index = from; index < path.size(); ++index) {
        if (path[index].empty())
            continue;
        key = key->findSubkey(path[index]);
        if (key == nullptr)
            return nullptr;
    }
    return key;
}

Key &Key::make(const Path &path) {
    Key *key = this;
    for (const std::u16string &part : path)
        if (!part.empty())
            key = &key->makeSubkey(part);
    return *key;
}

bool Key::remove(const Path &path) {
    Path parentPath;
    for (const std::u16string &part : path)
        if (!part.empty())
            parentPath.push_back(part);
    if (parentPath.empty())
        return false;
    std::u16string last = parentPath.back();
    parentPath.pop_back();
    Key *parent = find(parentPath);
    return parent != nullptr && parent->removeSubkey(last);
}

void Key::markChanged(const Path &path) {
    saved_.unchanged = false;
    Key *key = this;
    for (const std::u16string &part : path) {
        if (part.empty())
            continue;
        key = key->findSubkey(part);
        if (key == nullptr)
            return;
        key->saved_.unchanged = false;
    }
}

std::u16string hiveName(const std::u16string &rootName) {
    static const std::u16string names[][2] = {{u"HKEY_CLASSES_ROOT", u"HKCR"},
                                              {u"HKEY_CURRENT_USER", u"HKCU"},
                                              {u"HKEY_LOCAL_MACHINE", u"HKLM"},
                                              {u"HKEY_USERS", u"HKU"},
                                              {u"HKEY_CURRENT_CONFIG", u"HKCC"}};
    for (const auto &pair : names)
        if (sameName(rootName, pair[0]) || sameName(rootName, pair[1]))
            return pair[0];
    return {};
}

} // namespace regtree
