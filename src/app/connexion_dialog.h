// The connexion dialog, the Configurator's one window: construction starts loading everything it
// shows (settings, command line, context, logo, languages, hosts) beside the window's creation, the
// dialog picks a host installation, a language, the module size and the start-up load, OK deploys,
// destruction saves the settings.
#pragma once

#include "app/background_start.h"
#include "app/connexion_steps.h"
#include "core/param_node.h"
#include "core/text_string.h"
#include "platform/dialog.h"
#include "widgets/node_combo.h"

class BmpImage;

// What OK runs to deploy the choice: deployConfiguration unless another was put in place (tests
// that watch the call). SetDeployment(null) restores it; the previous one is returned.
Deployment SetDeployment(Deployment deployment);

class ConnexionDialog : public os::DialogHandler {
public:
    // commandLine: the text after the program name, kept by the caller while the dialog lives.
    // Starts loading on a second thread, in this order: beforeLoading (when given), registry
    // settings, program folder, command line, context, "CfgPrf.ini", command-line overrides, logo,
    // "langues.ini", the module size default, the hosts detected. The dialog waits for the
    // loading when it initialises, and asks for the profile then when several exist.
    explicit ConnexionDialog(const char *commandLine, const std::function<void()> &beforeLoading = nullptr);
    // Waits for the loading (the standard profile when it asks for one), then writes the settings
    // back to the registry, after OK and Annuler alike.
    ~ConnexionDialog() override;
    ConnexionDialog(const ConnexionDialog &) = delete;
    ConnexionDialog &operator=(const ConnexionDialog &) = delete;

    // Runs the dialog modally; ID_BUTTON_OK after a deployment, ID_BUTTON_CANCEL, or -1.
    int Run();

    bool OnInitDialog(os::DialogWindow &dialog) override;
    void OnCommand(os::DialogWindow &dialog, int controlId, os::ControlEvent event) override;
    void OnOK(os::DialogWindow &dialog) override;
    void OnPaint(os::DialogWindow &dialog, os::DeviceContext context) override;

    // Enables OK, "64bit" and "Autoload" and sets the module size for the selected host.
    void updateHostDependentControls();

    const TextString &DrawingFiles() const { return drawingFiles; }
    int Use64() const { return use64; }

private:
    // The loading that the constructor starts (see there).
    void load(const char *commandLine, const ContextChooser &chooser);
    // Fills the host combo box with the hosts detected and selects the host chosen last.
    void fillHosts();
    // Data exchange of the two check boxes.
    void readChecks();
    void writeChecks();

    int has32 = 0;
    int has64 = 0;
    BmpImage *logo = nullptr; // kept by the image cache
    NodeCombo languageChoice;
    NodeCombo hostChoice;
    ParamNode hosts{nullptr, nullptr};
    ParamNode languages{nullptr, nullptr};
    TextString drawingFiles;
    TextString programFolderText;
    // The controls, while the dialog runs.
    os::CheckBox *autoloadButton = nullptr;
    os::Button *optionsButton = nullptr;
    os::CheckBox *use64Button = nullptr;
    os::Button *okButton = nullptr;
    os::Button *cancelButton = nullptr;
    os::Window *logoFrame = nullptr;
    os::ComboBox *languageCombo = nullptr;
    os::ComboBox *hostCombo = nullptr;
    int use64 = 0;
    int autoload = 0;
    int icon = IDI_PROGRAM;
    // Last: its thread starts once everything above is constructed, and ends before it is destroyed.
    BackgroundStart loading;
};

// The program: rolls back a run cut short, completes the host catalogue with the program folder's
// catalogue file, runs the connexion dialog on commandLine (the text after the program name) and
// gives the exit code, 0 after OK, 1 after Annuler or closing. openLog, when given, comes first, on
// the loading's thread.
int runConfigurator(const char *commandLine, void (*openLog)() = nullptr);
