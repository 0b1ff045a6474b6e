#include "app/CAboutDlg.h"

#include "app/FormatMessage.h"
#include "app/ResourceLibrary.h"

#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

namespace qlx {

namespace {
constexpr int kStringVersion = 102;
constexpr int kStringYear = 103;
constexpr int kControlVersion = 1048;
constexpr int kControlYear = 1047;
} // namespace

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    const ResourceLibrary& resources = ResourceLibrary::Instance();
    resources.LoadDialogTemplate(100, *this);
    if (auto* version = Control<QLabel>(*this, kControlVersion)) {
        version->setText(
            QString::fromStdString(FormatMessage(resources.String(kStringVersion), {kVersion})));
    }
    if (auto* year = Control<QLabel>(*this, kControlYear)) {
        year->setText(
            QString::fromStdString(FormatMessage(resources.String(kStringYear), {kYear})));
    }
    if (auto* icon = findChild<QLabel*>(QStringLiteral("icon"))) {
        icon->setPixmap(resources.Icon(128).pixmap(32, 32));
    }
}

void CAboutDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!placed_ && !event->spontaneous() && parentWidget() != nullptr) {
        placed_ = true;
        move(parentWidget()->mapToGlobal(QPoint(0, 0)));
    }
}

} // namespace qlx
