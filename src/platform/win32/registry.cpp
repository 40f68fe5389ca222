// The registry seam on Windows: forwards to the wide-character registry API, converting names
// and text data between the system code page and UTF-16.
#include "platform/registry.h"

#include "platform/registry_data.h"
#include "platform/win32/codepage.h"

#include <windows.h>

namespace os {

namespace {

HKEY native(HKey key) {
    return reinterpret_cast<HKEY>(key);
}

// Registry names are at most 16383 characters; data is read in growing buffers until it fits.
constexpr DWORD longestName = 16384;

std::u16string u16Name(const std::wstring &name) {
    return std::u16string(name.begin(), name.end());
}

// Hands a name and data read from Windows back through the caller's buffers.
unsigned long handBack(const std::wstring &wideName, char *name, std::uint32_t *nameLength, DWORD type,
                       std::uint32_t *typeOut, const Bytes &stored, unsigned char *data,
                       std::uint32_t *dataSize) {
    bool exactName = true;
    if (name != nullptr || nameLength != nullptr) {
        unsigned long result = copyNameOut(u16Name(wideName), name, nameLength, exactName);
        if (result != errorSuccess)
            return result;
    }
    if (typeOut != nullptr)
        *typeOut = type;
    if (data != nullptr && dataSize == nullptr)
        return errorInvalidParameter;
    bool exactData = true;
    unsigned long result = copyDataOut(dataFromStored(type, stored, exactData), data, dataSize);
    return result != errorSuccess ? result : exactOrLost(exactName && exactData);
}

// Calls `read` with the room of `stored` until the data fits, growing `stored` to the size it
// asks for; on success `stored` ends at the size read.
template <typename Read> LONG readGrowing(Bytes &stored, Read read) {
    for (;;) {
        DWORD dataRoom = static_cast<DWORD>(stored.size());
        LONG status = read(dataRoom);
        if (status == ERROR_MORE_DATA && dataRoom > stored.size()) {
            stored.resize(dataRoom);
            continue;
        }
        if (status == ERROR_SUCCESS)
            stored.resize(dataRoom);
        return status;
    }
}

} // namespace

unsigned long regOpenKeyEx(HKey parent, const char *subKey, std::uint32_t access, HKey *result) {
    HKEY opened = nullptr;
    LONG status = RegOpenKeyExW(native(parent), utf16FromSystem(subKey).c_str(), 0, access, &opened);
    *result = status == ERROR_SUCCESS ? reinterpret_cast<HKey>(opened) : nullptr;
    return static_cast<unsigned long>(status);
}

unsigned long regCreateKeyEx(HKey parent, const char *subKey, std::uint32_t access, HKey *result,
                             bool *created) {
    HKEY opened = nullptr;
    DWORD disposition = 0;
    LONG status = RegCreateKeyExW(native(parent), utf16FromSystem(subKey).c_str(), 0, nullptr,
                                  REG_OPTION_NON_VOLATILE, access, nullptr, &opened, &disposition);
    *result = status == ERROR_SUCCESS ? reinterpret_cast<HKey>(opened) : nullptr;
    if (created != nullptr)
        *created = status == ERROR_SUCCESS && disposition == REG_CREATED_NEW_KEY;
    return static_cast<unsigned long>(status);
}

unsigned long regQueryInfoKey(HKey key, std::uint32_t *subkeyCount, std::uint32_t *maxSubkeyNameLength,
                              std::uint32_t *valueCount, std::uint32_t *maxValueNameLength,
                              std::uint32_t *maxValueDataLength) {
    DWORD counts[5] = {};
    LONG status = RegQueryInfoKeyW(native(key), nullptr, nullptr, nullptr, &counts[0], &counts[1], nullptr,
                                   &counts[2], &counts[3], &counts[4], nullptr, nullptr);
    std::uint32_t *outputs[5] = {subkeyCount, maxSubkeyNameLength, valueCount, maxValueNameLength,
                                 maxValueDataLength};
    for (int index = 0; index < 5; ++index)
        if (outputs[index] != nullptr)
            *outputs[index] = status == ERROR_SUCCESS ? counts[index] : 0;
    return static_cast<unsigned long>(status);
}

unsigned long regEnumValue(HKey key, std::uint32_t index, char *name, std::uint32_t *nameLength,
                           std::uint32_t *type, unsigned char *data, std::uint32_t *dataSize) {
    std::wstring wideName(longestName, L'\0');
    Bytes stored(256);
    DWORD valueType = 0;
    DWORD nameRoom = 0;
    LONG status = readGrowing(stored, [&](DWORD &dataRoom) {
        nameRoom = longestName;
        return RegEnumValueW(native(key), index, &wideName[0], &nameRoom, nullptr, &valueType,
                             stored.data(), &dataRoom);
    });
    if (status != ERROR_SUCCESS)
        return static_cast<unsigned long>(status);
    wideName.resize(nameRoom);
    return handBack(wideName, name, nameLength, valueType, type, stored, data, dataSize);
}

unsigned long regEnumKeyEx(HKey key, std::uint32_t index, char *name, std::uint32_t *nameLength) {
    std::wstring wideName(longestName, L'\0');
    DWORD nameRoom = longestName;
    LONG status =
        RegEnumKeyExW(native(key), index, &wideName[0], &nameRoom, nullptr, nullptr, nullptr, nullptr);
    if (status != ERROR_SUCCESS)
        return static_cast<unsigned long>(status);
    wideName.resize(nameRoom);
    bool exact = true;
    unsigned long result = copyNameOut(u16Name(wideName), name, nameLength, exact);
    return result == errorSuccess ? exactOrLost(exact) : result;
}

unsigned long regQueryValueEx(HKey key, const char *name, std::uint32_t *type, unsigned char *data,
                              std::uint32_t *dataSize) {
    std::wstring wideName = utf16FromSystem(name);
    Bytes stored(256);
    DWORD valueType = 0;
    LONG status = readGrowing(stored, [&](DWORD &dataRoom) {
        return RegQueryValueExW(native(key), wideName.c_str(), nullptr, &valueType, stored.data(), &dataRoom);
    });
    if (status != ERROR_SUCCESS)
        return static_cast<unsigned long>(status);
    return handBack(wideName, nullptr, nullptr, valueType, type, stored, data, dataSize);
}

unsigned long regSetValueEx(HKey key, const char *name, std::uint32_t type, const unsigned char *data,
                            std::uint32_t dataSize) {
    Bytes stored = dataToStored(type, data, dataSize);
    return static_cast<unsigned long>(RegSetValueExW(native(key), utf16FromSystem(name).c_str(), 0, type,
                                                     stored.data(), static_cast<DWORD>(stored.size())));
}

unsigned long regDeleteValue(HKey key, const char *name) {
    return static_cast<unsigned long>(RegDeleteValueW(native(key), utf16FromSystem(name).c_str()));
}

unsigned long regDeleteTree(HKey parent, const char *subKey, std::uint32_t view) {
    std::wstring wideSubKey = utf16FromSystem(subKey);
    if (wideSubKey.empty())
        return errorInvalidParameter;
    HKEY opened = nullptr;
    // Only what emptying and deleting the tree needs: a user may delete a key whose security he
    // may not change.
    const REGSAM deletion = DELETE | KEY_ENUMERATE_SUB_KEYS | KEY_QUERY_VALUE | KEY_SET_VALUE;
    LONG status = RegOpenKeyExW(native(parent), wideSubKey.c_str(), 0, deletion | view, &opened);
    if (status != ERROR_SUCCESS)
        return static_cast<unsigned long>(status);
    status = RegDeleteTreeW(opened, nullptr);
    RegCloseKey(opened);
    if (status != ERROR_SUCCESS)
        return static_cast<unsigned long>(status);
    return static_cast<unsigned long>(RegDeleteKeyExW(native(parent), wideSubKey.c_str(), view, 0));
}

unsigned long regFlushKey(HKey key) {
    return static_cast<unsigned long>(RegFlushKey(native(key)));
}

unsigned long regCloseKey(HKey key) {
    bool predefined = key == hkeyClassesRoot || key == hkeyCurrentUser || key == hkeyLocalMachine ||
                      key == hkeyUsers || key == hkeyCurrentConfig;
    return predefined ? errorSuccess : static_cast<unsigned long>(RegCloseKey(native(key)));
}

int windowsBits() {
    if (sizeof(void *) == 8)
        return 64; // a 64-bit program runs only on a 64-bit Windows
    using IsWow64Function = BOOL(WINAPI *)(HANDLE, PBOOL);
    HMODULE kernel = GetModuleHandleW(L"kernel32");
    auto isWow64 = kernel == nullptr ? nullptr
                                     : reinterpret_cast<IsWow64Function>(reinterpret_cast<void *>(
                                           GetProcAddress(kernel, "IsWow64Process")));
    BOOL wow64 = FALSE;
    return isWow64 != nullptr && isWow64(GetCurrentProcess(), &wow64) && wow64 ? 64 : 32;
}

} // namespace os
