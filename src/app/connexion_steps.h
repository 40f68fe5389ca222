// The steps of a connexion that need no window, shared by the connexion dialog and the command-line
// program veltractl: loading the settings and the context, the pre-selections, and what OK does.
#pragma once

#include "core/node_list.h"

#include <functional>

class NodeCombo;
class ParamNode;
class TextString;

// The bitness of Windows: 64 or 32 (also when it cannot be told).
int windowsBitness();

// Picks one of several contexts when the command line names none: gives the chosen name, or null
// to keep the standard profile.
using ContextChooser = std::function<const char *(NodeList profiles)>;

// What OK runs to deploy the choice (deployConfiguration, or a stand-in in tests).
using Deployment = int (*)(const ParamNode &host, const ParamNode &language, bool use64,
                           const char *drawingFiles, bool autoload);

// Loads, in this order: the registry settings (their key created when missing unless
// createSettingsKey is false), the program folder (into programFolder), the command line (the text
// after the program name; its drawings into drawingFiles), the context (from "CTX =", else the only
// one, else chooser's pick), "CfgPrf.ini" and the command line's overrides of ArgsCAD and ArgsAPP.
void loadConnexionState(const char *commandLine, const ContextChooser &chooser, TextString &programFolder,
                        TextString &drawingFiles, bool createSettingsKey = true);

// Loads "langues.ini" into languages and, when no module size is decided yet, takes the bitness
// of Windows for it.
void loadLanguagesAndModuleSize(ParamNode &languages);

// The host pre-selected among the detected ones: the one chosen last (by registry key, then by
// executable), else the first; null when none was detected.
ParamNode *preselectedHost(const ParamNode &hosts);

// Selects in the language binding the language chosen last, or the first when none was.
void preselectLanguage(NodeCombo &languageChoice, const ParamNode &languages);

// The module files a detected host has beside the program (no 64-bit one on a 32-bit Windows).
struct ModuleSizes {
    bool has32 = false;
    bool has64 = false;
    bool both() const { return has32 && has64; }
    // The size is the user's choice unless exactly one module exists.
    bool choosable() const { return has32 == has64; }
};
ModuleSizes moduleSizesOf(const ParamNode &host);

// 1 for the 64-bit module, 0 for the 32-bit one: the only one there is, else preferred64.
int moduleSizeToUse(ModuleSizes sizes, int preferred64);

// Whether the host offers the start-up load choice ("Autoload"); false for a node without its
// catalogue row.
bool autoloadOffered(const ParamNode &host);

// OK: remembers host and language as the choice made, writes "CfgPrf.ini" of the context named
// by ArgsAPP and runs deploy with the choice.
void confirmConnexion(const ParamNode &host, const ParamNode &language, bool use64, bool autoload,
                      const char *drawingFiles, const char *programFolder, Deployment deploy);
