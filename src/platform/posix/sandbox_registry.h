// The sandbox's registry: the tree of VELTRA_ROOT/registry.reg in memory, with the changes this
// process made, saved back under a lock so that processes sharing the sandbox keep each other's writes.
#pragma once

#include "platform/reg_tree.h"

#include <chrono>
#include <cstdint>
#include <map>
#include <mutex>
#include <string>
#include <vector>

class SandboxRegistry {
public:
    // The one registry of the process; it lives until the process ends and saves at exit.
    static SandboxRegistry &instance();

    // Follows the sandbox folder (a changed VELTRA_ROOT saves the old machine and loads the new
    // one; changes the old machine could not save are kept for a later save) and the registry
    // file (reloaded when another process replaced it, looked at once a millisecond at most).
    void refresh();

    regtree::Key &tree() { return tree_; }
    // Changes with each change of the tree (a reload, a change recorded): a key found in the tree,
    // or found missing, stays so as long as this stays the same.
    std::uint64_t generation() const { return generation_; }

    // Changes: applied at once, and replayed on the file's latest content when saved.
    void createKey(const regtree::Path &path);
    void setValue(const regtree::Path &path, regtree::Value value);
    bool removeValue(const regtree::Path &path, const std::u16string &name);
    bool removeKey(const regtree::Path &path);

    // Writes the changes not yet saved under the lock: the tree as it is when the file is still the
    // one this process last read or wrote (same size, modification time and inode), else the file
    // re-read with the changes replayed on it; into a temporary file beside it, renamed over it.
    // A file with lines that could not be read as
    // they are is first kept as registry.reg.bak, since those lines are not written back as they were. False (with a
    // diagnostic) when the file cannot be read, kept or written; the changes then stay in memory.
    // The file keeps its mode, and a file that is a symbolic link is written through to its target.
    // Changes left over from a machine used before are saved too.
    bool save();

    // What a termination signal does before the process ends: saves every change not yet saved,
    // from another thread than the program's, leaving the tree the program reads as it is.
    void saveBeforeTermination();

private:
    struct Change {
        enum class Kind { createKey, setValue, removeValue, removeKey } kind;
        regtree::Path path;
        regtree::Value value; // setValue: the value; removeValue: its name
    };
    struct FileStamp {
        bool exists = false;
        long long size = 0, modified = 0, inode = 0;
        bool operator==(const FileStamp &other) const;
    };

    SandboxRegistry() = default;
    std::string filePath() const;
    FileStamp stampOfFile() const;
    // Reads a registry file into `into`; a missing file is an empty registry. False when unreadable.
    static bool load(const std::string &file, regtree::Key &into, std::size_t *doubtfulLines = nullptr);
    // Replays `changes` on the latest content of a registry file (into `latest`) and writes it
    // (`written`: the new file, open for reading); the caller holds the lock.
    static bool replay(const std::string &file, const std::vector<Change> &changes, regtree::Key &latest,
                       int &written);
    // Writes `tree`, copying its unchanged keys from `lastWritten` (the file it was last written
    // to, or -1), which then becomes the new file.
    static bool writeTree(const std::string &file, const regtree::Key &tree, int &lastWritten);
    static void cannotRead(const std::string &file); // the diagnostic of a file or lock out of reach
    // Replays the changes left for a machine used before on its file, under its lock.
    static bool writeChanges(const std::string &root, const std::vector<Change> &changes);
    // Writes this machine's changes under the lock; the tree becomes the file's content when
    // `adoptLatest` (the program's own thread) and the file had to be re-read.
    bool writeOwnChanges(bool adoptLatest);
    // Writes the changes of the machines left before, then this one's; true when this machine's
    // changes are written (or there are none).
    bool writePending(bool adoptLatest);
    void reload();
    static void apply(const Change &change, regtree::Key &tree);
    void record(Change change);

    std::recursive_mutex mutex_; // the program's thread against the one a termination signal wakes
    std::string root_;
    regtree::Key tree_;
    int lastWritten_ = -1; // the file tree_ was last written to, open for reading, or -1
    std::vector<Change> pending_;
    std::map<std::string, std::vector<Change>> leftUnsaved_; // by sandbox folder
    FileStamp stamp_;
    std::chrono::steady_clock::time_point lastLook_; // when the file's status was last read
    bool treeIsFile_ = false; // tree_ is the file at stamp_, read whole, plus pending_
    std::uint64_t generation_ = 1;
};
