#pragma once

#include "app/Messages.h"
#include "editor/ControlState.h"
#include "editor/FilterDecimalInput.h"
#include "papers/PaperDef.h"

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qlx {

// The rules of the advanced settings dialog, without any widget. It edits the editor's
// working record in place: the two virtual offsets and the after-feed adjustment (shown in
// the user's unit, stored in dots), the energy rank, and values 9 and 10 of reserved_12_ for
// die-cut or black-mark paper. Nothing is written until Accept succeeds, so Cancel needs no
// action. The paper's nType must already carry the editor's kind (74, 75 or 76).
class AdvanceModel {
public:
    AdvanceModel(PaperDef& paper, bool bInch, char decimalSeparator, int32_t nResolutionDpi,
                 const StringSource& strings);

    // Texts and states of the edits, unit labels, range labels, value labels and lists.
    const ControlState& Control(int id) const;
    const std::map<int, ControlState>& Controls() const { return controls_; }
    // Items of the energy list (1029) and of the four kind lists (1400 to 1403).
    const std::vector<std::string>& ListItems(int list) const;
    // Selected item of a list, -1 when none.
    int Selection(int list) const;
    void Select(int list, int index);

    // The user changed edit 1035, 1038 or 1410; returns the text and caret to show.
    FilterOutcome TextEdited(int id, std::string_view newText, TextSelection selection);
    // A press on spin 1036, 1040 or 1411.
    void StepUp(int spin);
    void StepDown(int spin);

    // The message to show when a value is out of range, nullopt when all are acceptable.
    std::optional<std::string> Validate() const;
    // OK: validates, then writes the record. Returns the message when it refused (the
    // dialog stays open and the record is untouched), nullopt when the dialog may close.
    std::optional<std::string> Accept();

    const std::array<int16_t, 12>& reservedValues() const { return reservedValues_; }

private:
    void SetEdit(int id, int echo, double dots);
    void Step(int spin, bool up);
    int EchoOf(int id) const;

    PaperDef& paper_;
    bool bInch_;
    char decimalSeparator_;
    int32_t nResolutionDpi_;
    const StringSource& strings_;
    std::array<int16_t, 12> reservedValues_{};
    std::map<int, ControlState> controls_;
    std::map<int, std::vector<std::string>> listItems_;
    std::map<int, int> selections_;
};

} // namespace qlx
