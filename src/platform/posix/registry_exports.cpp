// Registry exports in the sandbox: a temporary sandbox folder whose registry file holds the
// exports merged, named by VELTRA_ROOT while loaded.
#include "platform/registry_exports.h"

#include "platform/error_codes.h"
#include "platform/posix/codepage.h"
#include "platform/reg_file.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace os {

namespace {

bool readBytes(const std::string &path, std::string &bytes) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    bytes = text.str();
    return in.good() || in.eof();
}

} // namespace

RegistryExports::~RegistryExports() {
    if (folder_.empty())
        return;
    if (hadRoot_)
        setenv("VELTRA_ROOT", previousRoot_.c_str(), 1);
    else
        unsetenv("VELTRA_ROOT");
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
}

unsigned long RegistryExports::load(const std::vector<std::string> &files, std::size_t &skippedLines) {
    skippedLines = 0;
    if (!folder_.empty())
        return errorNotSupported; // one set of exports per object
    regtree::Key registry;
    for (const std::string &file : files) {
        std::string path = utf8FromSystem(file), bytes;
        if (!std::filesystem::is_regular_file(path) || !readBytes(path, bytes))
            return errorFileNotFound;
        std::size_t skipped = 0;
        if (!regfile::readRegFile(bytes, registry, path, &skipped))
            return errorInvalidData;
        skippedLines += skipped;
    }
    char folder[] = "/tmp/veltra-export-XXXXXX";
    if (mkdtemp(folder) == nullptr)
        return errorFileNotFound;
    std::ofstream(std::string(folder) + "/registry.reg", std::ios::binary) << regfile::writeRegFile(registry);
    folder_ = folder;
    const char *root = std::getenv("VELTRA_ROOT");
    hadRoot_ = root != nullptr;
    previousRoot_ = root != nullptr ? root : "";
    setenv("VELTRA_ROOT", folder_.c_str(), 1);
    return errorSuccess;
}

} // namespace os
