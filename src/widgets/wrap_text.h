// Reflowing a text for the message dialog's edit: Windows line ends and automatic line breaks.
#pragma once

class TextString;

// Rebuilds text in place and returns its text. Carriage returns are dropped and line feeds become
// CR LF. A line is broken before a character when its column passes 2 x width, and at the first
// blank at column width or later once a '.' was met since the last automatic break (that blank
// is dropped). A width of 0 or less means 50. A '.' does not count as a column.
const char *WrapText(TextString &text, int width);
