// Taking the modules out of the AppLoad list, the "AcadAppload" copy and "AppAutoLoad.app".
#include "integration/startup_removal.h"

#include "core/param_node.h"
#include "core/text_functions.h"
#include "core/text_string.h"
#include "files/file_utils.h"
#include "integration/host_profile.h"
#include "integration/startup_registration.h"
#include "integration/utf16_file.h"
#include "platform/codepage.h"
#include "registry/registry_key.h"
#include "registry/registry_view.h"

#include <cstdlib>
#include <cstring>
#include <map>

namespace {

const char dwordPrefix[] = "__dword:";

// The number of an encoded count value: a DWORD or decimal text, as the host reads it.
long countOf(const char *encoded) {
    if (encoded == nullptr)
        return 0;
    bool dword = std::strncmp(encoded, dwordPrefix, sizeof dwordPrefix - 1) == 0;
    long count = std::strtol(dword ? encoded + sizeof dwordPrefix - 1 : encoded, nullptr, 10);
    return count < 0 ? 0 : count;
}

std::string entryName(long number) {
    return std::to_string(number) + "Startup";
}

// text without its lines that name a module, each taken with its line end; removed tells whether
// there was one. narrow gives a line in the system code page (false: it names nothing of ours).
template <class Text, class Narrow>
Text withoutModuleLines(const Text &text, const std::vector<std::string> &modules, Narrow narrow, bool &removed) {
    Text kept;
    removed = false;
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = text.find('\n', start);
        end = end == Text::npos ? text.size() : end + 1;
        Text line = text.substr(start, end - start);
        while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
            line.pop_back();
        std::string named;
        if (narrow(line, named) && namesModule(named.c_str(), modules))
            removed = true;
        else
            kept += text.substr(start, end - start);
        start = end;
    }
    return kept;
}

} // namespace

bool namesModule(const char *text, const std::vector<std::string> &modules) {
    std::string line = text != nullptr ? text : "";
    std::size_t close = line.rfind('"');
    std::size_t open = close == std::string::npos || close == 0 ? std::string::npos : line.rfind('"', close - 1);
    std::string quoted = open == std::string::npos ? std::string() : line.substr(open + 1, close - open - 1);
    for (const std::string &module : modules)
        if (samePath(line.c_str(), module.c_str()) || (!quoted.empty() && samePath(quoted.c_str(), module.c_str())))
            return true;
    return false;
}

bool removeFromAppLoadList(HostFamily family, const char *productKey, const std::vector<std::string> &modules) {
    TextString path;
    if (!resolveExistingProfile(productKey, path))
        return true;
    path.Append("/Dialogs/Appload/Startup");
    RegistryKey key;
    key.setWritable(true);
    key.openPath(path.CStr(), false);
    if (!key.IsOpen())
        return true;

    // The list's entries base .. base + count - 1 that the key holds (a number may be missing).
    const long base = family == HostFamily::GstarCad ? 0 : 1;
    std::map<long, std::string> entries;
    NodeList values = key.readValues(true, true);
    const char *countText = key.readValue("NumStartup", false, true);
    const long count = countOf(countText);
    for (NodeCell *cell = values; cell != nullptr; cell = cell->next) {
        long number = startupEntryNumber(ParamNodeOf(cell)->Name());
        if (number >= base && number - base < count && ParamNodeOf(cell)->Value() != nullptr)
            entries[number] = ParamNodeOf(cell)->Value();
    }
    // Each entry that stays moves down by the number of ours before it; the names left over go.
    long removed = 0;
    std::map<long, std::string> moved;
    for (const auto &[number, value] : entries) {
        if (namesModule(value.c_str(), modules))
            ++removed;
        else
            moved[number - removed] = value;
    }
    if (removed == 0)
        return true;
    const bool dword = std::strncmp(countText, dwordPrefix, sizeof dwordPrefix - 1) == 0;
    const std::string remaining = std::to_string(count - removed);
    bool done = true;
    for (const auto &[number, value] : moved)
        if (entries.count(number) == 0 || entries[number] != value)
            done = key.writeValue(entryName(number).c_str(), value.c_str(), false) && done;
    for (const auto &entry : entries)
        if (moved.count(entry.first) == 0)
            done = key.deleteValue(entryName(entry.first).c_str()) && done;
    if (count == removed)
        done = key.deleteValue("NumStartup") && done;
    else
        done = key.writeValue("NumStartup", dword ? (dwordPrefix + remaining).c_str() : remaining.c_str(), false) &&
               done;
    return key.flush() && done;
}

