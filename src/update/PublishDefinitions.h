#pragma once

#include "papers/MdtHeader.h"

#include <functional>
#include <string>

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
PublishOutcome PublishDefinitions(const PublishEnvironment& environment, PublishVariant variant,
                                  const SourceWriter& writeSource,
                                  const std::string& destinationFolder);

// "pdt%s%s.bin" from the last two characters of byModelCode, then of bySeriesCode.
std::string PrinterFileName(const MdtHeader& header);

} // namespace qlx
