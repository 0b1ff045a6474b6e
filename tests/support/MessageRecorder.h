#pragma once

#include "app/Messages.h"

#include <QString>

#include <deque>
#include <vector>

namespace qlx::testing {

// Every message box the dialogs ask for, recorded instead of shown; questions are answered
// from `answers` in order (No when it runs dry).
class MessageRecorder {
public:
    struct Message {
        MessageIcon icon;
        QString text;
    };
    MessageRecorder();
    ~MessageRecorder();
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    std::vector<QString> Texts() const;

    std::vector<Message> shown;
    std::deque<bool> answers;
};

} // namespace qlx::testing
