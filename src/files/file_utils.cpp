// Path texts and folders: the program folder, parents, path comparison, folder creation and
// existence tests.
#include "files/file_utils.h"

#include "core/text_string.h"
#include "files/directory_scanner.h"
#include "journal/change_layer.h"
#include "platform/ascii_case.h"
#include "platform/process.h"

#include <cstring>

namespace {

// makeFolders creates missing parents only for paths up to this length.
constexpr std::size_t maxParentCreationLength = 159;

char programFolderCache[pathBufferSize];
bool programFolderKnown = false;
char parentFolderBuffer[pathBufferSize];

bool isSeparator(char c) {
    return c == '/' || c == '\\';
}

bool fits(const char *path) {
    return path != nullptr && std::strlen(path) <= maxPathLength;
}

} // namespace

const char *programFolder() {
    char name[pathBufferSize];
    unsigned long length = os::getModuleFileName(name, pathBufferSize);
    if (length > 0 && length < pathBufferSize) { // a cut name would give another folder
        parentFolder(name, programFolderCache);
        programFolderKnown = true;
    }
    return programFolderKnown ? programFolderCache : ".";
}

void AssignProgramDir(TextString &text, const char *name, const char *directory) {
    text.Assign(programFolder());
    text.JoinPath(name, directory, 1);
}

const char *parentFolder(const char *path, char *out) {
    if (out == nullptr)
        out = parentFolderBuffer;
    std::size_t length = path == nullptr ? 0 : std::strlen(path);
    std::size_t cut = length;
    while (cut > 0 && !isSeparator(path[cut - 1]))
        --cut;
    if (cut == 0) {
        std::strcpy(out, ".");
    } else if (cut - 1 > maxPathLength) {
        out[0] = '\0';
    } else {
        std::memcpy(out, path, cut - 1);
        out[cut - 1] = '\0';
    }
    return out;
}

int samePath(const char *a, const char *b) {
    if (a == nullptr || b == nullptr)
        return 0;
    for (; *a != '\0' && *b != '\0'; ++a, ++b) {
        bool bothSeparators = isSeparator(*a) && isSeparator(*b);
        if (!bothSeparators && os::asciiLower(*a) != os::asciiLower(*b))
            return 0;
    }
    if (isSeparator(*a))
        ++a;
    if (isSeparator(*b))
        ++b;
    return *a == '\0' && *b == '\0';
}

int makeFolders(const char *path, bool withParents) {
    if (!fits(path))
        return 0;
    if (folderExists(path) || journal::makeDirectory(path) == 0)
        return 1;
    if (!withParents || std::strlen(path) > maxParentCreationLength)
        return 0;
    char parent[pathBufferSize];
    parentFolder(path, parent);
    if (std::strcmp(parent, path) == 0 || !makeFolders(parent, withParents))
        return 0;
    return journal::makeDirectory(path) == 0;
}

int makeParentFolders(const char *filePath, bool withParents) {
    if (!fits(filePath))
        return 0;
    if (std::strpbrk(filePath, "/\\") == nullptr)
        return 1;
    char parent[pathBufferSize];
    return makeFolders(parentFolder(filePath, parent), withParents);
}

int deleteFile(const char *path) {
    return fits(path) && journal::deleteFile(path);
}

namespace {
FileExistenceMemo *innermostMemo = nullptr;
} // namespace

FileExistenceMemo::FileExistenceMemo() : outer(innermostMemo) {
    innermostMemo = this;
}

FileExistenceMemo::~FileExistenceMemo() {
    innermostMemo = outer;
}

int fileExists(const char *path) {
    if (!fits(path))
        return 0;
    if (innermostMemo == nullptr)
        return journal::pathExists(path);
    auto [answer, firstAsked] = innermostMemo->answers.try_emplace(path, 0);
    if (firstAsked)
        answer->second = journal::pathExists(path);
    return answer->second;
}

int folderExists(const char *path) {
    if (journal::previewCreatedFolder(path))
        return 1;
    DirectoryScanner scanner;
    return scanner.open(path, false);
}
