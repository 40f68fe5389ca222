// A test machine for the deployment: the Configurator's folder and its configuration folder in
// the scratch folder, and every registry value below the test keys with its type.
#pragma once

#include "support/registry_machine.h"

#include "core/param_node.h"
#include "core/text_string.h"
#include "hosts/host_catalogue.h"
#include "install/install_settings.h"
#include "integration/deployment.h"
#include "files/file_utils.h"
#include "registry/registry_key.h"
#include "registry/registry_view.h"

#include <map>
#include <memory>
#include <string>

// Values by "U/key/name" (HKEY_CURRENT_USER) or "M/key/name" (HKEY_LOCAL_MACHINE, 64-bit view), keys
// relative to the test keys, in the registry layer's text form ("__dword:", "__eval:" types).
using RegistryValues = std::map<std::string, std::string>;

inline const char *const productKey = "SOFTWARE/VeltraTests/R25.1/ACAD-9101:40C";
inline const std::string profile = "U/R25.1/ACAD-9101:40C/Profiles/Veltra/";
inline const std::string startupList = profile + "Dialogs/Appload/Startup/";
inline const std::string userAppload = "U/R25.1/ACAD-9101:40C/Applications/AcadAppload/";
inline const char *const module32 = "C:\\Program Files\\Veltra\\veltra32.arx";
inline const char *const module64 = "C:\\Program Files\\Veltra\\veltra64.arx";
inline const char *const hostExecutable = "C:\\Program Files\\Host\\host.exe";

class DeploymentMachine : public RegistryMachine {
protected:
    // The program folder (scratch\Veltra where the machine lets a test choose it) has a
    // "sysinstall.ini" naming scratch\cfg, whose context folders exist already so that creating
    // them reports nothing. Starts with the profile "Veltra", a search path "C:\Old" for every
    // family, ZWCAD's roaming folder and the machine-wide "AcadAppload".
    void SetUp() override {
        RegistryMachine::SetUp();
        test_machine::setVariable("VELTRA_PROGRAM", scratchPath("Veltra\\veltracfg.exe").c_str());
        programDir = programFolder();
        ASSERT_EQ(makeFolders((programDir + "\\system").c_str(), true), 1);
        writeWholeFile(scratchPath("cfg\n").c_str(), (programDir + "\\system\\sysinstall.ini").c_str());
        for (const char *folder : {"GenAuto", "ConfigUsr\\system", "DossierCAD", "Roaming"})
            ASSERT_EQ(makeFolders(scratchPath(std::string("cfg\\") + folder).c_str(), true), 1);
        ArgsAPP.Clear();
        ArgsCAD.Clear();
        ExeAlternOk = 0;
        initial = {{"U/R25.1/ACAD-9101:40C/Profiles/CurProfile", "Veltra"},
                   {"U/R25.1/ACAD-9101:40C/RoamableRootFolder", scratchPath("cfg\\Roaming\\")},
                   {profile + "General/ACAD", "C:\\Old"},
                   {profile + "General/GCAD", "C:\\Old"},
                   {profile + "Config/SRCHPATH", "C:\\Old"},
                   {profile + "Config/ZWCADSEARCHPATH", "C:\\Old"},
                   {"M/R25.1/ACAD-9101/Applications/AcadAppload/LOADER", "C:\\Acad\\acapp.arx"},
                   {"M/R25.1/ACAD-9101/Applications/AcadAppload/LOADCTRLS", "__dword:2"},
                   {"M/R25.1/ACAD-9101/Applications/AcadAppload/APPPATH", "__eval:%ProgramFiles%\\Acad"}};
    }
    // Outside the sandbox the program folder is the test program's: leave nothing there.
    void TearDown() override {
        deleteFile((programDir + "\\system\\sysinstall.ini").c_str());
        deleteFile((programDir + "\\lanceurcad.exe").c_str());
        test_machine::setVariable("VELTRA_PROGRAM", nullptr);
        test_machine::setVariable("VELTRA_ADMIN", nullptr);
        RegistryMachine::TearDown();
    }

    static std::string rootPath(const std::string &where) {
        return where[0] == 'U' ? "HKEY_CURRENT_USER/Software/VeltraTests"
                               : "HKEY_LOCAL_MACHINE/SOFTWARE/VeltraTests";
    }
    static void writeRegistry(const RegistryValues &values) {
        RegistryViewScope view(1);
        for (const auto &[where, value] : values) {
            std::size_t keyStart = where.find('/'), nameStart = where.rfind('/');
            RegistryKey key;
            key.setWritable(true);
            key.openPath((rootPath(where) + where.substr(keyStart, nameStart - keyStart)).c_str(), true);
            EXPECT_TRUE(key.writeValue(where.substr(nameStart + 1).c_str(), value.c_str(), false)) << where;
        }
    }
    static void collect(const std::string &path, const std::string &prefix, RegistryValues &out) {
        RegistryKey key;
        key.openPath(path.c_str(), false);
        for (NodeCell *cell = key.readValues(true, true); cell != nullptr; cell = cell->next)
            out[prefix + ParamNodeOf(cell)->Name()] = ParamNodeOf(cell)->Value();
        for (NodeCell *cell = key.subkeyNames(true); cell != nullptr; cell = cell->next)
            collect(path + "/" + static_cast<char *>(cell->item),
                    prefix + static_cast<char *>(cell->item) + "/", out);
    }
    static RegistryValues registry() {
        RegistryViewScope view(1);
        RegistryValues values;
        for (const std::string root : {"U", "M"})
            collect(rootPath(root), root + "/", values);
        return values;
    }

    // A node of the detection result for the catalogue row rowName; a forced host has no product key.
    static std::unique_ptr<ParamNode> hostNode(const char *rowName, bool forced = false) {
        auto node = std::make_unique<ParamNode>(forced ? hostExecutable : productKey, rowName);
        node->FindChild("CIBLE", true)->SetValue(hostExecutable);
        node->FindChild("AP32", true)->SetValue(module32);
        node->FindChild("AP64", true)->SetValue(module64);
        if (!forced)
            node->FindChild("TETEREL", true)->SetValue(productKey);
        node->FindChild("CDINF", true)
            ->SetHandle(reinterpret_cast<intptr_t>(findHostVersion(rowName)), rowName);
        return node;
    }
    // Deploys with the language "FRA" and the drawing "plan.dwg"; gives what went to the
    // diagnostic stream (nothing may go to the standard output).
    static std::string deploy(const ParamNode &host, bool use64, bool autoload) {
        ParamNode language("FRA", "Fran\xE7"
                                  "ais");
        testing::internal::CaptureStdout();
        testing::internal::CaptureStderr();
        EXPECT_EQ(deployConfiguration(host, language, use64, "plan.dwg", autoload), 1);
        std::string diagnostics = testing::internal::GetCapturedStderr();
        EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
        return diagnostics;
    }
    std::string launcherFailure() const {
        return "Erreur d'ouverture du prg <\"" + programDir + "\\lanceurcad.exe\" #" + ArgsCAD.CStr() +
               " plan.dwg>\n";
    }

    std::string programDir;
    RegistryValues initial;
};
