// Reading from the in-memory input.
#include "install/memory_stream.h"

int MemoryInput::readChar() {
    if (position >= bytes.size())
        return EndOfInput;
    return static_cast<unsigned char>(bytes[position++]);
}
