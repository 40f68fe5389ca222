// The program veltracfg on copies of the sample machine, driven through the console dialog as a
// user would. Each row is a machine (the sample, maybe with a few changes), a command line and the
// user's commands; its golden file (scenarios/NAME.txt) holds everything the run is expected to
// leave: exit code, the dialog as printed, the diagnostics, every file written or changed and
// every registry key changed. VELTRA_UPDATE_GOLDEN=1 rewrites the golden files from the runs.

#include "support/posix/machine_changes.h"
#include "support/posix/sample_copy.h"

#include <gtest/gtest.h>


#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>

namespace fs = std::filesystem;

namespace {

struct Scenario {
    const char *name;
    const char *environment; // NAME=VALUE words for the runs, or ""
    const char *prepare;     // a shell command run in the machine's folder first, or ""
    const char *earlierRun;  // the commands of a run made before the one checked, or ""
    const char *commandLine; // shell words
    const char *commands;
};

// Shell snippets that change the sample machine: profile folders, and registry entries added to
// its registry file (turned into UTF-8, which the registry reads as well).
#define CONFIG "drive_c/Users/Utilisateur/AppData/Local/VeltraConfig/"
#define ADD_TO_REGISTRY(lines) "iconv -f UTF-16 -t UTF-8 registry.reg > r && printf '" lines "' >> r && mv r registry.reg"

const Scenario scenarios[] = {
    {"cancel", "", "", "", "", "language 9\nhost 2\n64bit off\nhost 4\n64bit off\nautoload on\nbonjour\nhost 2x\ncancel\n"},
    {"autocad_english", "", "", "", "", "host 4\nlanguage 2\nok\n"},
    {"end_of_input_cancels", "", "", "", "", "host 4\nlanguage 2\n"},
    {"missing_logo_is_reported", "", "rm 'drive_c/Program Files/Veltra/imgmenu/vltprd.bmp'", "", "", "cancel\n"},
    {"autocad_2027_from_the_catalogue_file", "", "", "", "", "language 2\nok\n"},
    {"autocad_again_with_autoload", "", "", "host 4\nok\n", "", "host 4\nautoload on\nok\n"},
    {"zwcad_autoload_32bit", "", "", "", "CTX = Etude#/nologo", "host 2\nautoload on\n64bit off\nok\n"},
    {"zwcad_without_administrator", "VELTRA_ADMIN=0", "", "", "", "host 2\nautoload on\nok\n"},
    {"bricscad_autoload_drawing", "", "", "", "'D:\\Plans\\site 1.dwg'", "host 3\nautoload on\nok\n"},
    {"profile_chosen_with_its_arguments", "",
     "mkdir -p " CONFIG "CtxEtude/GenAuto " CONFIG "CtxChantier && printf '\"ArgsAPP\" = \"MODE = 2\"\\r\\n"
     "\"ArgsCAD\" = \"/b script.scr\"\\r\\n' > " CONFIG "CtxEtude/GenAuto/CfgPrf.ini",
     "", "", "select 3\nok\nhost 4\n64bit off\nok\n"},
    {"context_file_keeps_its_host_arguments", "",
     "mkdir -p " CONFIG "CtxEtude/GenAuto && printf '\"ArgsAPP\" = \"X = 1\"\\r\\n\"ArgsCAD\" = \"/b\"\\r\\n' > " CONFIG
     "CtxEtude/GenAuto/CfgPrf.ini",
     "", "CTX = Etude MODE = 2", "host 4\nok\n"},
    {"drawing_with_the_default_context_file", "",
     "mkdir -p " CONFIG "GenAuto && printf '\"ArgsAPP\" = \"A = 1\"\\r\\n\"ArgsCAD\" = \"/b\"\\r\\n' > " CONFIG
     "GenAuto/CfgPrf.ini",
     "", "'D:\\Plans\\site 1.dwg'", "host 4\nok\n"},
    {"profile_choice_filtered_then_cancelled", "", "mkdir -p " CONFIG "CtxEtude " CONFIG "CtxChantier " CONFIG "Ctx\xc3\x89t\xc3\xa9",
     "", "", "filter \xc3\xa9\nfilter TU\nselect 9\nfilter \ncancel\n"},
    {"standard_profile_chosen_among_several", "", "mkdir -p " CONFIG "CtxEtude " CONFIG "CtxChantier", "", "",
     "ok\ncancel\n"},
    {"forced_host", "",
     "mkdir -p drive_c/CAD && : > drive_c/CAD/cad.exe && " ADD_TO_REGISTRY(
         "[HKEY_CURRENT_USER\\\\Software\\\\Corvanth\\\\1.0\\\\Systeme]\\r\\n\"CADManuPath\"=\"C:\\\\\\\\CAD\\\\\\\\cad.exe\"\\r\\n"
         "\"CADManuID\"=\"AutoCAD 2024\"\\r\\n"),
     "", "", "host 1\nok\n"},
    {"stored_settings_without_settings_file", "",
     ADD_TO_REGISTRY("[HKEY_CURRENT_USER\\\\Software\\\\Corvanth\\\\1.0\\\\Systeme]\\r\\n\"ArgsAPP\"=\"X = 1\"\\r\\n"
                     "\"ArgsCAD\"=\"/y\"\\r\\n\"Vers64\"=\"0\"\\r\\n"
                     // the host's key names it before its executable does
                     "\"ChoixCADReg\"=\"SOFTWARE/Autodesk/AutoCAD/R24.3/ACAD-7101:40C\"\\r\\n"
                     "\"ChoixCAD\"=\"C:\\\\\\\\Program Files\\\\\\\\ZWSOFT\\\\\\\\ZWCAD 2024\\\\\\\\zwcad.exe\"\\r\\n"
                     "\"Flags\"=hex(4): 0F ,00,00,00\\r\\n"
                     "\"Bytes\"=hex:01,02,\\\\\\r\\n\\r\\n; a comment\\r\\n  03\\r\\n[-HKEY_CURRENT_USER]\\r\\n"),
     "", "", "host 2\nok\n"},
    {"catalogue_file_row_replaces_a_built_in_one", "",
     "printf 'hote\\n+\\ndisplayName = \"AutoCAD 2024 corrige\"\\n"
     "registryPath = \"HKEY_LOCAL_MACHINE/SOFTWARE/Autodesk/AutoCAD/R24.3/*\"\\nlocationValue = AcadLocation\\n"
     "versionTag = 24\\nfamily = AutoCad\\nflags = \"0x2381\"\\n-\\n' >> 'drive_c/Program Files/Veltra/system/hotes.ini'",
     "", "", "cancel\n"},
    {"catalogue_file_row_names_its_key_by_a_value_of_the_wildcard_key", "",
     "printf 'hote = \"AutoCAD courant\"\\n+\\ndisplayName = \"AutoCAD courant\"\\n"
     "registryPath = \"HKEY_LOCAL_MACHINE/SOFTWARE/Autodesk/AutoCAD/*/${CurVer}\"\\nlocationValue = AcadLocation\\n"
     "versionTag = 24\\nfamily = AutoCad\\nflags = \"0x2381\"\\n-\\n' >> 'drive_c/Program Files/Veltra/system/hotes.ini' && "
         ADD_TO_REGISTRY("[HKEY_LOCAL_MACHINE\\\\SOFTWARE\\\\Autodesk\\\\AutoCAD\\\\R24.3]\\r\\n\"CurVer\"=\"ACAD-7101:40C\"\\r\\n"),
     "", "", "cancel\n"},
    {"no_host_installed", "", "rm drive_c/Program\\ Files/*/*/*.exe", "", "", "ok\n"},
    {"windows_32bit", "VELTRA_WINDOWS_BITS=32", "", "", "", "host 2\nok\n"},
    {"autocad_2027_on_windows_32bit_has_no_module_to_register", "VELTRA_WINDOWS_BITS=32", "", "", "", "host 1\nok\n"},
    {"appload_copy_keeps_binary_and_expandable_values", "",
     ADD_TO_REGISTRY("[HKEY_LOCAL_MACHINE\\\\SOFTWARE\\\\Autodesk\\\\AutoCAD\\\\R24.3\\\\ACAD-7101\\\\Applications"
                     "\\\\AcadAppload]\\r\\n\"Bits\"=hex:01,02,ff\\r\\n\"Dossier\"=hex(2):25,00,41,00,25,00,00,00\\r\\n"
                     "\"Grand\"=dword:00012345\\r\\n"),
     "", "", "host 4\nok\n"},
};

void PrintTo(const Scenario &scenario, std::ostream *out) {
    *out << scenario.name;
}

class SampleMachineScenario : public ::testing::TestWithParam<Scenario> {
protected:
    // Runs the program on the machine, in the environment given, with a command line (shell words)
    // and the user's commands; gives its exit code, what it printed and its diagnostics.
    std::string runProgram(const Scenario &scenario, const char *commandLine, const char *commands) {
        SampleCopy::Outcome run = machine.run(VELTRA_PROGRAM_FILE, commandLine, commands, scenario.environment);
        return "exit code " + std::to_string(run.code) + "\n" + run.out + "diagnostics\n" + run.err;
    }

