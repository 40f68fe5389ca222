// veltractl on copies of the sample machine, checked against the dialog program: deploy against
// the dialog's OK for each host, and the Active Setup command against the deployment it repeats.
#include "core/version.h"
#include "platform/posix/command_line.h"
#include "support/posix/fresh_folder.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct Outcome {
    int code;
    std::string out, err;
};

class VeltractlTest : public ::testing::Test {
protected:
    void SetUp() override {
        work = freshTestFolder("veltractl");
        ASSERT_FALSE(work.empty());
    }
    void TearDown() override { fs::remove_all(work); }

    // A fresh copy of the sample machine named name.
    std::string machine(const std::string &name) {
        std::string root = work + "/" + name;
        std::string copy = "'" VELTRA_SAMPLES_DIR "/copy-machine' '" + root + "'";
        EXPECT_EQ(std::system(copy.c_str()), 0);
        return root;
    }

    // Runs program (with its arguments, shell-quoted) on the machine root, at most 60 s; extra
    // holds more environment settings.
    Outcome run(const std::string &root, const std::string &program, const std::string &arguments,
            const std::string &input = "", const std::string &extra = "") {
        std::ofstream(work + "/in") << input;
        std::string command = "cd '" + work + "' && VELTRA_ROOT='" + root +
                              "' VELTRA_PROGRAM='C:\\Program Files\\Veltra\\veltractl.exe' " + extra +
                              " timeout 60 '" + program + "' " + arguments + " <in >out 2>err";
        int status = std::system(command.c_str());
        return Outcome{WIFEXITED(status) ? WEXITSTATUS(status) : -1, read(work + "/out"), read(work + "/err")};
    }
    Outcome ctl(const std::string &root, const std::string &arguments, const std::string &extra = "") {
        return run(root, VELTRACTL, arguments, "", extra);
    }

    static std::string read(const std::string &path) {
        std::ifstream in(path, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    // The machine as a text: every file below drive_c with its bytes, then registry.reg. The
    // launcher's record is awaited first (it is started without waiting); skipLauncher leaves it out.
    static std::string state(const std::string &root, bool skipLauncher = false) {
        const std::string record = root + "/drive_c/Program Files/Veltra/lanceurcad.txt";
        for (int wait = 0; wait < 100 && !skipLauncher && !fs::exists(record); ++wait)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        std::string text;
        std::vector<std::string> paths;
        for (const auto &entry : fs::recursive_directory_iterator(root + "/drive_c"))
            if (entry.is_regular_file() && !(skipLauncher && entry.path() == record) &&
                entry.path().string().find("/AppData/Local/Veltra/") == std::string::npos)
                paths.push_back(entry.path().string());
        std::sort(paths.begin(), paths.end());
        for (const std::string &path : paths)
            text += path.substr(root.size()) + "\n" + read(path) + "\n";
        return text + withoutEmptyKeys(read(root + "/registry.reg"));
    }

    // The registry export without blank lines and keys that hold no value: a save writes every
    // parent key of a written key, the sample machine's file only the keys that hold values.
    static std::string withoutEmptyKeys(const std::string &utf16) {
        const std::string lineEnd("\r\0\n\0", 4);
        std::vector<std::string> lines;
        for (std::size_t start = 0; start < utf16.size();) {
            std::size_t end = utf16.find(lineEnd, start);
            end = end == std::string::npos ? utf16.size() : end + 4;
            if (utf16.compare(start, end - start, lineEnd) != 0)
                lines.push_back(utf16.substr(start, end - start));
            start = end;
        }
        auto isKey = [&](std::size_t index) { return index == lines.size() || lines[index][0] == '['; };
        std::string kept;
        for (std::size_t index = 0; index < lines.size(); ++index)
            if (!(isKey(index) && isKey(index + 1)))
                kept += lines[index];
        return kept;
    }

    std::string work;
};

TEST_F(VeltractlTest, DeployWritesWhatTheDialogsOkWritesForEachHostInTurn) {
    std::string dialog = machine("dialog"), command = machine("command");
    Outcome hosts = ctl(command, "hosts --json");
    ASSERT_EQ(hosts.code, 0);
    nlohmann::json list = nlohmann::json::parse(hosts.out)["hosts"];
    ASSERT_EQ(list.size(), 4u);
    for (const auto &host : list) {
        int number = host["number"];
        bool autoload = host["autoloadOffered"];
        SCOPED_TRACE(host["entry"].get<std::string>());
        EXPECT_EQ(run(dialog, VELTRACFG, "", "host " + std::to_string(number) + "\n" +
                                             (autoload ? "autoload on\n" : "") + "ok\n").code, 0);
        Outcome deployed = ctl(command, "deploy --host " + std::to_string(number) + (autoload ? " --autoload" : ""));
        EXPECT_EQ(deployed.code, 0) << deployed.err;
        EXPECT_TRUE(state(command) == state(dialog));
        fs::remove(command + "/drive_c/Program Files/Veltra/lanceurcad.txt");
        fs::remove(dialog + "/drive_c/Program Files/Veltra/lanceurcad.txt");
    }
}

TEST_F(VeltractlTest, VersionIsTheProjects) {
    Outcome version = ctl(machine("m"), "--version");
    EXPECT_EQ(version.code, 0);
    EXPECT_EQ(version.out, "veltractl " VELTRA_VERSION "\n");
}

TEST_F(VeltractlTest, TheActiveSetupCommandRepeatsTheDeployment) {
    std::string deployed = machine("deployed"), atLogon = machine("logon");
    Outcome result = ctl(deployed, "deploy --host ZWCAD --autoload --language 2 --all-users --json");
    ASSERT_EQ(result.code, 0) << result.err;
    std::string stub = nlohmann::json::parse(result.out)["activeSetup"];
    std::vector<std::string> arguments = os::splitCommandLine(stub);
    ASSERT_GE(arguments.size(), 2u);
    EXPECT_EQ(arguments[0], "C:\\Program Files\\Veltra\\veltractl.exe");
    EXPECT_NE(read(deployed + "/registry.reg").find("S\0t\0u\0b\0P\0a\0t\0h", 0, 15), std::string::npos);
    arguments.erase(arguments.begin());
    ASSERT_EQ(ctl(atLogon, os::joinCommandLine(arguments)).code, 0);

    // The deployment's machine without the component it registered and the launcher it started.
    state(deployed); // waits for the launcher
    fs::remove(deployed + "/drive_c/Program Files/Veltra/lanceurcad.txt");
    std::string expected = state(deployed, true);
    std::u16string registry;
    std::string bytes = read(deployed + "/registry.reg");
    registry.resize(bytes.size() / 2);
    std::memcpy(registry.data(), bytes.data(), registry.size() * 2);
    const std::u16string header = u"\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Active Setup";
    for (std::size_t at; (at = registry.find(header)) != std::u16string::npos;)
        registry.erase(at, registry.find(u"\r\n\r\n", at + 2) + 2 - at);
    std::string withoutComponent(reinterpret_cast<const char *>(registry.data()), registry.size() * 2);
    const std::string saved = withoutEmptyKeys(bytes);
    expected.replace(expected.size() - saved.size(), saved.size(), withoutEmptyKeys(withoutComponent));
    EXPECT_TRUE(state(atLogon, true) == expected);
}

} // namespace
