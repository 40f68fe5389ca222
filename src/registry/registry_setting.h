// Registry-backed settings: program variables each bound to one registry value, registered in one
// process-wide list so that they can all be loaded and saved at once.
#pragma once

#include "core/node_list.h"
#include "core/text_string.h"

#include <cstdint>

class RegistryKey;

// Binds a variable (not owned) to the value valueName of the key root\keyPart1\keyPart2\keyPart3
// (absent parts null). Stored as a registry string whatever the kind: an integer as its decimal
// text. A setting registers itself, at the front of the list, when built and leaves the list when
// destroyed; settings are meant to be static objects that live as long as the process.
class RegistrySetting {
public:
    // The kinds of variable.
    static constexpr int32_t integerKind = 0;
    static constexpr int32_t textKind = 4;

    // persistent: 1 to load and save the setting; any other value leaves it out of both.
    RegistrySetting(const RegistryKey *root, int32_t persistent, int32_t *variable, const char *valueName,
                    const char *keyPart1 = nullptr, const char *keyPart2 = nullptr,
                    const char *keyPart3 = nullptr);
    RegistrySetting(const RegistryKey *root, int32_t persistent, TextString *variable, const char *valueName,
                    const char *keyPart1 = nullptr, const char *keyPart2 = nullptr,
                    const char *keyPart3 = nullptr);
    virtual ~RegistrySetting();

    RegistrySetting(const RegistrySetting &) = delete;
    RegistrySetting &operator=(const RegistrySetting &) = delete;

    // Writes the variable as a string value through key: the setting's key is opened (and created)
    // into key unless key holds already that of opened, the setting saved through it last; opened
    // becomes this setting, or null when its key could not be opened.
    void saveThrough(RegistryKey &key, const RegistrySetting *&opened) const;

private:
    friend bool loadRegistrySettings(bool createKeys);

    bool sameKeyAs(const RegistrySetting &other) const;
    RegistrySetting(const RegistryKey *root, int32_t persistent, int32_t kind, void *variable,
                    const char *valueName, const char *keyPart1, const char *keyPart2, const char *keyPart3);

    int32_t kind;
    void *variable;
    char *valueName;
    int32_t persistent;
    char *keyPart1;
    char *keyPart2;
    char *keyPart3;
    const RegistryKey *root;

    // Sets the variable from text, the value read; null leaves it as it is.
    void assign(const char *text);
};

// The registered settings, the last built first.
NodeList registrySettings();

// Loads every registered setting, in list order, after writing "Lecture du registre..." to the
// diagnostic stream; a missing key is created unless createKeys is false (a program that only
// reads). Settings of one key in a row share one opening and one read of it (the diagnostics are
// the same as with one each). Always true.
bool loadRegistrySettings(bool createKeys = true);
// Saves every registered setting, in list order, after writing "Ecriture dans le registre..." to
// the diagnostic stream. Always true.
bool saveRegistrySettings();
