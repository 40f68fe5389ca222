// veltractl doctor: one screen for a support person. Windows' bitness, the program folder and its
// modules, each installation key of the known makers and why it is or is not a host, each host's
// registration, the journal's last runs and the previous run's lines of the log file. With
// --registry (Linux build), the same from a customer's registry exports; what needs the
// customer's files is then "not known from an export".
#include "core/param_node.h"
#include "core/text_functions.h"
#include "core/text_string.h"
#include "ctl/ctl_choices.h"
#include "ctl/ctl_commands.h"
#include "ctl/ctl_output.h"
#include "ctl/status_report.h"
#include "ctl/veltractl.h"
#include "files/file_utils.h"
#include "hosts/host_catalogue.h"
#include "hosts/host_detection.h"
#include "hosts/host_properties.h"
#include "hosts/installation_keys.h"
#include "journal/change_layer.h"
#include "journal/run_journal.h"
#include "platform/registry_exports.h"
#include "registry/registry_setting.h"
#include "registry/registry_view.h"
#include "vars/own_data.h"

#include <set>

namespace {

constexpr std::size_t shownRuns = 5; // the journal's newest runs in the report
const char *const unknownFromExport = "non connu d'apr\xE8s un export";

// The add-on module files of the program folder that serve a row of the catalogue.
std::vector<std::string> moduleFiles() {
    std::set<std::string> found;
    for (const HostVersion *row = hostCatalogue(); row->displayName; ++row) {
        TextString module32, module64;
        findModuleFiles(*row, &module32, &module64);
        for (const TextString *module : {&module32, &module64})
            if (!IsBlank(module->CStr()))
                found.insert(module->CStr());
    }
    return {found.begin(), found.end()};
}

// The lines of the run logged before this one (the log's last run is this doctor itself).
std::vector<std::string> previousRunLines() {
    std::string bytes;
    std::string folder = ownDataFolder();
    if (folder.empty() || !journal::readFile((folder + "\\veltracfg.log").c_str(), bytes))
        return {};
    std::vector<std::string> lines;
    std::vector<std::size_t> starts;
    for (std::size_t start = 0; start < bytes.size();) {
        std::size_t end = bytes.find('\n', start);
        std::string line = bytes.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.find(", processus ") != std::string::npos && line.find(" veltra") == 19)
            starts.push_back(lines.size());
        lines.push_back(line);
        start = end == std::string::npos ? bytes.size() : end + 1;
    }
    if (starts.size() < 2)
        return {};
    return {lines.begin() + static_cast<long>(starts[starts.size() - 2]),
            lines.begin() + static_cast<long>(starts.back())};
}

struct JournalRun {
    std::string folder;
    const char *state;
    std::size_t changes;
};

std::vector<JournalRun> lastRuns() {
    std::vector<std::string> folders = journal::RunJournal::listRuns(journalFolder());
    std::vector<JournalRun> runs;
    for (auto run = folders.rbegin(); run != folders.rend() && runs.size() < shownRuns; ++run) {
        journal::RunJournal journal;
        if (!journal.load(*run))
            continue;
        const char *state = journal.state() == journal::RunState::Complete ? "termine"
                            : journal.state() == journal::RunState::Undone ? "annule"
                                                                            : "en cours";
        runs.push_back({*run, state, journal.changes().size()});
    }
    return runs;
}

std::string keyLine(const InstallationKey &key) {
    std::string text = "   " + key.path + (key.view == 1 ? " (vue 64 bits)" : "") + "\n      ";
    if (!key.release.empty())
        text += key.release + " : ";
    text += verdictText(key.verdict);
    if (key.verdict == KeyVerdict::FolderMissing)
        text += " (" + key.folder + ")";
    else if (key.verdict == KeyVerdict::ExecutableMissing)
        text += " (" + key.executable + ")";
    return text + "\n";
}

// A section's title line, with what stands for its lines when it has none (null: it has some).
std::string heading(const char *title, const char *instead) {
    return std::string(title) + " :" + (instead != nullptr ? std::string(" ") + instead : std::string()) + "\n";
}

} // namespace

