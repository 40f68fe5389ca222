// DirectoryScanner: one listing of a folder's entries in progress, over the operating system's
// find first/next file search.
#pragma once

#include "files/file_utils.h"
#include "platform/file_system.h"

class DirectoryScanner {
public:
    DirectoryScanner() = default;
    // Closes an open listing.
    ~DirectoryScanner();

    DirectoryScanner(const DirectoryScanner &) = delete;
    DirectoryScanner &operator=(const DirectoryScanner &) = delete;

    // Closes an open listing, then lists path's entries, or with asPattern the entries matching
    // path as a pattern (its last component may hold '*' and '?'). 1 when the listing is open;
    // otherwise writes "Erreur dans l'ouverture du repertoire <path>" to the diagnostic stream
    // and returns 0.
    int open(const char *path, bool asPattern);
    // Name of the next entry (valid until the next call), or null at the end. isFolder, when
    // given, becomes non-zero for a folder. With skipDots the entries "." and ".." are passed over.
    const char *next(bool skipDots, int *isFolder = nullptr);
    // Ends the listing. Always 1.
    int close();

private:
    os::FindHandle handle = os::invalidFindHandle;
    char name[pathBufferSize] = {};
    os::FindData entry = {}; // the entry read ahead; an empty name once the listing is done
    bool isOpen = false;
};
