#pragma once

#include <string>
#include <vector>

#include "app/ModelProfile.h"
#include "platform/Spooler.h"

namespace qlx {

// What start-up hands to the main dialog, and the single-instance name it takes first.
struct StartupDecision {
    std::string printerName; // the first argument, or "" when no printer has that name
    std::string modelCode;   // "qlx530e" etc., or "" when the driver is none of the five
    int bInch = 0;           // 1 inches, 0 millimetres
    ModelProfile profile;    // the 203-dpi set when modelCode is ""
    std::string mutexName;   // "mutex_" + modelCode

    // Decides from the arguments (printer name, then an optional unit switch), the spooler
    // and the locale. False when there is no argument at all.
    static bool Make(const std::vector<std::string>& args, const platform::Spooler& spooler,
                     bool localeIsMetric, StartupDecision& decision);
};

// The unit mode: a second argument "/i" or "i" gives inches (1), "/m" or "m" millimetres (0),
// compared exactly ("/I" is no switch); otherwise the locale decides.
int ChooseUnit(const std::vector<std::string>& args, bool localeIsMetric);

} // namespace qlx
