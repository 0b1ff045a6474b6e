#pragma once

#include "editor/EditorSettings.h"
#include "editor/PaperTexts.h"
#include "papers/PaperDef.h"

namespace qlx {

// The save conversion: turns the editor's texts into the record's fields in tenths of a
// millimetre and printer dots. Every value is read as thousandths of the current unit; the
// arithmetic is integer only and rounds exactly as the stored papers of earlier versions
// were rounded, so the same texts always give the same record. Black-mark tape is stored as
// kind 75 with kind code 2 in reserved_12_; the result says whether that happened
// (bBlackMark). Fields the editor does not own are left as they are.
bool ControlsToPaper(const PaperTexts& texts, const EditorSettings& settings, PaperDef& paper);

// Dots of a length given in thousandths of the current unit, rounded half away from zero.
int32_t ThousandthsToDots(int32_t thousandths, bool inch, int32_t resolutionDpi);

// The first `maxBytes` bytes of a UTF-8 text, shortened so that no character is cut.
std::string Utf8Prefix(std::string_view text, size_t maxBytes);

} // namespace qlx
