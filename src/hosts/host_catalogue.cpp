// The host catalogue table and its look-ups.
#include "hosts/host_catalogue.h"

#include "core/text_functions.h"

namespace {
constexpr HostFamily AutoCad = HostFamily::AutoCad;
constexpr HostFamily AutoCadLt = HostFamily::AutoCadLt;
constexpr HostFamily BricsCad = HostFamily::BricsCad;
constexpr HostFamily ZwCadClassic = HostFamily::ZwCadClassic;
constexpr HostFamily ZwCadPlus = HostFamily::ZwCadPlus;
constexpr HostFamily IntelliCad = HostFamily::IntelliCad;
constexpr HostFamily GstarCad = HostFamily::GstarCad;
} // namespace

// Fields: display name, registry path, install-folder value, version tag, subkey filter, family,
// flags. The host makers' names and keys are used as they are registered ("Bicscad" included).
// clang-format off
const HostVersion HostCatalogue[kHostCatalogueSize + 1] = {
    // AutoCAD: one 'R' key per release, the installations below it
    {"AutoCAD 2000-2002", "HKEY_LOCAL_MACHINE/SOFTWARE/Autodesk/AutoCAD/R15.0/*",
     "AcadLocation", "15", nullptr, AutoCad, 0x1300},
    {"AutoCAD 2004", "HKEY_LOCAL_MACHINE/SOFTWARE/Autodesk/AutoCAD/R16.0/*",
     "AcadLocation", "16", nullptr, AutoCad, 0x1300},
    {"AutoCAD 2005", "HKEY_LOCAL_MACHINE/SOFTWARE/Autodesk/AutoCAD/R16.1/*",
     "AcadLocation", "16", nullptr, AutoCad, 0x1300},
    {"AutoCAD 2006", "HKEY_LOCAL_MACHINE/SOFTWARE/Autodesk/AutoCAD/R16.2/*",
     "AcadLocation", "16", nullptr, AutoCad, 0x1300},
    {"AutoCAD 2007", "HKEY_LOCAL_MACHINE/SOFTWARE/Autodesk/AutoCAD/R17.0/*",
     "AcadLocation", "17", nullptr, AutoCad, 0x1300},
    {"AutoCAD 2008", "HKEY_LOCAL_MACHINE/SOFTWARE/Autodesk/AutoCAD/R17.1/*",
     "AcadLocation", "17", nullptr, AutoCad, 0x1300},
    {"AutoCAD 2009", "HKEY_LOCAL_MACHINE/SOFTWARE/Autodesk/AutoCAD/R17.2/*",
     "AcadLocation", "17", nullptr, AutoCad, 0x1300},
    {"AutoCAD 2010", "HKEY_LOCAL_MACHINE/SOFTWARE/Autodesk/AutoCAD/R18.0/*",
     "AcadLocation", "18", nullptr, AutoCad, 0x1300},
    {"AutoCAD 2011", "HKEY_LOCAL_MACHINE/SOFTWARE/Autodesk/AutoCAD/R18.1/*",
     "AcadLocation", "18", nullptr, AutoCad, 0x1300},
    {"AutoCAD 2012", "HKEY_LOCAL_MACHINE/SOFTWARE/Autodesk/AutoCAD/R18.2/*",
     "AcadLocation", "18", nullptr, AutoCad, 0x1300},
    {"AutoCAD 2013", "HKEY_LOCAL_MACHINE/SOFTWARE/Autodesk/AutoCAD/R19.0/*",
     "AcadLocation", "19", nullptr, AutoCad, 0x1300},
    {"AutoCAD 2014", "HKEY_LOCAL_MACHINE/SOFTWARE/Autodesk/AutoCAD/R19.1/*",
     "AcadLocation", "19", nullptr, AutoCad, 0x1300},
    {"AutoCAD 2015", "HKEY_LOCAL_MACHINE/SOFTWARE/Autodesk/AutoCAD/R20.0/*",
     "AcadLocation", "20", nullptr, AutoCad, 0x1300},
    {"AutoCAD 2016", "HKEY_LOCAL_MACHINE/SOFTWARE/Autodesk/AutoCAD/R20.1/*",
     "AcadLocation", "20", nullptr, AutoCad, 0x2381},
    {"AutoCAD 2017", "HKEY_LOCAL_MACHINE/SOFTWARE/Autodesk/AutoCAD/R21.0/*",
     "AcadLocation", "21", nullptr, AutoCad, 0x2381},
    {"AutoCAD 2018", "HKEY_LOCAL_MACHINE/SOFTWARE/Autodesk/AutoCAD/R22.0/*",
     "AcadLocation", "22", nullptr, AutoCad, 0x2381},
    {"AutoCAD 2019", "HKEY_LOCAL_MACHINE/SOFTWARE/Autodesk/AutoCAD/R23.0/*",
     "AcadLocation", "23", nullptr, AutoCad, 0x2381},
    {"AutoCAD 2020", "HKEY_LOCAL_MACHINE/SOFTWARE/Autodesk/AutoCAD/R23.1/*",
     "AcadLocation", "23", nullptr, AutoCad, 0x2381},
    {"AutoCAD 2021", "HKEY_LOCAL_MACHINE/SOFTWARE/Autodesk/AutoCAD/R24.0/*",
     "AcadLocation", "24", nullptr, AutoCad, 0x2381},
    {"AutoCAD 2022", "HKEY_LOCAL_MACHINE/SOFTWARE/Autodesk/AutoCAD/R24.1/*",
     "AcadLocation", "24", nullptr, AutoCad, 0x2381},
    {"AutoCAD 2023", "HKEY_LOCAL_MACHINE/SOFTWARE/Autodesk/AutoCAD/R24.2/*",
     "AcadLocation", "24", nullptr, AutoCad, 0x2381},
    {"AutoCAD 2024", "HKEY_LOCAL_MACHINE/SOFTWARE/Autodesk/AutoCAD/R24.3/*",
     "AcadLocation", "24", nullptr, AutoCad, 0x2381},
    {"AutoCAD 2025", "HKEY_LOCAL_MACHINE/SOFTWARE/Autodesk/AutoCAD/R25.0/*",
     "AcadLocation", "25", nullptr, AutoCad, 0x2381},
    {"AutoCAD 2026", "HKEY_LOCAL_MACHINE/SOFTWARE/Autodesk/AutoCAD/R25.1/*",
     "AcadLocation", "25", nullptr, AutoCad, 0x2381},
    // AutoCAD LT: the tag is the connection variant, the module names carry none
    {"AutoCAD LT 2000", "HKEY_LOCAL_MACHINE/SOFTWARE/Autodesk/AutoCAD LT/R2000/*",
     "Location", "LT2002", nullptr, AutoCadLt, 0x2300},
    {"AutoCAD LT 2000i", "HKEY_LOCAL_MACHINE/SOFTWARE/Autodesk/AutoCAD LT/R7/*",
     "Location", "LT2002", nullptr, AutoCadLt, 0x2300},
    {"AutoCAD LT 2002", "HKEY_LOCAL_MACHINE/SOFTWARE/Autodesk/AutoCAD LT/R8/*",
     "Location", "LT2002", nullptr, AutoCadLt, 0x2300},
    {"AutoCAD LT 2004", "HKEY_LOCAL_MACHINE/SOFTWARE/Autodesk/AutoCAD LT/R9/*",
     "Location", "LT2004", nullptr, AutoCadLt, 0x2300},
    {"AutoCAD LT 2005", "HKEY_LOCAL_MACHINE/SOFTWARE/Autodesk/AutoCAD LT/R10/*",
     "Location", "LT2004", nullptr, AutoCadLt, 0x2300},
    {"AutoCAD LT 2006", "HKEY_LOCAL_MACHINE/SOFTWARE/Autodesk/AutoCAD LT/R11/*",
     "Location", "LT2006", nullptr, AutoCadLt, 0x2300},
    {"AutoCAD LT 2007", "HKEY_LOCAL_MACHINE/SOFTWARE/Autodesk/AutoCAD LT/R12/*",
     "Location", "LT2007", nullptr, AutoCadLt, 0x2300},
    {"AutoCAD LT 2008", "HKEY_LOCAL_MACHINE/SOFTWARE/Autodesk/AutoCAD LT/R13/*",
     "Location", "LT2007", nullptr, AutoCadLt, 0x2300},
    {"AutoCAD LT 2009", "HKEY_LOCAL_MACHINE/SOFTWARE/Autodesk/AutoCAD LT/R14/*",
     "Location", "LT2007", nullptr, AutoCadLt, 0x2300},
    {"AutoCAD LT 2010", "HKEY_LOCAL_MACHINE/SOFTWARE/Autodesk/AutoCAD LT/R15/*",
     "Location", "LT2010", nullptr, AutoCadLt, 0x2300},
    {"AutoCAD LT 2011", "HKEY_LOCAL_MACHINE/SOFTWARE/Autodesk/AutoCAD LT/R16/*",
     "Location", "LT2010", nullptr, AutoCadLt, 0x2300},
    {"AutoCAD LT 2012", "HKEY_LOCAL_MACHINE/SOFTWARE/Autodesk/AutoCAD LT/R17/*",
     "Location", "LT2010", nullptr, AutoCadLt, 0x2300},
    {"AutoCAD LT 2013", "HKEY_LOCAL_MACHINE/SOFTWARE/Autodesk/AutoCAD LT/R18/*",
     "Location", "LT2013", nullptr, AutoCadLt, 0x2300},
    {"AutoCAD LT 2014", "HKEY_LOCAL_MACHINE/SOFTWARE/Autodesk/AutoCAD LT/R20/*",
     "Location", "LT2013", nullptr, AutoCadLt, 0x2300},
    {"AutoCAD LT 2015", "HKEY_LOCAL_MACHINE/SOFTWARE/Autodesk/AutoCAD LT/R21/*",
     "Location", "LT2013", nullptr, AutoCadLt, 0x2300},
    {"AutoCAD LT 2016", "HKEY_LOCAL_MACHINE/SOFTWARE/Autodesk/AutoCAD LT/R22/*",
     "Location", "LT2013", nullptr, AutoCadLt, 0x2300},
    {"AutoCAD LT 2017", "HKEY_LOCAL_MACHINE/SOFTWARE/Autodesk/AutoCAD LT/R23/*",
     "Location", "LT2013", nullptr, AutoCadLt, 0x2300},
    {"AutoCAD LT 2018", "HKEY_LOCAL_MACHINE/SOFTWARE/Autodesk/AutoCAD LT/R24/*",
     "Location", "LT2013", nullptr, AutoCadLt, 0x2300},
    {"AutoCAD LT 2019", "HKEY_LOCAL_MACHINE/SOFTWARE/Autodesk/AutoCAD LT/R25/*",
     "Location", "LT2013", nullptr, AutoCadLt, 0x2300},
    {"AutoCAD LT 2020", "HKEY_LOCAL_MACHINE/SOFTWARE/Autodesk/AutoCAD LT/R26/*",
     "Location", "LT2013", nullptr, AutoCadLt, 0x2300},
    {"AutoCAD LT 2021", "HKEY_LOCAL_MACHINE/SOFTWARE/Autodesk/AutoCAD LT/R27/*",
     "Location", "LT2013", nullptr, AutoCadLt, 0x2300},
    {"AutoCAD LT 2022", "HKEY_LOCAL_MACHINE/SOFTWARE/Autodesk/AutoCAD LT/R28/*",
     "Location", "LT2013", nullptr, AutoCadLt, 0x2300},
    {"AutoCAD LT 2023", "HKEY_LOCAL_MACHINE/SOFTWARE/Autodesk/AutoCAD LT/R29/*",
     "Location", "LT2013", nullptr, AutoCadLt, 0x2300},
    {"AutoCAD LT 2024", "HKEY_LOCAL_MACHINE/SOFTWARE/Autodesk/AutoCAD LT/R30/*",
     "Location", "LT2013", nullptr, AutoCadLt, 0x2300},
    {"AutoCAD LT 2025", "HKEY_LOCAL_MACHINE/SOFTWARE/Autodesk/AutoCAD LT/R31/*",
     "Location", "LT2013", nullptr, AutoCadLt, 0x2300},
    {"AutoCAD LT 2026", "HKEY_LOCAL_MACHINE/SOFTWARE/Autodesk/AutoCAD LT/R32/*",
     "Location", "LT2013", nullptr, AutoCadLt, 0x2300},
    // BricsCAD: one row for both module sizes up to V12, then separate 32- and 64-bit keys
    {"Bicscad V10", "HKEY_LOCAL_MACHINE/SOFTWARE/Bricsys/Bricscad/V10/*",
     "InstallDir", "10", nullptr, BricsCad, 0x0300},
    {"Bicscad V11", "HKEY_LOCAL_MACHINE/SOFTWARE/Bricsys/Bricscad/V11/*",
     "InstallDir", "11", nullptr, BricsCad, 0x0300},
    {"Bicscad V12", "HKEY_LOCAL_MACHINE/SOFTWARE/Bricsys/Bricscad/V12/*",
     "InstallDir", "12", nullptr, BricsCad, 0x0300},
    {"Bicscad V13", "HKEY_LOCAL_MACHINE/SOFTWARE/Bricsys/Bricscad/V13/*",
     "InstallDir", "13", nullptr, BricsCad, 0x0100},
    {"Bicscad V13-64b", "HKEY_LOCAL_MACHINE/SOFTWARE/Bricsys/Bricscad/V13x64/*",
     "InstallDir", "13", nullptr, BricsCad, 0x0200},
    {"Bicscad V14", "HKEY_LOCAL_MACHINE/SOFTWARE/Bricsys/Bricscad/V14/*",
     "InstallDir", "14", nullptr, BricsCad, 0x0100},
    {"Bicscad V14-64b", "HKEY_LOCAL_MACHINE/SOFTWARE/Bricsys/Bricscad/V14x64/*",
     "InstallDir", "14", nullptr, BricsCad, 0x0200},
    {"Bicscad V15", "HKEY_LOCAL_MACHINE/SOFTWARE/Bricsys/Bricscad/V15/*",
     "InstallDir", "15", nullptr, BricsCad, 0x0100},
    {"Bicscad V15-64b", "HKEY_LOCAL_MACHINE/SOFTWARE/Bricsys/Bricscad/V15x64/*",
     "InstallDir", "15", nullptr, BricsCad, 0x0200},
    {"Bicscad V16", "HKEY_LOCAL_MACHINE/SOFTWARE/Bricsys/Bricscad/V16/*",
     "InstallDir", "16", nullptr, BricsCad, 0x0100},
    {"Bicscad V16-64b", "HKEY_LOCAL_MACHINE/SOFTWARE/Bricsys/Bricscad/V16x64/*",
     "InstallDir", "16", nullptr, BricsCad, 0x0200},
    {"Bicscad V17", "HKEY_LOCAL_MACHINE/SOFTWARE/Bricsys/Bricscad/V17/*",
     "InstallDir", "17", nullptr, BricsCad, 0x0100},
    {"Bicscad V17-64b", "HKEY_LOCAL_MACHINE/SOFTWARE/Bricsys/Bricscad/V17x64/*",
     "InstallDir", "17", nullptr, BricsCad, 0x0200},
    {"Bicscad V18", "HKEY_LOCAL_MACHINE/SOFTWARE/Bricsys/Bricscad/V18/*",
     "InstallDir", "18", nullptr, BricsCad, 0x0100},
    {"Bicscad V18-64b", "HKEY_LOCAL_MACHINE/SOFTWARE/Bricsys/Bricscad/V18x64/*",
     "InstallDir", "18", nullptr, BricsCad, 0x0200},
    {"Bicscad V19", "HKEY_LOCAL_MACHINE/SOFTWARE/Bricsys/Bricscad/V19/*",
     "InstallDir", "19", nullptr, BricsCad, 0x0101},
    {"Bicscad V19-64b", "HKEY_LOCAL_MACHINE/SOFTWARE/Bricsys/Bricscad/V19x64/*",
     "InstallDir", "19", nullptr, BricsCad, 0x0201},
    {"Bicscad V20", "HKEY_LOCAL_MACHINE/SOFTWARE/Bricsys/Bricscad/V20/*",
     "InstallDir", "20", nullptr, BricsCad, 0x0101},
    {"Bicscad V20-64b", "HKEY_LOCAL_MACHINE/SOFTWARE/Bricsys/Bricscad/V20x64/*",
     "InstallDir", "20", nullptr, BricsCad, 0x0201},
    {"Bicscad V21-64b", "HKEY_LOCAL_MACHINE/SOFTWARE/Bricsys/Bricscad/V21x64/*",
     "InstallDir", "21", nullptr, BricsCad, 0x0201},
    {"Bicscad V22-64b", "HKEY_LOCAL_MACHINE/SOFTWARE/Bricsys/Bricscad/V22x64/*",
     "InstallDir", "22", nullptr, BricsCad, 0x0201},
    {"Bicscad V23-64b", "HKEY_LOCAL_MACHINE/SOFTWARE/Bricsys/Bricscad/V23x64/*",
     "InstallDir", "23", nullptr, BricsCad, 0x0201},
    {"Bicscad V24-64b", "HKEY_LOCAL_MACHINE/SOFTWARE/Bricsys/Bricscad/V24x64/*",
     "InstallDir", "24", nullptr, BricsCad, 0x0201},
    {"Bicscad V25-64b", "HKEY_LOCAL_MACHINE/SOFTWARE/Bricsys/Bricscad/V25x64/*",
     "InstallDir", "25", nullptr, BricsCad, 0x0201},
    {"Bicscad V26-64b", "HKEY_LOCAL_MACHINE/SOFTWARE/Bricsys/Bricscad/V26x64/*",
     "InstallDir", "26", nullptr, BricsCad, 0x0201},
    // ZWCAD up to 2012 under one ZWSoft key, told apart by the subkey name
    {"ZWCAD 2010", "HKEY_LOCAL_MACHINE/SOFTWARE/ZWSoft/*",
     "Location", "10", "2010", ZwCadClassic, 0x1300},
    {"ZWCAD 2011", "HKEY_LOCAL_MACHINE/SOFTWARE/ZWSoft/*",
     "Location", "11", "2011", ZwCadClassic, 0x1300},
    {"ZWCAD 2012", "HKEY_LOCAL_MACHINE/SOFTWARE/ZWSoft/*",
     "Location", "12", "2012", ZwCadClassic, 0x1300},
    {"ZWCAD Classic", "HKEY_LOCAL_MACHINE/SOFTWARE/ZWSoft/ZWCAD Classic Fra",
     "Location", "12", "2012", ZwCadClassic, 0x1300},
    // ZWCAD+ and ZWCAD 2017 onwards (2024 shares the 2023 modules)
    {"ZWCAD+ 2012", "HKEY_LOCAL_MACHINE/SOFTWARE/ZWSoft/ZWCAD/2012/*",
     "Location", "12p", nullptr, ZwCadPlus, 0x1300},
    {"ZWCAD+ 2014", "HKEY_LOCAL_MACHINE/SOFTWARE/ZWSoft/ZWCAD/2014/*",
     "Location", "14p", nullptr, ZwCadPlus, 0x1300},
    {"ZWCAD+ 2015", "HKEY_LOCAL_MACHINE/SOFTWARE/ZWSoft/ZWCAD/2015/*",
     "Location", "15p", nullptr, ZwCadPlus, 0x1300},
    {"ZWCAD 2017", "HKEY_LOCAL_MACHINE/SOFTWARE/ZWSoft/ZWCAD/2017/*",
     "Location", "17p", nullptr, ZwCadPlus, 0x1300},
    {"ZWCAD 2018", "HKEY_LOCAL_MACHINE/SOFTWARE/ZWSoft/ZWCAD/2018/*",
     "Location", "18p", nullptr, ZwCadPlus, 0x1300},
    {"ZWCAD 2019", "HKEY_LOCAL_MACHINE/SOFTWARE/ZWSoft/ZWCAD/2019/*",
     "Location", "19p", nullptr, ZwCadPlus, 0x1300},
    {"ZWCAD 2020", "HKEY_LOCAL_MACHINE/SOFTWARE/ZWSoft/ZWCAD/2020/*",
     "Location", "20p", nullptr, ZwCadPlus, 0x1300},
    {"ZWCAD 2021", "HKEY_LOCAL_MACHINE/SOFTWARE/ZWSoft/ZWCAD/2021/*",
     "Location", "21p", nullptr, ZwCadPlus, 0x1300},
    {"ZWCAD 2022", "HKEY_LOCAL_MACHINE/SOFTWARE/ZWSoft/ZWCAD/2022/*",
     "Location", "22p", nullptr, ZwCadPlus, 0x1300},
    {"ZWCAD 2023", "HKEY_LOCAL_MACHINE/SOFTWARE/ZWSoft/ZWCAD/2023/*",
     "Location", "23p", nullptr, ZwCadPlus, 0x1300},
    {"ZWCAD 2024", "HKEY_LOCAL_MACHINE/SOFTWARE/ZWSoft/ZWCAD/2024/*",
     "Location", "23p", nullptr, ZwCadPlus, 0x1300},
    {"ZWCAD 2025", "HKEY_LOCAL_MACHINE/SOFTWARE/ZWSoft/ZWCAD/2025/*",
     "Location", "25p", nullptr, ZwCadPlus, 0x1300},
    {"ZWCAD 2026", "HKEY_LOCAL_MACHINE/SOFTWARE/ZWSoft/ZWCAD/2026/*",
     "Location", "26p", nullptr, ZwCadPlus, 0x1300},
    // GstarCAD (2018 is registered under two key names)
    {"GstarCAD 2016", "HKEY_LOCAL_MACHINE/SOFTWARE/Gstarsoft/GstarCAD/R16.0/*",
     "Location", "16", nullptr, GstarCad, 0x1300},
    {"GstarCAD 2017", "HKEY_LOCAL_MACHINE/SOFTWARE/Gstarsoft/GstarCAD/R17.0/*",
     "Location", "17", nullptr, GstarCad, 0x1300},
    {"GstarCAD 2018", "HKEY_LOCAL_MACHINE/SOFTWARE/Gstarsoft/GstarCAD/R18.0/*",
     "Location", "18", nullptr, GstarCad, 0x1300},
    {"GstarCAD 2018", "HKEY_LOCAL_MACHINE/SOFTWARE/Gstarsoft/GstarCAD/R18/*",
     "Location", "18", nullptr, GstarCad, 0x1300},
    {"GstarCAD 2019", "HKEY_LOCAL_MACHINE/SOFTWARE/Gstarsoft/GstarCAD/R19/*",
     "Location", "19", nullptr, GstarCad, 0x1300},
    {"GstarCAD 2020", "HKEY_LOCAL_MACHINE/SOFTWARE/Gstarsoft/GstarCAD/R20/*",
     "Location", "20", nullptr, GstarCad, 0x1300},
    {"GstarCAD 2021", "HKEY_LOCAL_MACHINE/SOFTWARE/Gstarsoft/GstarCAD/R21/*",
     "Location", "21", nullptr, GstarCad, 0x1300},
    {"GstarCAD 2022", "HKEY_LOCAL_MACHINE/SOFTWARE/Gstarsoft/GstarCAD/R22/*",
     "Location", "22", nullptr, GstarCad, 0x1300},
    {"GstarCAD 2023", "HKEY_LOCAL_MACHINE/SOFTWARE/Gstarsoft/GstarCAD/R23/*",
     "Location", "23", nullptr, GstarCad, 0x1300},
    {"GstarCAD 2024", "HKEY_LOCAL_MACHINE/SOFTWARE/Gstarsoft/GstarCAD/R24/*",
     "Location", "24", nullptr, GstarCad, 0x1300},
    {"GstarCAD 2025", "HKEY_LOCAL_MACHINE/SOFTWARE/Gstarsoft/GstarCAD/R25/*",
     "Location", "25", nullptr, GstarCad, 0x1300},
    {"GstarCAD 2026", "HKEY_LOCAL_MACHINE/SOFTWARE/Gstarsoft/GstarCAD/R26/*",
     "Location", "26", nullptr, GstarCad, 0x1300},
    // IntelliCAD: no add-on module, so never detected
    {"IntelliCAD 7", "HKEY_LOCAL_MACHINE/SOFTWARE/ITC/*/${CurVer}",
     "InstallDir", "7", nullptr, IntelliCad, 0x0000},
    {"IntelliCAD 8", "HKEY_LOCAL_MACHINE/SOFTWARE/Watchtower/WTCAD/Watchtower CAD 2.0 Standard/2.0",
     "InstallDir", "8", nullptr, IntelliCad, 0x0000},
    {},
};
// clang-format on

