// Fake controls, dialogs and the scripted dialog runner of the widget tests (see fake_dialog.h).
#include "widgets/fake_dialog.h"

#include "platform/resource_ids.h"
#include "widgets/dialog_runner.h"

#include <algorithm>
#include <cctype>

template <class Interface> int FakeEntries<Interface>::AddString(const char *entry) {
    if (entry == nullptr || entry == refusedText)
        return -1;
    auto at = entries.end();
    if (sorted)
        at =
            std::upper_bound(entries.begin(), entries.end(), std::string(entry),
                             [](const std::string &a, const std::pair<std::string, intptr_t> &b) {
                                 return std::lexicographical_compare(
                                     a.begin(), a.end(), b.first.begin(), b.first.end(), [](char x, char y) {
                                         return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
                                     });
                             });
    int index = static_cast<int>(at - entries.begin());
    entries.insert(at, {entry, 0});
    if (selection >= index)
        ++selection;
    return index;
}

template <class Interface> int FakeEntries<Interface>::SelectString(const char *prefix) {
    std::string wanted(prefix != nullptr ? prefix : "");
    for (int index = 0; index < GetCount(); ++index) {
        const std::string &entry = entries[index].first;
        if (entry.size() >= wanted.size() &&
            std::equal(wanted.begin(), wanted.end(), entry.begin(),
                       [](char a, char b) { return std::tolower(a) == std::tolower(b); })) {
            selection = index;
            return index;
        }
    }
    return -1;
}

template <class Interface> std::vector<std::string> FakeEntries<Interface>::Texts() const {
    std::vector<std::string> texts;
    for (const auto &entry : entries)
        texts.push_back(entry.first);
    return texts;
}

template class FakeEntries<os::ListBox>;
template class FakeEntries<os::ComboBox>;

os::Window *FakeDialog::Control(int id) {
    auto found = controls.find(id);
    return found != controls.end() ? found->second.get() : nullptr;
}

std::unique_ptr<FakeDialog> makeFakeDialog(int templateId) {
    auto dialog = std::make_unique<FakeDialog>();
    dialog->box = os::Box{100, 200, 500, 500};
    FakeButton &ok = dialog->Add<FakeButton>(ID_BUTTON_OK);
    ok.box = os::Box{415, 475, 495, 495};
    ok.text = "OK";
    FakeButton &cancel = dialog->Add<FakeButton>(ID_BUTTON_CANCEL);
    cancel.box = os::Box{330, 475, 410, 495};
    cancel.text = "Annule";
    if (templateId == IDD_CHOICE) {
        dialog->text = "Choisissez votre donn\xE9"
                       "es";
        dialog->Add<FakeWindow<os::Window>>(IDC_CHOICE_PROMPT).box = os::Box{105, 205, 495, 225};
        dialog->Add<FakeWindow<os::Window>>(IDC_CHOICE_FILTER).box = os::Box{180, 230, 495, 250};
        dialog->Add<FakeListBox>(IDC_CHOICE_LIST).sorted = true;
        dialog->Get<FakeListBox>(IDC_CHOICE_LIST).box = os::Box{105, 255, 495, 465};
    } else {
        dialog->text = "Confirmation";
        dialog->Add<FakeWindow<os::Window>>(IDC_MESSAGE_TEXT).box = os::Box{105, 205, 495, 465};
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
    ScriptedUser::Run run{templateId, dialog->text, {}, {}};
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
