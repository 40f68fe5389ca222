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

TEST_F(RegistryKeyTest, CachesRefreshOnlyWhenAskedSubkeysComeLastFirstAndCountsAreAnswered) {
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
    NodeList names = key.subkeyNames(true);
    ASSERT_EQ(ListCount(names), 3);
    EXPECT_STREQ(static_cast<char *>(names->item), "Sub3");
    EXPECT_STREQ(static_cast<char *>(ListCellAt(names, 2)->item), "Sub1");
    ASSERT_TRUE(key.queryInfo());
    EXPECT_EQ(key.SubkeyCount(), 3u);
    EXPECT_EQ(key.ValueCount(), 3u);
    EXPECT_TRUE(key.flush());
    key.close();
    EXPECT_FALSE(key.queryInfo()); // closed: no answer, and the counts are zeroed
    EXPECT_EQ(key.SubkeyCount() + key.ValueCount(), 0u);
    openForWriting(key, "Cache\\Sub1");
    EXPECT_EQ(ListCount(key.subkeyNames(false)), 0) << "opened again, the key lists its own subkeys";
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
