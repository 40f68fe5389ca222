// The catalogue file: which rows a file gives, what a bad or huge file reports (the program
// folder's file is read on the sample machine by the scenario rows of the app tests).
#include "support/host_machine.h"

#include "core/param_node.h"
#include "hosts/catalogue_file.h"
#include "hosts/host_catalogue.h"
#include "hosts/host_detection.h"
#include "install/diagnostic_capture.h"
#include "install/memory_stream.h"
#include "files/file_utils.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

const std::string acad2027 = "HKEY_LOCAL_MACHINE/SOFTWARE/Autodesk/AutoCAD/R26.0/*";

// A row block named name with the fields of AutoCAD 2027, one of them written as value instead
// (an empty value leaves the field out). Values stand as in the file: quoted or bare.
std::string row(const std::string &name, const std::string &field = "", const std::string &value = "") {
    const std::pair<std::string, std::string> fields[] = {{"registryPath", '"' + acad2027 + '"'},
                                                          {"locationValue", "AcadLocation"},
                                                          {"versionTag", "26"},
                                                          {"family", "AutoCad"},
                                                          {"flags", "\"0x2381\""}};
    std::string text = "hote\n+\ndisplayName = " + name + "\n";
    for (const auto &[fieldName, fieldValue] : fields) {
        const std::string &written = fieldName == field ? value : fieldValue;
        if (!written.empty())
            text += fieldName + " = " + written + "\n";
    }
    return text + "-\n";
}

std::string skipped(int number, const std::string &name, const std::string &field) {
    return "hotes.ini : h\xF4te " + std::to_string(number) + (name.empty() ? "" : " (" + name + ")") +
           " ignor\xE9, champ " + field + " absent ou incorrect\n";
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
    const std::string good = row("\"AutoCAD 2027\"");
    const std::string later = row("\"AutoCAD 2028\"", "registryPath", "HKEY_LOCAL_MACHINE/SOFTWARE/R27/*");
    const std::vector<std::string> both = {"AutoCAD 2027", "AutoCAD 2028"};
    return {
        {"no file", "", 0, {}, ""},
        {"rows in file order, comments ignored", "# new\n" + good + "# next\n" + later, 2, both, ""},
        {"a row without its key pattern between good rows",
         good + row("\"Sans cle\"", "registryPath", "") + later, 2, both,
         skipped(2, "Sans cle", "registryPath")},
        {"garbage: every token is a row without fields",
         "\x01\x02 ]]] = ???\n\xFF",
         0,
         {},
         skipped(1, "", "displayName") + skipped(2, "", "displayName") + skipped(3, "", "displayName")},
        {"malformed fields, each named",
         row("A", "registryPath", "HKEY_LOCAL_MACHINE/SOFTWARE/A*") +
             row("B", "registryPath", "HKEY_LOCAL_MACHINE/*/*") + row("C", "family", "AutoCAD") +
             row("D", "flags", "\"0x0400\"") + row("E", "flags", "\"13zz\"") + row("F", "flags", "0x2381") +
             row("\"G\nH\"") + row("I", "versionTag", "\"  \"") + row("J", "versionTag", "27p"),
         0,
         {},
         skipped(1, "A", "registryPath") + skipped(2, "B", "registryPath") + skipped(3, "C", "family") +
             skipped(4, "D", "flags") + skipped(5, "E", "flags") + skipped(6, "F", "flags") +
             skipped(7, "", "displayName") + skipped(8, "I", "versionTag") + skipped(9, "J", "p")},
        {"a block never closed keeps the rows before it",
         later + "hote\n+\ndisplayName = X\n" + good,
         1,
         {"AutoCAD 2028"},
         skipped(2, "X", "registryPath")},
        {"a repeated key is listed once, as last given",
         good + later + row("\"AutoCAD 2027 bis\""),
         3,
         {"AutoCAD 2027 bis", "AutoCAD 2028"},
         ""},
        {"UTF-16, low byte first", utf16(good, true), 1, {"AutoCAD 2027"}, ""},
        {"UTF-16, high byte first", utf16(good, false), 1, {"AutoCAD 2027"}, ""},
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

} // namespace
