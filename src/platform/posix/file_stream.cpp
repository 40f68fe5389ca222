// File streams of the sandbox: Windows paths mapped to host files, Windows text mode emulated.
#include "platform/file_stream.h"

#include "platform/posix/crash_after.h"
#include "platform/posix/host_path.h"
#include "platform/posix/text_stream.h"

#include <cstring>
#include <string>
#include <unistd.h>

namespace os {

std::FILE *openFile(const char *path, const char *mode) {
    if (path == nullptr || mode == nullptr)
        return nullptr;
    std::string hostMode;
    for (const char *flag = mode; *flag != '\0'; ++flag)
        if (*flag != 'b' && *flag != 't')
            hostMode.push_back(*flag);
    bool writing = hostMode.find_first_of("wa+") != std::string::npos;
    std::FILE *raw = std::fopen((writing ? hostPathForWriting(path) : hostPath(path)).c_str(), hostMode.c_str());
    if (raw != nullptr && writing)
        countMachineChange(); // the file is created, emptied or opened for writing
    if (raw == nullptr || std::strchr(mode, 'b') != nullptr)
        return raw;
    return openTextStream(raw, hostMode.c_str());
}

bool syncFile(std::FILE *file) {
    if (std::fflush(file) != 0)
        return false;
    int descriptor = fileno(file);
    return descriptor < 0 || fsync(descriptor) == 0; // a text stream has no descriptor of its own
}

} // namespace os
