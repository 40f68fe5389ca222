// veltractl on copies of the sample machine, checked against the dialog program: deploy against
// the dialog's OK for each host, and the Active Setup command against the deployment it repeats.
#include "core/version.h"
#include "platform/posix/command_line.h"
#include "support/posix/machine_changes.h"
#include "support/posix/sample_copy.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

namespace fs = std::filesystem;

namespace {

const char *const admin = "VELTRA_ADMIN=1";

// The machine once the launcher a run started (without waiting for it) has recorded its
// arguments, without that record.
MachineSnapshot afterLauncher(const SampleCopy &machine) {
    const std::string record = machine.root() + "/drive_c/Program Files/Veltra/lanceurcad.txt";
    for (int wait = 0; wait < 600 && !fs::exists(record); ++wait)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_TRUE(fs::remove(record)) << "the launcher was started";
    return snapshotOf(machine.root());
}

TEST(Veltractl, DeployWritesWhatTheDialogsOkWritesForEachHostInTurn) {
    SampleCopy dialog(VELTRA_SAMPLES_DIR), command(VELTRA_SAMPLES_DIR);
    SampleCopy::Outcome hosts = command.run(VELTRACTL, "hosts --json");
    ASSERT_EQ(hosts.code, 0);
    nlohmann::json list = nlohmann::json::parse(hosts.out)["hosts"];
    ASSERT_EQ(list.size(), 4u);
    for (const auto &host : list) {
        const std::string number = std::to_string(host["number"].get<int>());
        const bool autoload = host["autoloadOffered"];
        SCOPED_TRACE(host["entry"].get<std::string>());
        EXPECT_EQ(dialog.run(VELTRACFG, "", "host " + number + "\n" + (autoload ? "autoload on\n" : "") + "ok\n", admin).code, 0);
        SampleCopy::Outcome deployed = command.run(VELTRACTL, "deploy --host " + number + (autoload ? " --autoload" : ""), "", admin);
        EXPECT_EQ(deployed.code, 0) << deployed.err;
        EXPECT_TRUE(afterLauncher(command) == afterLauncher(dialog));
    }
}

TEST(Veltractl, VersionIsTheProjects) {
    SampleCopy machine(VELTRA_SAMPLES_DIR);
    SampleCopy::Outcome version = machine.run(VELTRACTL, "--version");
    EXPECT_EQ(version.code, 0);
    EXPECT_EQ(version.out, "veltractl " VELTRA_VERSION "\n");
}

TEST(Veltractl, TheActiveSetupCommandRepeatsTheDeployment) {
    SampleCopy deployed(VELTRA_SAMPLES_DIR), atLogon(VELTRA_SAMPLES_DIR);
    SampleCopy::Outcome result =
        deployed.run(VELTRACTL, "deploy --host ZWCAD --autoload --language 2 --all-users --json", "", admin);
    ASSERT_EQ(result.code, 0) << result.err;
    std::vector<std::string> arguments = os::splitCommandLine(nlohmann::json::parse(result.out)["activeSetup"]);
    ASSERT_GE(arguments.size(), 2u);
    EXPECT_EQ(arguments[0], "C:\\Program Files\\Veltra\\veltractl.exe");
    arguments.erase(arguments.begin());
    ASSERT_EQ(atLogon.run(VELTRACTL, os::joinCommandLine(arguments)).code, 0);

    // The deployment's machine without the component it registered.
    MachineSnapshot expected = afterLauncher(deployed);
    EXPECT_EQ(expected.registry.erase(
                  "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Active Setup\\Installed Components\\Veltra.Configurateur]"),
              1u);
    EXPECT_TRUE(snapshotOf(atLogon.root()) == expected);
}

} // namespace
