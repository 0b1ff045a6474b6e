#include "editor/PreviewBitmaps.h"

#include "app/Units.h"

namespace qlx {

PreviewBitmaps ChoosePreviewBitmaps(int previewType, bool markOffsetNegative) {
    PreviewBitmaps bitmaps;
    bitmaps.anchor1009 = previewType == 74 ? 132 : previewType == 75 ? 131 : 144;
    if (previewType == 76) {
        bitmaps.anchor1033 = markOffsetNegative ? 148 : 143;
    } else {
        bitmaps.anchor1033 = markOffsetNegative ? 149 : 147;
    }
    bitmaps.anchor1010 = 130;
    return bitmaps;
}

bool IsMarkOffsetNegative(std::string_view markOffsetText, char decimalSeparator) {
    return ParseScaledDecimal(markOffsetText, 3, decimalSeparator) < 0;
}

bool NeedsRepaint(std::string_view markOffsetBefore, std::string_view markOffsetAfter,
                  char decimalSeparator) {
    return IsMarkOffsetNegative(markOffsetBefore, decimalSeparator) !=
           IsMarkOffsetNegative(markOffsetAfter, decimalSeparator);
}

} // namespace qlx
