// An in-memory registry: keys with values and sorted subkeys, names in UTF-16 as Windows keeps
// them. The Linux layer keeps the sandbox registry in one; registry files load into and save from it.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace regtree {

using Bytes = std::vector<unsigned char>;
using Path = std::vector<std::u16string>; // hive name first

// What Windows allows: keys at most this many levels below a hive, names of at most this many
// characters.
constexpr std::size_t maxKeyDepth = 512;
constexpr std::size_t maxKeyNameLength = 255;

// Registry names compare without regard to ASCII letter case.
bool sameName(const std::u16string &a, const std::u16string &b);
struct NameLess {
    bool operator()(const std::u16string &a, const std::u16string &b) const;
};

// Data as Windows stores it: text types in UTF-16LE, usually with their terminating NUL.
struct Value {
    std::u16string name; // empty: the default value
    std::uint32_t type = 0;
    Bytes data;
};

// Where a key's part of a registry file (its lines and those of every key below it) was last
// written: from the start of its parent's part, its length; `unchanged` until a change below it.
struct SavedPart {
    std::uint32_t offset = 0, length = 0;
    bool unchanged = false;
};

// A key owns its subkeys, kept sorted by name so that enumeration by index is direct, and its
// values in creation order with an index by name; any depth is taken apart without recursion.
class Key {
public:
    explicit Key(std::u16string name = {}) : name_(std::move(name)) {}
    ~Key();
    Key(Key &&) noexcept = default;
    Key &operator=(Key &&) noexcept = default;

    const std::u16string &name() const { return name_; }
    const std::vector<Value> &values() const { return values_; }
    const std::vector<std::unique_ptr<Key>> &subkeys() const { return subkeys_; }

    Key *findSubkey(std::u16string_view name) const;
    Key &makeSubkey(const std::u16string &name); // keeps the case of the first creation
    bool removeSubkey(const std::u16string &name);

    const Value *findValue(const std::u16string &name) const;
    void setValue(Value value); // replaces a value of the same name in place, else appends
    bool removeValue(const std::u16string &name);

    // The key at `path` below this one (empty components skipped), or null; with `from`, the
    // components before that index are left out (this key is already the key they name).
    Key *find(const Path &path, std::size_t from = 0);
    Key &make(const Path &path);
    bool remove(const Path &path); // the key with everything below it

    // Marks this key and every existing key on `path` below it as changed since the last write.
    void markChanged(const Path &path);
    // Kept by the registry file writer, which copies the part of an unchanged key as it was.
    SavedPart &savedPart() const { return saved_; }

private:
    // The position of the value of that name, or values_.size() when there is none.
    std::size_t valuePosition(const std::u16string &name) const;
    // The position where a subkey of that name is (found) or would be inserted.
    std::vector<std::unique_ptr<Key>>::const_iterator subkeySlot(std::u16string_view name,
                                                                 bool &found) const;

    std::u16string name_;
    std::vector<Value> values_;
    std::map<std::u16string, std::size_t, NameLess> valueIndex_; // name -> position in values_, once many
    std::vector<std::unique_ptr<Key>> subkeys_;
    mutable SavedPart saved_;
};

// The long hive name for a root name given in any case, long or short ("HKLM"); empty if none.
std::u16string hiveName(const std::u16string &rootName);

} // namespace regtree
