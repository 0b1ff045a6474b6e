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

    // Takes the name; nullptr when another holder has it (another process, or another lock
    // object of this one) or when the private folder that keeps the lock cannot be had.
    static std::unique_ptr<InstanceLock> TryAcquire(const std::string& name);

    // Asks the holder of `name` to raise its window; false when nobody listens.
    static bool AskHolderToRaise(const std::string& name);

    // Called by the holder's event loop (see PollRaiseRequests) for every request received.
    virtual void SetRaiseHandler(std::function<void()> handler) = 0;
    // Handles waiting requests without blocking; the GUI calls it from a timer or a socket
    // notifier on RaiseChannelDescriptor().
    virtual void PollRaiseRequests() = 0;
    // The listening descriptor that becomes readable when a request waits; -1 when the
    // holder has no channel (it keeps the name all the same).
    virtual int RaiseChannelDescriptor() const = 0;
};

} // namespace qlx::platform
