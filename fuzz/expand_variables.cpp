// Fuzz target: any text expanded against a small fixed value list that holds nested values,
// path names, backslashes and values that refer to themselves directly or in a cycle.
#include "core/param_node.h"
#include "core/text_string.h"
#include "vars/variable_expansion.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

NodeList makeValues() {
    NodeList values = nullptr;
    SetTextInList(values, "CurVer", "R18");
    SetTextInList(values, "P", "D:\\A\\B");
    SetTextInList(values, "U", "a/b");
    SetTextInList(values, "A", "$B");
    SetTextInList(values, "B", "1");
    SetTextInList(values, "Self", "x$Self");
    SetTextInList(values, "Loop1", "${Loop2@2}\\$");
    SetTextInList(values, "Loop2", "$Loop1");
    SetTextInList(values, "E", "");
    SetTextInList(values, "k", "K");
    FindInList(values, "k")->AddChildBack(new ParamNode("v", "9"));
    return values;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    static NodeList values = makeValues();
    std::string input(reinterpret_cast<const char *>(data), size);
    TextString text(input.c_str());
    std::string before = text.CStr();
    const char *result = ExpandVariables(text, values);
    // Without a '$' nothing changes and the result is null; otherwise the result is the new text.
    bool hasReference = before.find('$') != std::string::npos;
    if (hasReference ? result != text.CStr() : (result != nullptr || before != text.CStr()))
        std::abort();
    return 0;
}
