#include "app/Application.h"

#include <QApplication>
#include <QDialog>
#include <QLocale>
#include <QWidget>
#include <cstdio>

#include "app/ApplicationCaption.h"
#include "app/CommandLine.h"
#include "app/MainDialogRunner.h"
#include "app/MessageBoxService.h"
#include "app/ResourceLibrary.h"
#include "app/StartupDecision.h"
#include "platform/Paths.h"
#include "platform/Spooler.h"

namespace qlx {

namespace {

void ReportLine(const std::string& line) {
    std::fputs((line + '\n').c_str(), stderr);
    std::fflush(stderr);
}

} // namespace

int Application::Run(const std::vector<std::string>& arguments) {
    const std::vector<std::string> args = ArgumentsFromArgv(arguments);
    StartupDecision decision;
    const std::unique_ptr<platform::Spooler> spooler = platform::CreateDefaultSpooler();
    const bool localeIsMetric = QLocale::system().measurementSystem() == QLocale::MetricSystem;
    if (!StartupDecision::Make(args, *spooler, localeIsMetric, decision)) {
        MessageBoxService().ShowWithCaption(MessageIcon::Error, "Error", "Bad Arguments.");
        return 1;
    }

    std::string folder;
    const bool haveFolder = platform::GetModuleDirectory(folder);
    if (!haveFolder || !ResourceLibrary::Open(QString::fromStdString(folder + "/qlx5srct.rcc"))) {
        MessageBoxService().ShowWithCaption(MessageIcon::Error, kDefaultApplicationCaption,
                                            "Resource file not found.");
        return 1;
    }

    lock_ = platform::InstanceLock::TryAcquire(decision.mutexName);
    if (!lock_) {
        platform::InstanceLock::AskHolderToRaise(decision.mutexName);
        return 0;
    }

    const ResourceLibrary& library = ResourceLibrary::Instance();
    QCoreApplication::setApplicationName(QString::fromStdString(ApplicationCaption(library)));
    QApplication::setWindowIcon(library.Icon(128));

    bool autoCloseSet = false;
    const int autoCloseMs = qEnvironmentVariableIntValue("QLX_AUTOCLOSE_MS", &autoCloseSet);
    reportToStderr_ = autoCloseSet && autoCloseMs >= 0;
    ListenForRaiseRequests();
    if (reportToStderr_) {
        StartAutoClose(autoCloseMs);
        ReportLine("started " + decision.modelCode + ' ' +
                   std::to_string(decision.profile.nResolutionDpi) + ' ' +
                   std::to_string(decision.bInch));
    }
    RunMainDialog(decision);
    return 0;
}

void Application::ListenForRaiseRequests() {
    lock_->SetRaiseHandler([this] { RaiseMainWindow(); });
    const int descriptor = lock_->RaiseChannelDescriptor();
    if (descriptor < 0) {
        return; // the name is still ours; only a second start cannot raise this window
    }
    raiseNotifier_ = std::make_unique<QSocketNotifier>(descriptor, QSocketNotifier::Read);
    QObject::connect(raiseNotifier_.get(), &QSocketNotifier::activated,
                     [this] { lock_->PollRaiseRequests(); });
}

// The running window is the one titled with string 100, as a second start looks for it;
// a nested dialog, when one is open, comes up with it.
void Application::RaiseMainWindow() {
    const QString title = ResourceLibrary::Instance().Text(100);
    QWidget* window = nullptr;
    for (QWidget* candidate : QApplication::topLevelWidgets()) {
        if (candidate->isVisible() && candidate->windowTitle() == title) {
            window = candidate;
            break;
        }
    }
    if (window == nullptr) {
        window = QApplication::activeModalWidget();
    }
    if (window != nullptr) {
        window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
        window->raise();
        window->activateWindow();
        if (QWidget* modal = QApplication::activeModalWidget(); modal && modal != window) {
            modal->raise();
            modal->activateWindow();
        }
    }
    if (reportToStderr_) {
        ReportLine("raised");
    }
}

// Test runs close whatever modal dialog is up every `milliseconds`, down to the main one,
// so the program ends by itself.
void Application::StartAutoClose(int milliseconds) {
    autoClose_.setInterval(milliseconds);
    QObject::connect(&autoClose_, &QTimer::timeout, [] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            dialog->reject();
        }
    });
    autoClose_.start();
}

} // namespace qlx
