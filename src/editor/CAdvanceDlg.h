#pragma once

#include "app/MessageBoxService.h"
#include "editor/AdvanceModel.h"
#include "papers/PaperDef.h"

#include <QDialog>
#include <QPixmap>

#include <cstdint>
#include <map>

class QLineEdit;

namespace qlx {

// The advanced settings (template 134): the virtual offsets, the feed after printing, the
// energy rank and the per-kind adjustments of the paper editor's working record. Its rules
// are AdvanceModel's; OK writes the record when every value is in range, Cancel leaves it.
class CAdvanceDlg final : public QDialog {
    Q_OBJECT
public:
    // `paper` carries the editor's kind in nType.
    CAdvanceDlg(PaperDef& paper, bool bInch, char decimalSeparator, int32_t nResolutionDpi,
                QWidget* parent = nullptr);

    const AdvanceModel& Model() const { return model_; }

    void accept() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // The Up and Down keys in a value box press its arrows.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OnTextEdited(int id, QLineEdit& edit);
    void OnStep(int spin, bool up);
    void ShowStates();

    AdvanceModel model_;
    MessageBoxService messages_;
    QPixmap picture_;
    std::map<QObject*, int> spinOfEdit_;
    bool bPlaced_ = false;
};

} // namespace qlx
