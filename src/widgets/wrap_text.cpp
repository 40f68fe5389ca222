// Line breaking of message texts (see wrap_text.h).
#include "widgets/wrap_text.h"

#include "core/text_string.h"

const char *WrapText(TextString &text, int width) {
    if (width <= 0)
        width = 50;
    TextString source(text.CStr());
    text.Clear();
    int column = 0;
    bool sentenceEnded = false;
    for (const char *at = source.CStr(); *at != '\0'; ++at) {
        char character = *at;
        if (character == '\r')
            continue;
        if (character == '\n') {
            text.Append("\r\n");
            column = 0;
        } else if (character == '.') {
            text.AppendChar(character);
            sentenceEnded = true;
        } else {
            bool blank = character == ' ';
            if (column > 2 * width || (sentenceEnded && blank && column >= width)) {
                text.Append("\r\n");
                sentenceEnded = false;
                column = 0;
                if (blank)
                    continue;
            }
            text.AppendChar(character);
            ++column;
        }
    }
    return text.CStr();
}
