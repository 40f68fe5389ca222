// ParamNode: the program's general-purpose data tree (a named value with ordered children), and
// the operations that use a plain NodeList of nodes as a small dictionary.
#pragma once

#include "core/node_list.h"

#include <cstdint>

// How a node's value was last set. (1 is not a value of this type.)
enum class ParamValueType : int32_t {
    Text = 0,    // value holds the given text or bytes
    Integer = 2, // value holds the decimal form of intValue (null after ClearValue)
    Handle = 3,  // intValue attaches an in-memory record; value holds its display text
};

// A node owns its name, its value text and all its children (destroying it destroys the subtree).
// Child names need not be unique: every look-up returns the first match in list order. Names are
// compared byte for byte, or case- and accent-folded when flags has kFoldCase.
class ParamNode {
public:
    // name copied (null stays null), then SetValue(value, length).
    ParamNode(const char *name, const char *value, int length = 0);
    // name copied, then SetInt(number).
    ParamNode(const char *name, int number);
    ~ParamNode();

    ParamNode(const ParamNode &) = delete;
    ParamNode &operator=(const ParamNode &) = delete;

    const char *Name() const { return name; }
    const char *Value() const { return value; }
    int32_t ValueLength() const { return valueLength; }
    ParamValueType ValueType() const { return valueType; }

    void SetName(const char *text);
    // length 0: a copy of the NUL-terminated data (null stays null); length > 0: the length bytes
    // of data (NUL bytes allowed) followed by a NUL. The type becomes Text.
    void SetValue(const char *data, int length = 0);
    // Value text := decimal form of number; the type becomes Integer.
    void SetInt(intptr_t number);
    // Attaches handle; the value text is text, or the decimal form of handle when text is null.
    void SetHandle(intptr_t handle, const char *text);
    // Frees the value (null afterwards), type Integer; with withChildren also DeleteChildren().
    void ClearValue(bool withChildren = false);
    // The integer of an Integer value, otherwise the value text read as a decimal long (0 when the
    // text is null or does not start with a number).
    intptr_t AsInt() const;
    // The handle of a Handle value, otherwise 0.
    intptr_t AsHandle() const;

    // First child named name; when there is none and create is set, a new child (name, 0) is put
    // first (atEnd false) or last (atEnd true) and returned. A null name finds and creates nothing.
    ParamNode *FindChild(const char *name, bool create = false, bool atEnd = false, int flags = 0);
    // Follows '/'-separated components with FindChild(component, create); null as soon as one is
    // missing. An empty component stands for a child whose name is the empty text.
    ParamNode *FindPath(const char *path, bool create = false);
    // The value of the first child named name (possibly null), or fallback when there is none;
    // found, when given, receives 1 or 0.
    const char *GetText(const char *name, const char *fallback, int *found = nullptr, int flags = 0) const;
    intptr_t GetInt(const char *name, intptr_t fallback, int *found = nullptr, int flags = 0) const;
    intptr_t GetHandle(const char *name, intptr_t fallback, int *found = nullptr, int flags = 0) const;

    // The node passes into this node's ownership.
    void AddChildFront(ParamNode *node);
    void AddChildBack(ParamNode *node);
    void DeleteChildren();
    // The children, read-only.
    NodeList Children() const { return children; }
    // The children; with detach the node forgets them and the caller owns the cells and the nodes.
    NodeList Children(bool detach);
    // Child at a 0-based index (below 0: the first child); null past the end.
    ParamNode *ChildAt(int index) const;
    int ChildCount() const;
    void ReverseChildren(bool recursive);
    // Replaces the children by the pieces of text between occurrences of the whole separator (each
    // piece is both name and value); empty pieces count. Returns the number of children.
    int SplitIntoChildren(const char *text, const char *separator);
    // The value; when it begins with '$', LookupReference of the rest in list instead.
    const char *ResolvedValue(NodeList list) const;

private:
    static ParamNode *FindInChildren(NodeList &list, const char *name, bool create, bool atEnd, int flags);
    // The child named name (or null), with found set as GetText describes.
    const ParamNode *FindReported(const char *name, int *found, int flags) const;
    static ParamNode *WalkPath(NodeList &list, const char *path, bool create);
    friend ParamNode *FindPathInList(NodeList list, const char *path);

    NodeList children;
    char *name;
    char *value;
    int32_t valueLength;
    ParamValueType valueType;
    intptr_t intValue;
};

// The node held by a cell of a list of ParamNodes.
inline ParamNode *ParamNodeOf(const NodeCell *cell) {
    return static_cast<ParamNode *>(cell->item);
}

// A NodeList of nodes used as a dictionary (names compared byte for byte, first match wins).
ParamNode *FindInList(NodeList list, const char *name);
// First node whose value equals value (a null value never matches).
ParamNode *FindInListByValue(NodeList list, const char *value);
// FindInList; when absent, a new node (name, 0) is pushed at the front of the list.
ParamNode *FindOrAddInList(NodeList &list, const char *name);
// Absent: null and found 0. Present: found 1 and the value, or its ResolvedValue when resolve.
const char *GetTextInList(NodeList list, const char *name, int *found, bool resolve);
void SetTextInList(NodeList &list, const char *name, const char *data, int length = 0);
void SetIntInList(NodeList &list, const char *name, intptr_t number);
// FindPath(path, false) with the list taken as the children of an anonymous root.
ParamNode *FindPathInList(NodeList list, const char *path);
// reference not starting with a digit: the value at that path in list (null when absent).
// Otherwise the number n in it picks the value of the node n places after the first of numbered
// (below 1: the first); null when numbered is too short.
const char *LookupReference(const char *reference, NodeList list, NodeList numbered);
