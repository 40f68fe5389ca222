// Removal of the add-on from each family's test machine: deploy then remove (no journal to go by)
// gives back the host's registry values and files; the preview lists the removal's changes exactly;
// undo brings the deployment back. And on lists shared with other add-ons, only our entries go.
#include "integration/deployment_machine.h"

#include "integration/removal.h"
#include "journal/change_layer.h"
#include "journal/undo.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct RemovalCase {
    const char *row;
    bool use64;
    bool autoload;
};

const RemovalCase removalCases[] = {
    {"AutoCAD 2026", true, false},  {"AutoCAD 2015", false, false}, {"AutoCAD 2015", false, true},
    {"Bicscad V19-64b", true, false}, {"ZWCAD Classic", false, true}, {"ZWCAD 2024", true, true},
    {"GstarCAD 2024", false, true},   {"IntelliCAD 8", false, true},  {"AutoCAD LT 2026", false, false},
};

// The bytes of a UTF-16 file (little-endian, with its mark) holding text.
std::string utf16(const std::u16string &text) {
    std::string bytes = "\xFF\xFE";
    for (char16_t unit : text) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}

void PrintTo(const RemovalCase &param, std::ostream *out) {
    *out << param.row << (param.autoload ? " autoload" : "");
}

class Removal : public DeploymentMachine {
protected:
    // The host keeps lists of its own: a trusted folder, and a start-up file of another add-on.
    void SetUp() override {
        DeploymentMachine::SetUp();
        initial[profile + "Variables/TRUSTEDPATHS"] = "D:\\T";
        writeRegistry(initial);
        writeBytes("cfg\\Roaming\\AppAutoLoad.app", "C:\\Other\\other.zrx\r\n");
    }
    void TearDown() override {
        journal::endRun();
        DeploymentMachine::TearDown();
    }

    // The host-side files a deployment may write or delete, with their bytes.
    std::map<std::string, std::string> hostFiles() const {
        std::map<std::string, std::string> found;
        for (const char *file : {"GenAuto\\acad.rx", "GenAuto\\autoload.rx", "GenAuto\\zwcad.rx", "GenAuto\\Icad.sds",
                                 "GenAuto\\gcad.lsp", "Roaming\\AppAutoLoad.app"})
            found[file] = hostFileExists(std::string("cfg\\") + file) ? readBytes(std::string("cfg\\") + file) : "<none>";
        return found;
    }
    // The removal from host in mode, as the journal describes its changes.
    std::vector<std::string> removal(const ParamNode &host, journal::Mode mode) {
        journal::beginRun(mode, scratchPath("journal"));
        EXPECT_TRUE(removeAddonFromHost(host));
        std::vector<std::string> lines;
        for (const journal::Change &change : journal::runChanges())
            lines.push_back(describe(change));
        journal::endRun();
        return lines;
    }
};

class RemovalAfterDeployment : public Removal, public testing::WithParamInterface<RemovalCase> {};

TEST_P(RemovalAfterDeployment, GivesBackTheHostAndUndoBringsTheDeploymentBack) {
    const RemovalCase &param = GetParam();
    auto host = hostNode(param.row);
    const RegistryValues registryBefore = registry();
    const auto filesBefore = hostFiles();
    deploy(*host, param.use64, param.autoload);
    const RegistryValues deployed = registry();
    const auto deployedFiles = hostFiles();

    std::vector<std::string> preview = removal(*host, journal::Mode::Preview);
    EXPECT_EQ(registry(), deployed);
    EXPECT_EQ(hostFiles(), deployedFiles);
    std::vector<std::string> real = removal(*host, journal::Mode::Apply);
    EXPECT_EQ(preview, real);
    EXPECT_EQ(registry(), registryBefore);
    EXPECT_EQ(hostFiles(), filesBefore);
    EXPECT_EQ(removal(*host, journal::Mode::Apply), std::vector<std::string>()) << "a second removal finds nothing";

    journal::UndoReport undone = journal::undoLatest(scratchPath("journal"));
    EXPECT_EQ(undone.conflicts, std::vector<std::string>());
    EXPECT_EQ(registry(), deployed);
    EXPECT_EQ(hostFiles(), deployedFiles);
}

INSTANTIATE_TEST_SUITE_P(Families, RemovalAfterDeployment, testing::ValuesIn(removalCases));

// Other add-ons' entries before and after ours, expandable references and our folder twice: only
// our entries go, the others keep their order, their numbering rules and their value types.
TEST_F(Removal, TakesOnlyOurEntriesOutOfSharedLists) {
    const std::string program = programDir, cad = scratchPath("cfg\\DossierCAD");
    const RegistryValues shared = {
        {startupList + "1Startup", "C:\\A\\a.arx"},
        {startupList + "2Startup", "c:/program files/veltra/VELTRA64.ARX"},
        {startupList + "3Startup", "__eval:%ProgramFiles%\\B\\b.arx"},
        {startupList + "4Startup", module32},
        {startupList + "5Startup", "C:\\C\\c.arx"},
        {startupList + "7Startup", module64}, // past the count: not in the list
        {startupList + "NumStartup", "__dword:5"},
        {profile + "Variables/TRUSTEDPATHS", program + ";D:\\T;" + program + "\\;E:\\U"},
        {profile + "General/ACAD", "__eval:%USERPROFILE%\\a;" + cad + ";%USERPROFILE%\\b;;C:\\Old"},
        {userAppload + "LOADCTRLS", "__dword:15"},
        {userAppload + "OTHER", "kept"}, // not the deployment's copy: stays whole
    };
    writeRegistry(shared);
    // A UTF-16 list with an entry the code page cannot hold, ours written with '/', a last line without end.
    writeBytes("cfg\\Roaming\\AppAutoLoad.app", utf16(u"C:\\\u0141\r\nc:/Program Files/Veltra/veltra64.arx\r\nx"));
    RegistryValues expected = registry();
    for (const auto &[name, value] : RegistryValues{
        {startupList + "2Startup", "__eval:%ProgramFiles%\\B\\b.arx"},
        {startupList + "3Startup", "C:\\C\\c.arx"},
        {startupList + "NumStartup", "__dword:3"},
        {profile + "Variables/TRUSTEDPATHS", "D:\\T;E:\\U"},
        {profile + "General/ACAD", "__eval:%USERPROFILE%\\a;%USERPROFILE%\\b;;C:\\Old"}})
        expected[name] = value;
    expected.erase(startupList + "4Startup");
    expected.erase(startupList + "5Startup");

    ASSERT_TRUE(removeAddonFromHost(*hostNode("AutoCAD 2026")));
    EXPECT_EQ(registry(), expected);
    ASSERT_TRUE(removeAddonFromHost(*hostNode("ZWCAD 2024")));
    EXPECT_EQ(readBytes("cfg\\Roaming\\AppAutoLoad.app"), utf16(u"C:\\\u0141\r\nx"));
}

} // namespace
