#include "app/FormatMessage.h"

namespace qlx {

std::string FormatMessage(std::string_view format, const std::vector<std::string>& arguments) {
    std::string out;
    out.reserve(format.size());
    size_t next = 0;
    for (size_t i = 0; i < format.size(); ++i) {
        const char c = format[i];
        if (c == '%' && i + 1 < format.size()) {
            const char kind = format[i + 1];
            if (kind == 's' || kind == 'd') {
                if (next < arguments.size()) {
                    out += arguments[next];
                }
                ++next;
                ++i;
                continue;
            }
            if (kind == '%') {
                out += '%';
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

} // namespace qlx
