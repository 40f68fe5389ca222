// One key holding 60,000 values or subkeys, as a customer's export may: reading it into the tree
// and enumerating the subkeys by index through the sandbox registry must stay linear.
#include "platform/reg_file.h"
#include "platform/registry.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

constexpr int entries = 60000;

// UTF-16LE with its byte-order mark, as the sandbox keeps its registry.
std::string exportOf(const std::string &text) {
    std::string bytes = "\xFF\xFE";
    for (char c : text) {
        bytes += c;
        bytes += '\0';
    }
    return bytes;
}

std::string wideKeyExport(bool subkeys) {
    std::string text = "Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\Wide]\r\n";
    for (int n = 0; n < entries; ++n)
        text += subkeys ? "\r\n[HKEY_CURRENT_USER\\Wide\\Key" + std::to_string(n) + "]\r\n"
                        : "\"Value" + std::to_string(n) + "\"=dword:00000001\r\n";
    return exportOf(text);
}

void loadKeyOf60000Values(benchmark::State &state) {
    const std::string content = wideKeyExport(false);
    for (auto _ : state) {
        regtree::Key root;
        regfile::readRegFile(content, root, "wide.reg");
        benchmark::DoNotOptimize(root.subkeys().size());
    }
}
BENCHMARK(loadKeyOf60000Values)->Unit(benchmark::kMillisecond);

void enumerateKeyOf60000Subkeys(benchmark::State &state) {
    char root[] = "/tmp/veltra-bench-XXXXXX";
    if (mkdtemp(root) == nullptr) {
        state.SkipWithError("no sandbox folder");
        return;
    }
    setenv("VELTRA_ROOT", root, 1);
    std::string file = std::string(root) + "/registry.reg";
    std::ofstream(file, std::ios::binary) << wideKeyExport(true);
    os::HKey key = nullptr;
    os::regOpenKeyEx(os::hkeyCurrentUser, "Wide", os::keyRead, &key);
    for (auto _ : state) {
        char name[64];
        std::uint32_t index = 0, length = sizeof name;
        while (os::regEnumKeyEx(key, index, name, &length) == os::errorSuccess)
            ++index, length = sizeof name;
        if (index != entries)
            state.SkipWithError("not every subkey was enumerated");
    }
    os::regCloseKey(key);
    unlink(file.c_str());
    unlink((file + ".lock").c_str());
    rmdir(root);
}
BENCHMARK(enumerateKeyOf60000Subkeys)->Unit(benchmark::kMillisecond);

} // namespace
