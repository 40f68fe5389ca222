// The host catalogue against the host makers' release lists: every row rebuilt from the rules of
// its group (names, keys, tags, flags), and the look-up by name.
#include "hosts/host_catalogue.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct ExpectedRow {
    std::string name, path, location, tag, filter; // "" for none
    HostFamily family;
    uint32_t flags;
};

std::string textOf(const char *text) {
    return text ? text : "";
}

std::vector<ExpectedRow> expectedCatalogue() {
    const std::string software = "HKEY_LOCAL_MACHINE/SOFTWARE/";
    std::vector<ExpectedRow> rows;
    const char *acadReleases[] = {"R15.0", "R16.0", "R16.1", "R16.2", "R17.0", "R17.1", "R17.2", "R18.0",
                                  "R18.1", "R18.2", "R19.0", "R19.1", "R20.0", "R20.1", "R21.0", "R22.0",
                                  "R23.0", "R23.1", "R24.0", "R24.1", "R24.2", "R24.3", "R25.0", "R25.1"};
    for (int i = 0; i < 24; ++i) {
        int year = i == 0 ? 2002 : 2003 + i;
        std::string release = acadReleases[i];
        rows.push_back({"AutoCAD " + (i == 0 ? std::string("2000-2002") : std::to_string(year)),
                        software + "Autodesk/AutoCAD/" + release + "/*", "AcadLocation", release.substr(1, 2),
                        "", HostFamily::AutoCad, year >= 2016 ? 0x2381u : 0x1300u});
    }
    const char *ltNames[] = {"2000", "2000i", "2002"};
    const char *ltKeys[] = {"R2000", "R7", "R8"};
    for (int i = 0; i < 26; ++i) {
        int year = 2001 + i; // 2004 onwards from i = 3
        int key = i < 3 ? 0 : i < 13 ? i + 6 : i + 7;
        std::string tag = year <= 2003   ? "LT2002"
                          : year <= 2005 ? "LT2004"
                          : year == 2006 ? "LT2006"
                          : year <= 2009 ? "LT2007"
                          : year <= 2012 ? "LT2010"
                                         : "LT2013";
        rows.push_back({"AutoCAD LT " + (i < 3 ? std::string(ltNames[i]) : std::to_string(year)),
                        software + "Autodesk/AutoCAD LT/" +
                            (i < 3 ? std::string(ltKeys[i]) : "R" + std::to_string(key)) + "/*",
                        "Location", tag, "", HostFamily::AutoCadLt, 0x2300});
    }
    for (int version = 10; version <= 26; ++version) {
        std::string v = std::to_string(version);
        uint32_t startup = version >= 19 ? 1 : 0;
        if (version <= 12)
            rows.push_back({"Bicscad V" + v, software + "Bricsys/Bricscad/V" + v + "/*", "InstallDir", v, "",
                            HostFamily::BricsCad, 0x0300});
        else if (version <= 20)
            rows.push_back({"Bicscad V" + v, software + "Bricsys/Bricscad/V" + v + "/*", "InstallDir", v, "",
                            HostFamily::BricsCad, 0x0100 | startup});
        if (version >= 13)
            rows.push_back({"Bicscad V" + v + "-64b", software + "Bricsys/Bricscad/V" + v + "x64/*",
                            "InstallDir", v, "", HostFamily::BricsCad, 0x0200 | startup});
    }
    for (const char *year : {"2010", "2011", "2012"})
        rows.push_back({std::string("ZWCAD ") + year, software + "ZWSoft/*", "Location",
                        std::string(year + 2), year, HostFamily::ZwCadClassic, 0x1300});
    rows.push_back({"ZWCAD Classic", software + "ZWSoft/ZWCAD Classic Fra", "Location", "12", "2012",
                    HostFamily::ZwCadClassic, 0x1300});
    for (int year : {2012, 2014, 2015, 2017, 2018, 2019, 2020, 2021, 2022, 2023, 2024, 2025, 2026}) {
        std::string y = std::to_string(year);
        rows.push_back({(year <= 2015 ? "ZWCAD+ " : "ZWCAD ") + y, software + "ZWSoft/ZWCAD/" + y + "/*",
                        "Location", (year == 2024 ? "23" : y.substr(2)) + "p", "", HostFamily::ZwCadPlus,
                        0x1300});
    }
    for (const char *key :
         {"R16.0", "R17.0", "R18.0", "R18", "R19", "R20", "R21", "R22", "R23", "R24", "R25", "R26"})
        rows.push_back({"GstarCAD 20" + std::string(key + 1, 2),
                        software + "Gstarsoft/GstarCAD/" + key + "/*", "Location", std::string(key + 1, 2),
                        "", HostFamily::GstarCad, 0x1300});
    rows.push_back(
        {"IntelliCAD 7", software + "ITC/*/${CurVer}", "InstallDir", "7", "", HostFamily::IntelliCad, 0});
    rows.push_back({"IntelliCAD 8", software + "Watchtower/WTCAD/Watchtower CAD 2.0 Standard/2.0",
                    "InstallDir", "8", "", HostFamily::IntelliCad, 0});
    return rows;
}

TEST(HostCatalogue, EveryRowMatchesTheReleaseListsAndTheTerminatorEndsIt) {
    std::vector<ExpectedRow> expected = expectedCatalogue();
    ASSERT_EQ(expected.size(), 106u);
    int walked = 0;
    for (const HostVersion *row = HostCatalogue; row->displayName; ++row)
        ++walked;
    EXPECT_EQ(walked, 106);
    for (int i = 0; i < kHostCatalogueSize; ++i) {
        const HostVersion &row = HostCatalogue[i];
        const ExpectedRow &want = expected[i];
        SCOPED_TRACE("row " + std::to_string(i) + " " + want.name);
        EXPECT_EQ(textOf(row.displayName), want.name);
        EXPECT_EQ(textOf(row.registryPath), want.path);
        EXPECT_EQ(textOf(row.locationValue), want.location);
        EXPECT_EQ(textOf(row.versionTag), want.tag);
        EXPECT_EQ(textOf(row.subkeyFilter), want.filter);
        EXPECT_EQ(row.family, want.family);
        EXPECT_EQ(row.flags, want.flags);
    }
    const HostVersion &end = HostCatalogue[kHostCatalogueSize];
    EXPECT_TRUE(!end.displayName && !end.registryPath && !end.locationValue && !end.versionTag &&
                !end.subkeyFilter);
    EXPECT_EQ(end.family, HostFamily::NoHost);
    EXPECT_EQ(end.flags, 0u);
}

TEST(HostCatalogue, FindsRowsByExactDisplayName) {
    EXPECT_EQ(findHostVersion("AutoCAD 2018"), &HostCatalogue[15]);
    EXPECT_EQ(findHostVersion("IntelliCAD 8"), &HostCatalogue[105]);
    for (const char *name : {"autocad 2018", "AutoCAD 2018 ", "", static_cast<const char *>(nullptr)})
        EXPECT_EQ(findHostVersion(name), nullptr) << (name ? name : "null");
}

} // namespace
