// The keys of one detection, read once per view (see detection_keys.h).
#include "hosts/detection_keys.h"

#include "install/diagnostic_stream.h"
#include "install/memory_stream.h"
#include "platform/ascii_case.h"
#include "registry/registry_key.h"
#include "registry/registry_view.h"

#include <algorithm>
#include <vector>

namespace {

// Keys with fewer components (root, SOFTWARE, maker, product) are opened without looking at their
// parent's listing: SOFTWARE and a maker's key hold far more subkeys than detection asks for.
constexpr int listedFromDepth = 5;

int componentCount(const std::string &path) {
    return 1 + static_cast<int>(std::count(path.begin(), path.end(), '/'));
}

// Orders names as the registry tells them apart: without regard to the case of ASCII letters.
struct CaseLess {
    bool operator()(const char *a, const char *b) const {
        for (;; ++a, ++b) {
            char x = os::asciiLower(*a), y = os::asciiLower(*b);
            if (x != y || x == '\0')
                return x < y;
        }
    }
};

bool isAscii(const std::string &text) {
    return std::none_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

// Runs read with the diagnostics it writes kept in report instead.
template <typename Read> NodeList readReported(std::string &report, Read read) {
    MemoryOutput collected;
    CharOutput *previous = redirectDiagnostics(&collected);
    NodeList result = read();
    redirectDiagnostics(previous);
    report = collected.text();
    return result;
}

} // namespace

struct DetectionKeys::Entry {
    RegistryKey key;
    bool valuesRead = false, namesRead = false;
    std::string valuesReport, namesReport; // the diagnostics their first read wrote
    std::vector<const char *> names; // the subkey names of key's list, once listed, sorted by CaseLess
};

DetectionKeys::DetectionKeys() = default;
DetectionKeys::~DetectionKeys() = default;

DetectionKeys::Entry &DetectionKeys::entry(const std::string &path) {
    std::string id = std::to_string(registryViewAccess()) + ':' + path;
    std::unique_ptr<Entry> &slot = keys[id];
    if (!slot) {
        slot = std::make_unique<Entry>();
        if (mayExist(path))
            slot->key.openPath(path.c_str(), false);
    }
    return *slot;
}

void DetectionKeys::list(Entry &key) {
    if (key.namesRead)
        return;
    key.namesRead = true;
    NodeList names = readReported(key.namesReport, [&] { return key.key.subkeyNames(false); });
    for (NodeCell *cell = names; cell; cell = cell->next)
        key.names.push_back(static_cast<const char *>(cell->item));
    std::reverse(key.names.begin(), key.names.end()); // the list is last first
    if (!std::is_sorted(key.names.begin(), key.names.end(), CaseLess()))
        std::sort(key.names.begin(), key.names.end(), CaseLess());
}

NodeList DetectionKeys::values(const std::string &path) {
    Entry &key = entry(path);
    if (!key.valuesRead) {
        key.valuesRead = true;
        readReported(key.valuesReport, [&] { return key.key.readValues(false, false); });
    }
    diagnosticStream().write(key.valuesReport.c_str());
    return key.key.readValues(false, false);
}

NodeList DetectionKeys::subkeyNames(const std::string &path) {
    Entry &key = entry(path);
    list(key);
    diagnosticStream().write(key.namesReport.c_str());
    return key.key.subkeyNames(false);
}

bool DetectionKeys::mayExist(const std::string &path) {
    std::size_t cut = path.rfind('/');
    std::string name = path.substr(cut + 1);
    // Only an ASCII name is surely told apart from the listed ones: the registry ignores the case
    // of other letters too.
    if (cut == std::string::npos || componentCount(path) < listedFromDepth || !isAscii(name))
        return true;
    std::string parentPath = path.substr(0, cut);
    Entry &parent = entry(parentPath);
    if (!parent.key.IsOpen())
        return false;
    list(parent);
    // A name left out or a failed listing (a diagnostic written) leaves the listing incomplete.
    return !parent.namesReport.empty() ||
           std::binary_search(parent.names.begin(), parent.names.end(), name.c_str(), CaseLess());
}
