// The connexion dialog: its construction and destruction, initialisation, host pre-selection,
// the controls that follow the selected host, OK and the logo (see connexion_dialog.h).
#include "app/connexion_dialog.h"

#include "app/command_line.h"
#include "core/text_functions.h"
#include "hosts/catalogue_file.h"
#include "hosts/host_detection.h"
#include "install/install_description.h"
#include "install/install_settings.h"
#include "install/param_file.h"
#include "files/file_utils.h"
#include "integration/deployment.h"
#include "journal/change_layer.h"
#include "journal/undo.h"
#include "registry/registry_setting.h"
#include "registry/registry_view.h"
#include "vars/own_data.h"
#include "vars/shell_folders.h"
#include "widgets/bmp_image.h"
#include "widgets/choice_dialog.h"
#include "widgets/dialog_runner.h"

#include <cstring>

namespace {

// The publisher's web address, shown in the title after the product name.
const char *const publisherAddress = "www.veltra.example";

Deployment currentDeployment = deployConfiguration;

// The first host whose child field holds exactly text, or null.
ParamNode *hostWith(const ParamNode &hosts, const char *field, const char *text) {
    for (NodeCell *cell = hosts.Children(); cell != nullptr; cell = cell->next)
        if (StrEqual(ParamNodeOf(cell)->GetText(field, nullptr), text))
            return ParamNodeOf(cell);
    return nullptr;
}

} // namespace

int windowsBitness() {
    return is64BitWindows();
}

Deployment SetDeployment(Deployment deployment) {
    Deployment previous = currentDeployment;
    currentDeployment = deployment != nullptr ? deployment : deployConfiguration;
    return previous;
}

ConnexionDialog::ConnexionDialog(const char *commandLine) {
    loadRegistrySettings();
    AssignProgramDir(programFolderText);

    TextString hostArgs, appArgs, drawings;
    splitCommandLine(commandLine, hostArgs, appArgs, drawings);
    currentContext.Clear();
    drawingFiles.Assign(drawings.CStr());

    TextString contextName;
    chooseContext(appArgs, contextName);

    TextString path;
    configPath(path, programFolderText.CStr(), connexionSettingsFile, "GenAuto");
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

    AssignProgramDir(path, "vltprd.bmp", "imgmenu");
    logo = getBmpImage(path.CStr(), true);
    AssignProgramDir(path, "langues.ini", "system");
    loadParamFile(languages, path.CStr());

    has32 = has64 = 0;
    if (Vers64 < 0)
        Vers64 = windowsBitness() == 64 ? 1 : 0;
    use64 = Vers64;
}

void ConnexionDialog::chooseContext(TextString &appArgs, TextString &contextName) {
    if (!IsBlank(appArgs.CStr())) {
        int equalsCount = 0;
        extractContext(appArgs.CStr(), contextName, nullptr, &equalsCount);
        if (equalsCount == 0)
            appArgs.Clear();
        currentContext.Assign(contextName.CStr());
        return;
    }
    ParamNode contexts(nullptr, nullptr);
    int count = listContexts(contexts, programFolderText.CStr(), true);
    if (count == 1) {
        contextName.Assign(contexts.ChildAt(0)->Name());
    } else if (count > 1) {
        NodeList profiles = contexts.Children(true);
        const char *chosen = ChooseFromList("Profil applicatif", "S\xE9lectionnez le profil \xE0 configurer",
                                            profiles, true, nullptr, nullptr, 1, -1);
        if (chosen != nullptr) {
            contextName.Assign(chosen);
            currentContext.Assign(chosen);
        }
    }
}

ConnexionDialog::~ConnexionDialog() {
    saveRegistrySettings();
}

int ConnexionDialog::Run() {
    int result = RunDialog(IDD_CONNEXION, *this);
    hostChoice.Attach(nullptr);
    languageChoice.Attach(nullptr);
    autoloadButton = use64Button = nullptr;
    optionsButton = okButton = cancelButton = nullptr;
    logoFrame = nullptr;
    languageCombo = hostCombo = nullptr;
    return result;
}

bool ConnexionDialog::OnInitDialog(os::DialogWindow &dialog) {
    autoloadButton = dialog.ControlAs<os::CheckBox>(IDC_CONNEXION_AUTOLOAD);
    optionsButton = dialog.ControlAs<os::Button>(IDC_CONNEXION_OPTIONS);
    use64Button = dialog.ControlAs<os::CheckBox>(IDC_CONNEXION_64BIT);
    okButton = dialog.ControlAs<os::Button>(ID_BUTTON_OK);
    cancelButton = dialog.ControlAs<os::Button>(ID_BUTTON_CANCEL);
    logoFrame = dialog.Control(IDC_CONNEXION_LOGO);
    languageCombo = dialog.ControlAs<os::ComboBox>(IDC_CONNEXION_LANGUAGES);
    hostCombo = dialog.ControlAs<os::ComboBox>(IDC_CONNEXION_HOSTS);
    if (!autoloadButton || !optionsButton || !use64Button || !okButton || !cancelButton || !logoFrame ||
        !languageCombo || !hostCombo) {
        dialog.EndDialog(-1);
        return true;
    }
    writeChecks();

    TextString title(productName().CStr());
    title.Append(" - ");
    title.Append(publisherAddress);
    dialog.SetText(title.CStr());

    dialog.SetIcon(icon);
    optionsButton->SetIcon(IDI_OPTIONS);
    optionsButton->Show(false);
    okButton->SetIcon(IDI_OK);
    cancelButton->SetIcon(IDI_CANCEL);

    fillHosts();

    languageChoice.Attach(languageCombo);
    languageChoice.Bind(languages.Children(), false);
    if (IsBlank(ChoixLG.CStr()) && languages.ChildCount() > 0)
        languageChoice.SelectNode(languages.ChildAt(0));
    else
        languageChoice.SelectByName(ChoixLG.CStr());

    updateHostDependentControls();
    return true;
}