bool removeAcadApploadCopy(const char *productKey) {
    const std::string applications = "/Applications/AcadAppload";
    RegistryKey copy;
    copy.setWritable(true);
    copy.openPath(("HKEY_CURRENT_USER/" + std::string(productKey) + applications).c_str(), false);
    NodeList copied = copy.IsOpen() ? copy.readValues(true, true) : nullptr;
    if (!StrEqual(GetTextInList(copied, "LOADCTRLS", nullptr, false), "__dword:15"))
        return true;

    TextString keyBase(productKey);
    keyBase.CutAt(':');
    keyBase.SyncLength();
    // The source in either registry view: the deployment read it in the view of the module's size.
    for (int view : {1, 0}) {
        RegistryViewScope scope(view);
        RegistryKey product;
        product.openPath(("HKEY_LOCAL_MACHINE/" + std::string(keyBase.CStr())).c_str(), false);
        TextString sourceBase(keyBase.CStr());
        applyBaseProduct(sourceBase, product.IsOpen() ? product.readValue("BaseProduct", false, false) : nullptr);
        RegistryKey source;
        source.openPath(("HKEY_LOCAL_MACHINE/" + std::string(sourceBase.CStr()) + applications).c_str(), false);
        if (!source.IsOpen())
            source.openPath(("HKEY_LOCAL_MACHINE/" + std::string(productKey) + applications).c_str(), false);
        NodeList machine = source.IsOpen() ? source.readValues(true, true) : nullptr;
        // The copy: every machine-wide value, with "LOADCTRLS" = 15 whatever the machine's says.
        bool same = true;
        for (NodeCell *cell = copied; cell != nullptr && same; cell = cell->next) {
            const ParamNode &value = *ParamNodeOf(cell);
            same = StrEqual(value.Name(), "LOADCTRLS") ||
                   StrEqual(GetTextInList(machine, value.Name(), nullptr, false), value.Value());
        }
        for (NodeCell *cell = machine; cell != nullptr && same; cell = cell->next)
            same = FindInList(copied, ParamNodeOf(cell)->Name()) != nullptr;
        if (!same)
            continue;
        std::vector<std::string> names;
        for (NodeCell *cell = copied; cell != nullptr; cell = cell->next)
            names.push_back(ParamNodeOf(cell)->Name());
        bool done = true;
        for (auto name = names.rbegin(); name != names.rend(); ++name) // in the order the key holds them
            done = copy.deleteValue(name->c_str()) && done;
        return copy.flush() && done;
    }
    return true;
}

bool removeFromAppAutoLoad(const char *productKey, const std::vector<std::string> &modules) {
    RegistryKey key;
    key.openPath(("HKEY_CURRENT_USER/" + std::string(productKey)).c_str(), false);
    const char *root = key.IsOpen() ? key.readValue("RoamableRootFolder", false, false) : nullptr;
    if (IsBlank(root))
        return true;
    TextString file(root); // the folder ends with its separator
    file.Append("AppAutoLoad.app");

    std::u16string wide;
    bool bigEndian = false;
    bool removed = false;
    if (readUtf16File(file.CStr(), wide, bigEndian)) {
        auto toSystem = [](const std::u16string &line, std::string &out) { return os::systemFromU16(line, out); };
        std::u16string kept = withoutModuleLines(wide, modules, toSystem, removed);
        if (!removed)
            return true;
        if (kept.find_first_not_of(u"\r\n") == std::u16string::npos)
            return deleteFile(file.CStr()) != 0;
        return writeUtf16File(file.CStr(), kept, bigEndian);
    }
    TextString content;
    readWholeFile(file.CStr(), content);
    auto asIs = [](const std::string &line, std::string &out) {
        out = line;
        return true;
    };
    std::string kept = withoutModuleLines(std::string(content.CStr()), modules, asIs, removed);
    if (!removed)
        return true;
    if (kept.find_first_not_of('\n') == std::string::npos)
        return deleteFile(file.CStr()) != 0;
    writeWholeFile(kept.c_str(), file.CStr());
    return true;
}
