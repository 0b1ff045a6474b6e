#pragma once

#include <optional>
#include <string>

namespace qlx::platform {

bool FileExists(const std::string& path);
bool DirectoryExists(const std::string& path);

// Whole-file read; false when the file cannot be read.
bool ReadFileBytes(const std::string& path, std::string& bytes);

// Writes to a temporary name in the destination folder, flushes, and renames over `path`,
// so readers see the old file or the new one, never a half-written one. Refuses (false) a
// target that exists without write permission ("read-only"). The file gets mode 0644; on
// any failure the target is left as it was and no temporary file remains.
bool WriteFileAtomic(const std::string& path, const std::string& bytes);

// Copies `from` over `to` the same atomic way; false when `from` cannot be read, `to` is
// read-only, or the folder cannot be written. The copy keeps the source's permission bits,
// so a read-only source gives a read-only copy.
bool CopyFileAtomic(const std::string& from, const std::string& to);

// "Read-only" is a file without write permission for its owner.
bool IsReadOnly(const std::string& path);
bool SetReadOnly(const std::string& path, bool readOnly);

bool DeleteFileIfExists(const std::string& path);

// The path (folder + "/" + entry) of the entry of `folder` whose name equals `name` without
// regard to ASCII case, or nothing. An exact match wins; among several others the smallest
// name (byte order), so that the answer does not depend on the directory's order.
std::optional<std::string> FindNameIgnoringCase(const std::string& folder, const std::string& name);

} // namespace qlx::platform
