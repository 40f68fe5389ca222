// Helper of the Wine end-to-end tests: exports several registry keys and their subkeys into one
// version 5 .reg file (UTF-16) in a single process, where `reg export` takes one Wine start per key.
// Usage: veltra_export_keys.exe OUTPUT KEY...   (absent keys are left out; exit code 1 when a
// present key cannot be read or the file cannot be written)
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

const struct {
    const wchar_t *name;
    HKEY key;
} roots[] = {{L"HKEY_CURRENT_USER", HKEY_CURRENT_USER}, {L"HKEY_LOCAL_MACHINE", HKEY_LOCAL_MACHINE},
             {L"HKEY_CLASSES_ROOT", HKEY_CLASSES_ROOT}, {L"HKEY_USERS", HKEY_USERS}};

std::wstring quoted(const wchar_t *text, size_t length) {
    std::wstring out = L"\"";
    for (size_t i = 0; i < length; ++i) {
        wchar_t c = text[i];
        if (c == L'\\' || c == L'"') out += L'\\';
        if (c == L'\0') out += L"\\0";
        else if (c == L'\n') out += L"\\n";
        else if (c == L'\r') out += L"\\r";
        else out += c;
    }
    return out + L"\"";
}

// A string value as `reg export` writes it (its terminating NUL implied), anything else in hex.
std::wstring valueData(DWORD type, const BYTE *data, DWORD size) {
    if (type == REG_SZ && size >= 2 && size % 2 == 0 && data[size - 1] == 0 && data[size - 2] == 0)
        return quoted(reinterpret_cast<const wchar_t *>(data), size / 2 - 1);
    wchar_t piece[16];
    swprintf(piece, 16, type == REG_BINARY ? L"hex:" : L"hex(%lx):", type);
    std::wstring out = piece;
    for (DWORD i = 0; i < size; ++i) {
        swprintf(piece, 16, i ? L",%02x" : L"%02x", data[i]);
        out += piece;
    }
    return out;
}

bool exportKey(HKEY key, const std::wstring &path, std::wstring &out) {
    out += L"[" + path + L"]\r\n";
    std::vector<wchar_t> name(16384);
    std::vector<BYTE> data(1 << 20);
    for (DWORD index = 0;; ++index) {
        DWORD nameLength = static_cast<DWORD>(name.size()), size = static_cast<DWORD>(data.size()), type = 0;
        LONG result = RegEnumValueW(key, index, name.data(), &nameLength, nullptr, &type, data.data(), &size);
        if (result == ERROR_NO_MORE_ITEMS) break;
        if (result != ERROR_SUCCESS) return false;
        out += (nameLength ? quoted(name.data(), nameLength) : L"@") + L"=" + valueData(type, data.data(), size) +
               L"\r\n";
    }
    out += L"\r\n";
    for (DWORD index = 0;; ++index) {
        DWORD nameLength = static_cast<DWORD>(name.size());
        LONG result = RegEnumKeyExW(key, index, name.data(), &nameLength, nullptr, nullptr, nullptr, nullptr);
        if (result == ERROR_NO_MORE_ITEMS) return true;
        HKEY child = nullptr;
        if (result != ERROR_SUCCESS ||
            RegOpenKeyExW(key, name.data(), 0, KEY_READ | KEY_WOW64_64KEY, &child) != ERROR_SUCCESS)
            return false;
        bool done = exportKey(child, path + L"\\" + std::wstring(name.data(), nameLength), out);
        RegCloseKey(child);
        if (!done) return false;
    }
}

} // namespace

int wmain(int argc, wchar_t **argv) {
    if (argc < 3) return 2;
    std::wstring out = L"\xFEFFWindows Registry Editor Version 5.00\r\n\r\n";
    bool done = true;
    for (int i = 2; i < argc; ++i) {
        std::wstring path = argv[i];
        size_t slash = path.find(L'\\');
        HKEY key = nullptr;
        for (const auto &root : roots)
            if (path.compare(0, slash, root.name) == 0 && slash != std::wstring::npos &&
                RegOpenKeyExW(root.key, path.c_str() + slash + 1, 0, KEY_READ | KEY_WOW64_64KEY, &key) ==
                    ERROR_SUCCESS)
                break;
        if (!key) continue;
        done = exportKey(key, path, out) && done;
        RegCloseKey(key);
    }
    FILE *file = _wfopen(argv[1], L"wb");
    if (!file) return 1;
    done = std::fwrite(out.data(), sizeof(wchar_t), out.size(), file) == out.size() && done;
    return std::fclose(file) == 0 && done ? 0 : 1;
}
