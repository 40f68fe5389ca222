// The well-known folders of the Windows shell (desktop, documents, application data...) and the
// product variables, as named values that texts such as the installation description refer to.
#pragma once

#include <cstdint>

class ParamNode;
class TextString;

// One well-known folder: where the registry keeps it, the variable that names it, the shell's
// identifier for it (CSIDL) and the number callers ask for. The same number names the per-user
// and the all-users variant of a folder.
struct ShellFolderRow {
    const char *registryValue; // null in the row that ends a table
    const char *variable;
    int csidl;
    int32_t id;
};

// The per-user folders (HKEY_CURRENT_USER) and the all-users folders (HKEY_LOCAL_MACHINE).
extern const ShellFolderRow userShellFolders[];
extern const ShellFolderRow commonShellFolders[];

// The folder numbered id: with common, the all-users folder, or the per-user one when that is not
// found. With out, out receives the path (or is emptied) and CStr() of out or null is returned;
// without, the path in a buffer that the next look-up overwrites, or null.
const char *GetShellFolder(TextString *out, int32_t id, bool common);

// Sets one child of vars per folder that is found (name = variable, value = path): the per-user
// folders, then the all-users ones; with withProduct also "STDINSTAL" (the program folder),
// "EDITEUR_SOCIETE" (the publisher) and "NOM_PRODUIT" (the product). New children go in front,
// existing ones are updated in place; with clear, vars loses its children first. With namedIn,
// only the folders whose variable occurs in that text are looked up (each costs a system call).
void FillFolderVariables(ParamNode &vars, bool clear, bool withProduct, const char *namedIn = nullptr);

// The product's name, "Veltra": one writable process-wide text, the value of "NOM_PRODUIT".
TextString &productName();
