// Reading and writing parameter files. Nested blocks are followed with an explicit stack rather
// than by recursion, so that however deeply a file nests its blocks, the call stack stays flat.
#include "install/param_file.h"

#include "core/param_node.h"
#include "install/char_stream.h"
#include "install/diagnostic_stream.h"
#include "install/file_stream.h"
#include "install/memory_stream.h"
#include "install/param_lexer.h"

#include <string>
#include <vector>

namespace {

const char *const kCommentChars = "#";
const char *const kSymbolChars = "";

// The program's parameter files hold a few kilobytes. A larger file is no parameter file of its
// own and is read as an unreadable one, so that a huge file cannot take memory without bound.
constexpr std::size_t kMaxFileSize = 1024 * 1024;

// Blocks nest without limit, but their lines are indented by at most this many tabs: reading skips
// whitespace, so the file reads back the same, and deep nesting cannot make writing quadratic.
constexpr int kMaxIndent = 32;

// Reads the name and the value of one entry into node, everything but its block. Returns 0 when
// there is no name (atEnd set) or when a '=' is followed by no value.
int readHead(ParamNode &node, ParamLexer &lexer, CharInput &in, int *atEnd) {
    node.ClearValue(true);
    if (atEnd)
        *atEnd = 0;
    if (!lexer.NextToken(in)) {
        if (atEnd)
            *atEnd = 1;
        return 0;
    }
    node.SetName(lexer.CStr());

    int c = in.getSkippingWhitespace();
    if (c == '=') {
        if (!lexer.NextToken(in)) {
            CharOutput &diagnostics = diagnosticStream();
            diagnostics.write("Erreur de lecture de la valeur de ");
            diagnostics.write(node.Name());
            diagnostics.put('\n');
            return 0;
        }
        node.SetValue(lexer.CStr(), 0);
    } else {
        in.putBack(c);
        node.SetValue("", 0);
    }
    return 1;
}

bool blockFollows(CharInput &in) {
    int c = in.getSkippingWhitespace();
    in.putBack(c);
    return c == '+';
}

int readEntry(ParamNode &node, ParamLexer &lexer, CharInput &in, int *atEnd) {
    if (!readHead(node, lexer, in, atEnd))
        return 0;

    // The entries whose block is being read, innermost last. Block entries are put in front of
    // their owner's children and the order is turned round once when the block closes.
    std::vector<ParamNode *> openBlocks;
    ParamNode *entry = &node;
    bool headRead = true;
    for (;;) {
        if (headRead && blockFollows(in)) {
            in.get(); // the '+'
            openBlocks.push_back(entry);
        }
        entry = nullptr;
        while (!entry && !openBlocks.empty()) {
            int c = in.getSkippingWhitespace();
            if (c == CharInput::EndOfInput || c == '-') {
                openBlocks.back()->ReverseChildren(false);
                openBlocks.pop_back();
            } else {
                in.putBack(c);
                entry = new ParamNode("", 0);
                openBlocks.back()->AddChildFront(entry);
            }
        }
        if (!entry)
            return 1;
        // An entry that fails stays in its block with the name read and no value.
        headRead = readHead(*entry, lexer, in, nullptr);
    }
}

void writeIndent(CharOutput &out, int depth) {
    for (int i = 0; i < depth && i < kMaxIndent; ++i)
        out.put('\t');
}

void writeHead(const ParamNode &node, CharOutput &out, int depth) {
    writeIndent(out, depth);
    ParamFile::WriteQuoted(out, node.Name());
    out.write(" = ");
    ParamFile::WriteQuoted(out, node.Value());
    out.put('\n');
}

void writeMark(CharOutput &out, int depth, const char *mark) {
    writeIndent(out, depth);
    out.write(mark);
}

} // namespace

int ParamFile::ReadChildren(ParamNode &root, CharInput &in) {
    root.DeleteChildren();
    ParamLexer lexer(kCommentChars, kSymbolChars);
    const ParamNode *last = nullptr;
    int atEnd = 0;
    for (;;) {
        ParamNode *entry = new ParamNode("", "", 0);
        if (!readEntry(*entry, lexer, in, &atEnd)) {
            delete entry;
            break;
        }
        root.AddChildFront(entry);
        last = entry;
    }
    root.ReverseChildren(false);

    if (atEnd || !last)
        return 1;
    CharOutput &diagnostics = diagnosticStream();
    diagnostics.write("Erreur apres : \n");
    WriteEntry(*last, diagnostics, 0);
    diagnostics.put('\n');
    return 0;
}

int ParamFile::ReadEntry(ParamNode &node, CharInput &in, int *atEnd) {
    ParamLexer lexer(kCommentChars, kSymbolChars);
    return readEntry(node, lexer, in, atEnd);
}

int ParamFile::WriteChildren(const ParamNode &root, CharOutput &out) {
    for (NodeList cell = root.Children(); cell; cell = cell->next)
        WriteEntry(*ParamNodeOf(cell), out, 0);
    return 1;
}

void ParamFile::WriteEntry(const ParamNode &node, CharOutput &out, int depth) {
    writeHead(node, out, depth);
    if (!node.Children())
        return;

    struct OpenBlock {
        NodeList rest; // children still to write
        int depth;     // depth of the entry that owns the block
    };
    writeMark(out, depth, "+\n");
    std::vector<OpenBlock> openBlocks{{node.Children(), depth}};
    while (!openBlocks.empty()) {
        OpenBlock &block = openBlocks.back();
        if (!block.rest) {
            writeMark(out, block.depth, "-\n");
            openBlocks.pop_back();
            continue;
        }
        const ParamNode &child = *ParamNodeOf(block.rest);
        block.rest = block.rest->next;
        int childDepth = block.depth + 1;
        writeHead(child, out, childDepth);
        if (child.Children()) {
            writeMark(out, childDepth, "+\n");
            openBlocks.push_back({child.Children(), childDepth});
        }
    }
}

void ParamFile::WriteQuoted(CharOutput &out, const char *text) {
    if (!text) {
        out.put('X');
        return;
    }
    out.put('"');
    const char *run = text;
    for (const char *p = text; *p; ++p) {
        if (*p == '"' || *p == '\\') {
            out.write(run, static_cast<std::size_t>(p - run));
            out.put('\\');
            run = p;
        }
    }
    out.write(run);
    out.put('"');
}

int loadParamFile(ParamNode &root, const char *path) {
    FileInput file(path);
    std::string text;
    for (int c = file.get(); c != CharInput::EndOfInput; c = file.get()) {
        if (text.size() == kMaxFileSize) {
            root.DeleteChildren();
            return 1;
        }
        text += static_cast<char>(c);
    }
    MemoryInput in(std::move(text));
    return ParamFile::ReadChildren(root, in);
}

bool saveParamFile(const ParamNode &root, const char *path) {
    FileOutput out(path);
    if (!out.isOpen())
        return false;
    ParamFile::WriteChildren(root, out);
    return out.close();
}
