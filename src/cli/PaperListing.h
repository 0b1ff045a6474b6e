#pragma once

#include "papers/PaperList.h"

#include <string>

namespace qlx {

// One line per listed paper, as the main dialog would show it: index, display name, width,
// length ("--" for continuous tape), energy rank and origin, separated by tabs. Lengths use
// '.' as the decimal point.
class PaperListing {
public:
    static std::string Header();
    static std::string Row(const PaperList& list, int index, bool inch);
    // "preset", "protected" or "user".
    static const char* Origin(const PaperDef& paper);
};

} // namespace qlx
