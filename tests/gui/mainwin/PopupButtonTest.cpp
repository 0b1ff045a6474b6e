#include "app/CPopupButton.h"
#include "app/CommandEvent.h"
#include "app/ResourceLibrary.h"

#include <QApplication>
#include <QDialog>
#include <QEnterEvent>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <QtTest>

using namespace qlx;

namespace {

// A parent that records the commands posted to it.
class CommandHost final : public QDialog {
public:
    std::vector<int> commands;
    CommandHost() {
        auto* layout = new QVBoxLayout(this);
        auto* placeholder = new QPushButton(QStringLiteral("placeholder"), this);
        placeholder->setObjectName(QStringLiteral("c1014"));
        placeholder->setMinimumSize(140, 28);
        layout->addWidget(placeholder);
        resize(200, 60);
    }

protected:
    bool event(QEvent* event) override {
        if (event->type() == CommandEvent::EventType()) {
            commands.push_back(static_cast<CommandEvent*>(event)->Command());
            return true;
        }
        return QDialog::event(event);
    }
};

} // namespace

class PopupButtonTest : public QObject {
    Q_OBJECT

    std::unique_ptr<CommandHost> host_;
    CPopupButton* button_ = nullptr;
    QStringList menuTexts_;
    int clicks_ = 0;

    // Reads the dropped menu's items, chooses `choice` (none when empty) and closes it.
    void OnMenu(const QString& choice) {
        menuTexts_.clear();
        QTimer::singleShot(0, this, [this, choice] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(menu != nullptr);
            QAction* chosen = nullptr;
            for (QAction* action : menu->actions()) {
                menuTexts_ << action->text();
                if (action->text() == choice) {
                    chosen = action;
                }
            }
            if (chosen != nullptr) {
                menu->setActiveAction(chosen);
                QTest::keyClick(menu, Qt::Key_Return);
            } else {
                menu->close();
            }
        });
    }

private Q_SLOTS:
    void init() {
        host_ = std::make_unique<CommandHost>();
        button_ = new CPopupButton(host_.get());
        QVERIFY(button_->Attach(1014, *host_, 1450, 0));
        connect(button_, &QPushButton::clicked, this, [this] { ++clicks_; });
        clicks_ = 0;
        host_->show();
        QVERIFY(QTest::qWaitForWindowExposed(host_.get()));
    }

    void cleanup() { host_.reset(); }

    void takesThePlaceAndCaptionOfTheDefaultCommand() {
        QCOMPARE(host_->findChildren<QPushButton*>().size(), 1);
        QCOMPARE(Control<QPushButton>(*host_, 1014), button_);
        QCOMPARE(button_->DefaultCommand(), 1451);
        QCOMPARE(button_->text(), QStringLiteral("Option"));
        QVERIFY(button_->width() >= 140);
    }

    void bodyPostsTheDefaultCommand() {
        QTest::mouseClick(button_, Qt::LeftButton, {}, QPoint(20, button_->height() / 2));
        QVERIFY(host_->commands.empty()); // posted, not sent
        QCoreApplication::processEvents();
        QCOMPARE(host_->commands, std::vector<int>{1451});
        QCOMPARE(clicks_, 1); // the ordinary click follows as well
    }

    void dropZoneShowsTheOtherCommands_data() {
        QTest::addColumn<int>("fromRight");
        QTest::addColumn<bool>("drops");
        QTest::newRow("10 px from the edge") << 10 << true;
        QTest::newRow("last pixel") << 1 << true;
        QTest::newRow("separator column") << 16 << false;
    }

    void dropZoneShowsTheOtherCommands() {
        QFETCH(int, fromRight);
        QFETCH(bool, drops);
        const QPoint at(button_->width() - fromRight, button_->height() / 2);
        if (drops) {
            OnMenu(QStringLiteral("SendPaper"));
        }
        QTest::mouseClick(button_, Qt::LeftButton, {}, at);
        QCoreApplication::processEvents();
        if (drops) {
            QCOMPARE(menuTexts_, QStringList({"SendPaper", "FileOut"}));
            QCOMPARE(host_->commands, std::vector<int>{1452});
            QCOMPARE(clicks_, 0);
        } else {
            QCOMPARE(host_->commands, std::vector<int>{1451});
        }
    }

    void keysPostOrDrop() {
        button_->setFocus();
        QTest::keyClick(button_, Qt::Key_Return);
        QTest::keyClick(button_, Qt::Key_Space);
        QCoreApplication::processEvents();
        QCOMPARE(host_->commands, (std::vector<int>{1451, 1451}));
        OnMenu(QStringLiteral("FileOut"));
        QTest::keyClick(button_, Qt::Key_Down);
        QCoreApplication::processEvents();
        QCOMPARE(menuTexts_, QStringList({"SendPaper", "FileOut"}));
        QCOMPARE(host_->commands, (std::vector<int>{1451, 1451, 1453}));
        QCOMPARE(clicks_, 0);
        QVERIFY(host_->isVisible()); // Enter went to the button, not to the dialog
    }

    void hoverRedrawsHot() {
        const QImage normal = button_->grab().toImage();
        QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), button_->mapToGlobal(QPointF(5, 5)));
        QApplication::sendEvent(button_, &enter);
        QVERIFY(button_->Hovering());
        const QImage hot = button_->grab().toImage();
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(button_, &leave);
        QVERIFY(!button_->Hovering());
        QVERIFY(hot != normal);
        QCOMPARE(button_->grab().toImage(), normal);
    }

    void drawsTheSeparatorAndTheThreeRowArrow() {
        const QImage image = button_->grab().toImage();
        const int w = button_->width();
        const int mid = button_->height() / 2;
        auto black = [&](int x, int y) { return image.pixelColor(x, y) == QColor(Qt::black); };
        for (int x = w - 12; x < w - 7; ++x) {
            QVERIFY2(black(x, mid - 1), qPrintable(QString::number(x)));
        }
        QVERIFY(!black(w - 13, mid - 1));
        QVERIFY(!black(w - 7, mid - 1));
        for (int x = w - 11; x < w - 8; ++x) {
            QVERIFY(black(x, mid));
        }
        QVERIFY(!black(w - 12, mid));
        QVERIFY(black(w - 10, mid + 1));
        QVERIFY(!black(w - 11, mid + 1));
        QVERIFY(!black(w - 9, mid + 1));
        // The separator is a line of one colour from y 4 down to height - 5.
        const QColor separator = image.pixelColor(w - 16, mid);
        QCOMPARE(image.pixelColor(w - 16, 4), separator);
        QCOMPARE(image.pixelColor(w - 16, button_->height() - 5), separator);
        QVERIFY(image.pixelColor(w - 20, mid) != separator);
    }
};

int RunPopupButtonTest(int argc, char** argv) {
    PopupButtonTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "PopupButtonTest.moc"
