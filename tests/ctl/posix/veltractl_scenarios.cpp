// veltractl, and the dialog program where a row needs it, on copies of the sample machine as IT
// and support people run them. Each row is a machine (the sample, maybe changed by a shell command
// run in its folder) and command lines run one after the other; its golden file (scenarios/NAME.txt)
// holds for each command its exit code, its output, its diagnostics and every file and registry key
// it changed. VELTRA_UPDATE_GOLDEN=1 rewrites the golden files from the runs.
#include "support/posix/machine_changes.h"
#include "support/posix/sample_copy.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <regex>
#include <sstream>
#include <string>
#include <thread>

namespace fs = std::filesystem;

namespace {

struct Scenario {
    const char *name;
    const char *prepare;  // a shell command run in the machine's folder first, or ""
    const char *commands; // one shell command a line, naming veltractl or veltracfg
};

// A run's journal, from the folder the command lines run in; JOURNAL is the first run's.
#define JOURNAL_OF(run) "machine/drive_c/Users/Utilisateur/AppData/Local/Veltra/journal/" run "/"
#define JOURNAL JOURNAL_OF("000001")
// Registry lines added to the sample machine's file (turned into UTF-8, which the registry reads).
#define ADD_TO_REGISTRY(lines) "iconv -f UTF-16 -t UTF-8 registry.reg > r && printf '" lines "' >> r && mv r registry.reg"
#define ACAD_2024_PROFILE "HKEY_CURRENT_USER\\\\Software\\\\Autodesk\\\\AutoCAD\\\\R24.3\\\\ACAD-7101:40C\\\\Profiles\\\\<<Profil sans nom>>"
// Installation keys that are no host, each for its own reason (no catalogue row, folder missing,
// executable missing, no module for the release), and one too deep below its maker to be looked at.
#define KEYS_THAT_ARE_NO_HOST                                                                                   \
    "[HKEY_LOCAL_MACHINE\\\\SOFTWARE\\\\Autodesk\\\\AutoCAD\\\\R27.0\\\\ACAD-B101:40C]\\r\\n"                  \
    "\"AcadLocation\"=\"C:\\\\\\\\Program Files\\\\\\\\Autodesk\\\\\\\\AutoCAD 2028\"\\r\\n"                     \
    "[HKEY_LOCAL_MACHINE\\\\SOFTWARE\\\\Autodesk\\\\AutoCAD\\\\R25.0\\\\ACAD-8101:40C]\\r\\n"                   \
    "\"AcadLocation\"=\"C:\\\\\\\\Program Files\\\\\\\\Autodesk\\\\\\\\AutoCAD 2025\"\\r\\n"                     \
    "[HKEY_LOCAL_MACHINE\\\\SOFTWARE\\\\Wow6432Node\\\\Autodesk\\\\AutoCAD\\\\R25.1\\\\ACAD-9101:40C]\\r\\n"    \
    "\"AcadLocation\"=\"C:\\\\\\\\Program Files\\\\\\\\Veltra\"\\r\\n"                                          \
    "[HKEY_LOCAL_MACHINE\\\\SOFTWARE\\\\Autodesk\\\\AutoCAD\\\\R17.0\\\\ACAD-5001:40C]\\r\\n"                   \
    "\"AcadLocation\"=\"C:\\\\\\\\Program Files\\\\\\\\Autodesk\\\\\\\\AutoCAD 2024\"\\r\\n"               \
    "[HKEY_LOCAL_MACHINE\\\\SOFTWARE\\\\Autodesk\\\\AutoCAD\\\\R24.3\\\\ACAD-7101:40C\\\\Copie\\\\de\\\\secours]\\r\\n" \
    "\"AcadLocation\"=\"C:\\\\\\\\Program Files\\\\\\\\Autodesk\\\\\\\\AutoCAD 2024\"\\r\\n"

const Scenario scenarios[] = {
    {"deploy_preview_status_and_undo", "",
     "veltractl status\n"
     "veltractl deploy --host 3 --preview\n"
     "veltractl deploy --host ACAD-7101 --language fran\xC3\xA7" "ais --no-launch --preview\n"
     "veltractl deploy --host ACAD-7101 --language fran\xC3\xA7" "ais --no-launch\n"
     "cat " JOURNAL "changes.txt\niconv -f UTF-16 -t UTF-8 " JOURNAL "undo.reg\n"
     "veltractl status --host 'HKEY_LOCAL_MACHINE\\SOFTWARE\\Autodesk\\AutoCAD\\R24.3\\ACAD-7101:40C'\n"
     "veltractl status --json --host ZWCAD\n"
     "veltractl undo --preview --json\n"
     "veltractl undo\n"
     "head -1 " JOURNAL "changes.txt\n"
     "veltractl undo --json\n"},
    {"hosts_and_languages_as_text_and_json_and_nothing_to_remove",
     "printf 'ESP = \"Espa\\361ol \\200\"\\r\\n' >> 'drive_c/Program Files/Veltra/system/langues.ini'",
     "veltractl hosts\nveltractl hosts --json\nveltractl languages\nveltractl languages --json\n"
     "veltractl remove --all-hosts --json\n"
     "cd machine && " ADD_TO_REGISTRY("[-HKEY_CURRENT_USER\\\\Software\\\\Autodesk\\\\AutoCAD\\\\R24.3\\\\ACAD-7101:40C\\\\Profiles]\\r\\n") "\n"
     "veltractl remove --host 4\nveltractl deploy --host 4 --no-launch --preview\nveltractl deploy --host 4 --no-launch\n"},
    {"bad_command_lines_change_nothing", "",
     "veltractl frobnicate\nveltractl deploy --host 1 --colour blue\nveltractl status --all-users\n"
     "veltractl deploy --host\nveltractl deploy --language FRA\nveltractl deploy --host 1 --bits 16\n"
     "veltractl deploy --host nowhere\nveltractl deploy --host cad\nveltractl status --host 7\nveltractl status --host +1\n"
     "veltractl deploy --host 1 --language Klingon\nveltractl deploy --host=Bicscad --bits=32\n"
     "veltractl deploy --host ACAD-7101 --autoload\nveltractl deploy --host 1 --context Etude\n"
     "VELTRA_ADMIN=0 veltractl deploy --host 1 --all-users\nveltractl --version --json\n"
     "VELTRA_ADMIN=0 veltractl remove --all-users --host 1\nveltractl undo --host 1\nveltractl\n"
     "veltractl status --json=yes\nveltractl remove --host 1 --all-hosts\nveltractl status --host=\nveltractl remove\n"},
    {"each_host_deployed_then_all_removed", "",
     "veltractl deploy --no-launch --host 1\nveltractl deploy --no-launch --host 2 --autoload --bits 32\n"
     "veltractl deploy --no-launch --host 3\nveltractl deploy --no-launch --host 4 --language 2\n"
     "veltractl status\nveltractl remove --all-hosts --preview\nveltractl remove --all-hosts\n"
     "veltractl remove --all-hosts --preview\n"},
    {"remove_takes_only_the_add_on_entries",
     ADD_TO_REGISTRY("[" ACAD_2024_PROFILE "\\\\Dialogs\\\\Appload\\\\Startup]\\r\\n"
                     "\"NumStartup\"=\"3\"\\r\\n\"1Startup\"=\"C:\\\\\\\\Autre\\\\\\\\avant.arx\"\\r\\n"
                     "\"2Startup\"=\"C:\\\\\\\\PROGRAM FILES\\\\\\\\veltra\\\\\\\\VELTRA24-64.ARX\"\\r\\n"
                     "\"3Startup\"=hex(2):43,00,3a,00,5c,00,61,00,2e,00,61,00,72,00,78,00,00,00\\r\\n"
                     "[" ACAD_2024_PROFILE "\\\\Variables]\\r\\n"
                     "\"TRUSTEDPATHS\"=\"C:\\\\\\\\Program Files\\\\\\\\Veltra;D:\\\\\\\\Outils;%%ProgramFiles%%\\\\\\\\Veltra;c:\\\\\\\\program files\\\\\\\\veltra\\\\\\\\;\"\\r\\n"
                     "[" ACAD_2024_PROFILE "\\\\General]\\r\\n"
                     "\"ACAD\"=hex(2):25,00,55,00,53,00,45,00,52,00,50,00,52,00,4f,00,46,00,49,00,4c,00,45,00,25,00,5c,00,"
                     "73,00,3b,00,43,00,3a,00,5c,00,55,00,73,00,65,00,72,00,73,00,5c,00,55,00,74,00,69,00,6c,00,69,00,"
                     "73,00,61,00,74,00,65,00,75,00,72,00,5c,00,41,00,70,00,70,00,44,00,61,00,74,00,61,00,5c,00,4c,00,"
                     "6f,00,63,00,61,00,6c,00,5c,00,56,00,65,00,6c,00,74,00,72,00,61,00,43,00,6f,00,6e,00,66,00,69,00,"
                     "67,00,5c,00,44,00,6f,00,73,00,73,00,69,00,65,00,72,00,43,00,41,00,44,00,00,00\\r\\n"),
     "veltractl status --host 4\nProgramFiles='C:\\Program Files' veltractl remove --host 4 --preview\n"
     "ProgramFiles='C:\\Program Files' veltractl remove --host 4\nveltractl undo\n"},
    {"undo_keeps_a_value_changed_since", "",
     "veltractl deploy --host 4 --no-launch\n"
     "cd machine && " ADD_TO_REGISTRY("[" ACAD_2024_PROFILE "\\\\Variables]\\r\\n\"TRUSTEDPATHS\"=\"D:\\\\\\\\Mien\"\\r\\n"
                                     "[HKEY_CURRENT_USER\\\\Software\\\\Corvanth\\\\Zone]\\r\\n\"Mien\"=\"1\"\\r\\n"
                                     // a key the code page cannot name, listed first
                                     "[HKEY_CURRENT_USER\\\\Software\\\\Corvanth\\\\A\xC5\x81]\\r\\n") "\n"
     "veltractl undo --preview\nveltractl undo\nveltractl status --host 4\n"},
    {"damaged_start_up_counts_are_read_as_their_nearest_sense",
     ADD_TO_REGISTRY("[" ACAD_2024_PROFILE "\\\\Dialogs\\\\Appload\\\\Startup]\\r\\n\"NumStartup\"=\"-5\"\\r\\n"
                     // a value that names the module but is no start-up entry
                     "\"Commentaire\"=\"C:\\\\\\\\Program Files\\\\\\\\Veltra\\\\\\\\veltra24-64.arx\"\\r\\n"),
     "veltractl status --host 4\nveltractl deploy --host 4 --no-launch\nveltractl remove --host 4\n"
     "cd machine && " ADD_TO_REGISTRY("[" ACAD_2024_PROFILE "\\\\Dialogs\\\\Appload\\\\Startup]\\r\\n\"NumStartup\"=\"99999999999\"\\r\\n") "\n"
     "veltractl deploy --host 4 --no-launch\n"},
    {"context_kept_for_all_users",
     "cd drive_c/Users/Utilisateur/AppData/Local && mkdir -p VeltraConfig/CtxEtude VeltraConfig/CtxZone VeltraConfig/CtxAtelier",
     "veltractl deploy --host 2 --context Etude --all-users --no-launch --json\nveltractl status --context Etude --host 2\n"
     "veltractl deploy --host 2 --context Chantier\nveltractl remove --host 2\n"},
    {"autocad_lt_registered_by_the_add_on_program",
     "mkdir -p 'drive_c/Program Files/Autodesk/AutoCAD LT 2026' && : > 'drive_c/Program Files/Autodesk/AutoCAD LT 2026/aclt.exe' && "
     ": > 'drive_c/Program Files/Veltra/veltra-64.exe' && "
     ADD_TO_REGISTRY("[HKEY_LOCAL_MACHINE\\\\SOFTWARE\\\\Autodesk\\\\AutoCAD LT\\\\R32\\\\ACADLT-F001:40C]\\r\\n"
                     "\"Location\"=\"C:\\\\\\\\Program Files\\\\\\\\Autodesk\\\\\\\\AutoCAD LT 2026\"\\r\\n"),
     "veltractl status --host LT\nveltractl deploy --host LT --no-launch\nveltractl status --host LT --json\n"
     "veltractl remove --preview\n"},
    {"undo_refuses_a_damaged_journal_and_takes_back_a_text_retyped_without_its_end", "",
     "veltractl deploy --host 4 --no-launch\nveltractl deploy --host 2 --no-launch\n"
     "cp " JOURNAL_OF("000002") "changes.txt kept && sed -i 's/\\t1:/\\t:/' " JOURNAL_OF("000002") "changes.txt\n"
     "sed -i 's/:3100/:31zz/' " JOURNAL_OF("000001") "changes.txt\n" // hex data that is none
     "veltractl undo\nveltractl undo --preview --json\n"
     "mv kept " JOURNAL_OF("000002") "changes.txt && cd machine && "
     ADD_TO_REGISTRY("[" ACAD_2024_PROFILE "\\\\Dialogs\\\\Appload\\\\Startup]\\r\\n\"NumStartup\"=hex(1):31,00\\r\\n") "\n"
     "veltractl undo --all\n"},
    {"acad_appload_copied_from_the_base_product_only_with_administrator_rights",
     ADD_TO_REGISTRY("[HKEY_LOCAL_MACHINE\\\\SOFTWARE\\\\Autodesk\\\\AutoCAD\\\\R24.3\\\\ACAD-7101]\\r\\n\"BaseProduct\"=\"ACAD-7111\"\\r\\n"
                     "[" ACAD_2024_PROFILE "\\\\Variables]\\r\\n\"TRUSTEDPATHS\"=\"D:\\\\\\\\Outils;\"\\r\\n"
                     "[HKEY_LOCAL_MACHINE\\\\SOFTWARE\\\\Autodesk\\\\AutoCAD\\\\R24.3\\\\ACAD-7111\\\\Applications\\\\AcadAppload]\\r\\n"
                     "\"DESCRIPTION\"=\"Appload du produit de base\"\\r\\n\"LOADER\"=hex(2):25,00,41,00,00,00\\r\\n"),
     "veltractl deploy --host 4 --no-launch\nveltractl undo\nVELTRA_ADMIN=0 veltractl deploy --host 4 --no-launch\n"
     "cd machine && " ADD_TO_REGISTRY("[-HKEY_LOCAL_MACHINE\\\\SOFTWARE\\\\Autodesk\\\\AutoCAD\\\\R24.3\\\\ACAD-7111]\\r\\n") "\n"
     "veltractl remove --host 4\n"},
    {"journal_that_cannot_be_written_stops_every_change",
     "mkdir -p drive_c/Users/Utilisateur/AppData/Local/Veltra && : > drive_c/Users/Utilisateur/AppData/Local/Veltra/journal",
     "veltractl deploy --host 4 --no-launch\nveltractl undo\n"},
    {"settings_file_that_is_a_folder_is_a_change_not_made",
     "mkdir -p drive_c/Users/Utilisateur/AppData/Local/VeltraConfig/GenAuto/CfgPrf.ini",
     "veltractl deploy --host 4 --no-launch\n"},
    {"all_users_deploy_then_remove", "",
     "veltractl deploy --host ZWCAD --autoload --language 2 --all-users --no-launch --json\n"
     "veltractl remove --all-users --all-hosts\n"},
    {"running_host_refused_unless_forced", "printf 'C:\\\\Windows\\\\explorer.exe\\r\\nc:/PROGRAM FILES/autodesk/AutoCAD 2024/ACAD.EXE\\r\\n' > processes.txt",
     "veltractl deploy --host 4 --no-launch\nveltractl deploy --host 1 --no-launch --preview\n"
     "veltractl deploy --host 4 --no-launch --force\n"
     "printf 'host 4\\nok\\ncancel\\ncancel\\n' | veltracfg\n"},
    {"dialog_then_status_and_remove", "",
     "printf 'host 2\\nautoload on\\n64bit off\\nok\\n' | veltracfg\nveltractl status --host 2\n"
     "veltractl remove --json\nveltractl status --host 2 --json\n"},
    {"doctor_on_the_machine_and_on_exports", ADD_TO_REGISTRY(KEYS_THAT_ARE_NO_HOST) " && cp registry.reg ../software.reg && "
     "printf 'Windows Registry Editor Version 5.00\\r\\n" KEYS_THAT_ARE_NO_HOST "[HKEY_LOCAL_MACHINE\\\\SOFTWARE\\\\Cut\\r\\n\"x\"=dword:1' > ../cut.reg",
     "veltractl deploy --host 4 --no-launch\nveltractl doctor\nveltractl doctor --json\n"
     "veltractl doctor --registry software.reg --registry=cut.reg\nveltractl doctor --json --registry software.reg\n"
     "veltractl doctor --registry missing.reg\n"},
};

void PrintTo(const Scenario &scenario, std::ostream *out) {
    *out << scenario.name;
}

class VeltractlScenario : public ::testing::TestWithParam<Scenario> {
protected:

