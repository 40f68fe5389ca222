// RegistryKey: opening by path or below a parent, reading and writing values, listing subkeys.
#include "registry/registry_key.h"

#include "core/heap_copy.h"
#include "core/param_node.h"
#include "core/text_functions.h"
#include "core/text_string.h"
#include "install/diagnostic_stream.h"
#include "registry/registry_path.h"
#include "registry/registry_view.h"
#include "registry/value_encoding.h"

#include <algorithm>
#include <cstring>
#include <vector>

RegistryKey RegistryKey::ClassesRoot(0);
RegistryKey RegistryKey::Users(1);
RegistryKey RegistryKey::LocalMachine(2);
RegistryKey RegistryKey::CurrentUser(3);
RegistryKey RegistryKey::ProductMachine(4);
RegistryKey RegistryKey::ProductUser(5);

namespace {

constexpr std::uint32_t readAccess = os::keyRead;
constexpr std::uint32_t readWriteAccess = os::keyReadWrite;

// The components the product roots put before their children's paths: Software, the publisher,
// the product name (empty, yet a component) and the version.
const char *const productComponents[] = {"Software", "Corvanth", "", "1.0"};

void report(const char *line) {
    diagnosticStream().write(line);
    diagnosticStream().put('\n');
}

// A value or subkey whose name or text the system's code page cannot hold: left out, never used
// under the '?' form the system gives for it.
void reportLost(const char *what, const char *keyPath, const char *name) {
    TextString line(what);
    line.Append(" hors de la page de code du systeme, ignoree : ");
    line.Append(keyPath);
    line.AppendChar('\\');
    line.Append(name);
    report(line.CStr());
}

void joinComponent(TextString &path, const char *component, bool &first) {
    if (!first)
        path.AppendChar('\\');
    path.Append(component);
    first = false;
}

} // namespace

void RegistryKey::becomeRoot(int index) {
    static const os::HKey predefined[] = {os::hkeyClassesRoot, os::hkeyUsers,        os::hkeyLocalMachine,
                                          os::hkeyCurrentUser, os::hkeyLocalMachine, os::hkeyCurrentUser};
    rootIndex = index >= 0 && index <= 5 ? index : 3;
    rootHandle = predefined[rootIndex];
    isOpen = true;
}

const char *RegistryKey::openPath(const char *pathText, bool create) {
    reset();
    if (pathText == nullptr)
        return nullptr;
    std::size_t rootLength = std::strcspn(pathText, "/\\");
    if (rootLength > maxRegistryRootLength)
        return nullptr;
    RegistryKey *root = registryRootNamed(pathText, rootLength);
    const char *rest = pathText[rootLength] != '\0' ? pathText + rootLength + 1 : nullptr;
    if (root == nullptr || (rest != nullptr && std::strlen(rest) > maxRegistryPathLength))
        return nullptr;
    return openChild(root, create ? 1 : 0, rest);
}

const char *RegistryKey::openChild(const RegistryKey *parent, int create, const char *part1,
                                   const char *part2, const char *part3, const char *part4) {
    reset();
    if (parent == nullptr) {
        becomeRoot(create);
        return nullptr;
    }
    rootIndex = -1;
    rootHandle = parent->rootHandle;

    TextString full;
    bool first = true;
    if (parent->rootIndex == 4 || parent->rootIndex == 5)
        for (const char *component : productComponents)
            joinComponent(full, component, first);
    if (parent->path != nullptr)
        joinComponent(full, parent->path, first);
    for (const char *part : {part1, part2, part3, part4})
        if (part != nullptr)
            joinComponent(full, part, first);
    full.ReplaceChar('/', '\\');
    path = full.Length() > 0 ? full.Release() : DupBytes("", 0);

    if (std::strlen(path) > maxRegistryPathLength)
        return path; // too long to name a key: stays closed
    std::uint32_t access = (writable ? readWriteAccess : readAccess) | registryViewAccess();
    unsigned long result = journal::openKey(rootHandle, path, access, create != 0, &handle);
    if (create != 0 && result != os::errorSuccess)
        report("Erreur de creation du registre");
    isOpen = result == os::errorSuccess;
    if (!isOpen)
        handle = nullptr;
    return path;
}

NodeList RegistryKey::readValues(bool refresh, bool encode) {
    if (!hasHandle() || (values != nullptr && !refresh))
        return values;
    freeValues();
    static thread_local std::vector<journal::RegValue> read; // its storage kept from one key to the next
    std::vector<std::string> lost;
    if (journal::readValues(handle, read, lost) != os::errorSuccess)
        report("Erreur de lecture du registre");
    for (const std::string &name : lost) {
        reportLost("Valeur", path, name.c_str());
        unreadable.push_back(name);
    }
    for (journal::RegValue &value : read) {
        std::uint32_t dataSize = static_cast<std::uint32_t>(value.data.size());
        value.data.push_back('\0'); // the decoder may read text data up to a NUL
        ParamNode *node = decodeRegistryValue(value.name.c_str(), value.type,
                                              reinterpret_cast<const unsigned char *>(value.data.data()),
                                              dataSize, encode);
        if (node == nullptr)
            continue;
        NodeCell *cell = values;
        while (cell != nullptr && !StrEqual(ParamNodeOf(cell)->Name(), node->Name()))
            cell = cell->next;
        if (cell != nullptr) {
            delete ParamNodeOf(cell);
            cell->item = node;
        } else {
            ListPushFront(values, node);
        }
    }
    return values;
}

