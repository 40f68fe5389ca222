// The text form of registry values: non-text values travel through the program as text with a
// type prefix ("__eval:", "__dword:", "__hex(t):") and are written back with their registry type.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class ParamNode;

// The node of one value read from the registry, or null for a type left out of the list.
// With encode, every type has a text: a string as it is, an expandable string after "__eval:",
// a 32-bit number as "__dword:" and its signed decimal, any other type t as "__hex(t):" and its
// bytes in decimal separated by ",". Without encode, a 32-bit number is an Integer node, an
// expandable string plain text, and the other non-string types are left out.
// data holds size bytes and one more for a NUL.
ParamNode *decodeRegistryValue(const char *name, std::uint32_t type, const unsigned char *data,
                               std::uint32_t size, bool encode);

// What to write for one node: its registry type and data.
struct RegistryData {
    std::uint32_t type;
    std::vector<unsigned char> bytes;
};

// The type and data a node stands for; false for a node that is not written ("__hex(" without
// "):"). Integer nodes are 32-bit numbers only with numbersAsDword.
bool encodeRegistryValue(const ParamNode &node, bool numbersAsDword, RegistryData &out);
