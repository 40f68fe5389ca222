// Whole-file reads and crash-safe whole-file writes through the operating-system layer.
#include "journal/whole_file_io.h"

#include "platform/file_stream.h"
#include "platform/file_system.h"

#include <cstdio>

namespace journal {

std::string temporaryPathOf(const std::string &path) {
    return path + ".vltmp";
}

bool readFileBytes(const std::string &path, std::string &bytes) {
    bytes.clear();
    std::FILE *file = os::openFile(path.c_str(), "rb");
    if (file == nullptr)
        return false;
    char block[4096];
    std::size_t count;
    while ((count = std::fread(block, 1, sizeof block, file)) > 0)
        bytes.append(block, count);
    bool complete = std::ferror(file) == 0;
    std::fclose(file);
    return complete;
}

bool writeFileBytes(const std::string &path, const std::string &bytes) {
    std::string temporary = temporaryPathOf(path);
    std::FILE *file = os::openFile(temporary.c_str(), "wb");
    if (file == nullptr)
        return false;
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    written = os::syncFile(file) && written;
    written = std::fclose(file) == 0 && written;
    if (written && os::replaceFile(temporary.c_str(), path.c_str()))
        return true;
    os::deleteFile(temporary.c_str());
    return false;
}

} // namespace journal
