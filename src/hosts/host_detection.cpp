// Host detection: the catalogue walk over the registry, the checks of one installation and the
// result nodes.
#include "hosts/host_detection.h"

#include "core/param_node.h"
#include "core/text_functions.h"
#include "core/text_string.h"
#include "hosts/detection_keys.h"
#include "hosts/host_catalogue.h"
#include "hosts/host_properties.h"
#include "install/install_settings.h"
#include "files/file_utils.h"
#include "platform/ascii_case.h"
#include "registry/registry_key.h"
#include "registry/registry_view.h"
#include "vars/variable_expansion.h"

#include <cstdint>
#include <cstring>
#include <initializer_list>

namespace {

// The copy of the catalogue row named by "CADManuID", with its own display name; results of
// earlier detections keep referring to it, so it lives as long as the process.
HostVersion forcedHost;
TextString forcedHostName;

const char *const forcedSuffix = "**force**";

// The value of values named name, compared without regard to letter case; null when absent.
const char *valueNamed(NodeList values, const char *name) {
    for (NodeCell *cell = values; cell; cell = cell->next)
        if (ParamNodeOf(cell)->Name() && os::equalIgnoringCase(ParamNodeOf(cell)->Name(), name))
            return ParamNodeOf(cell)->Value();
    return nullptr;
}

// Opens path (forward slashes), reads its values and examines it as one installation key.
void examineKey(const HostVersion &row, ParamNode &result, const char *path, const char *subkey) {
    RegistryKey key;
    key.openPath(path, false);
    examineInstallationKey(row, result, key.readValues(false, false), path, subkey);
}

// The installations of a wildcard path: prefix is the path before the '*' component, rest the text
// after it (possibly empty, possibly holding ${name} references to values of the matched key).
void searchBelowWildcard(const HostVersion &row, ParamNode &result, DetectionKeys &keys, const char *prefix,
                         const char *rest) {
    TextString path; // one buffer for every subkey's path
    for (NodeCell *cell = keys.subkeyNames(prefix); cell; cell = cell->next) {
        const char *name = static_cast<const char *>(cell->item);
        if (row.subkeyFilter && !std::strstr(name, row.subkeyFilter))
            continue;
        path.Assign(prefix);
        path.JoinPath(name, nullptr, 1);
        if (std::strchr(rest, '$')) {
            path.ToForwardSlashes();
            RegistryKey matched;
            matched.openPath(path.CStr(), false);
            path.Append(rest);
            ExpandVariables(path, matched.readValues(false, false));
        } else {
            path.Append(rest);
        }
        path.ToForwardSlashes();
        examineKey(row, result, path.CStr(), name);
    }
}

// One pass over the keys of row in one registry view (0 default, 1 the 64-bit view).
void searchRow(const HostVersion &row, ParamNode &result, DetectionKeys &keys, int view) {
    RegistryViewScope scope(view);
    if (const char *star = std::strchr(row.registryPath, '*')) {
        // The prefix ends before the separator in front of the '*'.
        int starIndex = static_cast<int>(star - row.registryPath);
        TextString prefix;
        prefix.Append(row.registryPath, starIndex > 0 ? starIndex - 1 : 0);
        searchBelowWildcard(row, result, keys, prefix.CStr(), star + 1);
    } else {
        examineInstallationKey(row, result, keys.values(row.registryPath), nullptr, nullptr);
    }
}

// Adds the installations of one host version to the front of result: a pass in the default
// registry view, then, on a 64-bit Windows, one in the 64-bit view.
void detectHostVersion(const HostVersion &row, ParamNode &result, DetectionKeys &keys) {
    searchRow(row, result, keys, 0);
    if (is64BitWindows() == 64)
        searchRow(row, result, keys, 1);
}

void addForcedHost(ParamNode &result) {
    if (IsBlank(CADManuPath.CStr()) || IsBlank(CADManuID.CStr()))
        return;
    const HostVersion *row = findHostVersion(CADManuID.CStr());
    if (!row)
        return;
    forcedHostName.Assign(row->displayName);
    forcedHostName.Append(forcedSuffix);
    forcedHost = *row;
    forcedHost.displayName = forcedHostName.CStr();
    addInstallation(forcedHost, result, CADManuPath.CStr(), nullptr, nullptr, true, nullptr);
}

void addTextChild(ParamNode &node, const char *name, const char *text) {
    node.AddChildBack(new ParamNode(name, text));
}

} // namespace

