#include "platform/Process.h"

#include <cerrno>
#include <csignal>
#include <ctime>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace qlx::platform {

namespace {

// The spawn attributes and file actions, destroyed on every path.
class SpawnSetup {
public:
    SpawnSetup() {
        ok_ = posix_spawnattr_init(&attr_) == 0;
        if (!ok_)
            return;
        haveAttr_ = true;
        ok_ = posix_spawn_file_actions_init(&actions_) == 0;
        if (!ok_)
            return;
        haveActions_ = true;
        // The child starts with every signal at its default and none blocked, whatever the
        // GUI did to its own, and reads nothing from our terminal.
        sigset_t all;
        sigset_t none;
        sigfillset(&all);
        sigemptyset(&none);
        ok_ =
            posix_spawnattr_setsigdefault(&attr_, &all) == 0 &&
            posix_spawnattr_setsigmask(&attr_, &none) == 0 &&
            posix_spawnattr_setflags(&attr_, POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK) == 0 &&
            posix_spawn_file_actions_addopen(&actions_, STDIN_FILENO, "/dev/null", O_RDONLY, 0) ==
                0;
    }
    SpawnSetup(const SpawnSetup&) = delete;
    SpawnSetup& operator=(const SpawnSetup&) = delete;
    ~SpawnSetup() {
        if (haveActions_)
            posix_spawn_file_actions_destroy(&actions_);
        if (haveAttr_)
            posix_spawnattr_destroy(&attr_);
    }
    bool ok() const { return ok_; }
    const posix_spawnattr_t* attr() const { return &attr_; }
    const posix_spawn_file_actions_t* actions() const { return &actions_; }

private:
    posix_spawnattr_t attr_{};
    posix_spawn_file_actions_t actions_{};
    bool haveAttr_ = false;
    bool haveActions_ = false;
    bool ok_ = false;
};

void SleepBriefly() {
    timespec pause{0, 5 * 1000 * 1000};
    while (nanosleep(&pause, &pause) != 0 && errno == EINTR) {
    }
}

} // namespace

ProcessResult RunProcess(const std::vector<std::string>& argv,
                         const std::function<void()>& whileWaiting) {
    ProcessResult result;
    if (argv.empty() || argv[0].empty())
        return result;
    SpawnSetup setup;
    if (!setup.ok())
        return result;
    std::vector<char*> args;
    args.reserve(argv.size() + 1);
    for (const std::string& arg : argv)
        args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);

    // glibc reports a failed exec (missing program, no permission) as the spawn's own error,
    // so a program that cannot start never leaves us waiting.
    pid_t pid = -1;
    if (posix_spawn(&pid, args[0], setup.actions(), setup.attr(), args.data(), environ) != 0)
        return result;
    result.started = true;

    for (;;) {
        int status = 0;
        const pid_t done = waitpid(pid, &status, WNOHANG);
        if (done == pid) {
            if (WIFEXITED(status))
                result.exitCode = WEXITSTATUS(status);
            return result; // killed by a signal: started, exit code -1
        }
        if (done < 0) {
            if (errno == EINTR)
                continue;
            return result; // the child was reaped elsewhere; nothing left to wait for
        }
        if (whileWaiting)
            whileWaiting();
        SleepBriefly();
    }
}

} // namespace qlx::platform
