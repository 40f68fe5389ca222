// The sandbox's registry: the tree of VELTRA_ROOT/registry.reg in memory, with the changes this
// process made, saved back under a lock so that processes sharing the sandbox keep each other's writes.
#pragma once

#include "platform/reg_tree.h"

#include <string>
#include <vector>

class SandboxRegistry {
public:
    // The one registry of the process; it lives until the process ends and saves at exit.
    static SandboxRegistry &instance();

    // Follows the sandbox folder (a changed VELTRA_ROOT saves the old machine and loads the new
    // one) and the registry file (reloaded when another process replaced it).
    void refresh();

    regtree::Key &tree() { return tree_; }

    // Changes: applied at once, and replayed on the file's latest content when saved.
    void createKey(const regtree::Path &path);
    void setValue(const regtree::Path &path, regtree::Value value);
    bool removeValue(const regtree::Path &path, const std::u16string &name);
    bool removeKey(const regtree::Path &path);

    // Writes the changes not yet saved: under the lock, re-reads the file, replays them, writes a
    // temporary file beside it and renames it over. A file with lines that could not be read is
    // first kept as registry.reg.bak, since the lines are not written back. False (with a
    // diagnostic) when the file cannot be read, kept or written; the changes then stay in memory.
    bool save();

private:
    struct Change {
        enum class Kind { createKey, setValue, removeValue, removeKey } kind;
        regtree::Path path;
        regtree::Value value; // setValue: the value; removeValue: its name
    };
    struct FileStamp {
        bool exists = false;
        long long size = 0, modified = 0, inode = 0;
        bool operator!=(const FileStamp &other) const;
    };

    SandboxRegistry() = default;
    std::string filePath() const;
    FileStamp stampOfFile() const;
    // Reads the file into `into`; a missing file is an empty registry. False when unreadable.
    bool load(regtree::Key &into, std::size_t *skippedLines = nullptr) const;
    void reload();
    static void apply(const Change &change, regtree::Key &tree);
    void record(Change change);

    std::string root_;
    regtree::Key tree_;
    std::vector<Change> pending_;
    FileStamp stamp_;
};
