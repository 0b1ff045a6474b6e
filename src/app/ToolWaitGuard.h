#pragma once

#include "update/PublishDefinitions.h"

#include <QObject>

namespace qlx {

// Keeps the windows painted but deaf while a driver tool runs: while the guard lives, mouse
// and key input to the application is swallowed; Pump() lets paint and other non-input
// events through. When the guard ends it drains the input that arrived meanwhile, so clicks
// and keys made during the wait are dropped rather than replayed.
class ToolWaitGuard final : public QObject {
public:
    ToolWaitGuard();
    ~ToolWaitGuard() override;
    ToolWaitGuard(const ToolWaitGuard&) = delete;
    ToolWaitGuard& operator=(const ToolWaitGuard&) = delete;

    // The driver update's wait callback.
    static void Pump();
    // `inner` (PublishDefinitions when empty) run with the windows painted and deaf while
    // its tools run; whatever the caller asked to run while waiting runs as well.
    static PublishFunction Around(PublishFunction inner);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace qlx
