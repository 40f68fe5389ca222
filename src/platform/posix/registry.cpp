// The registry seam in the sandbox: key handles name paths in the sandbox registry, with the 32-bit
// view of HKEY_LOCAL_MACHINE\SOFTWARE under Wow6432Node and the rights of a non-administrator.
#include "platform/registry.h"

#include "core/spare_objects.h"
#include "platform/codepage.h"
#include "platform/posix/codepage.h"
#include "platform/posix/crash_after.h"
#include "platform/posix/sandbox_registry.h"
#include "platform/registry_data.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <iterator>
#include <memory>
#include <string_view>
#include <vector>

struct os::RegistryKeyObject {
    // Hive first, components joined by '\' (none empty), the 32-bit view already resolved: one
    // string per handle, split into a regtree::Path only to change the key or look for it anew.
    std::u16string path;
    std::uint32_t view;   // keyWow64_32Key or keyWow64_64Key
    bool written = false; // saved when flushed or closed
    bool canWrite = true; // opened with the right to set values
    // The tree key of path (null: none), as found in the tree's generation nodeGeneration (0: not
    // looked for yet); looked for again once the tree is of another generation.
    mutable regtree::Key *node = nullptr;
    mutable std::uint64_t nodeGeneration = 0;
    std::size_t depth = 1; // components in path, the hive's included
};

