#pragma once

#include <functional>
#include <string>
#include <vector>

namespace qlx::platform {

struct ProcessResult {
    bool started = false; // false: the program could not be started at all
    int exitCode = -1;    // meaningful only when started and it exited normally
};

// Starts argv[0] with the argument vector (no shell, no quoting) and waits for it. While it
// runs, `whileWaiting` is called every few milliseconds (the GUI repaints there and drops
// input). A program that cannot be started ends the wait at once.
ProcessResult RunProcess(const std::vector<std::string>& argv,
                         const std::function<void()>& whileWaiting = {});

} // namespace qlx::platform
