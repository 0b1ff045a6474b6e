#pragma once

#include <string>

namespace qlx {

// How the tools write their outputs: to a temporary name beside the target, then renamed
// over it, so a reader sees the old file or the whole new one. Unlike the installed copies,
// the tools' outputs are not flushed to disk: they are intermediate files that the driver
// update copies (durably) into place, and a flush per output would double its run time.
// Refuses a target that exists without write permission, as the installed copies do.
bool WriteOutputFile(const std::string& path, const std::string& bytes);

} // namespace qlx
