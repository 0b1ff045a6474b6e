#pragma once

#include "papers/MdtHeader.h"

#include <functional>
#include <string>
#include <vector>

namespace qlx {

// The seven callers of the driver update. They differ in the source they write, the tools'
// family code, the destination and what happens to the results.
enum class PublishVariant { Export, Delete, Import, Replace, Add, Send, SavePrinterFile };

// Where the tools and files are, fixed for a run.
struct PublishEnvironment {
    std::string programFolder; // holds qlx5sRpc and qlx5sRcv (no trailing '/')
    std::string tempFolder;    // private temporary folder, ends with '/'
    std::string modelCode;     // e.g. "qlx530e"
    MdtHeader header;          // bySeriesCode and byModelCode name the printer file
    // Called while a tool runs: the GUI repaints there and drops input.
    std::function<void()> whileWaiting;
};

// Produces the temporary source file at the given path (WriteUserSource, WriteSingleSource,
// or a copy of a chosen file). Its result is not what decides success: the copies do.
using SourceWriter = std::function<bool(const std::string& temporarySourcePath)>;

struct PublishOutcome {
    bool ok = false; // all copies made (copy variants) / printer file produced (Send, Save)
    // Send and Save printer file: the temporary printer file handed on.
    std::string temporaryPrinterFile;
};

// Writes the source into the temporary folder, runs the source compiler and the converter,
// then copies the three results into `destinationFolder` (Export, Delete, Import, Replace,
// Add), or deletes the temporary source and table and hands the printer file on (Send,
// Save printer file).
// Outputs of an earlier run are removed from the temporary folder first; a tool that is
// missing, cannot start or produces nothing (and a series or model byte of 0, which cannot
// be passed as an argument) fails the run before anything is copied, so the destination
// stays as it was. The copies are atomic and stop at the first failure; only Delete, Import,
// Replace and Add make a read-only destination file writable first.
PublishOutcome PublishDefinitions(const PublishEnvironment& environment, PublishVariant variant,
                                  const SourceWriter& writeSource,
                                  const std::string& destinationFolder);
// PublishDefinitions or a stand-in for it (tests, and the windows' input guard around it).
using PublishFunction = std::function<PublishOutcome(const PublishEnvironment&, PublishVariant,
                                                     const SourceWriter&, const std::string&)>;

// "pdt%s%s.bin" from the last two characters of byModelCode, then of bySeriesCode.
std::string PrinterFileName(const MdtHeader& header);

// The string resources a caller shows after a publication: `success` (with
// `successSecond` joined by two line ends, 0 when none) and `failure`; 0 means the variant
// shows nothing of its own (Delete, Replace and Add close or rebuild on success; Send and
// Save printer file report in their own dialogs).
struct PublishMessageIds {
    int success = 0;
    int successSecond = 0;
    int failure = 0;
};
PublishMessageIds PublishMessages(PublishVariant variant);

// "qlx5sr" for the editor's variants (Replace, Add), "qlx5sR" for the others.
std::string FamilyCode(PublishVariant variant);

// Starts a tool with its argument vector and waits for it, calling `whileWaiting` meanwhile.
// False when the tool could not be started; its exit status is not judged here.
bool RunTool(const std::vector<std::string>& argv, const std::function<void()>& whileWaiting);

} // namespace qlx
