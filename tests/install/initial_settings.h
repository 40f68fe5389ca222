// Test helper: puts every installation setting back to the value it has at program start.
#pragma once

#include "install/install_settings.h"

#include <initializer_list>

inline void restoreInitialSettings() {
    for (TextString *text :
         {&CADManuPath, &CADManuID, &ChoixCAD, &ChoixCADReg, &ChoixLG, &ArgsCAD, &ArgsAPP, &ExeAltern})
        text->Clear();
    Vers64 = -1;
    Flags = 0;
    ExeAlternOk = 1;
}