    // Runs one command line on the machine (at most 60 s); gives what it printed and changed.
    std::string run(const std::string &line) {
        const MachineSnapshot before = snapshotOf(root);
        const std::string program = line.find("veltracfg") != std::string::npos ? "veltracfg" : "veltractl";
        setenv("VELTRA_SCENARIO_LINE", line.c_str(), 1);
        const std::string command = "cd '" + work + "' && VELTRA_ROOT='" + root +
                                    "' VELTRA_PROGRAM='C:\\Program Files\\Veltra\\" + program + ".exe' PATH='" +
                                    fs::path(VELTRACTL).parent_path().string() + ":" +
                                    fs::path(VELTRACFG).parent_path().string() +
                                    "':\"$PATH\" timeout 60 sh -c \"$VELTRA_SCENARIO_LINE\" </dev/null >out 2>err";
        int status = std::system(command.c_str());
        // The dialog's OK starts the launcher without waiting for it: its record is awaited (30 s at most).
        const std::string record = root + "/drive_c/Program Files/Veltra/lanceurcad.txt";
        for (int wait = 0; wait < 600 && program == "veltracfg" && WEXITSTATUS(status) == 0 && !fs::exists(record); ++wait)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        return "$ " + line + "\nexit code " + std::to_string(WEXITSTATUS(status)) + "\n" + fileBytes(work + "/out") +
               "diagnostics\n" + fileBytes(work + "/err") + changesBetween(before, snapshotOf(root));
    }

