// The Configurator on copies of the sample machine whose user folder, AutoCAD profile or search
// path hold names outside code page 1252, under the code pages VELTRA_CODEPAGE simulates: names
// the code page holds are used as they are, the others are never turned into another name.
#include "app/connexion_dialog.h"
#include "install/diagnostic_capture.h"
#include "install/install_settings.h"
#include "platform/posix/codepage.h"
#include "platform/posix/console_dialog.h"
#include "support/posix/fresh_folder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>

namespace fs = std::filesystem;

namespace {

const std::u16string acadProfiles = u"[HKEY_CURRENT_USER\\Software\\Autodesk\\AutoCAD\\R24.3\\ACAD-7101:40C\\Profiles\\";
const std::u16string sampleProfile = u"<<Profil sans nom>>";
const std::u16string lodzFolder = u"D:\\\\Projets\\\\\u0141\u00F3d\u017A\\\\support;";

// The start of AutoCAD's search path on the sample machine with this user.
std::u16string sampleSearchPath(const std::u16string &user) {
    return u"C:\\\\Users\\\\" + user + u"\\\\AppData\\\\Roaming\\\\Autodesk";
}

struct Scenario {
    const char *what;
    const char *codePage;
    std::u16string user;    // the user folder's name in the registry
    const char *userFolder; // the same in the sandbox (UTF-8)
    std::u16string profile; // AutoCAD's current profile
    bool lodzInSearchPath;
    bool profileUsable;   // the start-up list is written in that profile
    bool userUsable;      // the configuration goes below that user's folder
    const char *reported; // a diagnostic line holds this, or null for none
};

const Scenario scenarios[] = {
    {"Polish names on a Central European Windows", "1250", u"\u0141ukasz", "\xC5\x81ukasz", u"Domy\u015Blny", true,
     true, true, nullptr},
    {"Cyrillic names on a Cyrillic Windows", "1251", u"\u041F\u0451\u0442\u0440", "\xD0\x9F\xD1\x91\xD1\x82\xD1\x80",
     u"\u041F\u0440\u043E\u0444\u0438\u043B\u044C", false, true, true, "ProductName"},
    {"a Cyrillic profile on a Western Windows", "1252", u"Utilisateur", "Utilisateur",
     u"\u041F\u0440\u043E\u0444\u0438\u043B\u044C", false, false, true, "Valeur hors de la page de code"},
    {"a Polish folder in the search path on a Western Windows", "1252", u"Utilisateur", "Utilisateur", sampleProfile,
     true, true, true,
     "Valeur hors de la page de code du systeme, ignoree : "
     "SOFTWARE\\Autodesk\\AutoCAD\\R24.3\\ACAD-7101:40C\\Profiles\\<<Profil sans nom>>\\General\\ACAD\n"},
    {"a Polish user folder on a Western Windows", "1252", u"\u0141ukasz", "\xC5\x81ukasz", sampleProfile, false,
     true, false, "Dossier hors de la page de code"},
    {"a Western accent on a Japanese Windows, where only ASCII names are used", "932", u"\u00C9lise",
     "\xC3\x89lise", sampleProfile, false, true, false, "Dossier hors de la page de code"},
};

std::u16string readUtf16(const std::string &path) {
    std::ifstream file(path, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    std::u16string text;
    for (std::size_t at = 2; at + 1 < bytes.size(); at += 2)
        text.push_back(static_cast<char16_t>(static_cast<unsigned char>(bytes[at]) |
                                             static_cast<unsigned char>(bytes[at + 1]) << 8));
    return text;
}

void writeUtf16(const std::string &path, const std::u16string &text) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.put('\xFF').put('\xFE');
    for (char16_t unit : text)
        file.put(static_cast<char>(unit & 0xFF)).put(static_cast<char>(unit >> 8));
}

void replaceAll(std::u16string &text, const std::u16string &from, const std::u16string &to) {
    for (std::size_t at = 0; (at = text.find(from, at)) != std::u16string::npos; at += to.size())
        text.replace(at, from.size(), to);
}

class CodePageMachineTest : public ::testing::TestWithParam<Scenario> {
protected:
    void SetUp() override {
        folderToRemove = freshTestFolder("veltra-codepage");
        ASSERT_FALSE(folderToRemove.empty());
        root = folderToRemove + "/machine";
        const std::string copy = "'" VELTRA_SAMPLES_DIR "/copy-machine' '" + root + "'";
        ASSERT_EQ(std::system(copy.c_str()), 0);
        setenv("VELTRA_ROOT", root.c_str(), 1);
        setenv("VELTRA_PROGRAM", "C:\\Program Files\\Veltra\\veltracfg.exe", 1);
        setenv("VELTRA_CODEPAGE", GetParam().codePage, 1);
        os::rereadCodePage();
        for (TextString *text : {&ChoixCAD, &ChoixCADReg, &ChoixLG, &ArgsCAD, &ArgsAPP, &ExeAltern})
            text->Clear();
        Vers64 = -1;
    }
    void TearDown() override {
        unsetenv("VELTRA_ROOT");
        unsetenv("VELTRA_PROGRAM");
        unsetenv("VELTRA_CODEPAGE");
        os::rereadCodePage();
        fs::remove_all(folderToRemove);
    }

