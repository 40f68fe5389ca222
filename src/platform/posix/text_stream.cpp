// Windows text mode for the sandbox, as a glibc cookie stream wrapped around the real file.
#include "platform/posix/text_stream.h"

#include <stdio.h>
#include <sys/types.h>

namespace os {

namespace {

constexpr int endOfFileMark = 0x1A; // Ctrl-Z

struct TextFile {
    std::FILE *raw;
    bool markSeen; // a Ctrl-Z ended the reading
};

ssize_t readText(void *cookie, char *buffer, size_t size) {
    TextFile *file = static_cast<TextFile *>(cookie);
    size_t count = 0;
    while (count < size && !file->markSeen) {
        int character = std::getc(file->raw);
        if (character == EOF)
            break;
        if (character == endOfFileMark) {
            file->markSeen = true;
            break;
        }
        if (character == '\r') {
            int next = std::getc(file->raw);
            if (next == '\n')
                character = '\n';
            else if (next != EOF)
                std::ungetc(next, file->raw);
        }
        buffer[count++] = static_cast<char>(character);
    }
    if (count == 0 && std::ferror(file->raw))
        return -1;
    return static_cast<ssize_t>(count);
}

ssize_t writeText(void *cookie, const char *buffer, size_t size) {
    TextFile *file = static_cast<TextFile *>(cookie);
    for (size_t index = 0; index < size; ++index) {
        if (buffer[index] == '\n' && std::putc('\r', file->raw) == EOF)
            return -1;
        if (std::putc(buffer[index], file->raw) == EOF)
            return -1;
    }
    return static_cast<ssize_t>(size);
}

int seekText(void *cookie, off64_t *offset, int whence) {
    TextFile *file = static_cast<TextFile *>(cookie);
    if (fseeko(file->raw, *offset, whence) != 0)
        return -1;
    file->markSeen = false;
    *offset = ftello(file->raw);
    return 0;
}

int closeText(void *cookie) {
    TextFile *file = static_cast<TextFile *>(cookie);
    int result = std::fclose(file->raw);
    delete file;
    return result;
}

} // namespace

std::FILE *openTextStream(std::FILE *raw, const char *mode) {
    TextFile *file = new TextFile{raw, false};
    std::FILE *stream =
        fopencookie(file, mode, cookie_io_functions_t{readText, writeText, seekText, closeText});
    if (stream == nullptr) {
        std::fclose(raw);
        delete file;
    }
    return stream;
}

} // namespace os
