// Fake dialogs and the scripted dialog runner of the dialog tests (see fake_dialog.h).
#include "support/fake_dialog.h"

#include "platform/resource_ids.h"
#include "widgets/dialog_runner.h"

std::vector<std::string> entryTexts(const os::EntryList &list) {
    std::vector<std::string> texts;
    for (int index = 0; index < list.GetCount(); ++index)
        texts.push_back(list.GetItemText(index));
    return texts;
}

os::Window *FakeDialog::Control(int id) {
    auto found = controls.find(id);
    return found != controls.end() ? found->second.get() : nullptr;
}

std::unique_ptr<FakeDialog> makeFakeDialog(int templateId) {
    auto dialog = std::make_unique<FakeDialog>();
    dialog->MoveToBox({100, 200, 500, 500}, false);
    dialog->Add<os::MemoryButton>(ID_BUTTON_OK, "OK").MoveToBox({415, 475, 495, 495}, false);
    dialog->Add<os::MemoryButton>(ID_BUTTON_CANCEL, "Annule").MoveToBox({330, 475, 410, 495}, false);
    switch (templateId) {
    case IDD_CHOICE:
        dialog->SetText("Choisissez votre donn\xE9"
                        "es");
        dialog->Add<FakeWindow>(IDC_CHOICE_PROMPT).MoveToBox({105, 205, 495, 225}, false);
        dialog->Add<FakeWindow>(IDC_CHOICE_FILTER).MoveToBox({180, 230, 495, 250}, false);
        dialog->Add<os::MemoryListBox>(IDC_CHOICE_LIST, true).MoveToBox({105, 255, 495, 465}, false);
        break;
    case IDD_MESSAGE:
        dialog->SetText("Confirmation");
        dialog->Add<FakeWindow>(IDC_MESSAGE_TEXT).MoveToBox({105, 205, 495, 465}, false);
        break;
    default:
        break;
    }
    return dialog;
}

namespace {

ScriptedUser::Play currentPlay;
std::vector<ScriptedUser::Run> runs;

int runScripted(int templateId, os::DialogHandler &handler) {
    std::unique_ptr<FakeDialog> dialog = makeFakeDialog(templateId);
    handler.OnInitDialog(*dialog);
    if (!dialog->ended)
        currentPlay(*dialog, handler);
    ScriptedUser::Run run{templateId, dialog->GetText(), {}, {}};
    for (const auto &control : dialog->controls) {
        run.texts[control.first] = control.second->GetText();
        run.visible[control.first] = control.second->IsVisible();
    }
    runs.push_back(run);
    return dialog->ended ? dialog->result : ID_BUTTON_CANCEL;
}

} // namespace

ScriptedUser::ScriptedUser(Play play) {
    currentPlay = std::move(play);
    runs.clear();
    SetDialogRunner(runScripted);
}

ScriptedUser::~ScriptedUser() {
    SetDialogRunner(nullptr);
    currentPlay = nullptr;
}

const std::vector<ScriptedUser::Run> &ScriptedUser::Runs() const {
    return runs;
}
