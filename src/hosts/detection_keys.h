// The registry keys that one host detection reaches by the catalogue's paths (a row's key, or the
// key above its wildcard): each opened, read and listed at most once per registry view however
// many rows name it, and a key that the listing of its parent shows absent never asked for. Each
// ask is a round trip to the registry, costly under Wine.
#pragma once

#include "core/node_list.h"

#include <memory>
#include <string>
#include <unordered_map>

class RegistryKey;

class DetectionKeys {
public:
    DetectionKeys();
    ~DetectionKeys();
    DetectionKeys(const DetectionKeys &) = delete;
    DetectionKeys &operator=(const DetectionKeys &) = delete;

    // The values and the subkey names (last enumerated first) of the key at path (root first, '/'
    // separated) in the current registry view, as RegistryKey gives them; null when the key cannot
    // be opened. Each time, the diagnostics of the first read are written again, as if read anew.
    NodeList values(const std::string &path);
    NodeList subkeyNames(const std::string &path);

private:
    struct Entry;

    // False when the key at path surely does not exist in the current view: its name is missing
    // from the complete listing of its parent, a key below a maker's product key (say
    // HKEY_LOCAL_MACHINE/SOFTWARE/Autodesk/AutoCAD/R24.3). True when it exists or may exist.
    bool mayExist(const std::string &path);
    Entry &entry(const std::string &path);
    // Lists the subkeys of key the first time, its diagnostics kept, not written.
    static void list(Entry &key);

    std::unordered_map<std::string, std::unique_ptr<Entry>> keys; // by view and path
};
