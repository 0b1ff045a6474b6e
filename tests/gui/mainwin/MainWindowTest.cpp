#include "MainWindowFixture.h"

#include "app/CAboutDlg.h"
#include "app/CMediamgrDlg.h"
#include "app/COptionDlg.h"
#include "app/CPopupButton.h"
#include "app/ResourceLibrary.h"
#include "app/ToolWaitGuard.h"
#include "papers/MdtSource.h"
#include "papers/TextCodec.h"

#include "support/DemoDriverCopy.h"
#include "support/ListedNames.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <memory>

int RunPopupButtonTest(int argc, char** argv);

using namespace qlx;
using namespace qlx::testing;

namespace {

struct Window {
    std::unique_ptr<CMediamgrDlg> dialog;
    StandInEditor* editor = nullptr;
};

Window OpenWindow(DriverTree& tree, const MainWindowSetup& setup) {
    Window window;
    window.dialog = std::make_unique<CMediamgrDlg>(setup, tree.Publisher());
    auto editor = std::make_unique<StandInEditor>();
    window.editor = editor.get();
    window.dialog->SetPaperEditor(std::move(editor));
    return window;
}

int Row(const CMediamgrDlg& dialog) {
    return Control<QListWidget>(dialog, 1000)->currentRow();
}

void SelectRow(CMediamgrDlg& dialog, int row) {
    Control<QListWidget>(dialog, 1000)->setCurrentRow(row);
}

QString Value(const CMediamgrDlg& dialog, int control) {
    return Control<QLabel>(dialog, control)->text();
}

bool Enabled(const QWidget& dialog, int control) {
    return Control<QWidget>(dialog, control)->isEnabled();
}

void Click(const QWidget& dialog, int control) {
    QTest::mouseClick(Control<QAbstractButton>(dialog, control), Qt::LeftButton);
}

// Runs `act` on the modal dialog (or popup menu) that the next call opens.
void WhenModal(std::function<void(QWidget*)> act) {
    QTimer::singleShot(0, [act] {
        QWidget* popup = QApplication::activePopupWidget();
        act(popup != nullptr ? popup : QApplication::activeModalWidget());
    });
}

std::vector<PaperDef> Users(std::initializer_list<int> sizes) {
    std::vector<PaperDef> users;
    int n = 0;
    for (int size : sizes) {
        users.push_back(MakePaper("Mine " + std::to_string(n++), size));
    }
    return users;
}

const std::vector<PaperDef> kPresets = {MakePaper("Roll 62", 256, 1, kTypeContinuous),
                                        MakePaper("Label 62x29", 257, 1)};

// Counts what reaches it.
class EventCounter final : public QWidget {
public:
    int paints = 0;
    int keys = 0;

protected:
    void paintEvent(QPaintEvent*) override { ++paints; }
    void keyPressEvent(QKeyEvent*) override { ++keys; }
};

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(ResourceLibrary::Open(qEnvironmentVariable("QLX_BIN_DIR") + "/qlx5srct.rcc"));
    }

    void listShowsPresetsThenUserPapersWithTheirRules() {
        DriverTree tree;
        QVERIFY(tree.Write(kPresets, Users({513})));
        MessageRecorder messages;
        Window w = OpenWindow(tree, tree.Setup());
        QVERIFY(w.dialog->Initialise());
        w.dialog->show();
        CMediamgrDlg& d = *w.dialog;
        QCOMPARE(ListedNames(d), QStringList({"Roll 62", "Label 62x29", "Mine 0"}));
        QCOMPARE(Row(d), 0);
        // A continuous preset: no length, neither editable nor deletable.
        QCOMPARE(Value(d, 1007), QStringLiteral("56.0 mm"));
        QCOMPARE(Value(d, 1008), QStringLiteral("-- mm"));
        QCOMPARE(Value(d, 1090), QStringLiteral("3"));
        QVERIFY(!Enabled(d, 1002));
        QVERIFY(!Enabled(d, 1003));
        QVERIFY(Enabled(d, 1001));
        SelectRow(d, 1);
        QCOMPARE(Value(d, 1008), QStringLiteral("30.0 mm"));
        QVERIFY(!Enabled(d, 1002));
        SelectRow(d, 2);
        QVERIFY(Enabled(d, 1002));
        QVERIFY(Enabled(d, 1003));
        QVERIFY(messages.shown.empty());
        const QFontMetrics metrics(Control<QListWidget>(d, 1000)->font());
        QCOMPARE(d.ListExtent(), metrics.horizontalAdvance("Label 62x29") + 5);
        QVERIFY(!d.windowIcon().isNull()); // also the minimised window's picture
        QCOMPARE(d.windowTitle(), ResourceLibrary::Instance().Text(100));
        // Export and import wait for their handlers; so does send, which also needs a printer.
        QVERIFY(!Enabled(d, 1004));
        QVERIFY(!Enabled(d, 1005));
        QVERIFY(!Enabled(d, 1013));
        QVERIFY(!Control<QWidget>(d, 1004)->toolTip().isEmpty());
        d.SetCommandHandler(CMediamgrDlg::kControlSend, [] {});
        QVERIFY(Enabled(d, 1013));
    }

    void sendStaysOffWithoutAPrinter() {
        DriverTree tree;
        QVERIFY(tree.Write(kPresets, {}));
        MainWindowSetup setup = tree.Setup();
        setup.printerName.clear();
        Window w = OpenWindow(tree, setup);
        QVERIFY(w.dialog->Initialise());
        w.dialog->SetCommandHandler(CMediamgrDlg::kControlSend, [] {});
        QVERIFY(!Enabled(*w.dialog, 1013));
    }

    void localeSeparatorAndTheInchSwitch() {
        DriverTree tree;
        QVERIFY(tree.Write(kPresets, Users({513})));
        MainWindowSetup setup = tree.Setup();
        setup.decimalSeparator = ',';
        Window w = OpenWindow(tree, setup);
        QVERIFY(w.dialog->Initialise());
        w.dialog->show();
        CMediamgrDlg& d = *w.dialog;
        SelectRow(d, 2);
        QCOMPARE(Value(d, 1007), QStringLiteral("56,0 mm"));
        QCOMPARE(Value(d, 1008), QStringLiteral("30,0 mm"));

        bool sawMillimetres = false;
        WhenModal([&](QWidget* dialog) {
            sawMillimetres = Control<QRadioButton>(*dialog, 1031)->isChecked();
            Control<QRadioButton>(*dialog, 1032)->click();
            Click(*dialog, 1);
        });
        Click(d, 1006);
        QVERIFY(sawMillimetres);
        QCOMPARE(ListedNames(d), QStringList({"Roll 62 (in)", "Label 62x29 (in)", "Mine 0 (in)"}));
        QCOMPARE(Row(d), 2);
        QCOMPARE(Value(d, 1007), QStringLiteral("2,20 \""));
        QCOMPARE(Value(d, 1008), QStringLiteral("1,18 \""));
        SelectRow(d, 0);
        QCOMPARE(Value(d, 1008), QStringLiteral("-- \""));

        // Opened again it shows inches; Cancel changes nothing.
        bool sawInches = false;
        WhenModal([&](QWidget* dialog) {
            sawInches = Control<QRadioButton>(*dialog, 1032)->isChecked();
            Control<QRadioButton>(*dialog, 1031)->click();
            Click(*dialog, 2);
        });
        Click(d, 1006);
        QVERIFY(sawInches);
        QCOMPARE(d.Model().Inch(), 1);
    }

    void newTakesTheLowestFreeNumber() {
        DriverTree tree;
        QVERIFY(tree.Write(kPresets, Users({513, 514, 516})));
        MessageRecorder messages;
        Window w = OpenWindow(tree, tree.Setup());
        QVERIFY(w.dialog->Initialise());
        CMediamgrDlg& d = *w.dialog;
        int size = 0;
        w.editor->change = [&](PaperEditorRequest& r) {
            size = r.work.nPaperSize;
            QCOMPARE(r.bOkAtStart, 1);
        };
        w.editor->result = kEditorResultAdd;
        Click(d, 1001);
        QCOMPARE(w.editor->lastMode, PaperEditorMode::New);
        QCOMPARE(size, 515);
        QCOMPARE(ListedNames(d).size(), 6);
        QCOMPARE(ListedNames(d).last(), ResourceLibrary::Instance().Text(501));
        QCOMPARE(Row(d), 5);
        QVERIFY(Enabled(d, 1002)); // the new paper is the user's own

        // A cancelled New keeps the selection and stores nothing.
        SelectRow(d, 3);
        w.editor->result = 0;
        Click(d, 1001);
        QCOMPARE(ListedNames(d).size(), 6);
        QCOMPARE(Row(d), 3);
        QCOMPARE(ListedNames(d)[3], QStringLiteral("Mine 1"));

        // Edit replaces the selected paper in place.
        w.editor->change = [](PaperEditorRequest& r) {
            QCOMPARE(r.bOkAtStart, 0);
            TextCodec::Store(u"Edited", r.work.szPaperName_mm);
        };
        w.editor->result = kEditorResultReplace;
        Click(d, 1002);
        QCOMPARE(w.editor->lastMode, PaperEditorMode::Edit);
        QCOMPARE(ListedNames(d)[3], QStringLiteral("Edited"));
        QCOMPARE(Row(d), 3);
        QCOMPARE(ListedNames(d).size(), 6);
    }

    void theHundredthPaperFillsTheListAndDeleteClearsIt() {
        DriverTree tree;
        std::vector<PaperDef> users;
        for (int i = 0; i < 97; ++i) {
            users.push_back(MakePaper("Mine " + std::to_string(i), 513 + i));
        }
        QVERIFY(tree.Write(kPresets, users));
        MessageRecorder messages;
        Window w = OpenWindow(tree, tree.Setup());
        QVERIFY(w.dialog->Initialise());
        CMediamgrDlg& d = *w.dialog;
        QCOMPARE(ListedNames(d).size(), 99);
        QVERIFY(Enabled(d, 1001));
        w.editor->result = kEditorResultAdd;
        Click(d, 1001);
        QCOMPARE(ListedNames(d).size(), 100);
        QVERIFY(!Enabled(d, 1001));
        messages.answers = {true};
        Click(d, 1003);
        QCOMPARE(ListedNames(d).size(), 99);
        QVERIFY(Enabled(d, 1001));
    }

    void deleteKeepsOrderAndMovesTheSelection_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("expectedRow");
        QTest::addColumn<QStringList>("expectedNames");
        QTest::newRow("last") << 4 << 3
                              << QStringList{"Roll 62", "Label 62x29", "Mine 0", "Mine 1"};
        QTest::newRow("earlier") << 2 << 2
                                 << QStringList{"Roll 62", "Label 62x29", "Mine 1", "Mine 2"};
    }

    void deleteKeepsOrderAndMovesTheSelection() {
        QFETCH(int, row);
        QFETCH(int, expectedRow);
        QFETCH(QStringList, expectedNames);
        DriverTree tree;
        QVERIFY(tree.Write(kPresets, Users({513, 514, 515})));
        MessageRecorder messages;
        Window w = OpenWindow(tree, tree.Setup());
        QVERIFY(w.dialog->Initialise());
        CMediamgrDlg& d = *w.dialog;
        SelectRow(d, row);
        const QString name = ListedNames(d)[row];
        messages.answers = {true};
        Click(d, 1003);
        QCOMPARE(messages.shown.size(), size_t(1));
        QCOMPARE(messages.shown[0].icon, MessageIcon::Question);
        QVERIFY(messages.shown[0].text.contains("\"" + name + "\""));
        QCOMPARE(ListedNames(d), expectedNames);
        QCOMPARE(Row(d), expectedRow);
        QCOMPARE(tree.publications, 1);
        // The installed user source holds exactly the user papers left.
        const SourceFile installed = LoadSourceFile(tree.Path("driver/3/qlx530eed.txt"), false);
        QCOMPARE(int(installed.papers.size()), 2);
        QCOMPARE(QString::fromStdString(*TextCodec::ToUtf8(installed.papers[0].szPaperName_mm)),
                 expectedNames[2]);
    }

    void deleteAnsweredNoOrWhoseCopyFailsChangesNothing() {
        DriverTree tree;
        QVERIFY(tree.Write(kPresets, Users({513, 514})));
        MessageRecorder messages;
        Window w = OpenWindow(tree, tree.Setup());
        QVERIFY(w.dialog->Initialise());
        CMediamgrDlg& d = *w.dialog;
        const QStringList before = ListedNames(d);
        SelectRow(d, 2);
        messages.answers = {false};
        Click(d, 1003);
        QCOMPARE(tree.publications, 0);
        QCOMPARE(ListedNames(d), before);

        tree.failCopies = true;
        messages.answers = {true};
        Click(d, 1003);
        QCOMPARE(tree.publications, 1);
        QCOMPARE(messages.shown.size(), size_t(3));
        QCOMPARE(messages.shown[2].icon, MessageIcon::Error);
        QCOMPARE(messages.shown[2].text, ResourceLibrary::Instance().Text(1102));
        QCOMPARE(ListedNames(d), before);
        QCOMPARE(Row(d), 2);
        QCOMPARE(d.Model().Papers().count, 4);
        QCOMPARE(Value(d, 1007), QStringLiteral("56.0 mm"));
        QVERIFY(Enabled(d, 1003));
    }

    void okReportsOnlyAddedOrReplacedPapers() {
        DriverTree tree;
        QVERIFY(tree.Write(kPresets, Users({513, 514})));
        {
            MessageRecorder messages;
            Window w = OpenWindow(tree, tree.Setup());
            QVERIFY(w.dialog->Initialise());
            SelectRow(*w.dialog, 3);
            messages.answers = {true};
            Click(*w.dialog, 1003);
            Click(*w.dialog, 1);
            QCOMPARE(w.dialog->result(), int(QDialog::Accepted));
            QCOMPARE(messages.shown.size(), size_t(1)); // the question only
        }
        {
            MessageRecorder messages;
            Window w = OpenWindow(tree, tree.Setup());
            QVERIFY(w.dialog->Initialise());
            w.editor->result = kEditorResultAdd;
            Click(*w.dialog, 1001);
            Click(*w.dialog, 1);
            QCOMPARE(messages.shown.size(), size_t(1));
            QCOMPARE(messages.shown[0].icon, MessageIcon::Information);
            QCOMPARE(messages.shown[0].text, ResourceLibrary::Instance().Text(1006));
        }
    }

    void missingToolOrSourceEndsTheWindow_data() {
        QTest::addColumn<QString>("missing");
        QTest::newRow("compiler") << "bin/qlx5sRpc";
        QTest::newRow("converter") << "bin/qlx5sRcv";
        QTest::newRow("presets") << "driver/3/qlx530ead.txt";
        QTest::newRow("user papers") << "driver/3/qlx530eed.txt";
    }

    void missingToolOrSourceEndsTheWindow() {
        QFETCH(QString, missing);
        DriverTree tree;
        QVERIFY(tree.Write(kPresets, Users({513})));
        QVERIFY(QFile::remove(QString::fromStdString(tree.Path(missing.toStdString()))));
        MessageRecorder messages;
        Window w = OpenWindow(tree, tree.Setup());
        QCOMPARE(w.dialog->Run(), MediamgrModel::kEndedResult);
        QCOMPARE(w.dialog->result(), MediamgrModel::kEndedResult);
        QCOMPARE(messages.shown.size(), size_t(1));
        QCOMPARE(messages.shown[0].icon, MessageIcon::Error);
        QCOMPARE(messages.shown[0].text, ResourceLibrary::Instance().Text(1101));
    }

    void inputMadeWhileToolsRunIsDropped() {
        DriverTree tree;
        QVERIFY(tree.Write(kPresets, Users({513, 514})));
        MessageRecorder messages;
        Window w = OpenWindow(tree, tree.Setup());
        QVERIFY(w.dialog->Initialise());
        w.dialog->show();
        CMediamgrDlg& d = *w.dialog;
        bool waited = false;
        tree.duringWait = [&](const PublishEnvironment& environment) {
            QVERIFY(environment.whileWaiting);
            Click(d, 1001); // New while the tools run
            QTest::keyClick(&d, Qt::Key_Escape);
            environment.whileWaiting();
            waited = true;
        };
        SelectRow(d, 3);
        messages.answers = {true};
        Click(d, 1003);
        QVERIFY(waited);
        QCoreApplication::processEvents();
        QCOMPARE(w.editor->runs, 0);
        QVERIFY(d.isVisible());
        // Afterwards the window listens again.
        Click(d, 1001);
        QCOMPARE(w.editor->runs, 1);
    }

    void toolWaitKeepsPaintingAndDropsInput() {
        EventCounter widget;
        widget.resize(50, 50);
        widget.show();
        QVERIFY(QTest::qWaitForWindowExposed(&widget));
        {
            ToolWaitGuard guard;
            const int before = widget.paints;
            widget.update();
            ToolWaitGuard::Pump();
            QVERIFY(widget.paints > before);
            QTest::keyClick(&widget, Qt::Key_A);
            QCOMPARE(widget.keys, 0);
        }
        QTest::keyClick(&widget, Qt::Key_A);
        QCOMPARE(widget.keys, 1);
    }

    void splitButtonMenuOffersTheOtherCommands() {
        DriverTree tree;
        QVERIFY(tree.Write(kPresets, Users({513})));
        Window w = OpenWindow(tree, tree.Setup());
        QVERIFY(w.dialog->Initialise());
        w.dialog->show();
        CMediamgrDlg& d = *w.dialog;
        auto* popup = Control<CPopupButton>(d, 1014);
        QVERIFY(popup != nullptr);
        QCOMPARE(popup->text(), QStringLiteral("Option"));

        struct Item {
            QString text;
            bool enabled;
        };
        std::vector<Item> items;
        auto readAndChoose = [&](const QString& choice) {
            WhenModal([&items, choice](QWidget* widget) {
                auto* menu = qobject_cast<QMenu*>(widget);
                QVERIFY(menu != nullptr);
                items.clear();
                QAction* chosen = nullptr;
                for (QAction* action : menu->actions()) {
                    items.push_back({action->text(), action->isEnabled()});
                    if (action->text() == choice) {
                        chosen = action;
                    }
                }
                if (chosen != nullptr && chosen->isEnabled()) {
                    menu->setActiveAction(chosen);
                    QTest::keyClick(menu, Qt::Key_Return);
                } else {
                    menu->close();
                }
            });
        };
        const QPoint dropZone(popup->width() - 10, popup->height() / 2);
        readAndChoose(QString());
        QTest::mouseClick(popup, Qt::LeftButton, {}, dropZone);
        QCOMPARE(int(items.size()), 2);
        QCOMPARE(items[0].text, QStringLiteral("SendPaper"));
        QCOMPARE(items[1].text, QStringLiteral("FileOut"));
        QVERIFY(!items[0].enabled); // no handlers yet
        QVERIFY(!items[1].enabled);

        int sends = 0;
        int saves = 0;
        d.SetCommandHandler(CMediamgrDlg::kControlSend, [&] { ++sends; });
        d.SetCommandHandler(CMediamgrDlg::kCommandFileOut, [&] { ++saves; });
        readAndChoose(QStringLiteral("SendPaper"));
        QTest::mouseClick(popup, Qt::LeftButton, {}, dropZone);
        QVERIFY(items[0].enabled);
        QCOMPARE(sends, 0); // posted, not sent
        QCoreApplication::processEvents();
        QCOMPARE(sends, 1);
        readAndChoose(QStringLiteral("FileOut"));
        QTest::mouseClick(popup, Qt::LeftButton, {}, dropZone);
        QCoreApplication::processEvents();
        QCOMPARE(saves, 1);
        Click(d, 1013);
        QCOMPARE(sends, 2);
    }

    void aboutBoxShowsVersionAndYearAtTheClientCorner() {
        DriverTree tree;
        QVERIFY(tree.Write(kPresets, {}));
        Window w = OpenWindow(tree, tree.Setup());
        QVERIFY(w.dialog->Initialise());
        w.dialog->move(140, 90);
        w.dialog->show();
        CMediamgrDlg& d = *w.dialog;
        const ResourceLibrary& resources = ResourceLibrary::Instance();
        // Reachable from the window's context menu, F1 and the button at its foot.
        QVERIFY(!d.actions().isEmpty());
        QCOMPARE(d.actions().first()->text(), resources.Text(101));
        QCOMPARE(d.actions().first()->shortcut(), QKeySequence(Qt::Key_F1));
        for (int opening = 0; opening < 2; ++opening) {
            QString version;
            QString year;
            QPoint at;
            WhenModal([&](QWidget* box) {
                version = Control<QLabel>(*box, 1048)->text();
                year = Control<QLabel>(*box, 1047)->text();
                at = box->pos();
                Click(*box, 1);
            });
            if (opening == 0) {
                Click(d, 16);
            } else {
                d.actions().first()->trigger();
            }
            QCOMPARE(version, resources.Text(102).replace("%s", "1.00"));
            QCOMPARE(year, resources.Text(103).replace("%s", "2022"));
            QCOMPARE(at, d.mapToGlobal(QPoint(0, 0)));
        }
    }

    // The demo driver folder, copied, with the real driver update and its tools.
    void demoDriverFolderWithTheRealTools() {
        QTemporaryDir dir;
        const QString folder = testing::CopyDemoDriverFolder(dir.path());
        QVERIFY(!folder.isEmpty());
        const std::string userPath = (folder + "qlx530eed.txt").toStdString();
        const SourceFile shipped = LoadSourceFile(userPath, false);
        QVERIFY(shipped.headerOk);
        QVERIFY(WriteSourceFile(userPath, shipped.header,
                                {MakePaper("Mine A", 513), MakePaper("Mine B", 514)}));

        MainWindowSetup setup;
        setup.modelCode = "qlx530e";
        setup.printerName = "Demo LT-5300E";
        setup.programFolder = qEnvironmentVariable("QLX_BIN_DIR").toStdString();
        setup.driverFolder = (dir.path() + "/driver/3").toStdString();
        setup.tempFolder = (dir.path() + "/tmp/").toStdString();
        MessageRecorder messages;
        CMediamgrDlg d(setup);
        QVERIFY(d.Initialise());
        const QStringList names = ListedNames(d);
        const int presets =
            int(LoadSourceFile((folder + "qlx530ead.txt").toStdString(), true).papers.size());
        QVERIFY(presets > 0);
        QCOMPARE(names.size(), presets + 2);
        QCOMPARE(names.mid(presets), QStringList({"Mine A", "Mine B"}));
        QVERIFY(!Enabled(d, 1002));
        QVERIFY(!Enabled(d, 1003));

        const QString table = folder + "qlx530eed.mdt";
        QFile::remove(table);
        SelectRow(d, presets);
        messages.answers = {true};
        Click(d, 1003);
        QCOMPARE(messages.shown.size(), size_t(1)); // the question, no failure
        QCOMPARE(ListedNames(d).mid(presets), QStringList({"Mine B"}));
        QCOMPARE(Row(d), presets);
        QVERIFY(QFile::exists(table)); // compiled and installed again
        const SourceFile installed = LoadSourceFile(userPath, false);
        QCOMPARE(int(installed.papers.size()), 1);
        QCOMPARE(installed.papers[0].nPaperSize, int16_t(514));

        // A table that cannot be replaced (a folder stands in its place): the paper stays.
        QVERIFY(QFile::remove(table));
        QVERIFY(QDir().mkdir(table));
        messages.answers = {true};
        Click(d, 1003);
        QCOMPARE(messages.shown.size(), size_t(3));
        QCOMPARE(messages.shown[2].text, ResourceLibrary::Instance().Text(1102));
        QCOMPARE(ListedNames(d).mid(presets), QStringList({"Mine B"}));
        QCOMPARE(Row(d), presets);
    }

    // Pictures of the three dialogs for a reviewer: <build>/screenshots/*.png.
    void writeScreenshots() {
        DriverTree tree;
        std::vector<PaperDef> users = Users({513});
        users.push_back(MakePaper("Shipping label 102x152", 514));
        QVERIFY(tree.Write(kPresets, users));
        Window w = OpenWindow(tree, tree.Setup());
        QVERIFY(w.dialog->Initialise());
        w.dialog->SetCommandHandler(CMediamgrDlg::kControlSend, [] {});
        w.dialog->show();
        SelectRow(*w.dialog, 3);
        QVERIFY(QDir().mkpath(QLX_SCREENSHOT_DIR));
        const QString folder = QStringLiteral(QLX_SCREENSHOT_DIR) + "/";
        QVERIFY(w.dialog->grab().save(folder + "main.png"));
        int inch = 0;
        COptionDlg option(inch, w.dialog.get());
        option.show();
        QVERIFY(option.grab().save(folder + "option.png"));
        CAboutDlg about(w.dialog.get());
        about.show();
        QVERIFY(about.grab().save(folder + "about.png"));
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (!ResourceLibrary::Open(qEnvironmentVariable("QLX_BIN_DIR") + "/qlx5srct.rcc")) {
        return 1;
    }
    MainWindowTest windowTest;
    const int failures = QTest::qExec(&windowTest, argc, argv);
    return failures + RunPopupButtonTest(argc, argv);
}

#include "MainWindowTest.moc"
