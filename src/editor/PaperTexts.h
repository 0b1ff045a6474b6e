#pragma once

#include <string>

namespace qlx {

// The paper editor's working state: the texts of its controls as the user sees them (values
// with the user's decimal separator, the name in UTF-8) and the selected kind entry.
struct PaperTexts {
    std::string name;
    std::string width;
    std::string length;
    std::string gap;
    std::string rightMargin;
    std::string leftMargin;
    std::string topMargin;
    std::string bottomMargin;
    std::string markWidth;
    std::string markOffset;
    int kindSelection = 0; // 0 continuous, 1 die-cut, 2 black mark

    bool operator==(const PaperTexts&) const = default;
};

} // namespace qlx
