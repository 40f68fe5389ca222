// Fake controls and dialogs for the tests of the dialog logic: plain objects that remember what
// the logic did to them, and a dialog runner that plays a scripted user instead of a real dialog.
#pragma once

#include "platform/dialog.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

// Window part of the fakes. Text extents are 7 units per character.
template <class Interface> class FakeWindow : public Interface {
public:
    os::Box GetBox(bool) const override { return box; }
    void MoveToBox(const os::Box &newBox, bool) override {
        box = newBox;
        ++moves;
    }
    void SetText(const char *newText) override { text = newText != nullptr ? newText : ""; }
    std::string GetText() const override { return text; }
    void Enable(bool enable) override { enabled = enable; }
    bool IsEnabled() const override { return enabled; }
    void Show(bool show) override { visible = show; }
    bool IsVisible() const override { return visible; }
    int32_t GetTextExtent(const char *measured) const override {
        return 7 * static_cast<int32_t>(std::string(measured != nullptr ? measured : "").size());
    }
    void Redraw() override { ++redraws; }

    os::Box box{0, 0, 0, 0};
    std::string text;
    bool enabled = true;
    bool visible = true;
    int moves = 0;
    int redraws = 0;
};

class FakeButton : public FakeWindow<os::Button> {
public:
    void SetIcon(int id) override { icon = id; }
    int icon = 0;
};

// Entries kept in the order added, or sorted by character codes; AddString of refusedText fails.
template <class Interface> class FakeEntries : public FakeWindow<Interface> {
public:
    void ResetContent() override {
        entries.clear();
        selection = -1;
    }
    int AddString(const char *entry) override;
    int GetCount() const override { return static_cast<int>(entries.size()); }
    std::string GetItemText(int index) const override { return valid(index) ? entries[index].first : ""; }
    void SetItemData(int index, intptr_t data) override {
        if (valid(index))
            entries[index].second = data;
    }
    intptr_t GetItemData(int index) const override { return valid(index) ? entries[index].second : 0; }
    int GetCurSel() const override { return selection; }
    void SetCurSel(int index) override { selection = valid(index) ? index : -1; }
    int SelectString(const char *prefix) override;

    // The entries' texts in order.
    std::vector<std::string> Texts() const;

    bool sorted = false;
    std::string refusedText;
    std::vector<std::pair<std::string, intptr_t>> entries;
    int selection = -1;

private:
    bool valid(int index) const { return index >= 0 && index < GetCount(); }
};

class FakeListBox : public FakeEntries<os::ListBox> {
public:
    void SetHorizontalExtent(int32_t width) override { extent = width; }
    int32_t extent = -1;
};

using FakeComboBox = FakeEntries<os::ComboBox>;

class FakeDialog : public FakeWindow<os::DialogWindow> {
public:
    os::Window *Control(int id) override;
    os::Box ToClient(const os::Box &screenBox) const override {
        return os::Box{screenBox.left - box.left, screenBox.top - box.top, screenBox.right - box.left,
                       screenBox.bottom - box.top};
    }
    void SetForeground() override { ++foregroundCalls; }
    void BringForward() override { ++bringForwardCalls; }
    void SetIcon(int id) override { icon = id; }
    void EndDialog(int value) override {
        ended = true;
        result = value;
    }

    // Adds a control and gives it.
    template <class Fake> Fake &Add(int id) {
        auto control = std::make_unique<Fake>();
        Fake &added = *control;
        controls[id] = std::move(control);
        return added;
    }
    template <class Fake> Fake &Get(int id) { return dynamic_cast<Fake &>(*controls.at(id)); }

    std::map<int, std::unique_ptr<os::Window>> controls;
    int foregroundCalls = 0;
    int bringForwardCalls = 0;
    int icon = 0;
    bool ended = false;
    int result = 0;
};

// A fake of the choice dialog (IDD_CHOICE) or the message dialog (IDD_MESSAGE), with the
// controls and texts of the template: client area (100, 200) to (500, 500), OK 80 x 20 in its
// bottom right corner, Cancel left of it; the choice list box sorted by character codes.
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
