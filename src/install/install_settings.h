// The eleven installation settings: process-wide variables named after their registry values,
// remembered between runs in the registry (key "Systeme" of the product's per-user key) and, nine
// of them, per context in the connexion settings file "CfgPrf.ini".
#pragma once

#include "core/text_string.h"

#include <cstdint>

class ParamNode;

extern TextString CADManuPath; // forced host: path of a host executable chosen by hand
extern TextString CADManuID;   // forced host: display name of the catalogue version it is
extern int32_t Vers64;         // 1: the 64-bit module, 0: the 32-bit one, negative: not decided yet
extern int32_t Flags;          // kept and written back unchanged
extern TextString ChoixCAD;    // executable of the host chosen last
extern TextString ChoixCADReg; // registry path (without root) of the host chosen last
extern TextString ChoixLG;     // language chosen last
extern TextString ArgsCAD;     // arguments for the host
extern TextString ArgsAPP;     // arguments for the add-on ("KEY = value", "CTX =" names the context)
extern int32_t ExeAlternOk;    // 1: start the host through an alternative executable, 0: directly
extern TextString ExeAltern;   // path of the alternative executable

// The name of the connexion settings file, in the "GenAuto" folder of the context.
extern const char *const connexionSettingsFile;

// Takes the nine file settings from the top-level entries of node (the content of "CfgPrf.ini"):
// a missing entry gives 0 or the empty text. Does nothing when node has no entries.
void loadConnexionSettings(const ParamNode &node);

// Sets the nine file settings as entries of node, each found or created at the front: into an
// empty node they come out as "ExeAlternOk" first and "Vers64" last.
void saveConnexionSettings(ParamNode &node);
