#include "app/ToolWaitGuard.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>

namespace qlx {

namespace {

bool IsUserInput(QEvent::Type type) {
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
        return true;
    default:
        return false;
    }
}

} // namespace

ToolWaitGuard::ToolWaitGuard() {
    if (QCoreApplication::instance() != nullptr) {
        QCoreApplication::instance()->installEventFilter(this);
    }
}

ToolWaitGuard::~ToolWaitGuard() {
    if (QCoreApplication::instance() != nullptr) {
        // Input held back during the wait reaches the filter now and goes no further.
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        QCoreApplication::instance()->removeEventFilter(this);
    }
}

void ToolWaitGuard::Pump() {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

bool ToolWaitGuard::eventFilter(QObject* watched, QEvent* event) {
    if (IsUserInput(event->type())) {
        return true;
    }
    return QObject::eventFilter(watched, event);
}

PublishFunction ToolWaitGuard::Around(PublishFunction inner) {
    if (!inner) {
        inner = PublishDefinitions;
    }
    return [inner](const PublishEnvironment& environment, PublishVariant variant,
                   const SourceWriter& writer, const std::string& destination) {
        ToolWaitGuard guard;
        PublishEnvironment waiting = environment;
        waiting.whileWaiting = [also = environment.whileWaiting] {
            ToolWaitGuard::Pump();
            if (also) {
                also();
            }
        };
        return inner(waiting, variant, writer, destination);
    };
}

} // namespace qlx
