// Loading, change journal and locked atomic saving of the sandbox registry file.
#include "platform/posix/sandbox_registry.h"

#include "platform/diagnostic_output.h"
#include "platform/posix/sandbox_root.h"
#include "platform/posix/termination_signals.h"
#include "platform/reg_file.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <iterator>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Holds the sandbox's registry lock (a lock file beside the registry file) while alive.
class FileLock {
public:
    explicit FileLock(const std::string &path) : fd_(open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666)) {
        if (fd_ >= 0 && flock(fd_, LOCK_EX) != 0) {
            close(fd_);
            fd_ = -1;
        }
    }
    ~FileLock() {
        if (fd_ >= 0)
            close(fd_); // closing releases the lock
    }
    FileLock(const FileLock &) = delete;
    FileLock &operator=(const FileLock &) = delete;
    bool held() const { return fd_ >= 0; }

private:
    int fd_;
};

bool writeAll(int fd, const std::string &bytes) {
    for (std::size_t done = 0; done < bytes.size();) {
        ssize_t written = write(fd, bytes.data() + done, bytes.size() - done);
        if (written < 0 && errno != EINTR)
            return false;
        if (written > 0)
            done += static_cast<std::size_t>(written);
    }
    return true;
}

// The file a path names: the target of a symbolic link (links followed), else the path itself.
std::string linkTarget(const std::string &path) {
    char *real = realpath(path.c_str(), nullptr);
    std::string target = real != nullptr ? real : path;
    std::free(real);
    return target;
}

// Reads `length` bytes at `offset` of a file; false when the file holds fewer.
bool readAt(int fd, char *into, std::size_t length, std::size_t offset) {
    for (std::size_t done = 0; done < length;) {
        ssize_t got = pread(fd, into + done, length - done, static_cast<off_t>(offset + done));
        if (got == 0 || (got < 0 && errno != EINTR))
            return false;
        if (got > 0)
            done += static_cast<std::size_t>(got);
    }
    return true;
}

// A registry file written into `fd` through a buffer, the unchanged keys read from `previous`,
// the file the tree was last written to.
class FileOutput : public regfile::RegFileOutput {
public:
    FileOutput(int fd, int previous) : fd_(fd), previous_(previous) {}

    bool add(const std::string &bytes) override {
        buffer_ += bytes;
        return buffer_.size() < bufferSize || flush();
    }

    bool addPrevious(std::size_t offset, std::size_t length) override {
        while (length > 0) {
            std::size_t piece = std::min(length, bufferSize), at = buffer_.size();
            buffer_.resize(at + piece);
            if (previous_ < 0 || !readAt(previous_, &buffer_[at], piece, offset))
                return false;
            offset += piece;
            length -= piece;
            if (buffer_.size() >= bufferSize && !flush())
                return false;
        }
        return true;
    }

    bool flush() {
        bool written = writeAll(fd_, buffer_);
        buffer_.clear();
        return written;
    }

private:
    static constexpr std::size_t bufferSize = 1 << 20;
    int fd_, previous_;
    std::string buffer_;
};

void forget(int &fd) {
    if (fd >= 0)
        close(fd);
    fd = -1;
}

// Writes `tree` to a temporary file beside `path`, then renames it over `path`, whose mode the new
// file keeps (a customer's file that only its owner may read stays so). `lastWritten` is the file
// the tree was last written to (its unchanged keys are copied from there) or -1; it becomes the
// new file, open for reading.
bool replaceAtomically(const std::string &path, const regtree::Key &tree, int &lastWritten) {
    std::string temporary = path + ".tmp" + std::to_string(getpid());
    int fd = open(temporary.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0)
        return false;
    struct stat old;
    FileOutput out(fd, lastWritten);
    bool written = (stat(path.c_str(), &old) != 0 || fchmod(fd, old.st_mode & 07777) == 0) &&
                   regfile::writeRegFile(tree, out, lastWritten >= 0) && out.flush() && fsync(fd) == 0;
    if (written && rename(temporary.c_str(), path.c_str()) == 0) {
        forget(lastWritten);
        lastWritten = fd;
        return true;
    }
    close(fd);
    unlink(temporary.c_str());
    return false;
}

// Makes `copy` another name of the file at `path` (the file itself, whatever replaces `path` later).
bool keepCopy(const std::string &path, const std::string &copy) {
    if (unlink(copy.c_str()) != 0 && errno != ENOENT)
        return false;
    if (link(path.c_str(), copy.c_str()) != 0)
        return false;
    os::writeDiagnostic("Lignes illisibles : le fichier de registre precedent est conserve dans " + copy + "\n");
    return true;
}

