#include "app/MainDialogRunner.h"

#include "app/StartupShell.h"

namespace qlx {

int RunMainDialog(const StartupDecision& decision) {
    StartupShell shell(decision);
    return shell.Run();
}

} // namespace qlx
