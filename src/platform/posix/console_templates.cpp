// The console dialog templates of the program's dialogs (the Windows ones are in resources.rc).
#include "platform/posix/console_templates.h"

#include "platform/resource_ids.h"

namespace os {

namespace {

const ConsoleControlTemplate okButton{ID_BUTTON_OK, ConsoleKind::Button, "OK", "ok", false, false};
const ConsoleControlTemplate cancelButton{
    ID_BUTTON_CANCEL, ConsoleKind::Button, "Annule", "cancel", false, false};

const std::vector<ConsoleDialogTemplate> templates{
    {IDD_CHOICE,
     "Choisissez votre donn\xE9"
     "es",
     {
         {IDC_CHOICE_PROMPT, ConsoleKind::Edit, "", nullptr, true, false},
         {IDC_CHOICE_FILTER, ConsoleKind::Edit, "", "filter", false, false},
         {IDC_CHOICE_LIST, ConsoleKind::ListBox, "", "select", true, true},
         okButton,
         cancelButton,
     }},
    {IDD_CONNEXION,
     "Configuration - connexion",
     {
         {IDC_CONNEXION_LOGO, ConsoleKind::Edit, "logo 430x95", nullptr, false, false},
         {IDC_CONNEXION_HOSTS, ConsoleKind::ComboBox, "", "host", true, false},
         {IDC_CONNEXION_LANGUAGES, ConsoleKind::ComboBox, "", "language", true, true},
         {IDC_CONNEXION_AUTOLOAD, ConsoleKind::CheckBox, "Autoload", "autoload", true, false},
         {IDC_CONNEXION_64BIT, ConsoleKind::CheckBox, "64bit", "64bit", true, false},
         {IDC_CONNEXION_OPTIONS, ConsoleKind::Button, "", nullptr, false, false},
         {ID_BUTTON_OK, ConsoleKind::Button, "OK", "ok", true, false},
         {ID_BUTTON_CANCEL, ConsoleKind::Button, "Annuler", "cancel", false, false},
     }},
    {IDD_MESSAGE,
     "Confirmation",
     {
         {IDC_MESSAGE_TEXT, ConsoleKind::Edit, "", nullptr, true, false},
         okButton,
         cancelButton,
     }},
};

} // namespace

const ConsoleDialogTemplate *findConsoleTemplate(int id) {
    for (const ConsoleDialogTemplate &dialog : templates)
        if (dialog.id == id)
            return &dialog;
    return nullptr;
}

} // namespace os
