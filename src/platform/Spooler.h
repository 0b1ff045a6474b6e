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
    // All printers in the spooler's order; false when the spooler cannot be asked.
    virtual bool EnumPrinters(std::vector<PrinterInfo>& printers) const = 0;
    // The port of the printer named exactly `printerName`; false when there is none.
    virtual bool GetPort(const std::string& printerName, std::string& port) const = 0;
    // Moves the printer named exactly `printerName` to `port`; false when there is no such
    // printer or the change cannot be stored.
    virtual bool SetPort(const std::string& printerName, const std::string& port) = 0;
    // Absolute, without a trailing '/'; "" when unknown.
    virtual std::string DriverDirectory() const = 0;
};

// The embedded default: the printers file named by $QLX_PRINTERS (format in
// docs/printers-file.md). Without the variable, or when the file cannot be read, the
// spooler cannot be asked (EnumPrinters, GetPort and SetPort fail) and its driver directory
// is "".
std::unique_ptr<Spooler> CreateDefaultSpooler();

// The same spooler over a printers file given by path (relative paths are taken from the
// current folder at the time of the call).
std::unique_ptr<Spooler> CreateFileSpooler(const std::string& printersFile);

} // namespace qlx::platform
