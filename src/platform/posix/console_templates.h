// The console form of the dialog templates: what the resource script is on Windows. Each control
// says how it is printed and which command drives it.
#pragma once

#include <vector>

namespace os {

enum class ConsoleKind { Edit, ListBox, ComboBox, CheckBox, Button };

// When printed: an edit shows its text, a list its numbered entries ("*1. text" for the selected
// one, " 2. text" for the others), a check box "[x] text" or "[ ] text", a button its text; a
// disabled check box or button adds " (inactif)". Hidden controls are not printed.
// Commands (the command word, then): an edit "WORD TEXT" sets its text (empty TEXT empties it),
// a list "WORD N" selects its Nth entry, a check box "WORD on|off", a button "WORD" presses it.
struct ConsoleControlTemplate {
    int id;
    ConsoleKind kind;
    const char *text;    // initial text, code page 1252
    const char *command; // null when no command drives it
    bool printed;
    bool sorted; // lists: entries kept in sorted order
};

struct ConsoleDialogTemplate {
    int id;
    const char *title;
    std::vector<ConsoleControlTemplate> controls; // in printing order
};

// The template of that id, or null.
const ConsoleDialogTemplate *findConsoleTemplate(int id);

} // namespace os
