// Naming registry keys by their full, view-resolved path.
#include "journal/key_name.h"

#include "platform/ascii_case.h"

#include <cstring>

namespace journal {

namespace {

struct Hive {
    os::HKey handle;
    const char *name;
};

const Hive hives[] = {{os::hkeyClassesRoot, "HKEY_CLASSES_ROOT"},
                      {os::hkeyCurrentUser, "HKEY_CURRENT_USER"},
                      {os::hkeyLocalMachine, "HKEY_LOCAL_MACHINE"},
                      {os::hkeyUsers, "HKEY_USERS"},
                      {os::hkeyCurrentConfig, "HKEY_CURRENT_CONFIG"}};

// The path with '\' separators and no empty component.
std::string tidy(const char *path) {
    std::string out;
    out.reserve(path == nullptr ? 0 : std::strlen(path));
    for (const char *c = path == nullptr ? "" : path; *c != '\0'; ++c) {
        bool separator = *c == '\\' || *c == '/';
        if (separator && (out.empty() || out.back() == '\\'))
            continue;
        out += separator ? '\\' : *c;
    }
    if (!out.empty() && out.back() == '\\')
        out.pop_back();
    return out;
}

} // namespace

bool sameRegistryName(const std::string &a, const std::string &b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (os::asciiLower(a[i]) != os::asciiLower(b[i]))
            return false;
    return true;
}

std::string fullKeyName(os::HKey root, const char *path, std::uint32_t access) {
    const char *hiveName = nullptr;
    for (const Hive &hive : hives)
        if (hive.handle == root)
            hiveName = hive.name;
    if (hiveName == nullptr)
        return {};
    std::string rest = tidy(path);
    std::string first = rest.substr(0, rest.find('\\'));
    if (root == os::hkeyLocalMachine && (access & os::keyWow64_32Key) != 0 && os::windowsBits() == 64 &&
        sameRegistryName(first, "SOFTWARE")) {
        std::string after = first.size() < rest.size() ? rest.substr(first.size() + 1) : "";
        std::string second = after.substr(0, after.find('\\'));
        if (!sameRegistryName(second, "Wow6432Node"))
            rest = first + "\\Wow6432Node" + (after.empty() ? "" : "\\" + after);
    }
    std::string full;
    full.reserve(std::strlen(hiveName) + 1 + rest.size()); // one allocation
    full.append(hiveName);
    if (!rest.empty())
        full.append(1, '\\').append(rest);
    return full;
}

bool splitKeyName(const std::string &fullName, os::HKey &root, std::string &path) {
    std::string first = fullName.substr(0, fullName.find('\\'));
    for (const Hive &hive : hives) {
        if (sameRegistryName(first, hive.name)) {
            root = hive.handle;
            path = first.size() < fullName.size() ? fullName.substr(first.size() + 1) : "";
            return true;
        }
    }
    return false;
}

} // namespace journal
