#include "support/MessageRecorder.h"

#include "app/MessageBoxService.h"

namespace qlx::testing {

MessageRecorder::MessageRecorder() {
    MessageBoxService::SetTestHook([this](MessageIcon icon, const QString&, const QString& text) {
        shown.push_back({icon, text});
        if (icon != MessageIcon::Question || answers.empty()) {
            return false;
        }
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    });
}

MessageRecorder::~MessageRecorder() {
    MessageBoxService::SetTestHook({});
}

std::vector<QString> MessageRecorder::Texts() const {
    std::vector<QString> texts;
    for (const auto& m : shown) {
        texts.push_back(m.text);
    }
    return texts;
}

} // namespace qlx::testing
