// ShowMessage and ShowNotice with fake controls: wrapped text, captions, hidden Cancel, results.
#include "platform/resource_ids.h"
#include "support/fake_dialog.h"
#include "widgets/message_dialog.h"

#include <gtest/gtest.h>

namespace {

void pressOk(FakeDialog &dialog, os::DialogHandler &handler) {
    handler.OnOK(dialog);
}

void pressCancel(FakeDialog &dialog, os::DialogHandler &handler) {
    handler.OnCancel(dialog);
}

TEST(ShowMessageTest, CancelGivesZeroAndNullTextsKeepTheDialogsOwn) {
    ScriptedUser user(pressCancel);
    EXPECT_EQ(ShowMessage(nullptr, "Texte", true, nullptr, nullptr, false), 0);
    const ScriptedUser::Run &run = user.Runs().at(0);
    EXPECT_EQ(run.title, "Confirmation");
    EXPECT_EQ(run.texts.at(ID_BUTTON_OK), "OK");
    EXPECT_EQ(run.texts.at(ID_BUTTON_CANCEL), "Annule");
}

TEST(ShowMessageTest, ShowsTheWrappedTextAndGivesOneForOk) {
    ScriptedUser user(pressOk);
    std::string longWord(120, 'm');
    EXPECT_EQ(ShowMessage("Attention", ("ligne\n" + longWord).c_str(), false, "Oui", "Non", false), 1);
    const ScriptedUser::Run &run = user.Runs().at(0);
    EXPECT_EQ(run.templateId, IDD_MESSAGE);
    EXPECT_EQ(run.title, "Attention");
    EXPECT_EQ(run.texts.at(IDC_MESSAGE_TEXT),
              "ligne\r\n" + longWord.substr(0, 101) + "\r\n" + longWord.substr(101));
    EXPECT_EQ(run.texts.at(ID_BUTTON_OK), "Oui");
    EXPECT_EQ(run.texts.at(ID_BUTTON_CANCEL), "Non");
    EXPECT_TRUE(run.visible.at(ID_BUTTON_CANCEL));
}
TEST(ShowNoticeTest, HidesCancelAndAlwaysGivesOne) {
    ScriptedUser user(pressCancel);
    EXPECT_EQ(ShowNotice("Information", "Fait.", false, "Compris"), 1);
    const ScriptedUser::Run &run = user.Runs().at(0);
    EXPECT_FALSE(run.visible.at(ID_BUTTON_CANCEL));
    EXPECT_EQ(run.texts.at(ID_BUTTON_OK), "Compris");
}

} // namespace
