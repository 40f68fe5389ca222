// veltractl hosts and veltractl languages: the detected hosts in the dialog's order and the
// languages in the order the dialog shows them.
#include "app/connexion_steps.h"
#include "core/param_node.h"
#include "core/text_functions.h"
#include "core/text_string.h"
#include "ctl/ctl_choices.h"
#include "ctl/ctl_commands.h"
#include "ctl/ctl_output.h"
#include "ctl/veltractl.h"
#include "hosts/host_detection.h"
#include "install/param_file.h"
#include "files/file_utils.h"
#include "registry/registry_setting.h"

namespace {

const char *familyName(HostFamily family) {
    switch (family) {
    case HostFamily::AutoCad:
        return "AutoCAD";
    case HostFamily::AutoCadLt:
        return "AutoCAD LT";
    case HostFamily::BricsCad:
        return "BricsCAD";
    case HostFamily::ZwCadClassic:
        return "ZWCAD Classic";
    case HostFamily::ZwCadPlus:
        return "ZWCAD";
    case HostFamily::IntelliCad:
        return "IntelliCAD";
    case HostFamily::GstarCad:
        return "GstarCAD";
    default:
        return "";
    }
}

std::string textOrNone(const char *text) {
    return IsBlank(text) ? std::string("(aucun)") : std::string(text);
}

} // namespace

int listHosts(const CtlOptions &options) {
    loadRegistrySettings(false);
    ParamNode hosts(nullptr, nullptr);
    detectHosts(hosts);
    Json list = Json::array();
    std::string text;
    int number = 0;
    for (const ParamNode *host : hostEntries(hosts)) {
        const auto *row = reinterpret_cast<const HostVersion *>(host->GetHandle("CDINF", 0));
        const char *family = row != nullptr ? familyName(row->family) : "";
        ModuleSizes sizes = moduleSizesOf(*host);
        bool autoload = autoloadOffered(*host);
        list.push_back({{"number", ++number},
                        {"entry", utf8Of(host->Value())},
                        {"family", family},
                        {"registryKey", utf8Of(host->GetText("TETE", ""))},
                        {"executable", utf8Of(host->GetText("CIBLE", ""))},
                        {"launcher", utf8Of(host->GetText("CIBLEBIS", ""))},
                        {"module32", utf8Of(sizes.has32 ? host->GetText("AP32", "") : "")},
                        {"module64", utf8Of(sizes.has64 ? host->GetText("AP64", "") : "")},
                        {"autoloadOffered", autoload}});
        text += std::to_string(number) + ". " + textOrNone(host->Value()) + "\n";
        text += std::string("   famille : ") + family + "\n";
        text += "   cl\xE9 de registre : " + textOrNone(host->GetText("TETE", "")) + "\n";
        text += "   ex\xE9" "cutable : " + textOrNone(host->GetText("CIBLE", "")) + "\n";
        text += "   lanceur : " + textOrNone(host->GetText("CIBLEBIS", "")) + "\n";
        text += "   module 32 bits : " + textOrNone(sizes.has32 ? host->GetText("AP32", "") : "") + "\n";
        text += "   module 64 bits : " + textOrNone(sizes.has64 ? host->GetText("AP64", "") : "") + "\n";
        text += std::string("   Autoload propos\xE9 : ") + (autoload ? "oui" : "non") + "\n";
    }
    if (options.json)
        printJson({{"hosts", list}});
    else
        printText(number == 0 ? "Aucun h\xF4te d\xE9tect\xE9.\n" : text);
    return ctlDone;
}

int listLanguages(const CtlOptions &options) {
    ParamNode languages(nullptr, nullptr);
    TextString path;
    AssignProgramDir(path, "langues.ini", "system");
    loadParamFile(languages, path.CStr());
    Json list = Json::array();
    std::string text;
    int number = 0;
    for (const ParamNode *language : languageEntries(languages)) {
        list.push_back({{"number", ++number}, {"code", utf8Of(language->Name())}, {"name", utf8Of(language->Value())}});
        text += std::to_string(number) + ". " + language->Name() + " " + (language->Value() ? language->Value() : "") +
                "\n";
    }
    if (options.json)
        printJson({{"languages", list}});
    else
        printText(number == 0 ? "Aucune langue.\n" : text);
    return ctlDone;
}
