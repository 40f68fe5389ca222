// Listing a folder's entries one at a time, one entry read ahead.
#include "files/directory_scanner.h"
#include "platform/diagnostic_output.h"

#include <cstring>
#include <string>

static_assert(os::maxPath <= pathBufferSize, "an entry name fits in the scanner's name");

namespace {

bool isDots(const char *name) {
    return std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0;
}

} // namespace

DirectoryScanner::~DirectoryScanner() {
    close();
}

int DirectoryScanner::open(const char *path, bool asPattern) {
    close();
    std::string pattern = path == nullptr ? "" : path;
    if (!asPattern)
        pattern += "\\*";
    if (pattern.size() <= maxPathLength)
        handle = os::findFirstFile(pattern.c_str(), &entry);
    if (handle == os::invalidFindHandle) {
        entry.name[0] = '\0';
        os::printDiagnostic("Erreur dans l'ouverture du repertoire <%s>\n", path == nullptr ? "" : path);
        return 0;
    }
    isOpen = true;
    return 1;
}

const char *DirectoryScanner::next(bool skipDots, int *isFolder) {
    if (isFolder != nullptr)
        *isFolder = 0;
    if (!isOpen)
        return nullptr;
    do {
        std::strcpy(name, entry.name);
        if (isFolder != nullptr)
            *isFolder = name[0] != '\0' && (entry.attributes & os::fileAttributeDirectory) != 0;
        if (entry.name[0] != '\0' && !os::findNextFile(handle, &entry))
            entry.name[0] = '\0';
    } while (skipDots && isDots(name));
    return name[0] != '\0' ? name : nullptr;
}

int DirectoryScanner::close() {
    if (isOpen) {
        os::findClose(handle);
        handle = os::invalidFindHandle;
        isOpen = false;
    }
    return 1;
}
