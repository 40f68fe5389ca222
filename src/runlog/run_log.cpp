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

namespace runlog {

namespace {

// One run copies at most this much of its diagnostics, so that a flood of lines cannot fill a disk.
constexpr std::size_t runCopyLimit = 1024 * 1024;

std::FILE *logFile = nullptr;
std::size_t copied = 0;

void writeToLog(std::string_view text) {
    if (logFile == nullptr)
        return;
    if (copied < runCopyLimit)
        std::fwrite(text.data(), 1, text.size(), logFile);
    else if (copied != runCopyLimit + 1)
        std::fputs("(diagnostics suivants non copies dans le journal)\n", logFile);
    copied = copied < runCopyLimit ? copied + text.size() : runCopyLimit + 1;
    std::fflush(logFile);
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
    logFile = os::openFile(path.c_str(), "a");
    if (logFile == nullptr)
        return;
    std::fprintf(logFile, "%s %s %s, processus %lu, ligne de commande <%s>, Windows %d bits, %s\n", now().c_str(),
                 program, VELTRA_VERSION, os::processId(), os::getCommandLine(), is64BitWindows(),
                 os::isAdministrator() ? "administrateur" : "utilisateur standard");
    std::fflush(logFile);
    os::setDiagnosticCopy(writeToLog);
}

void closeRunLog(const char *outcome, int exitCode) {
    os::setDiagnosticCopy(nullptr);
    if (logFile == nullptr)
        return;
    std::string journal = journal::lastRunFolder();
    std::fprintf(logFile, "%s fin : %s, code de sortie %d%s%s\n", now().c_str(), outcome, exitCode,
                 journal.empty() ? "" : ", journal ", journal.c_str());
    std::fclose(logFile);
    logFile = nullptr;
}

} // namespace runlog
