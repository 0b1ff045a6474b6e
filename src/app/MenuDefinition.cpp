#include "app/MenuDefinition.h"

#include <charconv>

#include "app/StringTable.h"

namespace qlx {

bool MenuDefinition::Parse(std::string_view text, MenuDefinition& menu) {
    menu = MenuDefinition();
    if (text.substr(0, 3) == "\xEF\xBB\xBF") {
        text.remove_prefix(3);
    }
    bool first = true;
    bool ok = true;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (first) {
            menu.title = StringTable::Unescape(line);
            first = false;
            continue;
        }
        if (line.empty() || line.front() == '#') {
            continue;
        }
        const size_t tab = line.find('\t');
        Item item;
        const std::string_view number = line.substr(0, tab);
        const auto result =
            std::from_chars(number.data(), number.data() + number.size(), item.command);
        if (tab == std::string_view::npos || number.empty() || result.ec != std::errc() ||
            result.ptr != number.data() + number.size()) {
            ok = false;
            continue;
        }
        item.text = StringTable::Unescape(line.substr(tab + 1));
        menu.items.push_back(std::move(item));
    }
    return ok && !first;
}

} // namespace qlx
