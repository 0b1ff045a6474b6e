#pragma once

#include "editor/ControlState.h"

#include <map>
#include <string>

class QLineEdit;
class QWidget;

namespace qlx {

// Copies the rules' view of a dialog's controls onto its widgets (found by number): enabled
// and visible for every control, the text for edit boxes and labels. An edit box whose text
// is already the one shown is left alone, so its caret does not move.
void ShowControlStates(QWidget& dialog, const std::map<int, ControlState>& states);

// Puts the text and caret the rules chose back into the edit box the user just changed.
// Positions are those Qt reported for the change (UTF-16 units), passed through the rules.
void ShowEditResult(QLineEdit& edit, const std::string& text, TextSelection selection);

// The caret of an edit box as the rules read it.
TextSelection SelectionOf(const QLineEdit& edit);

} // namespace qlx
