// The catalogue file: which rows a file gives, where they go in the catalogue, what a bad file
// reports, and a file row detected like a built-in one from the program folder's hotes.ini.
#include "support/host_machine.h"

#include "core/param_node.h"
#include "hosts/catalogue_file.h"
#include "hosts/host_catalogue.h"
#include "hosts/host_detection.h"
#include "install/diagnostic_capture.h"
#include "install/memory_stream.h"
#include "integration/file_utils.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const std::string acad2027 = "HKEY_LOCAL_MACHINE/SOFTWARE/Autodesk/AutoCAD/R26.0/*";

// One row block; fields holds its lines ("name = value").
std::string row(const std::string &fields) {
    return "hote\n+\n" + fields + "-\n";
}

// A good row of the given display name and key.
std::string goodRow(const std::string &name, const std::string &path) {
    return row("displayName = \"" + name + "\"\nregistryPath = \"" + path +
               "\"\nlocationValue = AcadLocation\nversionTag = 26\nfamily = AutoCad\nflags = \"0x2381\"\n");
}

// The same file text as UTF-16 with a byte-order mark, in either byte order.
std::string utf16(const std::string &text, bool lowByteFirst) {
    std::string out = lowByteFirst ? "\xFF\xFE" : "\xFE\xFF";
    for (char c : text)
        out += lowByteFirst ? std::string{c, '\0'} : std::string{'\0', c};
    return out;
}

struct FileCase {
    const char *what;
    std::string file;
    int taken;
    std::vector<std::string> added; // display names after the built-in rows, in order
    std::string diagnostics;
};

