// Registering the add-on module in the host's own start-up mechanisms: the AppLoad start-up list
// of the current host profile (with, for AutoCAD, the per-user copy of "AcadAppload") and ZWCAD's
// start-up file "AppAutoLoad.app".
#pragma once

class TextString;
struct HostVersion;

// The number k of an AppLoad list entry named k + "Startup" (decimal, no leading zero), or -1 for
// any other name.
long startupEntryNumber(const char *name);

// The machine-wide product key whose "AcadAppload" settings AutoCAD's per-user copy comes from:
// keyBase (the product key cut at its ':') with its last component replaced by the product's
// "BaseProduct" when that is not blank.
void applyBaseProduct(TextString &keyBase, const char *baseProduct);

// Registers modulePath for start-up with the installation of row whose per-user data lie below
// productKey (a registry path without root), in the 64-bit registry view when use64 (the view is
// restored afterwards). AutoCAD and BricsCAD always; ZWCAD (2012 and later) and GstarCAD only
// with autoload; the other families never. 1 when a registration was made or found, 0 when
// nothing applies, the module path is blank or the profile cannot be resolved.
int registerStartupLoad(const HostVersion &row, bool use64, const char *productKey, const char *modulePath,
                        bool autoload);
