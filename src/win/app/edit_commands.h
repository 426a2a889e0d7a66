// The main window's three commands of the edit dialog: the one-row edit (37833/339), the
// one-column edit (37834/342) and the initial values (37826/338).
#pragma once

#include "win/app/application.h"

namespace drawlot {

void EditRowCommand(Application& app);
void EditColumnCommand(Application& app);
void EditInitialValuesCommand(Application& app);

}  // namespace drawlot