void saveAtExit() {
    SandboxRegistry::instance().save();
}

void saveWhenSignalled() {
    SandboxRegistry::instance().saveBeforeTermination();
}

} // namespace

SandboxRegistry &SandboxRegistry::instance() {
    // Never destroyed: keys closed by static objects at exit still find it.
    static SandboxRegistry *registry = [] {
        std::atexit(saveAtExit);
        os::runBeforeTerminationSignals(saveWhenSignalled);
        return new SandboxRegistry;
    }();
    return *registry;
}

bool SandboxRegistry::FileStamp::operator==(const FileStamp &other) const {
    return exists == other.exists && size == other.size && modified == other.modified && inode == other.inode;
}

std::string SandboxRegistry::filePath() const {
    return root_ + "/registry.reg";
}

SandboxRegistry::FileStamp SandboxRegistry::stampOfFile() const {
    FileStamp stamp;
    struct stat status;
    if (stat(filePath().c_str(), &status) == 0) {
        stamp.exists = true;
        stamp.size = status.st_size;
        stamp.modified =
            static_cast<long long>(status.st_mtim.tv_sec) * 1000000000LL + status.st_mtim.tv_nsec;
        stamp.inode = static_cast<long long>(status.st_ino);
    }
    return stamp;
}

bool SandboxRegistry::load(const std::string &path, regtree::Key &into, std::size_t *doubtfulLines) {
    std::FILE *file = std::fopen(path.c_str(), "rb");
    if (file == nullptr)
        return errno == ENOENT;
    std::string content;
    struct stat status;
    if (fstat(fileno(file), &status) == 0)
        content.reserve(static_cast<std::size_t>(status.st_size)); // read once, without regrowing
    char block[65536];
    for (std::size_t count; (count = std::fread(block, 1, sizeof block, file)) > 0;)
        content.append(block, count);
    bool readable = !std::ferror(file);
    std::fclose(file);
    return readable && regfile::readRegFile(std::move(content), into, path, doubtfulLines);
}

// How long the tree is taken as the file's content before its status is read again: a status read
// at every key opened would cost more than the look-up itself. Saves always read it, under the lock.
constexpr std::chrono::milliseconds lookInterval(1);

void SandboxRegistry::reload() {
    regtree::Key fresh;
    stamp_ = stampOfFile();
    std::size_t doubtfulLines = 0;
    bool readable = load(filePath(), fresh, &doubtfulLines);
    treeIsFile_ = readable && doubtfulLines == 0; // else the first save re-reads it (keeping a copy)
    if (!readable)
        os::writeDiagnostic("Fichier de registre illisible, il ne sera pas remplace : " + filePath() + "\n");
    for (const Change &change : pending_)
        apply(change, fresh);
    tree_ = std::move(fresh);
    ++generation_;
    forget(lastWritten_);
}

void SandboxRegistry::refresh() {
    std::lock_guard<std::recursive_mutex> hold(mutex_);
    if (sandboxRoot() != root_) {
        std::string root = sandboxRoot(); // a copy: a later call changes the text sandboxRoot answers
        if (!root_.empty() && access(root_.c_str(), F_OK) == 0 && !save()) // a removed machine keeps nothing
            leftUnsaved_[root_] = std::move(pending_);
        pending_.clear();
        root_ = root;
        auto left = leftUnsaved_.find(root_);
        if (left != leftUnsaved_.end()) {
            pending_ = std::move(left->second);
            leftUnsaved_.erase(left);
        }
        reload();
    } else if (auto now = std::chrono::steady_clock::now(); now - lastLook_ >= lookInterval) {
        lastLook_ = now;
        if (!(stampOfFile() == stamp_))
            reload();
    }
}

void SandboxRegistry::apply(const Change &change, regtree::Key &tree) {
    switch (change.kind) {
    case Change::Kind::createKey:
        tree.make(change.path);
        break;
    case Change::Kind::setValue:
        tree.make(change.path).setValue(change.value);
        break;
    case Change::Kind::removeValue:
        if (regtree::Key *key = tree.find(change.path))
            key->removeValue(change.value.name);
        break;
    case Change::Kind::removeKey:
        tree.remove(change.path);
        break;
    }
    tree.markChanged(change.path);
}

