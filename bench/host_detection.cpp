// Cost of one host detection over the whole catalogue on a sandbox machine whose registry holds
// 10 host installations among 100,000 unrelated keys (many of them where detection looks).
#include "hosts/host_detection.h"
#include "core/param_node.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// A sandbox folder made once for the whole run, written straight in the sandbox's own format
// (registry export file, drive folders) and removed at exit.
class BenchMachine {
public:
    BenchMachine() {
        root = fs::temp_directory_path() / ("veltra-bench-" + std::to_string(std::rand()));
        fs::create_directories(root / "drive_c" / "Veltra");
        setenv("VELTRA_ROOT", root.c_str(), 1);
        setenv("VELTRA_PROGRAM", "C:\\Veltra\\veltracfg.exe", 1);
        writeRegistry();
    }
    ~BenchMachine() { fs::remove_all(root); }

private:
    struct Installation {
        const char *key, *location, *exe;
        std::vector<const char *> modules;
        bool view32 = false;
    };

    void touch(const fs::path &file) { std::ofstream(file).put('\n'); }

    void writeRegistry() {
        const std::vector<Installation> installations = {
            {"Autodesk\\AutoCAD\\R24.3\\ACAD-7101:40C", "AcadLocation", "acad.exe", {"veltra24-64.arx"}},
            {"Autodesk\\AutoCAD\\R25.1\\ACAD-9101:40C", "AcadLocation", "acad.exe", {"veltra25-64.arx"}},
            {"Autodesk\\AutoCAD\\R23.1\\ACAD-3001:40C", "AcadLocation", "acad.exe", {"veltra23.arx"}, true},
            {"Autodesk\\AutoCAD LT\\R32\\ACADLT-9107:40C", "Location", "aclt.exe", {"veltra-64.exe"}},
            {"Bricsys\\Bricscad\\V24x64\\en_US", "InstallDir", "bricscad.exe", {"veltra24-64.brx"}},
            {"Bricsys\\Bricscad\\V19\\en_US", "InstallDir", "bricscad.exe", {"veltra19.brx"}, true},
            {"ZWSoft\\ZWCAD 2012 Fra", "Location", "zwcad.exe", {"veltrazrx12.dll"}, true},
            {"ZWSoft\\ZWCAD\\2024\\fr-FR", "Location", "zwcad.exe", {"veltra23p-64.zrx"}},
            {"Gstarsoft\\GstarCAD\\R25\\fr-FR", "Location", "gcad.exe", {"veltra25-64.grx"}},
            {"ITC\\IntelliCAD 7 Pro\\7.2", "InstallDir", "icad.exe", {"veltracad7.dll"}},
        };
        std::ofstream reg(root / "registry.reg", std::ios::binary);
        reg << "Windows Registry Editor Version 5.00\r\n";
        const std::string software = "HKEY_LOCAL_MACHINE\\SOFTWARE\\";
        for (std::size_t i = 0; i < installations.size(); ++i) {
            const Installation &host = installations[i];
            std::string folder = "Hosts\\" + std::to_string(i);
            fs::create_directories(root / "drive_c" / "Hosts" / std::to_string(i));
            touch(root / "drive_c" / "Hosts" / std::to_string(i) / host.exe);
            for (const char *module : host.modules)
                touch(root / "drive_c" / "Veltra" / module);
            reg << "\r\n[" << software << (host.view32 ? "Wow6432Node\\" : "") << host.key << "]\r\n\""
                << host.location << "\"=\"C:\\\\"
                << "Hosts\\\\" << i << "\"\r\n\"LangAbbrev\"=\"FRA\"\r\n";
        }
        reg << "\r\n[" << software << "ITC\\IntelliCAD 7 Pro]\r\n\"CurVer\"=\"7.2\"\r\n";
        // Unrelated keys: 1,000 beside the installations, the rest below other publishers.
        for (int i = 0; i < 250; ++i)
            for (const char *below : {"Autodesk\\AutoCAD\\R25.1\\Other", "ZWSoft\\Other",
                                      "Bricsys\\Bricscad\\V24x64\\Other", "Gstarsoft\\GstarCAD\\R25\\Other"})
                reg << "\r\n[" << software << below << i << "]\r\n\"Name\"=\"value " << i << "\"\r\n";
        for (int publisher = 0; publisher < 990; ++publisher)
            for (int product = 0; product < 100; ++product)
                reg << "\r\n[" << software << "Publisher" << publisher << "\\Product" << product
                    << "]\r\n\"Version\"=\"" << product << "\"\r\n";
    }

    fs::path root;
};

void detectHostsOnBusyMachine(benchmark::State &state) {
    static BenchMachine machine;
    ParamNode result("hosts", nullptr);
    detectHosts(result);
    if (result.ChildCount() != 9) {
        state.SkipWithError(
            ("expected 9 installations, found " + std::to_string(result.ChildCount())).c_str());
        return;
    }
    for (auto _ : state) {
        detectHosts(result);
        benchmark::DoNotOptimize(result.ChildCount());
    }
}
BENCHMARK(detectHostsOnBusyMachine)->Unit(benchmark::kMillisecond);

} // namespace
