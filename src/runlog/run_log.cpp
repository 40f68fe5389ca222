// Opening, rotating, writing and closing the programs' log file.
#include "runlog/run_log.h"

#include "core/version.h"
#include "journal/change_layer.h"
#include "platform/diagnostic_output.h"
#include "platform/file_stream.h"
#include "platform/file_system.h"
#include "platform/process.h"
#include "platform/user_rights.h"
#include "registry/registry_view.h"

#include <cstdio>
#include <ctime>
#include <string_view>

namespace runlog {

namespace {

// One run copies at most this much of its diagnostics, so that a flood of lines cannot fill a disk.
constexpr std::size_t runCopyLimit = 1024 * 1024;

std::FILE *logFile = nullptr;
std::size_t copied = 0;

// Appends text with Windows line ends, at once on disk as far as the system goes: a run that
// crashes keeps its lines.
void append(std::string_view text) {
    std::string lines;
    for (char c : text)
        lines += c == '\n' ? std::string("\r\n") : std::string(1, c);
    std::fwrite(lines.data(), 1, lines.size(), logFile);
    std::fflush(logFile);
}

void writeToLog(std::string_view text) {
    if (logFile == nullptr)
        return;
    if (copied < runCopyLimit)
        append(text);
    else if (copied != runCopyLimit + 1)
        append("(diagnostics suivants non copies dans le journal)\n");
    copied = copied < runCopyLimit ? copied + text.size() : runCopyLimit + 1;
}

long fileSize(const std::string &path) {
    std::FILE *file = os::openFile(path.c_str(), "rb");
    if (file == nullptr)
        return 0;
    long size = std::fseek(file, 0, SEEK_END) == 0 ? std::ftell(file) : 0;
    std::fclose(file);
    return size;
}

std::string now() {
    std::time_t seconds = std::time(nullptr);
    char text[32] = "";
    if (const std::tm *local = std::localtime(&seconds))
        std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", local);
    return text;
}

} // namespace

void openRunLog(const std::string &folder, const char *program) {
    if (folder.empty())
        return;
    if (os::access(folder.c_str(), 0) != 0)
        os::makeDirectory(folder.c_str());
    std::string path = folder + "\\veltracfg.log";
    if (fileSize(path) > rotationSize)
        os::replaceFile(path.c_str(), (folder + "\\veltracfg.1.log").c_str());
    logFile = os::openFile(path.c_str(), "ab");
    if (logFile == nullptr)
        return;
    append(now() + " " + program + " " VELTRA_VERSION ", processus " + std::to_string(os::processId()) +
           ", ligne de commande <" + os::getCommandLine() + ">, Windows " + std::to_string(is64BitWindows()) +
           " bits, " + (os::isAdministrator() ? "administrateur" : "utilisateur standard") + "\n");
    os::setDiagnosticCopy(writeToLog);
}

void closeRunLog(const char *outcome, int exitCode) {
    os::setDiagnosticCopy(nullptr);
    if (logFile == nullptr)
        return;
    std::string journal = journal::lastRunFolder();
    append(now() + " fin : " + outcome + ", code de sortie " + std::to_string(exitCode) +
           (journal.empty() ? "" : ", journal " + journal) + "\n");
    std::fclose(logFile);
    logFile = nullptr;
}

} // namespace runlog
