// The AppLoad start-up list, the AutoCAD "AcadAppload" copy and ZWCAD's "AppAutoLoad.app".
#include "integration/startup_registration.h"

#include "core/param_node.h"
#include "core/text_functions.h"
#include "core/text_string.h"
#include "hosts/host_version.h"
#include "files/file_utils.h"
#include "integration/host_profile.h"
#include "integration/utf16_file.h"
#include "platform/codepage.h"
#include "registry/registry_key.h"
#include "registry/registry_view.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

const char startupSuffix[] = "Startup";

// out := root + "/" + key, followed by rest when given.
const char *keyPath(TextString &out, const char *root, const char *key, const char *rest = nullptr) {
    out.Assign(root);
    out.AppendChar('/');
    out.Append(key);
    out.Append(rest);
    return out.CStr();
}

// Cuts key before its last '/' or '\' (to the empty text when it has none).
void cutLastComponent(TextString &key) {
    int cut = 0;
    for (int index = 0; index < key.Length(); ++index)
        if (IsPathSeparator(key.CharAt(index)))
            cut = index;
    key.Assign(std::string(key.CStr(), cut).c_str());
}

} // namespace

long startupEntryNumber(const char *name) {
    if (name == nullptr || name[0] < '0' || name[0] > '9' ||
        (name[0] == '0' && name[1] >= '0' && name[1] <= '9'))
        return -1;
    char *end = nullptr;
    long number = std::strtol(name, &end, 10);
    return std::strcmp(end, startupSuffix) == 0 ? number : -1;
}

void applyBaseProduct(TextString &keyBase, const char *baseProduct) {
    if (IsBlank(baseProduct))
        return;
    TextString product(baseProduct);
    cutLastComponent(keyBase);
    keyBase.AppendChar('/');
    keyBase.Append(product.CStr());
}

