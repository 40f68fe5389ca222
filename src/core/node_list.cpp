// NodeList cell operations: pushing at either end, counting, indexing, reversal.
#include "core/node_list.h"

NodeCell *ListPushFront(NodeList &head, void *item) {
    head = new NodeCell{head, item};
    return head;
}

NodeCell *ListPushBack(NodeList &head, void *item) {
    NodeCell **link = &head;
    while (*link)
        link = &(*link)->next;
    *link = new NodeCell{nullptr, item};
    return *link;
}

int ListCount(NodeList head) {
    int count = 0;
    for (; head; head = head->next)
        ++count;
    return count;
}

NodeCell *ListCellAt(NodeList head, int index) {
    for (; head && index > 0; --index)
        head = head->next;
    return head;
}

void ListReverse(NodeList &head) {
    NodeList reversed = nullptr;
    while (head) {
        NodeCell *cell = head;
        head = cell->next;
        cell->next = reversed;
        reversed = cell;
    }
    head = reversed;
}
