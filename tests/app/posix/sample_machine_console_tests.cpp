// The Configurator on a copy of the sample machine, driven through the console dialog as a user
// would: what it prints, Annuler, and OK.
#include "app/connexion_dialog.h"
#include "install/install_settings.h"
#include "platform/posix/console_dialog.h"
#include "registry/registry_key.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

namespace fs = std::filesystem;

namespace {

class SampleMachineTest : public ::testing::Test {
protected:
    void SetUp() override {
        char folder[] = "/tmp/veltra-sample-XXXXXX";
        ASSERT_NE(mkdtemp(folder), nullptr);
        folderToRemove = folder;
        root = folderToRemove + "/machine";
        const std::string copy = "'" VELTRA_SAMPLES_DIR "/copy-machine' '" + root + "'";
        ASSERT_EQ(std::system(copy.c_str()), 0);
        setenv("VELTRA_ROOT", root.c_str(), 1);
        setenv("VELTRA_PROGRAM", "C:\\Program Files\\Veltra\\veltracfg.exe", 1);
        for (TextString *text : {&ChoixCAD, &ChoixCADReg, &ChoixLG, &ArgsCAD, &ArgsAPP, &ExeAltern})
            text->Clear();
        Vers64 = -1;
        before = fileList();
    }
    void TearDown() override {
        unsetenv("VELTRA_ROOT");
        unsetenv("VELTRA_PROGRAM");
        fs::remove_all(folderToRemove);
    }

    // Runs the program with these commands; gives its exit code and keeps what it printed.
    int run(const std::string &commands) {
        std::FILE *input = std::tmpfile();
        std::FILE *output = std::tmpfile();
        std::fputs(commands.c_str(), input);
        std::rewind(input);
        os::setConsoleStreams(input, output);
        int code = runConfigurator("");
        os::setConsoleStreams(nullptr, nullptr);
        std::rewind(output);
        printed.clear();
        for (int c; (c = std::fgetc(output)) != EOF;)
            printed.push_back(static_cast<char>(c));
        std::fclose(input);
        std::fclose(output);
        return code;
    }
    std::string fileList() const {
        std::string list;
        for (const auto &entry : fs::recursive_directory_iterator(root + "/drive_c"))
            list += entry.path().string() + "\n";
        return list;
    }
    std::string setting(const char *name) {
        return value("HKEY_CURRENT_USER/Software/Corvanth//1.0/Systeme", name);
    }
    std::string value(const std::string &path, const char *name) {
        RegistryKey key;
        key.openPath(path.c_str(), false);
        const char *value = key.readValue(name, true, false);
        return value != nullptr ? value : "(absent)";
    }

    void expectOkDeploysTo(const char *hostCommand, const std::string &release, const std::string &product,
                           const char *module);

