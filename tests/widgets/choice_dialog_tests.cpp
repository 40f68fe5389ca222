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

TEST_F(ChoiceDialogTest, FilterFoldsLowerCaseAccentsOnly) {
    ChoiceDialog choice("Titre", "Choisir", nullptr, nullptr, false);
    open(choice, 1, -1);
    const std::string alpha = "Alpha : 1", ete = "\xE9t\xE9 : 2", capitalEte = "\xC9t\xE9 : 3";
    EXPECT_EQ(entryTexts(listBox()), (std::vector<std::string>{alpha, ete, capitalEte}))
        << "sorted by the list box";
    EXPECT_EQ(listBox().GetCurSel(), 0);

    typeFilter(choice, "ETE");
    EXPECT_EQ(entryTexts(listBox()), (std::vector<std::string>{ete}));
    typeFilter(choice, "ete");
    EXPECT_EQ(entryTexts(listBox()), (std::vector<std::string>{ete})) << "the capital \xC9 is not folded";
    typeFilter(choice, "a :");
    EXPECT_EQ(entryTexts(listBox()), (std::vector<std::string>{alpha}));
    EXPECT_EQ(listBox().GetCurSel(), 0);
    typeFilter(choice, "zzz");
    EXPECT_TRUE(entryTexts(listBox()).empty());
    EXPECT_EQ(listBox().GetCurSel(), -1);
    typeFilter(choice, "");
    EXPECT_EQ(listBox().GetCount(), 3);
}

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

TEST_F(ChoiceDialogTest, ChosenTextFollowsTheResultMode) {
    struct Case {
        int nameFirst, resultMode;
        const char *expected;
    } cases[] = {{1, -1, "\xE9t\xE9"}, {0, -1, "2"}, {1, 0, "2"}, {0, 1, "\xE9t\xE9"}, {1, 1, "\xE9t\xE9"}};
    for (const Case &test : cases) {
        ChoiceDialog choice(nullptr, nullptr, nullptr, nullptr, false);
        open(choice, test.nameFirst, test.resultMode);
        typeFilter(choice, "2");
        choice.OnOK(*dialog);
        EXPECT_TRUE(dialog->ended);
        EXPECT_EQ(dialog->result, ID_BUTTON_OK);
        ASSERT_TRUE(choice.Chosen());
        EXPECT_STREQ(choice.ChosenText(), test.expected) << test.nameFirst << " " << test.resultMode;
        EXPECT_STREQ(choice.ChosenNode()->Value(), "2");
    }
}

TEST(ChooseFromListTest, EmptyListShowsTheNoticeInstead) {
    ScriptedUser user([](FakeDialog &dialog, os::DialogHandler &handler) { handler.OnOK(dialog); });
    NodeList empty = nullptr;
    EXPECT_EQ(ChooseFromList("Titre", "Choisir", empty, true, nullptr, nullptr, 1, -1), nullptr);
    ASSERT_EQ(user.Runs().size(), 1u);
    const ScriptedUser::Run &notice = user.Runs()[0];
    EXPECT_EQ(notice.templateId, IDD_MESSAGE);
    EXPECT_EQ(notice.title, "Op\xE9ration annul\xE9"
                            "e");
    EXPECT_EQ(notice.texts.at(IDC_MESSAGE_TEXT), "Vous ne poss\xE9"
                                                 "dez pas d'objets");
    EXPECT_FALSE(notice.visible.at(ID_BUTTON_CANCEL));
}

} // namespace
