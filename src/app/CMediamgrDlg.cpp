#include "app/CMediamgrDlg.h"

#include "app/CAboutDlg.h"
#include "app/COptionDlg.h"
#include "app/CPopupButton.h"
#include "app/CommandEvent.h"
#include "app/ResourceLibrary.h"
#include "app/ToolWaitGuard.h"
#include "editor/DialogPaperEditor.h"

#include <QAction>
#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QToolButton>

#include <algorithm>

namespace qlx {

namespace {

constexpr int kTemplate = 102;
constexpr int kIcon = 128;
constexpr int kMenu = 1450;
constexpr int kStringCaption = 100;
constexpr int kStringAbout = 101;
constexpr int kControlList = 1000;
constexpr int kControlNew = 1001;
constexpr int kControlEdit = 1002;
constexpr int kControlDelete = 1003;
constexpr int kControlOption = 1006;
constexpr int kControlWidth = 1007;
constexpr int kControlLength = 1008;
constexpr int kControlEnergy = 1090;
constexpr int kControlPopup = 1014;
constexpr int kControlAbout = 16;

template <class T> void SetEnabled(const QWidget& dialog, int control, bool enabled) {
    if (auto* widget = Control<T>(dialog, control)) {
        widget->setEnabled(enabled);
    }
}

void SetText(const QWidget& dialog, int control, const std::string& text) {
    if (auto* label = Control<QLabel>(dialog, control)) {
        label->setText(QString::fromStdString(text));
    }
}

} // namespace

CMediamgrDlg::CMediamgrDlg(const MainWindowSetup& setup, MediamgrModel::Publisher publisher,
                           QWidget* parent)
    : QDialog(parent),
      model_(ResourceLibrary::Instance(), messages_, ToolWaitGuard::Around(publisher)),
      editor_(std::make_unique<DialogPaperEditor>(this)) {
    const ResourceLibrary& resources = ResourceLibrary::Instance();
    resources.LoadDialogTemplate(kTemplate, *this);
    model_.Configure(setup);
    const QString caption = resources.Text(kStringCaption);
    if (!caption.isEmpty()) {
        setWindowTitle(caption);
    }
    // Also the picture of the minimised window.
    setWindowIcon(resources.Icon(kIcon));

    list_ = Control<QListWidget>(*this, kControlList);
    if (list_ != nullptr) {
        list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        connect(list_, &QListWidget::currentRowChanged, this, [this] { ShowSelectedPaper(); });
    }
    const std::pair<int, void (CMediamgrDlg::*)()> buttons[] = {
        {kControlNew, &CMediamgrDlg::OnNew},
        {kControlEdit, &CMediamgrDlg::OnEdit},
        {kControlDelete, &CMediamgrDlg::OnDelete},
        {kControlOption, &CMediamgrDlg::OnOption},
    };
    for (const auto& [control, handler] : buttons) {
        if (auto* button = Control<QPushButton>(*this, control)) {
            connect(button, &QPushButton::clicked, this, handler);
        }
    }
    for (const int control : {kControlExport, kControlImport, kControlSend}) {
        if (auto* button = Control<QPushButton>(*this, control)) {
            connect(button, &QPushButton::clicked, this, [this, control] { OnCommand(control); });
        }
    }
}

CMediamgrDlg::~CMediamgrDlg() = default;

bool CMediamgrDlg::Initialise() {
    const ResourceLibrary& resources = ResourceLibrary::Instance();

    // About: F1, the window's context menu and the small button at its foot.
    const QString aboutText = resources.Text(kStringAbout);
    auto* aboutButton = Control<QAbstractButton>(*this, kControlAbout);
    if (!aboutText.isEmpty() && aboutAction_ == nullptr) {
        aboutAction_ = new QAction(aboutText, this);
        aboutAction_->setShortcut(QKeySequence(Qt::Key_F1));
        aboutAction_->setShortcutContext(Qt::WindowShortcut);
        connect(aboutAction_, &QAction::triggered, this, [this] { OnCommand(kCommandAbout); });
        addAction(aboutAction_);
        setContextMenuPolicy(Qt::ActionsContextMenu);
        if (aboutButton != nullptr) {
            aboutButton->setToolTip(aboutText + QStringLiteral(" (F1)"));
            connect(aboutButton, &QAbstractButton::clicked, aboutAction_, &QAction::trigger);
        }
    } else if (aboutButton != nullptr) {
        aboutButton->hide();
    }

    if (!model_.Initialise(model_.Setup())) {
        setResult(MediamgrModel::kEndedResult);
        return false;
    }
    RefreshPaperList();
    SelectEntry(0);

    popup_ = new CPopupButton(this);
    if (!popup_->Attach(kControlPopup, *this, kMenu, 0)) {
        delete popup_;
        popup_ = nullptr;
    } else {
        popup_->SetCommandEnabled([this](int command) { return CommandEnabled(command); });
    }
    UpdateCommandStates();
    return true;
}

int CMediamgrDlg::Run() {
    if (!Initialise()) {
        return MediamgrModel::kEndedResult;
    }
    return exec();
}

void CMediamgrDlg::SetPaperEditor(std::unique_ptr<PaperEditor> editor) {
    editor_ = editor ? std::move(editor) : std::make_unique<DialogPaperEditor>(this);
}

void CMediamgrDlg::SetCommandHandler(int command, std::function<void()> handler) {
    if (handler) {
        handlers_[command] = std::move(handler);
    } else {
        handlers_.erase(command);
    }
    UpdateCommandStates();
}

bool CMediamgrDlg::HasHandler(int command) const {
    return handlers_.find(command) != handlers_.end();
}

bool CMediamgrDlg::CommandEnabled(int command) const {
    switch (command) {
    case kControlSend:
    case kCommandSendPaper:
        return model_.SendEnabled() && HasHandler(kControlSend);
    case kCommandOption:
        return true;
    default:
        return HasHandler(command);
    }
}

void CMediamgrDlg::UpdateCommandStates() {
    for (const int control : {kControlExport, kControlImport, kControlSend}) {
        if (auto* button = Control<QPushButton>(*this, control)) {
            const bool enabled = CommandEnabled(control);
            button->setEnabled(enabled);
            // The template's tooltip explains a command that is not there yet.
            if (HasHandler(control)) {
                button->setToolTip(QString());
            }
        }
    }
}

void CMediamgrDlg::RefreshPaperList(bool updateExtent) {
    if (list_ == nullptr) {
        return;
    }
    const QSignalBlocker blocker(list_);
    list_->clear();
    for (const std::string& name : model_.DisplayNames()) {
        list_->addItem(QString::fromStdString(name));
    }
    if (updateExtent) {
        UpdateListExtent();
    }
}

void CMediamgrDlg::UpdateListExtent() {
    if (list_ == nullptr) {
        return;
    }
    const QFontMetrics metrics(list_->font());
    int widest = 0;
    for (int row = 0; row < list_->count(); ++row) {
        widest = std::max(widest, metrics.horizontalAdvance(list_->item(row)->text()));
    }
    listExtent_ = widest + 5;
    // The list grows to show its widest name, up to a sensible limit; beyond it the list's
    // horizontal scroll bar takes over.
    const int chrome = 2 * list_->frameWidth() +
                       list_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list_);
    constexpr int kWidestList = 360;
    list_->setMinimumWidth(std::min(listExtent_ + chrome, kWidestList));
}

