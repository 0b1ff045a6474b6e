#pragma once

#include "app/MediamgrModel.h"
#include "app/MessageBoxService.h"
#include "app/PaperEditor.h"

#include <QDialog>

#include <functional>
#include <map>
#include <memory>

class QAction;
class QLabel;
class QListWidget;
class QPushButton;

namespace qlx {

class CPopupButton;

// The main window: the model's papers in list 1000, the selected paper's width, length and
// energy rank, and the commands. Every decision is MediamgrModel's; this class binds it to
// the widgets of template 102.
class CMediamgrDlg final : public QDialog {
    Q_OBJECT
public:
    // Commands that reach the window by number (buttons, the split button's menu, About).
    static constexpr int kCommandAbout = 16;
    static constexpr int kCommandOption = 1451;
    static constexpr int kCommandSendPaper = 1452;
    static constexpr int kCommandFileOut = 1453;
    static constexpr int kControlExport = 1004;
    static constexpr int kControlImport = 1005;
    static constexpr int kControlSend = 1013;

    // `publisher` defaults to the driver update; tests hand in a stand-in.
    explicit CMediamgrDlg(const MainWindowSetup& setup, MediamgrModel::Publisher publisher = {},
                          QWidget* parent = nullptr);
    ~CMediamgrDlg() override;

    // Checks, loads and fills the window. False after string 1101: the window's result is
    // then MediamgrModel::kEndedResult and it must not be run.
    bool Initialise();
    // Initialise, then the modal run; the program ends with it.
    int Run();

    // The paper editor New and Edit run: the editor dialog unless another is given (tests).
    void SetPaperEditor(std::unique_ptr<PaperEditor> editor);
    // Commands other parts of the program fill: kControlExport, kControlImport,
    // kControlSend (also reached by kCommandSendPaper) and kCommandFileOut. A command
    // without a handler is shown disabled.
    void SetCommandHandler(int command, std::function<void()> handler);

    MediamgrModel& Model() { return model_; }

    void RefreshPaperList(bool updateExtent = true);
    void UpdateListExtent();
    void SelectEntry(int index);
    void ShowSelectedPaper();
    // The widest entry plus 5 pixels, as last measured.
    int ListExtent() const { return listExtent_; }

    void OnNew();
    void OnEdit();
    void OnDelete();
    void OnOption();
    void OnAbout();
    void OnCommand(int command);

    // OK: string 1006 when something was added or replaced, then close.
    void accept() override;

protected:
    bool event(QEvent* event) override;

private:
    bool HasHandler(int command) const;
    bool CommandEnabled(int command) const;
    void UpdateCommandStates();

    MessageBoxService messages_;
    MediamgrModel model_;
    std::unique_ptr<PaperEditor> editor_;
    std::map<int, std::function<void()>> handlers_;
    QListWidget* list_ = nullptr;
    CPopupButton* popup_ = nullptr;
    QAction* aboutAction_ = nullptr;
    int listExtent_ = 0;
};

} // namespace qlx
