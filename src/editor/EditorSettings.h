#pragma once

#include "app/ModelProfile.h"

#include <cstdint>

namespace qlx {

// The unit mode, the user's decimal separator and the model's constants: everything the
// editor's conversions and checks depend on besides the texts themselves.
struct EditorSettings {
    bool bInch = false;          // inches with two decimals, else millimetres with one
    char decimalSeparator = '.'; // shown in place of '.', the only separator read back
    ModelProfile profile;
};

// Paper kinds as entries of the kind list: 0 continuous, 1 die-cut, 2 black mark. Any other
// entry (none selected included) means continuous tape.
inline int16_t KindFromSelection(int selection) {
    return selection == 1 ? int16_t{75} : selection == 2 ? int16_t{76} : int16_t{74};
}
inline int SelectionFromKind(int kind) {
    return kind == 75 ? 1 : kind == 76 ? 2 : 0;
}

} // namespace qlx
