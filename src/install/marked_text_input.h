// A character input over text that may start with a byte-order mark, read with a byte budget: the
// program's data files are code page 1252, but an editor may save one as UTF-16 or UTF-8.
#pragma once

#include "install/char_stream.h"

#include <cstddef>
#include <string>

// Reads source through its mark: after a UTF-16 mark (either byte order) each code unit gives its
// low-order byte, after a UTF-8 mark every byte comes as it is, and without a mark so do the bytes.
// The input ends once budget bytes of source were read, however long the source is.
class MarkedTextInput : public CharInput {
public:
    MarkedTextInput(CharInput &source, std::size_t budget) : source(source), budget(budget) {}

protected:
    int readChar() override;

private:
    enum class Units { Unknown, Bytes, LowByteFirst, HighByteFirst };

    void readMark();
    // The next byte after the mark: first what is left of the head, then the source's.
    int nextByte();
    // The next byte of the source while the budget lasts.
    int sourceByte();

    CharInput &source;
    std::size_t budget;
    Units units = Units::Unknown;
    std::string head; // the first bytes, looked at for a mark
    std::size_t headPosition = 0;
};
