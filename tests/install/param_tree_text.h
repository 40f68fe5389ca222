// Test helper: a compact text form of a parameter tree, name=value with blocks in brackets,
// e.g. "P=V[K1=1,K2=2],Q=", so that a whole tree can be checked in one comparison.
#pragma once

#include "core/param_node.h"

#include <string>

inline std::string treeText(NodeList children) {
    std::string text;
    for (NodeList cell = children; cell; cell = cell->next) {
        const ParamNode &node = *ParamNodeOf(cell);
        if (!text.empty())
            text += ',';
        text += node.Name() ? node.Name() : "(null)";
        text += '=';
        text += node.Value() ? node.Value() : "(null)";
        if (node.Children())
            text += '[' + treeText(node.Children()) + ']';
    }
    return text;
}
