// The hand-over to the add-on's launcher "lanceurcad.exe": the command file CmdApp.inf in the
// context's "GenAuto" folder, then the launcher started without waiting for it.
#pragma once

// Writes CmdApp.inf (first program, the "GenAuto" folder, bits, alternative executable,
// ArgsAPP, ArgsCAD, an empty line, product key) and starts the launcher of the program folder
// with ArgsAPP "#" ArgsCAD, a blank and drawingFiles. A launcher that cannot start is reported on
// the diagnostic stream only.
void handOverToLauncher(const char *firstProgram, int bits, const char *alternativeExecutable,
                        const char *productKey, const char *drawingFiles);

// Whether handOverToLauncher starts the launcher after writing CmdApp.inf: yes unless a
// deployment without a user at the screen (at logon) turned it off. Returns the previous setting.
bool setLauncherStart(bool start);
