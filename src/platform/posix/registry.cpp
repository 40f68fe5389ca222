// The registry seam in the sandbox: key handles name paths in the sandbox registry, with the 32-bit
// view of HKEY_LOCAL_MACHINE\SOFTWARE under Wow6432Node and the rights of a non-administrator.
#include "platform/registry.h"

#include "platform/codepage.h"
#include "platform/posix/crash_after.h"
#include "platform/posix/sandbox_registry.h"
#include "platform/registry_data.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <unordered_set>
#include <vector>

struct os::RegistryKeyObject {
    regtree::Path path;   // hive first, the 32-bit view already resolved
    std::uint32_t view;   // keyWow64_32Key or keyWow64_64Key
    bool written = false; // saved when flushed or closed
    bool canWrite = true; // opened with the right to set values
    // The tree key of path (null: none), as found in the tree's generation nodeGeneration (0: not
    // looked for yet); looked for again once the tree is of another generation.
    mutable regtree::Key *node = nullptr;
    mutable std::uint64_t nodeGeneration = 0;
};

namespace os {

namespace {

constexpr std::uint32_t viewBits = keyWow64_32Key | keyWow64_64Key;
constexpr std::uint32_t writeBits = 0x0006; // set value, create subkey

std::unordered_set<HKey> &liveHandles() {
    // Outlives the static objects that close keys at exit.
    static auto *handles = new std::unordered_set<HKey>;
    return *handles;
}

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
            objects->push_back({{predefinedHive(hive)}, keyWow64_64Key, false, true});
        return objects;
    }();
    for (std::size_t index = 0; index < std::size(predefined); ++index)
        if (key == predefined[index])
            return &(*hives)[index];
    return liveHandles().count(key) != 0 ? key : nullptr;
}

bool isAdmin() {
    const char *admin = std::getenv("VELTRA_ADMIN");
    return admin == nullptr || std::strcmp(admin, "0") != 0;
}

bool mayWrite(const regtree::Path &path) {
    return isAdmin() || path[0] != u"HKEY_LOCAL_MACHINE";
}

// parent\subKey, components split at '\' (empty ones skipped), seen from the view the access asks
// for or else the parent's.
RegistryKeyObject childOf(const RegistryKeyObject &parent, const char *subKey, std::uint32_t access) {
    std::uint32_t view = access & viewBits ? access & viewBits : parent.view;
    RegistryKeyObject child{{}, view, false, (access & writeBits) != 0};
    std::u16string rest = u16FromSystem(subKey == nullptr ? "" : subKey);
    regtree::Path &path = child.path;
    // Room for every component and a Wow6432Node from the start: no component is moved.
    auto separators = static_cast<std::size_t>(std::count(rest.begin(), rest.end(), u'\\'));
    path.reserve(parent.path.size() + separators + 2);
    path.assign(parent.path.begin(), parent.path.end());
    for (std::size_t start = 0; start <= rest.size();) {
        std::size_t end = std::min(rest.find(u'\\', start), rest.size());
        if (end > start)
            path.emplace_back(rest, start, end - start);
        start = end + 1;
    }
    bool redirected = child.view == keyWow64_32Key && path[0] == u"HKEY_LOCAL_MACHINE" && path.size() >= 2 &&
                      regtree::sameName(path[1], u"SOFTWARE") &&
                      !(path.size() >= 3 && regtree::sameName(path[2], u"Wow6432Node")) &&
                      windowsBits() == 64;
    if (redirected)
        path.insert(path.begin() + 2, u"Wow6432Node");
    return child;
}

// Within what Windows allows, so that the registry file reads back whole.
bool namesFit(const regtree::Path &path) {
    for (const std::u16string &name : path)
        if (name.size() > regtree::maxKeyNameLength)
            return false;
    return path.size() <= regtree::maxKeyDepth + 1;
}

// The tree key of a handle: a hive always exists, even before it holds anything.
const regtree::Key *keyOf(const RegistryKeyObject &handle) {
    static const regtree::Key emptyHive;
    SandboxRegistry &registry = SandboxRegistry::instance();
    if (handle.nodeGeneration != registry.generation()) {
        handle.node = registry.tree().find(handle.path);
        handle.nodeGeneration = registry.generation();
    }
    return handle.node == nullptr && handle.path.size() == 1 ? &emptyHive : handle.node;
}

// Looks for the key of child from its parent's key, so that only the components it adds are
// compared: when the parent's path starts the child's (the 32-bit view may have put Wow6432Node
// inside it) and the parent's key exists.
void findBelowParent(const RegistryKeyObject &parent, RegistryKeyObject &child) {
    keyOf(parent);
    if (parent.node == nullptr || child.path.size() < parent.path.size() ||
        !std::equal(parent.path.begin(), parent.path.end(), child.path.begin()))
        return;
    child.node = parent.node->find(child.path, parent.path.size());
    child.nodeGeneration = parent.nodeGeneration;
}

HKey newHandle(RegistryKeyObject object) {
    HKey handle = new RegistryKeyObject(std::move(object));
    liveHandles().insert(handle);
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
    RegistryKeyObject child = childOf(*parentObject, subKey, access);
    if (!namesFit(child.path))
        return errorInvalidParameter;
    findBelowParent(*parentObject, child);
    if (keyOf(child) == nullptr)
        return errorFileNotFound;
    if ((access & writeBits) != 0 && !mayWrite(child.path))
        return errorAccessDenied;
    *result = newHandle(std::move(child));
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
    RegistryKeyObject child = childOf(*parentObject, subKey, access);
    if (!namesFit(child.path))
        return errorInvalidParameter;
    if (!mayWrite(child.path))
        return errorAccessDenied;
    if (keyOf(child) == nullptr) {
        SandboxRegistry::instance().createKey(child.path);
        child.written = true;
        if (created != nullptr)
            *created = true;
        *result = newHandle(std::move(child));
        countMachineChange();
        return errorSuccess;
    }
    *result = newHandle(std::move(child));
    return errorSuccess;
}

unsigned long regQueryInfoKey(HKey key, std::uint32_t *subkeyCount, std::uint32_t *maxSubkeyNameLength,
                              std::uint32_t *valueCount, std::uint32_t *maxValueNameLength,
                              std::uint32_t *maxValueDataLength) {
    std::uint32_t counts[5] = {};
    const regtree::Key *found = nullptr;
    unsigned long result = readKey(key, found);
    if (found != nullptr) {
        counts[0] = static_cast<std::uint32_t>(found->subkeys().size());
        for (const auto &subkey : found->subkeys())
            counts[1] = std::max(counts[1], static_cast<std::uint32_t>(subkey->name().size()));
        counts[2] = static_cast<std::uint32_t>(found->values().size());
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
    SandboxRegistry::instance().setValue(
        object->path, {u16FromSystem(name ? name : ""), type, dataToStored(type, data, dataSize)});
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
    if (!SandboxRegistry::instance().removeValue(object->path, u16FromSystem(name ? name : "")))
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
    RegistryKeyObject child = childOf(*parentObject, subKey, view);
    if (child.path.size() == parentObject->path.size())
        return errorInvalidParameter;
    if (!mayWrite(child.path))
        return errorAccessDenied;
    if (!SandboxRegistry::instance().removeKey(child.path))
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
    if (liveHandles().erase(key) == 0)
        return errorInvalidHandle;
    if (key->written)
        SandboxRegistry::instance().save();
    delete key;
    return errorSuccess;
}

int windowsBits() {
    const char *bits = std::getenv("VELTRA_WINDOWS_BITS");
    return bits != nullptr && std::strcmp(bits, "32") == 0 ? 32 : 64;
}

} // namespace os
