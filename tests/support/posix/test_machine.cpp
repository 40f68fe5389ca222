// The Linux half of the per-test machine: a new sandbox folder as VELTRA_ROOT.
#include "support/test_machine.h"

#include "platform/posix/codepage.h"
#include "support/posix/fresh_folder.h"

#include <cstdlib>
#include <ftw.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// VELTRA_ROOT as it was before the test, restored afterwards.
std::string savedRoot;
bool rootWasSet = false;

int removeEntry(const char *path, const struct stat *, int, struct FTW *) {
    return remove(path);
}

} // namespace

namespace test_machine {

void create(std::string &windowsScratch, std::string &hostScratch) {
    const std::string root = freshTestFolder("veltra-test");
    ASSERT_FALSE(root.empty());
    const char *previous = std::getenv("VELTRA_ROOT");
    rootWasSet = previous != nullptr;
    savedRoot = rootWasSet ? previous : "";
    setenv("VELTRA_ROOT", root.c_str(), 1);
    hostScratch = root + "/drive_c/scratch";
    ASSERT_EQ(mkdir((root + "/drive_c").c_str(), 0777), 0);
    ASSERT_EQ(mkdir(hostScratch.c_str(), 0777), 0);
    windowsScratch = "C:\\scratch";
}

void destroy(const std::string &hostScratch) {
    std::string root = hostScratch.substr(0, hostScratch.rfind("/drive_c/"));
    if (!root.empty())
        nftw(root.c_str(), removeEntry, 16, FTW_DEPTH | FTW_PHYS);
    if (rootWasSet)
        setenv("VELTRA_ROOT", savedRoot.c_str(), 1);
    else
        unsetenv("VELTRA_ROOT");
}

std::string hostPath(const std::string &hostScratch, const std::string &relative) {
    std::string path = hostScratch + "/" + relative;
    for (char &character : path)
        if (character == '\\')
            character = '/';
    return path;
}

} // namespace test_machine

void test_machine::setVariable(const char *name, const char *value) {
    if (value == nullptr)
        unsetenv(name);
    else
        setenv(os::utf8FromSystem(name).c_str(), os::utf8FromSystem(value).c_str(), 1);
}
