// The registry seam: the few Win32 registry calls the program makes, with Win32 shapes (handles,
// error codes, in/out sizes). Windows forwards to the real registry; Linux uses the sandbox registry.
#pragma once

#include "platform/error_codes.h"

#include <cstdint>

namespace os {

// Names, paths and the data of text values are in the system's code page at this seam (see
// codepage.h). Both layers convert to and from UTF-16 (what Windows stores) inside. A read whose
// name or text data has a character the code page cannot hold answers errorNoUnicodeTranslation,
// its buffers filled as on success but with '?' for each such character: fit to be shown in a
// message, never to be used as a name or written back.

struct RegistryKeyObject;
using HKey = RegistryKeyObject *;

// The predefined keys, with the handle values Windows gives them.
inline const HKey hkeyClassesRoot = reinterpret_cast<HKey>(std::intptr_t(std::int32_t(0x80000000)));
inline const HKey hkeyCurrentUser = reinterpret_cast<HKey>(std::intptr_t(std::int32_t(0x80000001)));
inline const HKey hkeyLocalMachine = reinterpret_cast<HKey>(std::intptr_t(std::int32_t(0x80000002)));
inline const HKey hkeyUsers = reinterpret_cast<HKey>(std::intptr_t(std::int32_t(0x80000003)));
inline const HKey hkeyCurrentConfig = reinterpret_cast<HKey>(std::intptr_t(std::int32_t(0x80000005)));

// Access masks.
constexpr std::uint32_t keyRead = 0x20019;
constexpr std::uint32_t keyReadWrite = 0x2001F;
constexpr std::uint32_t keyWow64_64Key = 0x100; // the 64-bit view
constexpr std::uint32_t keyWow64_32Key = 0x200; // the 32-bit view

// Value types.
constexpr std::uint32_t regNone = 0;
constexpr std::uint32_t regSz = 1;
constexpr std::uint32_t regExpandSz = 2;
constexpr std::uint32_t regBinary = 3;
constexpr std::uint32_t regDword = 4;
constexpr std::uint32_t regMultiSz = 7;
constexpr std::uint32_t regQword = 11;

// Opens parent\subKey (subKey null or empty: parent itself again). The view bits of `access`
// choose the 32- or 64-bit view on a 64-bit Windows; without them the view is the program's own
// (64-bit). Missing key: errorFileNotFound, *result null.
unsigned long regOpenKeyEx(HKey parent, const char *subKey, std::uint32_t access, HKey *result);

// Opens parent\subKey, creating the missing keys on the way (non-volatile). *created (may be null)
// tells whether the key is new. Without the right to write there: errorAccessDenied.
unsigned long regCreateKeyEx(HKey parent, const char *subKey, std::uint32_t access, HKey *result,
                             bool *created);

// The counts of a key; each pointer may be null. Name lengths are in characters without the
// terminating NUL, the data length in bytes; lengths are upper bounds of what the enumerations give.
unsigned long regQueryInfoKey(HKey key, std::uint32_t *subkeyCount, std::uint32_t *maxSubkeyNameLength,
                              std::uint32_t *valueCount, std::uint32_t *maxValueNameLength,
                              std::uint32_t *maxValueDataLength);

// The value at `index` (values in the order the key holds them). In: *nameLength is the size of
// `name` in characters including the NUL, *dataSize the size of `data` in bytes. Out: the name
// length without the NUL and the data size. A short buffer gives errorMoreData with the size it
// needs (for the name: without the NUL). type, data and dataSize may be null (data null: only the
// size is asked). Past the last value: errorNoMoreItems.
unsigned long regEnumValue(HKey key, std::uint32_t index, char *name, std::uint32_t *nameLength,
                           std::uint32_t *type, unsigned char *data, std::uint32_t *dataSize);

// The subkey at `index` (sorted by name). Sizes as for regEnumValue's name.
unsigned long regEnumKeyEx(HKey key, std::uint32_t index, char *name, std::uint32_t *nameLength);

// One value by name (null or empty: the default value). Sizes as for regEnumValue's data.
unsigned long regQueryValueEx(HKey key, const char *name, std::uint32_t *type, unsigned char *data,
                              std::uint32_t *dataSize);

// Sets one value (name null or empty: the default value). String data should include its NUL.
unsigned long regSetValueEx(HKey key, const char *name, std::uint32_t type, const unsigned char *data,
                            std::uint32_t dataSize);

unsigned long regDeleteValue(HKey key, const char *name);

// Deletes parent\subKey with everything below it; `view` is keyWow64_32Key, keyWow64_64Key or 0.
unsigned long regDeleteTree(HKey parent, const char *subKey, std::uint32_t view);

// Makes the key's changes permanent (the sandbox saves its registry file).
unsigned long regFlushKey(HKey key);

// Closing a predefined key does nothing.
unsigned long regCloseKey(HKey key);

// 64 on a 64-bit Windows, else 32. The sandbox answers VELTRA_WINDOWS_BITS, read on each call.
int windowsBits();

} // namespace os
