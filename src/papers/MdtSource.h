#pragma once

#include "papers/IniDocument.h"
#include "papers/MdtHeader.h"
#include "papers/PaperDef.h"

#include <optional>
#include <string>
#include <vector>

namespace qlx {

// What reading one source file found, section by section: the papers that loaded (in
// order) and, where loading stopped, the section and the key or limit that stopped it.
struct SourceSectionResult {
    std::string section; // "Paper00", ...
    bool loaded = false;
    bool leftOut = false; // read, but its names cannot be converted: skipped, loading goes on
    std::string problem;  // empty when loaded; else e.g. "missing required key MediaAtrInfo"
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

// How reading one paper section ended.
enum class PaperReadStatus {
    Loaded,         // every required key present and within its limits
    NotConvertible, // readable, but a name or inch text is not valid UTF-8: left out of lists
    Absent,         // no such section: the normal end of a file
    Failed,         // a required key is missing or a name is too long: loading stops here
};

struct PaperReadResult {
    PaperReadStatus status = PaperReadStatus::Absent;
    std::string problem; // for NotConvertible and Failed, naming the key and its line
};

// Reads the [Version] keys, the whole [Model] section and its fifteen keys. False when a key
// or the Model section is missing (`problem` says which); what was read stays in `header`.
bool ReadHeader(const IniDocument& document, MdtHeader& header, std::string* problem = nullptr);

// Reads section "PaperNN" (NN = sectionNumber) into `paper` and sets its bPreset. `paper` is
// complete only when the status is Loaded or NotConvertible.
PaperReadResult ReadPaperSection(const IniDocument& document, int sectionNumber, bool preset,
                                 PaperDef& paper);

// Appends section "PaperNN" for `paper` to `text`: its keys in file order, then "0" and an
// empty line. False, with `text` unchanged, when the paper cannot be written whole (a name
// that cannot be converted, or a value holding a line break or a zero byte).
bool WritePaperSection(const PaperDef& paper, int sectionNumber, std::string& text);

// The complete text of a source file for the header and papers (all of them are written,
// numbered from Paper00); nothing when the header or a paper cannot be written whole.
std::optional<std::string> FormatSourceText(const MdtHeader& header,
                                            const std::vector<const PaperDef*>& papers);

// Loads a whole file into a document; false when it cannot be read.
bool ReadSourceDocument(const std::string& path, IniDocument& document);

// The words of comment line 5 of every written source file.
extern const char* const kSourceNotice;

} // namespace qlx
