// Controls held in memory: windows that keep what Win32 controls keep (text, state, entries,
// selection, icon), for the sandbox's console dialog to print and for the tests of dialog logic.
#pragma once

#include "platform/controls.h"

#include <string>
#include <vector>

namespace os {

// Whether a memory window's text is one of the program's own (code page 1252, as the templates'
// texts are) or in the system's code page.
class MemoryText {
public:
    virtual ~MemoryText() = default;
    virtual bool HoldsOwnText() const = 0;
};

// The Window part of every memory control. Sizes and text extents are counted in characters.
// The text it is made with is a template's, so the program's own.
template <class Interface> class MemoryWindow : public Interface, public MemoryText {
public:
    explicit MemoryWindow(const char *text = "") : text(text != nullptr ? text : ""), ownText(true) {}

    Box GetBox(bool) const override { return box; }
    void MoveToBox(const Box &newBox, bool) override { box = newBox; }
    void SetText(const char *newText) override {
        text = newText != nullptr ? newText : "";
        ownText = false;
    }
    void SetOwnText(const char *newText) override {
        SetText(newText);
        ownText = true;
    }
    std::string GetText() const override { return text; }
    bool HoldsOwnText() const override { return ownText; }
    void Enable(bool enable) override { enabled = enable; }
    bool IsEnabled() const override { return enabled; }
    void Show(bool show) override { visible = show; }
    bool IsVisible() const override { return visible; }
    int32_t GetTextExtent(const char *measured) const override {
        return measured != nullptr ? static_cast<int32_t>(std::char_traits<char>::length(measured)) : 0;
    }
    void Redraw() override {}

private:
    std::string text;
    bool ownText;
    bool enabled = true;
    bool visible = true;
    Box box{0, 0, 0, 0};
};

class MemoryButton : public MemoryWindow<Button> {
public:
    using MemoryWindow::MemoryWindow;
    void SetIcon(int iconId) override { icon = iconId; }
    int Icon() const { return icon; }

private:
    int icon = 0;
};

class MemoryCheckBox : public MemoryWindow<CheckBox> {
public:
    using MemoryWindow::MemoryWindow;
    int GetCheck() const override { return check; }
    void SetCheck(int value) override { check = value != 0 ? 1 : 0; }

private:
    int check = 0;
};

// The entries of a memory list box or combo box. A sorted list orders its entries as Windows
// roughly does: letters without regard to case or accents first, then the character codes.
template <class Interface> class MemoryEntries : public MemoryWindow<Interface> {
public:
    explicit MemoryEntries(bool sorted = false) : MemoryWindow<Interface>(""), sorted(sorted) {}

    void ResetContent() override {
        entries.clear();
        selection = -1;
    }
    int AddString(const char *text) override;
    int GetCount() const override { return static_cast<int>(entries.size()); }
    std::string GetItemText(int index) const override { return valid(index) ? entries[index].text : ""; }
    void SetItemData(int index, intptr_t data) override {
        if (valid(index))
            entries[index].data = data;
    }
    intptr_t GetItemData(int index) const override { return valid(index) ? entries[index].data : 0; }
    int GetCurSel() const override { return selection; }
    void SetCurSel(int index) override { selection = valid(index) ? index : -1; }
    int SelectString(const char *prefix) override;

private:
    struct Entry {
        std::string text;
        intptr_t data;
    };
    bool valid(int index) const { return index >= 0 && index < GetCount(); }

    std::vector<Entry> entries;
    int selection = -1;
    bool sorted;
};

class MemoryListBox : public MemoryEntries<ListBox> {
public:
    using MemoryEntries::MemoryEntries;
    void SetHorizontalExtent(int32_t width) override { extent = width; }
    int32_t HorizontalExtent() const { return extent; }

private:
    int32_t extent = 0;
};

using MemoryComboBox = MemoryEntries<ComboBox>;

} // namespace os