namespace os {

namespace {

constexpr std::uint32_t viewBits = keyWow64_32Key | keyWow64_64Key;
constexpr std::uint32_t writeBits = 0x0006; // set value, create subkey

// The key handles open now, sorted by address, and the objects of closed ones kept for later
// opens with their path's storage. Both outlive the static objects that close keys at exit.
std::vector<HKey> &liveHandles() {
    static auto *handles = new std::vector<HKey>;
    return *handles;
}

SpareObjects<RegistryKeyObject> &spareHandles() {
    static auto *spare = new SpareObjects<RegistryKeyObject>(256);
    return *spare;
}

bool isLive(HKey key) {
    const std::vector<HKey> &live = liveHandles();
    return std::binary_search(live.begin(), live.end(), key, std::less<HKey>());
}

// A handle object being made: given back to the spare ones unless it becomes a live handle.
struct GiveBack {
    void operator()(RegistryKeyObject *object) const { spareHandles().give(object); }
};
using NewHandle = std::unique_ptr<RegistryKeyObject, GiveBack>;

const char16_t *predefinedHive(HKey key) {
    if (key == hkeyClassesRoot)
        return u"HKEY_CLASSES_ROOT";
    if (key == hkeyCurrentUser)
        return u"HKEY_CURRENT_USER";
    if (key == hkeyLocalMachine)
        return u"HKEY_LOCAL_MACHINE";
    if (key == hkeyUsers)
        return u"HKEY_USERS";
    if (key == hkeyCurrentConfig)
        return u"HKEY_CURRENT_CONFIG";
    return nullptr;
}

// The handle object of a key handle (each predefined key has one), or null when the handle is
// not a key.
const RegistryKeyObject *describe(HKey key) {
    static const HKey predefined[] = {hkeyClassesRoot, hkeyCurrentUser, hkeyLocalMachine, hkeyUsers,
                                      hkeyCurrentConfig};
    static const auto *hives = [] {
        auto *objects = new std::vector<RegistryKeyObject>;
        for (HKey hive : predefined)
            objects->push_back({predefinedHive(hive), keyWow64_64Key, false, true});
        return objects;
    }();
    for (std::size_t index = 0; index < std::size(predefined); ++index)
        if (key == predefined[index])
            return &(*hives)[index];
    return isLive(key) ? key : nullptr;
}

bool isAdmin() {
    const char *admin = std::getenv("VELTRA_ADMIN");
    return admin == nullptr || std::strcmp(admin, "0") != 0;
}

// The end of the path component that starts at `start`: the next '\' or the path's end.
std::size_t componentEnd(const std::u16string &path, std::size_t start) {
    return static_cast<std::size_t>(
        std::find(path.begin() + static_cast<std::ptrdiff_t>(start), path.end(), u'\\') - path.begin());
}

// The components of a handle's path, as the sandbox registry takes them.
regtree::Path componentsOf(const std::u16string &path) {
    regtree::Path components;
    for (std::size_t start = 0; start <= path.size();) {
        std::size_t end = componentEnd(path, start);
        components.emplace_back(path, start, end - start);
        start = end + 1;
    }
    return components;
}

constexpr std::u16string_view machineHive = u"HKEY_LOCAL_MACHINE";

bool inMachineHive(const std::u16string &path) {
    return path.compare(0, machineHive.size(), machineHive) == 0 &&
           (path.size() == machineHive.size() || path[machineHive.size()] == u'\\');
}

bool mayWrite(const std::u16string &path) {
    return isAdmin() || !inMachineHive(path);
}

// Whether path[start, end) is `name`, ASCII letter case aside, as registry names compare.
bool componentIs(const std::u16string &path, std::size_t start, std::size_t end, std::u16string_view name) {
    auto fold = [](char16_t unit) {
        return unit >= u'a' && unit <= u'z' ? char16_t(unit - u'a' + u'A') : unit;
    };
    return end - start == name.size() &&
           std::equal(name.begin(), name.end(), path.begin() + static_cast<std::ptrdiff_t>(start),
                      [&](char16_t a, char16_t b) { return fold(a) == fold(b); });
}

// child := parent\subKey, components split at '\' (empty ones skipped), seen from the view the
// access asks for or else the parent's; `fits`: its names are within what Windows allows, so that
// the registry file reads back whole (the parent's are). Every field of child is set anew.
void childOf(const RegistryKeyObject &parent, const char *subKey, std::uint32_t access, bool &fits,
             RegistryKeyObject &child) {
    child.view = access & viewBits ? access & viewBits : parent.view;
    child.written = false;
    child.canWrite = (access & writeBits) != 0;
    child.node = nullptr;
    child.nodeGeneration = 0;
    std::string_view rest = subKey == nullptr ? "" : subKey;
    std::u16string &path = child.path;
    path.reserve(parent.path.size() + rest.size() + 14); // room for separators and a Wow6432Node
    path = parent.path;
    child.depth = parent.depth;
    fits = true;
    // subKey is converted behind a separator, then its components moved over the separators
    // doubled, leading or trailing (converted first: a '\' byte may end a double-byte character).
    std::size_t kept = path.size();
    path += u'\\';
    appendU16FromSystem(rest, path);
    for (std::size_t start = kept + 1; start < path.size();) {
        std::size_t end = componentEnd(path, start);
        if (end > start) {
            fits = fits && end - start <= regtree::maxKeyNameLength;
            path[kept++] = u'\\';
            std::char_traits<char16_t>::move(&path[kept], &path[start], end - start); // towards the front
            kept += end - start;
            ++child.depth;
        }
        start = end + 1;
    }
    path.resize(kept);
    fits = fits && child.depth <= regtree::maxKeyDepth + 1;
    if (child.view != keyWow64_32Key || !inMachineHive(path) || child.depth == 1)
        return;
    std::size_t second = machineHive.size() + 1, afterSecond = componentEnd(path, second);
    bool redirected =
        componentIs(path, second, afterSecond, u"SOFTWARE") &&
        !(afterSecond < path.size() &&
          componentIs(path, afterSecond + 1, componentEnd(path, afterSecond + 1), u"Wow6432Node")) &&
        windowsBits() == 64;
    if (redirected) {
        path.insert(afterSecond, u"\\Wow6432Node");
        ++child.depth;
        fits = fits && child.depth <= regtree::maxKeyDepth + 1;
    }
}

// The tree key of a handle: a hive always exists, even before it holds anything.
const regtree::Key *keyOf(const RegistryKeyObject &handle) {
    static const regtree::Key emptyHive;
    SandboxRegistry &registry = SandboxRegistry::instance();
    if (handle.nodeGeneration != registry.generation()) {
        handle.node = registry.tree().find(componentsOf(handle.path));
        handle.nodeGeneration = registry.generation();
    }
    return handle.node == nullptr && handle.depth == 1 ? &emptyHive : handle.node;
}

// Whether `path` is `start` or a path below it, names compared exactly.
bool startsPath(const std::u16string &path, const std::u16string &start) {
    return path.size() >= start.size() && (path.size() == start.size() || path[start.size()] == u'\\') &&
           std::memcmp(path.data(), start.data(), start.size() * sizeof(char16_t)) == 0;
}

// The key above the key last looked for in the tree, by its path: keys opened one after the other
// are mostly siblings (a listing's keys, each opened from its hive), so only their last component
// is then searched for. Valid while the tree stays of that generation.
struct LastParent {
    std::u16string path;
    regtree::Key *node = nullptr;
    std::uint64_t generation = 0;
};

// Looks for the key of child from its parent's key, so that only the components it adds are
// compared: when the parent's path starts the child's (the 32-bit view may have put Wow6432Node
// inside it) and the parent's key exists; from the last parent looked below when that one is
// deeper and starts the child's path too.
void findBelowParent(const RegistryKeyObject &parent, RegistryKeyObject &child) {
    static auto &last = *new LastParent; // opens at exit, after the static objects, still find it
    keyOf(parent);
    std::size_t from = parent.path.size();
    const std::u16string &path = child.path;
    if (parent.node == nullptr || !startsPath(path, parent.path))
        return;
    regtree::Key *key = parent.node;
    if (last.generation == parent.nodeGeneration && last.path.size() > from && path.size() > last.path.size() &&
        startsPath(path, last.path)) {
        key = last.node;
        from = last.path.size();
    }
    for (std::size_t start = from + 1; key != nullptr && start <= path.size();) {
        std::size_t end = componentEnd(path, start);
        if (end == path.size()) {
            last.path.assign(path, 0, start - 1);
            last.node = key;
            last.generation = parent.nodeGeneration;
        }
        key = key->findSubkey(std::u16string_view(path).substr(start, end - start));
        start = end + 1;
    }
    child.node = key;
    child.nodeGeneration = parent.nodeGeneration;
}

// parent\subKey as childOf makes it, in a spare handle object when one is kept.
NewHandle newChild(const RegistryKeyObject &parent, const char *subKey, std::uint32_t access, bool &fits) {
    NewHandle child(spareHandles().take());
    childOf(parent, subKey, access, fits, *child);
    return child;
}

HKey makeLive(NewHandle object) {
    std::vector<HKey> &live = liveHandles();
    HKey handle = object.release();
    live.insert(std::upper_bound(live.begin(), live.end(), handle, std::less<HKey>()), handle);
    return handle;
}

// The tree key that a read through `key` sees: an error when the handle is no key or its key is gone.
unsigned long readKey(HKey key, const regtree::Key *&found) {
    const RegistryKeyObject *object = describe(key);
    found = nullptr;
    if (object == nullptr)
        return errorInvalidHandle;
    found = keyOf(*object);
    return found != nullptr ? errorSuccess : errorFileNotFound;
}

unsigned long handBackValue(const regtree::Value &value, std::uint32_t *type, unsigned char *data,
                            std::uint32_t *dataSize) {
    if (type != nullptr)
        *type = value.type;
    if (data != nullptr && dataSize == nullptr)
        return errorInvalidParameter;
    bool exact = true;
    unsigned long result = copyDataOut(dataFromStored(value.type, value.data, exact), data, dataSize);
    return result != errorSuccess ? result : exactOrLost(exact);
}

} // namespace

unsigned long regOpenKeyEx(HKey parent, const char *subKey, std::uint32_t access, HKey *result) {
    *result = nullptr;
    const RegistryKeyObject *parentObject = describe(parent);
    if (parentObject == nullptr)
        return errorInvalidHandle;
    SandboxRegistry::instance().refresh();
    bool fits;
    NewHandle child = newChild(*parentObject, subKey, access, fits);
    if (!fits)
        return errorInvalidParameter;
    findBelowParent(*parentObject, *child);
    if (keyOf(*child) == nullptr)
        return errorFileNotFound;
    if ((access & writeBits) != 0 && !mayWrite(child->path))
        return errorAccessDenied;
    *result = makeLive(std::move(child));
    return errorSuccess;
}

unsigned long regCreateKeyEx(HKey parent, const char *subKey, std::uint32_t access, HKey *result,
                             bool *created) {
    *result = nullptr;
    if (created != nullptr)
        *created = false;
    const RegistryKeyObject *parentObject = describe(parent);
    if (parentObject == nullptr)
        return errorInvalidHandle;
    SandboxRegistry::instance().refresh();
    bool fits;
    NewHandle child = newChild(*parentObject, subKey, access, fits);
    if (!fits)
        return errorInvalidParameter;
    if (!mayWrite(child->path))
        return errorAccessDenied;
    if (keyOf(*child) == nullptr) {
        SandboxRegistry::instance().createKey(componentsOf(child->path));
        child->written = true;
        if (created != nullptr)
            *created = true;
        *result = makeLive(std::move(child));
        countMachineChange();
        return errorSuccess;
    }
    *result = makeLive(std::move(child));
    return errorSuccess;
}

unsigned long regQueryInfoKey(HKey key, std::uint32_t *subkeyCount, std::uint32_t *maxSubkeyNameLength,
                              std::uint32_t *valueCount, std::uint32_t *maxValueNameLength,
                              std::uint32_t *maxValueDataLength) {
    std::uint32_t counts[5] = {};
    const regtree::Key *found = nullptr;
    unsigned long result = readKey(key, found);
    if (found != nullptr) { // the longest lengths looked for only when asked: a key may have many
        counts[0] = static_cast<std::uint32_t>(found->subkeys().size());
        if (maxSubkeyNameLength != nullptr)
            for (const auto &subkey : found->subkeys())
                counts[1] = std::max(counts[1], static_cast<std::uint32_t>(subkey->name().size()));
        counts[2] = static_cast<std::uint32_t>(found->values().size());
        if (maxValueNameLength != nullptr || maxValueDataLength != nullptr)
            for (const regtree::Value &value : found->values()) {
                counts[3] = std::max(counts[3], static_cast<std::uint32_t>(value.name.size()));
                counts[4] = std::max(counts[4], static_cast<std::uint32_t>(value.data.size()));
            }
    }
    std::uint32_t *outputs[5] = {subkeyCount, maxSubkeyNameLength, valueCount, maxValueNameLength,
                                 maxValueDataLength};
    for (int index = 0; index < 5; ++index)
        if (outputs[index] != nullptr)
            *outputs[index] = counts[index];
    return result;
}

unsigned long regEnumValue(HKey key, std::uint32_t index, char *name, std::uint32_t *nameLength,
                           std::uint32_t *type, unsigned char *data, std::uint32_t *dataSize) {
    const regtree::Key *found = nullptr;
    if (unsigned long result = readKey(key, found); result != errorSuccess)
        return result;
    if (index >= found->values().size())
        return errorNoMoreItems;
    const regtree::Value &value = found->values()[index];
    bool exactName = true;
    unsigned long result = copyNameOut(value.name, name, nameLength, exactName);
    if (result == errorSuccess)
        result = handBackValue(value, type, data, dataSize);
    return result == errorSuccess ? exactOrLost(exactName) : result;
}

unsigned long regEnumKeyEx(HKey key, std::uint32_t index, char *name, std::uint32_t *nameLength) {
    const regtree::Key *found = nullptr;
    if (unsigned long result = readKey(key, found); result != errorSuccess)
        return result;
    if (index >= found->subkeys().size())
        return errorNoMoreItems;
    bool exact = true;
    unsigned long result = copyNameOut(found->subkeys()[index]->name(), name, nameLength, exact);
    return result == errorSuccess ? exactOrLost(exact) : result;
}

unsigned long regQueryValueEx(HKey key, const char *name, std::uint32_t *type, unsigned char *data,
                              std::uint32_t *dataSize) {
    const regtree::Key *found = nullptr;
    if (unsigned long result = readKey(key, found); result != errorSuccess)
        return result;
    const regtree::Value *value = found->findValue(u16FromSystem(name ? name : ""));
    return value == nullptr ? errorFileNotFound : handBackValue(*value, type, data, dataSize);
}

unsigned long regSetValueEx(HKey key, const char *name, std::uint32_t type, const unsigned char *data,
                            std::uint32_t dataSize) {
    const RegistryKeyObject *object = describe(key);
    if (object == nullptr)
        return errorInvalidHandle;
    if (!object->canWrite || !mayWrite(object->path))
        return errorAccessDenied;
    if (keyOf(*object) == nullptr)
        return errorFileNotFound;
    SandboxRegistry::instance().setValue(componentsOf(object->path), {u16FromSystem(name ? name : ""), type,
                                                                      dataToStored(type, data, dataSize)});
    if (predefinedHive(key) == nullptr)
        key->written = true;
    countMachineChange();
    return errorSuccess;
}

unsigned long regDeleteValue(HKey key, const char *name) {
    const RegistryKeyObject *object = describe(key);
    if (object == nullptr)
        return errorInvalidHandle;
    if (!object->canWrite || !mayWrite(object->path))
        return errorAccessDenied;
    if (!SandboxRegistry::instance().removeValue(componentsOf(object->path), u16FromSystem(name ? name : "")))
        return errorFileNotFound;
    if (predefinedHive(key) == nullptr)
        key->written = true;
    countMachineChange();
    return errorSuccess;
}

unsigned long regDeleteTree(HKey parent, const char *subKey, std::uint32_t view) {
    const RegistryKeyObject *parentObject = describe(parent);
    if (parentObject == nullptr)
        return errorInvalidHandle;
    SandboxRegistry::instance().refresh();
    bool fits; // a path too long is simply not found
    NewHandle child = newChild(*parentObject, subKey, view, fits);
    if (child->depth == parentObject->depth)
        return errorInvalidParameter;
    if (!mayWrite(child->path))
        return errorAccessDenied;
    if (!SandboxRegistry::instance().removeKey(componentsOf(child->path)))
        return errorFileNotFound;
    countMachineChange();
    return SandboxRegistry::instance().save() ? errorSuccess : errorAccessDenied;
}

unsigned long regFlushKey(HKey key) {
    const RegistryKeyObject *object = describe(key);
    if (object == nullptr)
        return errorInvalidHandle;
    return SandboxRegistry::instance().save() ? errorSuccess : errorAccessDenied;
}

unsigned long regCloseKey(HKey key) {
    if (predefinedHive(key) != nullptr)
        return errorSuccess;
    std::vector<HKey> &live = liveHandles();
    auto at = std::lower_bound(live.begin(), live.end(), key, std::less<HKey>());
    if (at == live.end() || *at != key)
        return errorInvalidHandle;
    live.erase(at);
    if (key->written)
        SandboxRegistry::instance().save();
    spareHandles().give(key);
    return errorSuccess;
}

int windowsBits() {
    const char *bits = std::getenv("VELTRA_WINDOWS_BITS");
    return bits != nullptr && std::strcmp(bits, "32") == 0 ? 32 : 64;
}

} // namespace os
