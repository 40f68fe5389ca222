// veltractl remove on copies of the sample machine, for each of its hosts: deploy, the journal
// deleted, then remove gives back the hosts' registry values and files; its preview lists exactly
// the changes it then makes; undo brings the deployment back. The add-on's own files and settings
// (CfgPrf.ini, CmdApp.inf, registreext.reg, its settings key) are its uninstaller's to remove.
#include "platform/reg_file.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

using Machine = std::map<std::string, std::string>; // registry value or file -> its content

std::string bytesOf(const fs::path &path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::string lower(std::string text) {
    for (char &c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

void addValues(const regtree::Key &key, const std::string &path, Machine &out) {
    for (const regtree::Value &value : key.values())
        out["reg " + path + " [" + std::string(value.name.begin(), value.name.end()) + "]"] =
            std::to_string(value.type) + ":" + std::string(value.data.begin(), value.data.end());
    for (const auto &subkey : key.subkeys()) {
        std::string name(subkey->name().begin(), subkey->name().end());
        if (lower(name) != "corvanth") // the add-on's own settings
            addValues(*subkey, path + "\\" + name, out);
    }
}

// The hosts' side of the machine: registry values and files, the add-on's own left out.
Machine hostsSide(const std::string &root) {
    regtree::Key registry;
    EXPECT_TRUE(regfile::readRegFile(bytesOf(root + "/registry.reg"), registry, "registry"));
    Machine found;
    addValues(registry, "", found);
    for (const auto &entry : fs::recursive_directory_iterator(root + "/drive_c")) {
        std::string name = lower(entry.path().filename().string());
        if (entry.is_regular_file() && entry.path().string().find("/AppData/Local/Veltra/") == std::string::npos &&
            name != "cfgprf.ini" && name != "cmdapp.inf" && name != "registreext.reg")
            found["file " + entry.path().string().substr(root.size())] = bytesOf(entry.path());
    }
    return found;
}

class VeltractlRemove : public ::testing::Test {
protected:
    void SetUp() override {
        char folder[] = "/tmp/veltractl-remove-XXXXXX";
        ASSERT_NE(mkdtemp(folder), nullptr);
        root = std::string(folder) + "/m";
        ASSERT_EQ(std::system(("'" VELTRA_SAMPLES_DIR "/copy-machine' '" + root + "'").c_str()), 0);
    }
    void TearDown() override { fs::remove_all(fs::path(root).parent_path()); }

    // veltractl with arguments (and more environment settings) on the machine, at most 60 s: its exit
    // code; out gets its output, errors its diagnostics.
    int ctl(const std::string &arguments, std::string *out = nullptr, const std::string &environment = "") {
        const std::string output = root + "/../out";
        std::string command = environment + " VELTRA_ROOT='" + root + "' VELTRA_PROGRAM='C:\\Program Files\\Veltra\\veltractl.exe' " +
                              "timeout 60 '" VELTRACTL "' " + arguments + " >'" + output + "' 2>'" + output + ".err' </dev/null";
        int status = std::system(command.c_str());
        if (out != nullptr)
            *out = bytesOf(output);
        errors = bytesOf(output + ".err");
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::vector<std::string> changes(const std::string &arguments) {
        std::string out;
        EXPECT_EQ(ctl(arguments + " --preview --json", &out), 0) << errors;
        return nlohmann::json::parse(out)["changes"].get<std::vector<std::string>>();
    }

    std::string root, errors;
};

TEST_F(VeltractlRemove, GivesBackTheMachineOfBeforeWithoutTheJournalForEachHost) {
    std::string out;
    ASSERT_EQ(ctl("hosts --json", &out), 0);
    const nlohmann::json hosts = nlohmann::json::parse(out)["hosts"];
    ASSERT_EQ(hosts.size(), 4u);
    const Machine before = hostsSide(root);
    for (const auto &host : hosts) {
        const std::string number = std::to_string(host["number"].get<int>());
        SCOPED_TRACE(host["entry"].get<std::string>());
        ASSERT_EQ(ctl("deploy --no-launch --host " + number + (host["autoloadOffered"] ? " --autoload" : "")), 0);
        const Machine deployed = hostsSide(root);
        EXPECT_NE(deployed, before);
        fs::remove_all(root + "/drive_c/Users/Utilisateur/AppData/Local/Veltra/journal");

        // Without --host, the host CfgPrf.ini names (the one just deployed).
        const std::vector<std::string> planned = changes("remove");
        EXPECT_EQ(hostsSide(root), deployed) << "the preview changes nothing";
        EXPECT_GE(planned.size(), 3u);
        EXPECT_EQ(ctl("remove", &out), 0) << errors;
        EXPECT_EQ(hostsSide(root), before);
        EXPECT_EQ(ctl("status --host " + number), 3);

        // undo --preview lists the run's changes newest first: the removal's, in reverse.
        std::vector<std::string> undone = changes("undo");
        EXPECT_EQ(std::vector<std::string>(undone.rbegin(), undone.rend()), planned);
        EXPECT_EQ(ctl("undo", &out), 0) << errors;
        EXPECT_EQ(hostsSide(root), deployed);
        EXPECT_EQ(ctl("status --host " + number), 0);
        EXPECT_EQ(ctl("remove --host " + number + " --json", &out), 0) << errors;
        EXPECT_EQ(hostsSide(root), before);
    }
    EXPECT_EQ(ctl("remove --all-hosts --preview", &out), 0);
    EXPECT_EQ(out, "Aucun changement\n");
}

} // namespace
