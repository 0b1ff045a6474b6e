#pragma once

#include <QPushButton>

#include <functional>

namespace qlx {

// A split push button: the body posts the default command, the 16-pixel zone at the right
// edge (behind a separator line and a small down arrow) drops down the menu's other
// commands. Every command is posted to the parent dialog as a CommandEvent.
class CPopupButton final : public QPushButton {
    Q_OBJECT
public:
    explicit CPopupButton(QWidget* parent = nullptr);

    // Takes the place of the parent's control `controlId` (its layout slot, geometry, name
    // and tab position), takes its commands from the first popup of menu `menuId`, and makes
    // the default command's item text its caption. `defaultCommand` 0 means the menu's first
    // item. False when the control or the menu is missing.
    bool Attach(int controlId, QWidget& parent, int menuId, int defaultCommand);

    // Decides which of the dropped commands are offered enabled (all when unset).
    void SetCommandEnabled(std::function<bool(int command)> isEnabled);

    int MenuId() const { return menuId_; }
    int DefaultCommand() const { return defaultCommand_; }
    bool Hovering() const { return hovering_; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void DropMenu();
    void PostCommand(int command);

    int menuId_ = 0;
    int defaultCommand_ = 0;
    bool hovering_ = false;
    QWidget* target_ = nullptr;
    std::function<bool(int)> isEnabled_;
};

} // namespace qlx