    SampleCopy machine{VELTRA_SAMPLES_DIR};
    const std::string root = machine.root(), work = root + "/..";
};

// The log lines doctor shows hold the time, the process and the program's path of their run.
std::string withoutRunDetails(const std::string &text) {
    static const std::regex details("[0-9]{4}-[0-9]{2}-[0-9]{2} [0-9]{2}:[0-9]{2}:[0-9]{2}|processus [0-9]+|<[^<>]*/veltractl ");
    return std::regex_replace(text, details, "*");
}

TEST_P(VeltractlScenario, LeavesWhatItsGoldenFileSays) {
    const Scenario &scenario = GetParam();
    if (*scenario.prepare != '\0') {
        ASSERT_EQ(std::system(("cd '" + root + "' && " + scenario.prepare).c_str()), 0);
    }
    std::string actual;
    std::istringstream lines(scenario.commands);
    for (std::string line; std::getline(lines, line);)
        actual += run(line);
    expectGolden(withoutRunDetails(actual), VELTRA_CTL_SCENARIOS_DIR "/" + std::string(scenario.name) + ".txt");
}

INSTANTIATE_TEST_SUITE_P(Rows, VeltractlScenario, ::testing::ValuesIn(scenarios),
                         [](const auto &row) { return std::string(row.param.name); });

} // namespace
