// Character streams that the parameter-file reader and writer work on: an input with get,
// put-back and whitespace-skipping reads, and an output. File-backed and in-memory pairs derive from them.
#pragma once

#include <cstddef>

// A source of 8-bit characters. Characters come back as unsigned codes 0 to 255; -1 means that
// the input has ended or failed, after which the stream is no longer good.
class CharInput {
public:
    static constexpr int EndOfInput = -1;

    virtual ~CharInput() = default;

    int get();
    // Reads past blanks, tabs, line feeds, vertical tabs, form feeds and carriage returns.
    int getSkippingWhitespace();
    // Gives back the character just read, so that the next get returns it again.
    void putBack(int c);
    bool good() const { return isGood; }

protected:
    // The next character of the underlying source, or EndOfInput.
    virtual int readChar() = 0;

private:
    int pending = EndOfInput;
    bool isGood = true;
};

bool isStreamWhitespace(int c);

// A sink of 8-bit characters.
class CharOutput {
public:
    virtual ~CharOutput() = default;

    virtual void write(const char *data, std::size_t count) = 0;
    void write(const char *text);
    void put(char c) { write(&c, 1); }
};