namespace {
const HostVersion *rowsInUse = HostCatalogue;
} // namespace

const HostVersion *hostCatalogue() {
    return rowsInUse;
}

void useHostCatalogue(const HostVersion *rows) {
    rowsInUse = rows ? rows : HostCatalogue;
}

const HostVersion *findHostVersion(const char *name) {
    if (!name)
        return nullptr;
    for (const HostVersion *row = hostCatalogue(); row->displayName; ++row)
        if (StrEqual(row->displayName, name))
            return row;
    return nullptr;
}

const char *searchPathSection(HostFamily family) {
    switch (family) {
    case HostFamily::AutoCad:
    case HostFamily::AutoCadLt:
    case HostFamily::GstarCad:
        return "General";
    case HostFamily::BricsCad:
    case HostFamily::ZwCadClassic:
    case HostFamily::ZwCadPlus:
        return "Config";
    default:
        return nullptr;
    }
}

const char *searchPathValue(HostFamily family) {
    switch (family) {
    case HostFamily::AutoCad:
    case HostFamily::AutoCadLt:
        return "ACAD";
    case HostFamily::GstarCad:
        return "GCAD";
    case HostFamily::BricsCad:
        return "SRCHPATH";
    case HostFamily::ZwCadClassic:
    case HostFamily::ZwCadPlus:
        return "ZWCADSEARCHPATH";
    default:
        return nullptr;
    }
}
