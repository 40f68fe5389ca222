// The choice dialog: the user picks one node of a NodeList from a sorted list box narrowed by a
// live filter. ChooseFromList is the way the program asks for such a choice.
#pragma once

#include "core/node_list.h"
#include "core/text_string.h"
#include "platform/dialog.h"
#include "widgets/anchor_layout.h"

class ParamNode;

// Runs the choice dialog on the nodes of list, each shown as "name : value" (nameFirst 1) or
// "value : name" (nameFirst 0). Gives the chosen node's value (effective mode 0) or name (any
// other mode), the effective mode being resultMode, or nameFirst when resultMode is negative;
// the text stays valid until the next call. Null when cancelled, when nothing was selected, or
// for an empty list (which shows the notice "Vous ne poss\xE9dez pas d'objets" instead). With
// freeList the list's nodes and cells are destroyed afterwards in every case. Null captions
// keep the dialog's own. Title, prompt and captions are the program's own texts (code page
// 1252); the entries' texts are in the system's code page.
const char *ChooseFromList(const char *title, const char *prompt, NodeList &list, bool freeList,
                           const char *okCaption, const char *cancelCaption, int nameFirst, int resultMode);

// The dialog itself (template IDD_CHOICE). The caller gives the texts, sets the items, runs it
// and reads the choice.
class ChoiceDialog : public os::DialogHandler {
public:
    // Null texts keep the dialog's own; preselection names the entry selected at first (null: the
    // first entry).
    ChoiceDialog(const char *title, const char *prompt, const char *okCaption, const char *cancelCaption,
                 bool hideCancel, const char *preselection = nullptr);
    ~ChoiceDialog() override;
    ChoiceDialog(const ChoiceDialog &) = delete;
    ChoiceDialog &operator=(const ChoiceDialog &) = delete;

    // One item per node of list (which must outlive the dialog), shown as ChooseFromList says.
    void SetItems(NodeList list, int nameFirst, int resultMode);
    // Runs the dialog modally; gives its result (ID_BUTTON_OK, ID_BUTTON_CANCEL, or -1).
    int Run();

    // After an OK with a selected entry: true, the chosen text and the entry's node.
    bool Chosen() const { return chosen; }
    const char *ChosenText() const { return chosenText.CStr(); }
    ParamNode *ChosenNode() const { return chosenNode; }

    bool OnInitDialog(os::DialogWindow &dialog) override;
    void OnCommand(os::DialogWindow &dialog, int controlId, os::ControlEvent event) override;
    void OnOK(os::DialogWindow &dialog) override;
    void OnSize(os::DialogWindow &dialog) override;
    void OnDpiChanged(os::DialogWindow &dialog, int newDpi, int oldDpi) override;

private:
    // Refills the list box with the items whose text holds the filter, then selects the
    // preselected entry or the first one.
    void Fill(os::DialogWindow &dialog);
    // Lets the list box scroll to the end of its widest item, in the list's current font.
    void SetListExtent(os::ListBox &list) const;

    const char *title;
    const char *prompt;
    const char *preselection;
    const char *okCaption;
    const char *cancelCaption;
    bool hideCancel;
    NodeList items = nullptr; // owned ChoiceItems
    int nameFirst = 0;
    int resultMode = -1;
    bool filled = false; // the items came from a list of nodes
    TextString chosenText;
    ParamNode *chosenNode = nullptr;
    bool chosen = false;
    AnchorLayout layout;
};
