#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qlx {

// A popup menu kept as data: the first line is the popup's title, then one
// `command<TAB>text` line per item. Texts take the string table's escapes; blank lines and
// lines starting with '#' after the title are skipped.
struct MenuDefinition {
    struct Item {
        int command = 0;
        std::string text;
    };
    std::string title;
    std::vector<Item> items;

    // False (and the definition as far as it was read) when a line is malformed.
    static bool Parse(std::string_view text, MenuDefinition& menu);
};

} // namespace qlx
