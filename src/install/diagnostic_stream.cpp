// The process-wide diagnostic stream and its redirection.
#include "install/diagnostic_stream.h"

#include "platform/diagnostic_output.h"

namespace {

CharOutput *redirected = nullptr;

// The standard error stream, through the platform's diagnostic output (which copies it to the log).
class StandardError : public CharOutput {
public:
    using CharOutput::write;
    void write(const char *data, std::size_t count) override { os::writeDiagnostic({data, count}); }
};

CharOutput &standardError() {
    static StandardError stream;
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
