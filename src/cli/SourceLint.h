#pragma once

#include "papers/MdtSource.h"

#include <string>

namespace qlx {

// The lint report of one source file: the header, then each section tried, then a summary.
// Every line starts with the file name.
class SourceLint {
public:
    static std::string Report(const std::string& path, const SourceFile& file);
    // True when the header is complete and every section loaded.
    static bool Clean(const SourceFile& file);
};

} // namespace qlx
