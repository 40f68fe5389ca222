// ParamNode values, children and look-ups, and the NodeList-as-dictionary operations.
#include "core/param_node.h"

#include "core/heap_copy.h"
#include "core/text_functions.h"
#include "core/text_string.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cstdlib>
#include <cstring>

ParamNode::ParamNode(const char *name, const char *value, int length)
    : children(nullptr), name(DupBytes(name, 0)), value(nullptr), valueLength(0),
      valueType(ParamValueType::Integer), intValue(0) {
    SetValue(value, length);
}

ParamNode::ParamNode(const char *name, int number)
    : children(nullptr), name(DupBytes(name, 0)), value(nullptr), valueLength(0),
      valueType(ParamValueType::Integer), intValue(0) {
    SetInt(number);
}

ParamNode::~ParamNode() {
    DeleteChildren();
    FreeHeapCopy(name);
    FreeHeapCopy(value);
}

void ParamNode::SetName(const char *text) {
    ReplaceHeapCopy(name, text, 0);
}

void ParamNode::SetValue(const char *data, int length) {
    if (length < 0)
        length = 0;
    // Copy before clearing: data may be this node's own value.
    char *copy = nullptr;
    if (data && length > 0) {
        copy = new char[length + 1];
        std::memcpy(copy, data, length);
        copy[length] = '\0';
    } else {
        copy = DupBytes(data, 0);
    }
    ClearValue(false);
    value = copy;
    valueLength = length;
    valueType = ParamValueType::Text;
}

void ParamNode::SetInt(intptr_t number) {
    char digits[24];
    std::to_chars_result end = std::to_chars(digits, digits + sizeof digits - 1, number);
    *end.ptr = '\0';
    SetValue(digits, 0);
    valueType = ParamValueType::Integer;
    intValue = number;
}

void ParamNode::SetHandle(intptr_t handle, const char *text) {
    if (text)
        SetValue(text, 0);
    else
        SetInt(handle);
    valueType = ParamValueType::Handle;
    intValue = handle;
}

void ParamNode::ClearValue(bool withChildren) {
    FreeHeapCopy(value);
    valueType = ParamValueType::Integer;
    valueLength = 0;
    if (withChildren)
        DeleteChildren();
}

intptr_t ParamNode::AsInt() const {
    if (valueType == ParamValueType::Integer)
        return intValue;
    return value ? std::strtol(value, nullptr, 10) : 0;
}

intptr_t ParamNode::AsHandle() const {
    return valueType == ParamValueType::Handle ? intValue : 0;
}

ParamNode *ParamNode::FindInChildren(NodeList &list, const char *name, bool create, bool atEnd, int flags) {
    if (!name)
        return nullptr;
    for (NodeCell *cell = list; cell; cell = cell->next) {
        if (TextEquals(ParamNodeOf(cell)->name, name, flags))
            return ParamNodeOf(cell);
    }
    if (!create)
        return nullptr;
    ParamNode *child = new ParamNode(name, 0);
    if (atEnd)
        ListPushBack(list, child);
    else
        ListPushFront(list, child);
    return child;
}

ParamNode *ParamNode::FindChild(const char *name, bool create, bool atEnd, int flags) {
    return FindInChildren(children, name, create, atEnd, flags);
}

ParamNode *ParamNode::WalkPath(NodeList &list, const char *path, bool create) {
    if (!path)
        return nullptr;
    NodeList *level = &list;
    TextString component(nullptr);
    for (;;) {
        const char *slash = std::strchr(path, '/');
        component.Clear();
        component.Append(path, slash ? static_cast<int>(slash - path) : -1);
        ParamNode *node = FindInChildren(*level, component.CStr(), create, false, 0);
        if (!node || !slash)
            return node;
        level = &node->children;
        path = slash + 1;
    }
}

ParamNode *ParamNode::FindPath(const char *path, bool create) {
    return WalkPath(children, path, create);
}

const ParamNode *ParamNode::FindReported(const char *name, int *found, int flags) const {
    NodeList list = children;
    const ParamNode *child = FindInChildren(list, name, false, false, flags);
    if (found)
        *found = child ? 1 : 0;
    return child;
}

const char *ParamNode::GetText(const char *name, const char *fallback, int *found, int flags) const {
    const ParamNode *child = FindReported(name, found, flags);
    return child ? child->value : fallback;
}

intptr_t ParamNode::GetInt(const char *name, intptr_t fallback, int *found, int flags) const {
    const ParamNode *child = FindReported(name, found, flags);
    return child ? child->AsInt() : fallback;
}

