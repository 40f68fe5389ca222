// The connexion dialog: its construction and destruction, initialisation, host pre-selection,
// the controls that follow the selected host, OK and the logo (see connexion_dialog.h).
#include "app/connexion_dialog.h"

#include "app/connexion_steps.h"
#include "hosts/catalogue_file.h"
#include "hosts/host_detection.h"
#include "hosts/running_host.h"
#include "install/install_settings.h"
#include "files/file_utils.h"
#include "integration/deployment.h"
#include "journal/change_layer.h"
#include "journal/undo.h"
#include "registry/registry_setting.h"
#include "vars/own_data.h"
#include "vars/shell_folders.h"
#include "widgets/bmp_image.h"
#include "widgets/choice_dialog.h"
#include "widgets/dialog_runner.h"
#include "widgets/message_dialog.h"

namespace {

// The publisher's web address, shown in the title after the product name.
const char *const publisherAddress = "www.veltra.example";

Deployment currentDeployment = deployConfiguration;

// The context picked by the user among several, in the choice dialog.
const char *chooseProfile(NodeList profiles) {
    return ChooseFromList("Profil applicatif", "S\xE9lectionnez le profil \xE0 configurer", profiles, true,
                          nullptr, nullptr, 1, -1);
}

// Asks the user to close the host while it runs: true once it is closed, false when the user
// gives up (Annuler), back to the connexion dialog.
bool hostClosedFirst(const ParamNode &host) {
    while (hostIsRunning(host)) {
        std::string text = std::string(host.Value()) +
                           " est ouvert.\nFermez-le d'abord : en se fermant, il r\xE9\xE9" "crit son profil et la "
                           "connexion de Veltra serait perdue.\n\nOK : v\xE9rifier \xE0 nouveau.\nAnnuler : revenir "
                           "au choix de l'application.";
        if (ShowMessage("Application CAO ouverte", text.c_str(), true, nullptr, "Annuler", false) == 0)
            return false;
    }
    return true;
}

} // namespace

Deployment SetDeployment(Deployment deployment) {
    Deployment previous = currentDeployment;
    currentDeployment = deployment != nullptr ? deployment : deployConfiguration;
    return previous;
}

ConnexionDialog::ConnexionDialog(const char *commandLine, const std::function<void()> &beforeLoading)
    : loading([this, commandLine, beforeLoading](const ContextChooser &chooser) {
          if (beforeLoading)
              beforeLoading();
          load(commandLine, chooser);
      }) {}

ConnexionDialog::~ConnexionDialog() {
    loading.finish(nullptr);
    saveRegistrySettings();
}

void ConnexionDialog::load(const char *commandLine, const ContextChooser &chooser) {
    loadConnexionState(commandLine, chooser, programFolderText, drawingFiles);
    TextString path;
    AssignProgramDir(path, "vltprd.bmp", "imgmenu");
    logo = getBmpImage(path.CStr(), true);
    loadLanguagesAndModuleSize(languages);
    use64 = Vers64;
    detectHosts(hosts);
    os::prepareDialogIcon(icon);
    for (int buttonIcon : {IDI_OPTIONS, IDI_OK, IDI_CANCEL})
        os::prepareButtonIcon(buttonIcon);
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
    loading.finish(chooseProfile);
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
    preselectLanguage(languageChoice, languages);

    updateHostDependentControls();
    return true;
}

void ConnexionDialog::fillHosts() {
    hostChoice.Attach(hostCombo);
    hostChoice.Bind(hosts.Children(), false);
    hostChoice.SelectNode(preselectedHost(hosts));
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
    if (host->GetHandle("CDINF", 0) == 0)
        return;

    // The user's choice of size is remembered only while both sizes were possible.
    if (has32 && has64)
        Vers64 = use64;
    ModuleSizes sizes = moduleSizesOf(*host);
    has32 = sizes.has32 ? 1 : 0;
    has64 = sizes.has64 ? 1 : 0;

    use64Button->Enable(sizes.choosable());
    autoloadButton->Enable(autoloadOffered(*host));
    use64 = moduleSizeToUse(sizes, Vers64);
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
    if (language == nullptr || host == nullptr || !hostClosedFirst(*host))
        return;

    confirmConnexion(*host, *language, use64 != 0, autoload != 0, drawingFiles.CStr(), programFolderText.CStr(),
                     currentDeployment);
    dialog.EndDialog(ID_BUTTON_OK);
}

void ConnexionDialog::OnPaint(os::DialogWindow &dialog, os::DeviceContext context) {
    if (logo == nullptr || logoFrame == nullptr)
        return;
    os::Box frame = dialog.ToClient(logoFrame->GetBox(false));
    // A box's right and bottom edges lie outside it; drawBmp takes the last pixel inside.
    drawBmp(*logo, context, frame.left, frame.top, frame.right - 1, frame.bottom - 1);
}

int runConfigurator(const char *commandLine, void (*openLog)()) {
    int result;
    {
        ConnexionDialog dialog(commandLine, [openLog] {
            if (openLog != nullptr)
                openLog();
            // A run cut short (crash, kill, power cut) is rolled back before anything else, then
            // every change of this run is journaled, the settings saved when the dialog ends
            // included.
            std::string journal = journalFolder();
            journal::recoverUnfinishedRuns(journal);
            journal::beginRun(journal::Mode::Apply, journal);
            // The catalogue is complete before anything refers to its rows.
            loadHostCatalogue();
        });
        result = dialog.Run() == ID_BUTTON_OK ? 0 : 1;
    }
    journal::endRun();
    return result;
}
