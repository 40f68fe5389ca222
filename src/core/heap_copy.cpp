// Owned heap copies of texts and byte buffers.
#include "core/heap_copy.h"

#include <cstring>

char *DupBytes(const char *source, int length) {
    if (!source)
        return nullptr;
    size_t size = length > 0 ? static_cast<size_t>(length) : std::strlen(source) + 1;
    char *copy = new char[size];
    std::memcpy(copy, source, size);
    return copy;
}

void ReplaceHeapCopy(char *&slot, const char *source, int length) {
    char *copy = DupBytes(source, length); // before freeing: source may be the old copy
    delete[] slot;
    slot = copy;
}

void FreeHeapCopy(char *&slot) {
    delete[] slot;
    slot = nullptr;
}
