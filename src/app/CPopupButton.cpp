#include "app/CPopupButton.h"

#include "app/CommandEvent.h"
#include "app/ResourceLibrary.h"
#include "app/SplitButtonLayout.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QMenu>
#include <QMouseEvent>
#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

#include <algorithm>
#include <vector>

namespace qlx {

namespace {

std::vector<int> Commands(const std::vector<ResourceLibrary::MenuItem>& items) {
    std::vector<int> commands;
    for (const auto& item : items) {
        commands.push_back(item.command);
    }
    return commands;
}

QRect ToQRect(const SplitButtonLayout::Rect& r) {
    return QRect(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1));
}

// Qt lines include their end point; ours do not.
void DrawLine(QPainter& painter, const SplitButtonLayout::Line& line) {
    const int x2 = line.x2 > line.x1 ? line.x2 - 1 : line.x2;
    const int y2 = line.y2 > line.y1 ? line.y2 - 1 : line.y2;
    painter.drawLine(line.x1, line.y1, x2, y2);
}

} // namespace

CPopupButton::CPopupButton(QWidget* parent) : QPushButton(parent) {
    setAttribute(Qt::WA_Hover);
    setAutoDefault(false);
}

bool CPopupButton::Attach(int controlId, QWidget& parent, int menuId, int defaultCommand) {
    const ResourceLibrary& resources = ResourceLibrary::Instance();
    const auto items = resources.Menu(menuId);
    QPushButton* original = Control<QPushButton>(parent, controlId);
    if (original == nullptr || original == this || items.empty()) {
        return false;
    }

    QWidget* container = original->parentWidget();
    setParent(container);
    setObjectName(original->objectName());
    setGeometry(original->geometry());
    setSizePolicy(original->sizePolicy());
    setMinimumSize(original->minimumSize());
    setMaximumSize(original->maximumSize());
    setToolTip(original->toolTip());
    setEnabled(original->isEnabled());
    if (container != nullptr && container->layout() != nullptr) {
        // The layout hands back the item that held the original; it is ours to free.
        delete container->layout()->replaceWidget(original, this, Qt::FindChildrenRecursively);
    }
    QWidget::setTabOrder(original, this);
    original->setObjectName(QString());
    delete original;
    show();

    target_ = &parent;
    menuId_ = menuId;
    defaultCommand_ = SplitButtonLayout::DefaultCommand(defaultCommand, Commands(items));
    for (const auto& item : items) {
        if (item.command == defaultCommand_) {
            setText(item.text.left(256));
            break;
        }
    }
    return true;
}

void CPopupButton::SetCommandEnabled(std::function<bool(int)> isEnabled) {
    isEnabled_ = std::move(isEnabled);
}

void CPopupButton::PostCommand(int command) {
    if (target_ != nullptr && command != 0) {
        QCoreApplication::postEvent(target_, new CommandEvent(command));
    }
}

void CPopupButton::DropMenu() {
    const auto items = ResourceLibrary::Instance().Menu(menuId_);
    const auto dropped = SplitButtonLayout::DroppedCommands(Commands(items), defaultCommand_);
    QMenu menu(this);
    for (const auto& item : items) {
        if (std::find(dropped.begin(), dropped.end(), item.command) == dropped.end()) {
            continue;
        }
        QAction* action = menu.addAction(item.text);
        action->setData(item.command);
        action->setEnabled(!isEnabled_ || isEnabled_(item.command));
    }
    QAction* chosen = menu.exec(mapToGlobal(QPoint(0, height())));
    if (chosen != nullptr) {
        PostCommand(chosen->data().toInt());
    }
}

void CPopupButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton &&
        SplitButtonLayout::InDropZone(event->position().toPoint().x(), width())) {
        // The drop zone shows the menu only: no press look, no click afterwards.
        event->accept();
        DropMenu();
        return;
    }
    QPushButton::mousePressEvent(event);
    if (event->button() == Qt::LeftButton) {
        PostCommand(defaultCommand_);
    }
}

void CPopupButton::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        event->accept();
        PostCommand(defaultCommand_);
        return;
    case Qt::Key_Down:
        event->accept();
        DropMenu();
        return;
    default:
        QPushButton::keyPressEvent(event);
    }
}

void CPopupButton::enterEvent(QEnterEvent* event) {
    if (!hovering_) {
        hovering_ = true;
        update();
    }
    QPushButton::enterEvent(event);
}

void CPopupButton::leaveEvent(QEvent* event) {
    hovering_ = false;
    update();
    QPushButton::leaveEvent(event);
}

void CPopupButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    option.icon = QIcon();
    option.state &= ~(QStyle::State_Sunken | QStyle::State_MouseOver | QStyle::State_On);
    if (isDown()) {
        option.state |= QStyle::State_Sunken;
    } else {
        option.state |= QStyle::State_Raised;
        if (hovering_ && isEnabled()) {
            option.state |= QStyle::State_MouseOver;
        }
    }
    painter.drawControl(QStyle::CE_PushButtonBevel, option);

    // With a platform style the picture does not move when pressed; the style shows that.
    const auto drawing = SplitButtonLayout::Layout({0, 0, width(), height()}, false);
    painter.setPen(QPen(palette().color(QPalette::Dark), 1));
    DrawLine(painter, drawing.separator);
    painter.setPen(QPen(isEnabled() ? QColor(Qt::black) : palette().color(QPalette::Mid), 1));
    for (const auto& row : drawing.arrow) {
        DrawLine(painter, row);
    }

    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = ToQRect(drawing.focus);
        focus.backgroundColor = palette().color(QPalette::Button);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }

    QRect captionRect = ToQRect(drawing.caption);
    captionRect &= style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(captionRect, Qt::AlignCenter | Qt::TextSingleLine | Qt::TextShowMnemonic,
                     caption);
}

} // namespace qlx
