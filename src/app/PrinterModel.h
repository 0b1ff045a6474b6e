#pragma once

#include <string>

#include "platform/Spooler.h"

namespace qlx {

// The driver name of the printer queue called exactly `printerName` (letter case counts),
// the first such queue in the spooler's order. False, with `driverName` untouched, when no
// queue has that name or the spooler cannot list its printers.
bool FindPrinterDriver(const platform::Spooler& spooler, const std::string& printerName,
                       std::string& driverName);

// The model code of a driver name: "Quellix LT-4100A" is "qlx410a", "Quellix LT-5200E"
// "qlx520e", and so on for the five models. Letter case is ignored and the first row of the
// table that matches wins; any other driver gives "".
std::string ModelCodeForDriver(const std::string& driverName);

} // namespace qlx