    // The sample machine with the scenario's user folder, profile and search path.
    void prepare(const Scenario &scenario) {
        std::u16string registry = readUtf16(root + "/registry.reg");
        replaceAll(registry, u"\\\\Users\\\\Utilisateur", u"\\\\Users\\\\" + scenario.user);
        replaceAll(registry, sampleProfile, scenario.profile);
        if (scenario.lodzInSearchPath)
            replaceAll(registry, sampleSearchPath(scenario.user), lodzFolder + sampleSearchPath(scenario.user));
        writeUtf16(root + "/registry.reg", registry);
        fs::rename(root + "/drive_c/Users/Utilisateur", root + "/drive_c/Users/" + scenario.userFolder);
    }

    // Runs the program with these commands; gives its exit code and what it printed.
    int run(const std::string &commands, std::string &printed) {
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

    // Runs the program: the host whose entry starts with label, Autoload, OK; waits for the
    // launcher it starts.
    int runWithAutoload(const std::string &label) {
        std::string printed;
        run("cancel\n", printed);
        std::size_t entry = printed.find(". " + label);
        if (entry == std::string::npos)
            return -1;
        std::size_t line = printed.rfind('\n', entry) + 1; // the entry's line: mark, number, dot
        std::string number = printed.substr(line + 1, entry - line - 1);
        int code = run("host " + number + "\nautoload on\nok\n", printed);
        const std::string record = root + "/drive_c/Program Files/Veltra/lanceurcad.txt";
        for (int attempt = 0; attempt < 100 && !fs::exists(record); ++attempt)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        return code;
    }

    std::string folderToRemove, root;
};

TEST_P(CodePageMachineTest, NamesAreUsedAsTheyAreOrNotAtAll) {
    const Scenario &scenario = GetParam();
    prepare(scenario);
    DiagnosticCapture diagnostics;
    EXPECT_EQ(runWithAutoload("AutoCAD 2024"), 0);
    std::u16string registry = readUtf16(root + "/registry.reg");

    for (std::size_t line = 0; line != std::u16string::npos; line = registry.find(u"\r\n[", line + 1)) {
        std::u16string key = registry.substr(line, registry.find(u']', line) - line);
        EXPECT_EQ(key.find(u'?'), std::u16string::npos) << "a key with a lost character";
    }
    EXPECT_EQ(registry.find(u"?\"="), std::u16string::npos) << "a value name with a lost character";
    std::u16string startupKey = acadProfiles + scenario.profile + u"\\Dialogs\\Appload\\Startup]";
    EXPECT_EQ(registry.find(startupKey) != std::u16string::npos, scenario.profileUsable);
    std::u16string profileKeys = registry.substr(registry.find(acadProfiles));
    EXPECT_EQ(profileKeys.find(acadProfiles + u"Default"), std::u16string::npos) << "no stand-in profile";

    std::u16string searchPath = (scenario.lodzInSearchPath ? lodzFolder : u"") + sampleSearchPath(scenario.user);
    std::u16string ownFolder = u"\\\\Users\\\\" + scenario.user + u"\\\\AppData\\\\Local\\\\VeltraConfig\\\\DossierCAD";
    std::size_t searchValue = registry.find(u"\"ACAD\"=\"" + searchPath);
    ASSERT_NE(searchValue, std::u16string::npos) << "the search path is kept as it was";
    std::u16string searchLine = registry.substr(searchValue, registry.find(u"\r\n", searchValue) - searchValue);
    EXPECT_EQ(searchLine.find(ownFolder) != std::u16string::npos,
              scenario.profileUsable && scenario.userUsable && !(scenario.lodzInSearchPath && scenario.codePage == std::string("1252")));

    // Without a usable user folder the configuration goes to the program's folder, as when the
    // system names no such folder.
    const std::string config = scenario.userUsable ? root + "/drive_c/Users/" + scenario.userFolder +
                                                         "/AppData/Local/VeltraConfig"
                                                   : root + "/drive_c/Program Files/Veltra";
    EXPECT_TRUE(fs::exists(config + "/GenAuto/CfgPrf.ini"));
    EXPECT_TRUE(fs::exists(config + "/ConfigUsr/system/registreext.reg"));
    for (const auto &entry : fs::recursive_directory_iterator(root + "/drive_c"))
        EXPECT_EQ(entry.path().filename().string().find('?'), std::string::npos) << entry.path();
    if (scenario.reported != nullptr)
        EXPECT_NE(diagnostics.text().find(scenario.reported), std::string::npos) << diagnostics.text();
    else
        EXPECT_EQ(diagnostics.text().find("page de code"), std::string::npos) << diagnostics.text();
}

// ZWCAD's start-up list in UTF-16, one entry outside code page 1252: with the code page that holds
// it, the file is written as the program writes its files (that code page, CR LF); without, it
// stays UTF-16 with the module on a line of its own before its entries, which are kept as they are.
TEST_P(CodePageMachineTest, AUtf16StartupListKeepsItsEntries) {
    const Scenario &scenario = GetParam();
    if (scenario.user != u"Utilisateur" && scenario.codePage != std::string("1250"))
        GTEST_SKIP() << "one Western and one Central European machine suffice";
    prepare(scenario);
    const std::string list = root + "/drive_c/Users/" + scenario.userFolder +
                             "/AppData/Roaming/ZWSoft/ZWCAD/2024/fr-FR/AppAutoLoad.app";
    const std::u16string entries = u"D:\\Outils\\\u0141\u00F3d\u017A.zrx\r\nC:\\Outils\\b.zrx\r\n";
    fs::create_directories(fs::path(list).parent_path());
    writeUtf16(list, entries);
    EXPECT_EQ(runWithAutoload("ZWCAD 2024"), 0);

    std::ifstream file(list, std::ios::binary);
    std::string written((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    const std::string module = "C:\\Program Files\\Veltra\\veltra23p-64.zrx";
    if (scenario.codePage == std::string("1250")) {
        EXPECT_EQ(written, module + "\r\nD:\\Outils\\\xA3\xF3" "d\x9F" ".zrx\r\nC:\\Outils\\b.zrx\r\n");
    } else {
        EXPECT_EQ(readUtf16(list), u"C:\\Program Files\\Veltra\\veltra23p-64.zrx\r\n" + entries);
        EXPECT_EQ(written.substr(0, 2), "\xFF\xFE");
    }
}

INSTANTIATE_TEST_SUITE_P(Scenarios, CodePageMachineTest, ::testing::ValuesIn(scenarios),
                         [](const ::testing::TestParamInfo<Scenario> &info) {
                             return "Scenario" + std::to_string(info.index);
                         });

} // namespace
