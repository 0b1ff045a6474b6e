#pragma once

#include <QString>
#include <functional>
#include <string>

#include "app/Messages.h"

class QWidget;

namespace qlx {

// The one way the program shows a message: a message box with the application caption
// (string 100, or "Label Media Manager" when it is empty), an error or information icon, or a
// question icon with Yes and No. Tests take over through SetTestHook, the end-to-end tests
// through the environment variable QLX_MESSAGE_LOG (see docs/testing-hooks.md).
class MessageBoxService final : public MessageSink {
public:
    using TestHook =
        std::function<bool(MessageIcon icon, const QString& caption, const QString& text)>;

    // Captions come from the resource library, or from `strings` when one is given.
    explicit MessageBoxService(QWidget* parent = nullptr);
    explicit MessageBoxService(const StringSource& strings, QWidget* parent = nullptr);

    // True for Yes on a question; for the other icons the result carries no meaning.
    bool Show(MessageIcon icon, const std::string& text) override;
    bool ShowWithCaption(MessageIcon icon, const std::string& caption, const std::string& text);

    // While a hook is set, no box is shown and the hook's result is the answer. An empty
    // function removes it.
    static void SetTestHook(TestHook hook);

private:
    const StringSource* strings_;
    QWidget* parent_;
};

} // namespace qlx
