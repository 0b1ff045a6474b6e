#include "editor/ShowControlStates.h"

#include "app/ResourceLibrary.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>

namespace qlx {

void ShowControlStates(QWidget& dialog, const std::map<int, ControlState>& states) {
    for (const auto& [id, state] : states) {
        QWidget* widget = Control<QWidget>(dialog, id);
        if (widget == nullptr) {
            continue;
        }
        const QString text = QString::fromStdString(state.text);
        if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
            if (edit->text() != text) {
                edit->setText(text);
            }
        } else if (auto* label = qobject_cast<QLabel*>(widget)) {
            // A hidden label keeps its room, so that the dialog does not shift.
            QSizePolicy policy = label->sizePolicy();
            policy.setRetainSizeWhenHidden(true);
            label->setSizePolicy(policy);
            label->setText(text);
        }
        widget->setEnabled(state.enabled);
        // Before the dialog is shown this only marks the widget; it appears with the dialog.
        widget->setVisible(state.visible);
    }
}

void ShowEditResult(QLineEdit& edit, const std::string& text, TextSelection selection) {
    const QString shown = QString::fromStdString(text);
    if (edit.text() != shown) {
        edit.setText(shown);
    }
    const int length = int(shown.size());
    const int start = std::clamp(selection.start, 0, length);
    const int end = std::clamp(selection.end, 0, length);
    if (start == end) {
        edit.setCursorPosition(end);
    } else {
        edit.setSelection(start, end - start);
    }
}

TextSelection SelectionOf(const QLineEdit& edit) {
    if (edit.hasSelectedText()) {
        return TextSelection{edit.selectionStart(), edit.selectionEnd()};
    }
    return TextSelection{edit.cursorPosition(), edit.cursorPosition()};
}

} // namespace qlx
