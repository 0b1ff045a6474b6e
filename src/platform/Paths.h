#pragma once

#include <string>

namespace qlx::platform {

// Full path of the running program file ("" when it cannot be had).
std::string ExecutablePath();

// `path` cut before its last '\\', '/' or ':' (the separator itself dropped); a path without
// any of them comes back unchanged. Pure text: "C:\\a\\b.exe" gives "C:\\a", "/usr/bin/x"
// gives "/usr/bin", "/x" gives "".
std::string CutAtLastSeparator(const std::string& path);

// The directory of the running program without a trailing separator (ExecutablePath() cut
// by CutAtLastSeparator). False, with `path` untouched, when the program path is empty.
bool GetModuleDirectory(std::string& path);

// A folder private to the user (mode 0700), created when missing; the path ends with '/'.
// Prefers $XDG_RUNTIME_DIR/qlx5srct/ when that variable names a folder, else
// qlx5srct-<uid>/ under $TMPDIR (when it names a folder) or /tmp. A folder that exists but
// is a symbolic link, belongs to someone else or is open to others is refused, since another
// user could then read or replace what the programs put there. "" on failure.
std::string PrivateTempFolder();

// The user's documents folder: $HOME/Documents when that folder exists, else $HOME (the
// password database's home when HOME is unset).
std::string DocumentsFolder();

} // namespace qlx::platform