std::vector<FileCase> fileCases() {
    const std::string good = goodRow("AutoCAD 2027", acad2027);
    const std::string later = goodRow("AutoCAD 2028", "HKEY_LOCAL_MACHINE/SOFTWARE/Autodesk/AutoCAD/R26.1/*");
    const std::string skipped = " absent ou incorrect\n";
    return {
        {"no file", "", 0, {}, ""},
        {"two rows in file order, the comments ignored", "# new releases\n" + good + "# next\n" + later, 2,
         {"AutoCAD 2027", "AutoCAD 2028"}, ""},
        {"a row without its key pattern between good rows",
         good + row("displayName = \"Sans cle\"\nlocationValue = Location\nversionTag = 1\n"
                    "family = AutoCad\nflags = \"0x2381\"\n") +
             later,
         2,
         {"AutoCAD 2027", "AutoCAD 2028"},
         "hotes.ini : h\xF4te 2 (Sans cle) ignor\xE9, champ registryPath" + skipped},
        {"garbage: every token is a row without fields", "\x01\x02 ]]] = ???\n\xFF", 0, {},
         "hotes.ini : h\xF4te 1 ignor\xE9, champ displayName" + skipped +
             "hotes.ini : h\xF4te 2 ignor\xE9, champ displayName" + skipped +
             "hotes.ini : h\xF4te 3 ignor\xE9, champ displayName" + skipped},
        {"malformed fields, each named",
         row("displayName = A\nregistryPath = \"HKEY_LOCAL_MACHINE/SOFTWARE/A*\"\nlocationValue = L\n"
             "versionTag = 1\nfamily = AutoCad\nflags = \"0x0\"\n") +
             row("displayName = B\nregistryPath = \"HKEY_LOCAL_MACHINE/SOFTWARE/*/*\"\nlocationValue = L\n"
                 "versionTag = 1\nfamily = AutoCad\nflags = \"0x0\"\n") +
             row("displayName = C\nregistryPath = HKEY_LOCAL_MACHINE/SOFTWARE/C\nlocationValue = L\n"
                 "versionTag = 1\nfamily = AutoCAD\nflags = \"0x0\"\n") +
             row("displayName = D\nregistryPath = HKEY_LOCAL_MACHINE/SOFTWARE/D\nlocationValue = L\n"
                 "versionTag = 1\nfamily = GstarCad\nflags = \"0x0400\"\n") +
             row("displayName = E\nregistryPath = HKEY_LOCAL_MACHINE/SOFTWARE/E\nlocationValue = L\n"
                 "versionTag = 1\nfamily = GstarCad\nflags = \"13zz\"\n") +
             row("displayName = \"F\nG\"\nregistryPath = HKEY_LOCAL_MACHINE/SOFTWARE/F\nlocationValue = L\n"
                 "versionTag = 1\nfamily = GstarCad\nflags = \"0x0\"\n") +
             row("displayName = H\nregistryPath = HKEY_LOCAL_MACHINE/SOFTWARE/H\nlocationValue = L\n"
                 "versionTag = \"   \"\nfamily = GstarCad\nflags = \"0x0\"\n") +
             row("displayName = I\nregistryPath = HKEY_LOCAL_MACHINE/SOFTWARE/I\nlocationValue = L\n"
                 "versionTag = 1\nfamily = GstarCad\nflags = 0x1300\n") +
             row("displayName = J\nregistryPath = HKEY_LOCAL_MACHINE/SOFTWARE/J\nlocationValue = L\n"
                 "versionTag = 27p\nfamily = ZwCadPlus\nflags = \"0x1300\"\n"),
         0,
         {},
         "hotes.ini : h\xF4te 1 (A) ignor\xE9, champ registryPath" + skipped +
             "hotes.ini : h\xF4te 2 (B) ignor\xE9, champ registryPath" + skipped +
             "hotes.ini : h\xF4te 3 (C) ignor\xE9, champ family" + skipped +
             "hotes.ini : h\xF4te 4 (D) ignor\xE9, champ flags" + skipped +
             "hotes.ini : h\xF4te 5 (E) ignor\xE9, champ flags" + skipped +
             "hotes.ini : h\xF4te 6 ignor\xE9, champ displayName" + skipped +
             "hotes.ini : h\xF4te 7 (H) ignor\xE9, champ versionTag" + skipped +
             "hotes.ini : h\xF4te 8 (I) ignor\xE9, champ flags" + skipped +
             "hotes.ini : h\xF4te 9 (J) ignor\xE9, champ p" + skipped},
        {"a block never closed keeps the rows before it", later + "hote\n+\ndisplayName = \"X\"\n" + good, 1,
         {"AutoCAD 2028"}, "hotes.ini : h\xF4te 2 (X) ignor\xE9, champ registryPath" + skipped},
        {"UTF-16, low byte first", utf16(good, true), 1, {"AutoCAD 2027"}, ""},
        {"UTF-16, high byte first", utf16(good, false), 1, {"AutoCAD 2027"}, ""},
        {"a row repeated with the same key is listed once, as last given",
         good + later + goodRow("AutoCAD 2027 bis", acad2027), 3, {"AutoCAD 2027 bis", "AutoCAD 2028"}, ""},
        {"UTF-8 with its mark", "\xEF\xBB\xBF" + good, 1, {"AutoCAD 2027"}, ""},
    };
}

TEST(CatalogueFile, TakesTheGoodRowsAndNamesTheFieldOfEachSkippedOne) {
    for (const FileCase &c : fileCases()) {
        SCOPED_TRACE(c.what);
        DiagnosticCapture diagnostics;
        CompleteCatalogue catalogue;
        MemoryInput in(c.file);
        EXPECT_EQ(catalogue.read(in), c.taken);
        std::vector<std::string> added;
        for (const HostVersion *r = catalogue.rows() + kHostCatalogueSize; r->displayName; ++r)
            added.push_back(r->displayName);
        EXPECT_EQ(added, c.added);
        EXPECT_EQ(diagnostics.text(), c.diagnostics);
    }
}

