#pragma once

#include "app/Messages.h"
#include "app/ModelProfile.h"
#include "app/PaperEditor.h"
#include "papers/PaperList.h"
#include "update/PublishDefinitions.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace qlx {

// What start-up hands the main window for the run.
struct MainWindowSetup {
    std::string modelCode;   // "" when no model matched
    std::string printerName; // "" when the printer was not found: sending is off
    ModelProfile profile;
    int bInch = 0;
    char decimalSeparator = '.';
    std::string programFolder; // holds the two tools, no trailing '/'
    std::string driverFolder;  // the spooler's driver directory + "/3"
    std::string tempFolder;    // private temporary folder ending with '/'
};

// The main window's decisions, free of any widget: the start checks, loading, what the
// selected paper shows and which commands are open, the new paper's defaults, the editor's
// results, Delete with its publication, and the closing message. The dialog only binds
// widgets to it.
class MediamgrModel {
public:
    // The dialog's result when the start checks failed; the program then ends.
    static constexpr int kEndedResult = 10;
    static constexpr int kFirstUserPaperSize = 513;
    static constexpr int kLastUserPaperSize = 612;

    using Publisher = PublishFunction;

    // `publisher` defaults to PublishDefinitions; tests put a stand-in there.
    MediamgrModel(const StringSource& strings, MessageSink& messages, Publisher publisher = {});

    // The driver folder for a spooler driver directory ("" stays "").
    static std::string DriverFolderFor(const std::string& driverDirectory);

    // Takes the run's values without looking at any file.
    void Configure(const MainWindowSetup& setup);
    // Configure, then check that both tools lie in the program folder and both source files
    // of the model in the driver folder (names matched without regard to case), and load the
    // header and the papers. False after string 1101 was shown: the window ends with
    // kEndedResult.
    bool Initialise(const MainWindowSetup& setup);

    PaperList& Papers() { return list_; }
    const PaperList& Papers() const { return list_; }
    const MainWindowSetup& Setup() const { return setup_; }

    int Inch() const { return setup_.bInch; }
    void SetInch(int inch) { setup_.bInch = inch ? 1 : 0; }
    char DecimalSeparator() const { return setup_.decimalSeparator; }
    void SetDecimalSeparator(char separator) { setup_.decimalSeparator = separator; }

    // The name the list shows for `paper` in the current unit ("" when it cannot be shown).
    std::string DisplayName(const PaperDef& paper) const;
    // One display name per paper, in list order.
    std::vector<std::string> DisplayNames() const;

    struct SelectedPaperView {
        bool valid = false; // false: no paper at that index, the texts are empty
        bool editEnabled = false;
        bool deleteEnabled = false;
        bool newEnabled = false;
        std::string width;
        std::string length;
        std::string energy;
    };
    // Selects the paper at `index` (copying it into `work`) and tells what to show.
    SelectedPaperView ShowSelectedPaper(int index);

    bool SendEnabled() const { return !setup_.printerName.empty(); }

    // The lowest paper size number of 513..612 that no listed paper uses.
    std::optional<int16_t> LowestFreePaperSize() const;
    // Readies `work` for New: not a preset, the default name, a free paper size number;
    // the other fields stay those of the paper selected last.
    void PrepareNewPaper();

    // The request the editor gets for `mode` (New or Edit).
    PaperEditorRequest EditorRequest(PaperEditorMode mode);
    // New (with PrepareNewPaper) or Edit: runs the editor and stores what it returns.
    // Returns the index to select afterwards: the added paper, the replaced one, or the
    // previous selection when nothing was stored.
    int RunEditor(PaperEditor& editor, PaperEditorMode mode);

    struct DeleteOutcome {
        bool confirmed = false; // the user answered Yes
        bool published = false; // the shortened list reached the driver folder
        int select = -1;        // the entry to select afterwards
    };
    // Asks with string 1001, removes the selected paper and publishes the shortened list.
    // When a copy fails, string 1102 is shown and the paper is put back where it was, with
    // its selection, so the list, the window and the installed files keep agreeing.
    DeleteOutcome Delete();

    // OK: string 1006 when a paper was added or replaced during the run.
    void ConfirmOk();

    // The driver update's environment for this run.
    PublishEnvironment Environment() const;

private:
    bool Fail();

    const StringSource& strings_;
    MessageSink& messages_;
    Publisher publisher_;
    MainWindowSetup setup_;
    PaperList list_;
};

} // namespace qlx
