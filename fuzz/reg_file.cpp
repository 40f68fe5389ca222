// Fuzz target: any bytes read as a registry file. What was read is written and read back: the
// same keys (names and case), values in the same order, types and data, without any diagnostic.
#include "platform/reg_file.h"

#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

using regtree::Key;

bool sameValues(const Key &a, const Key &b) {
    if (a.values().size() != b.values().size())
        return false;
    for (std::size_t i = 0; i < a.values().size(); ++i) {
        const regtree::Value &x = a.values()[i], &y = b.values()[i];
        if (x.name != y.name || x.type != y.type || x.data != y.data)
            return false;
    }
    return true;
}

// The same keys (names and case), values in the same order, at every depth.
bool sameTree(const Key &a, const Key &b) {
    std::vector<std::pair<const Key *, const Key *>> pairs{{&a, &b}};
    while (!pairs.empty()) {
        auto [x, y] = pairs.back();
        pairs.pop_back();
        if (x->name() != y->name() || !sameValues(*x, *y) || x->subkeys().size() != y->subkeys().size())
            return false;
        for (std::size_t i = 0; i < x->subkeys().size(); ++i)
            pairs.emplace_back(x->subkeys()[i].get(), y->subkeys()[i].get());
    }
    return true;
}

// A hive with neither values nor subkeys leaves no line in a file.
void dropEmptyHives(Key &root) {
    std::vector<std::u16string> empty;
    for (const auto &hive : root.subkeys())
        if (hive->values().empty() && hive->subkeys().empty())
            empty.push_back(hive->name());
    for (const std::u16string &name : empty)
        root.removeSubkey(name);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    std::ostringstream diagnostics;
    std::streambuf *previous = std::cerr.rdbuf(diagnostics.rdbuf());

    Key first;
    regfile::readRegFile(std::string(reinterpret_cast<const char *>(data), size), first, "fuzz");
    dropEmptyHives(first);
    std::string written = regfile::writeRegFile(first);

    diagnostics.str("");
    Key second;
    std::size_t doubtfulLines = 0;
    if (!regfile::readRegFile(written, second, "fuzz", &doubtfulLines) || doubtfulLines != 0 ||
        !diagnostics.str().empty() || !sameTree(first, second))
        std::abort();

    std::cerr.rdbuf(previous);
    return 0;
}
