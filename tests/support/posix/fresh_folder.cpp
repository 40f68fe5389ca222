// Fresh test folders, in memory when the system has a memory file system.
#include "support/posix/fresh_folder.h"

#include <cstdlib>

std::string freshTestFolder(const char *name) {
    for (const char *parent : {"/dev/shm/", "/tmp/"}) {
        std::string folder = parent + std::string(name) + "-XXXXXX";
        if (mkdtemp(folder.data()) != nullptr)
            return folder;
    }
    return "";
}
