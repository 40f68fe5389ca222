// Fuzz target: any bytes read as a parameter file; the tree is then written and read back, and
// the second reading must give the same names, values and nesting, without any error. The same
// bytes read as a host catalogue file must keep the built-in rows and add only complete rows.
#include "install/param_file.h"
#include "core/param_node.h"
#include "core/text_functions.h"
#include "hosts/catalogue_file.h"
#include "hosts/host_catalogue.h"
#include "install/diagnostic_stream.h"
#include "install/memory_stream.h"

#include <cstdint>
#include <cstdlib>
#include <utility>
#include <vector>

namespace {

// Names and values equal (an absent value comes back as X), children alike, walked without
// recursion since the input may nest deeply.
bool sameTrees(NodeList written, NodeList read) {
    std::vector<std::pair<NodeList, NodeList>> pending{{written, read}};
    while (!pending.empty()) {
        auto [w, r] = pending.back();
        pending.pop_back();
        for (; w && r; w = w->next, r = r->next) {
            const ParamNode &a = *ParamNodeOf(w), &b = *ParamNodeOf(r);
            if (!StrEqual(a.Name() ? a.Name() : "X", b.Name()) ||
                !StrEqual(a.Value() ? a.Value() : "X", b.Value()))
                return false;
            pending.emplace_back(a.Children(), b.Children());
        }
        if (w || r)
            return false;
    }
    return true;
}

// Every row after the built-in ones has all its texts; no more rows than were taken.
bool completeRows(const CompleteCatalogue &catalogue, int taken) {
    int added = 0;
    for (const HostVersion *row = catalogue.rows() + kHostCatalogueSize; row->displayName; ++row, ++added)
        if (!row->registryPath || !row->locationValue || !row->versionTag || row->family == HostFamily::NoHost)
            return false;
    return added <= taken && taken <= kMaxCatalogueFileRows;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    MemoryOutput diagnostics;
    CharOutput *previous = redirectDiagnostics(&diagnostics);

    MemoryInput in(reinterpret_cast<const char *>(data), size);
    ParamNode first(nullptr, nullptr);
    ParamFile::ReadChildren(first, in);

    MemoryOutput out;
    ParamFile::WriteChildren(first, out);
    diagnostics.clear();
    MemoryInput again(out.text());
    ParamNode second(nullptr, nullptr);
    if (ParamFile::ReadChildren(second, again) != 1 || !diagnostics.text().empty() ||
        !sameTrees(first.Children(), second.Children()))
        std::abort();

    MemoryInput rows(reinterpret_cast<const char *>(data), size);
    CompleteCatalogue catalogue;
    if (!completeRows(catalogue, catalogue.read(rows)))
        std::abort();

    redirectDiagnostics(previous);
    return 0;
}