    std::string folderToRemove, root, before, printed;
};

TEST_F(SampleMachineTest, AnnulerWritesOnlyTheRegistrySettings) {
    EXPECT_EQ(run("language 9\nhost 2\n64bit off\nhost 4\n64bit off\nautoload on\nbonjour\ncancel\n"), 1);
    const std::string acad =
        "AutoCAD 2024 FRA, ACAD-7101:40C, C:\\Program Files\\Autodesk\\AutoCAD 2024\\acad.exe\n";
    EXPECT_EQ(printed.substr(0, printed.find(" 4. Italiano\n")),
              "Veltra - www.veltra.example\n"
              "*1. AutoCAD 2027 FRA, ACAD-A101:40C, C:\\Program Files\\Autodesk\\AutoCAD 2027\\acad.exe\n"
              " 2. ZWCAD 2024 Fran\xC3\xA7"
              "ais, fr-FR, C:\\Program Files\\ZWSOFT\\ZWCAD 2024\\zwcad.exe\n"
              " 3. Bicscad V24-64b, fr_FR, C:\\Program Files\\Bricsys\\BricsCAD V24 fr_FR\\bricscad.exe\n"
              " 4. " +
                  acad +
                  " 1. Deutsch\n 2. English\n*3. Fran\xC3\xA7"
                  "ais\n");
    EXPECT_NE(printed.find("Num\xC3\xA9ro d'entr\xC3\xA9"
                           "e incorrect : language 9\n"),
              std::string::npos);
    EXPECT_NE(printed.find("[ ] Autoload\n[ ] 64bit\nOK\n"), std::string::npos) << "64bit off on ZWCAD";
    EXPECT_NE(printed.find("*4. " + acad), std::string::npos);
    EXPECT_NE(printed.find("[ ] Autoload (inactif)\n[x] 64bit (inactif)\nOK\n"), std::string::npos);
    EXPECT_NE(printed.find("Commande sans effet, contr\xC3\xB4le inactif : 64bit off\n"), std::string::npos);
    EXPECT_NE(printed.find("Commande inconnue : bonjour\n"), std::string::npos);
    EXPECT_EQ(fileList(), before) << "no file written";
    EXPECT_EQ(setting("Vers64"), "0") << "remembered from ZWCAD";
    EXPECT_EQ(setting("ChoixCAD"), "") << "nothing chosen";
}

// OK on one AutoCAD release of the machine, chosen by hostCommand: the choice saved, then the
// start-up registration of variant 1 (the module in the profile's start-up list, the machine's
// AppLoad settings copied), the program folder trusted, the context's folder on the search path,
// the add-on's files written and the launcher started.
void SampleMachineTest::expectOkDeploysTo(const char *hostCommand, const std::string &release,
                                          const std::string &product, const char *module) {
    EXPECT_EQ(run(std::string(hostCommand) + "\nlanguage 2\nok\n"), 0);
    EXPECT_EQ(printed.find("Commande"), std::string::npos) << printed;
    EXPECT_EQ(setting("ChoixCAD"), "C:\\Program Files\\Autodesk\\" + release + "\\acad.exe");
    EXPECT_EQ(setting("ChoixLG"), "ENU");
    std::ifstream file(root + "/drive_c/Users/Utilisateur/AppData/Local/VeltraConfig/GenAuto/CfgPrf.ini");
    std::stringstream saved;
    saved << file.rdbuf();
    EXPECT_NE(saved.str().find("\"ChoixCADReg\" = \"SOFTWARE/Autodesk/AutoCAD/" + product + "\""),
              std::string::npos)
        << saved.str();

    const std::string productKey = "HKEY_CURRENT_USER/Software/Autodesk/AutoCAD/" + product;
    const std::string profile = productKey + "/Profiles/<<Profil sans nom>>";
    EXPECT_EQ(value(profile + "/Dialogs/Appload/Startup", "1Startup"),
              std::string("C:\\Program Files\\Veltra\\") + module);
    EXPECT_EQ(value(profile + "/Dialogs/Appload/Startup", "NumStartup"), "1");
    EXPECT_EQ(value(productKey + "/Applications/AcadAppload", "DESCRIPTION"), "AutoCAD Appload");
    EXPECT_EQ(value(profile + "/Variables", "TRUSTEDPATHS"), "C:\\Program Files\\Veltra");
    std::string searchPath = value(profile + "/General", "ACAD");
    EXPECT_EQ(searchPath.substr(searchPath.rfind(';') + 1),
              "C:\\Users\\Utilisateur\\AppData\\Local\\VeltraConfig\\DossierCAD");
    const std::string context = root + "/drive_c/Users/Utilisateur/AppData/Local/VeltraConfig/";
    EXPECT_TRUE(fs::exists(context + "ConfigUsr/system/registreext.reg"));
    EXPECT_TRUE(fs::exists(context + "GenAuto/CmdApp.inf"));
    EXPECT_FALSE(fs::exists(context + "GenAuto/acad.rx"));
    // The launcher was started (without waiting for it): it records its arguments.
    const std::string record = root + "/drive_c/Program Files/Veltra/lanceurcad.txt";
    for (int attempt = 0; attempt < 100 && !fs::exists(record); ++attempt)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_TRUE(fs::exists(record));
}

TEST_F(SampleMachineTest, OkSavesTheChoiceAndDeploys) {
    expectOkDeploysTo("host 4", "AutoCAD 2024", "R24.3/ACAD-7101:40C", "veltra24-64.arx");
}

// AutoCAD 2027 comes from the program folder's catalogue file, not from the built-in catalogue.
TEST_F(SampleMachineTest, OkDeploysToAutoCad2027AsToAutoCad2024) {
    expectOkDeploysTo("host 1", "AutoCAD 2027", "R26.0/ACAD-A101:40C", "veltra26-64.arx");
}

} // namespace