bool RegistryKey::isUnreadable(const char *name) {
    readValues(false, false);
    for (const std::string &lost : unreadable)
        if (StrEqual(lost.c_str(), name))
            return true;
    return false;
}

const char *RegistryKey::readValue(const char *name, bool refresh, bool encode) {
    ParamNode *node = FindInList(readValues(refresh, encode), name);
    return node != nullptr ? node->Value() : nullptr;
}

NodeList RegistryKey::subkeyNames(bool refresh) {
    if (!isOpen)
        return nullptr;
    if (hasHandle() && (subkeyCells.empty() || refresh)) {
        subkeyText.clear();
        subkeyCells.clear();
        std::vector<std::string> names, lost;
        if (journal::subkeyNames(handle, names, lost) != os::errorSuccess)
            report("Erreur de parcours du registre");
        for (const std::string &name : lost)
            reportLost("Cle", path, name.c_str());
        std::size_t size = 0;
        for (const std::string &name : names)
            size += name.size() + 1;
        subkeyText.reserve(size);
        for (const std::string &name : names)
            subkeyText.append(name.c_str(), name.size() + 1);
        subkeyCells.resize(names.size());
        char *text = subkeyText.data();
        for (std::size_t index = 0; index < names.size(); ++index) {
            subkeyCells[index] = {index > 0 ? &subkeyCells[index - 1] : nullptr, text};
            text += names[index].size() + 1;
        }
    }
    return subkeyCells.empty() ? nullptr : &subkeyCells.back();
}

bool RegistryKey::writeValues(NodeList nodes, bool numbersAsDword) {
    if (!hasHandle())
        return false;
    freeValues();
    bool allWritten = true;
    for (NodeCell *cell = nodes; cell != nullptr; cell = cell->next) {
        const ParamNode &node = *ParamNodeOf(cell);
        RegistryData data;
        if (node.Value() == nullptr || !encodeRegistryValue(node, numbersAsDword, data))
            continue;
        unsigned long result = journal::setValue(handle, node.Name(), data.type, data.bytes.data(),
                                                 static_cast<std::uint32_t>(data.bytes.size()));
        if (result != os::errorSuccess) {
            TextString line("Erreur d'ecriture dans le registre (");
            line.Append(node.Name());
            line.Append(" dans ");
            line.Append(path);
            line.Append(")");
            report(line.CStr());
            allWritten = false;
        }
    }
    return allWritten;
}

bool RegistryKey::writeValue(const char *name, const char *text, bool numbersAsDword) {
    ParamNode node(name, text);
    NodeCell cell{nullptr, &node};
    return writeValues(&cell, numbersAsDword);
}

bool RegistryKey::writeIntValue(const char *name, int number, bool numbersAsDword) {
    ParamNode node(name, number);
    NodeCell cell{nullptr, &node};
    return writeValues(&cell, numbersAsDword);
}

bool RegistryKey::deleteValue(const char *name) {
    if (!hasHandle())
        return false;
    freeValues();
    return journal::deleteValue(handle, name) == os::errorSuccess;
}

bool RegistryKey::queryInfo() {
    maxValueNameLength = maxValueDataLength = subkeyCount = valueCount = maxSubkeyNameLength = 0;
    if (!hasHandle())
        return false;
    std::vector<journal::RegValue> read;
    std::vector<std::string> names, lost;
    if (journal::readValues(handle, read, lost) == os::errorSuccess &&
        journal::subkeyNames(handle, names, lost) == os::errorSuccess) {
        subkeyCount = static_cast<std::uint32_t>(names.size());
        valueCount = static_cast<std::uint32_t>(read.size());
        for (const std::string &name : names)
            maxSubkeyNameLength = std::max(maxSubkeyNameLength, static_cast<std::uint32_t>(name.size()));
        for (const journal::RegValue &value : read) {
            maxValueNameLength = std::max(maxValueNameLength, static_cast<std::uint32_t>(value.name.size()));
            maxValueDataLength = std::max(maxValueDataLength, static_cast<std::uint32_t>(value.data.size()));
        }
        return true;
    }
    report("Erreur d'info au registre");
    maxValueNameLength = maxValueDataLength = subkeyCount = valueCount = maxSubkeyNameLength = 0;
    return false;
}

bool RegistryKey::flush() {
    if (!hasHandle())
        return false;
    if (journal::flushKey(handle) == os::errorSuccess)
        return true;
    report("Erreur de flush du registre");
    return false;
}

void RegistryKey::close() {
    journal::closeKey(handle);
    handle = nullptr;
    isOpen = false;
}

void RegistryKey::reset() {
    close();
    FreeHeapCopy(path);
    freeValues();
    subkeyText.clear();
    subkeyCells.clear();
    maxValueNameLength = maxValueDataLength = subkeyCount = valueCount = maxSubkeyNameLength = 0;
}

bool RegistryKey::setWritable(bool value) {
    bool previous = writable;
    writable = value;
    return previous;
}

void RegistryKey::freeValues() {
    ListClear<ParamNode>(values);
    unreadable.clear();
}

const char *productPublisher() {
    return productComponents[1];
}
