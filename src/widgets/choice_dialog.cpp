// The choice dialog and ChooseFromList (see choice_dialog.h).
#include "widgets/choice_dialog.h"

#include "core/heap_copy.h"
#include "core/param_node.h"
#include "platform/diagnostic_output.h"
#include "widgets/dialog_runner.h"
#include "widgets/dialog_setup.h"
#include "widgets/message_dialog.h"
#include "widgets/window_functions.h"

#include <cstring>

namespace {

// One line of the choice: the text shown and the node behind it.
struct ChoiceItem {
    char *text; // owned copy
    ParamNode *node;
    ~ChoiceItem() { FreeHeapCopy(text); }
};

ChoiceItem *newItem(ParamNode *node, int nameFirst) {
    TextString shown(nameFirst ? node->Name() : node->Value());
    shown.Append(" : ");
    shown.Append(nameFirst ? node->Value() : node->Name());
    return new ChoiceItem{DupBytes(shown.CStr(), 0), node};
}

const ChoiceItem &itemOf(const NodeCell *cell) {
    return *static_cast<const ChoiceItem *>(cell->item);
}

} // namespace

ChoiceDialog::ChoiceDialog(const char *title, const char *prompt, const char *okCaption,
                           const char *cancelCaption, bool hideCancel, const char *preselection)
    : title(title), prompt(prompt), preselection(preselection), okCaption(okCaption),
      cancelCaption(cancelCaption), hideCancel(hideCancel) {}

ChoiceDialog::~ChoiceDialog() {
    ListClear<ChoiceItem>(items);
}

void ChoiceDialog::SetItems(NodeList list, int nameFirstFlag, int mode) {
    ListClear<ChoiceItem>(items);
    for (NodeCell *cell = list; cell != nullptr; cell = cell->next)
        ListPushBack(items, newItem(ParamNodeOf(cell), nameFirstFlag));
    nameFirst = nameFirstFlag;
    resultMode = mode;
    filled = true;
}

int ChoiceDialog::Run() {
    return RunDialog(IDD_CHOICE, *this);
}

bool ChoiceDialog::OnInitDialog(os::DialogWindow &dialog) {
    os::Window *promptEdit = dialog.Control(IDC_CHOICE_PROMPT);
    os::Window *filterEdit = dialog.Control(IDC_CHOICE_FILTER);
    os::ListBox *list = dialog.ControlAs<os::ListBox>(IDC_CHOICE_LIST);
    if (list == nullptr) {
        dialog.EndDialog(-1);
        return true;
    }
    SetTextIfGiven(promptEdit, prompt);
    SetUpCaptions(dialog, title, okCaption, cancelCaption, hideCancel);

    SetListExtent(*list);

    AnchorAboveButtons(layout, dialog, list);
    layout.Add(promptEdit, kAnchorRight);
    layout.Add(filterEdit, kAnchorRight);
    layout.Apply();

    Fill(dialog);
    return true;
}

void ChoiceDialog::Fill(os::DialogWindow &dialog) {
    os::ListBox *list = dialog.ControlAs<os::ListBox>(IDC_CHOICE_LIST);
    if (list == nullptr)
        return;
    os::Window *filterEdit = dialog.Control(IDC_CHOICE_FILTER);
    TextString filter(filterEdit != nullptr ? filterEdit->GetText().c_str() : nullptr);
    filter.ToUpperFold();

    list->ResetContent();
    for (NodeCell *cell = items; cell != nullptr; cell = cell->next) {
        const ChoiceItem &item = itemOf(cell);
        TextString folded(item.text);
        if (std::strstr(folded.ToUpperFold(), filter.CStr()) == nullptr)
            continue;
        int index = list->AddString(item.text);
        if (index < 0)
            os::writeDiagnostic("SIMPLECHOIX : Erreur d'ajout d'element dans la liste\n");
        else
            list->SetItemData(index, reinterpret_cast<intptr_t>(item.node));
    }

    int selection = 0;
    if (preselection != nullptr) {
        for (int index = 0, count = list->GetCount(); index < count; ++index) {
            if (list->GetItemText(index) == preselection) {
                selection = index;
                break;
            }
        }
    }
    if (list->GetCount() > 0)
        list->SetCurSel(selection);
}

void ChoiceDialog::OnCommand(os::DialogWindow &dialog, int controlId, os::ControlEvent event) {
    if (controlId == IDC_CHOICE_FILTER && event == os::ControlEvent::Changed)
        Fill(dialog);
    else if (controlId == IDC_CHOICE_LIST && event == os::ControlEvent::DoubleClicked)
        OnOK(dialog);
}

void ChoiceDialog::OnOK(os::DialogWindow &dialog) {
    os::ListBox *list = dialog.ControlAs<os::ListBox>(IDC_CHOICE_LIST);
    int index = list != nullptr ? list->GetCurSel() : -1;
    chosen = index >= 0;
    if (chosen) {
        chosenNode = reinterpret_cast<ParamNode *>(list->GetItemData(index));
        chosenText.Assign(list->GetItemText(index).c_str());
        if (filled && chosenNode != nullptr) {
            int mode = resultMode < 0 ? nameFirst : resultMode;
            chosenText.Assign(mode == 0 ? chosenNode->Value() : chosenNode->Name());
        }
    }
    dialog.EndDialog(ID_BUTTON_OK);
}

void ChoiceDialog::OnSize(os::DialogWindow &) {
    layout.Apply();
}

void ChoiceDialog::OnDpiChanged(os::DialogWindow &dialog, int newDpi, int oldDpi) {
    layout.Rescale(newDpi, oldDpi);
    // The font is scaled too: the widest entry is measured again.
    if (os::ListBox *list = dialog.ControlAs<os::ListBox>(IDC_CHOICE_LIST))
        SetListExtent(*list);
}

void ChoiceDialog::SetListExtent(os::ListBox &list) const {
    int32_t widest = 0;
    for (NodeCell *cell = items; cell != nullptr; cell = cell->next)
        widest = TextWidth(itemOf(cell).text, list, widest);
    list.SetHorizontalExtent(widest);
}

const char *ChooseFromList(const char *title, const char *prompt, NodeList &list, bool freeList,
                           const char *okCaption, const char *cancelCaption, int nameFirst, int resultMode) {
    static TextString result;
    const char *answer = nullptr;
    if (list == nullptr) {
        ShowNotice("Op\xE9ration annul\xE9"
                   "e",
                   "Vous ne poss\xE9"
                   "dez pas d'objets",
                   false, nullptr);
    } else {
        ChoiceDialog dialog(title, prompt, okCaption, cancelCaption, false);
        dialog.SetItems(list, nameFirst, resultMode);
        if (dialog.Run() == ID_BUTTON_OK && dialog.Chosen()) {
            result.Assign(dialog.ChosenText());
            answer = result.CStr();
        }
    }
    if (freeList)
        ListClear<ParamNode>(list);
    return answer;
}
