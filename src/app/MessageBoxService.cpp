#include "app/MessageBoxService.h"

#include <QFile>
#include <QMessageBox>
#include <QWidget>

#include "app/ApplicationCaption.h"
#include "app/MessageLogLine.h"
#include "app/ResourceLibrary.h"

namespace qlx {

namespace {

MessageBoxService::TestHook& Hook() {
    static MessageBoxService::TestHook hook;
    return hook;
}

// Appends one line to the log file named by QLX_MESSAGE_LOG; false when the variable is not
// set, so the box is shown.
bool LogInsteadOfShowing(MessageIcon icon, const std::string& caption, const std::string& text) {
    const QString logPath = qEnvironmentVariable("QLX_MESSAGE_LOG");
    if (logPath.isEmpty()) {
        return false;
    }
    QFile log(logPath);
    if (log.open(QIODevice::WriteOnly | QIODevice::Append)) {
        const std::string line = MessageLogLine(icon, caption, text);
        log.write(line.data(), qint64(line.size()));
    }
    return true;
}

} // namespace

MessageBoxService::MessageBoxService(QWidget* parent)
    : strings_(&ResourceLibrary::Instance()), parent_(parent) {}

MessageBoxService::MessageBoxService(const StringSource& strings, QWidget* parent)
    : strings_(&strings), parent_(parent) {}

void MessageBoxService::SetTestHook(TestHook hook) {
    Hook() = std::move(hook);
}

bool MessageBoxService::Show(MessageIcon icon, const std::string& text) {
    return ShowWithCaption(icon, ApplicationCaption(*strings_), text);
}

bool MessageBoxService::ShowWithCaption(MessageIcon icon, const std::string& caption,
                                        const std::string& text) {
    const QString qCaption = QString::fromStdString(caption);
    const QString qText = QString::fromStdString(text);
    if (const TestHook& hook = Hook()) {
        return hook(icon, qCaption, qText);
    }
    if (LogInsteadOfShowing(icon, caption, text)) {
        return false;
    }
    switch (icon) {
    case MessageIcon::Question:
        return QMessageBox::question(parent_, qCaption, qText, QMessageBox::Yes | QMessageBox::No,
                                     QMessageBox::Yes) == QMessageBox::Yes;
    case MessageIcon::Information:
        QMessageBox::information(parent_, qCaption, qText);
        return true;
    case MessageIcon::Error:
        QMessageBox::critical(parent_, qCaption, qText);
        return true;
    }
    return false;
}

} // namespace qlx
