// Registry-backed settings: the process-wide list, and moving each setting between its variable
// and its registry value.
#include "registry/registry_setting.h"

#include "core/heap_copy.h"
#include "install/diagnostic_stream.h"
#include "install/memory_stream.h"
#include "registry/registry_key.h"

#include <climits>
#include <cstdio>
#include <cstring>

namespace {

// Constant-initialised, so settings built before any code runs find it ready.
NodeList settingsList = nullptr;

void unlink(NodeList &list, const void *item) {
    for (NodeList *link = &list; *link; link = &(*link)->next) {
        if ((*link)->item == item) {
            NodeCell *cell = *link;
            *link = cell->next;
            delete cell;
            return;
        }
    }
}

// An optional sign and the digits after it, up to the first other character; 0 when the text does
// not start with a number. Values beyond 32 bits stop at the nearest limit.
int32_t decimalValue(const char *text) {
    bool negative = *text == '-';
    if (*text == '-' || *text == '+')
        ++text;
    long long magnitude = 0;
    for (; *text >= '0' && *text <= '9'; ++text) {
        magnitude = magnitude * 10 + (*text - '0');
        if (magnitude > static_cast<long long>(INT_MAX) + 1)
            magnitude = static_cast<long long>(INT_MAX) + 1;
    }
    long long value = negative ? -magnitude : magnitude;
    return static_cast<int32_t>(value > INT_MAX ? INT_MAX : value);
}

} // namespace

RegistrySetting::RegistrySetting(const RegistryKey *root, int32_t persistent, int32_t *variable,
                                 const char *valueName, const char *keyPart1, const char *keyPart2,
                                 const char *keyPart3)
    : RegistrySetting(root, persistent, integerKind, variable, valueName, keyPart1, keyPart2, keyPart3) {}

RegistrySetting::RegistrySetting(const RegistryKey *root, int32_t persistent, TextString *variable,
                                 const char *valueName, const char *keyPart1, const char *keyPart2,
                                 const char *keyPart3)
    : RegistrySetting(root, persistent, textKind, variable, valueName, keyPart1, keyPart2, keyPart3) {}

RegistrySetting::RegistrySetting(const RegistryKey *root, int32_t persistent, int32_t kind, void *variable,
                                 const char *valueName, const char *keyPart1, const char *keyPart2,
                                 const char *keyPart3)
    : kind(kind), variable(variable), valueName(DupBytes(valueName, 0)), persistent(persistent),
      keyPart1(DupBytes(keyPart1, 0)), keyPart2(DupBytes(keyPart2, 0)), keyPart3(DupBytes(keyPart3, 0)),
      root(root) {
    ListPushFront(settingsList, this);
}

RegistrySetting::~RegistrySetting() {
    unlink(settingsList, this);
    FreeHeapCopy(valueName);
    FreeHeapCopy(keyPart1);
    FreeHeapCopy(keyPart2);
    FreeHeapCopy(keyPart3);
}

void RegistrySetting::assign(const char *text) {
    if (text == nullptr)
        return;
    if (kind == integerKind)
        *static_cast<int32_t *>(variable) = decimalValue(text);
    else
        static_cast<TextString *>(variable)->Assign(text);
}

bool RegistrySetting::sameKeyAs(const RegistrySetting &other) const {
    auto same = [](const char *a, const char *b) { return a == b || (a && b && std::strcmp(a, b) == 0); };
    return root == other.root && same(keyPart1, other.keyPart1) && same(keyPart2, other.keyPart2) &&
           same(keyPart3, other.keyPart3);
}

void RegistrySetting::saveThrough(RegistryKey &key, const RegistrySetting *&opened) const {
    if (persistent != 1)
        return;
    if (opened == nullptr || !sameKeyAs(*opened)) {
        key.reset();
        key.setWritable(true);
        key.openChild(root, true, keyPart1, keyPart2, keyPart3);
        opened = key.IsOpen() ? this : nullptr;
    }
    char number[16];
    const char *text = number;
    if (kind == integerKind)
        std::snprintf(number, sizeof number, "%d", static_cast<int>(*static_cast<int32_t *>(variable)));
    else
        text = static_cast<TextString *>(variable)->CStr();
    key.writeValue(valueName, text, false);
}

NodeList registrySettings() {
    return settingsList;
}

bool loadRegistrySettings(bool createKeys) {
    diagnosticStream().write("Lecture du registre...\n");
    // The key of the previous setting, open and read, and what opening and reading it wrote.
    const RegistrySetting *previous = nullptr;
    RegistryKey key;
    MemoryOutput report;
    for (NodeCell *cell = settingsList; cell; cell = cell->next) {
        RegistrySetting &setting = *static_cast<RegistrySetting *>(cell->item);
        if (setting.persistent != 1)
            continue;
        if (previous == nullptr || !setting.sameKeyAs(*previous)) {
            report.clear();
            CharOutput *stream = redirectDiagnostics(&report);
            key.openChild(setting.root, createKeys, setting.keyPart1, setting.keyPart2, setting.keyPart3);
            key.readValues(false, false);
            redirectDiagnostics(stream);
            previous = &setting;
        }
        diagnosticStream().write(report.text().c_str());
        setting.assign(key.readValue(setting.valueName, false, false));
    }
    return true;
}

bool saveRegistrySettings() {
    diagnosticStream().write("Ecriture dans le registre...\n");
    // The settings of one key are written through one opening of it: each closing of a written
    // key can cost a save of the whole registry.
    RegistryKey key;
    const RegistrySetting *opened = nullptr;
    for (NodeCell *cell = settingsList; cell; cell = cell->next)
        static_cast<RegistrySetting *>(cell->item)->saveThrough(key, opened);
    return true;
}
