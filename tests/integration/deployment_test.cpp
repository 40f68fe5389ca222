// Deployment of the connexion choice on test machines. Per host family: the start-up files, the
// registry file and the host's registry values with their types, each deployed twice to show
// that the second time changes nothing. Entries already there are kept; a forced host (blank
// product key) still gets its files and its launcher.
#include "integration/deployment_machine.h"

#include "support/argument_recorder.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

using Files = std::map<std::string, std::string>; // path below scratch\cfg -> bytes, or "<none>"

// "$M" stands for the module, "$CAD" for the DossierCAD folder, "$PRG" for the program folder.
const RegistryValues autocadRegistration = {
    {startupList + "1Startup", "$M"},
    {startupList + "NumStartup", "1"},
    {userAppload + "LOADER", "C:\\Acad\\acapp.arx"},
    {userAppload + "LOADCTRLS", "__dword:15"},
    {userAppload + "APPPATH", "__eval:%ProgramFiles%\\Acad"},
    {profile + "General/ACAD", "C:\\Old;$CAD"},
};
const std::string trustedPaths = profile + "Variables/TRUSTEDPATHS";

RegistryValues with(RegistryValues values, const RegistryValues &more) {
    for (const auto &[name, value] : more)
        values[name] = value;
    return values;
}

// clang-format off
const std::string utf16AppAutoLoad("\xFF\xFE" "C\0:\0\\\0x\0.\0z\0r\0x\0\r\0\n\0", 22);
const std::string registryFile = "\"REGISTRE_CMD\" \"TMP\"\r\n\"/Systeme/MultiLangue\" \"FRA\"\r\n";
const Files filesBefore = {
    {"GenAuto\\acad.rx", "old"}, {"GenAuto\\autoload.rx", "<none>"}, {"GenAuto\\zwcad.rx", "<none>"},
    {"GenAuto\\Icad.sds", "<none>"}, {"GenAuto\\gcad.lsp", "<none>"}, {"GenAuto\\Gcad2016doc.lsp", "old"},
    {"Roaming\\AppAutoLoad.app", utf16AppAutoLoad}, {"ConfigUsr\\system\\registreext.reg", "<none>"}};

struct FamilyCase {
    const char *row;
    bool use64;
    bool autoload;
    Files files;            // beyond filesBefore and the two lines of registreext.reg
    RegistryValues changes; // beyond the values the machine starts with
};

void PrintTo(const FamilyCase &param, std::ostream *out) {
    *out << param.row;
}

const FamilyCase familyCases[] = {
    {"AutoCAD 2026", true, false, {{"GenAuto\\acad.rx", "<none>"}}, with(autocadRegistration, {{trustedPaths, "$PRG"}})},
    {"AutoCAD 2026", true, true, {{"GenAuto\\acad.rx", "<none>"}}, with(autocadRegistration, {{trustedPaths, "$PRG"}})},
    {"AutoCAD 2015", false, false, {{"GenAuto\\acad.rx", "$M\r\n"}}, {{profile + "General/ACAD", "C:\\Old;$CAD"}}},
    {"AutoCAD 2015", true, true, {{"GenAuto\\acad.rx", "<none>"}}, autocadRegistration},
    {"Bicscad V19-64b", true, false, {{"GenAuto\\autoload.rx", "$M\r\n"}},
     {{startupList + "1Startup", "$M"}, {startupList + "NumStartup", "__dword:1"},
      {profile + "Config/SRCHPATH", "C:\\Old;$CAD"}}},
    {"Bicscad V18", false, false, {{"GenAuto\\autoload.rx", "$M\r\n"}}, {{profile + "Config/SRCHPATH", "C:\\Old;$CAD"}}},
    {"ZWCAD Classic", false, true, {{"GenAuto\\zwcad.rx", "$M\r\n"}},
     {{profile + "Config/ZWCADSEARCHPATH", "C:\\Old;$CAD"}}},
    {"ZWCAD 2024", true, true, {{"GenAuto\\zwcad.rx", "$M\r\n"}, {"Roaming\\AppAutoLoad.app", "$M\r\nC:\\x.zrx\r\n"}},
     {{profile + "Config/ZWCADSEARCHPATH", "C:\\Old;$CAD"}}},
    {"GstarCAD 2024", false, true,
     {{"GenAuto\\gcad.lsp", "(Command \"grx\" \"_L\" \"C:/Program Files/Veltra/veltra32.arx\")\r\n"},
      {"GenAuto\\Gcad2016doc.lsp", "<none>"}},
     {{startupList + "0Startup", "$M"}, {startupList + "NumStartup", "__dword:1"},
      {profile + "General/GCAD", "C:\\Old;$CAD"}}},
    {"IntelliCAD 8", false, true, {{"GenAuto\\Icad.sds", "$M\r\n"}}, {}},
    {"AutoCAD LT 2026", false, false,
     {{"ConfigUsr\\system\\registreext.reg",
       "\"REGISTRE_CMD\" \"TMP\"\r\n\"/TplLt/BrancheLT\" \"SOFTWARE\\\\VeltraTests\\\\R25.1\\\\ACAD-9101:40C\"\r\n"
       "\"/TplLt/Connexion\" \"LT2013\"\r\n\"/TplLt/Env\" \"FixedProfile/General\"\r\n"
       "\"/Systeme/MultiLangue\" \"FRA\"\r\n"}},
     {}},
};
// clang-format on

