// The nine settings kept in "CfgPrf.ini": what saving puts into a node and onto disk, and what
// loading takes back from a node.
#include "initial_settings.h"
#include "support/test_machine.h"

#include "core/param_node.h"
#include "install/install_settings.h"
#include "install/param_file.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

// Every setting at its initial value before and after each test.
class ConnexionSettings : public TestMachine {
protected:
    void SetUp() override {
        TestMachine::SetUp();
        restoreInitialSettings();
    }
    void TearDown() override {
        restoreInitialSettings();
        TestMachine::TearDown();
    }
};

std::string childNames(const ParamNode &node) {
    std::string names;
    for (int i = 0; i < node.ChildCount(); ++i)
        names += std::string(node.ChildAt(i)->Name()) + " ";
    return names;
}

TEST_F(ConnexionSettings, SavingIntoAnEmptyNodeWritesTheNineEntriesInReverseOrder) {
    ParamNode node(nullptr, nullptr);
    saveConnexionSettings(node);
    EXPECT_EQ(childNames(node),
              "ExeAlternOk ExeAltern ArgsAPP ArgsCAD ChoixLG ChoixCADReg ChoixCAD Flags Vers64 ");
    EXPECT_EQ(node.ChildAt(0)->ValueType(), ParamValueType::Integer);
    EXPECT_EQ(node.ChildAt(1)->ValueType(), ParamValueType::Text);

    ASSERT_TRUE(saveParamFile(node, scratchPath("CfgPrf.ini").c_str()));
    EXPECT_EQ(readBytes("CfgPrf.ini"), "\"ExeAlternOk\" = \"1\"\r\n"
                                       "\"ExeAltern\" = \"\"\r\n"
                                       "\"ArgsAPP\" = \"\"\r\n"
                                       "\"ArgsCAD\" = \"\"\r\n"
                                       "\"ChoixLG\" = \"\"\r\n"
                                       "\"ChoixCADReg\" = \"\"\r\n"
                                       "\"ChoixCAD\" = \"\"\r\n"
                                       "\"Flags\" = \"0\"\r\n"
                                       "\"Vers64\" = \"-1\"\r\n");
}

TEST_F(ConnexionSettings, SavingUpdatesExistingEntriesInPlaceAndLeavesTheForcedHostOut) {
    ParamNode node(nullptr, nullptr);
    node.AddChildBack(new ParamNode("Autre", "x"));
    node.AddChildBack(new ParamNode("ChoixLG", "Anglais"));
    CADManuPath.Assign("C:\\CAD\\cad.exe");
    CADManuID.Assign("Forced");
    ChoixLG.Assign("Fran\xE7"
                   "ais");
    Vers64 = 1;
    saveConnexionSettings(node);

    EXPECT_EQ(node.ChildCount(), 10);
    EXPECT_STREQ(node.ChildAt(8)->Name(), "Autre");
    EXPECT_STREQ(node.ChildAt(9)->Name(), "ChoixLG");
    EXPECT_STREQ(node.GetText("ChoixLG", nullptr), "Fran\xE7"
                                                   "ais");
    EXPECT_EQ(node.GetInt("Vers64", 99), 1);
    EXPECT_EQ(node.FindChild("CADManuPath"), nullptr);
    EXPECT_EQ(node.FindChild("CADManuID"), nullptr);
}

TEST_F(ConnexionSettings, LoadingReplacesTheNineFileSettingsAndMissingEntriesGiveZeroOrEmpty) {
    ChoixCAD.Assign("C:\\acad.exe");
    ArgsCAD.Assign("/p Etude");
    ExeAltern.Assign("C:\\alt.exe");
    CADManuPath.Assign("C:\\CAD\\cad.exe");
    Vers64 = 1;
    Flags = 4;

    ParamNode node(nullptr, nullptr);
    node.AddChildBack(new ParamNode("ChoixLG", "Anglais"));
    loadConnexionSettings(node);

    EXPECT_STREQ(ChoixLG.CStr(), "Anglais");
    EXPECT_EQ(Vers64, 0);
    EXPECT_EQ(Flags, 0);
    EXPECT_EQ(ExeAlternOk, 0);
    for (TextString *text : {&ChoixCAD, &ChoixCADReg, &ArgsCAD, &ArgsAPP, &ExeAltern})
        EXPECT_STREQ(text->CStr(), "");
    EXPECT_STREQ(CADManuPath.CStr(), "C:\\CAD\\cad.exe"); // not a file setting
}

TEST_F(ConnexionSettings, NumbersAreReadFromTheStartOfTheirText) {
    ParamNode node(nullptr, nullptr);
    node.AddChildBack(new ParamNode("Vers64", "12abc"));
    node.AddChildBack(new ParamNode("Flags", "abc"));
    node.AddChildBack(new ParamNode("ExeAlternOk", "99999999999"));
    loadConnexionSettings(node);
    EXPECT_EQ(Vers64, 12);
    EXPECT_EQ(Flags, 0);
    EXPECT_EQ(ExeAlternOk, INT32_MAX);
}

TEST_F(ConnexionSettings, LoadingAnEmptyNodeChangesNothing) {
    ArgsAPP.Assign("CTX = Etude");
    Vers64 = 1;
    ParamNode node(nullptr, nullptr);
    loadConnexionSettings(node);
    EXPECT_STREQ(ArgsAPP.CStr(), "CTX = Etude");
    EXPECT_EQ(Vers64, 1);
    EXPECT_EQ(ExeAlternOk, 1);
}

TEST_F(ConnexionSettings, ValuesComeBackThroughTheFile) {
    Vers64 = 1;
    Flags = -7;
    ExeAlternOk = 0;
    ChoixCAD.Assign("C:\\Program Files\\Autodesk\\AutoCAD 2024\\acad.exe");
    ChoixCADReg.Assign("SOFTWARE/Autodesk/AutoCAD/R24.3/ACAD-7101:40C");
    ArgsAPP.Assign("CTX = \"Etude\"");
    ParamNode saved(nullptr, nullptr);
    saveConnexionSettings(saved);
    ASSERT_TRUE(saveParamFile(saved, scratchPath("CfgPrf.ini").c_str()));
    restoreInitialSettings();

    ParamNode read(nullptr, nullptr);
    loadParamFile(read, scratchPath("CfgPrf.ini").c_str());
    loadConnexionSettings(read);
    EXPECT_EQ(Vers64, 1);
    EXPECT_EQ(Flags, -7);
    EXPECT_EQ(ExeAlternOk, 0);
    EXPECT_STREQ(ChoixCAD.CStr(), "C:\\Program Files\\Autodesk\\AutoCAD 2024\\acad.exe");
    EXPECT_STREQ(ChoixCADReg.CStr(), "SOFTWARE/Autodesk/AutoCAD/R24.3/ACAD-7101:40C");
    EXPECT_STREQ(ArgsAPP.CStr(), "CTX = \"Etude\"");
}

} // namespace
