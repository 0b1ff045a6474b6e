#pragma once

#include <QDialog>

namespace qlx {

// The about box: version and year from strings 102 and 103. When first shown it moves to
// the top-left corner of its parent's client area.
class CAboutDlg final : public QDialog {
    Q_OBJECT
public:
    static constexpr const char* kVersion = "1.00";
    static constexpr const char* kYear = "2022";

    explicit CAboutDlg(QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    bool placed_ = false;
};

} // namespace qlx
