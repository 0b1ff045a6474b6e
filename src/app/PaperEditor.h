#pragma once

#include "app/ModelProfile.h"
#include "papers/MdtHeader.h"
#include "papers/PaperDef.h"
#include "papers/PaperList.h"
#include "update/PublishDefinitions.h"

#include <string>
#include <utility>
#include <vector>

namespace qlx {

enum class PaperEditorMode { New = 0, Edit = 1 };

// What the editor ends with: add `work` as a new paper, replace the selected one by it, or
// (any other value) store nothing. On add and replace the editor has already rewritten the
// user source and installed the results.
constexpr int kEditorResultAdd = 1;
constexpr int kEditorResultReplace = 10;

// Everything the main window hands the paper editor for one run.
struct PaperEditorRequest {
    PaperEditorRequest(PaperDef& workRecord, PaperList& papers) : work(workRecord), list(papers) {}

    PaperDef& work;  // the record edited in place
    PaperList& list; // slots 0..count-1 and count, read by the editor's publication
    PaperEditorMode mode = PaperEditorMode::New;
    int bInch = 0;
    char decimalSeparator = '.';
    std::string modelCode;
    MdtHeader header;
    // A copy of the [Model] section of the user source, kept verbatim.
    std::vector<std::pair<std::string, std::string>> modelSection;
    int nSelected = 0;
    std::string driverFolder;
    int bOkAtStart = 1; // 1 for new, 0 for edit
    int bFull = 0;
    ModelProfile profile;
    // Where the tools and the temporary folder are, and how to keep painting while they run.
    PublishEnvironment publish;
};

// The paper editor as the main window sees it; the dialog implements it, tests stand in.
class PaperEditor {
public:
    virtual ~PaperEditor() = default;
    virtual int Run(PaperEditorRequest& request) = 0;
};

} // namespace qlx
