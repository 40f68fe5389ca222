// Deployment by a user without administrator rights (the sandbox's VELTRA_ADMIN=0): the
// per-user steps complete, the refused machine-wide write is only reported.
#include "integration/deployment_machine.h"

namespace {

class DeploymentWithoutAdministrator : public DeploymentMachine {};

TEST_F(DeploymentWithoutAdministrator, CompletesThePerUserSteps) {
    writeRegistry(initial);
    test_machine::setVariable("VELTRA_ADMIN", "0");
    EXPECT_EQ(deploy(*hostNode("AutoCAD 2026"), true, false),
              "Erreur de creation du registre\n" + launcherFailure());
    RegistryValues after = registry();
    EXPECT_EQ(after[startupList + "1Startup"], module64);
    EXPECT_EQ(after[userAppload + "LOADER"], "C:\\Acad\\acapp.arx");
    EXPECT_EQ(after[userAppload + "LOADCTRLS"], "__dword:15");
    EXPECT_EQ(after[profile + "Variables/TRUSTEDPATHS"], programDir);
    EXPECT_EQ(after[profile + "General/ACAD"], "C:\\Old;" + scratchPath("cfg\\DossierCAD"));
}

} // namespace
