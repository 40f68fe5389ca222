// Reading the catalogue file: its rows checked field by field, merged with the built-in rows.
#include "hosts/catalogue_file.h"

#include "core/param_node.h"
#include "core/text_functions.h"
#include "core/text_string.h"
#include "hosts/host_catalogue.h"
#include "install/diagnostic_stream.h"
#include "install/file_stream.h"
#include "install/marked_text_input.h"
#include "install/param_file.h"
#include "files/file_utils.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

namespace {

// No host name, key or value name comes near this; a longer field is a damaged one.
constexpr std::size_t kMaxFieldLength = 255;

// The flag bits that catalogue rows use; a row with any other bit is refused.
constexpr uint32_t kKnownFlags =
    kStartupVariantMask | kHasTrustedPaths | kHas32BitModule | kHas64BitModule | kLabelRuleMask;

struct TextField {
    const char *name;
    const char *HostVersion::*member;
};
constexpr TextField requiredTexts[] = {
    {"displayName", &HostVersion::displayName},
    {"registryPath", &HostVersion::registryPath},
    {"locationValue", &HostVersion::locationValue},
    {"versionTag", &HostVersion::versionTag},
};

struct FamilyName {
    const char *name;
    HostFamily family;
};
constexpr FamilyName familyNames[] = {
    {"AutoCad", HostFamily::AutoCad},           {"AutoCadLt", HostFamily::AutoCadLt},
    {"BricsCad", HostFamily::BricsCad},         {"ZwCadClassic", HostFamily::ZwCadClassic},
    {"ZwCadPlus", HostFamily::ZwCadPlus},       {"IntelliCad", HostFamily::IntelliCad},
    {"GstarCad", HostFamily::GstarCad},
};

// Not blank, on one line and not too long.
bool sensibleText(const char *text) {
    if (IsBlank(text) || std::strlen(text) > kMaxFieldLength)
        return false;
    for (const char *p = text; *p; ++p)
        if (static_cast<unsigned char>(*p) < ' ')
            return false;
    return true;
}

// At most one '*', and only as a whole component ("/*" at the end or followed by a separator).
bool wellFormedWildcard(const char *path) {
    const char *star = std::strchr(path, '*');
    if (!star)
        return true;
    auto isSeparator = [](char c) { return c == '/' || c == '\\'; };
    return star > path && isSeparator(star[-1]) && (star[1] == '\0' || isSeparator(star[1])) &&
           !std::strchr(star + 1, '*');
}

bool parseFamily(const char *text, HostFamily &family) {
    for (const FamilyName &known : familyNames)
        if (StrEqual(known.name, text)) {
            family = known.family;
            return true;
        }
    return false;
}

// "0x" and hexadecimal digits (a bare 0x2381 in the file reads as the number 0 followed by
// another entry: the prefix makes that an error), at most 32 bits, only the bits that rows use.
bool parseFlags(const char *text, uint32_t &flags) {
    if (text[0] != '0' || (text[1] != 'x' && text[1] != 'X'))
        return false;
    text += 2;
    std::size_t length = std::strlen(text);
    if (length == 0 || length > 8 || std::strspn(text, "0123456789abcdefABCDEF") != length)
        return false;
    flags = static_cast<uint32_t>(std::strtoul(text, nullptr, 16));
    return (flags & ~kKnownFlags) == 0;
}

bool isFieldName(const char *name) {
    for (const TextField &field : requiredTexts)
        if (StrEqual(field.name, name))
            return true;
    return StrEqual(name, "subkeyFilter") || StrEqual(name, "family") || StrEqual(name, "flags");
}

// Fills row from the fields of entry (its texts still the entry's); gives the name of the first
// field that is missing or malformed, or of a field the rows do not have ("versionTag = 27p"
// without quotes reads as "27" and a field "p"), or null when the row is good.
const char *parseRow(const ParamNode &entry, HostVersion &row) {
    for (const TextField &field : requiredTexts) {
        row.*field.member = entry.GetText(field.name, nullptr);
        if (!sensibleText(row.*field.member))
            return field.name;
    }
    if (!wellFormedWildcard(row.registryPath))
        return "registryPath";
    // Optional: absent or blank means no filter.
    const char *filter = entry.GetText("subkeyFilter", nullptr);
    if (!IsBlank(filter) && !sensibleText(filter))
        return "subkeyFilter";
    row.subkeyFilter = IsBlank(filter) ? nullptr : filter;
    const char *family = entry.GetText("family", nullptr);
    if (!family || !parseFamily(family, row.family))
        return "family";
    const char *flags = entry.GetText("flags", nullptr);
    if (!flags || !parseFlags(flags, row.flags))
        return "flags";
    for (NodeCell *cell = entry.Children(); cell; cell = cell->next)
        if (!isFieldName(ParamNodeOf(cell)->Name()))
            return sensibleText(ParamNodeOf(cell)->Name()) ? ParamNodeOf(cell)->Name() : "?";
    return nullptr;
}

void reportSkippedRow(int number, const HostVersion &row, const char *field) {
    CharOutput &diagnostics = diagnosticStream();
    diagnostics.write("hotes.ini : h\xF4te ");
    diagnostics.write(std::to_string(number).c_str());
    if (sensibleText(row.displayName)) {
        diagnostics.write(" (");
        diagnostics.write(row.displayName);
        diagnostics.put(')');
    }
    diagnostics.write(" ignor\xE9, champ ");
    diagnostics.write(field);
    diagnostics.write(" absent ou incorrect\n");
}

// Whether two rows look for installations under the same key. The path alone does not tell the
// ZWCAD 2010 to 2012 rows apart: their filters do.
bool sameKey(const HostVersion &a, const HostVersion &b) {
    bool sameFilter = a.subkeyFilter ? StrEqual(a.subkeyFilter, b.subkeyFilter) : b.subkeyFilter == nullptr;
    return sameFilter && StrEqual(a.registryPath, b.registryPath);
}

} // namespace

