// The installation description: the configuration folder named by the first line of
// "system\sysinstall.ini" in the program folder, its contexts (application profiles, one folder
// "Ctx<name>" each), and the builders of the paths of the files kept for the current context.
#pragma once

class ParamNode;
class TextString;

// The name of the current context; blank means the standard profile, whose folder is the
// configuration folder itself.
extern TextString currentContext;

// What a blank first line of "sysinstall.ini" stands for, also the value of the word "STDDEFAUT".
extern const char *const defaultFolderSpecification;

// out := the configuration folder of the installation in programFolder: the first line of its
// "system\sysinstall.ini" (at most 359 characters; blank or missing: the default) with the names of
// the shell folders and product variables replaced by their values. The result is the program
// folder when blank, the text as it is when it holds a ':', else the text below the documents
// folder. Neither tested nor created. Returns CStr() of out.
const char *configFolder(const char *programFolder, TextString &out);

// The user's documents folder, looked up anew each time, or null. Valid until the next call.
const char *documentsFolder();

// out := configFolder, then "\Ctx" + currentContext when it is not blank, then "\" + sub, then
// "\" + leaf, each when not blank. Returns CStr() of out.
const char *configPath(TextString &out, const char *programFolder, const char *leaf, const char *sub);

// Replaces the children of result by the contexts found in the configuration folder (folders
// "Ctx<name>"; name and value are both the name), in front the standard profile (empty name,
// value "Profil standard") when addStandard. Returns the number of children.
int listContexts(ParamNode &result, const char *programFolder, bool addStandard);

// Creates, with its missing ancestors, the parent folder of path when isFile, else the folder path
// itself. Failure is not reported.
void ensureFolderFor(const char *path, bool isFile);

// The builders below work in the configuration folder of the running program's folder and
// create the folders of the path they give; each returns CStr() of out.

// The file fileName (none: the folder) in the context's "GenAuto" folder.
const char *genAutoPath(TextString &out, const char *fileName);
// The file name (optional) in the folder dir (optional) of the context's "ConfigUsr" folder.
const char *userConfigPath(TextString &out, const char *name, const char *dir);
// The context's folder sub; only the context folder is created, not sub itself.
const char *configSubPath(TextString &out, const char *sub);
// The context's host-side folder "DossierCAD".
const char *cadFolderPath(TextString &out);
