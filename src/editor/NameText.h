#pragma once

#include "papers/PaperDef.h"

#include <string>
#include <string_view>

namespace qlx {

// Paper names travel as UTF-8 in the dialogs and as UTF-16 in the record; these three
// functions are the editor's view of that conversion (over TextCodec).

// Number of UTF-16 units the UTF-8 text needs (a character outside the basic plane counts
// two), so that the name limit of the dialog is the capacity of the record. Invalid UTF-8
// counts one unit per byte.
int NameUnits(std::string_view utf8);

// Converts a UTF-8 name into a zero-terminated name array. False (and an empty array) when
// the text is not valid UTF-8 or needs more than 31 units.
bool NameToUtf16(std::string_view utf8, PaperName& out);

// The name array (up to its terminator) as UTF-8; empty when it holds an unpaired surrogate.
std::string NameToUtf8(const PaperName& name);

} // namespace qlx
