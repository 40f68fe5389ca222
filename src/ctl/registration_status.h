// Whether the add-on is registered with a detected host and consistent, read without changing
// anything: the start-up entry or start-up file, the module it names, the trusted folder, the
// support search path and the context's "CfgPrf.ini".
#pragma once

#include <string>

class ParamNode;

// How one check came out: done, missing, or not applicable to the host (or its profile).
enum class Check { Ok, Missing, NotApplicable };

struct RegistrationStatus {
    std::string startupEntry;  // where the module is registered for start-up; empty when nowhere
    std::string module;        // the module file that entry names
    bool moduleExists = false; // that file exists
    Check trustedFolder = Check::NotApplicable;
    Check searchPath = Check::NotApplicable;
    bool settingsNameHost = false; // "CfgPrf.ini" holds this host as the choice made
    std::string settingsLanguage;  // and this language code

    bool registered() const { return !startupEntry.empty() && moduleExists; }
    bool consistent() const {
        return trustedFolder != Check::Missing && searchPath != Check::Missing && settingsNameHost &&
               !settingsLanguage.empty();
    }
};

// The status of host (a child of the detection result) for the current context, with the
// program folder programFolder and the languages of "langues.ini" (a language "CfgPrf.ini" names
// that is not among them counts as none).
RegistrationStatus registrationStatusOf(const ParamNode &host, const char *programFolder,
                                        const ParamNode &languages);
