// The diagnostic stream: one French line per event, on the standard error stream. Tests may
// point it at an in-memory output to check what was reported.
#pragma once

#include "install/char_stream.h"

CharOutput &diagnosticStream();

// Sends diagnostics to output (null restores the standard error stream); returns the previous target.
CharOutput *redirectDiagnostics(CharOutput *output);
