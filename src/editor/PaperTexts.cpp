#include "editor/PaperTexts.h"

#include "app/Units.h"

namespace qlx {

PaperValues ReadPaperValues(const PaperTexts& texts, char decimalSeparator) {
    const auto read = [decimalSeparator](const std::string& text) {
        return ParseScaledDecimal(text, 3, decimalSeparator);
    };
    return {read(texts.width),        read(texts.length),     read(texts.gap),
            read(texts.rightMargin),  read(texts.leftMargin), read(texts.topMargin),
            read(texts.bottomMargin), read(texts.markWidth),  read(texts.markOffset)};
}

} // namespace qlx
