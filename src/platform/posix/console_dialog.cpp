// Modal dialogs in the sandbox: the dialog is printed on the standard output (UTF-8) and driven
// by commands read from the standard input; the end of the input cancels it. How each control is
// printed and commanded is in console_templates.h.
#include "platform/posix/console_dialog.h"

#include "platform/ascii_case.h"
#include "platform/cp1252.h"
#include "platform/dialog.h"
#include "platform/posix/codepage.h"
#include "platform/memory_controls.h"
#include "platform/posix/console_templates.h"

#include <cstdlib>
#include <memory>

namespace os {

namespace {

std::FILE *inputStream = nullptr;
std::FILE *outputStream = nullptr;

// One of the program's own texts (code page 1252), as shown.
std::string utf8FromOwn(const char *text) {
    return utf8FromU16(u16FromCp1252(text));
}

// A window's text as shown: its own texts read as code page 1252, the others in the system's.
std::string shownText(const Window &window) {
    auto *memory = dynamic_cast<const MemoryText *>(&window);
    return memory != nullptr && memory->HoldsOwnText() ? utf8FromOwn(window.GetText().c_str())
                                                       : utf8FromSystem(window.GetText());
}

std::unique_ptr<Window> makeControl(const ConsoleControlTemplate &form) {
    switch (form.kind) {
    case ConsoleKind::ListBox:
        return std::make_unique<MemoryListBox>(form.sorted);
    case ConsoleKind::ComboBox:
        return std::make_unique<MemoryComboBox>(form.sorted);
    case ConsoleKind::CheckBox:
        return std::make_unique<MemoryCheckBox>(form.text);
    case ConsoleKind::Button:
        return std::make_unique<MemoryButton>(form.text);
    case ConsoleKind::Edit:
        break;
    }
    return std::make_unique<MemoryWindow<Window>>(form.text);
}

class ConsoleDialog : public MemoryWindow<DialogWindow> {
public:
    ConsoleDialog(const ConsoleDialogTemplate &form, std::FILE *output)
        : MemoryWindow(form.title), output(output) {
        for (const ConsoleControlTemplate &control : form.controls)
            parts.push_back(Part{&control, makeControl(control)});
    }

    Window *Control(int id) override {
        const Part *part = find(id);
        return part != nullptr ? part->window.get() : nullptr;
    }
    Box ToClient(const Box &screenBox) const override { return screenBox; }
    void SetForeground() override {}
    void BringForward() override {}
    void SetIcon(int) override {}
    void EndDialog(int value) override {
        running = false;
        result = value;
    }

    bool Running() const { return running; }
    int Result() const { return result; }

    // Prints the dialog when it looks different from the last time it was printed.
    void PrintChanges();
    void Execute(const std::string &line, DialogHandler &handler);

private:
    struct Part {
        const ConsoleControlTemplate *form;
        std::unique_ptr<Window> window;
    };

    const Part *find(int id) const {
        for (const Part &part : parts)
            if (part.form->id == id)
                return &part;
        return nullptr;
    }
    // The lines of the dialog, each ended by a line feed (UTF-8).
    std::string render() const;
    std::string renderPart(const Part &part) const;
    void printText(const std::string &text) const {
        std::fputs(text.c_str(), output);
        std::fflush(output);
    }
    void refuse(const char *reason, const std::string &line) const {
        printText(utf8FromOwn(reason) + utf8FromSystem(line) + "\n");
    }
    // Carries out the command of part with argument; the line is for the messages.
    void command(const Part &part, const std::string &argument, const std::string &line,
                 DialogHandler &handler);

