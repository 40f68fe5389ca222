// The accessible names of the dialogs' controls (see accessible_names.h).
#include "platform/accessible_names.h"

#include "platform/resource_ids.h"

namespace os {

namespace {

struct AccessibleName {
    int dialogId;
    int controlId;
    const char *name;
};

const AccessibleName kNames[] = {
    {IDD_CONNEXION, IDC_CONNEXION_LOGO, "Logo Veltra"},
    {IDD_CONNEXION, IDC_CONNEXION_HOSTS, "Application CAO"},
    {IDD_CONNEXION, IDC_CONNEXION_LANGUAGES, "Langue"},
    {IDD_CONNEXION, IDC_CONNEXION_OPTIONS, "Options"},
    {IDD_CHOICE, IDC_CHOICE_PROMPT, "Consigne"},
    {IDD_CHOICE, IDC_CHOICE_FILTER, "Contenant"},
    {IDD_CHOICE, IDC_CHOICE_LIST, "Choix possibles"},
    {IDD_MESSAGE, IDC_MESSAGE_TEXT, "Message"},
};

} // namespace

const char *accessibleName(int dialogId, int controlId) {
    for (const AccessibleName &entry : kNames)
        if (entry.dialogId == dialogId && entry.controlId == controlId)
            return entry.name;
    return nullptr;
}

} // namespace os
