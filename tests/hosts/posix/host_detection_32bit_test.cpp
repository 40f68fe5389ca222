// Host detection on a 32-bit Windows, which has one registry view. Sandbox only: the bitness is
// asked once per process, so the 32-bit detection runs in a child process of its own.
#include "support/host_machine.h"

#include "core/param_node.h"
#include "hosts/host_detection.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

using HostDetectionOn32BitWindows = HostMachine;

TEST_F(HostDetectionOn32BitWindows, MakesOnePassOnly) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    std::string key = "HKEY_LOCAL_MACHINE/SOFTWARE/Autodesk/AutoCAD/R24.3/ACAD-7101:40C";
    std::string folder = makeFolder("AutoCAD", {"acad.exe"});
    setValues(key, {{"AcadLocation", folder}}, view64);
    setValues(key, {{"AcadLocation", folder}}, defaultView);
    addModules({"veltra24.arx"});
    ParamNode result("hosts", nullptr);
    // This process has its answer (64) by now; the child, started with this setting, asks afresh,
    // makes its keys on a 32-bit Windows and exits with the number of installations it found.
    test_machine::setVariable("VELTRA_WINDOWS_BITS", "32");
    EXPECT_EXIT(
        {
            detectHosts(result);
            int found = result.ChildCount();
            TearDown();
            std::exit(found);
        },
        ::testing::ExitedWithCode(1), "");
    test_machine::setVariable("VELTRA_WINDOWS_BITS", nullptr);

    detectHosts(result); // the same keys seen from both views of a 64-bit Windows
    EXPECT_EQ(result.ChildCount(), 2);
}

} // namespace
