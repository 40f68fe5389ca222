// Installing hosts on the test machine through the registry and file layers.
#include "support/host_machine.h"

#include "core/text_string.h"
#include "install/install_settings.h"
#include "files/file_utils.h"
#include "platform/registry.h"
#include "registry/registry_key.h"
#include "registry/registry_view.h"

namespace {
const std::string localMachine = "HKEY_LOCAL_MACHINE/";
}

void HostMachine::SetUp() {
    TestMachine::SetUp();
    test_machine::setVariable("VELTRA_PROGRAM", scratchPath("Veltra\\veltracfg.exe").c_str());
    programDir = programFolder();
    ASSERT_EQ(makeFolders(programDir.c_str(), true), 1);
    CADManuPath.Clear();
    CADManuID.Clear();
}

void HostMachine::TearDown() {
    for (auto key = createdKeys.rbegin(); key != createdKeys.rend(); ++key) {
        int savedView = setRegistryView(key->second);
        os::regDeleteTree(os::hkeyLocalMachine, key->first.c_str(), registryViewAccess());
        setRegistryView(savedView);
    }
    for (const std::string &file : createdFiles)
        deleteFile(file.c_str());
    CADManuPath.Clear();
    CADManuID.Clear();
    test_machine::setVariable("VELTRA_PROGRAM", nullptr);
    TestMachine::TearDown();
}

void HostMachine::setValues(const std::string &path, const RegistryValues &values, int view) {
    ASSERT_EQ(path.compare(0, localMachine.size(), localMachine), 0) << path;
    int savedView = setRegistryView(view);
    // Remember the first key of the path that did not exist yet, so that only new keys are removed.
    for (std::size_t slash = localMachine.size(); slash != std::string::npos;) {
        slash = path.find('/', slash + 1);
        std::string partial = path.substr(0, slash);
        RegistryKey probe;
        probe.openPath(partial.c_str(), false);
        if (!probe.IsOpen()) {
            std::string below = partial.substr(localMachine.size());
            for (char &c : below)
                if (c == '/')
                    c = '\\';
            createdKeys.emplace_back(below, view);
            break;
        }
    }
    RegistryKey key;
    key.setWritable(true);
    key.openPath(path.c_str(), true);
    EXPECT_TRUE(key.IsOpen()) << path;
    for (const auto &value : values)
        EXPECT_TRUE(key.writeValue(value.first.c_str(), value.second.c_str(), false)) << value.first;
    key.flush();
    setRegistryView(savedView);
}

std::string HostMachine::makeFolder(const std::string &relative, std::initializer_list<const char *> files) {
    std::string folder = scratchPath(relative);
    EXPECT_EQ(makeFolders(folder.c_str(), true), 1) << folder;
    for (const char *file : files)
        writeWholeFile("", (folder + "\\" + file).c_str());
    return folder;
}

void HostMachine::makeFile(const std::string &path) {
    EXPECT_EQ(makeParentFolders(path.c_str(), true), 1) << path;
    writeWholeFile("", path.c_str());
    EXPECT_EQ(fileExists(path.c_str()), 1) << path;
    createdFiles.push_back(path);
}

void HostMachine::addModules(std::initializer_list<const char *> names) {
    for (const char *name : names)
        makeFile(modulePath(name));
}
