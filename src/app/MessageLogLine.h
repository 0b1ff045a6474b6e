#pragma once

#include <string>

#include "app/Messages.h"

namespace qlx {

// One line of the message log that the end-to-end tests read instead of looking at a box:
// `icon<TAB>caption<TAB>text` with icon "error", "information" or "question". Line ends,
// tabs and backslashes inside caption and text are written as "\n", "\t", "\\", so each
// message stays on one line.
std::string MessageLogLine(MessageIcon icon, const std::string& caption, const std::string& text);

const char* MessageIconName(MessageIcon icon);

} // namespace qlx
