#include "platform/InstanceLock.h"

#include "platform/Paths.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <sys/un.h>
#include <unistd.h>

namespace qlx::platform {

namespace {

constexpr char kRaiseMessage[] = "raise\n";
constexpr size_t kRaiseMessageSize = sizeof kRaiseMessage - 1;
// How long the holder waits for a connected peer's message, and a peer for the holder.
constexpr int kMessageTimeoutMs = 200;

// The lock's name as a single file name inside the private folder.
std::string SafeName(const std::string& name) {
    std::string safe = name;
    for (char& c : safe) {
        if (c == '/' || c == '\0')
            c = '_';
    }
    return safe;
}

std::string PathFor(const std::string& name, const char* suffix) {
    const std::string folder = PrivateTempFolder();
    if (folder.empty())
        return {};
    return folder + SafeName(name) + suffix;
}

bool FillAddress(const std::string& path, sockaddr_un& address) {
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    if (path.empty() || path.size() >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, path.data(), path.size());
    return true;
}

void CloseFd(int& fd) {
    if (fd >= 0)
        close(fd);
    fd = -1;
}

// Reads the request of one accepted connection: true when it is a raise request.
bool ReadRaiseRequest(int connection) {
    char buffer[16];
    size_t got = 0;
    while (got < kRaiseMessageSize) {
        pollfd waitFor{connection, POLLIN, 0};
        const int ready = poll(&waitFor, 1, kMessageTimeoutMs);
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0)
            return false;
        const ssize_t n = recv(connection, buffer + got, sizeof buffer - got, 0);
        if (n < 0 && (errno == EINTR || errno == EAGAIN || errno == EWOULDBLOCK))
            continue;
        if (n <= 0)
            return false;
        got += static_cast<size_t>(n);
    }
    return std::memcmp(buffer, kRaiseMessage, kRaiseMessageSize) == 0;
}

class PosixInstanceLock final : public InstanceLock {
public:
    PosixInstanceLock(int lockFd, int listenFd, std::string socketPath)
        : lockFd_(lockFd), listenFd_(listenFd), socketPath_(std::move(socketPath)) {}
    PosixInstanceLock(const PosixInstanceLock&) = delete;
    PosixInstanceLock& operator=(const PosixInstanceLock&) = delete;

    ~PosixInstanceLock() override {
        // The socket goes while the lock is still ours, so it cannot be a successor's.
        if (listenFd_ >= 0)
            unlink(socketPath_.c_str());
        CloseFd(listenFd_);
        CloseFd(lockFd_);
    }

    void SetRaiseHandler(std::function<void()> handler) override { handler_ = std::move(handler); }

    void PollRaiseRequests() override {
        if (listenFd_ < 0)
            return;
        for (;;) {
            const int connection = accept4(listenFd_, nullptr, nullptr, SOCK_CLOEXEC);
            if (connection < 0) {
                if (errno == EINTR || errno == ECONNABORTED)
                    continue;
                return; // EAGAIN: nothing more waiting
            }
            const bool raise = ReadRaiseRequest(connection);
            close(connection);
            if (raise && handler_)
                handler_();
        }
    }

    int RaiseChannelDescriptor() const override { return listenFd_; }

private:
    int lockFd_;
    int listenFd_;
    std::string socketPath_;
    std::function<void()> handler_;
};

// A listening socket at `path`, or -1; the holder still owns the name without it, it only
// cannot be asked to raise its window.
int Listen(const std::string& path) {
    sockaddr_un address{};
    if (!FillAddress(path, address))
        return -1;
    // Left behind by a holder that died; the lock is ours, so nobody else is using it.
    unlink(path.c_str());
    int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return -1;
    if (bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        listen(fd, 16) != 0) {
        CloseFd(fd);
        return -1;
    }
    return fd;
}

} // namespace

std::unique_ptr<InstanceLock> InstanceLock::TryAcquire(const std::string& name) {
    const std::string lockPath = PathFor(name, ".lock");
    if (lockPath.empty())
        return nullptr;
    int lockFd = open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (lockFd < 0)
        return nullptr;
    int locked;
    do {
        locked = flock(lockFd, LOCK_EX | LOCK_NB);
    } while (locked != 0 && errno == EINTR);
    if (locked != 0) {
        CloseFd(lockFd);
        return nullptr;
    }
    const std::string socketPath = PathFor(name, ".sock");
    const int listenFd = Listen(socketPath);
    return std::make_unique<PosixInstanceLock>(lockFd, listenFd, socketPath);
}

bool InstanceLock::AskHolderToRaise(const std::string& name) {
    sockaddr_un address{};
    if (!FillAddress(PathFor(name, ".sock"), address))
        return false;
    int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    // A holder whose backlog is full makes connect wait; not for long.
    timeval limit{0, kMessageTimeoutMs * 1000};
    setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof limit);
    int connected;
    do {
        connected = connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address);
    } while (connected != 0 && errno == EINTR);
    const bool sent = connected == 0 && send(fd, kRaiseMessage, kRaiseMessageSize, MSG_NOSIGNAL) ==
                                            static_cast<ssize_t>(kRaiseMessageSize);
    CloseFd(fd);
    return sent;
}

} // namespace qlx::platform
