#pragma once

#include "app/Messages.h"
#include "editor/ControlState.h"
#include "editor/EditorSettings.h"
#include "editor/PaperTexts.h"
#include "editor/PreviewBitmaps.h"
#include "papers/PaperDef.h"
#include "papers/PaperList.h"
#include "update/PublishDefinitions.h"

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qlx {

// What the main dialog hands to the paper editor when it opens it.
struct PaperEditorSetup {
    int mode = 0; // 0 New, 1 Edit
    EditorSettings settings;
    int selectedIndex = 0;    // the paper being edited (Overwrite replaces it)
    bool bOkAtStart = true;   // New: OK usable at once; Edit: after the first name change
    bool bListFull = false;   // 100 papers stored: OK stays disabled
    std::string driverFolder; // where the published files go
};

// The end of a save attempt: the dialog closes with `result` (1 added, 10 replaced), or stays
// open (0) and shows `message` with the error icon when there is one.
struct SaveOutcome {
    int result = 0;
    std::optional<std::string> message;
};

// Writes the user source of `papers` (its first `numberOfPapers` slots) to `path`.
using UserSourceWriter =
    std::function<bool(const PaperList& papers, const std::string& path, int numberOfPapers)>;

inline bool WriteListUserSource(const PaperList& papers, const std::string& path,
                                int numberOfPapers) {
    return papers.WriteUserSource(path, numberOfPapers);
}

// The rules of the paper editor dialog, without any widget: given the record and the user's
// events, it keeps the text, enabled and visible state of every control, the paper kind and
// its preview, converts and checks the texts on save and publishes the result. The dialog
// copies Controls() onto its widgets after every event; it forwards only the user's own
// edits (not the texts it sets itself).
class PaperEditorModel {
public:
    static constexpr int kResultAdded = 1;
    static constexpr int kResultReplaced = 10;

    // Opens the editor on `paper` (the main dialog's work record, which the editor writes on
    // save). Black-mark papers (kind code 2 in reserved_12_) open as kind 76.
    PaperEditorModel(PaperDef& paper, PaperEditorSetup setup, const StringSource& strings);

    const std::string& Title() const { return title_; }
    // State of one control by its number; an unknown number reads as empty and enabled.
    const ControlState& Control(int id) const;
    const std::map<int, ControlState>& Controls() const { return controls_; }
    // Entries of the kind list (strings 2000, 2001, 2002) and the selected one.
    const std::vector<std::string>& KindNames() const { return kindNames_; }
    int KindSelection() const { return kindSelection_; }
    int previewType() const { return previewType_; }
    bool bBlackMark() const { return bBlackMark_; }
    bool OkEnabled() const;
    // The value texts as shown, with the kind entry.
    PaperTexts Texts() const;
    // Pictures for the current kind and mark offset.
    PreviewBitmaps Bitmaps() const;

    // The text and caret to put back into an edited control, and whether the whole dialog
    // must be repainted (the preview changes).
    struct EditOutcome {
        std::string text;
        TextSelection selection;
        bool repaint = false;
    };
    // The user changed the text of control `id` to `newText`, leaving the caret at
    // `selection`.
    EditOutcome TextEdited(int id, std::string_view newText, TextSelection selection);
    // The user chose another paper kind. Returns true: the dialog repaints.
    bool KindChanged(int selection);
    // A press on spin arrow `arrow`. Returns true when the dialog must repaint.
    bool StepUp(int arrow);
    bool StepDown(int arrow);

    // Before the advanced settings dialog opens: the record takes the chosen kind.
    PaperDef& PrepareAdvanced();

    // Add as new (OK) and Overwrite (Edit only): convert, check, then publish the stored
    // papers with this one (added at the end, or in place of the selected paper) exactly
    // once. The stored list is never changed here; the main dialog does that on the result.
    SaveOutcome AddAsNew(const PaperList& stored, const PublishEnvironment& environment,
                         const PublishFunction& publish = PublishDefinitions,
                         const UserSourceWriter& writeUserSource = WriteListUserSource);
    SaveOutcome Overwrite(const PaperList& stored, const PublishEnvironment& environment,
                          const PublishFunction& publish = PublishDefinitions,
                          const UserSourceWriter& writeUserSource = WriteListUserSource);

    // The smallest paper size number from 513 to 612 that no stored paper uses; `current`
    // when all are taken.
    static int16_t FirstFreePaperSize(const PaperList& stored, int16_t current);

private:
    struct ValueControl {
        int value;
        int echo;
        int spin;
        double upBoundMm;
        double downBoundMm;
    };

    const ValueControl* FindValue(int id) const;
    const ValueControl* FindSpin(int arrow) const;
    std::string& Text(int id) { return controls_[id].text; }
    std::string Echo(const std::string& text) const;
    void SetValue(int id, std::string text);
    void ApplyKind();
    void CopyTopToBottom();
    bool Step(int arrow, bool up);
    bool MarkOffsetNegative() const;
    std::string LengthRangeText() const;
    std::string ShowMm(float mm) const;
    std::string ShowDots(int32_t dots) const;
    std::optional<std::string> ConvertAndValidate(const PaperList& stored);
    SaveOutcome Publish(const PaperList& stored, const PublishEnvironment& environment,
                        const PublishFunction& publish, const UserSourceWriter& writeUserSource,
                        PublishVariant variant, int slot, int numberOfPapers);

    PaperDef& paper_;
    PaperEditorSetup setup_;
    const StringSource& strings_;
    std::string title_;
    std::map<int, ControlState> controls_;
    std::vector<std::string> kindNames_;
    std::vector<ValueControl> values_;
    int kindSelection_ = 0;
    int previewType_ = kTypeContinuous;
    bool bBlackMark_ = false;
};

} // namespace qlx
