// Host detection on machines built by each test: what one installation yields, the order of the
// result, the per-family properties, the ZWCAD filter, IntelliCAD and the forced host.
#include "support/host_machine.h"

#include "core/param_node.h"
#include "core/text_string.h"
#include "hosts/host_catalogue.h"
#include "hosts/host_detection.h"
#include "install/install_settings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const std::string software = "HKEY_LOCAL_MACHINE/SOFTWARE/";
// Where the Autodesk launcher is installed, and how the launcher command names it.
const std::string autodeskLauncher =
    "C:\\Program Files\\Common Files\\Autodesk Shared\\AcShellEx\\AcLauncher.exe";
const std::string autodeskLauncherCommand =
    "C:/Program Files/Common Files/Autodesk Shared" "/AcShellEx/AcLauncher.exe";

const HostVersion *rowOf(const ParamNode *node) {
    return reinterpret_cast<const HostVersion *>(node->GetHandle("CDINF", 0));
}

// Index of the node's catalogue row, -1 for a row outside the catalogue.
int rowIndexOf(const ParamNode *node) {
    const HostVersion *row = rowOf(node);
    return row >= HostCatalogue && row < HostCatalogue + kHostCatalogueSize
               ? static_cast<int>(row - HostCatalogue)
               : -1;
}

std::string child(const ParamNode *node, const char *name) {
    const char *text = node->GetText(name, nullptr);
    return text ? text : "<none>";
}

class HostDetection : public HostMachine {
protected:
    // An installation folder holding files, registered under key with its location value.
    std::string install(const std::string &key, const char *locationValue, const std::string &folder,
                        std::initializer_list<const char *> files, int view = view64,
                        const RegistryValues &more = {}) {
        std::string path = makeFolder("Hosts\\" + folder, files);
        RegistryValues values = more;
        values.emplace_back(locationValue, path);
        setValues(key, values, view);
        return path;
    }

    ParamNode result{"hosts", nullptr};
};

TEST_F(HostDetection, EachFamilyHasItsExecutableModulesLabelAndLauncher) {
    struct FamilyCase {
        int row;
        std::string key, subkey;
        const char *locationValue, *exe, *module32, *module64, *labelStart, *launcher;
        std::string registeredKey = ""; // key as the registry spells it, when its letter case differs
    };
    const std::vector<FamilyCase> cases = {
        {23, "Autodesk/AutoCAD/R25.1/", "ACAD-9101:40C", "AcadLocation", "acad.exe", "veltra25.arx",
         "veltra25-64.arx", "AutoCAD 2026 FRA", "Autodesk"},
        {49, "Autodesk/AutoCAD LT/R32/", "ACADLT-9107:40C", "Location", "aclt.exe", "veltra.exe",
         "veltra-64.exe", "AutoCAD LT 2026 FRA", "Autodesk"},
        {65, "Bricsys/Bricscad/V19/", "en_US", "InstallDir", "bricscad.exe", "veltra19.brx", "",
         "Bicscad V19", ""},
        {77, "ZWSoft/", "ZWCAD 2012 Fra", "Location", "zwcad.exe", "veltrazrx12.dll", "veltrazrx12-64.dll",
         "Produit", "ZwLauncher.exe"},
        {89, "ZWSoft/ZWCAD/2024/", "fr-FR", "Location", "zwcad.exe", "veltra23p.zrx", "veltra23p-64.zrx",
         "Produit", "ZwLauncher.exe"},
        {95, "Gstarsoft/GstarCAD/R18/", "fr-FR", "Location", "gcad.exe", "veltra18.grx", "veltra18-64.grx",
         "Produit", "GcLauncher.exe", "Gstarsoft/GSTARCAD/r18/"},
    };
    std::vector<std::string> folders;
    for (const FamilyCase &c : cases) {
        const std::string &key = c.registeredKey.empty() ? c.key : c.registeredKey;
        folders.push_back(install(software + key + c.subkey, c.locationValue, std::to_string(c.row),
                                  {c.exe}, view64, {{"ProductName", "Produit"}, {"LangAbbrev", "FRA"}}));
        addModules({c.module32, *c.module64 ? c.module64 : "veltra19-64.brx"});
    }
    for (bool withLaunchers : {false, true}) {
        detectHosts(result);
        ASSERT_EQ(result.ChildCount(), static_cast<int>(cases.size()));
        for (std::size_t i = 0; i < cases.size(); ++i) {
            const FamilyCase &c = cases[i];
            const ParamNode *node = result.ChildAt(static_cast<int>(cases.size() - 1 - i));
            SCOPED_TRACE(HostCatalogue[c.row].displayName);
            std::string exe = folders[i] + "\\" + c.exe;
            EXPECT_EQ(rowIndexOf(node), c.row);
            EXPECT_EQ(child(node, "CIBLE"), exe);
            EXPECT_EQ(child(node, "AP32"), modulePath(c.module32));
            EXPECT_EQ(child(node, "AP64"), *c.module64 ? modulePath(c.module64) : "");
            EXPECT_EQ(child(node, "TETE"), software + c.key + c.subkey);
            EXPECT_EQ(child(node, "TETEREL"), "SOFTWARE/" + c.key + c.subkey);
            EXPECT_EQ(child(node, "CDBONUS"), c.subkey);
            EXPECT_EQ(child(node, "CDIDEXT"), c.labelStart + (", " + c.subkey) + ", " + exe);
            EXPECT_EQ(node->Name(), "SOFTWARE/" + c.key + c.subkey);
            EXPECT_EQ(node->Value(), child(node, "CDIDEXT"));
            std::string launcher = std::string(c.launcher) == "Autodesk" ? autodeskLauncherCommand
                                   : *c.launcher                         ? folders[i] + "\\" + c.launcher
                                                                         : "";
            std::string expected = !withLaunchers || launcher.empty() ? "<none>"
                                   : c.row == 95                      ? "\"" + launcher + "\" /O \"%1\""
                                                                      : launcher;
            EXPECT_EQ(child(node, "CIBLEBIS"), expected);
        }
        if (withLaunchers)
            break;
        makeFile(autodeskLauncher);
        for (std::size_t i = 3; i < cases.size(); ++i)
            makeFolder("Hosts\\" + std::to_string(cases[i].row), {cases[i].launcher});
    }
}

