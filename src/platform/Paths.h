#pragma once

#include <string>

namespace qlx::platform {

// Full path of the running program file ("" when it cannot be had).
std::string ExecutablePath();

// A folder private to the user (mode 0700), created when missing; the path ends with '/'.
// Prefers $XDG_RUNTIME_DIR/qlx5srct/, else a per-user folder under the system's temporary
// folder that is checked to belong to the user. "" on failure.
std::string PrivateTempFolder();

// The user's documents folder ($HOME, or its Documents sub-folder when present).
std::string DocumentsFolder();

} // namespace qlx::platform
