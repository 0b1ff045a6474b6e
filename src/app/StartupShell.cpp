#include "app/StartupShell.h"

#include "app/ResourceLibrary.h"

namespace qlx {

StartupShell::StartupShell(const StartupDecision& decision) : decision_(decision) {
    const ResourceLibrary& library = ResourceLibrary::Instance();
    if (!library.LoadDialogTemplate(102, dialog_)) {
        dialog_.setWindowTitle(library.Text(100));
    }
    dialog_.setWindowIcon(library.Icon(128));
}

int StartupShell::Run() {
    return dialog_.exec();
}

} // namespace qlx
