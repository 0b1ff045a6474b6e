#pragma once

#include "app/MessageBoxService.h"
#include "app/PaperEditor.h"
#include "editor/PaperEditorModel.h"

#include <QDialog>
#include <QPixmap>

#include <map>
#include <memory>

class QLineEdit;

namespace qlx {

// The paper editor (template 129): one paper as texts in the user's unit, the kind, the
// spin arrows, the preview pictures and the Advanced, Overwrite and Add buttons. Every event
// goes to PaperEditorModel; the dialog copies its control states back and repaints when it
// says so. It ends with 1 (added), 10 (overwritten) or 0 (cancelled); on 1 and 10 the driver
// folder already holds the published files.
class CNewLabelDlg final : public QDialog {
    Q_OBJECT
public:
    // `publish` defaults to the driver update; tests may hand in a stand-in. The tools run
    // with the windows painted and deaf to input.
    explicit CNewLabelDlg(PaperEditorRequest& request, QWidget* parent = nullptr,
                          PublishFunction publish = {});
    ~CNewLabelDlg() override;

    const PaperEditorModel& Model() const { return *model_; }
    // The pictures the dialog paints now, and those it painted last (nothing before the
    // first paint).
    PreviewBitmaps Bitmaps() const { return model_->Bitmaps(); }
    PreviewBitmaps PaintedBitmaps() const { return painted_; }

    // Add as new (OK).
    void accept() override;
    void OnOverwrite();
    void OnAdvanced();

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // The Up and Down keys in a value box press its arrows.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OnTextEdited(int id, QLineEdit& edit);
    void OnKindChanged(int selection);
    void OnStep(int arrow, bool up);
    void ShowStates();
    void Finish(const SaveOutcome& outcome);
    const QPixmap& Picture(int number);

    PaperEditorRequest& request_;
    PublishFunction publish_;
    MessageBoxService messages_;
    std::unique_ptr<PaperEditorModel> model_;
    std::map<int, QPixmap> pictures_;
    std::map<QObject*, int> arrowOfEdit_;
    PreviewBitmaps painted_;
    bool bPlaced_ = false;
};

} // namespace qlx
