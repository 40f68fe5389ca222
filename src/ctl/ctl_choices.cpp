// Finding the host, language and context veltractl's options name (see ctl_choices.h).
#include "ctl/ctl_choices.h"

#include "app/connexion_steps.h"
#include "core/param_node.h"
#include "core/text_functions.h"
#include "core/text_string.h"
#include "install/install_description.h"
#include "platform/memory_controls.h"
#include "widgets/node_combo.h"

#include <cstdlib>
#include <cstring>

namespace {

std::string folded(const char *text) {
    TextString copy(text != nullptr ? text : "");
    copy.ToUpperFold();
    std::string result = copy.CStr();
    for (char &c : result)
        if (c == '\\')
            c = '/';
    return result;
}

// The number selector gives (1 .. count), or 0 when it is no such number.
std::size_t numberIn(const std::string &selector, std::size_t count) {
    if (selector.empty() || selector.size() > 9 || selector.find_first_not_of("0123456789") != std::string::npos)
        return 0;
    std::size_t number = std::strtoul(selector.c_str(), nullptr, 10);
    return number >= 1 && number <= count ? number : 0;
}

// One line listing the entries, "1. text, 2. text".
std::string possible(const std::vector<const ParamNode *> &entries) {
    std::string list;
    for (std::size_t index = 0; index < entries.size(); ++index) {
        list += list.empty() ? " ; choix possibles : " : ", ";
        list += std::to_string(index + 1) + ". " + (entries[index]->Value() ? entries[index]->Value() : "");
    }
    return entries.empty() ? " ; aucun choix possible" : list;
}

// The key of a host without its root: what follows "HKEY_..." up to its first separator.
std::string withoutRoot(const std::string &key) {
    if (key.compare(0, 5, "HKEY_") != 0)
        return key;
    std::size_t separator = key.find('/');
    return separator == std::string::npos ? std::string() : key.substr(separator + 1);
}

} // namespace

std::vector<const ParamNode *> hostEntries(const ParamNode &hosts) {
    std::vector<const ParamNode *> entries;
    for (NodeCell *cell = hosts.Children(); cell != nullptr; cell = cell->next)
        entries.push_back(ParamNodeOf(cell));
    return entries;
}

std::vector<const ParamNode *> languageEntries(const ParamNode &languages) {
    // The dialog's sorted combo box orders them; the same binding on a memory combo box gives
    // the same order.
    os::MemoryComboBox combo(true);
    NodeCombo binding(&combo);
    binding.Bind(languages.Children(), false);
    std::vector<const ParamNode *> entries;
    for (int index = 0; index < combo.GetCount(); ++index)
        entries.push_back(binding.SelectedNode(combo.GetItemText(index).c_str()));
    return entries;
}

const ParamNode *findHost(const std::vector<const ParamNode *> &entries, const std::string &selector,
                          std::string &error) {
    if (std::size_t number = numberIn(selector, entries.size()))
        return entries[number - 1];
    // A selector made of digits only is a number, never a piece of an entry.
    const bool digits = selector.find_first_not_of("0123456789") == std::string::npos;
    const std::string wanted = folded(selector.c_str());
    for (const ParamNode *host : entries)
        if (!wanted.empty() && (wanted == folded(host->GetText("TETEREL", "")) ||
                                withoutRoot(wanted) == folded(host->GetText("TETEREL", ""))))
            return host;
    const ParamNode *found = nullptr;
    int matches = 0;
    for (const ParamNode *host : entries)
        if (!digits && folded(host->Value()).find(wanted) != std::string::npos) {
            found = host;
            ++matches;
        }
    if (matches == 1)
        return found;
    error = std::string(matches == 0 ? "h\xF4te inconnu" : "h\xF4te ambigu") + " \"" + selector + "\"" +
            possible(entries);
    return nullptr;
}

const ParamNode *findLanguage(const std::vector<const ParamNode *> &entries, const std::string &selector,
                              std::string &error) {
    if (std::size_t number = numberIn(selector, entries.size()))
        return entries[number - 1];
    const std::string wanted = folded(selector.c_str());
    for (const ParamNode *language : entries)
        if (wanted == folded(language->Name()) || wanted == folded(language->Value()))
            return language;
    error = "langue inconnue \"" + selector + "\"";
    for (std::size_t index = 0; index < entries.size(); ++index)
        error += std::string(index == 0 ? " ; choix possibles : " : ", ") + std::to_string(index + 1) + ". " +
                 entries[index]->Name() + " (" + (entries[index]->Value() ? entries[index]->Value() : "") + ")";
    return nullptr;
}

bool findContext(const char *programFolder, bool named, const std::string &wanted, std::string &name,
                 std::string &error) {
    ParamNode contexts(nullptr, nullptr);
    int count = listContexts(contexts, programFolder, true);
    std::string list;
    for (NodeCell *cell = contexts.Children(); cell != nullptr; cell = cell->next) {
        const ParamNode &context = *ParamNodeOf(cell);
        const char *contextName = context.Name() != nullptr ? context.Name() : "";
        if (named && folded(contextName) == folded(wanted.c_str())) {
            name = contextName;
            return true;
        }
        list += std::string(list.empty() ? " ; choix possibles : " : ", ") + "\"" + contextName + "\"";
    }
    if (!named && count <= 1) {
        const char *only = count == 1 ? contexts.ChildAt(0)->Name() : nullptr;
        name = only != nullptr ? only : "";
        return true;
    }
    error = named ? "profil applicatif inconnu \"" + wanted + "\"" + list
                  : "plusieurs profils applicatifs : choisissez-en un avec --context" + list;
    return false;
}