int doctor(const CtlOptions &options) {
    os::RegistryExports exports;
    std::size_t skippedLines = 0;
    const bool fromExport = !options.registryFiles.empty();
    if (fromExport) {
        unsigned long result = exports.load(options.registryFiles, skippedLines);
        if (result != 0) {
            printError(result == os::errorNotSupported ? "--registry n'est possible qu'avec la version Linux"
                       : result == os::errorInvalidData ? "un des fichiers n'est pas un export du registre"
                                                        : "un des fichiers ne peut pas \xEAtre lu");
            return ctlBadChoice;
        }
    }
    loadRegistrySettings(false);
    ParamNode hosts(nullptr, nullptr);
    detectHosts(hosts);
    std::vector<const ParamNode *> entries = hostEntries(hosts);
    std::vector<InstallationKey> keys = installationKeys(!fromExport);
    std::vector<std::string> modules = fromExport ? std::vector<std::string>() : moduleFiles();
    StatusReport status = reportStatus(entries, nullptr);
    std::vector<JournalRun> runs = fromExport ? std::vector<JournalRun>() : lastRuns();
    std::vector<std::string> logLines = fromExport ? std::vector<std::string>() : previousRunLines();
    std::string folder = programFolder() ? programFolder() : "";

    if (options.json) {
        Json keyList = Json::array(), runList = Json::array(), moduleList = Json::array(), logList = Json::array();
        for (const InstallationKey &key : keys)
            keyList.push_back({{"key", utf8Of(key.path)}, {"view", key.view == 1 ? 64 : 32},
                               {"release", utf8Of(key.release)}, {"folder", utf8Of(key.folder)},
                               {"executable", utf8Of(key.executable)}, {"verdict", verdictName(key.verdict)}});
        for (const JournalRun &run : runs)
            runList.push_back({{"folder", utf8Of(run.folder)}, {"state", run.state}, {"changes", run.changes}});
        for (const std::string &module : modules)
            moduleList.push_back(utf8Of(module));
        for (const std::string &line : logLines)
            logList.push_back(utf8Of(line));
        Json report = {{"windowsBits", is64BitWindows()}, {"filesKnown", !fromExport},
                       {"programFolder", fromExport ? std::string() : utf8Of(folder)}, {"modules", moduleList},
                       {"keys", keyList}, {"hosts", status.hosts}, {"journal", runList}, {"lastRunLog", logList}};
        if (fromExport) {
            Json files = Json::array();
            for (const std::string &file : options.registryFiles)
                files.push_back(utf8Of(file));
            report["exports"] = {{"files", files}, {"skippedLines", skippedLines}};
        }
        printJson(report);
        return ctlDone;
    }

    std::string text = "Windows " + std::to_string(is64BitWindows()) + " bits\n";
    if (fromExport) {
        text += "Exports du registre :";
        for (const std::string &file : options.registryFiles)
            text += " " + file;
        text += " (" + std::to_string(skippedLines) + " ligne(s) ignor\xE9" "e(s))\n";
    }
    text += "Dossier du programme : " + (fromExport ? std::string(unknownFromExport) : folder) + "\n";
    text += heading("Modules", fromExport ? unknownFromExport : modules.empty() ? "aucun" : nullptr);
    for (const std::string &module : modules)
        text += "   " + module + "\n";
    text += heading("Cl\xE9s d'installation des \xE9" "diteurs connus", keys.empty() ? "aucune" : nullptr);
    for (const InstallationKey &key : keys)
        text += keyLine(key);
    text += heading("H\xF4tes", fromExport ? unknownFromExport : entries.empty() ? "aucun" : nullptr) + status.text;
    text += heading("Journal des changements", fromExport ? unknownFromExport : runs.empty() ? "aucune ex\xE9" "cution" : nullptr);
    for (const JournalRun &run : runs)
        text += "   " + run.folder + " : " + run.state + ", " + std::to_string(run.changes) + " changement(s)\n";
    text += heading("Ex\xE9" "cution pr\xE9" "c\xE9" "dente (veltracfg.log)",
                    fromExport ? unknownFromExport : logLines.empty() ? "aucune" : nullptr);
    for (const std::string &line : logLines)
        text += "   " + line + "\n";
    printText(text);
    return ctlDone;
}
