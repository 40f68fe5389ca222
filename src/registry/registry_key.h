// RegistryKey: the program's one way into the Windows registry. A key is opened from a textual
// path or below a parent key, reads all its values into a list of ParamNodes, lists its subkey
// names and writes values from such a list. Failures print one French line and leave the key
// closed, a list empty or a false result.
#pragma once

#include "core/node_list.h"
#include "journal/change_layer.h"
#include "platform/registry.h"

#include <cstdint>
#include <string>
#include <vector>

class ParamNode;

class RegistryKey {
public:
    // The six root objects, alive for the whole run. They are parents only: they count as open but
    // have no handle of their own. The product roots prefix their children's paths with
    // Software, the publisher, the (empty) product name and the version.
    static RegistryKey ClassesRoot;    // 0
    static RegistryKey Users;          // 1
    static RegistryKey LocalMachine;   // 2
    static RegistryKey CurrentUser;    // 3
    static RegistryKey ProductMachine; // 4: below HKEY_LOCAL_MACHINE
    static RegistryKey ProductUser;    // 5: below HKEY_CURRENT_USER

    RegistryKey() = default;
    ~RegistryKey() { reset(); }
    RegistryKey(const RegistryKey &) = delete;
    RegistryKey &operator=(const RegistryKey &) = delete;

    // Opens (or with create, creates) the key a path names, e.g. "HKEY_LOCAL_MACHINE/SOFTWARE/X".
    // Returns the full path handed to the system, or null when the root name is unknown or the
    // path too long; the key then stays closed.
    const char *openPath(const char *path, bool create);

    // Opens parent's subkey made of the parts present (joined with '\', '/' read as '\'), created
    // when create is non-zero. Without parent, create is a root index and the key becomes that
    // root. Returns the full path (also on failure; null for a root).
    const char *openChild(const RegistryKey *parent, int create, const char *part1 = nullptr,
                          const char *part2 = nullptr, const char *part3 = nullptr,
                          const char *part4 = nullptr);

    // All values, name -> value (see value_encoding.h), re-read when refresh or not read yet.
    // The list stays owned by the key.
    NodeList readValues(bool refresh, bool encode);
    // The text of one value (exact name), or null.
    const char *readValue(const char *name, bool refresh, bool encode);
    // True when the value name exists but was left out of the list because its name or text has
    // a character the system's code page cannot hold (reported when the values were read): a
    // value that must then be neither used nor replaced.
    bool isUnreadable(const char *name);
    // The subkey names, last enumerated first, owned by the key (listed again when refresh or
    // when the last listing was empty); null when closed.
    NodeList subkeyNames(bool refresh);

    // Writes every node that has a value; true when all were written. Nodes whose value is none are
    // skipped. Integer nodes are 32-bit numbers only with numbersAsDword.
    bool writeValues(NodeList nodes, bool numbersAsDword);
    bool writeValue(const char *name, const char *text, bool numbersAsDword);
    bool writeIntValue(const char *name, int number, bool numbersAsDword);
    // Deletes one value; true when it was there and is gone.
    bool deleteValue(const char *name);

    bool queryInfo();
    bool flush();
    void close();
    void reset();
    // Later opens ask for read/write access when true; returns the previous setting.
    bool setWritable(bool writable);

    bool IsOpen() const { return isOpen; }
    int RootIndex() const { return rootIndex; }
    const char *Path() const { return path; }
    std::uint32_t SubkeyCount() const { return subkeyCount; }
    std::uint32_t ValueCount() const { return valueCount; }

private:
    explicit RegistryKey(int rootIndex) { openChild(nullptr, rootIndex); }
    void becomeRoot(int index);
    void freeValues();
    bool hasHandle() const { return isOpen && handle != nullptr; }

    int32_t rootIndex = -1;
    char *path = nullptr;
    NodeList values = nullptr;
    std::vector<std::string> unreadable; // values left out of `values`, as the system names them
    std::string subkeyText;              // the subkey names listed, each followed by its NUL
    std::vector<NodeCell> subkeyCells;   // their list: the last cell is its head, items in subkeyText
    journal::Key *handle = nullptr;      // through the change layer, which journals or previews writes
    os::HKey rootHandle = nullptr;
    bool isOpen = false;
    std::uint32_t maxValueNameLength = 0;
    std::uint32_t maxValueDataLength = 0;
    std::uint32_t subkeyCount = 0;
    std::uint32_t valueCount = 0;
    std::uint32_t maxSubkeyNameLength = 0;
    bool writable = false;
};

// The publisher named in the product roots' paths ("Corvanth").
const char *productPublisher();
