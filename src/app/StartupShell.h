#pragma once

#include <QDialog>

#include "app/StartupDecision.h"

namespace qlx {

// A stand-in main dialog: template 102 with its title and the program icon, run modally.
class StartupShell final {
public:
    explicit StartupShell(const StartupDecision& decision);
    int Run();

private:
    StartupDecision decision_;
    QDialog dialog_;
};

} // namespace qlx
