// NodeCombo: binds a combo box to a NodeList of ParamNodes, one entry per node showing the node's
// value (or its name), and finds the node behind the selected entry.
#pragma once

#include "core/node_list.h"
#include "platform/controls.h"

class ParamNode;

class NodeCombo {
public:
    // combo may be null until the dialog exists (Attach); without a combo box the operations
    // change nothing and find nothing.
    explicit NodeCombo(os::ComboBox *combo = nullptr) : combo(combo) {}
    // Destroys the nodes when the binding owns them.
    ~NodeCombo();
    NodeCombo(const NodeCombo &) = delete;
    NodeCombo &operator=(const NodeCombo &) = delete;

    void Attach(os::ComboBox *comboBox) { combo = comboBox; }
    // Replaces the bound list (destroying the previous nodes and cells when they were owned) and
    // refills the combo box. showValue 1: entries show the nodes' values; 0: their names.
    void Bind(NodeList nodes, bool owned, int showValue = 1);
    // Empties the combo box and adds the Label of every node in list order.
    void Refill();
    // The text of the selected entry (kept until the next call), or null when none is selected.
    const char *SelectedText();
    // The node whose label is text (by name when entries show names, by value otherwise); with a
    // null text, the node of the selected entry. Null when there is none.
    ParamNode *SelectedNode(const char *text = nullptr);
    // Selects the first entry starting with label, without regard to letter case; 1 when one was
    // selected, else 0.
    int SelectLabel(const char *label);
    // SelectLabel of the Label of the node named name; 0 when no node has that name.
    int SelectByName(const char *name);
    // SelectLabel of the Label of node; 0 for a null node.
    int SelectNode(const ParamNode *node);
    // What the entry of node shows: its name when showValue is 0, else its value.
    const char *Label(const ParamNode *node) const;

private:
    os::ComboBox *combo;
    NodeList list = nullptr;
    bool owned = false;
    int showValue = 1;
    char *selectedText = nullptr; // owned copy
};
