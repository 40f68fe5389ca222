// Parameter files the program did not write ("CfgPrf.ini", "langues.ini"): cut short, garbage,
// UTF-16, far too large. Reading keeps what it can, and that survives a save and a new reading.
#include "diagnostic_capture.h"
#include "param_tree_text.h"
#include "support/test_machine.h"

#include "install/param_file.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class ParamFileBadInput : public TestMachine {
protected:
    // The tree read from a file of these bytes, after checking that saving it and reading it
    // again changes nothing.
    std::string readBack(const std::string &bytes) {
        writeBytes("bad.ini", bytes);
        ParamNode root(nullptr, nullptr);
        loadParamFile(root, scratchPath("bad.ini").c_str());
        EXPECT_TRUE(saveParamFile(root, scratchPath("saved.ini").c_str()));
        ParamNode again(nullptr, nullptr);
        EXPECT_EQ(loadParamFile(again, scratchPath("saved.ini").c_str()), 1);
        EXPECT_EQ(treeText(again.Children()), treeText(root.Children()));
        return treeText(root.Children());
    }
};

std::string utf16WithMark(const std::string &text) {
    std::string bytes = "\xFF\xFE";
    for (char c : text)
        bytes += {c, '\0'};
    return bytes;
}

TEST_F(ParamFileBadInput, WhatCanBeReadIsKept) {
    const struct {
        const char *what;
        std::string bytes;
        const char *tree;
    } files[] = {
        {"cut inside a quoted value", "a = 1\r\nb = \"Profil st", "a=1,b=Profil st"},
        {"cut after the equals sign", "a = 1\r\nb =", "a=1"},
        {"cut inside a block", "P = V\r\n+\r\n\tK = 1\r\n\tL = \"", "P=V[K=1,L=]"},
        {"cut after a backslash", "a = \"C:\\", "a=C:"},
        // The 8-bit reader sees the mark and the NUL halves: names that match no setting, never
        // a value taken for another one.
        {"UTF-16", utf16WithMark("a = 1\r\n"), "\xFF\xFE" "a=,=,=,=,="},
        {"binary", std::string("\x00\x80\xFF\"\x01=\x7F+-\x1B", 10), "=\x7F+-"},
    };
    DiagnosticCapture diagnostics;
    for (const auto &file : files)
        EXPECT_EQ(readBack(file.bytes), file.tree) << file.what;
}

TEST_F(ParamFileBadInput, AFileOverOneMegabyteIsReadAsNoFile) {
    const std::size_t limit = 1024 * 1024;
    std::string atLimit = "a = 1\n#" + std::string(limit - 7, 'x');
    EXPECT_EQ(readBack(atLimit), "a=1");
    EXPECT_EQ(readBack(atLimit + "x"), "");
}

} // namespace
