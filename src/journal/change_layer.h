// The one place through which the programs change the machine: registry keys created, values
// written, files written or deleted, folders created, programs started. It works in one of two modes:
// - apply: before each change, its before-image is appended to the run's journal and made
//   durable, then the change is made (without a journal folder, changes are made unjournaled);
// - preview: nothing is changed; each change is recorded instead, and later reads through this
//   layer see the recorded changes, so that the preview lists exactly what a real run would do.
// Registry keys and file contents are read through it as well, for the preview's sake.
#pragma once

#include "journal/change.h"
#include "platform/registry.h"

#include <cstdint>
#include <string>
#include <vector>

namespace journal {

enum class Mode { Apply, Preview };

// Starts the process's run. In apply mode with a journal folder (e.g.
// <Local AppData>\Veltra\journal), the run's journal is created there at its first change. Without
// a call, the layer applies changes without journal.
void beginRun(Mode mode, const std::string &journalFolder);
// Ends the run: its journal, if any, is marked complete; the layer goes back to unjournaled apply.
void endRun();
Mode currentMode();
// The changes of the current run, in the order they were made (or, in preview, recorded).
const std::vector<Change> &runChanges();
// Whether the journal or the system refused a change of the current run (the change not made).
bool changesRefused();
// The folder of the current run's journal; empty while it has none.
std::string runFolder();
// The folder of the journal this process wrote last, kept after endRun; empty when it wrote none.
std::string lastRunFolder();

// A registry value as the program reads it: name and data in code page 1252.
struct RegValue {
    std::string name;
    std::uint32_t type = 0;
    std::string data;
};

// A registry key opened through the layer; owned by the caller until closeKey.
struct Key;

// Opens (with create, creates) root\path with the access and view bits of `access`, as
// regOpenKeyEx and regCreateKeyEx do. *key is null on failure.
unsigned long openKey(os::HKey root, const char *path, std::uint32_t access, bool create, Key **key);
void closeKey(Key *key);
// Every value of the key, in the order the key holds them; errorSuccess or the failure met. A value
// whose name or text the system's code page cannot hold is left out, its name (as the system
// gives it) added to lost.
unsigned long readValues(Key *key, std::vector<RegValue> &values, std::vector<std::string> &lost);
// The subkey names, sorted without regard to letter case; names the code page cannot hold go to lost.
unsigned long subkeyNames(Key *key, std::vector<std::string> &names, std::vector<std::string> &lost);
unsigned long setValue(Key *key, const char *name, std::uint32_t type, const unsigned char *data,
                       std::uint32_t size);
// Deletes one value (null or empty name: the default value); errorFileNotFound when there is none.
unsigned long deleteValue(Key *key, const char *name);
unsigned long flushKey(Key *key);

// The file's bytes; false when it is missing or unreadable.
bool readFile(const char *path, std::string &bytes);
// Whether a file or folder exists at path.
bool pathExists(const char *path);
// Whether path is a folder the preview created (the machine does not have it).
bool previewCreatedFolder(const char *path);
// Writes the whole file (temporary file beside it, then rename). True when written.
bool writeFile(const char *path, const std::string &bytes);
// Deletes a file; false when there was none or it could not be deleted.
bool deleteFile(const char *path);
// Creates one folder, as _mkdir: 0 when created, -1 when it exists or cannot be created.
int makeDirectory(const char *path);
// Starts a program without waiting for it, as os::createProcess.
unsigned long startProgram(const char *commandLine);

} // namespace journal
