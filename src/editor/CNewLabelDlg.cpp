#include "editor/CNewLabelDlg.h"

#include "app/ResourceLibrary.h"
#include "app/ToolWaitGuard.h"
#include "editor/CAdvanceDlg.h"
#include "editor/CSpinArrows.h"
#include "editor/EditorControls.h"
#include "editor/ShowControlStates.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QShowEvent>

namespace qlx {

namespace pc = paper_controls;

namespace {

constexpr int kTemplate = 129;

PaperEditorSetup SetupFrom(const PaperEditorRequest& request) {
    PaperEditorSetup setup;
    setup.mode = request.mode == PaperEditorMode::Edit ? 1 : 0;
    setup.settings.bInch = request.bInch != 0;
    setup.settings.decimalSeparator = request.decimalSeparator;
    setup.settings.profile = request.profile;
    setup.selectedIndex = request.nSelected;
    setup.bOkAtStart = request.bOkAtStart != 0;
    setup.bListFull = request.bFull != 0;
    setup.driverFolder = request.driverFolder;
    return setup;
}

// Each value box with its arrows.
constexpr std::pair<int, int> kValueEdits[] = {{pc::kWidth, pc::kWidthSpin},
                                               {pc::kLength, pc::kLengthSpin},
                                               {pc::kGap, pc::kGapSpin},
                                               {pc::kRightMargin, pc::kRightSpin},
                                               {pc::kLeftMargin, pc::kLeftSpin},
                                               {pc::kTopMargin, pc::kTopSpin},
                                               {pc::kBottomMargin, pc::kBottomSpin},
                                               {pc::kMarkWidth, pc::kMarkWidthSpin},
                                               {pc::kMarkOffset, pc::kMarkOffsetSpin}};

} // namespace

CNewLabelDlg::CNewLabelDlg(PaperEditorRequest& request, QWidget* parent, PublishFunction publish)
    : QDialog(parent), request_(request), publish_(ToolWaitGuard::Around(std::move(publish))),
      messages_(this) {
    const ResourceLibrary& resources = ResourceLibrary::Instance();
    resources.LoadDialogTemplate(kTemplate, *this);
    model_ = std::make_unique<PaperEditorModel>(request_.work, SetupFrom(request_), resources);
    setWindowTitle(QString::fromStdString(model_->Title()));

    if (auto* kind = Control<QComboBox>(*this, pc::kKind)) {
        for (const std::string& name : model_->KindNames()) {
            kind->addItem(QString::fromStdString(name));
        }
        kind->setCurrentIndex(model_->KindSelection());
        connect(kind, &QComboBox::currentIndexChanged, this,
                [this](int index) { OnKindChanged(index); });
    }
    for (const auto& [id, arrow] : kValueEdits) {
        if (auto* edit = Control<QLineEdit>(*this, id)) {
            // Only the user's own edits are filtered; texts the dialog sets are the rules'.
            connect(edit, &QLineEdit::textEdited, this,
                    [this, id = id, edit] { OnTextEdited(id, *edit); });
            arrowOfEdit_[edit] = arrow;
            edit->installEventFilter(this);
        }
    }
    if (auto* name = Control<QLineEdit>(*this, pc::kName)) {
        connect(name, &QLineEdit::textEdited, this,
                [this, name] { OnTextEdited(pc::kName, *name); });
    }
    for (const auto& [id, arrow] : kValueEdits) {
        if (auto* placeholder = Control<QWidget>(*this, arrow)) {
            auto* arrows = new CSpinArrows(*placeholder);
            connect(arrows, &CSpinArrows::Stepped, this,
                    [this, arrow = arrow](bool up) { OnStep(arrow, up); });
        }
    }
    if (auto* advanced = Control<QPushButton>(*this, pc::kAdvanced)) {
        connect(advanced, &QPushButton::clicked, this, &CNewLabelDlg::OnAdvanced);
    }
    if (auto* overwrite = Control<QPushButton>(*this, pc::kOverwrite)) {
        connect(overwrite, &QPushButton::clicked, this, &CNewLabelDlg::OnOverwrite);
    }
    ShowStates();
}

CNewLabelDlg::~CNewLabelDlg() = default;

void CNewLabelDlg::ShowStates() {
    ShowControlStates(*this, model_->Controls());
}

void CNewLabelDlg::OnTextEdited(int id, QLineEdit& edit) {
    const auto outcome = model_->TextEdited(id, edit.text().toStdString(), SelectionOf(edit));
    ShowStates();
    ShowEditResult(edit, outcome.text, outcome.selection);
    if (outcome.repaint) {
        update();
    }
}

void CNewLabelDlg::OnKindChanged(int selection) {
    if (model_->KindChanged(selection)) {
        ShowStates();
        update();
    }
}

void CNewLabelDlg::OnStep(int arrow, bool up) {
    const bool repaint = up ? model_->StepUp(arrow) : model_->StepDown(arrow);
    ShowStates();
    if (repaint) {
        update();
    }
}

bool CNewLabelDlg::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const auto it = arrowOfEdit_.find(watched);
        if ((key == Qt::Key_Up || key == Qt::Key_Down) && it != arrowOfEdit_.end()) {
            OnStep(it->second, key == Qt::Key_Up);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void CNewLabelDlg::Finish(const SaveOutcome& outcome) {
    if (outcome.message) {
        messages_.Show(MessageIcon::Error, *outcome.message);
    }
    if (outcome.result != 0) {
        done(outcome.result);
    }
}

void CNewLabelDlg::accept() {
    if (!model_->OkEnabled()) {
        return; // a full list takes no paper, whatever reached the button
    }
    Finish(model_->AddAsNew(request_.list, request_.publish, publish_));
}

void CNewLabelDlg::OnOverwrite() {
    Finish(model_->Overwrite(request_.list, request_.publish, publish_));
}

void CNewLabelDlg::OnAdvanced() {
    PaperDef& paper = model_->PrepareAdvanced();
    CAdvanceDlg advanced(paper, request_.bInch != 0, request_.decimalSeparator,
                         request_.profile.nResolutionDpi, this);
    advanced.exec();
}

const QPixmap& CNewLabelDlg::Picture(int number) {
    auto it = pictures_.find(number);
    if (it == pictures_.end()) {
        it = pictures_.emplace(number, ResourceLibrary::Instance().Bitmap(number)).first;
    }
    return it->second;
}

void CNewLabelDlg::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    const PreviewBitmaps chosen = model_->Bitmaps();
    QPainter painter(this);
    const std::pair<int, int> pictures[] = {{pc::kPictureKind, chosen.anchor1009},
                                            {pc::kPictureMark, chosen.anchor1033},
                                            {pc::kPictureLabel, chosen.anchor1010}};
    for (const auto& [anchor, number] : pictures) {
        const QWidget* at = Control<QWidget>(*this, anchor);
        const QPixmap& picture = Picture(number);
        // A missing picture leaves its place empty.
        if (at != nullptr && !picture.isNull()) {
            painter.drawPixmap(at->mapTo(this, QPoint(0, 0)), picture);
        }
    }
    painted_ = chosen;
}

void CNewLabelDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!bPlaced_ && !event->spontaneous() && parentWidget() != nullptr) {
        bPlaced_ = true;
        move(parentWidget()->mapToGlobal(QPoint(0, 0)));
    }
}

} // namespace qlx
