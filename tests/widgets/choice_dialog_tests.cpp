// The choice dialog with fake controls: items, live filter, preselection, the chosen text in
// each result mode, and ChooseFromList around it.
#include "core/param_node.h"
#include "platform/resource_ids.h"
#include "widgets/choice_dialog.h"
#include "support/fake_dialog.h"

#include <gtest/gtest.h>

namespace {

NodeList makeList(std::initializer_list<std::pair<const char *, const char *>> pairs) {
    NodeList list = nullptr;
    for (const auto &pair : pairs)
        ListPushBack(list, new ParamNode(pair.first, pair.second));
    return list;
}

class ChoiceDialogTest : public ::testing::Test {
protected:
    void TearDown() override { ListClear<ParamNode>(list); }

    // Opens a ChoiceDialog on list in a fake dialog.
    void open(ChoiceDialog &choice, int nameFirst, int resultMode) {
        choice.SetItems(list, nameFirst, resultMode);
        dialog = makeFakeDialog(IDD_CHOICE);
        choice.OnInitDialog(*dialog);
    }
    os::MemoryListBox &listBox() { return dialog->Get<os::MemoryListBox>(IDC_CHOICE_LIST); }
    void typeFilter(ChoiceDialog &choice, const char *text) {
        dialog->Control(IDC_CHOICE_FILTER)->SetText(text);
        choice.OnCommand(*dialog, IDC_CHOICE_FILTER, os::ControlEvent::Changed);
    }

    NodeList list = makeList({{"Alpha", "1"}, {"\xE9t\xE9", "2"}, {"\xC9t\xE9", "3"}});
    std::unique_ptr<FakeDialog> dialog;
};

TEST_F(ChoiceDialogTest, StartUpSetsTextsExtentAndLayout) {
    ChoiceDialog choice("Profil applicatif", "S\xE9lectionnez", "Valider", "Abandon", true);
    open(choice, 0, -1);
    EXPECT_EQ(dialog->GetText(), "Profil applicatif");
    EXPECT_EQ(dialog->Control(IDC_CHOICE_PROMPT)->GetText(), "S\xE9lectionnez");
    EXPECT_EQ(dialog->Control(ID_BUTTON_OK)->GetText(), "Valider");
    EXPECT_EQ(dialog->Control(ID_BUTTON_CANCEL)->GetText(), "Abandon");
    EXPECT_FALSE(dialog->Control(ID_BUTTON_CANCEL)->IsVisible());
    EXPECT_EQ(entryTexts(listBox())[0], "1 : Alpha") << "value first";
    EXPECT_EQ(listBox().HorizontalExtent(), 9) << "the widest item, 9 characters";
    // List box above the buttons, OK in the corner, Cancel left of it (5 units apart).
    EXPECT_EQ(listBox().GetBox(false).bottom, 495 - 5 - 20);
    EXPECT_EQ(dialog->Control(ID_BUTTON_CANCEL)->GetBox(false).right, 495 - 5 - 80);

    ChoiceDialog plain(nullptr, nullptr, nullptr, nullptr, false);
    open(plain, 0, -1);
    EXPECT_EQ(dialog->GetText(), "Choisissez votre donn\xE9"
                            "es")
        << "null texts keep the dialog's own";
    EXPECT_TRUE(dialog->Control(ID_BUTTON_CANCEL)->IsVisible());
}

TEST_F(ChoiceDialogTest, PreselectionPicksTheEntryWithExactlyThatText) {
    ChoiceDialog exact(nullptr, nullptr, nullptr, nullptr, false, "\xE9t\xE9 : 2");
    open(exact, 1, -1);
    EXPECT_EQ(listBox().GetItemText(listBox().GetCurSel()), "\xE9t\xE9 : 2");

    ChoiceDialog otherCase(nullptr, nullptr, nullptr, nullptr, false, "alpha : 1");
    open(otherCase, 1, -1);
    EXPECT_EQ(listBox().GetCurSel(), 0);
    typeFilter(otherCase, "3");
    EXPECT_EQ(listBox().GetCurSel(), 0);
}

// A list box that cannot take the entry "Alpha : 1".
class RefusingListBox : public os::MemoryListBox {
public:
    using MemoryListBox::MemoryListBox;
    int AddString(const char *text) override {
        return std::string(text) == "Alpha : 1" ? -1 : MemoryListBox::AddString(text);
    }
};
TEST_F(ChoiceDialogTest, AnEntryTheListBoxRefusesIsReportedAndSkipped) {
    ChoiceDialog choice(nullptr, nullptr, nullptr, nullptr, false);
    choice.SetItems(list, 1, -1);
    dialog = makeFakeDialog(IDD_CHOICE);
    dialog->Add<RefusingListBox>(IDC_CHOICE_LIST, true);
    testing::internal::CaptureStderr();
    choice.OnInitDialog(*dialog);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "SIMPLECHOIX : Erreur d'ajout d'element dans la liste\n");
    EXPECT_EQ(listBox().GetCount(), 2);
}

} // namespace
