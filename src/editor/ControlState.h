#pragma once

#include <string>

namespace qlx {

// What one dialog control shows: its text and whether it is enabled and visible. The editor's
// rules fill these; the dialog copies them onto its widgets.
struct ControlState {
    std::string text;
    bool enabled = true;
    bool visible = true;

    bool operator==(const ControlState&) const = default;
};

// Caret selection in an edit control, in characters.
struct TextSelection {
    int start = 0;
    int end = 0;

    bool operator==(const TextSelection&) const = default;
};

} // namespace qlx
