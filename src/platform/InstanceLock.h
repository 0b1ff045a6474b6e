#pragma once

#include <functional>
#include <memory>
#include <string>

namespace qlx::platform {

// The per-user single-instance lock of one name ("mutex_" + model code). The holder keeps
// the name for its lifetime and listens on a local channel through which a second start
// asks it to raise its window.
class InstanceLock {
public:
    virtual ~InstanceLock() = default;

    // Takes the name; nullptr when another process holds it.
    static std::unique_ptr<InstanceLock> TryAcquire(const std::string& name);

    // Asks the holder of `name` to raise its window; false when nobody answered.
    static bool AskHolderToRaise(const std::string& name);

    // Called by the holder's event loop (see PollRaiseRequests) for every request received.
    virtual void SetRaiseHandler(std::function<void()> handler) = 0;
    // Handles waiting requests without blocking; the GUI calls it from a timer or a socket
    // notifier on RaiseChannelDescriptor().
    virtual void PollRaiseRequests() = 0;
    virtual int RaiseChannelDescriptor() const = 0;
};

} // namespace qlx::platform
