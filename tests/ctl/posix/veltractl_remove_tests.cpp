// veltractl remove on a copy of the sample machine, for each of its hosts: deploy, the journal
// deleted, then remove gives back the hosts' registry values and files; its preview lists exactly
// the changes it then makes; undo brings the deployment back. The add-on's own files and settings
// (CfgPrf.ini, CmdApp.inf, registreext.reg, its settings key) are its uninstaller's to remove.
#include "support/posix/machine_changes.h"
#include "support/posix/sample_copy.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <string>
#include <vector>

namespace {

// The hosts' side of the machine: its snapshot without the add-on's own files and settings.
MachineSnapshot hostsSide(const SampleCopy &machine) {
    MachineSnapshot snapshot = snapshotOf(machine.root());
    for (const char *own : {"GenAuto/CfgPrf.ini", "GenAuto/CmdApp.inf", "ConfigUsr/system/registreext.reg"})
        snapshot.files.erase(std::string("Users/Utilisateur/AppData/Local/VeltraConfig/") + own);
    snapshot.registry.erase("[HKEY_CURRENT_USER\\Software\\Corvanth\\1.0\\Systeme]");
    return snapshot;
}

// The changes a command would make, as its preview lists them.
std::vector<std::string> planned(const SampleCopy &machine, const std::string &arguments) {
    SampleCopy::Outcome preview = machine.run(VELTRACTL, arguments + " --preview --json");
    EXPECT_EQ(preview.code, 0) << preview.err;
    return nlohmann::json::parse(preview.out)["changes"].get<std::vector<std::string>>();
}

TEST(VeltractlRemove, GivesBackTheMachineOfBeforeWithoutTheJournalForEachHost) {
    SampleCopy machine(VELTRA_SAMPLES_DIR);
    SampleCopy::Outcome listed = machine.run(VELTRACTL, "hosts --json");
    ASSERT_EQ(listed.code, 0);
    const nlohmann::json hosts = nlohmann::json::parse(listed.out)["hosts"];
    ASSERT_EQ(hosts.size(), 4u);
    const MachineSnapshot before = hostsSide(machine);
    for (const auto &host : hosts) {
        const std::string number = std::to_string(host["number"].get<int>());
        SCOPED_TRACE(host["entry"].get<std::string>());
        ASSERT_EQ(machine.run(VELTRACTL, "deploy --no-launch --host " + number + (host["autoloadOffered"] ? " --autoload" : "")).code, 0);
        const MachineSnapshot deployed = hostsSide(machine);
        EXPECT_FALSE(deployed == before);
        std::filesystem::remove_all(machine.root() + "/drive_c/Users/Utilisateur/AppData/Local/Veltra/journal");

        // Without --host, the host CfgPrf.ini names (the one just deployed).
        const std::vector<std::string> removal = planned(machine, "remove");
        EXPECT_TRUE(hostsSide(machine) == deployed) << "the preview changes nothing";
        EXPECT_GE(removal.size(), 3u);
        EXPECT_EQ(machine.run(VELTRACTL, "remove").code, 0);
        EXPECT_TRUE(hostsSide(machine) == before);
        EXPECT_EQ(machine.run(VELTRACTL, "status --host " + number).code, 3);

        // undo --preview lists the run's changes newest first: the removal's, in reverse.
        std::vector<std::string> undone = planned(machine, "undo");
        EXPECT_EQ(std::vector<std::string>(undone.rbegin(), undone.rend()), removal);
        EXPECT_EQ(machine.run(VELTRACTL, "undo").code, 0);
        EXPECT_TRUE(hostsSide(machine) == deployed);
        EXPECT_EQ(machine.run(VELTRACTL, "status --host " + number).code, 0);
        EXPECT_EQ(machine.run(VELTRACTL, "remove --host " + number + " --json").code, 0);
        EXPECT_TRUE(hostsSide(machine) == before);
    }
}

} // namespace
