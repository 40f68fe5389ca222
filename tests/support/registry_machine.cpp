// Registry test fixture: test keys created through the seam and removed in both views.
#include "support/registry_machine.h"

#include <vector>

void RegistryMachine::SetUp() {
    TestMachine::SetUp();
    removeTestKeys();
}

void RegistryMachine::TearDown() {
    removeTestKeys();
    TestMachine::TearDown();
}

void RegistryMachine::removeTestKeys() {
    for (std::uint32_t view : {os::keyWow64_32Key, os::keyWow64_64Key}) {
        os::regDeleteTree(os::hkeyCurrentUser, userTestKey, view);
        os::regDeleteTree(os::hkeyLocalMachine, machineTestKey, view);
    }
}

os::HKey RegistryMachine::createKey(os::HKey root, const std::string &path, std::uint32_t view) {
    os::HKey key = nullptr;
    EXPECT_EQ(os::regCreateKeyEx(root, path.c_str(), os::keyReadWrite | view, &key, nullptr),
              os::errorSuccess)
        << path;
    return key;
}

os::HKey RegistryMachine::openKey(os::HKey root, const std::string &path, std::uint32_t view) {
    os::HKey key = nullptr;
    os::regOpenKeyEx(root, path.c_str(), os::keyRead | view, &key);
    return key;
}

void RegistryMachine::setValue(os::HKey key, const char *name, std::uint32_t type, const std::string &data) {
    EXPECT_EQ(os::regSetValueEx(key, name, type, reinterpret_cast<const unsigned char *>(data.data()),
                                static_cast<std::uint32_t>(data.size())),
              os::errorSuccess)
        << name;
}

std::string RegistryMachine::valueData(os::HKey key, const char *name, std::uint32_t *type) {
    std::uint32_t size = 0;
    if (os::regQueryValueEx(key, name, type, nullptr, &size) != os::errorSuccess)
        return "<missing>";
    std::vector<unsigned char> data(size + 1);
    EXPECT_EQ(os::regQueryValueEx(key, name, type, data.data(), &size), os::errorSuccess) << name;
    return std::string(data.begin(), data.begin() + size);
}
