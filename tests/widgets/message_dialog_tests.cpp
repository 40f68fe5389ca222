// ShowMessage with fake controls: Cancel, and the captions a message without its own keeps.
#include "platform/resource_ids.h"
#include "support/fake_dialog.h"
#include "widgets/message_dialog.h"

#include <gtest/gtest.h>

namespace {

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

} // namespace
