// The portable half of the per-test machine: raw file bytes in the scratch folder.
#include "support/test_machine.h"

#include <chrono>
#include <cstdio>
#include <thread>

void TestMachine::SetUp() {
    test_machine::create(windowsScratch, hostScratch);
}

void TestMachine::TearDown() {
    test_machine::destroy(hostScratch);
}

std::string TestMachine::hostPathOf(const std::string &relative) const {
    return test_machine::hostPath(hostScratch, relative);
}

void TestMachine::writeBytes(const std::string &relative, const std::string &bytes) const {
    std::FILE *file = std::fopen(hostPathOf(relative).c_str(), "wb");
    ASSERT_NE(file, nullptr) << relative;
    EXPECT_EQ(std::fwrite(bytes.data(), 1, bytes.size(), file), bytes.size());
    std::fclose(file);
}

std::string TestMachine::readBytes(const std::string &relative) const {
    std::string bytes;
    std::FILE *file = std::fopen(hostPathOf(relative).c_str(), "rb");
    if (file == nullptr) {
        ADD_FAILURE() << "missing file " << relative;
        return bytes;
    }
    char block[512];
    for (std::size_t count; (count = std::fread(block, 1, sizeof block, file)) > 0;)
        bytes.append(block, count);
    std::fclose(file);
    return bytes;
}

bool TestMachine::hostFileExists(const std::string &relative) const {
    std::FILE *file = std::fopen(hostPathOf(relative).c_str(), "rb");
    if (file != nullptr)
        std::fclose(file);
    return file != nullptr;
}

std::string TestMachine::waitForFile(const std::string &relative, const std::string &ending) const {
    std::string bytes;
    for (int attempt = 0; attempt < 300; ++attempt) {
        if (hostFileExists(relative)) {
            bytes = readBytes(relative);
            if (bytes.size() >= ending.size() &&
                bytes.compare(bytes.size() - ending.size(), ending.size(), ending) == 0)
                return bytes;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    ADD_FAILURE() << relative << " not complete: " << bytes;
    return bytes;
}