void SandboxRegistry::record(Change change) {
    std::lock_guard<std::recursive_mutex> hold(mutex_);
    apply(change, tree_);
    ++generation_; // a change may have created or removed keys
    pending_.push_back(std::move(change));
}

void SandboxRegistry::createKey(const regtree::Path &path) {
    record({Change::Kind::createKey, path, {}});
}

void SandboxRegistry::setValue(const regtree::Path &path, regtree::Value value) {
    record({Change::Kind::setValue, path, std::move(value)});
}

bool SandboxRegistry::removeValue(const regtree::Path &path, const std::u16string &name) {
    std::lock_guard<std::recursive_mutex> hold(mutex_);
    regtree::Key *key = tree_.find(path);
    if (key == nullptr || key->findValue(name) == nullptr)
        return false;
    record({Change::Kind::removeValue, path, {name, 0, {}}});
    return true;
}

bool SandboxRegistry::removeKey(const regtree::Path &path) {
    std::lock_guard<std::recursive_mutex> hold(mutex_);
    if (tree_.find(path) == nullptr)
        return false;
    record({Change::Kind::removeKey, path, {}});
    return true;
}

void SandboxRegistry::cannotRead(const std::string &file) {
    os::writeDiagnostic("Registre non enregistre : fichier illisible ou verrou impossible (" + file + ")\n");
}

bool SandboxRegistry::replay(const std::string &file, const std::vector<Change> &changes, regtree::Key &latest,
                            int &written) {
    std::size_t doubtfulLines = 0;
    if (!load(file, latest, &doubtfulLines)) {
        cannotRead(file);
        return false;
    }
    std::string target = linkTarget(file);
    if (doubtfulLines > 0 && !keepCopy(target, file + ".bak")) {
        os::writeDiagnostic("Registre non enregistre : copie impossible de " + file + "\n");
        return false;
    }
    for (const Change &change : changes)
        apply(change, latest);
    return writeTree(file, latest, written);
}

bool SandboxRegistry::writeTree(const std::string &file, const regtree::Key &tree, int &lastWritten) {
    std::string target = linkTarget(file);
    if (replaceAtomically(target, tree, lastWritten))
        return true;
    if (lastWritten >= 0) { // the file last written became unreadable: everything is written again
        forget(lastWritten);
        if (replaceAtomically(target, tree, lastWritten))
            return true;
    }
    os::writeDiagnostic("Registre non enregistre : ecriture impossible (" + file + ")\n");
    return false;
}

bool SandboxRegistry::writeChanges(const std::string &root, const std::vector<Change> &changes) {
    std::string file = root + "/registry.reg";
    FileLock lock(file + ".lock");
    regtree::Key latest;
    int written = -1;
    bool saved = lock.held() && replay(file, changes, latest, written);
    forget(written);
    if (!lock.held())
        cannotRead(file);
    return saved;
}

bool SandboxRegistry::writeOwnChanges(bool adoptLatest) {
    std::string file = filePath();
    FileLock lock(file + ".lock");
    if (!lock.held()) {
        cannotRead(file);
        return false;
    }
    if (treeIsFile_ && stampOfFile() == stamp_) { // nobody replaced the file since this process read or wrote it
        if (!writeTree(file, tree_, lastWritten_))
            return false;
    } else {
        regtree::Key latest;
        int written = -1;
        if (!replay(file, pending_, latest, written))
            return false;
        if (adoptLatest) {
            tree_ = std::move(latest);
            ++generation_;
            std::swap(lastWritten_, written);
        }
        forget(written);
        treeIsFile_ = adoptLatest;
    }
    stamp_ = stampOfFile(); // under the lock: no other process's file can be taken for this one's
    return true;
}

bool SandboxRegistry::writePending(bool adoptLatest) {
    for (auto machine = leftUnsaved_.begin(); machine != leftUnsaved_.end();) {
        bool removed = access(machine->first.c_str(), F_OK) != 0; // a removed machine keeps nothing
        machine = removed || writeChanges(machine->first, machine->second) ? leftUnsaved_.erase(machine)
                                                                           : std::next(machine);
    }
    return pending_.empty() || root_.empty() || writeOwnChanges(adoptLatest);
}

bool SandboxRegistry::save() {
    std::lock_guard<std::recursive_mutex> hold(mutex_);
    if (!writePending(true))
        return false;
    pending_.clear();
    return true;
}

void SandboxRegistry::saveBeforeTermination() {
    std::lock_guard<std::recursive_mutex> hold(mutex_);
    writePending(false); // the process ends now: the program may still be reading the tree
}
