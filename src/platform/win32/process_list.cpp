// The running programs on Windows: a Toolhelp snapshot of the processes, each one's full image path
// asked with QueryFullProcessImageNameW (processes of other users or protected ones may refuse it).
#include "platform/process_list.h"

#include "platform/win32/codepage.h"

#include <windows.h>

#include <tlhelp32.h>

namespace os {

namespace {

// A kernel handle closed when the object goes; invalid handles (null or INVALID_HANDLE_VALUE) are left.
class OwnedHandle {
public:
    explicit OwnedHandle(HANDLE handle) : handle_(handle) {}
    ~OwnedHandle() {
        if (valid())
            CloseHandle(handle_);
    }
    OwnedHandle(const OwnedHandle &) = delete;
    OwnedHandle &operator=(const OwnedHandle &) = delete;

    bool valid() const { return handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return handle_; }

private:
    HANDLE handle_;
};

// The full image path of the process, in the system code page; false when it cannot be had.
bool imagePath(DWORD processId, std::string &path) {
    OwnedHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
    if (!process.valid())
        return false;
    std::wstring name(32768, L'\0');
    DWORD length = static_cast<DWORD>(name.size());
    if (!QueryFullProcessImageNameW(process.get(), 0, name.data(), &length))
        return false;
    return systemFromUtf16(name.c_str(), length, path);
}

} // namespace

unsigned long runningExecutables(std::vector<std::string> &paths) {
    paths.clear();
    OwnedHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot.valid())
        return GetLastError();
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    std::string path;
    for (BOOL more = Process32FirstW(snapshot.get(), &entry); more; more = Process32NextW(snapshot.get(), &entry))
        if (entry.th32ProcessID != 0 && imagePath(entry.th32ProcessID, path))
            paths.push_back(path);
    return ERROR_SUCCESS;
}

} // namespace os