TEST(CatalogueFile, ARowWithTheKeyOfABuiltInRowTakesItsPlace) {
    CompleteCatalogue catalogue;
    MemoryInput in(goodRow("AutoCAD 2026 corrige", "HKEY_LOCAL_MACHINE/SOFTWARE/Autodesk/AutoCAD/R25.1/*") +
                   row("displayName = \"ZWCAD 2011 corrige\"\nregistryPath = \"HKEY_LOCAL_MACHINE/SOFTWARE/"
                       "ZWSoft/*\"\nlocationValue = Location\nversionTag = 11\nsubkeyFilter = 2011\n"
                       "family = ZwCadClassic\nflags = \"0x1300\"\n"));
    EXPECT_EQ(catalogue.read(in), 2);
    const HostVersion *rows = catalogue.rows();
    EXPECT_STREQ(rows[23].displayName, "AutoCAD 2026 corrige");
    EXPECT_STREQ(rows[22].displayName, "AutoCAD 2025");
    const int zwcad2011 = static_cast<int>(findHostVersion("ZWCAD 2011") - HostCatalogue);
    EXPECT_STREQ(rows[zwcad2011].displayName, "ZWCAD 2011 corrige");
    EXPECT_EQ(rows[zwcad2011].flags, 0x1300u);
    for (int i = 0; i < kHostCatalogueSize; ++i) {
        if (i != 23 && i != zwcad2011) {
            EXPECT_STREQ(rows[i].displayName, HostCatalogue[i].displayName) << i;
        }
    }
    EXPECT_EQ(rows[kHostCatalogueSize].displayName, nullptr) << "no row added";
}

TEST(CatalogueFile, AHugeFileGivesItsFirstRowsOnly) {
    std::string file;
    for (int i = 0; i < 100000; ++i)
        file += goodRow("Hote " + std::to_string(i), "HKEY_LOCAL_MACHINE/SOFTWARE/H" + std::to_string(i) + "/*");
    DiagnosticCapture diagnostics;
    CompleteCatalogue catalogue;
    MemoryInput in(file);
    EXPECT_EQ(catalogue.read(in), kMaxCatalogueFileRows);
    EXPECT_STREQ(catalogue.rows()[kHostCatalogueSize + kMaxCatalogueFileRows - 1].displayName, "Hote 499");
    EXPECT_EQ(diagnostics.text(), "hotes.ini : plus de 500 h\xF4tes, les suivants sont ignor\xE9s\n");
}

class CatalogueFileDetection : public HostMachine {
protected:
    void TearDown() override {
        useHostCatalogue(nullptr);
        HostMachine::TearDown();
    }
};

TEST_F(CatalogueFileDetection, TheProgramFoldersFileRowsAreDetectedAndFoundByName) {
    std::string folder = makeFolder("AutoCAD 2027", {"acad.exe"});
    setValues("HKEY_LOCAL_MACHINE/SOFTWARE/Autodesk/AutoCAD/R26.0/ACAD-A101:40C",
              {{"AcadLocation", folder}, {"LangAbbrev", "FRA"}});
    addModules({"veltra26-64.arx"});
    ParamNode hosts("hosts", nullptr);
    EXPECT_EQ(loadHostCatalogue(), 0) << "no file";
    EXPECT_EQ(hostCatalogue(), HostCatalogue);
    detectHosts(hosts);
    EXPECT_EQ(hosts.ChildCount(), 0);

    std::string file = programDir + "\\system\\hotes.ini";
    makeFile(file);
    writeWholeFile(goodRow("AutoCAD 2027", acad2027).c_str(), file.c_str());
    EXPECT_EQ(loadHostCatalogue(), 1);
    detectHosts(hosts);
    ASSERT_EQ(hosts.ChildCount(), 1);
    const ParamNode *host = hosts.ChildAt(0);
    const auto *version = reinterpret_cast<const HostVersion *>(host->GetHandle("CDINF", 0));
    EXPECT_EQ(version, findHostVersion("AutoCAD 2027"));
    EXPECT_EQ(version, hostCatalogue() + kHostCatalogueSize);
    EXPECT_STREQ(host->GetText("CDIDEXT", nullptr),
                 ("AutoCAD 2027 FRA, ACAD-A101:40C, " + folder + "\\acad.exe").c_str());
    EXPECT_EQ(host->GetText("AP64", nullptr), modulePath("veltra26-64.arx"));
}

} // namespace
