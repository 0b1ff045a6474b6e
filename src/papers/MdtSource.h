#pragma once

#include "papers/MdtHeader.h"
#include "papers/PaperDef.h"

#include <string>
#include <vector>

namespace qlx {

// What reading one source file found, section by section: the papers that loaded (in
// order) and, where loading stopped, the section and the key or limit that stopped it.
struct SourceSectionResult {
    std::string section; // "Paper00", ...
    bool loaded = false;
    std::string problem; // empty when loaded; else e.g. "missing required key MediaAtrInfo"
};

struct SourceFile {
    bool readable = false; // false when the file could not be opened
    std::string error;     // why, when not readable
    bool headerOk = false; // every Version and Model key present
    std::string headerProblem;
    MdtHeader header;
    std::vector<PaperDef> papers;              // loaded papers, file order
    std::vector<SourceSectionResult> sections; // one per section tried, the failing one last
};

// Reads the header and then Paper00, Paper01, ... until the first section that fails,
// as the program reads the preset and user files (no capacity limit here; `preset` marks
// the papers). Never throws on bad input.
SourceFile LoadSourceFile(const std::string& path, bool preset);

// Writes a complete user source (comment header, [Version], [Model], Paper00..) for the
// given header and papers, exactly as the program's user-source writer does. False when a
// paper cannot be written whole; then nothing is written.
bool WriteSourceFile(const std::string& path, const MdtHeader& header,
                     const std::vector<PaperDef>& papers);

} // namespace qlx
