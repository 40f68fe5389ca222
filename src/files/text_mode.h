// Windows text mode done on whole contents: what a text-mode write puts in the file and what a
// text-mode read gives back, the same on every build.
#pragma once

#include <string>

// Each line feed becomes CR LF.
std::string textModeBytes(const std::string &text);
// Each CR LF becomes a line feed; a Ctrl-Z byte (0x1A) ends the text.
std::string textModeText(const std::string &bytes);