class Deployment : public DeploymentMachine, public testing::WithParamInterface<FamilyCase> {
protected:
    Files files() const {
        Files found;
        for (const auto &[path, bytes] : filesBefore)
            found[path] = hostFileExists("cfg\\" + path) ? readBytes("cfg\\" + path) : "<none>";
        return found;
    }
};

TEST_P(Deployment, EachFamilyGetsItsFilesAndValuesOnceOnly) {
    const FamilyCase &param = GetParam();
    const std::string module = param.use64 ? module64 : module32;
    auto fill = [&](std::string text) {
        for (const auto &[from, to] : {std::pair<std::string, std::string>{"$M", module},
                                       {"$CAD", scratchPath("cfg\\DossierCAD")},
                                       {"$PRG", programDir}})
            for (std::size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size())
                text.replace(at, from.size(), to);
        return text;
    };
    RegistryValues expectedValues = initial;
    for (const auto &[name, value] : param.changes)
        expectedValues[name] = fill(value);
    Files expectedFiles = filesBefore;
    expectedFiles["ConfigUsr\\system\\registreext.reg"] = registryFile;
    for (const auto &[path, bytes] : param.files)
        expectedFiles[path] = fill(bytes);
    writeRegistry(initial);
    for (const auto &[path, bytes] : filesBefore)
        if (bytes != "<none>")
            writeBytes("cfg\\" + path, bytes);

    auto host = hostNode(param.row);
    for (int round = 1; round <= 2; ++round) {
        SCOPED_TRACE("deployment " + std::to_string(round));
        EXPECT_EQ(deploy(*host, param.use64, param.autoload), launcherFailure());
        EXPECT_EQ(registry(), expectedValues);
        EXPECT_EQ(files(), expectedFiles);
        // The launcher is given the host, or for AutoCAD LT the add-on's own executable.
        std::string commands = readBytes("cfg\\GenAuto\\CmdApp.inf");
        bool isLt = findHostVersion(param.row)->family == HostFamily::AutoCadLt;
        EXPECT_EQ(commands.substr(0, commands.find('\r')), isLt ? module : hostExecutable);
    }
}

INSTANTIATE_TEST_SUITE_P(Families, Deployment, testing::ValuesIn(familyCases));

class DeploymentKeeps : public DeploymentMachine {};

TEST_F(DeploymentKeeps, OtherEntriesAndTheTypeOfAnExpandableSearchPath) {
    RegistryValues before = with(initial, {{startupList + "1Startup", "C:\\Other\\other.arx"},
                                           {startupList + "NumStartup", "1"},
                                           {trustedPaths, "D:\\Trusted"},
                                           {profile + "General/ACAD", "__eval:%SystemRoot%\\Support"}});
    writeRegistry(before);
    RegistryValues expected =
        with(with(before, autocadRegistration),
             {{startupList + "1Startup", "C:\\Other\\other.arx"},
              {startupList + "2Startup", module64},
              {startupList + "NumStartup", "2"},
              {trustedPaths, "D:\\Trusted;" + programDir},
              {profile + "General/ACAD", "__eval:%SystemRoot%\\Support;" + scratchPath("cfg\\DossierCAD")}});
    auto host = hostNode("AutoCAD 2026");
    for (int round = 1; round <= 2; ++round) {
        deploy(*host, true, false);
        EXPECT_EQ(registry(), expected) << "deployment " << round;
    }
}

} // namespace