void ConnexionDialog::fillHosts() {
    detectHosts(hosts);
    hostChoice.Attach(hostCombo);
    hostChoice.Bind(hosts.Children(), false);

    ParamNode *chosen = nullptr;
    if (!IsBlank(ChoixCADReg.CStr()))
        chosen = hostWith(hosts, "TETEREL", ChoixCADReg.CStr());
    if (chosen == nullptr && !IsBlank(ChoixCAD.CStr()))
        chosen = hostWith(hosts, "CIBLE", ChoixCAD.CStr());
    if (chosen == nullptr)
        chosen = hosts.ChildAt(0);
    hostChoice.SelectNode(chosen);
}

void ConnexionDialog::readChecks() {
    if (use64Button != nullptr)
        use64 = use64Button->GetCheck();
    if (autoloadButton != nullptr)
        autoload = autoloadButton->GetCheck();
}

void ConnexionDialog::writeChecks() {
    if (use64Button != nullptr)
        use64Button->SetCheck(use64);
    if (autoloadButton != nullptr)
        autoloadButton->SetCheck(autoload);
}

void ConnexionDialog::updateHostDependentControls() {
    if (okButton == nullptr)
        return;
    readChecks();
    const ParamNode *host = hostChoice.SelectedNode();
    okButton->Enable(host != nullptr);
    if (host == nullptr)
        return;
    const auto *version = reinterpret_cast<const HostVersion *>(host->GetHandle("CDINF", 0));
    if (version == nullptr)
        return;

    // The user's choice of size is remembered only while both sizes were possible.
    if (has32 && has64)
        Vers64 = use64;
    has32 = IsBlank(host->GetText("AP32", nullptr)) ? 0 : 1;
    has64 = IsBlank(host->GetText("AP64", nullptr)) ? 0 : 1;
    if (windowsBitness() == 32)
        has64 = 0;

    use64Button->Enable(false);
    autoloadButton->Enable(version->startupVariant() != 1);
    if (has64 && !has32) {
        use64 = 1;
    } else if (has32 && !has64) {
        use64 = 0;
    } else {
        use64 = Vers64;
        use64Button->Enable(true);
    }
    writeChecks();
}

void ConnexionDialog::OnCommand(os::DialogWindow &, int controlId, os::ControlEvent event) {
    if (controlId == IDC_CONNEXION_HOSTS && event == os::ControlEvent::SelectionChanged)
        updateHostDependentControls();
}

void ConnexionDialog::OnOK(os::DialogWindow &dialog) {
    updateHostDependentControls();
    const ParamNode *language = languageChoice.SelectedNode();
    const ParamNode *host = hostChoice.SelectedNode();
    if (language == nullptr || host == nullptr)
        return;

    ChoixCAD.Assign(host->GetText("CIBLE", nullptr));
    ChoixCADReg.Assign(host->GetText("TETEREL", nullptr));
    ChoixLG.Assign(language->Name());

    TextString name;
    currentContext.Assign(extractContext(ArgsAPP.CStr(), name, nullptr, nullptr));

    ParamNode settings(nullptr, nullptr);
    saveConnexionSettings(settings);
    TextString path;
    configPath(path, programFolderText.CStr(), connexionSettingsFile, "GenAuto");
    ensureFolderFor(path.CStr(), true);
    saveParamFile(settings, path.CStr());

    currentDeployment(*host, *language, use64 != 0, drawingFiles.CStr(), autoload != 0);
    dialog.EndDialog(ID_BUTTON_OK);
}

void ConnexionDialog::OnPaint(os::DialogWindow &dialog, os::DeviceContext context) {
    if (logo == nullptr || logoFrame == nullptr)
        return;
    os::Box frame = dialog.ToClient(logoFrame->GetBox(false));
    // A box's right and bottom edges lie outside it; drawBmp takes the last pixel inside.
    drawBmp(*logo, context, frame.left, frame.top, frame.right - 1, frame.bottom - 1);
}

int runConfigurator(const char *commandLine) {
    // A run cut short (crash, kill, power cut) is rolled back before anything else, then every
    // change of this run is journaled, the settings saved when the dialog ends included.
    std::string journal = journalFolder();
    journal::recoverUnfinishedRuns(journal);
    journal::beginRun(journal::Mode::Apply, journal);
    // The catalogue is complete before anything refers to its rows.
    loadHostCatalogue();
    int result;
    {
        ConnexionDialog dialog(commandLine);
        result = dialog.Run() == ID_BUTTON_OK ? 0 : 1;
    }
    journal::endRun();
    return result;
}
