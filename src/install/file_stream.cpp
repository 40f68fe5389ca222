// File-backed character streams over the platform layer's text-mode files.
#include "install/file_stream.h"

#include "files/text_mode.h"
#include "journal/change_layer.h"
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

FileOutput::FileOutput(const char *path) : path(path != nullptr ? path : "") {}

FileOutput::FileOutput(std::FILE *borrowed) : file(borrowed) {}

FileOutput::~FileOutput() {
    close();
}

void FileOutput::write(const char *data, std::size_t count) {
    if (!path.empty())
        text.append(data, count);
    else if (file && count > 0 && std::fwrite(data, 1, count, file) != count)
        failed = true;
}

bool FileOutput::close() {
    if (!path.empty()) {
        bool written = journal::writeFile(path.c_str(), textModeBytes(text));
        path.clear();
        text.clear();
        return written;
    }
    return file && std::fflush(file) == 0 && !failed;
}