TEST(HostLabels, RulesReadProductNameAndLanguageWhateverTheirCase) {
    ParamNode values("values", nullptr);
    values.AddChildBack(new ParamNode("productname", "Nom du produit"));
    values.AddChildBack(new ParamNode("LANGABBREV", "DEU"));
    TextString label;
    makeInstallationLabel(*findHostVersion("AutoCAD 2015"), values.Children(), label);
    EXPECT_STREQ(label.CStr(), "Nom du produit");
    makeInstallationLabel(*findHostVersion("AutoCAD 2016"), values.Children(), label);
    EXPECT_STREQ(label.CStr(), "AutoCAD 2016 DEU");
    values.FindChild("productname")->SetValue(" ");
    values.FindChild("LANGABBREV")->SetValue("\t");
    makeInstallationLabel(*findHostVersion("AutoCAD 2015"), values.Children(), label);
    EXPECT_STREQ(label.CStr(), "AutoCAD 2015");
    makeInstallationLabel(*findHostVersion("AutoCAD 2016"), values.Children(), label);
    EXPECT_STREQ(label.CStr(), "AutoCAD 2016");
}

TEST_F(HostDetection, AutoCadLtFallsBackToAcadltExe) {
    std::string older =
        install(software + "Autodesk/AutoCAD LT/R18/L1", "Location", "LT2013", {"acadlt.exe"});
    std::string newer =
        install(software + "Autodesk/AutoCAD LT/R20/L2", "Location", "LT2014", {"acadlt.exe", "aclt.exe"});
    addModules({"veltra.exe"});
    detectHosts(result);
    ASSERT_EQ(result.ChildCount(), 2);
    EXPECT_EQ(child(result.ChildAt(0), "CIBLE"), newer + "\\aclt.exe");
    EXPECT_EQ(child(result.ChildAt(1), "CIBLE"), older + "\\acadlt.exe");
    EXPECT_EQ(child(result.ChildAt(1), "AP64"), "");
}

} // namespace
