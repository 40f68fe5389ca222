// The process-wide diagnostic stream and its redirection.
#include "install/diagnostic_stream.h"

#include "install/file_stream.h"

#include <cstdio>

namespace {

CharOutput *redirected = nullptr;

CharOutput &standardError() {
    static FileOutput stream(stderr);
    return stream;
}

} // namespace

CharOutput &diagnosticStream() {
    return redirected ? *redirected : standardError();
}

CharOutput *redirectDiagnostics(CharOutput *output) {
    CharOutput *previous = redirected;
    redirected = output;
    return previous;
}
