// The sandbox has no shell folder service: its folders are the registry's "Shell Folders" values.
#include "platform/shell_folder_service.h"

namespace os {

long shGetFolderPath(int, char *path, unsigned long size) {
    if (size > 0)
        path[0] = '\0';
    return shellServiceMissing;
}

} // namespace os
