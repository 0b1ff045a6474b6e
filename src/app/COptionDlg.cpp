#include "app/COptionDlg.h"

#include "app/ResourceLibrary.h"

#include <QPushButton>
#include <QRadioButton>

namespace qlx {

namespace {
constexpr int kRadioMm = 1031;
constexpr int kRadioInch = 1032;
} // namespace

COptionDlg::COptionDlg(int& bInch, QWidget* parent) : QDialog(parent), bInch_(bInch) {
    ResourceLibrary::Instance().LoadDialogTemplate(133, *this);
    auto* mm = Control<QRadioButton>(*this, kRadioMm);
    auto* inch = Control<QRadioButton>(*this, kRadioInch);
    if (mm != nullptr && inch != nullptr) {
        (bInch_ != 0 ? inch : mm)->setChecked(true);
    }
}

void COptionDlg::accept() {
    const auto* mm = Control<QRadioButton>(*this, kRadioMm);
    bInch_ = (mm != nullptr && mm->isChecked()) ? 0 : 1;
    QDialog::accept();
}

} // namespace qlx
