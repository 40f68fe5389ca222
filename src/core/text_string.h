// TextString: the program's growable string of 8-bit (code page 1252) characters, with the text
// editing and path joining operations every subsystem uses.
#pragma once

#include <cstdint>

class ParamNode;

// Storage grows by a fixed rule: the first append allocates exactly what is needed plus 201 bytes,
// an append that no longer fits reallocates to three times (length + appended + 201). Clearing or
// shortening never gives storage back. The storage is allocated with new[]: the owner of a buffer
// taken with Release() frees it with delete[].
//
// Assign and the destructor are virtual (in that order); a derived class may override the
// destructor. Copying is not allowed: construct a new TextString from CStr() of the other.
class TextString {
public:
    // A null or empty text leaves the string empty, without storage.
    explicit TextString(const char *text = nullptr);
    // Replaces the contents with text (null empties); the existing storage is reused.
    virtual void Assign(const char *text);
    virtual ~TextString();

    TextString(const TextString &) = delete;
    TextString &operator=(const TextString &) = delete;

    // Appends count bytes of data, or up to its NUL when count is negative; nothing happens when
    // data is null or there is nothing to append. data may point into this string's own text.
    void Append(const char *data, int count = -1);
    void AppendChar(char c);
    // Never null: an empty string gives a shared constant empty text.
    const char *CStr() const;
    // Empties the text and keeps the storage.
    void Clear();
    // Hands the storage (possibly null) to the caller, who frees it with delete[]; the string is
    // left empty without storage.
    char *Release();
    // Re-measures the length after the text was shortened in place by writing a NUL into it.
    void SyncLength();

    // Writes a NUL over the first c and returns the text after it, or null when c does not occur.
    // The recorded length is unchanged: call SyncLength before editing further.
    char *CutAt(char c);
    // index < 0 counts from the end (-1 is the last character); outside the text gives 0. found,
    // when given, receives 1 or 0.
    char CharAt(int index, int *found = nullptr) const;
    void ReplaceChar(char from, char to);
    void ToForwardSlashes();
    // Replaces every occurrence of from by to (null: nothing), left to right in one pass; the
    // inserted text is not searched again. A null or empty from changes nothing.
    void ReplaceAll(const char *from, const char *to);
    // CR LF becomes LF, then every remaining CR is removed.
    void NormaliseLineEnds();
    // ReplaceAll(child name, child value) for each child of table, in order.
    void ReplaceAllFromList(const ParamNode &table);
    // Removes trailing characters: with c = -1 those with codes 1 to 32, otherwise the character c.
    void TrimRight(int c = -1);
    // Folds (ToUpperFoldChar) or lower-cases the text in place and returns CStr().
    const char *ToUpperFold();
    const char *ToLower();

    // Appends directory then name (whichever are non-null), each after a separator unless the text
    // already ends with '/' or '\'. With both null, only ensures the trailing separator, unless
    // noTrailingSeparator is 1.
    void JoinPath(const char *name, const char *directory, int noTrailingSeparator);

    int32_t Length() const { return length; }
    int32_t Capacity() const { return capacity; }

private:
    void EnsureTrailingSeparator();

    char *buffer;
    int32_t capacity;
    int32_t length;
};
