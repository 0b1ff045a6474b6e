#include "editor/CAdvanceDlg.h"

#include "app/ResourceLibrary.h"
#include "editor/CSpinArrows.h"
#include "editor/EditorControls.h"
#include "editor/ShowControlStates.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QShowEvent>

namespace qlx {

namespace ac = advance_controls;

namespace {

constexpr int kTemplate = 134;

constexpr std::pair<int, int> kEditsAndSpins[] = {{ac::kOffsetX, ac::kOffsetXSpin},
                                                  {ac::kOffsetY, ac::kOffsetYSpin},
                                                  {ac::kAfterFeed, ac::kAfterFeedSpin}};
constexpr int kLists[] = {ac::kEnergyRank, ac::kDieCutValue9, ac::kDieCutValue10,
                          ac::kBlackMarkValue9, ac::kBlackMarkValue10};

} // namespace

CAdvanceDlg::CAdvanceDlg(PaperDef& paper, bool bInch, char decimalSeparator, int32_t nResolutionDpi,
                         QWidget* parent)
    : QDialog(parent),
      model_(paper, bInch, decimalSeparator, nResolutionDpi, ResourceLibrary::Instance()),
      messages_(this) {
    const ResourceLibrary& resources = ResourceLibrary::Instance();
    resources.LoadDialogTemplate(kTemplate, *this);
    picture_ = resources.Bitmap(ac::kPictureBitmap);

    for (const int list : kLists) {
        auto* combo = Control<QComboBox>(*this, list);
        if (combo == nullptr) {
            continue;
        }
        for (const std::string& text : model_.ListItems(list)) {
            combo->addItem(QString::fromStdString(text));
        }
        combo->setCurrentIndex(model_.Selection(list));
        connect(combo, &QComboBox::currentIndexChanged, this,
                [this, list](int index) { model_.Select(list, index); });
    }
    for (const auto& [id, spin] : kEditsAndSpins) {
        if (auto* edit = Control<QLineEdit>(*this, id)) {
            connect(edit, &QLineEdit::textEdited, this,
                    [this, id = id, edit] { OnTextEdited(id, *edit); });
            spinOfEdit_[edit] = spin;
            edit->installEventFilter(this);
        }
        if (auto* placeholder = Control<QWidget>(*this, spin)) {
            auto* arrows = new CSpinArrows(*placeholder);
            connect(arrows, &CSpinArrows::Stepped, this,
                    [this, spin = spin](bool up) { OnStep(spin, up); });
        }
    }
    ShowStates();
}

void CAdvanceDlg::ShowStates() {
    ShowControlStates(*this, model_.Controls());
}

void CAdvanceDlg::OnTextEdited(int id, QLineEdit& edit) {
    const FilterOutcome outcome =
        model_.TextEdited(id, edit.text().toStdString(), SelectionOf(edit));
    ShowStates();
    ShowEditResult(edit, outcome.text, outcome.selection);
}

void CAdvanceDlg::OnStep(int spin, bool up) {
    if (up) {
        model_.StepUp(spin);
    } else {
        model_.StepDown(spin);
    }
    ShowStates();
}

bool CAdvanceDlg::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const auto it = spinOfEdit_.find(watched);
        if ((key == Qt::Key_Up || key == Qt::Key_Down) && it != spinOfEdit_.end()) {
            OnStep(it->second, key == Qt::Key_Up);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void CAdvanceDlg::accept() {
    if (auto message = model_.Accept()) {
        messages_.Show(MessageIcon::Error, *message);
        return;
    }
    QDialog::accept();
}

void CAdvanceDlg::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    const QWidget* at = Control<QWidget>(*this, ac::kPicture);
    if (at != nullptr && !picture_.isNull()) {
        QPainter painter(this);
        painter.drawPixmap(at->mapTo(this, QPoint(0, 0)), picture_);
    }
}

void CAdvanceDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!bPlaced_ && !event->spontaneous() && parentWidget() != nullptr) {
        bPlaced_ = true;
        move(parentWidget()->mapToGlobal(QPoint(0, 0)));
    }
}

} // namespace qlx
