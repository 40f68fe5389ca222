// Throughput of the sandbox's registry store: reading a 20 MB registry export into the in-memory
// tree (load) and writing the tree back as an export (save), in bytes of the file per second.
#include "platform/reg_file.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

constexpr std::size_t exportSize = 20 * 1000 * 1000;

regtree::Bytes utf16Text(const std::u16string &text) {
    regtree::Bytes bytes;
    for (char16_t unit : text + u'\0') {
        bytes.push_back(static_cast<unsigned char>(unit & 0xFF));
        bytes.push_back(static_cast<unsigned char>(unit >> 8));
    }
    return bytes;
}

std::u16string number(std::size_t n) {
    std::string digits = std::to_string(n);
    return std::u16string(digits.begin(), digits.end());
}

void addPublisher(regtree::Key &tree, std::size_t publisher) {
    for (std::size_t product = 0; product < 500; ++product) {
        regtree::Key &key = tree.make({u"HKEY_LOCAL_MACHINE", u"SOFTWARE", u"Publisher " + number(publisher),
                                       u"Product" + number(product), u"Settings"});
        key.setValue({u"InstallDir", 1, utf16Text(u"C:\\Program Files\\Publisher\\Product " + number(product))});
        key.setValue({u"Version", 4, {1, 0, 0, 0}});
        key.setValue({u"Flags", 3, regtree::Bytes(40, 0x5A)});
        key.setValue({u"Path", 2, utf16Text(u"%ProgramFiles%\\Common\\Bin")});
        key.setValue({u"Languages", 7, utf16Text(std::u16string(u"FRA\0ENU\0", 8))});
        key.setValue({u"Quoted \"name\"", 1, utf16Text(u"a \\ backslash and a \"quote\"")});
    }
}

// A machine's worth of software keys, each with the value types a real export holds (texts,
// numbers, binary data long enough to continue over lines, expandable and multi-strings), as many
// publishers as make an export of exportSize bytes.
const regtree::Key &sampleTree() {
    static regtree::Key root = [] {
        regtree::Key tree;
        addPublisher(tree, 0);
        std::size_t publishers = exportSize / regfile::writeRegFile(tree).size() + 1;
        for (std::size_t publisher = 1; publisher < publishers; ++publisher)
            addPublisher(tree, publisher);
        return tree;
    }();
    return root;
}

const std::string &sampleExport() {
    static const std::string bytes = regfile::writeRegFile(sampleTree());
    return bytes;
}

void loadRegistryExport(benchmark::State &state) {
    const std::string &content = sampleExport();
    for (auto _ : state) {
        regtree::Key root;
        if (!regfile::readRegFile(content, root, "bench.reg")) {
            state.SkipWithError("the export did not read back");
            return;
        }
        benchmark::DoNotOptimize(root.subkeys().size());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * content.size()));
    state.SetLabel(std::to_string(content.size()) + " bytes");
}
BENCHMARK(loadRegistryExport)->Unit(benchmark::kMillisecond);

void saveRegistryExport(benchmark::State &state) {
    const regtree::Key &tree = sampleTree();
    std::size_t size = 0;
    for (auto _ : state) {
        std::string bytes = regfile::writeRegFile(tree);
        size = bytes.size();
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * size));
}
BENCHMARK(saveRegistryExport)->Unit(benchmark::kMillisecond);

} // namespace
