#include "app/MainDialogRunner.h"

#include "app/CMediamgrDlg.h"
#include "app/MediamgrModel.h"
#include "platform/Paths.h"
#include "platform/Spooler.h"

#include <QLocale>

namespace qlx {

namespace {

// The user's decimal separator as one narrow character; a separator outside ASCII cannot be
// typed into the narrow number fields, so '.' stands in for it.
char LocaleDecimalSeparator() {
    const QString point = QLocale::system().decimalPoint();
    if (point.size() == 1 && point.at(0).unicode() > 0x20 && point.at(0).unicode() < 0x7F) {
        return static_cast<char>(point.at(0).unicode());
    }
    return '.';
}

} // namespace

int RunMainDialog(const StartupDecision& decision) {
    MainWindowSetup setup;
    setup.modelCode = decision.modelCode;
    setup.printerName = decision.printerName;
    setup.profile = decision.profile;
    setup.bInch = decision.bInch;
    setup.decimalSeparator = LocaleDecimalSeparator();
    platform::GetModuleDirectory(setup.programFolder);
    const auto spooler = platform::CreateDefaultSpooler();
    setup.driverFolder = MediamgrModel::DriverFolderFor(spooler->DriverDirectory());
    setup.tempFolder = platform::PrivateTempFolder();

    CMediamgrDlg dialog(setup);
    return dialog.Run();
}

} // namespace qlx
