// The registry seam, natively against the sandbox and under Wine against its registry.
#include "platform/registry.h"

#include "support/registry_machine.h"

#include <string>
#include <vector>

namespace {

using std::string;

const string nul(1, '\0');

std::vector<string> subkeyNames(os::HKey key) {
    std::vector<string> names;
    char name[256];
    std::uint32_t length = sizeof name;
    for (std::uint32_t index = 0; os::regEnumKeyEx(key, index, name, &length) == os::errorSuccess; ++index) {
        names.emplace_back(name, length);
        length = sizeof name;
    }
    return names;
}

using RegistrySeam = RegistryMachine;

TEST_F(RegistrySeam, KeysAreFoundWithoutRegardToCaseAndEnumerateSorted) {
    string base = string(userTestKey) + "\\Tree";
    for (const char *name : {"beta", "Alpha", "gamma", "\xC9t\xE9"})
        os::regCloseKey(createKey(os::hkeyCurrentUser, base + "\\" + name));
    os::HKey tree = openKey(os::hkeyCurrentUser, string(userTestKey) + "\\TREE");
    ASSERT_NE(tree, nullptr);
    std::vector<string> expected = {"Alpha", "beta", "gamma", "\xC9t\xE9"};
    EXPECT_EQ(subkeyNames(tree), expected);

    os::HKey again = nullptr;
    EXPECT_EQ(os::regOpenKeyEx(tree, "ALPHA", os::keyRead, &again), os::errorSuccess);
    os::regCloseKey(again);
    EXPECT_EQ(os::regOpenKeyEx(tree, "delta", os::keyRead, &again), os::errorFileNotFound);
    EXPECT_EQ(again, nullptr);

    bool created = true;
    os::HKey existing = nullptr;
    EXPECT_EQ(os::regCreateKeyEx(tree, "Beta", os::keyReadWrite, &existing, &created), os::errorSuccess);
    EXPECT_FALSE(created);
    os::regCloseKey(existing);

    EXPECT_EQ(os::regDeleteTree(os::hkeyCurrentUser, base.c_str(), 0), os::errorSuccess);
    EXPECT_EQ(openKey(os::hkeyCurrentUser, base + "\\Alpha"), nullptr);
    // The handle still open on the deleted key reads nothing.
    EXPECT_NE(os::regQueryInfoKey(tree, nullptr, nullptr, nullptr, nullptr, nullptr), os::errorSuccess);
    EXPECT_EQ(os::regCloseKey(tree), os::errorSuccess);
    EXPECT_EQ(os::regCloseKey(tree), os::errorInvalidHandle) << "a closed handle is no key";
    EXPECT_EQ(os::regDeleteTree(os::hkeyCurrentUser, base.c_str(), 0), os::errorFileNotFound);
}

TEST_F(RegistrySeam, The32BitViewOfTheMachineSoftwareIsWow6432Node) {
    ASSERT_EQ(os::windowsBits(), 64);
    string path = string(machineTestKey) + "\\View";
    os::HKey key = createKey(os::hkeyLocalMachine, path, os::keyWow64_32Key);
    setValue(key, "Where", os::regSz, "32" + nul);
    os::regCloseKey(key);
    // The 32-bit view of SOFTWARE is its Wow6432Node, whose own 32-bit view is itself; letter case aside.
    for (const char *parent : {"software", "SOFTWARE\\wow6432node"}) {
        os::HKey software = openKey(os::hkeyLocalMachine, parent, os::keyWow64_32Key);
        os::HKey child = nullptr;
        EXPECT_EQ(os::regOpenKeyEx(software, "VeltraTests\\View", os::keyRead, &child), os::errorSuccess) << parent;
        os::regCloseKey(child);
        os::regCloseKey(software);
    }
    os::HKey redirected =
        openKey(os::hkeyLocalMachine, "SOFTWARE\\Wow6432Node\\VeltraTests\\View", os::keyWow64_64Key);
    ASSERT_NE(redirected, nullptr);
    EXPECT_EQ(valueData(redirected, "Where"), "32" + nul);
    std::uint32_t type = 0;
    unsigned char byte = 0;
    EXPECT_EQ(os::regQueryValueEx(redirected, "Where", &type, nullptr, nullptr), os::errorSuccess); // the type alone
    EXPECT_EQ(type, os::regSz);
    EXPECT_EQ(os::regQueryValueEx(redirected, "Where", &type, &byte, nullptr), os::errorInvalidParameter);
    os::regCloseKey(redirected);
    EXPECT_EQ(openKey(os::hkeyLocalMachine, path, os::keyWow64_64Key), nullptr);
}

} // namespace
