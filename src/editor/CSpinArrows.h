#pragma once

#include <QObject>

class QToolButton;
class QWidget;

namespace qlx {

// A pair of spin arrows drawn into an empty placeholder control of a dialog template. A
// press steps once at once and again at the button's repeat rate while it is held; the
// placeholder keeps the control's number, so enabling it enables both arrows.
class CSpinArrows final : public QObject {
    Q_OBJECT
public:
    explicit CSpinArrows(QWidget& placeholder);

    QToolButton* Up() const { return up_; }
    QToolButton* Down() const { return down_; }

Q_SIGNALS:
    void Stepped(bool up);

private:
    QToolButton* up_ = nullptr;
    QToolButton* down_ = nullptr;
};

} // namespace qlx
