#pragma once

#include "app/Messages.h"
#include "app/PaperEditor.h"
#include "papers/PaperDef.h"
#include "papers/PaperList.h"
#include "support/MessageRecorder.h"

#include <QString>

#include <deque>
#include <memory>
#include <string>
#include <vector>

namespace qlx::testing {

// A user paper: die-cut 56 x 30 mm with 3 mm margins unless told otherwise.
PaperDef MakePaper(const std::string& name, int size, int16_t type = kTypeDieCut);

// The main window's side of one editor run: the stored papers, the work record and the
// request the editor gets, for the 300-dpi model qlx530e in millimetres.
struct EditorBench {
    explicit EditorBench(int storedPapers = 2, PaperEditorMode mode = PaperEditorMode::Edit);
    std::unique_ptr<PaperList> list;
    std::unique_ptr<PaperEditorRequest> request;
};

} // namespace qlx::testing
