// The combo box binding of node lists (see node_combo.h).
#include "widgets/node_combo.h"

#include "core/heap_copy.h"
#include "core/param_node.h"

NodeCombo::~NodeCombo() {
    if (owned)
        ListClear<ParamNode>(list);
    FreeHeapCopy(selectedText);
}

void NodeCombo::Bind(NodeList nodes, bool ownsNodes, int shownPart) {
    if (owned && nodes != list)
        ListClear<ParamNode>(list);
    list = nodes;
    owned = ownsNodes;
    showValue = shownPart;
    Refill();
}

void NodeCombo::Refill() {
    if (combo == nullptr)
        return;
    combo->ResetContent();
    for (NodeCell *cell = list; cell != nullptr; cell = cell->next) {
        const char *label = Label(ParamNodeOf(cell));
        combo->AddString(label != nullptr ? label : "");
    }
}

const char *NodeCombo::SelectedText() {
    int index = combo != nullptr ? combo->GetCurSel() : -1;
    if (index < 0)
        return nullptr;
    ReplaceHeapCopy(selectedText, combo->GetItemText(index).c_str(), 0);
    return selectedText;
}

ParamNode *NodeCombo::SelectedNode(const char *text) {
    if (text == nullptr)
        text = SelectedText();
    if (text == nullptr)
        return nullptr;
    return showValue == 0 ? FindInList(list, text) : FindInListByValue(list, text);
}

int NodeCombo::SelectLabel(const char *label) {
    return combo != nullptr && label != nullptr && combo->SelectString(label) >= 0 ? 1 : 0;
}

int NodeCombo::SelectByName(const char *name) {
    return SelectNode(FindInList(list, name));
}

int NodeCombo::SelectNode(const ParamNode *node) {
    return node != nullptr ? SelectLabel(Label(node)) : 0;
}

const char *NodeCombo::Label(const ParamNode *node) const {
    return showValue == 0 ? node->Name() : node->Value();
}
