// '$' references inside a text, completed from a list of named values: $name, ${name},
// ${path/to/entry}, output modifiers (@1 to @3), calls ${f(...)} and backslash escapes.
#pragma once

#include "core/node_list.h"

class TextString;

// Values are expanded in turn, so a value may hold references; a chain of values deeper than
// this (a value that refers to itself, directly or through others) is cut there, and the value
// reached is substituted as it stands, its references unexpanded.
constexpr int kMaxExpansionDepth = 32;

// Replaces the references in text by the values they name in values (a NodeList of ParamNodes;
// names beginning with a digit are taken by position from numbered). A name that is not found
// stands for itself. Returns the new text, or null when text holds no '$' (it is then unchanged).
const char *ExpandVariables(TextString &text, NodeList values, NodeList numbered = nullptr);
