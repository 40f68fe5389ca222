// The connexion's steps without a window (see connexion_steps.h).
#include "app/connexion_steps.h"

#include "app/command_line.h"
#include "core/param_node.h"
#include "core/text_functions.h"
#include "core/text_string.h"
#include "hosts/host_version.h"
#include "install/install_description.h"
#include "install/install_settings.h"
#include "install/param_file.h"
#include "files/file_utils.h"
#include "registry/registry_setting.h"
#include "registry/registry_view.h"
#include "widgets/node_combo.h"

namespace {

// The first host whose child field holds exactly text, or null.
ParamNode *hostWith(const ParamNode &hosts, const char *field, const char *text) {
    for (NodeCell *cell = hosts.Children(); cell != nullptr; cell = cell->next)
        if (StrEqual(ParamNodeOf(cell)->GetText(field, nullptr), text))
            return ParamNodeOf(cell);
    return nullptr;
}

// The context named by appArgs, or the only one, or the one chooser picks among several; sets
// currentContext as it goes. appArgs loses its text when it holds nothing but the context.
void chooseContext(TextString &appArgs, TextString &contextName, const ContextChooser &chooser,
                   const char *programFolder) {
    if (!IsBlank(appArgs.CStr())) {
        int equalsCount = 0;
        extractContext(appArgs.CStr(), contextName, nullptr, &equalsCount);
        if (equalsCount == 0)
            appArgs.Clear();
        currentContext.Assign(contextName.CStr());
        return;
    }
    ParamNode contexts(nullptr, nullptr);
    int count = listContexts(contexts, programFolder, true);
    if (count == 1) {
        contextName.Assign(contexts.ChildAt(0)->Name());
    } else if (count > 1 && chooser != nullptr) {
        NodeList profiles = contexts.Children(true);
        const char *chosen = chooser(profiles);
        if (chosen != nullptr) {
            contextName.Assign(chosen);
            currentContext.Assign(chosen);
        }
    }
}

} // namespace

int windowsBitness() {
    return is64BitWindows();
}

void loadConnexionState(const char *commandLine, const ContextChooser &chooser, TextString &programFolder,
                        TextString &drawingFiles, bool createSettingsKey) {
    loadRegistrySettings(createSettingsKey);
    AssignProgramDir(programFolder);

    TextString hostArgs, appArgs, drawings;
    splitCommandLine(commandLine, hostArgs, appArgs, drawings);
    currentContext.Clear();
    drawingFiles.Assign(drawings.CStr());

    TextString contextName;
    chooseContext(appArgs, contextName, chooser, programFolder.CStr());

    TextString path;
    configPath(path, programFolder.CStr(), connexionSettingsFile, "GenAuto");
    ParamNode saved(nullptr, nullptr);
    loadParamFile(saved, path.CStr());
    if (saved.ChildCount() > 0) {
        loadConnexionSettings(saved);
    } else {
        ArgsCAD.Clear();
        ArgsAPP.Clear();
    }

    if (!IsBlank(hostArgs.CStr()))
        ArgsCAD.Assign(hostArgs.CStr());
    if (!IsBlank(appArgs.CStr()))
        ArgsAPP.Assign(appArgs.CStr());

    // The context of the run goes into the add-on's and the host's arguments unless the add-on's
    // arguments already name it.
    if (!IsBlank(contextName.CStr())) {
        TextString named;
        const char *stored = extractContext(ArgsAPP.CStr(), named, nullptr, nullptr);
        if (!StrEqual(stored, contextName.CStr())) {
            ArgsAPP.Assign("CTX = ");
            ArgsAPP.Append(contextName.CStr());
            ArgsCAD.Assign("/P ");
            ArgsCAD.Append(contextName.CStr());
        }
    }
    currentContext.Clear();
}

void loadLanguagesAndModuleSize(ParamNode &languages) {
    TextString path;
    AssignProgramDir(path, "langues.ini", "system");
    loadParamFile(languages, path.CStr());
    if (Vers64 < 0)
        Vers64 = windowsBitness() == 64 ? 1 : 0;
}

ParamNode *preselectedHost(const ParamNode &hosts) {
    ParamNode *chosen = nullptr;
    if (!IsBlank(ChoixCADReg.CStr()))
        chosen = hostWith(hosts, "TETEREL", ChoixCADReg.CStr());
    if (chosen == nullptr && !IsBlank(ChoixCAD.CStr()))
        chosen = hostWith(hosts, "CIBLE", ChoixCAD.CStr());
    if (chosen == nullptr)
        chosen = hosts.ChildAt(0);
    return chosen;
}

void preselectLanguage(NodeCombo &languageChoice, const ParamNode &languages) {
    if (IsBlank(ChoixLG.CStr()) && languages.ChildCount() > 0)
        languageChoice.SelectNode(languages.ChildAt(0));
    else
        languageChoice.SelectByName(ChoixLG.CStr());
}

ModuleSizes moduleSizesOf(const ParamNode &host) {
    ModuleSizes sizes;
    sizes.has32 = !IsBlank(host.GetText("AP32", nullptr));
    sizes.has64 = !IsBlank(host.GetText("AP64", nullptr)) && windowsBitness() != 32;
    return sizes;
}

int moduleSizeToUse(ModuleSizes sizes, int preferred64) {
    if (sizes.has64 && !sizes.has32)
        return 1;
    if (sizes.has32 && !sizes.has64)
        return 0;
    return preferred64;
}

bool autoloadOffered(const ParamNode &host) {
    const auto *version = reinterpret_cast<const HostVersion *>(host.GetHandle("CDINF", 0));
    return version != nullptr && version->startupVariant() != 1;
}

void confirmConnexion(const ParamNode &host, const ParamNode &language, bool use64, bool autoload,
                      const char *drawingFiles, const char *programFolder, Deployment deploy) {
    ChoixCAD.Assign(host.GetText("CIBLE", nullptr));
    ChoixCADReg.Assign(host.GetText("TETEREL", nullptr));
    ChoixLG.Assign(language.Name());

    TextString name;
    currentContext.Assign(extractContext(ArgsAPP.CStr(), name, nullptr, nullptr));

    ParamNode settings(nullptr, nullptr);
    saveConnexionSettings(settings);
    TextString path;
    configPath(path, programFolder, connexionSettingsFile, "GenAuto");
    ensureFolderFor(path.CStr(), true);
    saveParamFile(settings, path.CStr());

    deploy(host, language, use64, drawingFiles, autoload);
}
