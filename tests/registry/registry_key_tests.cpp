// RegistryKey: paths, roots, views, the value text encoding and the diagnostics, natively against
// the sandbox and under Wine against its registry.
#include "registry/registry_key.h"

#include "core/param_node.h"
#include "core/text_functions.h"
#include "install/diagnostic_stream.h"
#include "install/memory_stream.h"
#include "registry/registry_view.h"
#include "support/registry_machine.h"

#include <string>

namespace {

using std::string;

const string nul(1, '\0');

class RegistryKeyTest : public RegistryMachine {
protected:
    void SetUp() override {
        RegistryMachine::SetUp();
        previousDiagnostics = redirectDiagnostics(&diagnostics);
    }
    void TearDown() override {
        redirectDiagnostics(previousDiagnostics);
        os::regDeleteTree(os::hkeyCurrentUser, "Software\\Corvanth", 0);
        RegistryMachine::TearDown();
    }

    // Opens a key of the test area for writing, below HKEY_CURRENT_USER.
    void openForWriting(RegistryKey &key, const char *name) {
        key.setWritable(true);
        ASSERT_NE(key.openChild(&RegistryKey::CurrentUser, 1, userTestKey, name), nullptr);
        ASSERT_TRUE(key.IsOpen());
    }

    // The raw data of a value of the test area, read through the system layer.
    string rawValue(const char *keyName, const char *name, std::uint32_t *type) {
        os::HKey key = openKey(os::hkeyCurrentUser, string(userTestKey) + "\\" + keyName);
        string data = key == nullptr ? "<no key>" : valueData(key, name, type);
        os::regCloseKey(key);
        return data;
    }