CompleteCatalogue::CompleteCatalogue() : table(HostCatalogue, HostCatalogue + kHostCatalogueSize + 1) {}

int CompleteCatalogue::read(CharInput &in) {
    MarkedTextInput text(in, kMaxCatalogueFileSize);
    table.pop_back(); // the terminator, put back after the file rows
    int taken = 0;
    for (int number = 1;; ++number) {
        ParamNode entry("", "", 0);
        if (!ParamFile::ReadEntry(entry, text, nullptr))
            break;
        if (number > kMaxCatalogueFileRows) {
            CharOutput &diagnostics = diagnosticStream();
            diagnostics.write("hotes.ini : plus de ");
            diagnostics.write(std::to_string(kMaxCatalogueFileRows).c_str());
            diagnostics.write(" h\xF4tes, les suivants sont ignor\xE9s\n");
            break;
        }
        HostVersion row;
        if (const char *badField = parseRow(entry, row)) {
            reportSkippedRow(number, row, badField);
            continue;
        }
        place(row);
        ++taken;
    }
    table.emplace_back();
    return taken;
}

void CompleteCatalogue::place(const HostVersion &row) {
    HostVersion kept(keep(row.displayName), keep(row.registryPath), keep(row.locationValue),
                     keep(row.versionTag), keep(row.subkeyFilter), row.family, row.flags);
    for (HostVersion &earlier : table)
        if (sameKey(earlier, kept)) {
            earlier = kept;
            return;
        }
    table.push_back(kept);
}

const char *CompleteCatalogue::keep(const char *text) {
    if (!text)
        return nullptr;
    texts.emplace_back(text);
    return texts.back().c_str();
}

int loadHostCatalogue() {
    // The completed catalogue in use; replaced only by the next load.
    static std::unique_ptr<CompleteCatalogue> completed;
    TextString path;
    AssignProgramDir(path, "hotes.ini", "system");
    auto catalogue = std::make_unique<CompleteCatalogue>();
    FileInput file(path.CStr());
    int taken = catalogue->read(file);
    useHostCatalogue(taken > 0 ? catalogue->rows() : nullptr);
    completed = taken > 0 ? std::move(catalogue) : nullptr;
    return taken;
}
