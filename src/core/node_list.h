// NodeList: the program's one container, a singly linked chain of two-word cells (next, item),
// held by its owner as a pointer to the first cell. Searches walk from the head; the first match wins.
#pragma once

struct NodeCell {
    NodeCell *next;
    void *item; // the element; whether the list owns it is the owner's business
};

// The owner's pointer to the first cell; null when the list is empty.
using NodeList = NodeCell *;

// Links a new cell in front of the list and returns it.
NodeCell *ListPushFront(NodeList &head, void *item);
// Links a new cell after the last one (or as the head of an empty list) and returns it.
NodeCell *ListPushBack(NodeList &head, void *item);

int ListCount(NodeList head);
// The cell at a 0-based index (an index below 0 gives the first cell); null past the end.
NodeCell *ListCellAt(NodeList head, int index);
// Reverses the order of the cells in place.
void ListReverse(NodeList &head);

// Frees the cells from the front one by one, destroying each non-null item as an Item first;
// the list is left empty.
template <class Item> void ListClear(NodeList &head) {
    while (head) {
        NodeCell *cell = head;
        head = cell->next;
        delete static_cast<Item *>(cell->item);
        delete cell;
    }
}
