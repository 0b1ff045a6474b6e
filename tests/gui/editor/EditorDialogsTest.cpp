#include "EditorFixture.h"

#include "app/CMediamgrDlg.h"
#include "app/ModelProfile.h"
#include "app/ResourceLibrary.h"
#include "editor/CAdvanceDlg.h"
#include "editor/CNewLabelDlg.h"
#include "editor/EditorControls.h"
#include "papers/ReservedNumbers.h"
#include "papers/MdtSource.h"
#include "update/PublishDefinitions.h"

#include "support/DemoDriverCopy.h"
#include "support/ListedNames.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <functional>

using namespace qlx;
using namespace qlx::testing;

namespace pc = qlx::paper_controls;
namespace ac = qlx::advance_controls;

namespace {

QLineEdit* Edit(const QWidget& dialog, int control) {
    return Control<QLineEdit>(dialog, control);
}

QString Text(const QWidget& dialog, int control) {
    if (auto* edit = Control<QLineEdit>(dialog, control)) {
        return edit->text();
    }
    return Control<QLabel>(dialog, control)->text();
}

bool Enabled(const QWidget& dialog, int control) {
    return Control<QWidget>(dialog, control)->isEnabled();
}

// Shown as the rules say; the dialog itself is up, so this is the widget's own flag.
bool Shown(const QWidget& dialog, int control) {
    return Control<QWidget>(dialog, control)->isVisible();
}

// Replaces the whole text of an edit box by typing, as a user who selects it all, deletes
// it and types would.
void Retype(const QWidget& dialog, int control, const QString& keys) {
    QLineEdit* edit = Edit(dialog, control);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, keys);
}

QToolButton* Arrow(const QWidget& dialog, int control, bool up) {
    return Control<QWidget>(dialog, control)
        ->findChild<QToolButton*>(up ? QStringLiteral("up") : QStringLiteral("down"));
}

void Click(const QWidget& dialog, int control) {
    QTest::mouseClick(Control<QAbstractButton>(dialog, control), Qt::LeftButton);
}

void ChooseKind(const QWidget& dialog, int entry) {
    Control<QComboBox>(dialog, pc::kKind)->setCurrentIndex(entry);
}

// Runs `act` on the modal dialog that the next call opens.
void WhenModal(std::function<void(QWidget*)> act) {
    QTimer::singleShot(0, [act] { act(QApplication::activeModalWidget()); });
}

QString ScreenshotPath(const QString& name) {
    QDir().mkpath(QStringLiteral(QLX_SCREENSHOT_DIR));
    return QStringLiteral(QLX_SCREENSHOT_DIR "/") + name;
}

// The pixels of the dialog under an anchor control, as painted.
QImage UnderAnchor(QWidget& dialog, int anchor) {
    const QWidget* at = Control<QWidget>(dialog, anchor);
    return dialog.grab().toImage().copy(QRect(at->mapTo(&dialog, QPoint(0, 0)), at->size()));
}

bool HasColour(const QImage& image, QColor colour) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) == colour) {
                return true;
            }
        }
    }
    return false;
}

} // namespace

class EditorDialogsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Keys typed into the real boxes: what stays and what is undone, per unit and locale.
    void typingIntoTheBoxes_data() {
        QTest::addColumn<int>("control");
        QTest::addColumn<int>("echo"); // 0: none
        QTest::addColumn<bool>("inch");
        QTest::addColumn<char>("separator");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("shown");
        QTest::newRow("mm takes one decimal")
            << pc::kWidth << pc::kWidthEcho << false << '.' << "12.34"
            << "12.3";
        QTest::newRow("inch takes two") << pc::kWidth << pc::kWidthEcho << true << '.' << "1.234"
                                        << "1.23";
        QTest::newRow("seventh character")
            << pc::kLength << pc::kLengthEcho << false << '.' << "00001.5"
            << "00001.";
        QTest::newRow("above 9999.9")
            << pc::kMarkWidth << pc::kMarkWidthEcho << false << '.' << "10000"
            << "1000";
        QTest::newRow("second separator")
            << pc::kLeftMargin << pc::kLeftEcho << false << '.' << "1..2"
            << "1.2";
        QTest::newRow("point under a comma locale")
            << pc::kRightMargin << pc::kRightEcho << false << ',' << "1.2"
            << "12";
        QTest::newRow("comma locale") << pc::kRightMargin << pc::kRightEcho << false << ',' << "1,2"
                                      << "1,2";
        QTest::newRow("letters and signs")
            << pc::kTopMargin << pc::kTopEcho << false << '.' << "a-3+"
            << "3";
        QTest::newRow("mark offset leading minus")
            << pc::kMarkOffset << pc::kMarkOffsetEcho << false << '.' << "-5"
            << "-5";
        QTest::newRow("mark offset minus after a digit")
            << pc::kMarkOffset << pc::kMarkOffsetEcho << false << '.' << "5-"
            << "5";
        QTest::newRow("name up to 31")
            << pc::kName << 0 << false << '.' << QString(33, QLatin1Char('n')) << QString(31, 'n');
    }
    void typingIntoTheBoxes() {
        QFETCH(int, control);
        QFETCH(int, echo);
        QFETCH(bool, inch);
        QFETCH(char, separator);
        QFETCH(QString, keys);
        QFETCH(QString, shown);
        EditorBench bench;
        bench.request->bInch = inch ? 1 : 0;
        bench.request->decimalSeparator = separator;
        // Black mark, so that the mark boxes are open.
        bench.list->work.reserved_12_ = "0,0,0,0,0,0,2,0,0,0,0,0";
        CNewLabelDlg d(*bench.request);
        d.show();
        Retype(d, control, keys);
        QCOMPARE(Edit(d, control)->text(), shown);
        if (echo != 0) {
            QCOMPARE(Text(d, echo), shown + (inch ? " \"" : " mm"));
        }
    }

    // The caret goes back where the rules put it after a refused key.
    void refusedKeyLeavesTheCaretBeforeIt() {
        EditorBench bench;
        CNewLabelDlg d(*bench.request);
        d.show();
        QLineEdit* width = Edit(d, pc::kWidth);
        QCOMPARE(width->text(), QString("56.0"));
        width->setFocus();
        width->setCursorPosition(2);
        QTest::keyClicks(width, "x");
        QCOMPARE(width->text(), QString("56.0"));
        QCOMPARE(width->cursorPosition(), 2); // not at the end, where setText leaves it
        width->setSelection(1, 2);
        QTest::keyClicks(width, "-");
        QCOMPARE(width->text(), QString("56.0"));
        QCOMPARE(width->cursorPosition(), 1);
    }

    // Opening values and texts of an edited paper, in millimetres and inches.
    void openingShowsThePaperInTheUsersUnit() {
        EditorBench bench;
        CNewLabelDlg d(*bench.request);
        d.show();
        QCOMPARE(d.windowTitle(), ResourceLibrary::Instance().Text(202));
        QVERIFY(Shown(d, pc::kOverwrite));
        QCOMPARE(Text(d, pc::kName), QString("Stored 1"));
        QCOMPARE(Text(d, pc::kWidth), QString("56.0"));
        QCOMPARE(Text(d, pc::kLength), QString("30.0"));
        QCOMPARE(Text(d, pc::kGap), QString("2.0"));
        QCOMPARE(Text(d, pc::kLeftMargin), QString("3.0"));
        QCOMPARE(Text(d, pc::kWidthEcho), QString("56.0 mm"));
        QCOMPARE(Text(d, pc::kWidthRange), QString("[ 11.9 - 63.0 ]"));
        QCOMPARE(Text(d, pc::kMarginUnit3), QString("mm"));
        QCOMPARE(Control<QComboBox>(d, pc::kKind)->currentIndex(), 1);

        EditorBench inches(2, PaperEditorMode::New);
        inches.request->bInch = 1;
        inches.request->decimalSeparator = ',';
        CNewLabelDlg n(*inches.request);
        n.show();
        QCOMPARE(n.windowTitle(), ResourceLibrary::Instance().Text(201));
        QVERIFY(!Shown(n, pc::kOverwrite));
        QCOMPARE(Text(n, pc::kWidth), QString("2,20"));
        QCOMPARE(Text(n, pc::kWidthEcho), QString("2,20 \""));
        QCOMPARE(Text(n, pc::kWidthUnit), QString("\""));
        QCOMPARE(Text(n, pc::kLengthRange), QString("[ 0,24 - 39,37 ]"));
    }

    // The kind list opens and closes boxes, hides echoes and ties the bottom to the top.
    void kindSwitch() {
        EditorBench bench;
        CNewLabelDlg d(*bench.request);
        d.show();
        Retype(d, pc::kTopMargin, "4.5");
        Retype(d, pc::kBottomMargin, "2.0");

        ChooseKind(d, 0);
        for (int control : {pc::kLength, pc::kGap, pc::kMarkWidth, pc::kMarkOffset,
                            pc::kBottomMargin, pc::kLengthSpin, pc::kBottomSpin}) {
            QVERIFY2(!Enabled(d, control), qPrintable(QString::number(control)));
        }
        for (int control :
             {pc::kLengthEcho, pc::kGapEcho, pc::kMarkWidthEcho, pc::kMarkOffsetEcho}) {
            QVERIFY2(!Shown(d, control), qPrintable(QString::number(control)));
        }
        QCOMPARE(Text(d, pc::kBottomMargin), QString("4.5"));
        QCOMPARE(Text(d, pc::kBottomEcho), QString("4.5 mm"));
        // Continuous tape: typing or stepping the top moves the bottom with it.
        Retype(d, pc::kTopMargin, "7");
        QCOMPARE(Text(d, pc::kBottomMargin), QString("7"));
        QTest::mouseClick(Arrow(d, pc::kTopSpin, true), Qt::LeftButton);
        QCOMPARE(Text(d, pc::kBottomMargin), QString("7.1"));

        ChooseKind(d, 2);
        QVERIFY(Enabled(d, pc::kLength));
        QVERIFY(!Enabled(d, pc::kGap));
        QVERIFY(Enabled(d, pc::kMarkWidth) && Enabled(d, pc::kMarkOffset));
        QVERIFY(Enabled(d, pc::kBottomMargin));
        QVERIFY(Shown(d, pc::kMarkOffsetEcho) && !Shown(d, pc::kGapEcho));
        QCOMPARE(Text(d, pc::kLengthRange), QString("[ 12.7 - 1000.0 ]"));

        ChooseKind(d, 1);
        QVERIFY(Enabled(d, pc::kGap) && Shown(d, pc::kGapEcho));
        QVERIFY(!Enabled(d, pc::kMarkOffset) && !Shown(d, pc::kMarkOffsetEcho));
        QCOMPARE(Text(d, pc::kLengthRange), QString("[ 6.0 - 1000.0 ]"));
    }

    // Arrows step on the press and again while held, stop at their limit, and never step
    // on the release.
    void spinArrows() {
        EditorBench bench;
        CNewLabelDlg d(*bench.request);
        d.show();
        QTest::mouseClick(Arrow(d, pc::kWidthSpin, true), Qt::LeftButton);
        QCOMPARE(Text(d, pc::kWidth), QString("56.1"));
        QCOMPARE(Text(d, pc::kWidthEcho), QString("56.1 mm"));
        QTest::mouseClick(Arrow(d, pc::kWidthSpin, false), Qt::LeftButton);
        QTest::mouseClick(Arrow(d, pc::kWidthSpin, false), Qt::LeftButton);
        QCOMPARE(Text(d, pc::kWidth), QString("55.9"));
        // The Up and Down keys in the box press its arrows.
        QTest::keyClick(Edit(d, pc::kWidth), Qt::Key_Up);
        QTest::keyClick(Edit(d, pc::kWidth), Qt::Key_Up);
        QTest::keyClick(Edit(d, pc::kWidth), Qt::Key_Down);
        QCOMPARE(Text(d, pc::kWidth), QString("56.0"));

        Retype(d, pc::kWidth, "62.9");
        QToolButton* up = Arrow(d, pc::kWidthSpin, true);
        QTest::mousePress(up, Qt::LeftButton);
        QCOMPARE(Text(d, pc::kWidth), QString("63.0")); // at once, on the press
        QTest::mouseRelease(up, Qt::LeftButton);
        QTest::mouseClick(up, Qt::LeftButton);
        QCOMPARE(Text(d, pc::kWidth), QString("63.0")); // the limit holds

        Retype(d, pc::kLength, "10.0");
        QToolButton* lengthUp = Arrow(d, pc::kLengthSpin, true);
        QTest::mousePress(lengthUp, Qt::LeftButton);
        QTRY_VERIFY(Text(d, pc::kLength).toDouble() >= 10.3); // repeats while held
        QTest::mouseRelease(lengthUp, Qt::LeftButton);
        const QString released = Text(d, pc::kLength);
        QTest::qWait(lengthUp->autoRepeatInterval() * 3);
        QCOMPARE(Text(d, pc::kLength), released);

        Retype(d, pc::kLength, "6.1");
        QTest::mouseClick(Arrow(d, pc::kLengthSpin, false), Qt::LeftButton);
        QTest::mouseClick(Arrow(d, pc::kLengthSpin, false), Qt::LeftButton);
        QCOMPARE(Text(d, pc::kLength), QString("6.0"));
    }

    // The pictures follow the kind and the sign of the mark offset; their key colour is
    // left unpainted. A picture of each state goes to the screenshots.
    void previewPictures_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("markOffset");
        QTest::addColumn<int>("picture1009");
        QTest::addColumn<int>("picture1033");
        QTest::addColumn<QString>("screenshot");
        QTest::newRow("continuous") << 0 << "0.0" << 132 << 147 << "preview_continuous.png";
        QTest::newRow("die-cut") << 1 << "0.0" << 131 << 147 << "preview_diecut.png";
        QTest::newRow("black mark, mark before the edge")
            << 2 << "-1.5" << 144 << 148 << "preview_blackmark_before.png";
        QTest::newRow("black mark, mark after the edge")
            << 2 << "1.5" << 144 << 143 << "preview_blackmark_after.png";
        QTest::newRow("black mark, empty offset") << 2 << "" << 144 << 143 << "";
    }
    void previewPictures() {
        QFETCH(int, kind);
        QFETCH(QString, markOffset);
        QFETCH(int, picture1009);
        QFETCH(int, picture1033);
        QFETCH(QString, screenshot);
        EditorBench bench;
        CNewLabelDlg d(*bench.request);
        d.show();
        ChooseKind(d, 2);
        Retype(d, pc::kMarkOffset, markOffset.isEmpty() ? QStringLiteral("1") : markOffset);
        if (markOffset.isEmpty()) {
            QTest::keyClick(Edit(d, pc::kMarkOffset), Qt::Key_Backspace);
            QCOMPARE(Text(d, pc::kMarkOffset), QString());
        }
        ChooseKind(d, kind);
        const QPixmap shot = d.grab();
        QCOMPARE(d.PaintedBitmaps(), (PreviewBitmaps{picture1009, picture1033, 130}));
        for (int anchor : {pc::kPictureKind, pc::kPictureMark, pc::kPictureLabel}) {
            QVERIFY(!HasColour(UnderAnchor(d, anchor), QColor(255, 0, 255)));
        }
        if (!screenshot.isEmpty()) {
            QVERIFY(shot.save(ScreenshotPath(screenshot)));
        }
    }

    // Leaving black mark with a negative offset: the faded before-the-edge picture.
    void kindChangeRepaintsThePictures() {
        EditorBench bench;
        bench.list->work.reserved_12_ = "0,0,0,0,0,0,2,0,0,0,0,0";
        CNewLabelDlg d(*bench.request);
        d.show();
        Retype(d, pc::kMarkOffset, "-1");
        d.grab();
        QCOMPARE(d.PaintedBitmaps(), (PreviewBitmaps{144, 148, 130}));
        ChooseKind(d, 1);
        d.grab();
        QCOMPARE(d.PaintedBitmaps(), (PreviewBitmaps{131, 149, 130}));
        // The mark offset arrow crosses zero: the pictures follow.
        ChooseKind(d, 2);
        Retype(d, pc::kMarkOffset, "-0.1");
        QTest::mouseClick(Arrow(d, pc::kMarkOffsetSpin, true), Qt::LeftButton);
        QCOMPARE(Text(d, pc::kMarkOffset), QString("0.0"));
        d.grab();
        QCOMPARE(d.PaintedBitmaps(), (PreviewBitmaps{144, 143, 130}));
    }

    // A hundred stored papers: OK stays off, whatever the name does; with room it is on in
    // Edit right after opening.
    void okWithAFullList() {
        EditorBench full(PaperList::kCapacity);
        QCOMPARE(full.request->bFull, 1);
        CNewLabelDlg d(*full.request);
        d.show();
        QVERIFY(!Enabled(d, pc::kOk));
        Retype(d, pc::kName, "Another name");
        QVERIFY(!Enabled(d, pc::kOk));
        QVERIFY(Enabled(d, pc::kOverwrite));

        EditorBench room(PaperList::kCapacity - 1);
        CNewLabelDlg e(*room.request);
        e.show();
        QVERIFY(Enabled(e, pc::kOk));
    }

    // A refused save names the field and keeps the dialog open with the user's texts.
    void refusedSaveStaysOpen() {
        MessageRecorder messages;
        EditorBench bench(2, PaperEditorMode::New);
        int publications = 0;
        const PublishFunction publish = [&](const PublishEnvironment&, PublishVariant,
                                            const SourceWriter&, const std::string&) {
            ++publications;
            return PublishOutcome{};
        };
        CNewLabelDlg d(*bench.request, nullptr, publish);
        d.show();
        Retype(d, pc::kName, "Stored 0");
        Click(d, pc::kOk);
        QCOMPARE(messages.shown.size(), size_t(1));
        QCOMPARE(messages.shown[0].icon, MessageIcon::Error);
        QCOMPARE(messages.shown[0].text, ResourceLibrary::Instance().Text(1106));
        QVERIFY(d.isVisible());
        QCOMPARE(Text(d, pc::kName), QString("Stored 0"));

        Retype(d, pc::kName, "Fresh");
        Click(d, pc::kOk); // valid, but the copy fails
        QCOMPARE(publications, 1);
        QCOMPARE(messages.shown.size(), size_t(2));
        QCOMPARE(messages.shown[1].text, ResourceLibrary::Instance().Text(1102));
        QVERIFY(d.isVisible());
        QCOMPARE(d.result(), 0);
    }

    // While the tools run the editor stays painted and deaf: keys are dropped, and the
    // caller's own wait runs too.
    void toolWaitDropsInput() {
        MessageRecorder messages;
        EditorBench bench(2, PaperEditorMode::New);
        int callersWaits = 0;
        bench.request->publish.whileWaiting = [&] { ++callersWaits; };
        CNewLabelDlg* dialog = nullptr;
        const PublishFunction publish = [&](const PublishEnvironment& environment,
                                            PublishVariant variant, const SourceWriter&,
                                            const std::string&) {
            QLineEdit* name = Edit(*dialog, pc::kName);
            QCoreApplication::postEvent(
                name, new QKeyEvent(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, "x"));
            environment.whileWaiting();
            PublishOutcome outcome;
            outcome.ok = variant == PublishVariant::Add;
            return outcome;
        };
        CNewLabelDlg d(*bench.request, nullptr, publish);
        dialog = &d;
        d.show();
        Retype(d, pc::kName, "Fresh");
        Click(d, pc::kOk);
        QCOMPARE(callersWaits, 1);
        QCoreApplication::processEvents();
        QCOMPARE(Text(d, pc::kName), QString("Fresh"));
        QVERIFY(messages.shown.empty());
        QCOMPARE(d.result(), 1);
    }

    // The advanced dialog from the editor's button: lists, kind lists, ranges and OK.
    void advancedSettings() {
        MessageRecorder messages;
        EditorBench bench;
        bench.list->work.byEnergyRank = 12;
        bench.list->work.reserved_12_ = "0,0,0,0,0,0,1,0,0,1,-1";
        PaperDef& paper = bench.list->work;
        CNewLabelDlg d(*bench.request);
        d.show();
        ChooseKind(d, 1);
        bool ran = false;
        WhenModal([&](QWidget* w) {
            ran = true;
            auto* a = qobject_cast<CAdvanceDlg*>(w);
            QVERIFY(a != nullptr);
            QCOMPARE(a->pos(), d.mapToGlobal(QPoint(0, 0)));
            auto* energy = Control<QComboBox>(*a, ac::kEnergyRank);
            QCOMPARE(energy->count(), 11);
            QCOMPARE(energy->itemText(0), QString("0"));
            QCOMPARE(energy->currentIndex(), 10);
            QVERIFY(Enabled(*a, ac::kDieCutValue9) && Enabled(*a, ac::kDieCutValue10));
            QVERIFY(!Enabled(*a, ac::kBlackMarkValue9) && !Enabled(*a, ac::kBlackMarkValue10));
            QCOMPARE(Control<QComboBox>(*a, ac::kDieCutValue9)->currentIndex(), 3);
            QCOMPARE(Control<QComboBox>(*a, ac::kDieCutValue10)->currentIndex(), 1);
            QCOMPARE(Control<QComboBox>(*a, ac::kBlackMarkValue9)->currentIndex(), 2);
            QCOMPARE(Control<QComboBox>(*a, ac::kDieCutValue9)->itemText(2),
                     ResourceLibrary::Instance().Text(1252));
            QCOMPARE(Text(*a, ac::kOffsetXRange), QString("[ -150.0 - 150.0 ]"));
            QCOMPARE(Text(*a, ac::kOffsetXUnit), QString("mm"));

            // Typing follows the advanced rules; the value label echoes.
            Retype(*a, ac::kOffsetX, "12.34");
            QCOMPARE(Text(*a, ac::kOffsetX), QString("12.3"));
            QCOMPARE(Text(*a, ac::kOffsetXEcho), QString("12.3 mm"));
            // Arrows step and stop at 150 mm.
            Retype(*a, ac::kOffsetY, "149.9");
            QTest::mouseClick(Arrow(*a, ac::kOffsetYSpin, true), Qt::LeftButton);
            QTest::mouseClick(Arrow(*a, ac::kOffsetYSpin, true), Qt::LeftButton);
            QCOMPARE(Text(*a, ac::kOffsetY), QString("150.0"));
            QCOMPARE(Text(*a, ac::kOffsetYEcho), QString("150.0 mm"));
            QTest::keyClick(Edit(*a, ac::kOffsetY), Qt::Key_Down);
            QCOMPARE(Text(*a, ac::kOffsetY), QString("149.9"));
            QTest::keyClick(Edit(*a, ac::kOffsetY), Qt::Key_Up);
            // Out of range: the message, and the dialog stays.
            Retype(*a, ac::kAfterFeed, "10.5");
            Click(*a, 1);
            QCOMPARE(messages.shown.size(), size_t(1));
            QVERIFY(messages.shown[0].text.contains(ResourceLibrary::Instance().Text(1216)));
            QVERIFY(a->isVisible());
            QCOMPARE(paper.nVirtualOffsetY, int16_t(0));

            Retype(*a, ac::kAfterFeed, "-1");
            energy->setCurrentIndex(4);
            Control<QComboBox>(*a, ac::kDieCutValue10)->setCurrentIndex(4);
            QVERIFY(a->grab().save(ScreenshotPath("advanced.png")));
            Click(*a, 1);
            QVERIFY(!a->isVisible());
        });
        Click(d, pc::kAdvanced);
        QVERIFY(ran);
        QCOMPARE(paper.nType, int16_t(kTypeDieCut));
        QCOMPARE(paper.nVirtualOffsetX, int16_t(145)); // 12.3 mm at 300 dpi
        QCOMPARE(paper.nVirtualOffsetY, int16_t(1772));
        QCOMPARE(paper.wDieStartFwdPlus, std::string("1772"));
        QCOMPARE(paper.nAfterFeedPlus, std::string("-12"));
        QCOMPARE(int(paper.byEnergyRank), 4);
        QCOMPARE(paper.reserved_12_, std::string("0,0,0,0,0,0,1,0,0,1,2,0"));
    }

    // Cancel leaves the record as it was.
    void advancedCancelWritesNothing() {
        EditorBench bench;
        const PaperDef before = bench.list->work;
        CAdvanceDlg a(bench.list->work, false, '.', 300);
        a.show();
        Retype(a, ac::kOffsetX, "5");
        Control<QComboBox>(a, ac::kEnergyRank)->setCurrentIndex(9);
        Click(a, 2);
        QCOMPARE(bench.list->work.nVirtualOffsetX, before.nVirtualOffsetX);
        QCOMPARE(bench.list->work.byEnergyRank, before.byEnergyRank);
        QCOMPARE(bench.list->work.reserved_12_, before.reserved_12_);
    }

    // The whole way on a copy of the demo driver folder with the real tools: New, a die-cut
    // label 62 x 29 mm with a 3 mm gap, OK; then Edit, a longer label, Overwrite.
    void newAndOverwriteOnTheDemoPrinter() {
        QTemporaryDir dir;
        const QString folder = testing::CopyDemoDriverFolder(dir.path());
        QVERIFY(!folder.isEmpty());
        const QString source = folder + "qlx530eed.txt";
        const QString table = folder + "qlx530eed.mdt";
        const SourceFile shipped = LoadSourceFile(source.toStdString(), false);
        QVERIFY(shipped.headerOk);
        const QString printerFile =
            folder + QString::fromStdString(PrinterFileName(shipped.header));
        for (const QString& installed : {source, table, printerFile}) {
            QFile::remove(installed);
        }
        QVERIFY(WriteSourceFile(source.toStdString(), shipped.header, shipped.papers));
        const int userPapers = int(shipped.papers.size());

        MainWindowSetup setup;
        setup.modelCode = "qlx530e";
        setup.printerName = "Demo LT-5300E";
        setup.profile = ModelProfileFor("qlx530e");
        setup.programFolder = qEnvironmentVariable("QLX_BIN_DIR").toStdString();
        setup.driverFolder = (dir.path() + "/driver/3").toStdString();
        setup.tempFolder = (dir.path() + "/tmp/").toStdString();
        MessageRecorder messages;
        CMediamgrDlg main(setup);
        QVERIFY(main.Initialise());
        main.show();
        const int before = int(ListedNames(main).size());

        bool ran = false;
        WhenModal([&](QWidget* w) {
            ran = true;
            auto* d = qobject_cast<CNewLabelDlg*>(w);
            QVERIFY(d != nullptr);
            QCOMPARE(d->pos(), main.mapToGlobal(QPoint(0, 0)));
            Retype(*d, pc::kName, "Shelf label 62x29");
            ChooseKind(*d, 1);
            Retype(*d, pc::kWidth, "62");
            Retype(*d, pc::kLength, "29");
            Retype(*d, pc::kGap, "3");
            Retype(*d, pc::kLeftMargin, "3.5");
            Retype(*d, pc::kRightMargin, "3.5");
            Retype(*d, pc::kTopMargin, "1.5");
            Retype(*d, pc::kBottomMargin, "1.5");
            QVERIFY(d->grab().save(ScreenshotPath("editor_new.png")));
            Click(*d, pc::kOk);
        });
        Click(main, 1001);
        QVERIFY(ran);
        for (const auto& m : messages.shown) {
            qWarning() << "message:" << m.text;
        }
        QVERIFY(messages.shown.empty());
        for (const QString& installed : {source, table, printerFile}) {
            QVERIFY2(QFile::exists(installed), qPrintable(installed));
        }
        QStringList names = ListedNames(main);
        QCOMPARE(int(names.size()), before + 1);
        QCOMPARE(names.last(), QString("Shelf label 62x29"));
        QCOMPARE(Control<QListWidget>(main, 1000)->currentRow(), before);
        SourceFile installed = LoadSourceFile(source.toStdString(), false);
        QCOMPARE(int(installed.papers.size()), userPapers + 1);
        const PaperDef added = installed.papers.back();
        QCOMPARE(added.nPaperWidth, int16_t(620));
        QCOMPARE(added.nPaperLength, int16_t(290));
        // 29 mm is 343 dots at 300 dpi, the 3 mm gap 35 more.
        QCOMPARE(added.nPaperLengthRes, int16_t(343));
        QCOMPARE(added.lblPitchDot, int16_t(343 + 35));
        QCOMPARE(added.nType, int16_t(kTypeDieCut));

        // Edit the new paper: a longer label, overwritten in place.
        QFile::remove(table);
        ran = false;
        WhenModal([&](QWidget* w) {
            ran = true;
            auto* d = qobject_cast<CNewLabelDlg*>(w);
            QVERIFY(d != nullptr);
            QCOMPARE(Text(*d, pc::kName), QString("Shelf label 62x29"));
            QCOMPARE(Text(*d, pc::kGap), QString("3.0"));
            Retype(*d, pc::kLength, "40");
            QVERIFY(d->grab().save(ScreenshotPath("editor_edit.png")));
            Click(*d, pc::kOverwrite);
        });
        Click(main, 1002);
        QVERIFY(ran);
        QVERIFY(messages.shown.empty());
        QVERIFY(QFile::exists(table));
        names = ListedNames(main);
        QCOMPARE(int(names.size()), before + 1);
        QCOMPARE(names.last(), QString("Shelf label 62x29"));
        installed = LoadSourceFile(source.toStdString(), false);
        QCOMPARE(int(installed.papers.size()), userPapers + 1);
        QCOMPARE(installed.papers.back().nPaperLength, int16_t(400));
        QCOMPARE(installed.papers.back().nPaperSize, added.nPaperSize);

        // Black-mark tape on the same printer, saved as die-cut with kind code 2.
        ran = false;
        WhenModal([&](QWidget* w) {
            ran = true;
            auto* d = qobject_cast<CNewLabelDlg*>(w);
            Retype(*d, pc::kName, "Black mark 50x30");
            ChooseKind(*d, 2);
            Retype(*d, pc::kWidth, "50");
            Retype(*d, pc::kLength, "30");
            Retype(*d, pc::kTopMargin, "3");
            Retype(*d, pc::kBottomMargin, "3");
            Retype(*d, pc::kLeftMargin, "1");
            Retype(*d, pc::kRightMargin, "1");
            Retype(*d, pc::kMarkWidth, "3");
            Retype(*d, pc::kMarkOffset, "-2");
            Click(*d, pc::kOk);
        });
        Click(main, 1001);
        QVERIFY(ran);
        QVERIFY(messages.shown.empty());
        installed = LoadSourceFile(source.toStdString(), false);
        QCOMPARE(int(installed.papers.size()), userPapers + 2);
        // Stored as die-cut with kind code 2, which reads back as black mark.
        QCOMPARE(installed.papers.back().nType, int16_t(kTypeBlackMark));
        QCOMPARE(ParseReservedNumbers(installed.papers.back().reserved_12_)[6], 2);
        QCOMPARE(ListedNames(main).last(), QString("Black mark 50x30"));
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (!ResourceLibrary::Open(qEnvironmentVariable("QLX_BIN_DIR") + "/qlx5srct.rcc")) {
        return 1;
    }
    EditorDialogsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "EditorDialogsTest.moc"
