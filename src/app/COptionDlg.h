#pragma once

#include <QDialog>

namespace qlx {

// The unit switch: radio 1031 millimetres, 1032 inches. OK stores the choice into the
// caller's `bInch`; Cancel leaves it alone. The choice lasts for the run only.
class COptionDlg final : public QDialog {
    Q_OBJECT
public:
    explicit COptionDlg(int& bInch, QWidget* parent = nullptr);

    void accept() override;

private:
    int& bInch_;
};

} // namespace qlx
