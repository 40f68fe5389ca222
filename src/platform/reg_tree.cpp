// The in-memory registry tree: case-insensitive lookup, creation and removal of keys and values.
#include "platform/reg_tree.h"

#include <algorithm>

namespace regtree {

namespace {

char16_t foldAscii(char16_t c) {
    return c >= u'a' && c <= u'z' ? char16_t(c - u'a' + u'A') : c;
}

} // namespace

bool sameName(const std::u16string &a, const std::u16string &b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char16_t x, char16_t y) {
               return foldAscii(x) == foldAscii(y);
           });
}

bool NameLess::operator()(const std::u16string &a, const std::u16string &b) const {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char16_t x, char16_t y) { return foldAscii(x) < foldAscii(y); });
}

Key *Key::findSubkey(const std::u16string &name) const {
    auto it = subkeys_.find(name);
    return it == subkeys_.end() ? nullptr : it->second.get();
}

Key &Key::makeSubkey(const std::u16string &name) {
    auto &slot = subkeys_[name];
    if (!slot)
        slot = std::make_unique<Key>(name);
    return *slot;
}

bool Key::removeSubkey(const std::u16string &name) {
    return subkeys_.erase(name) != 0;
}

const Value *Key::findValue(const std::u16string &name) const {
    for (const Value &value : values_)
        if (sameName(value.name, name))
            return &value;
    return nullptr;
}

void Key::setValue(Value value) {
    for (Value &old : values_) {
        if (sameName(old.name, value.name)) {
            old.type = value.type;
            old.data = std::move(value.data);
            return;
        }
    }
    values_.push_back(std::move(value));
}

bool Key::removeValue(const std::u16string &name) {
    auto it = std::find_if(values_.begin(), values_.end(),
                           [&](const Value &value) { return sameName(value.name, name); });
    if (it == values_.end())
        return false;
    values_.erase(it);
    return true;
}

Key *Key::find(const Path &path) {
    Key *key = this;
    for (const std::u16string &part : path) {
        if (part.empty())
            continue;
        key = key->findSubkey(part);
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
