// Small functions on plain NUL-terminated character arrays (code page 1252 text): blank tests,
// equality, case folding, path separators. Characters are always compared as unsigned codes.
#pragma once

// 1 when s is null, empty, or made only of characters with codes 1 to 32; else 0.
int IsBlank(const char *s);
// 1 when both texts are non-null and byte for byte equal; else 0.
int StrEqual(const char *a, const char *b);
// Flag of TextEquals (and of the ParamNode look-ups): compare after ToUpperFoldChar on both sides.
constexpr int kFoldCase = 1;
// 1 when both texts are non-null and equal (folded when flags has kFoldCase); else 0.
int TextEquals(const char *a, const char *b, int flags);

// 'A'..'Z' to 'a'..'z'; every other character, accented capitals included, is unchanged.
char ToLowerChar(char c);
// 'a'..'z' to 'A'..'Z' and the accented lower-case vowels (grave, circumflex, diaeresis) to plain
// capitals; acute and tilde vowels, the cedilla and everything else are unchanged.
char ToUpperFoldChar(char c);
// Apply the character function to each character of s; return s (null stays null).
char *ToLowerInPlace(char *s);
char *ToUpperFoldInPlace(char *s);

// text repeated count times (empty when count < 1 or text is null), in one static buffer that the
// next call overwrites.
const char *RepeatText(int count, const char *text);

// 1 for '/' and '\', else 0.
int IsPathSeparator(char c);
// The path separator the program appends.
constexpr char kPathSeparator = '\\';

// When text begins with prefix, a pointer into text just after it; otherwise (or when either is
// null) null. An empty prefix matches and returns text.
const char *SkipPrefix(const char *text, const char *prefix);
