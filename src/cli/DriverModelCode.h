#pragma once

#include <string>

namespace qlx {

// The model code for a printer driver name ("Quellix LT-5300E" -> "qlx530e"), compared
// without regard to case; "" when the driver is none of the five. Kept here until start-up
// offers the same table to every program.
std::string ModelCodeForDriver(const std::string& driverName);

} // namespace qlx
