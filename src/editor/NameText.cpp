#include "editor/NameText.h"

#include "papers/TextCodec.h"

namespace qlx {

int NameUnits(std::string_view utf8) {
    const auto units = TextCodec::Utf8ToUtf16(utf8);
    return static_cast<int>(units ? units->size() : utf8.size());
}

bool NameToUtf16(std::string_view utf8, PaperName& out) {
    out.fill(0);
    const auto units = TextCodec::Utf8ToUtf16(utf8);
    return units && TextCodec::Store(*units, out);
}

std::string NameToUtf8(const PaperName& name) {
    return TextCodec::ToUtf8(name).value_or(std::string());
}

} // namespace qlx
