// The VELTRA_CRASH_AFTER counter of the sandbox.
#include "platform/posix/crash_after.h"

#include "platform/posix/sandbox_registry.h"

#include <cstdlib>
#include <unistd.h>

namespace os {

namespace {

// The change after which the process dies, read once; 0: never.
long crashPoint() {
    static const long point = [] {
        const char *text = std::getenv("VELTRA_CRASH_AFTER");
        long value = text != nullptr ? std::strtol(text, nullptr, 10) : 0;
        return value > 0 ? value : 0;
    }();
    return point;
}

} // namespace

void countMachineChange() {
    static long changes = 0;
    if (crashPoint() == 0 || ++changes < crashPoint())
        return;
    SandboxRegistry::instance().save();
    _exit(137);
}

} // namespace os
