// The host catalogue: the fixed, ordered table of every supported host version, and the
// per-family facts that the deployment needs (where a host profile keeps its search path).
#pragma once

#include "hosts/host_version.h"

// 106 host versions followed by the terminator (null displayName). Detection walks the rows in
// this order. The table never changes and its rows never move: results refer to them by address.
constexpr int kHostCatalogueSize = 106;
extern const HostVersion HostCatalogue[kHostCatalogueSize + 1];

// The rows that detection, look-ups and deployment use, ended by the terminator: the built-in
// table, or the catalogue completed by a catalogue file (see catalogue_file.h).
const HostVersion *hostCatalogue();
// Makes rows (terminator-ended, kept alive by the caller) the catalogue in use; null restores the
// built-in table. Done before any detection: results refer to rows by address.
void useHostCatalogue(const HostVersion *rows);

// The first row of the catalogue in use whose display name equals name byte for byte, or null
// (null name, or no row).
const HostVersion *findHostVersion(const char *name);

// Section of a host profile that holds the support-file search path, and the value holding it;
// null for IntelliCAD, NoHost and any unknown family.
const char *searchPathSection(HostFamily family);
const char *searchPathValue(HostFamily family);
