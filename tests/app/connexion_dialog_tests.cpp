// The connexion dialog with fake controls on a machine with ZWCAD 2024 (both module sizes) and
// AutoCAD 2024 (64-bit module only): start-up from the command line and the contexts, host
// pre-selection, the controls that follow the host, and OK.
#include "app/connexion_dialog.h"
#include "install/install_description.h"
#include "install/install_settings.h"
#include "install/param_file.h"
#include "integration/file_utils.h"
#include "platform/registry.h"
#include "support/fake_dialog.h"
#include "support/host_machine.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

const char *const zwcadKey = "SOFTWARE/ZWSoft/ZWCAD/2024/fr-FR";

// The deployments asked for, counted instead of made.
int deployments = 0;

int countDeployment(const ParamNode &, const ParamNode &, bool, const char *, bool) {
    ++deployments;
    return 1;
}

class ConnexionDialogTest : public HostMachine {
protected:
    void SetUp() override {
        HostMachine::SetUp();
        for (TextString *text : {&ChoixCAD, &ChoixCADReg, &ChoixLG, &ArgsCAD, &ArgsAPP, &ExeAltern})
            text->Clear();
        Vers64 = -1;
        currentContext.Clear();
        deployments = 0;
        SetDeployment(countDeployment);

        writeProgramFile("sysinstall.ini", (scratchPath("Cfg") + "\n").c_str());
        acadExe = makeFolder("AutoCAD 2024", {"acad.exe"}) + "\\acad.exe";
        setValues("HKEY_LOCAL_MACHINE/SOFTWARE/Autodesk/AutoCAD/R24.3/ACAD-7101:40C",
                  {{"AcadLocation", scratchPath("AutoCAD 2024")}, {"LangAbbrev", "FRA"}});
        makeFolder("ZWCAD 2024", {"zwcad.exe"});
        setValues(std::string("HKEY_LOCAL_MACHINE/") + zwcadKey, {{"Location", scratchPath("ZWCAD 2024")}});
        addModules({"veltra24-64.arx", "veltra23p.zrx", "veltra23p-64.zrx"});
    }
    void TearDown() override {
        close();
        SetDeployment(nullptr);
        HostMachine::TearDown();
    }

    // A file of the "system" folder of the Configurator's folder, removed after the test.
    void writeProgramFile(const char *name, const char *text) {
        std::string path = modulePath("system\\") + name;
        makeFile(path);
        writeWholeFile(text, path.c_str());
    }
    void writeLanguages() {
        writeProgramFile("langues.ini", "FRA = \"Fran\xE7"
                                        "ais\"\nENU = \"English\"\n");
    }
    // Writes a "CfgPrf.ini" in the GenAuto folder of the context folder (relative to scratch).
    void writeSettingsFile(const std::string &folder, const char *argsApp, const char *argsCad) {
        ParamNode settings(nullptr, nullptr);
        settings.AddChildBack(new ParamNode("ArgsAPP", argsApp));
        settings.AddChildBack(new ParamNode("ArgsCAD", argsCad));
        makeFolder(folder + "\\GenAuto");
        ASSERT_TRUE(saveParamFile(settings, scratchPath(folder + "\\GenAuto\\CfgPrf.ini").c_str()));
    }
    // Destroys the dialog and forgets the settings it saved in the registry.
    void close() {
        dialog.reset();
        os::regDeleteTree(os::hkeyCurrentUser, "Software\\Corvanth", 0);
    }
    void open(const char *commandLine = "") {
        dialog = std::make_unique<ConnexionDialog>(commandLine);
        window = makeFakeDialog(IDD_CONNEXION);
        dialog->OnInitDialog(*window);
    }
    os::MemoryComboBox &combo(int id) { return window->Get<os::MemoryComboBox>(id); }
    os::MemoryCheckBox &check(int id) { return window->Get<os::MemoryCheckBox>(id); }
    void selectHost(int index) {
        combo(IDC_CONNEXION_HOSTS).SetCurSel(index);
        dialog->OnCommand(*window, IDC_CONNEXION_HOSTS, os::ControlEvent::SelectionChanged);
    }

