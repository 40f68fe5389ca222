// Parsing veltractl's command line (see ctl_arguments.h).
#include "ctl/ctl_arguments.h"

#include <cstring>

namespace {

struct CommandEntry {
    const char *name;
    CtlCommand command;
    const char *const *options; // the options it takes, null-terminated
};

const char *const listOptions[] = {"--json", nullptr};
const char *const statusOptions[] = {"--host", "--context", "--json", nullptr};
const char *const deployOptions[] = {"--host",      "--language",  "--bits",      "--autoload", "--no-autoload",
                                     "--context",   "--no-launch", "--all-users", "--preview",  "--force",
                                     "--json",      nullptr};
const char *const undoOptions[] = {"--all", "--preview", "--json", nullptr};
const char *const removeOptions[] = {"--host", "--all-hosts", "--all-users", "--preview", "--json", nullptr};
const char *const doctorOptions[] = {"--registry", "--json", nullptr};

const CommandEntry commands[] = {
    {"hosts", CtlCommand::Hosts, listOptions},
    {"languages", CtlCommand::Languages, listOptions},
    {"status", CtlCommand::Status, statusOptions},
    {"deploy", CtlCommand::Deploy, deployOptions},
    {"undo", CtlCommand::Undo, undoOptions},
    {"remove", CtlCommand::Remove, removeOptions},
    {"doctor", CtlCommand::Doctor, doctorOptions},
};

bool takesValue(const std::string &option) {
    return option == "--host" || option == "--language" || option == "--bits" || option == "--context" ||
           option == "--registry";
}

bool accepts(const CommandEntry &entry, const std::string &option) {
    for (const char *const *name = entry.options; *name != nullptr; ++name)
        if (option == *name)
            return true;
    return false;
}

// Stores one option (its value, when it takes one, already split off).
bool store(CtlOptions &options, const std::string &option, const std::string &value, std::string &error) {
    if (option == "--host") {
        options.host = value;
    } else if (option == "--language") {
        options.language = value;
    } else if (option == "--context") {
        options.context = value;
        options.contextGiven = true;
    } else if (option == "--bits") {
        if (value != "32" && value != "64") {
            error = "valeur de --bits invalide \"" + value + "\" (32 ou 64)";
            return false;
        }
        options.bits = value == "64" ? 64 : 32;
    } else if (option == "--autoload" || option == "--no-autoload") {
        options.autoload = option == "--autoload" ? 1 : 0;
    } else if (option == "--no-launch") {
        options.noLaunch = true;
    } else if (option == "--all-users") {
        options.allUsers = true;
    } else if (option == "--preview") {
        options.preview = true;
    } else if (option == "--force") {
        options.force = true;
    } else if (option == "--registry") {
        options.registryFiles.push_back(value);
    } else if (option == "--all") {
        options.allRuns = true;
    } else if (option == "--all-hosts") {
        options.allHosts = true;
    } else if (option == "--json") {
        options.json = true;
    }
    return true;
}

} // namespace

bool parseCtlArguments(const std::vector<std::string> &arguments, CtlOptions &options, std::string &error) {
    options = CtlOptions();
    if (arguments.empty()) {
        error = "commande manquante";
        return false;
    }
    const CommandEntry *entry = nullptr;
    for (const CommandEntry &candidate : commands)
        if (arguments[0] == candidate.name)
            entry = &candidate;
    if (entry == nullptr) {
        error = "commande inconnue \"" + arguments[0] + "\"";
        return false;
    }
    options.command = entry->command;
    bool hostGiven = false;
    for (std::size_t index = 1; index < arguments.size(); ++index) {
        std::string option = arguments[index];
        std::string value;
        bool inlineValue = false;
        std::size_t equals = option.find('=');
        if (option.compare(0, 2, "--") == 0 && equals != std::string::npos) {
            value = option.substr(equals + 1);
            option.resize(equals);
            inlineValue = true;
        }
        if (!accepts(*entry, option)) {
            error = "option inconnue de " + std::string(entry->name) + " \"" + option + "\"";
            return false;
        }
        if (takesValue(option) && !inlineValue) {
            if (index + 1 >= arguments.size()) {
                error = "valeur manquante pour " + option;
                return false;
            }
            value = arguments[++index];
        } else if (!takesValue(option) && inlineValue) {
            error = "l'option " + option + " ne prend pas de valeur";
            return false;
        }
        if (!store(options, option, value, error))
            return false;
        hostGiven = hostGiven || option == "--host";
    }
    if (options.command == CtlCommand::Deploy && !hostGiven) {
        error = "--host est obligatoire pour deploy";
        return false;
    }
    if (hostGiven && options.allHosts) {
        error = "--host et --all-hosts s'excluent";
        return false;
    }
    if (hostGiven && options.host.empty()) {
        error = "valeur vide pour --host";
        return false;
    }
    return true;
}

const char *ctlUsage() {
    return "usage : veltractl hosts [--json]\n"
           "        veltractl languages [--json]\n"
           "        veltractl status [--host SEL] [--context NOM] [--json]\n"
           "        veltractl deploy --host SEL [--language LANGUE] [--bits 32|64] [--autoload|--no-autoload]\n"
           "                         [--context NOM] [--no-launch] [--all-users] [--preview] [--force] [--json]\n"
           "        veltractl undo [--all] [--preview] [--json]\n"
           "        veltractl remove [--host SEL | --all-hosts] [--all-users] [--preview] [--json]\n"
           "        veltractl doctor [--registry FICHIER.reg ...] [--json]\n"
           "        veltractl --version\n";
}
