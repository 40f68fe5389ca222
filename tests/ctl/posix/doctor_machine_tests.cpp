// veltractl doctor on copies of the sample machine with installation keys added that are not
// hosts, each for its own reason; and doctor --registry on exports of it, one of them damaged.
#include "support/posix/sample_copy.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <fstream>
#include <map>
#include <string>

namespace {

// Installation keys that are no host, with what doctor must say of each.
const char *const addedKeys = "\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Autodesk\\AutoCAD\\R27.0\\ACAD-B101:40C]\r\n"
                              "\"AcadLocation\"=\"C:\\\\Program Files\\\\Autodesk\\\\AutoCAD 2028\"\r\n"
                              "\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Autodesk\\AutoCAD\\R25.0\\ACAD-8101:40C]\r\n"
                              "\"AcadLocation\"=\"C:\\\\Program Files\\\\Autodesk\\\\AutoCAD 2025\"\r\n"
                              "\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Wow6432Node\\Autodesk\\AutoCAD\\R25.1\\ACAD-9101:40C]\r\n"
                              "\"AcadLocation\"=\"C:\\\\Program Files\\\\Veltra\"\r\n"
                              "\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Autodesk\\AutoCAD\\R17.0\\ACAD-5001:40C]\r\n"
                              "\"AcadLocation\"=\"C:\\\\Program Files\\\\Autodesk\\\\AutoCAD 2024\"\r\n";

const std::map<std::string, std::string> expectedVerdicts = {
    {"HKEY_LOCAL_MACHINE\\SOFTWARE\\Autodesk\\AutoCAD\\R24.3\\ACAD-7101:40C 64", "host"},
    {"HKEY_LOCAL_MACHINE\\SOFTWARE\\Autodesk\\AutoCAD\\R26.0\\ACAD-A101:40C 64", "host"},
    {"HKEY_LOCAL_MACHINE\\SOFTWARE\\Bricsys\\Bricscad\\V24x64\\fr_FR 64", "host"},
    {"HKEY_LOCAL_MACHINE\\SOFTWARE\\ZWSoft\\ZWCAD\\2024\\fr-FR 64", "host"},
    {"HKEY_LOCAL_MACHINE\\SOFTWARE\\Autodesk\\AutoCAD\\R27.0\\ACAD-B101:40C 64", "noCatalogueRow"},
    {"HKEY_LOCAL_MACHINE\\SOFTWARE\\Autodesk\\AutoCAD\\R25.0\\ACAD-8101:40C 64", "folderMissing"},
    {"HKEY_LOCAL_MACHINE\\SOFTWARE\\Autodesk\\AutoCAD\\R25.1\\ACAD-9101:40C 32", "executableMissing"},
    {"HKEY_LOCAL_MACHINE\\SOFTWARE\\Autodesk\\AutoCAD\\R17.0\\ACAD-5001:40C 64", "noModule"},
};

std::string utf16(const std::string &ascii) {
    std::string bytes;
    for (char c : ascii)
        bytes += std::string{c, '\0'};
    return bytes;
}

// key and view -> verdict, of a doctor --json report.
std::map<std::string, std::string> verdicts(const nlohmann::json &report) {
    std::map<std::string, std::string> found;
    for (const auto &key : report.at("keys"))
        found[key.at("key").get<std::string>() + " " + std::to_string(key.at("view").get<int>())] =
            key.at("verdict").get<std::string>();
    return found;
}

TEST(Doctor, SaysOfEachInstallationKeyWhetherItIsAHostAndWhyNot) {
    SampleCopy machine(VELTRA_SAMPLES_DIR);
    std::ofstream(machine.root() + "/registry.reg", std::ios::binary | std::ios::app) << utf16(addedKeys);
    ASSERT_EQ(machine.run(VELTRACTL, "deploy --host 4 --no-launch").code, 0);
    std::string before = machine.state();

    SampleCopy::Outcome run = machine.run(VELTRACTL, "doctor --json");
    ASSERT_EQ(run.code, 0) << run.err;
    nlohmann::json report = nlohmann::json::parse(run.out);
    EXPECT_EQ(verdicts(report), expectedVerdicts);
    EXPECT_EQ(report.at("windowsBits"), 64);
    EXPECT_EQ(report.at("modules").size(), 5u);
    ASSERT_EQ(report.at("hosts").size(), 4u);
    EXPECT_EQ(report.at("hosts")[3].at("registered"), true);
    EXPECT_EQ(report.at("hosts")[0].at("registered"), false);
    ASSERT_EQ(report.at("journal").size(), 1u);
    EXPECT_EQ(report.at("journal")[0].at("state"), "termine");
    const nlohmann::json &log = report.at("lastRunLog");
    ASSERT_GE(log.size(), 2u);
    EXPECT_NE(log.front().get<std::string>().find("deploy --host 4 --no-launch"), std::string::npos);
    EXPECT_NE(log.back().get<std::string>().find("fin : OK, code de sortie 0"), std::string::npos);

    SampleCopy::Outcome text = machine.run(VELTRACTL, "doctor");
    EXPECT_EQ(text.code, 0);
    for (const char *expected : {"AutoCAD 2024 FRA, ACAD-7101:40C", "Bicscad V24-64b, fr_FR", "ZWCAD 2024 Fran",
                                 "aucune ligne du catalogue ne correspond", "dossier d'installation absent"})
        EXPECT_NE(text.out.find(expected), std::string::npos) << expected;
    EXPECT_EQ(machine.state(), before) << "doctor changes nothing";
}

TEST(Doctor, ReadsCustomerExportsAsFarAsTheyGo) {
    SampleCopy machine(VELTRA_SAMPLES_DIR);
    const std::string exports = machine.root() + "/..";
    std::ofstream(exports + "/software.reg", std::ios::binary) << machine.bytes("registry.reg");
    std::string added = utf16(std::string("Windows Registry Editor Version 5.00\r\n") + addedKeys);
    std::ofstream(exports + "/cut.reg", std::ios::binary)
        << "\xFF\xFE" << added << utf16("\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Autodesk\\Cut\r\n\"x\"=dword:1");
    std::string before = machine.state();

    SampleCopy::Outcome run = machine.run(VELTRACTL, "doctor --json --registry software.reg --registry=cut.reg");
    ASSERT_EQ(run.code, 0) << run.err;
    nlohmann::json report = nlohmann::json::parse(run.out);
    std::map<std::string, std::string> found = verdicts(report);
    EXPECT_EQ(found.size(), expectedVerdicts.size());
    for (const auto &[key, verdict] : expectedVerdicts)
        EXPECT_EQ(found[key], verdict == "noCatalogueRow" ? verdict : "notKnownFromAnExport") << key;
    EXPECT_EQ(report.at("filesKnown"), false);
    EXPECT_GE(report.at("exports").at("skippedLines").get<int>(), 1);
    EXPECT_TRUE(report.at("hosts").empty());
    EXPECT_NE(machine.run(VELTRACTL, "doctor --registry software.reg").out.find("non connu d'apr"),
              std::string::npos);
    EXPECT_EQ(machine.run(VELTRACTL, "doctor --registry missing.reg").code, 2);
    EXPECT_EQ(machine.state(), before);
}

} // namespace
