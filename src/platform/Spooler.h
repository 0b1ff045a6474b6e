#pragma once

#include <memory>
#include <string>
#include <vector>

namespace qlx::platform {

struct PrinterInfo {
    std::string name;       // queue name
    std::string driverName; // e.g. "Quellix LT-5300E"
    std::string portName;   // e.g. "USB001", "COM3"
};

// The print spooler as the programs see it: printers in the spooler's order, a printer's
// port, and the printer driver directory (the driver folder is that directory + "/3").
class Spooler {
public:
    virtual ~Spooler() = default;
    virtual bool EnumPrinters(std::vector<PrinterInfo>& printers) const = 0;
    virtual bool GetPort(const std::string& printerName, std::string& port) const = 0;
    virtual bool SetPort(const std::string& printerName, const std::string& port) = 0;
    virtual std::string DriverDirectory() const = 0;
};

// The embedded default: the printers file named by $QLX_PRINTERS (format in
// docs/printers-file.md). Without the variable, or when the file cannot be read, the
// spooler has no printers and an empty driver directory.
std::unique_ptr<Spooler> CreateDefaultSpooler();

} // namespace qlx::platform
