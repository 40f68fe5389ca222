// Writing the launcher's command file and starting the launcher.
#include "integration/launcher_handover.h"

#include "core/text_string.h"
#include "install/install_description.h"
#include "install/install_settings.h"
#include "files/file_utils.h"

#include <string>

namespace {

bool launcherStarts = true;

void appendLine(TextString &text, const char *line) {
    text.Append(line);
    text.AppendChar('\n');
}

} // namespace

void handOverToLauncher(const char *firstProgram, int bits, const char *alternativeExecutable,
                        const char *productKey, const char *drawingFiles) {
    TextString commandFile;
    genAutoPath(commandFile, "CmdApp.inf");
    TextString genAutoFolder;
    genAutoPath(genAutoFolder, nullptr);

    TextString content;
    appendLine(content, firstProgram);
    appendLine(content, genAutoFolder.CStr());
    appendLine(content, std::to_string(bits).c_str());
    appendLine(content, alternativeExecutable);
    appendLine(content, ArgsAPP.CStr());
    appendLine(content, ArgsCAD.CStr());
    appendLine(content, "");
    appendLine(content, productKey);
    writeWholeFile(content.CStr(), commandFile.CStr());

    TextString launcher;
    AssignProgramDir(launcher, "lanceurcad.exe");
    TextString commandLine("\"");
    commandLine.Append(launcher.CStr());
    commandLine.Append("\" ");
    commandLine.Append(ArgsAPP.CStr());
    commandLine.AppendChar('#');
    commandLine.Append(ArgsCAD.CStr());
    commandLine.AppendChar(' ');
    commandLine.Append(drawingFiles);
    if (launcherStarts)
        runProgram(commandLine.CStr());
}

bool setLauncherStart(bool start) {
    bool previous = launcherStarts;
    launcherStarts = start;
    return previous;
}
