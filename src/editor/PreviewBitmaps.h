#pragma once

#include <string_view>

namespace qlx {

// The three pictures of the paper editor, as bitmap numbers of the resource library, one per
// anchor control: the paper kind (1009), the side of the label edge the mark lies on (1033)
// and the label (1010). The choice is the whole logic of the preview; nothing is scaled.
struct PreviewBitmaps {
    int anchor1009 = 0;
    int anchor1033 = 0;
    int anchor1010 = 0;

    bool operator==(const PreviewBitmaps&) const = default;
};

PreviewBitmaps ChoosePreviewBitmaps(int previewType, bool markOffsetNegative);

// True when the mark offset text, read with the user's separator, is a number below zero.
// An empty text and "-" are not negative.
bool IsMarkOffsetNegative(std::string_view markOffsetText, char decimalSeparator);

// A change of the mark offset text needs a repaint of the pictures when it moves the value
// from below zero to zero or above, or back. (A change of kind always needs one.)
bool NeedsRepaint(std::string_view markOffsetBefore, std::string_view markOffsetAfter,
                  char decimalSeparator);

} // namespace qlx
