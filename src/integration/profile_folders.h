// The folders the deployment adds to the host profile's lists: the program folder to AutoCAD's
// trusted folders, the context's "DossierCAD" folder to the support search path.
#pragma once

struct HostVersion;

// Adds the context's "DossierCAD" folder (created when missing) to the search path of the
// current profile of the installation below productKey, in the 64-bit registry view when use64,
// only when that search path is already stored. 1 when the search path was handled; 0 when the
// family has none, the profile cannot be resolved or the search path is blank.
int addSupportFolder(const HostVersion &row, bool use64, const char *productKey);

// AutoCAD: adds the program folder to "TRUSTEDPATHS" of the current profile (created when
// missing). 0 for every other family; otherwise what addToProfilePathList gives.
int addTrustedFolder(const HostVersion &row, bool use64, const char *productKey);