void detectHosts(ParamNode &result) {
    result.DeleteChildren();
    DetectionKeys keys;
    FileExistenceMemo files; // the files, like the keys, looked at once per detection
    for (const HostVersion *row = hostCatalogue(); row->displayName; ++row)
        detectHostVersion(*row, result, keys);
    addForcedHost(result);
}

void makeInstallationLabel(const HostVersion &row, NodeList values, TextString &label) {
    label.Clear();
    if (row.labelRule() == kLabelFromProductName)
        label.Assign(valueNamed(values, "ProductName"));
    if (IsBlank(label.CStr()))
        label.Assign(row.displayName);
    const char *language = valueNamed(values, "LangAbbrev");
    if (row.labelRule() == kLabelWithLanguage && !IsBlank(language)) {
        label.AppendChar(' ');
        label.Append(language);
    }
}

void examineInstallationKey(const HostVersion &row, ParamNode &result, NodeList values, const char *keyPath,
                            const char *subkey) {
    const char *installFolder = valueNamed(values, row.locationValue);
    if (!installFolder)
        return;
    TextString label;
    makeInstallationLabel(row, values, label);
    addInstallation(row, result, installFolder, keyPath, label.CStr(), false, subkey);
}

ParamNode *addInstallation(const HostVersion &row, ParamNode &result, const char *installFolder,
                           const char *keyPath, const char *label, bool forced, const char *subkey) {
    TextString exe(installFolder);
    if (!forced) {
        exe.JoinPath(executableName(row.family), nullptr, 1);
        const char *alternate = alternateExecutableName(row.family);
        if (alternate && !fileExists(exe.CStr())) {
            exe.Assign(installFolder);
            exe.JoinPath(alternate, nullptr, 1);
        }
    }
    if (!fileExists(exe.CStr()))
        return nullptr;

    TextString keyFromRoot;
    if (keyPath)
        if (const char *slash = std::strchr(keyPath, '/'))
            keyFromRoot.Assign(slash + 1);
    TextString module32, module64;
    if (findModuleFiles(row, &module32, &module64) == 0)
        return nullptr;

    TextString fullLabel(IsBlank(label) ? row.displayName : label);
    for (const char *detail : {subkey, exe.CStr()})
        if (!IsBlank(detail)) {
            fullLabel.Append(", ");
            fullLabel.Append(detail);
        }

    auto *node =
        new ParamNode(IsBlank(keyFromRoot.CStr()) ? exe.CStr() : keyFromRoot.CStr(), fullLabel.CStr());
    addTextChild(*node, "CIBLE", exe.CStr());
    addTextChild(*node, "AP32", module32.CStr());
    addTextChild(*node, "AP64", module64.CStr());
    addTextChild(*node, "TETE", keyPath ? keyPath : "");
    addTextChild(*node, "TETEREL", keyFromRoot.CStr());
    auto *rowHandle = new ParamNode("CDINF", nullptr);
    rowHandle->SetHandle(reinterpret_cast<intptr_t>(&row), nullptr);
    node->AddChildBack(rowHandle);
    addTextChild(*node, "CDBONUS", subkey ? subkey : "");
    addTextChild(*node, "CDIDEXT", fullLabel.CStr());
    TextString launcher;
    if (findLauncher(row.family, exe.CStr(), launcher))
        addTextChild(*node, "CIBLEBIS", launcher.CStr());
    result.AddChildFront(node);
    return node;
}
