#include "app/PrinterModel.h"

#include <array>
#include <string_view>
#include <utility>
#include <vector>

namespace qlx {

namespace {

constexpr std::array<std::pair<std::string_view, std::string_view>, 5> kDriverModels = {{
    {"Quellix LT-4100A", "qlx410a"},
    {"Quellix LT-5200E", "qlx520e"},
    {"Quellix LT-5200EW", "qlx520ew"},
    {"Quellix LT-5300E", "qlx530e"},
    {"Quellix LT-5300EW", "qlx530ew"},
}};

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

// Only ASCII letters fold: bytes of multibyte characters compare as they are, so they can
// never be taken for part of a table name.
bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (size_t i = 0; i < a.size(); ++i) {
        if (LowerAscii(a[i]) != LowerAscii(b[i])) {
            return false;
        }
    }
    return true;
}

} // namespace

bool FindPrinterDriver(const platform::Spooler& spooler, const std::string& printerName,
                       std::string& driverName) {
    std::vector<platform::PrinterInfo> printers;
    if (!spooler.EnumPrinters(printers)) {
        return false;
    }
    for (const platform::PrinterInfo& printer : printers) {
        if (printer.name == printerName) {
            driverName = printer.driverName;
            return true;
        }
    }
    return false;
}

std::string ModelCodeForDriver(const std::string& driverName) {
    for (const auto& [driver, model] : kDriverModels) {
        if (EqualIgnoringAsciiCase(driverName, driver)) {
            return std::string(model);
        }
    }
    return {};
}

} // namespace qlx
