// Fuzz target: any bytes read as a registry file; what was read is written, read back and
// written again, which must give the same file, without any diagnostic.
#include "platform/reg_file.h"

#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <sstream>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    std::ostringstream diagnostics;
    std::streambuf *previous = std::cerr.rdbuf(diagnostics.rdbuf());

    regtree::Key first;
    regfile::readRegFile(std::string(reinterpret_cast<const char *>(data), size), first, "fuzz");
    std::string written = regfile::writeRegFile(first);

    diagnostics.str("");
    regtree::Key second;
    if (!regfile::readRegFile(written, second, "fuzz") || !diagnostics.str().empty() ||
        regfile::writeRegFile(second) != written)
        std::abort();

    std::cerr.rdbuf(previous);
    return 0;
}
