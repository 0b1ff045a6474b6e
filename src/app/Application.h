#pragma once

#include <QSocketNotifier>
#include <QTimer>
#include <memory>
#include <string>
#include <vector>

#include "platform/InstanceLock.h"

namespace qlx {

// The program's start-up: arguments, printer and model, resource library, the one instance
// per model, then the main dialog. Needs a QApplication.
class Application final {
public:
    // `arguments` are the program's arguments without its own name. Returns the exit code:
    // 1 after "Bad Arguments." or "Resource file not found.", 0 otherwise (also when another
    // instance of the same model was asked to raise its window).
    int Run(const std::vector<std::string>& arguments);

private:
    void ListenForRaiseRequests();
    void RaiseMainWindow();
    void StartAutoClose(int milliseconds);

    std::unique_ptr<platform::InstanceLock> lock_;
    std::unique_ptr<QSocketNotifier> raiseNotifier_;
    QTimer autoClose_;
    bool reportToStderr_ = false; // QLX_AUTOCLOSE_MS is set: the tests read stderr
};

} // namespace qlx