    // The launcher a run's OK starts is not waited for: its record is awaited (30 s at most).
    void awaitLauncher(const std::string &result) {
        for (int wait = 0; wait < 600 && result.rfind("exit code 0", 0) == 0 && !fs::exists(record); ++wait)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }

    // Runs the scenario; gives what the checked run gave and what it changed on the machine.
    std::string run(const Scenario &scenario) {
        if (*scenario.prepare != '\0') {
            EXPECT_EQ(std::system(("cd '" + root + "' && " + scenario.prepare).c_str()), 0);
        }
        if (*scenario.earlierRun != '\0')
            awaitLauncher(runProgram(scenario, "", scenario.earlierRun));
        fs::remove(record); // the checked run's launcher records afresh
        const MachineSnapshot before = snapshotOf(root);
        std::string result = runProgram(scenario, scenario.commandLine, scenario.commands);
        awaitLauncher(result);
        return result + changesBetween(before, snapshotOf(root));
    }

    SampleCopy machine{VELTRA_SAMPLES_DIR};
    const std::string root = machine.root();
    const std::string record = root + "/drive_c/Program Files/Veltra/lanceurcad.txt";
};

TEST_P(SampleMachineScenario, LeavesWhatItsGoldenFileSays) {
    const Scenario &scenario = GetParam();
    expectGolden(run(scenario), VELTRA_SCENARIOS_DIR "/" + std::string(scenario.name) + ".txt");
}

INSTANTIATE_TEST_SUITE_P(Rows, SampleMachineScenario, ::testing::ValuesIn(scenarios),
                         [](const auto &row) { return std::string(row.param.name); });

} // namespace
