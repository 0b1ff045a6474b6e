#pragma once

#include <cstdint>
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

// The value texts read as thousandths of the current unit, the form the save conversion and
// the checks compute with.
struct PaperValues {
    int32_t width = 0;
    int32_t length = 0;
    int32_t gap = 0;
    int32_t rightMargin = 0;
    int32_t leftMargin = 0;
    int32_t topMargin = 0;
    int32_t bottomMargin = 0;
    int32_t markWidth = 0;
    int32_t markOffset = 0;
};

PaperValues ReadPaperValues(const PaperTexts& texts, char decimalSeparator);

} // namespace qlx