    std::string acadExe;
    std::unique_ptr<ConnexionDialog> dialog;
    std::unique_ptr<FakeDialog> window;
};

TEST_F(ConnexionDialogTest, OpensWithTitleIconsHostsAndLanguages) {
    writeLanguages();
    open();
    EXPECT_EQ(window->GetText(), "Veltra - www.veltra.example");
    EXPECT_EQ(window->icon, IDI_PROGRAM);
    EXPECT_EQ(window->Get<os::MemoryButton>(ID_BUTTON_OK).Icon(), IDI_OK);
    EXPECT_EQ(window->Get<os::MemoryButton>(ID_BUTTON_CANCEL).Icon(), IDI_CANCEL);
    EXPECT_FALSE(window->Control(IDC_CONNEXION_OPTIONS)->IsVisible());
    EXPECT_EQ(combo(IDC_CONNEXION_HOSTS).GetCount(), 2);
    EXPECT_EQ(entryTexts(combo(IDC_CONNEXION_LANGUAGES)), (std::vector<std::string>{"English", "Fran\xE7"
                                                                                               "ais"}));
    EXPECT_EQ(combo(IDC_CONNEXION_LANGUAGES).GetCurSel(), 1) << "the first language of the file";
}

TEST_F(ConnexionDialogTest, HostChosenLastIsPreselected) {
    struct Case {
        const char *choixCadReg;
        bool acadAsChoixCad;
        int selected;
    } cases[] = {
        {zwcadKey, true, 0},          // the registry path wins over the executable
        {"SOFTWARE/Parti", false, 0}, // no longer installed, no executable: the first host
        {"", true, 1},                // the executable
        {"SOFTWARE/Parti", true, 1},
    };
    for (const Case &test : cases) {
        close();
        ChoixCADReg.Assign(test.choixCadReg);
        ChoixCAD.Assign(test.acadAsChoixCad ? acadExe.c_str() : "");
        open();
        EXPECT_EQ(combo(IDC_CONNEXION_HOSTS).GetCurSel(), test.selected) << test.choixCadReg;
    }
    close();
    ChoixCAD.Assign("C:\\ailleurs\\acad.exe");
    ChoixCADReg.Clear();
    open();
    EXPECT_EQ(combo(IDC_CONNEXION_HOSTS).GetCurSel(), 0) << "an unknown executable: the first host";
}

TEST_F(ConnexionDialogTest, ModuleSizeIsRememberedOnlyWhileBothArePossible) {
    open();
    // ZWCAD first: both sizes, the 64-bit default of a 64-bit Windows.
    EXPECT_EQ(Vers64, 1);
    struct Step {
        int host, tickBefore; // tickBefore -1: leave the check box as it is
        int ticked;
        bool enabled64, enabledAutoload;
        int vers64After;
    } steps[] = {
        {0, -1, 1, true, true, 1},
        {1, 0, 1, false, false, 0}, // unticked on ZWCAD, then AutoCAD (64-bit only, start-up variant 1)
        {0, -1, 0, true, true, 0},  // back on ZWCAD: the remembered choice
        {1, 1, 1, false, false, 1},
        {0, 0, 1, true, true, 1}, // a change made on a single-size host is not remembered
    };
    for (const Step &step : steps) {
        if (step.tickBefore >= 0)
            check(IDC_CONNEXION_64BIT).SetCheck(step.tickBefore);
        selectHost(step.host);
        EXPECT_EQ(check(IDC_CONNEXION_64BIT).GetCheck(), step.ticked) << step.host;
        EXPECT_EQ(check(IDC_CONNEXION_64BIT).IsEnabled(), step.enabled64) << step.host;
        EXPECT_EQ(check(IDC_CONNEXION_AUTOLOAD).IsEnabled(), step.enabledAutoload) << step.host;
        EXPECT_EQ(Vers64, step.vers64After) << step.host;
    }
    EXPECT_TRUE(window->Control(ID_BUTTON_OK)->IsEnabled());
    combo(IDC_CONNEXION_HOSTS).SetCurSel(-1);
    dialog->updateHostDependentControls();
    EXPECT_FALSE(window->Control(ID_BUTTON_OK)->IsEnabled());
}

