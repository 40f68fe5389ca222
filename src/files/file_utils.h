// Paths, folders, whole files and program start over the operating system's file and process
// services. Paths are code page 1252 texts; '/' and '\' are accepted alike, '\' is written.
#pragma once

#include <cstddef>
#include <string>
#include <unordered_map>

class TextString;

// Path buffers here hold pathBufferSize bytes: paths of more than maxPathLength characters are
// refused (the operation fails or gives its empty result), never cut to a shorter path.
constexpr std::size_t pathBufferSize = 360;
constexpr std::size_t maxPathLength = pathBufferSize - 1;

// Folder of the running executable, without trailing separator; "." when it cannot be
// determined. The text is a process-wide cache, refreshed on each call.
const char *programFolder();

// text := programFolder, then directory and name (either optional) appended as components:
// AssignProgramDir(s, "langues.ini", "system") gives <program folder>\system\langues.ini.
void AssignProgramDir(TextString &text, const char *name = nullptr, const char *directory = nullptr);

// path cut before its last '/' or '\' ("D:\dir\" gives "D:\dir", "\x" the empty text); "." when
// path is empty or has no separator. Written into out (pathBufferSize bytes) or, when out is
// null, into a process-wide buffer that the next such call overwrites; returns it. A parent of
// more than maxPathLength characters cannot be given: the result is then the empty text.
const char *parentFolder(const char *path, char *out = nullptr);

// 1 when a and b name the same path: separators match each other, letters match without
// regard to ASCII case, one trailing separator is ignored; nothing else is normalised. A null
// text equals nothing.
int samePath(const char *a, const char *b);

// Makes sure the folder path exists, creating it (and with withParents its missing parents,
// for paths of at most 159 characters). 1 when the folder exists afterwards, else 0.
int makeFolders(const char *path, bool withParents);
// makeFolders of the file's parent folder; 1 when the path has no separator.
int makeParentFolders(const char *filePath, bool withParents);

// Non-zero when the file was deleted.
int deleteFile(const char *path);
// 1 when path exists (file or folder).
int fileExists(const char *path);

// While one is alive, fileExists answers a path asked before with its first answer: for a walk that
// changes no file and looks at some several times (host detection asks each maker's launcher once
// per installation). Scopes nest; the innermost one answers.
class FileExistenceMemo {
public:
    FileExistenceMemo();
    ~FileExistenceMemo();
    FileExistenceMemo(const FileExistenceMemo &) = delete;
    FileExistenceMemo &operator=(const FileExistenceMemo &) = delete;

private:
    friend int fileExists(const char *path);
    std::unordered_map<std::string, int> answers;
    FileExistenceMemo *outer;
};

// 1 when path is a folder that can be listed (a missing one writes the scanner's diagnostic).
int folderExists(const char *path);

// Empties out and reads the whole file into it; returns out's text. A file that starts with a
// byte-order mark is read byte by byte after it: UTF-16 (either order) keeps the low-order byte
// of each code unit, UTF-8 every byte; line ends stay. Without a mark the file is read in text
// mode (CR LF becomes LF). A missing or unreadable file gives the empty text.
const char *readWholeFile(const char *path, TextString &out);
// Creates the file anew in text mode (LF becomes CR LF) holding text. Always 1, even when the
// file could not be created (nothing is written then).
int writeWholeFile(const char *text, const char *path);

// Starts the program of commandLine without waiting for it. 1 when it started; otherwise writes
// "Erreur d'ouverture du prg <command line>" to the diagnostic stream and returns 0.
int runProgram(const char *commandLine);
