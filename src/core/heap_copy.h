// Owned heap copies of texts and byte buffers, held by structures with text fields as a plain
// pointer (null when absent). Copies are allocated with new[] and freed with delete[].
#pragma once

// null source: null. length 0 or below: a copy of the NUL-terminated text, NUL included.
// length > 0: a copy of exactly length bytes, with no NUL added.
char *DupBytes(const char *source, int length);
// Frees the copy held in slot (if any), then slot := DupBytes(source, length).
void ReplaceHeapCopy(char *&slot, const char *source, int length);
// Frees the copy held in slot (if any) and sets slot to null.
void FreeHeapCopy(char *&slot);
