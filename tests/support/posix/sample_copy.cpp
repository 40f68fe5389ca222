// Sample machine copies for the tests that run the Linux programs (see sample_copy.h).
#include "support/posix/sample_copy.h"

#include "support/posix/fresh_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

namespace fs = std::filesystem;

SampleCopy::SampleCopy(const std::string &samplesFolder) {
    work_ = freshTestFolder("veltra-sample-copy");
    if (work_.empty())
        ADD_FAILURE() << "no temporary folder";
    root_ = work_ + "/machine";
    std::string copy = "'" + samplesFolder + "/copy-machine' '" + root_ + "' >/dev/null";
    EXPECT_EQ(std::system(copy.c_str()), 0);
}

SampleCopy::~SampleCopy() {
    std::error_code ignored;
    fs::remove_all(work_, ignored);
}

SampleCopy::Outcome SampleCopy::run(const std::string &program, const std::string &arguments,
                                    const std::string &input, const std::string &environment) const {
    std::ofstream(work_ + "/in") << input;
    std::string command = "cd '" + work_ + "' && VELTRA_ROOT='" + root_ + "' " + environment + " " +
                          "VELTRA_PROGRAM='C:\\Program Files\\Veltra\\" + fs::path(program).filename().string() +
                          ".exe' timeout 60 '" + program + "' " + arguments + " <in >out 2>err";
    int status = std::system(command.c_str());
    return {WIFEXITED(status) && WEXITSTATUS(status) != 124 ? WEXITSTATUS(status) : -1, bytes("../out"),
            bytes("../err")};
}

std::string SampleCopy::bytes(const std::string &relative) const {
    std::ifstream in(root_ + "/" + relative, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string SampleCopy::state() const {
    std::vector<std::string> paths;
    for (const auto &entry : fs::recursive_directory_iterator(root_ + "/drive_c"))
        if (entry.is_regular_file() && entry.path().string().find("/AppData/Local/Veltra/") == std::string::npos)
            paths.push_back(fs::relative(entry.path(), root_).string());
    std::sort(paths.begin(), paths.end());
    std::string text;
    for (const std::string &path : paths)
        text += path + "\n" + bytes(path) + "\n";
    return text + bytes("registry.reg");
}