    MemoryOutput diagnostics;
    CharOutput *previousDiagnostics = nullptr;
};

TEST_F(RegistryKeyTest, ValuesReadBackInTheirTextEncoding) {
    RegistryKey key;
    openForWriting(key, "Encoding");
    ParamNode values(nullptr, nullptr);
    values.FindChild("Dword", true, true)->SetValue("__dword:-5");
    values.FindChild("Bytes", true, true)->SetValue("__hex(3):1,0,255");
    values.FindChild("Empty", true, true)->SetValue("__hex(3):");
    values.FindChild("Skipped", true, true)->SetValue("__hex(3)1,2");
    values.FindChild("Expand", true, true)->SetValue("__eval:%WINDIR%\\x");
    values.FindChild("Text", true, true)->SetValue("caf\xE9");
    values.FindChild("Number", true, true)->SetInt(12);
    values.FindChild("NoValue", true, true)->ClearValue();
    values.FindChild("Multi", true, true)->SetValue("__hex(7):97,0,98,0,0");
    values.FindChild("Wrapped", true, true)->SetValue("__hex(3):300, -1 ,2 ");
    EXPECT_TRUE(key.writeValues(values.Children(), true));

    std::uint32_t type = 0;
    EXPECT_EQ(rawValue("Encoding", "Dword", &type), "\xFB\xFF\xFF\xFF");
    EXPECT_EQ(type, os::regDword);
    EXPECT_EQ(rawValue("Encoding", "Bytes", &type), string("\x01\x00\xFF", 3));
    EXPECT_EQ(type, os::regBinary);
    EXPECT_EQ(rawValue("Encoding", "Empty", &type), "");
    EXPECT_EQ(rawValue("Encoding", "Skipped", &type), "<missing>");
    EXPECT_EQ(rawValue("Encoding", "NoValue", &type), "<missing>");
    EXPECT_EQ(rawValue("Encoding", "Expand", &type), "%WINDIR%\\x" + nul);
    EXPECT_EQ(type, os::regExpandSz);
    EXPECT_EQ(rawValue("Encoding", "Number", &type), string("\x0C\0\0\0", 4));
    EXPECT_EQ(rawValue("Encoding", "Multi", &type), "a" + nul + "b" + nul + nul);
    EXPECT_EQ(type, os::regMultiSz);
    EXPECT_EQ(rawValue("Encoding", "Wrapped", &type), ",\xFF\x02"); // each byte modulo 256

    NodeList encoded = key.readValues(true, true);
    EXPECT_EQ(ListCount(encoded), 8);
    EXPECT_STREQ(key.readValue("Dword", false, true), "__dword:-5");
    EXPECT_STREQ(key.readValue("Bytes", false, true), "__hex(3):1,0,255");
    EXPECT_STREQ(key.readValue("Empty", false, true), "__hex(3):");
    EXPECT_STREQ(key.readValue("Expand", false, true), "__eval:%WINDIR%\\x");
    EXPECT_STREQ(key.readValue("Text", false, true), "caf\xE9");
    EXPECT_STREQ(key.readValue("Multi", false, true), "__hex(7):97,0,98,0,0");
    EXPECT_EQ(key.readValue("dword", false, true), nullptr); // names match exactly here

    // Written back, the encoded texts give the same values again.
    RegistryKey copy;
    openForWriting(copy, "Copy");
    EXPECT_TRUE(copy.writeValues(encoded, false));
    EXPECT_EQ(rawValue("Copy", "Dword", &type), "\xFB\xFF\xFF\xFF");
    EXPECT_EQ(rawValue("Copy", "Bytes", &type), string("\x01\x00\xFF", 3));

    key.readValues(true, false);
    EXPECT_EQ(ListCount(key.readValues(false, false)), 4); // bytes and multi-strings are left out
    ParamNode *number = FindInList(key.readValues(false, false), "Dword");
    ASSERT_NE(number, nullptr);
    EXPECT_EQ(number->ValueType(), ParamValueType::Integer);
    EXPECT_EQ(number->AsInt(), -5);
    EXPECT_STREQ(key.readValue("Expand", false, false), "%WINDIR%\\x");
    EXPECT_EQ(diagnostics.text(), "");
}

TEST_F(RegistryKeyTest, CachesRefreshOnlyWhenAskedAndSubkeysComeLastFirst) {
    RegistryKey key;
    openForWriting(key, "Cache");
    EXPECT_TRUE(key.writeValue("A", "1", false));
    EXPECT_STREQ(key.readValue("A", false, true), "1");
    EXPECT_TRUE(key.writeValue("B", "2", false)); // writing empties the value cache
    EXPECT_STREQ(key.readValue("B", false, true), "2");
    os::HKey raw = openKey(os::hkeyCurrentUser, string(userTestKey) + "\\Cache");
    os::HKey writer = createKey(os::hkeyCurrentUser, string(userTestKey) + "\\Cache");
    setValue(writer, "C", os::regSz, "3" + nul);
    EXPECT_EQ(key.readValue("C", false, true), nullptr);
    EXPECT_STREQ(key.readValue("C", true, true), "3");

    for (const char *name : {"Sub1", "Sub2", "Sub3"})
        os::regCloseKey(createKey(writer, name));
    os::regCloseKey(writer);
    os::regCloseKey(raw);
    NodeList names = key.subkeyNames(true, false);
    ASSERT_EQ(ListCount(names), 3);
    EXPECT_STREQ(static_cast<char *>(names->item), "Sub3");
    EXPECT_STREQ(static_cast<char *>(ListCellAt(names, 2)->item), "Sub1");
    EXPECT_TRUE(key.flush());
    EXPECT_EQ(diagnostics.text(), "");
}

TEST_F(RegistryKeyTest, FailedWritesAreReportedOneByOne) {
    RegistryKey writer;
    openForWriting(writer, "ReadOnly");
    writer.close();
    RegistryKey key; // opened for reading only: every write is refused
    ASSERT_NE(key.openChild(&RegistryKey::CurrentUser, 0, userTestKey, "ReadOnly"), nullptr);
    ASSERT_TRUE(key.IsOpen());
    ParamNode values(nullptr, nullptr);
    values.FindChild("First", true, true)->SetValue("1");
    values.FindChild("Second", true, true)->SetValue("2");
    EXPECT_FALSE(key.writeValues(values.Children(), false));
    EXPECT_EQ(diagnostics.text(),
              "Erreur d'ecriture dans le registre (First dans Software\\VeltraTests\\ReadOnly)\n"
              "Erreur d'ecriture dans le registre (Second dans Software\\VeltraTests\\ReadOnly)\n");

    EXPECT_FALSE(RegistryKey::CurrentUser.writeValue("X", "1", false)); // a root is never written

    diagnostics.clear();
    RegistryKey bad; // a key name longer than the system allows
    bad.setWritable(true);
    string tooLong(300, 'z');
    bad.openChild(&RegistryKey::CurrentUser, 1, userTestKey, tooLong.c_str());
    EXPECT_FALSE(bad.IsOpen());
    EXPECT_EQ(diagnostics.text(), "Erreur de creation du registre\n");
}

} // namespace
