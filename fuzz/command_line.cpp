// Fuzz target: any text taken apart as the Configurator's command line, then the context looked
// up in the add-on's assignments as start-up does.
#include "app/command_line.h"
#include "core/text_string.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    std::string line(reinterpret_cast<const char *>(data), size);
    TextString hostArgs, appArgs, drawings, context;
    splitCommandLine(line.c_str(), hostArgs, appArgs, drawings);
    int equalsCount = 0;
    extractContext(appArgs.CStr(), context, "", &equalsCount);
    appendQuoted(drawings, context.CStr(), false);
    return 0;
}
