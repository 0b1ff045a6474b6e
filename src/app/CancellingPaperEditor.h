#pragma once

#include "app/PaperEditor.h"

namespace qlx {

// Stands in for the paper editor until the main window is given one: stores nothing.
class CancellingPaperEditor final : public PaperEditor {
public:
    int Run(PaperEditorRequest&) override { return 0; }
};

} // namespace qlx
