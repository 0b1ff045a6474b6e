#pragma once

#include "app/StartupDecision.h"

namespace qlx {

// Creates the program's main dialog from template 102, hands it the start-up results and
// runs it modally; the dialog's end is the program's end. Its title must stay string 100:
// a second start of the same model finds the running window by that title.
int RunMainDialog(const StartupDecision& decision);

} // namespace qlx