    std::FILE *output;
    std::string printed; // what was printed last
    std::vector<Part> parts;
    bool running = true;
    int result = ID_BUTTON_CANCEL;
};

void ConsoleDialog::PrintChanges() {
    std::string text = render();
    if (text != printed)
        printText(text);
    printed = text;
}

std::string ConsoleDialog::render() const {
    std::string text = shownText(*this) + "\n";
    for (const Part &part : parts)
        if (part.form->printed && part.window->IsVisible())
            text += renderPart(part);
    return text;
}

std::string ConsoleDialog::renderPart(const Part &part) const {
    const Window &window = *part.window;
    std::string inactive = window.IsEnabled() ? "\n" : " (inactif)\n";
    std::string text;
    switch (part.form->kind) {
    case ConsoleKind::Edit:
        for (char character : shownText(window))
            if (character != '\r')
                text.push_back(character);
        if (!text.empty() && text.back() != '\n')
            text.push_back('\n');
        break;
    case ConsoleKind::ListBox:
    case ConsoleKind::ComboBox: {
        const auto &list = dynamic_cast<const EntryList &>(window);
        for (int index = 0; index < list.GetCount(); ++index)
            text += (index == list.GetCurSel() ? "*" : " ") + std::to_string(index + 1) + ". " +
                    utf8FromSystem(list.GetItemText(index)) + "\n";
        break;
    }
    case ConsoleKind::CheckBox:
        text = (dynamic_cast<const CheckBox &>(window).GetCheck() ? "[x] " : "[ ] ") + shownText(window) +
               inactive;
        break;
    case ConsoleKind::Button:
        text = shownText(window) + inactive;
        break;
    }
    return text;
}

void ConsoleDialog::Execute(const std::string &line, DialogHandler &handler) {
    std::size_t blank = line.find(' ');
    std::string word = line.substr(0, blank);
    std::string argument = blank == std::string::npos ? "" : line.substr(blank + 1);
    for (const Part &part : parts) {
        if (part.form->command != nullptr && equalIgnoringCase(word.c_str(), part.form->command)) {
            command(part, argument, line, handler);
            return;
        }
    }
    refuse("Commande inconnue : ", line);
}

void ConsoleDialog::command(const Part &part, const std::string &argument, const std::string &line,
                            DialogHandler &handler) {
    int id = part.form->id;
    Window &window = *part.window;
    if (!window.IsEnabled() && id != ID_BUTTON_CANCEL) {
        refuse("Commande sans effet, contr\xF4le inactif : ", line);
        return;
    }
    switch (part.form->kind) {
    case ConsoleKind::Edit:
        window.SetText(argument.c_str());
        handler.OnCommand(*this, id, ControlEvent::Changed);
        break;
    case ConsoleKind::ListBox:
    case ConsoleKind::ComboBox: {
        auto &list = dynamic_cast<EntryList &>(window);
        bool digits = !argument.empty() && argument.size() < 6 &&
                      argument.find_first_not_of("0123456789") == std::string::npos;
        int number = digits ? std::atoi(argument.c_str()) : 0;
        if (number < 1 || number > list.GetCount()) {
            refuse("Num\xE9ro d'entr\xE9"
                   "e incorrect : ",
                   line);
            return;
        }
        list.SetCurSel(number - 1);
        handler.OnCommand(*this, id, ControlEvent::SelectionChanged);
        break;
    }
    case ConsoleKind::CheckBox:
        if (argument != "on" && argument != "off") {
            refuse("on ou off attendu : ", line);
            return;
        }
        dynamic_cast<CheckBox &>(window).SetCheck(argument == "on" ? 1 : 0);
        handler.OnCommand(*this, id, ControlEvent::Clicked);
        break;
    case ConsoleKind::Button:
        if (id == ID_BUTTON_OK)
            handler.OnOK(*this);
        else if (id == ID_BUTTON_CANCEL)
            handler.OnCancel(*this);
        else
            handler.OnCommand(*this, id, ControlEvent::Clicked);
        break;
    }
}

// The next command line, converted to the system's code page and without its line end; false at the end
// of the input.
bool readCommand(std::FILE *input, std::string &line) {
    char *buffer = nullptr;
    std::size_t capacity = 0;
    ssize_t length = getline(&buffer, &capacity, input);
    if (length >= 0) {
        std::string raw(buffer, static_cast<std::size_t>(length));
        while (!raw.empty() && (raw.back() == '\n' || raw.back() == '\r'))
            raw.pop_back();
        systemFromUtf8(raw, line); // typed text: a lost character stays a '?'
    }
    std::free(buffer);
    return length >= 0;
}

} // namespace

void setConsoleStreams(std::FILE *input, std::FILE *output) {
    inputStream = input;
    outputStream = output;
}

int runModalDialog(int templateId, DialogHandler &handler) {
    const ConsoleDialogTemplate *form = findConsoleTemplate(templateId);
    if (form == nullptr)
        return -1;
    std::FILE *input = inputStream != nullptr ? inputStream : stdin;
    ConsoleDialog dialog(*form, outputStream != nullptr ? outputStream : stdout);
    handler.OnInitDialog(dialog);
    if (dialog.Running())
        dialog.PrintChanges();
    std::string line;
    while (dialog.Running()) {
        if (!readCommand(input, line)) {
            handler.OnCancel(dialog);
            if (dialog.Running())
                dialog.EndDialog(ID_BUTTON_CANCEL);
            break;
        }
        if (line.empty())
            continue;
        dialog.Execute(line, handler);
        if (dialog.Running())
            dialog.PrintChanges();
    }
    return dialog.Result();
}

void prepareDialogIcon(int) {}
void prepareButtonIcon(int) {}

void beep(unsigned long, unsigned long) {}

} // namespace os
