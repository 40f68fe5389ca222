// Every control of the dialogs that shows no text of its own (edit, list, combo box) has a name a
// screen reader can announce, distinct within its dialog; the texts of buttons and check boxes
// name them already. Checked over the dialogs' templates, which list the same controls on both
// platforms.
#include "platform/accessible_names.h"
#include "platform/posix/console_templates.h"
#include "platform/resource_ids.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

TEST(AccessibleNames, EveryTextlessControlIsNamedOnceEveryLabelledOneByItsText) {
    for (int dialogId : {IDD_CONNEXION, IDD_CHOICE, IDD_MESSAGE}) {
        const os::ConsoleDialogTemplate *dialog = os::findConsoleTemplate(dialogId);
        ASSERT_NE(dialog, nullptr) << dialogId;
        std::set<std::string> names;
        for (const os::ConsoleControlTemplate &control : dialog->controls) {
            const char *name = os::accessibleName(dialogId, control.id);
            bool textless = control.kind == os::ConsoleKind::Edit || control.kind == os::ConsoleKind::ListBox ||
                            control.kind == os::ConsoleKind::ComboBox;
            if (!textless) {
                EXPECT_TRUE(name == nullptr || control.text == nullptr || *control.text == '\0')
                    << dialogId << "/" << control.id;
                continue;
            }
            ASSERT_NE(name, nullptr) << dialogId << "/" << control.id;
            EXPECT_TRUE(names.insert(name).second) << name;
        }
        EXPECT_FALSE(names.empty()) << dialogId;
    }
    EXPECT_EQ(os::accessibleName(IDD_CONNEXION, IDC_CHOICE_FILTER), nullptr);
}
