// Byte-order marks and the byte budget of MarkedTextInput.
#include "install/marked_text_input.h"

#include <cstring>

int MarkedTextInput::readChar() {
    if (units == Units::Unknown)
        readMark();
    int first = nextByte();
    if (units == Units::Bytes || first == EndOfInput)
        return first;
    int second = nextByte();
    if (second == EndOfInput)
        return EndOfInput; // half a code unit
    return units == Units::LowByteFirst ? first : second;
}

void MarkedTextInput::readMark() {
    for (int c; head.size() < 3 && (c = sourceByte()) != EndOfInput;)
        head.push_back(static_cast<char>(c));
    auto startsWith = [this](const char *mark) { return head.compare(0, std::strlen(mark), mark) == 0; };
    units = Units::Bytes;
    if (startsWith("\xFF\xFE")) {
        units = Units::LowByteFirst;
        headPosition = 2;
    } else if (startsWith("\xFE\xFF")) {
        units = Units::HighByteFirst;
        headPosition = 2;
    } else if (startsWith("\xEF\xBB\xBF")) {
        headPosition = 3;
    }
}

int MarkedTextInput::nextByte() {
    if (headPosition < head.size())
        return static_cast<unsigned char>(head[headPosition++]);
    return sourceByte();
}

int MarkedTextInput::sourceByte() {
    if (budget == 0)
        return EndOfInput;
    --budget;
    return source.get();
}
