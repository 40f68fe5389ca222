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

TEST_F(RegistrySeam, ShortBuffersAskForMoreAndEnumerationEnds) {
    os::HKey key = createKey(os::hkeyCurrentUser, string(userTestKey) + "\\Sizes");
    setValue(key, "LongerName", os::regSz, "0123456789" + nul);

    std::uint32_t subkeys = 9, maxSubkey = 9, values = 0, maxName = 0, maxData = 0;
    ASSERT_EQ(os::regQueryInfoKey(key, &subkeys, &maxSubkey, &values, &maxName, &maxData), os::errorSuccess);
    EXPECT_EQ(subkeys, 0u);
    EXPECT_EQ(values, 1u);
    EXPECT_GE(maxName, 10u);
    EXPECT_GE(maxData, 11u);

    char name[4];
    std::uint32_t nameLength = sizeof name;
    EXPECT_EQ(os::regEnumValue(key, 0, name, &nameLength, nullptr, nullptr, nullptr), os::errorMoreData);
    unsigned char data[5];
    std::uint32_t dataSize = sizeof data;
    EXPECT_EQ(os::regQueryValueEx(key, "LongerName", nullptr, data, &dataSize), os::errorMoreData);
    EXPECT_EQ(dataSize, 11u);
    char bigName[32];
    nameLength = sizeof bigName;
    EXPECT_EQ(os::regEnumValue(key, 1, bigName, &nameLength, nullptr, nullptr, nullptr),
              os::errorNoMoreItems);
    nameLength = sizeof bigName;
    EXPECT_EQ(os::regEnumKeyEx(key, 0, bigName, &nameLength), os::errorNoMoreItems);
    os::regCloseKey(key);
}

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
