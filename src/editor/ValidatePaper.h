#pragma once

#include "app/Messages.h"
#include "editor/EditorSettings.h"
#include "editor/PaperTexts.h"
#include "papers/PaperDef.h"

#include <optional>
#include <span>
#include <string>

namespace qlx {

// The save checks of the paper editor, run after ControlsToPaper on its result. The first
// failing check gives the message to show with the error icon; nullopt means the paper may
// be saved. Values are read again from the texts in thousandths of the current unit.
// `storedPapers` are the papers of the list (presets included); in Edit (`editMode`) a stored
// paper with this paper's nPaperSize is the paper itself and not a duplicate.
std::optional<std::string> ValidatePaper(const PaperTexts& texts, const PaperDef& paper,
                                         bool bBlackMark, const EditorSettings& settings,
                                         std::span<const PaperDef> storedPapers, bool editMode,
                                         const StringSource& strings);

// "\n( %0.1fmm - %0.1fmm )" or "\n( %0.2f\" - %0.2f\" )" of two limits in thousandths of the
// unit, with the user's separator.
std::string FormatRangeText(int32_t minimum, int32_t maximum, bool inch, char decimalSeparator);

} // namespace qlx
