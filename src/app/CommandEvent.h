#pragma once

#include <QEvent>

namespace qlx {

// A command posted to a dialog, as a menu item or a button of it would send it: queued, so
// the sender's own event handling has finished before the dialog acts.
class CommandEvent final : public QEvent {
public:
    explicit CommandEvent(int command) : QEvent(EventType()), command_(command) {}

    int Command() const { return command_; }

    static QEvent::Type EventType() {
        static const QEvent::Type type = static_cast<QEvent::Type>(QEvent::registerEventType());
        return type;
    }

private:
    int command_;
};

} // namespace qlx
