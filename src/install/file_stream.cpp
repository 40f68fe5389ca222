// File-backed character streams over the platform layer's text-mode files.
#include "install/file_stream.h"

#include "platform/file_stream.h"

FileInput::FileInput(const char *path) : file(path ? os::openFile(path, "r") : nullptr) {}

FileInput::~FileInput() {
    if (file)
        std::fclose(file);
}

int FileInput::readChar() {
    if (!file)
        return EndOfInput;
    int c = std::fgetc(file);
    return c == EOF ? EndOfInput : c;
}

FileOutput::FileOutput(const char *path) : file(path ? os::openFile(path, "w") : nullptr), owned(true) {}

FileOutput::FileOutput(std::FILE *borrowed) : file(borrowed), owned(false) {}

FileOutput::~FileOutput() {
    close();
}

void FileOutput::write(const char *data, std::size_t count) {
    if (file && count > 0 && std::fwrite(data, 1, count, file) != count)
        failed = true;
}

bool FileOutput::close() {
    if (!file)
        return false;
    bool ok = std::fflush(file) == 0 && !failed;
    if (owned) {
        ok = std::fclose(file) == 0 && ok;
        file = nullptr;
    }
    return ok;
}
