#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

#include "app/MessageBoxService.h"
#include "app/ResourceLibrary.h"

using qlx::Control;
using qlx::MessageBoxService;
using qlx::MessageIcon;
using qlx::ResourceLibrary;

namespace {

QString ShippedLibrary() {
    return qEnvironmentVariable("QLX_BIN_DIR") + "/qlx5srct.rcc";
}

struct Recorded {
    MessageIcon icon = MessageIcon::Error;
    QString caption;
    QString text;
    int calls = 0;
};

} // namespace

class ResourceLibraryTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() {
        MessageBoxService::SetTestHook({});
        qunsetenv("QLX_MESSAGE_LOG");
    }

    void mainDialogTitleIsString100() {
        QVERIFY(ResourceLibrary::Open(ShippedLibrary()));
        const ResourceLibrary& library = ResourceLibrary::Instance();
        QVERIFY(!library.Text(100).isEmpty());
        QDialog dialog;
        QVERIFY(library.LoadDialogTemplate(102, dialog));
        QCOMPARE(dialog.windowTitle(), library.Text(100));
        QVERIFY(Control<QPushButton>(dialog, 1) != nullptr);
        QVERIFY(!library.Icon(128).isNull());
        QCOMPARE(library.MenuTitle(1450), QStringLiteral("Option"));
        const auto menu = library.Menu(1450);
        QCOMPARE(int(menu.size()), 3);
        QCOMPARE(menu[0].command, 1451);
        QCOMPARE(menu[2].command, 1453);
    }

    void refusesMissingAndDamagedFiles_data() {
        QTest::addColumn<QByteArray>("content");
        QFile shipped(ShippedLibrary());
        QVERIFY(shipped.open(QIODevice::ReadOnly));
        const QByteArray whole = shipped.readAll();
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("empty") << QByteArray("");
        QTest::newRow("text") << QByteArray("this is not a resource file at all\n");
        QTest::newRow("header only") << whole.left(20);
        QTest::newRow("cut in half") << whole.left(whole.size() / 2);
    }

    void refusesMissingAndDamagedFiles() {
        QFETCH(QByteArray, content);
        QTemporaryDir folder;
        const QString path = folder.filePath("qlx5srct.rcc");
        if (!content.isNull()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        QVERIFY(ResourceLibrary::Open(ShippedLibrary()));
        QVERIFY(!ResourceLibrary::Open(path));
        // A failed open leaves no library behind: lookups miss instead of finding old texts.
        QCOMPARE(ResourceLibrary::Instance().String(100), std::string());
        QDialog dialog;
        QVERIFY(!ResourceLibrary::Instance().LoadDialogTemplate(102, dialog));
    }

    void movesLaidOutControlsAndWiresOkCancel() {
        QVERIFY(ResourceLibrary::Open(QLX_TEST_LIBRARY));
        const ResourceLibrary& library = ResourceLibrary::Instance();
        QDialog dialog;
        QVERIFY(library.LoadDialogTemplate(7, dialog));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Laid Out"));
        QCOMPARE(dialog.size(), QSize(300, 200));
        QVERIFY(dialog.layout() != nullptr);
        auto* edit = Control<QLineEdit>(dialog, 1001);
        QVERIFY(edit != nullptr);
        QCOMPARE(edit->window(), &dialog);
        dialog.show();
        QVERIFY(edit->isVisible());
        QTest::mouseClick(Control<QPushButton>(dialog, 1), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        dialog.show();
        QTest::mouseClick(Control<QPushButton>(dialog, 2), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));

        QDialog missing;
        QVERIFY(!library.LoadDialogTemplate(99, missing));
    }

    void movesPlacedControlsWithTheirButtonGroup() {
        QVERIFY(ResourceLibrary::Open(QLX_TEST_LIBRARY));
        QDialog dialog;
        QVERIFY(ResourceLibrary::Instance().LoadDialogTemplate(8, dialog));
        auto* label = Control<QWidget>(dialog, 10);
        auto* first = Control<QRadioButton>(dialog, 11);
        auto* second = Control<QRadioButton>(dialog, 12);
        QVERIFY(label && first && second);
        QCOMPARE(label->geometry(), QRect(10, 12, 100, 20));
        dialog.show();
        QVERIFY(second->isVisible());
        second->click();
        QVERIFY(second->isChecked());
        QVERIFY(!first->isChecked()); // still exclusive after the move
    }

    void bitmapTakesTopLeftColourAsTransparent() {
        QVERIFY(ResourceLibrary::Open(QLX_TEST_LIBRARY));
        const QPixmap bitmap = ResourceLibrary::Instance().Bitmap(5);
        QVERIFY(!bitmap.isNull());
        const QImage image = bitmap.toImage().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(image.pixel(2, 2)), 0);
        QCOMPARE(qAlpha(image.pixel(1, 0)), 255);
        QCOMPARE(image.pixelColor(1, 0), QColor(200, 0, 0));
        QVERIFY(ResourceLibrary::Instance().Bitmap(6).isNull());
        QVERIFY(ResourceLibrary::Instance().Icon(6).isNull());
        QVERIFY(ResourceLibrary::Instance().Menu(6).empty());
    }

    void hookAnswersWithTheApplicationCaption() {
        QVERIFY(ResourceLibrary::Open(QLX_TEST_LIBRARY)); // its string 100 is empty
        QCOMPARE(ResourceLibrary::Instance().Text(7), QStringLiteral("Seven\tTabbed"));
        Recorded seen;
        bool answer = true;
        MessageBoxService::SetTestHook(
            [&](MessageIcon icon, const QString& caption, const QString& text) {
                seen = {icon, caption, text, seen.calls + 1};
                return answer;
            });
        MessageBoxService box;
        QVERIFY(box.Show(MessageIcon::Question, "Delete?"));
        QCOMPARE(seen.caption, QStringLiteral("Label Media Manager"));
        QCOMPARE(seen.text, QStringLiteral("Delete?"));
        QVERIFY(seen.icon == MessageIcon::Question);
        answer = false;
        QVERIFY(!box.Show(MessageIcon::Question, "Delete?"));

        box.ShowWithCaption(MessageIcon::Error, "Error", "Bad Arguments.");
        QCOMPARE(seen.caption, QStringLiteral("Error"));
        QVERIFY(seen.icon == MessageIcon::Error);
        QCOMPARE(seen.calls, 3);

        QVERIFY(ResourceLibrary::Open(ShippedLibrary()));
        MessageBoxService shipped;
        shipped.Show(MessageIcon::Information, "Done");
        QCOMPARE(seen.caption, ResourceLibrary::Instance().Text(100));
    }

    void messageLogAnswersNoAtOnce() {
        QTemporaryDir folder;
        const QString log = folder.filePath("messages.log");
        qputenv("QLX_MESSAGE_LOG", log.toLocal8Bit());
        QVERIFY(ResourceLibrary::Open(ShippedLibrary()));
        MessageBoxService box;
        QVERIFY(!box.Show(MessageIcon::Question, "Replace?\nReally"));
        box.ShowWithCaption(MessageIcon::Error, "Error", "Bad Arguments.");
        QFile file(log);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(file.readAll()),
                 "question\t" + ResourceLibrary::Instance().Text(100) +
                     "\tReplace?\\nReally\nerror\tError\tBad Arguments.\n");
    }
};

QTEST_MAIN(ResourceLibraryTest)
#include "ResourceLibraryTest.moc"
