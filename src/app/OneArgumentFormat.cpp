#include "app/OneArgumentFormat.h"

namespace qlx {

std::string FormatWithOneString(std::string_view format, std::string_view argument) {
    std::string out;
    out.reserve(format.size() + argument.size());
    bool used = false;
    for (std::size_t i = 0; i < format.size(); ++i) {
        const char c = format[i];
        if (c == '%' && i + 1 < format.size()) {
            const char next = format[i + 1];
            if (next == '%') {
                out += '%';
                ++i;
                continue;
            }
            if (next == 's' && !used) {
                out.append(argument);
                used = true;
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

} // namespace qlx
