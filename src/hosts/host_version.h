// HostVersion: one supported host CAD version as the catalogue describes it (family, where its
// installations are registered, which add-on modules exist for it, how its entries are labelled).
#pragma once

#include <cstdint>

// Stored in every catalogue row and compared by value.
enum class HostFamily : int32_t {
    NoHost = -1, // terminator row
    AutoCad = 0,
    AutoCadLt = 1,
    BricsCad = 2,
    ZwCadClassic = 3, // ZWCAD up to 2012 and ZWCAD Classic, all under one ZWSoft key
    ZwCadPlus = 4,    // ZWCAD+ and ZWCAD 2017 onwards, one key per year below ZWSoft/ZWCAD
    IntelliCad = 5,
    GstarCad = 6,
};

// Bits of HostVersion::flags.
constexpr uint32_t kStartupVariantMask = 0x000F; // how the add-on is registered for start-up
constexpr uint32_t kHasTrustedPaths = 0x0080;    // the host keeps a TRUSTEDPATHS folder list
constexpr uint32_t kHas32BitModule = 0x0100;
constexpr uint32_t kHas64BitModule = 0x0200;
constexpr uint32_t kLabelRuleMask = 0xF000;
// Label rules: the installation key's "ProductName", or the display name and its "LangAbbrev";
// any other rule (0) labels an installation with the display name.
constexpr uint32_t kLabelFromProductName = 0x1000;
constexpr uint32_t kLabelWithLanguage = 0x2000;

// Texts are static (or, for the forced host, process-wide) and never owned by the row, so rows
// copy field by field. A null displayName marks the end of the catalogue.
struct HostVersion {
    constexpr HostVersion() = default;
    constexpr HostVersion(const char *displayName, const char *registryPath, const char *locationValue,
                          const char *versionTag, const char *subkeyFilter, HostFamily family, uint32_t flags)
        : displayName(displayName), registryPath(registryPath), locationValue(locationValue),
          versionTag(versionTag), subkeyFilter(subkeyFilter), family(family), flags(flags) {}

    constexpr uint32_t startupVariant() const { return flags & kStartupVariantMask; }
    constexpr bool hasTrustedPaths() const { return (flags & kHasTrustedPaths) != 0; }
    constexpr bool has32BitModule() const { return (flags & kHas32BitModule) != 0; }
    constexpr bool has64BitModule() const { return (flags & kHas64BitModule) != 0; }
    constexpr uint32_t labelRule() const { return flags & kLabelRuleMask; }

    // Shown to the user and looked up by name, e.g. "AutoCAD 2026".
    const char *displayName = nullptr;
    // Key path of the installations: may hold one '*' component and ${name} references.
    const char *registryPath = nullptr;
    // Value of an installation key that holds the host's installation folder.
    const char *locationValue = nullptr;
    // Selects the add-on module file names (for AutoCAD LT: the connection variant).
    const char *versionTag = nullptr;
    // When set, a subkey found through the wildcard counts only if its name contains it.
    const char *subkeyFilter = nullptr;
    HostFamily family = HostFamily::NoHost;
    uint32_t flags = 0;
};
