// Writing the Active Setup component (see active_setup.h), in the 64-bit registry view where
// Windows looks for it.
#include "ctl/active_setup.h"

#include "core/text_functions.h"
#include "ctl/ctl_output.h"
#include "registry/registry_key.h"
#include "registry/registry_view.h"

#include <cstdlib>

const char *const activeSetupKey =
    "HKEY_LOCAL_MACHINE/SOFTWARE/Microsoft/Active Setup/Installed Components/Veltra.Configurateur";

namespace {

// The last number of a version "1,0,0,N"; 0 when there is none.
long lastNumber(const char *version) {
    if (IsBlank(version))
        return 0;
    const char *comma = nullptr;
    for (const char *c = version; *c != '\0'; ++c)
        if (*c == ',')
            comma = c;
    return std::strtol(comma != nullptr ? comma + 1 : version, nullptr, 10);
}

} // namespace

bool registerActiveSetup(const std::string &stubPath) {
    RegistryViewScope view(1);
    RegistryKey key;
    key.setWritable(true);
    key.openPath(activeSetupKey, true);
    if (!key.IsOpen())
        return false;
    const char *previousCommand = key.readValue("StubPath", false, false);
    long number = lastNumber(key.readValue("Version", false, false));
    if (number <= 0 || !StrEqual(previousCommand, stubPath.c_str()))
        ++number;
    std::string version = "1,0,0," + std::to_string(number);
    bool written = key.writeValue("", "Veltra - configuration de l'utilisateur", false) &&
                   key.writeValue("StubPath", stubPath.c_str(), false) &&
                   key.writeValue("Version", version.c_str(), false) && key.writeIntValue("IsInstalled", 1, true);
    return key.flush() && written;
}

bool registerActiveSetupOrSay(const std::string &stubPath) {
    if (registerActiveSetup(stubPath))
        return true;
    printError("le composant Active Setup n'a pas pu \xEAtre enregistr\xE9");
    return false;
}

std::string stubCommandLine(const std::string &programFolder, const std::string &arguments) {
    return "\"" + programFolder + "\\veltractl.exe\" " + arguments;
}
