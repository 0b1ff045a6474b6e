#include "editor/CSpinArrows.h"

#include <QToolButton>
#include <QVBoxLayout>
#include <QWidget>

namespace qlx {

namespace {

QToolButton* MakeArrow(QWidget& placeholder, Qt::ArrowType arrow, const char* name) {
    auto* button = new QToolButton(&placeholder);
    button->setObjectName(QString::fromLatin1(name));
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    return button;
}

} // namespace

CSpinArrows::CSpinArrows(QWidget& placeholder) : QObject(&placeholder) {
    up_ = MakeArrow(placeholder, Qt::UpArrow, "up");
    down_ = MakeArrow(placeholder, Qt::DownArrow, "down");
    auto* layout = new QVBoxLayout(&placeholder);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(up_);
    layout->addWidget(down_);
    // `pressed` comes with the press and again with every repeat while the button is held;
    // the release that ends a hold steps no further.
    connect(up_, &QToolButton::pressed, this, [this] { Q_EMIT Stepped(true); });
    connect(down_, &QToolButton::pressed, this, [this] { Q_EMIT Stepped(false); });
}

} // namespace qlx
