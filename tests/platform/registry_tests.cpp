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
    os::regCloseKey(tree);

    EXPECT_EQ(os::regDeleteTree(os::hkeyCurrentUser, base.c_str(), 0), os::errorSuccess);
    EXPECT_EQ(openKey(os::hkeyCurrentUser, base + "\\Alpha"), nullptr);
    EXPECT_EQ(os::regDeleteTree(os::hkeyCurrentUser, base.c_str(), 0), os::errorFileNotFound);
}

} // namespace