namespace {

// A UTF-16 "AppAutoLoad.app" with an entry the system's code page cannot hold: the module on a
// first line of its own unless an entry names it already, every other byte kept as it is.
int extendUtf16List(const char *file, const std::u16string &entries, bool bigEndian, const char *modulePath) {
    for (std::size_t start = 0; start <= entries.size();) {
        std::size_t end = std::min(entries.find(u'\n', start), entries.size());
        std::u16string entry = entries.substr(start, end - start);
        if (!entry.empty() && entry.back() == u'\r')
            entry.pop_back();
        std::string narrow;
        if (os::systemFromU16(entry, narrow) && samePath(narrow.c_str(), modulePath))
            return 1;
        start = end + 1;
    }
    writeUtf16FileWithFirstLine(file, os::u16FromSystem(modulePath), entries, bigEndian);
    return 1;
}

// ZWCAD: the module on the first line of "AppAutoLoad.app" in the host's roaming folder. The file
// is written as the program writes its files, or in its own UTF-16 form when it holds an entry
// the system's code page cannot hold.
int registerInAppAutoLoad(const char *productKey, const char *modulePath) {
    TextString path;
    RegistryKey key;
    key.openPath(keyPath(path, "HKEY_CURRENT_USER", productKey), true);
    const char *root = key.readValue("RoamableRootFolder", false, false);
    if (IsBlank(root))
        return 0;
    TextString file(root); // the folder ends with its separator
    file.Append("AppAutoLoad.app");

    TextString content;
    std::u16string wide;
    bool bigEndian = false;
    if (readUtf16File(file.CStr(), wide, bigEndian)) {
        std::string narrow;
        if (!os::systemFromU16(wide, narrow))
            return extendUtf16List(file.CStr(), wide, bigEndian, modulePath);
        content.Assign(narrow.c_str()); // every entry fits the code page: written back as usual
    } else {
        readWholeFile(file.CStr(), content);
    }
    content.NormaliseLineEnds();
    for (const char *line = content.CStr(); line != nullptr;) {
        const char *end = std::strchr(line, '\n');
        if (samePath(std::string(line, end ? end - line : std::strlen(line)).c_str(), modulePath))
            return 1;
        line = end ? end + 1 : nullptr;
    }
    TextString rewritten(modulePath);
    rewritten.AppendChar('\n');
    rewritten.Append(content.CStr());
    writeWholeFile(rewritten.CStr(), file.CStr());
    return 1;
}

// Adds the module to the AppLoad list of the current profile unless an entry already names it;
// found tells which. false when the profile cannot be resolved.
bool addToAppLoadList(HostFamily family, const char *productKey, const char *modulePath, bool &found) {
    TextString path;
    if (!resolveCurrentProfile(productKey, nullptr, nullptr, &path))
        return false;
    path.Append("/Dialogs/Appload/Startup");
    RegistryKey key;
    key.setWritable(true);
    key.openPath(path.CStr(), true);

    const long base = family == HostFamily::GstarCad ? 0 : 1;
    const char *countText = key.readValue("NumStartup", false, false);
    long count = countText ? std::strtol(countText, nullptr, 10) : 0;
    if (count < 0)
        count = 0;
    if (count > INT_MAX - 2)
        count = INT_MAX - 2;

    // The entries base .. base + count - 1, looked for among the values the key holds.
    found = false;
    for (NodeCell *cell = key.readValues(false, false); cell != nullptr && !found; cell = cell->next) {
        const ParamNode &value = *ParamNodeOf(cell);
        long number = startupEntryNumber(value.Name());
        found = number >= base && number < base + count && samePath(value.Value(), modulePath);
    }
    if (found)
        return true;

    std::string entry = std::to_string(base + count) + startupSuffix;
    key.writeValue(entry.c_str(), modulePath, false);
    if (family == HostFamily::AutoCad)
        key.writeValue("NumStartup", std::to_string(count + 1).c_str(), false);
    else
        key.writeIntValue("NumStartup", static_cast<int>(count + 1), true);
    key.flush();
    return true;
}

// AutoCAD: copies the machine-wide "AcadAppload" settings of the product into the user's
// product key and sets "LOADCTRLS" = 15 there. Nothing is written when the module was already
// listed and the user's copy has its "LOADER".
void copyAcadAppload(const char *productKey, bool alreadyListed) {
    const char applications[] = "/Applications/AcadAppload";
    TextString keyBase(productKey);
    keyBase.CutAt(':');
    keyBase.SyncLength();

    RegistryKey key;
    key.setWritable(true);
    TextString path;
    key.openPath(keyPath(path, "HKEY_LOCAL_MACHINE", keyBase.CStr()), true);
    applyBaseProduct(keyBase, key.readValue("BaseProduct", false, false));

    TextString target;
    keyPath(target, "HKEY_CURRENT_USER", productKey, applications);

    if (alreadyListed) {
        key.openPath(target.CStr(), true);
        if (!IsBlank(key.readValue("LOADER", false, false)))
            return;
    }
    RegistryKey source;
    source.openPath(keyPath(path, "HKEY_LOCAL_MACHINE", keyBase.CStr(), applications), false);
    if (!source.IsOpen())
        source.openPath(keyPath(path, "HKEY_LOCAL_MACHINE", productKey, applications), false);
    if (source.IsOpen()) {
        // The encoded form keeps numbers, binary data and expandable strings with their types.
        NodeList values = source.readValues(true, true);
        if (values != nullptr) {
            key.openPath(target.CStr(), true);
            key.writeValues(values, true);
            key.flush();
        }
    }
    key.openPath(target.CStr(), true);
    key.writeIntValue("LOADCTRLS", 15, true);
    key.flush();
}

} // namespace

int registerStartupLoad(const HostVersion &row, bool use64, const char *productKey, const char *modulePath,
                        bool autoload) {
    if (IsBlank(modulePath))
        return 0; // no module of the chosen size (a 64-bit-only host on a 32-bit Windows): no empty entry
    RegistryViewScope view(use64 ? 1 : 0);
    switch (row.family) {
    case HostFamily::AutoCad:
    case HostFamily::BricsCad:
        break;
    case HostFamily::ZwCadPlus:
        return autoload && !IsBlank(productKey) ? registerInAppAutoLoad(productKey, modulePath) : 0;
    case HostFamily::GstarCad:
        if (!autoload)
            return 0;
        break;
    default:
        return 0;
    }
    bool found = false;
    if (!addToAppLoadList(row.family, productKey, modulePath, found))
        return 0;
    if (row.family == HostFamily::AutoCad)
        copyAcadAppload(productKey, found);
    return 1;
}