TEST_F(ConnexionDialogTest, OkWithoutLanguageDoesNothing) {
    for (bool withFile : {false, true}) {
        if (withFile)
            writeLanguages();
        ChoixLG.Assign("ITA"); // not among the languages
        open();
        EXPECT_EQ(combo(IDC_CONNEXION_LANGUAGES).GetCurSel(), -1);
        dialog->OnOK(*window);
        EXPECT_FALSE(window->ended);
        EXPECT_EQ(deployments, 0);
        EXPECT_FALSE(hostFileExists("Cfg\\GenAuto\\CfgPrf.ini"));
    }
}

TEST_F(ConnexionDialogTest, CommandLineAndContextFileMakeTheArguments) {
    struct Case {
        const char *commandLine;
        const char *fileFolder; // where a CfgPrf.ini is written first, or null
        const char *fileArgsApp, *fileArgsCad;
        const char *argsApp, *argsCad, *drawings;
    } cases[] = {
        {"\"D:\\Plans\\site 1.dwg\"", "Cfg", "A = 1", "/b", "A = 1", "/b", "\"D:\\Plans\\site 1.dwg\""},
        {"", "Cfg", "CTX = Etude", "/b", "CTX = Etude", "/b", ""}, // the context file is not read
        {"CTX = Etude#/nologo", nullptr, nullptr, nullptr, "CTX = Etude", "/P Etude", ""},
        {"CTX = Etude#/nologo", "Cfg\\CtxEtude", "CTX = Etude", "/b", "CTX = Etude", "/nologo", ""},
        {"CTX = Etude MODE = 2", "Cfg\\CtxEtude", "X = 1", "/b", "CTX = Etude MODE = 2", "/b", ""},
    };
    for (const Case &test : cases) {
        if (test.fileFolder)
            writeSettingsFile(test.fileFolder, test.fileArgsApp, test.fileArgsCad);
        ConnexionDialog started(test.commandLine);
        EXPECT_STREQ(ArgsAPP.CStr(), test.argsApp) << test.commandLine;
        EXPECT_STREQ(ArgsCAD.CStr(), test.argsCad) << test.commandLine;
        EXPECT_STREQ(started.DrawingFiles().CStr(), test.drawings) << test.commandLine;
        EXPECT_STREQ(currentContext.CStr(), "");
    }
}

TEST_F(ConnexionDialogTest, SeveralContextsAskForTheProfile) {
    makeFolder("Cfg\\CtxEtude");
    makeFolder("Cfg\\CtxAtelier");
    ScriptedUser user([](FakeDialog &choice, os::DialogHandler &handler) {
        choice.Get<os::MemoryListBox>(IDC_CHOICE_LIST).SetCurSel(2);
        handler.OnOK(choice);
    });
    ConnexionDialog started("");
    ASSERT_EQ(user.Runs().size(), 1u);
    const ScriptedUser::Run &run = user.Runs()[0];
    EXPECT_EQ(run.title, "Profil applicatif");
    EXPECT_EQ(run.texts.at(IDC_CHOICE_PROMPT), "S\xE9lectionnez le profil \xE0 configurer");
    EXPECT_EQ(run.entries.at(IDC_CHOICE_LIST),
              (std::vector<std::string>{" : Profil standard", "Atelier : Atelier", "Etude : Etude"}));
    EXPECT_STREQ(ArgsAPP.CStr(), "CTX = Etude");
    EXPECT_STREQ(ArgsCAD.CStr(), "/P Etude");
}

} // namespace