intptr_t ParamNode::GetHandle(const char *name, intptr_t fallback, int *found, int flags) const {
    const ParamNode *child = FindReported(name, found, flags);
    return child ? child->AsHandle() : fallback;
}

void ParamNode::AddChildFront(ParamNode *node) {
    ListPushFront(children, node);
}

void ParamNode::AddChildBack(ParamNode *node) {
    ListPushBack(children, node);
}

void ParamNode::DeleteChildren() {
    // Each child's own children are moved into this list before the child is destroyed, so that
    // however deeply a tree nests (a file can nest blocks without limit), nothing recurses.
    while (children) {
        NodeCell *cell = children;
        children = cell->next;
        ParamNode *child = ParamNodeOf(cell);
        delete cell;
        if (!child)
            continue;
        if (NodeList grandchildren = child->Children(true)) {
            NodeCell *last = grandchildren;
            while (last->next)
                last = last->next;
            last->next = children;
            children = grandchildren;
        }
        delete child;
    }
}

NodeList ParamNode::Children(bool detach) {
    NodeList list = children;
    if (detach)
        children = nullptr;
    return list;
}

ParamNode *ParamNode::ChildAt(int index) const {
    NodeCell *cell = ListCellAt(children, index);
    return cell ? ParamNodeOf(cell) : nullptr;
}

int ParamNode::ChildCount() const {
    return ListCount(children);
}

void ParamNode::ReverseChildren(bool recursive) {
    ListReverse(children);
    if (!recursive)
        return;
    for (NodeCell *cell = children; cell; cell = cell->next)
        ParamNodeOf(cell)->ReverseChildren(true);
}

int ParamNode::SplitIntoChildren(const char *text, const char *separator) {
    TextString rest(text); // copied first: text may belong to a child
    DeleteChildren();
    size_t separatorLength = separator ? std::strlen(separator) : 0;
    const char *piece = rest.CStr();
    const char *end = separatorLength > 0 ? std::strstr(piece, separator) : nullptr;
    TextString part(nullptr);
    for (;;) {
        part.Clear();
        part.Append(piece, end ? static_cast<int>(end - piece) : -1);
        ListPushFront(children, new ParamNode(part.CStr(), part.CStr(), 0));
        if (!end)
            break;
        piece = end + separatorLength;
        end = std::strstr(piece, separator);
    }
    ListReverse(children);
    return ChildCount();
}

const char *ParamNode::ResolvedValue(NodeList list) const {
    if (value && value[0] == '$')
        return LookupReference(value + 1, list, nullptr);
    return value;
}

ParamNode *FindInList(NodeList list, const char *name) {
    for (NodeCell *cell = list; cell; cell = cell->next) {
        if (StrEqual(ParamNodeOf(cell)->Name(), name))
            return ParamNodeOf(cell);
    }
    return nullptr;
}

ParamNode *FindInListByValue(NodeList list, const char *value) {
    for (NodeCell *cell = list; cell; cell = cell->next) {
        if (StrEqual(ParamNodeOf(cell)->Value(), value))
            return ParamNodeOf(cell);
    }
    return nullptr;
}

ParamNode *FindOrAddInList(NodeList &list, const char *name) {
    ParamNode *node = FindInList(list, name);
    if (!node) {
        node = new ParamNode(name, 0);
        ListPushFront(list, node);
    }
    return node;
}

const char *GetTextInList(NodeList list, const char *name, int *found, bool resolve) {
    const ParamNode *node = FindInList(list, name);
    if (found)
        *found = node ? 1 : 0;
    if (!node)
        return nullptr;
    return resolve ? node->ResolvedValue(list) : node->Value();
}

void SetTextInList(NodeList &list, const char *name, const char *data, int length) {
    FindOrAddInList(list, name)->SetValue(data, length);
}

void SetIntInList(NodeList &list, const char *name, intptr_t number) {
    FindOrAddInList(list, name)->SetInt(number);
}

ParamNode *FindPathInList(NodeList list, const char *path) {
    return ParamNode::WalkPath(list, path, false);
}

const char *LookupReference(const char *reference, NodeList list, NodeList numbered) {
    if (!reference)
        return nullptr;
    if (reference[0] < '0' || reference[0] > '9') {
        const ParamNode *node = FindPathInList(list, reference);
        return node ? node->Value() : nullptr;
    }
    long index = std::min(std::strtol(reference, nullptr, 10), static_cast<long>(INT_MAX));
    NodeCell *cell = ListCellAt(numbered, static_cast<int>(index));
    return cell ? ParamNodeOf(cell)->Value() : nullptr;
}
