// Saving a parameter file into a configuration folder the user may not write: the save fails and
// the file already there is left as it was. Run as root, the saves are tried with the file-system
// rights of the user "nobody", for whom the folder is read-only.
#include "support/test_machine.h"

#include "core/param_node.h"
#include "install/param_file.h"

#include <cstdlib>
#include <string>
#include <sys/fsuid.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class ParamFileReadOnlyFolder : public TestMachine {};

TEST_F(ParamFileReadOnlyFolder, SavingFailsAndKeepsTheFile) {
    const std::string root = std::getenv("VELTRA_ROOT");
    ASSERT_EQ(mkdir((root + "/drive_c/scratch/Cfg").c_str(), 0755), 0);
    writeBytes("Cfg\\CfgPrf.ini", "\"a\" = \"1\"\r\n");
    for (const char *folder : {"", "/drive_c", "/drive_c/scratch"})
        ASSERT_EQ(chmod((root + folder).c_str(), 0755), 0);
    ASSERT_EQ(chmod((root + "/drive_c/scratch/Cfg/CfgPrf.ini").c_str(), 0444), 0);
    ASSERT_EQ(chmod((root + "/drive_c/scratch/Cfg").c_str(), 0555), 0);

    ParamNode settings(nullptr, nullptr);
    settings.AddChildBack(new ParamNode("a", "2"));
    const bool asRoot = geteuid() == 0;
    if (asRoot)
        setfsuid(65534);
    bool replaced = saveParamFile(settings, "C:\\scratch\\Cfg\\CfgPrf.ini");
    bool created = saveParamFile(settings, "C:\\scratch\\Cfg\\langues.ini");
    if (asRoot)
        setfsuid(0);
    chmod((root + "/drive_c/scratch/Cfg").c_str(), 0755);

    EXPECT_FALSE(replaced);
    EXPECT_FALSE(created);
    EXPECT_EQ(readBytes("Cfg\\CfgPrf.ini"), "\"a\" = \"1\"\r\n");
    EXPECT_FALSE(hostFileExists("Cfg\\langues.ini"));
}

} // namespace
