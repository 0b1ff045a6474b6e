#include "cli/DriverModelCode.h"

#include "papers/IniDocument.h"

#include <array>
#include <string_view>
#include <utility>

namespace qlx {

std::string ModelCodeForDriver(const std::string& driverName) {
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 5> kDrivers = {{
        {"Quellix LT-4100A", "qlx410a"},
        {"Quellix LT-5200E", "qlx520e"},
        {"Quellix LT-5200EW", "qlx520ew"},
        {"Quellix LT-5300E", "qlx530e"},
        {"Quellix LT-5300EW", "qlx530ew"},
    }};
    for (const auto& [driver, code] : kDrivers) {
        if (IniDocument::EqualIgnoringCase(driverName, driver)) {
            return std::string(code);
        }
    }
    return {};
}

} // namespace qlx
