#pragma once

#include "app/PaperEditor.h"

#include <QPointer>
#include <QWidget>

namespace qlx {

// The paper editor the main window runs for New and Edit: the CNewLabelDlg dialog, owned by
// the given window.
class DialogPaperEditor final : public PaperEditor {
public:
    explicit DialogPaperEditor(QWidget* owner) : owner_(owner) {}
    int Run(PaperEditorRequest& request) override;

private:
    QPointer<QWidget> owner_;
};

} // namespace qlx
