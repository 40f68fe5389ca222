// Paths handed to the Windows file API: separators turned, and the long-path prefix exactly where a
// classic limit would be met, on a canonical path.
#include "platform/win32/long_path.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string segments(const char *name, int count) {
    std::string path;
    for (int index = 0; index < count; ++index)
        path += std::string(name) + "\\";
    return path;
}

} // namespace

TEST(WindowsPath, PrefixesOnlyAbsolutePathsThatMeetAClassicLimit) {
    std::string deep = segments("Dossier de configuration", 12) + "CfgPrf.ini"; // 310 characters
    std::wstring wideDeep(deep.begin(), deep.end());
    struct Case {
        std::string path;
        std::wstring expected;
    } cases[] = {
        {"C:/Program Files/Veltra/system", L"C:\\Program Files\\Veltra\\system"},
        {"relative/" + deep, L"relative\\" + wideDeep},
        {"C:\\" + deep, L"\\\\?\\C:\\" + wideDeep},
        {"C:/" + std::string("x\\..\\") + deep, L"\\\\?\\C:\\" + wideDeep},
        {"\\\\serveur\\partage\\" + deep, L"\\\\?\\UNC\\serveur\\partage\\" + wideDeep},
        {"\\\\?\\C:\\court", L"\\\\?\\C:\\court"},
    };
    for (const Case &item : cases)
        EXPECT_EQ(os::windowsPath(item.path.c_str()), item.expected) << item.path;
    // The last length left alone, and the first one prefixed.
    std::string edge = "C:\\" + std::string(244, 'a');
    EXPECT_EQ(os::windowsPath(edge.c_str()).size(), 247u);
    EXPECT_EQ(os::windowsPath((edge + "b").c_str()).substr(0, 4), L"\\\\?\\");
}
