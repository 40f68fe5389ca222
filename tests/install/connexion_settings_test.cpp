// The nine settings kept in "CfgPrf.ini": what saving puts into a node and onto disk, and what
// loading takes back from a node.
#include "initial_settings.h"
#include "support/test_machine.h"

#include "core/param_node.h"
#include "install/install_settings.h"
#include "install/param_file.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

// Every setting at its initial value before and after each test.
class ConnexionSettings : public TestMachine {
protected:
    void SetUp() override {
        TestMachine::SetUp();
        restoreInitialSettings();
    }
    void TearDown() override {
        restoreInitialSettings();
        TestMachine::TearDown();
    }
};

TEST_F(ConnexionSettings, NumbersAreReadFromTheStartOfTheirText) {
    ParamNode node(nullptr, nullptr);
    node.AddChildBack(new ParamNode("Vers64", "12abc"));
    node.AddChildBack(new ParamNode("Flags", "abc"));
    node.AddChildBack(new ParamNode("ExeAlternOk", "99999999999"));
    loadConnexionSettings(node);
    EXPECT_EQ(Vers64, 12);
    EXPECT_EQ(Flags, 0);
    EXPECT_EQ(ExeAlternOk, INT32_MAX);
}

} // namespace