void CMediamgrDlg::SelectEntry(int index) {
    if (list_ != nullptr) {
        const QSignalBlocker blocker(list_);
        list_->setCurrentRow(index >= 0 && index < list_->count() ? index : -1);
    }
    ShowSelectedPaper();
}

void CMediamgrDlg::ShowSelectedPaper() {
    const int row = list_ != nullptr ? list_->currentRow() : -1;
    const auto view = model_.ShowSelectedPaper(row);
    SetEnabled<QPushButton>(*this, kControlEdit, view.editEnabled);
    SetEnabled<QPushButton>(*this, kControlDelete, view.deleteEnabled);
    SetEnabled<QPushButton>(*this, kControlNew, view.newEnabled);
    SetText(*this, kControlWidth, view.width);
    SetText(*this, kControlLength, view.length);
    SetText(*this, kControlEnergy, view.energy);
}

void CMediamgrDlg::OnNew() {
    if (model_.Papers().bFull != 0) {
        return;
    }
    const int select = model_.RunEditor(*editor_, PaperEditorMode::New);
    RefreshPaperList();
    SelectEntry(select);
}

void CMediamgrDlg::OnEdit() {
    const PaperList& papers = model_.Papers();
    if (papers.nSelected < 0 || papers.nSelected >= papers.count ||
        !papers.IsEditable(papers.nSelected)) {
        return;
    }
    const int select = model_.RunEditor(*editor_, PaperEditorMode::Edit);
    RefreshPaperList();
    SelectEntry(select);
}

void CMediamgrDlg::OnDelete() {
    const auto outcome = model_.Delete();
    if (outcome.published) {
        RefreshPaperList();
    }
    SelectEntry(outcome.select);
}

void CMediamgrDlg::OnOption() {
    int inch = model_.Inch();
    COptionDlg dialog(inch, this);
    dialog.exec();
    model_.SetInch(inch);
    RefreshPaperList(false);
    SelectEntry(model_.Papers().nSelected);
}

void CMediamgrDlg::OnAbout() {
    CAboutDlg about(this);
    about.exec();
}

void CMediamgrDlg::OnCommand(int command) {
    if (command == kCommandAbout) {
        OnAbout();
        return;
    }
    if (!CommandEnabled(command)) {
        return;
    }
    const int handler = command == kCommandSendPaper ? kControlSend : command;
    const auto it = handlers_.find(handler);
    if (it != handlers_.end()) {
        it->second();
    }
}

void CMediamgrDlg::accept() {
    model_.ConfirmOk();
    QDialog::accept();
}

bool CMediamgrDlg::event(QEvent* event) {
    if (event->type() == CommandEvent::EventType()) {
        OnCommand(static_cast<CommandEvent*>(event)->Command());
        return true;
    }
    return QDialog::event(event);
}

} // namespace qlx
