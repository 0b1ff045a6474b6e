#include "editor/DialogPaperEditor.h"

#include "editor/CNewLabelDlg.h"

namespace qlx {

int DialogPaperEditor::Run(PaperEditorRequest& request) {
    CNewLabelDlg dialog(request, owner_.data());
    return dialog.exec();
}

} // namespace qlx
