// File-backed character streams. Files are opened in Windows text mode on every build: a line
// feed written becomes CR LF on disk, CR LF read becomes a line feed, and a Ctrl-Z byte ends reading.
#pragma once

#include "install/char_stream.h"

#include <cstdio>
#include <string>

// Reads an existing file. A file that is missing or cannot be opened is a stream that has
// already ended, so whatever is read from it is empty.
class FileInput : public CharInput {
public:
    explicit FileInput(const char *path);
    ~FileInput() override;
    FileInput(const FileInput &) = delete;
    FileInput &operator=(const FileInput &) = delete;

    bool isOpen() const { return file != nullptr; }

protected:
    int readChar() override;

private:
    std::FILE *file;
};

// Writes a file created anew, or an already open C stream such as stderr, which is then left open.
// A file's text is kept until close, which writes it whole through the change layer (journaled,
// temporary file then rename), so that it is never left half written.
class FileOutput : public CharOutput {
public:
    explicit FileOutput(const char *path);
    explicit FileOutput(std::FILE *borrowed);
    ~FileOutput() override;
    FileOutput(const FileOutput &) = delete;
    FileOutput &operator=(const FileOutput &) = delete;

    using CharOutput::write;
    void write(const char *data, std::size_t count) override;
    bool isOpen() const { return file != nullptr || !path.empty(); }
    // Writes the file or flushes the borrowed stream; false when anything failed to be written.
    bool close();

private:
    std::FILE *file = nullptr;
    std::string path; // the file to write, empty once written
    std::string text;
    bool failed = false;
};
