// A test machine on which hosts are installed by hand: registry keys in either view, installation
// folders, and the add-on's module files beside the Configurator.
#pragma once

#include "support/test_machine.h"

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

using RegistryValues = std::vector<std::pair<std::string, std::string>>;

class HostMachine : public TestMachine {
protected:
    static constexpr int defaultView = 0;
    static constexpr int view64 = 1;

    // The Configurator's folder is scratch\Veltra where the machine lets a test choose it (the
    // sandbox), else the test program's own folder; the forced host is unset.
    void SetUp() override;
    // Removes the keys and the files outside the scratch folder that the test made.
    void TearDown() override;

    // Writes text values into the key at path ("HKEY_LOCAL_MACHINE/..."), created in a view.
    void setValues(const std::string &path, const RegistryValues &values, int view = view64);
    // Makes the scratch folder relative holding the given empty files; gives its Windows path.
    std::string makeFolder(const std::string &relative, std::initializer_list<const char *> files = {});
    // An empty file at a Windows path outside the scratch folder (its folder is made if missing).
    void makeFile(const std::string &path);
    // Empty add-on module files in the Configurator's folder.
    void addModules(std::initializer_list<const char *> names);
    // The Windows path of a module file in the Configurator's folder.
    std::string modulePath(const char *name) const { return programDir + "\\" + name; }

    std::string programDir;

private:
    std::vector<std::pair<std::string, int>> createdKeys; // topmost new key below HKLM, and its view
    std::vector<std::string> createdFiles;
};
