#include "platform/InstanceLock.h"
#include "TestFolder.h"
#include "platform/Paths.h"

#include <csignal>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

namespace qlx::platform {
namespace {

using test::ScopedEnv;
using test::TestFolder;
using Names = std::set<std::string>;

// Every test keeps its locks in its own runtime folder, away from real instances.
class InstanceLockTest : public ::testing::Test {
protected:
    TestFolder runtime_;
    ScopedEnv xdg_{"XDG_RUNTIME_DIR", runtime_.path()};
    std::string folder_ = runtime_.path() + "/qlx5srct";
};

// Whether a separate process can take `name` right now.
bool OtherProcessCanTake(const std::string& name) {
    const pid_t pid = fork();
    if (pid == 0)
        _exit(InstanceLock::TryAcquire(name) ? 1 : 0);
    int status = 0;
    if (pid < 0 || waitpid(pid, &status, 0) != pid || !WIFEXITED(status))
        ADD_FAILURE() << "the helper process did not run";
    return WIFEXITED(status) && WEXITSTATUS(status) == 1;
}

TEST_F(InstanceLockTest, NameIsHeldAgainstOtherProcessesUntilReleased) {
    std::unique_ptr<InstanceLock> lock = InstanceLock::TryAcquire("mutex_qlx530e");
    ASSERT_NE(lock, nullptr);
    EXPECT_FALSE(OtherProcessCanTake("mutex_qlx530e"));
    EXPECT_EQ(InstanceLock::TryAcquire("mutex_qlx530e"), nullptr) << "nor twice in one process";
    EXPECT_TRUE(OtherProcessCanTake("mutex_qlx410a")) << "other models run side by side";
    std::unique_ptr<InstanceLock> other = InstanceLock::TryAcquire("mutex_");
    EXPECT_NE(other, nullptr);

    lock.reset();
    EXPECT_TRUE(OtherProcessCanTake("mutex_qlx530e"));
    EXPECT_NE(InstanceLock::TryAcquire("mutex_qlx530e"), nullptr);
}

TEST_F(InstanceLockTest, RaiseRequestsReachTheHolder) {
    EXPECT_FALSE(InstanceLock::AskHolderToRaise("mutex_qlx520e")) << "nobody holds it yet";
    std::unique_ptr<InstanceLock> lock = InstanceLock::TryAcquire("mutex_qlx520e");
    ASSERT_NE(lock, nullptr);
    EXPECT_GE(lock->RaiseChannelDescriptor(), 0);
    int raised = 0;
    lock->SetRaiseHandler([&] { ++raised; });
    lock->PollRaiseRequests();
    EXPECT_EQ(raised, 0);

    EXPECT_TRUE(InstanceLock::AskHolderToRaise("mutex_qlx520e"));
    EXPECT_TRUE(InstanceLock::AskHolderToRaise("mutex_qlx520e"));
    EXPECT_FALSE(InstanceLock::AskHolderToRaise("mutex_qlx520ew"));
    lock->PollRaiseRequests();
    EXPECT_EQ(raised, 2);
    lock->PollRaiseRequests();
    EXPECT_EQ(raised, 2);

    // A connection that says something else, or nothing, raises nothing.
    const int peer = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string path = folder_ + "/mutex_qlx520e.sock";
    path.copy(address.sun_path, sizeof address.sun_path - 1);
    ASSERT_EQ(connect(peer, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    ASSERT_EQ(write(peer, "hello\n", 6), 6);
    close(peer);
    lock->PollRaiseRequests();
    EXPECT_EQ(raised, 2);

    lock.reset();
    EXPECT_FALSE(InstanceLock::AskHolderToRaise("mutex_qlx520e"));
    EXPECT_EQ(runtime_.Names(folder_), Names{"mutex_qlx520e.lock"}) << "the channel is gone";
}

// A holder that dies leaves its files behind; the next start must take over cleanly.
TEST_F(InstanceLockTest, NameOfAKilledHolderCanBeTakenWithAWorkingChannel) {
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t pid = fork();
    if (pid == 0) {
        const std::unique_ptr<InstanceLock> lock = InstanceLock::TryAcquire("mutex_qlx530ew");
        const char answer = lock ? 'y' : 'n';
        if (write(ready[1], &answer, 1) != 1)
            _exit(2);
        pause();
        _exit(0);
    }
    ASSERT_GT(pid, 0);
    char answer = 0;
    ASSERT_EQ(read(ready[0], &answer, 1), 1);
    close(ready[0]);
    close(ready[1]);
    EXPECT_EQ(answer, 'y');
    EXPECT_EQ(InstanceLock::TryAcquire("mutex_qlx530ew"), nullptr);
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    EXPECT_FALSE(InstanceLock::AskHolderToRaise("mutex_qlx530ew")) << "a dead holder's socket";

    std::unique_ptr<InstanceLock> lock = InstanceLock::TryAcquire("mutex_qlx530ew");
    ASSERT_NE(lock, nullptr);
    int raised = 0;
    lock->SetRaiseHandler([&] { ++raised; });
    EXPECT_TRUE(InstanceLock::AskHolderToRaise("mutex_qlx530ew"));
    lock->PollRaiseRequests();
    EXPECT_EQ(raised, 1);
}

TEST_F(InstanceLockTest, NamesStayInsideThePrivateFolder) {
    const std::unique_ptr<InstanceLock> lock = InstanceLock::TryAcquire("../../escape/x");
    ASSERT_NE(lock, nullptr);
    EXPECT_EQ(runtime_.Names(folder_), (Names{".._.._escape_x.lock", ".._.._escape_x.sock"}));
    EXPECT_EQ(runtime_.Names(), Names{"qlx5srct"});
    EXPECT_TRUE(InstanceLock::AskHolderToRaise("../../escape/x"));
}

} // namespace
} // namespace qlx::platform
