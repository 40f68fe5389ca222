// The registry seam, natively against the sandbox and under Wine against its registry.
#include "platform/registry.h"

#include "support/registry_machine.h"

#include <set>
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

// name=type:data of every value, as a set (Windows keeps creation order, Wine sorts by name).
std::set<string> valueSet(os::HKey key) {
    std::set<string> values;
    char name[256];
    unsigned char data[512];
    std::uint32_t index = 0;
    for (;; ++index) {
        std::uint32_t nameLength = sizeof name, dataSize = sizeof data, type = 0;
        unsigned long result = os::regEnumValue(key, index, name, &nameLength, &type, data, &dataSize);
        if (result != os::errorSuccess) {
            EXPECT_EQ(result, os::errorNoMoreItems);
            break;
        }
        values.insert(string(name, nameLength) + "=" + std::to_string(type) + ":" +
                      string(reinterpret_cast<char *>(data), dataSize));
    }
    return values;
}

using RegistrySeam = RegistryMachine;

TEST_F(RegistrySeam, ValuesOfEveryTypeComeBackAsWritten) {
    os::HKey key = createKey(os::hkeyCurrentUser, string(userTestKey) + "\\Types");
    string multi = "un" + nul + "deux \xE9t\xE9" + nul + nul;
    setValue(key, "Text", os::regSz, "Caf\xE9 \x80 5" + nul);
    setValue(key, "Expand", os::regExpandSz, "%SystemRoot%\\x" + nul);
    setValue(key, "Bytes", os::regBinary, string("\x01\x00\xFF", 3));
    setValue(key, "Number", os::regDword, string("\xFB\xFF\xFF\xFF", 4));
    setValue(key, "Multi", os::regMultiSz, multi);
    setValue(key, "Big", os::regQword, string("\x01\x02\x03\x04\x05\x06\x07\x08", 8));
    setValue(key, "Odd", 0x1234, "ab");
    setValue(key, "", os::regSz, "default" + nul);

    std::set<string> expected = {"Text=1:Caf\xE9 \x80 5" + nul,
                                 "Expand=2:%SystemRoot%\\x" + nul,
                                 "Bytes=3:" + string("\x01\x00\xFF", 3),
                                 "Number=4:\xFB\xFF\xFF\xFF",
                                 "Multi=7:" + multi,
                                 "Big=11:\x01\x02\x03\x04\x05\x06\x07\x08",
                                 "Odd=4660:ab",
                                 "=1:default" + nul};
    EXPECT_EQ(valueSet(key), expected);

    std::uint32_t type = 0;
    EXPECT_EQ(valueData(key, "text", &type), "Caf\xE9 \x80 5" + nul); // names ignore letter case
    EXPECT_EQ(type, os::regSz);
    EXPECT_EQ(valueData(key, nullptr), "default" + nul);
    EXPECT_EQ(valueData(key, "Absent"), "<missing>");

    setValue(key, "TEXT", os::regDword, string("\x07\x00\x00\x00", 4)); // replaces, keeps one value
    EXPECT_EQ(valueSet(key).size(), expected.size());
    EXPECT_EQ(os::regDeleteValue(key, "Bytes"), os::errorSuccess);
    EXPECT_EQ(os::regDeleteValue(key, "Bytes"), os::errorFileNotFound);
    EXPECT_EQ(valueData(key, "Bytes"), "<missing>");
    os::regCloseKey(key);
}

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

TEST_F(RegistrySeam, The32BitViewOfTheMachineSoftwareIsWow6432Node) {
    ASSERT_EQ(os::windowsBits(), 64);
    string path = string(machineTestKey) + "\\View";
    os::HKey key = createKey(os::hkeyLocalMachine, path, os::keyWow64_32Key);
    setValue(key, "Where", os::regSz, "32" + nul);
    os::regCloseKey(key);

    os::HKey redirected =
        openKey(os::hkeyLocalMachine, "SOFTWARE\\Wow6432Node\\VeltraTests\\View", os::keyWow64_64Key);
    ASSERT_NE(redirected, nullptr);
    EXPECT_EQ(valueData(redirected, "Where"), "32" + nul);
    os::regCloseKey(redirected);
    EXPECT_EQ(openKey(os::hkeyLocalMachine, path, os::keyWow64_64Key), nullptr);

    os::HKey user = createKey(os::hkeyCurrentUser, string(userTestKey) + "\\Shared", os::keyWow64_32Key);
    os::regCloseKey(user);
    user = openKey(os::hkeyCurrentUser, string(userTestKey) + "\\Shared", os::keyWow64_64Key);
    EXPECT_NE(user, nullptr); // the user's keys are the same in both views
    os::regCloseKey(user);
}

} // namespace
