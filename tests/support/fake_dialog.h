// Fake dialogs for the tests of the dialog logic: the memory controls of the product, a dialog
// holding them that remembers what the logic did to it, and a dialog runner that plays a scripted
// user instead of a real dialog.
#pragma once

#include "platform/dialog.h"
#include "platform/memory_controls.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

// A memory control that counts how often it was moved.
template <class Control> class Counted : public Control {
public:
    using Control::Control;
    void MoveToBox(const os::Box &box, bool repaint) override {
        ++moves;
        Control::MoveToBox(box, repaint);
    }

    int moves = 0;
};

using FakeWindow = Counted<os::MemoryWindow<os::Window>>;

// The texts of the entries of a list, in order.
std::vector<std::string> entryTexts(const os::EntryList &list);

class FakeDialog : public Counted<os::MemoryWindow<os::DialogWindow>> {
public:
    os::Window *Control(int id) override;
    os::Box ToClient(const os::Box &screenBox) const override {
        os::Box box = GetBox(false);
        return os::Box{screenBox.left - box.left, screenBox.top - box.top, screenBox.right - box.left,
                       screenBox.bottom - box.top};
    }
    void SetForeground() override {}
    void BringForward() override {}
    void SetIcon(int) override {}
    void EndDialog(int value) override {
        ended = true;
        result = value;
    }

    // Adds a control (replacing one of that id) and gives it.
    template <class Control, class... Arguments> Control &Add(int id, Arguments... arguments) {
        auto control = std::make_unique<Control>(arguments...);
        Control &added = *control;
        controls[id] = std::move(control);
        return added;
    }
    template <class Control> Control &Get(int id) { return dynamic_cast<Control &>(*controls.at(id)); }

    std::map<int, std::unique_ptr<os::Window>> controls;
    bool ended = false;
    int result = 0;
};

// A fake of a dialog template (IDD_CHOICE or IDD_MESSAGE) with its controls and
// texts: client area (100, 200) to (500, 500), OK 80 x 20 in its bottom right corner, Cancel left
// of it; lists sorted as the template says.
std::unique_ptr<FakeDialog> makeFakeDialog(int templateId);

// While it lives, the program's dialogs run as fakes: each gets makeFakeDialog, OnInitDialog,
// then the user function, which plays the user; the runner gives the result the handler
// ended the dialog with (ID_BUTTON_CANCEL when it did not end it). Each dialog run is recorded.
class ScriptedUser {
public:
    using Play = std::function<void(FakeDialog &, os::DialogHandler &)>;
    explicit ScriptedUser(Play play);
    ~ScriptedUser();

    struct Run {
        int templateId;
        std::string title;
        std::map<int, std::string> texts; // the text of each control after the run
        std::map<int, bool> visible;
    };
    const std::vector<Run> &Runs() const;
};
