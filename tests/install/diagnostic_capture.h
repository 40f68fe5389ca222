// Test helper: collects what is written to the diagnostic stream while it is alive.
#pragma once

#include "install/diagnostic_stream.h"
#include "install/memory_stream.h"

#include <string>

class DiagnosticCapture {
public:
    DiagnosticCapture() : previous(redirectDiagnostics(&captured)) {}
    ~DiagnosticCapture() { redirectDiagnostics(previous); }
    DiagnosticCapture(const DiagnosticCapture &) = delete;
    DiagnosticCapture &operator=(const DiagnosticCapture &) = delete;

    const std::string &text() const { return captured.text(); }

private:
    MemoryOutput captured;
    CharOutput *previous;
};
