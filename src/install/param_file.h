// Parameter files: the text format of a ParamNode tree ("CfgPrf.ini", "langues.ini"). Each entry
// is a name, an optional '=' and value, and an optional block of child entries between '+' and '-'.
#pragma once

class CharInput;
class CharOutput;
class ParamNode;

namespace ParamFile {

// Replaces the children of root by the entries of the input, in file order. Returns 1, or 0 when
// an entry after at least one good one could not be read; the entries read so far stay.
int ReadChildren(ParamNode &root, CharInput &in);

// Reads one entry, with its block, into node. Returns 0 when no entry could be read; atEnd (when
// given) then tells whether the input had simply ended.
int ReadEntry(ParamNode &node, CharInput &in, int *atEnd);

// Writes every child of root as an entry at depth 0, in order; returns 1.
int WriteChildren(const ParamNode &root, CharOutput &out);

// Writes node as an entry indented by depth tabs (32 at most), followed by its block when it has children.
void WriteEntry(const ParamNode &node, CharOutput &out, int depth);

// Writes text between double quotes, a backslash before every double quote and backslash; a
// null text is the bare character X.
void WriteQuoted(CharOutput &out, const char *text);

} // namespace ParamFile

// Reads the parameter file at path into the children of root; a missing file, or one of more than
// 1 MB (no parameter file of this program), gives no children.
int loadParamFile(ParamNode &root, const char *path);

// Writes the children of root to the file at path, created anew; false when it could not be written.
bool saveParamFile(const ParamNode &root, const char *path);
