// In-memory character streams: an input over a copy of some bytes and an output that collects
// what is written. Used by the tests and to capture diagnostics.
#pragma once

#include "install/char_stream.h"

#include <string>

class MemoryInput : public CharInput {
public:
    explicit MemoryInput(std::string bytes) : bytes(std::move(bytes)) {}
    MemoryInput(const char *data, std::size_t count) : bytes(data, count) {}

protected:
    int readChar() override;

private:
    std::string bytes;
    std::size_t position = 0;
};

class MemoryOutput : public CharOutput {
public:
    using CharOutput::write;
    void write(const char *data, std::size_t count) override { bytes.append(data, count); }
    const std::string &text() const { return bytes; }
    void clear() { bytes.clear(); }

private:
    std::string bytes;
};
