#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

// Runs the real program offscreen, each run with its own runtime folder (where the
// single-instance names live), printers file and message log. The program reports what it
// did on stderr ("started <model> <dpi> <bInch>", "raised") and writes its message boxes to
// the log instead of showing them.

namespace {

constexpr int kWaitMs = 20000; // generous: only a hung program ever waits this long

QString Program() {
    return qEnvironmentVariable("QLX_BIN_DIR") + "/qlx5srct";
}

class Sandbox {
public:
    Sandbox() {
        QDir(folder_.path()).mkdir("run");
        QFile::setPermissions(folder_.filePath("run"), QFileDevice::ReadOwner |
                                                           QFileDevice::WriteOwner |
                                                           QFileDevice::ExeOwner);
        // The main window needs the model's sources in the driver folder: a copy of the demo's.
        const QDir demo(qEnvironmentVariable("QLX_DEMO_DIR") + "/driver/3");
        QDir(folder_.path()).mkpath("drivers/3");
        for (const QString& name : demo.entryList(QDir::Files)) {
            QFile::copy(demo.filePath(name), folder_.filePath("drivers/3/" + name));
        }
        QFile printers(folder_.filePath("printers.ini"));
        if (printers.open(QIODevice::WriteOnly)) {
            printers.write("[Spooler]\r\nDriverDirectory=" + folder_.filePath("drivers").toUtf8() +
                           "\r\n[Printers]\r\n"
                           "Office=Some Laser Driver,LPT1\r\n"
                           "Labels=quellix lt-5300e,USB001\r\n"
                           "Small Labels=Quellix LT-5200EW,COM3\r\n");
        }
    }

    QString Path(const QString& name) const { return folder_.filePath(name); }

    QProcessEnvironment Environment(int autoCloseMs) const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("LC_ALL", "C.UTF-8");
        env.insert("XDG_RUNTIME_DIR", Path("run"));
        env.insert("QLX_PRINTERS", Path("printers.ini"));
        env.insert("QLX_MESSAGE_LOG", Path("messages.log"));
        env.insert("QLX_AUTOCLOSE_MS", QString::number(autoCloseMs));
        return env;
    }

    QString MessageLog() const {
        QFile log(Path("messages.log"));
        return log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()) : QString();
    }

private:
    QTemporaryDir folder_;
};

// One run of the program, its stderr collected line by line.
class Run {
public:
    Run(const Sandbox& sandbox, const QStringList& args, int autoCloseMs = 200,
        const QString& program = Program(), const QString& locale = "C.UTF-8") {
        QProcessEnvironment env = sandbox.Environment(autoCloseMs);
        env.insert("LC_ALL", locale);
        process_.setProcessEnvironment(env);
        process_.setReadChannel(QProcess::StandardError);
        process_.start(program, args);
    }
    ~Run() {
        if (process_.state() != QProcess::NotRunning) {
            process_.kill();
            process_.waitForFinished(kWaitMs);
        }
    }

    // True once stderr has held `line`; false when the program ended or the wait ran out.
    bool WaitForLine(const QString& line) {
        return WaitUntil([&] { return Lines().contains(line); });
    }
    bool WaitForStarted() {
        return WaitUntil([&] { return !StartedLines().isEmpty(); });
    }

    int Finish() {
        process_.waitForFinished(kWaitMs);
        Collect();
        return process_.exitStatus() == QProcess::NormalExit ? process_.exitCode() : -1;
    }

    // Ends a program left waiting in its main dialog (the auto-close would do it later).
    void Stop() {
        process_.terminate();
        process_.waitForFinished(kWaitMs);
    }

    bool Running() const { return process_.state() == QProcess::Running; }
    QStringList Lines() const { return stderr_.split('\n'); }
    QStringList StartedLines() const { return Lines().filter(QRegularExpression("^started ")); }

private:
    template <class Done> bool WaitUntil(Done done) {
        QElapsedTimer timer;
        timer.start();
        while (!done()) {
            if (process_.state() == QProcess::NotRunning || timer.elapsed() > kWaitMs) {
                Collect();
                return done();
            }
            process_.waitForReadyRead(100);
            Collect();
        }
        return true;
    }

    void Collect() { stderr_ += QString::fromUtf8(process_.readAllStandardError()); }

    QProcess process_;
    QString stderr_;
};

} // namespace

class StartupProgramTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QVERIFY2(QFile::exists(Program()), qPrintable(Program())); }

    void withoutArgumentsSaysBadArguments_data() {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("none") << QStringList();
        QTest::newRow("blank") << QStringList{" \t"};
        QTest::newRow("empty then name") << QStringList{"", "Labels"};
    }

    void withoutArgumentsSaysBadArguments() {
        QFETCH(QStringList, args);
        Sandbox sandbox;
        Run run(sandbox, args);
        QCOMPARE(run.Finish(), 1);
        QCOMPARE(sandbox.MessageLog(), QStringLiteral("error\tError\tBad Arguments.\n"));
        QVERIFY(run.StartedLines().isEmpty());
    }

    void withoutResourceLibrarySaysResourceFileNotFound_data() {
        QTest::addColumn<QByteArray>("library"); // null: no file beside the program
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("not a resource file") << QByteArray("MZ this is something else");
    }

    void withoutResourceLibrarySaysResourceFileNotFound() {
        QFETCH(QByteArray, library);
        Sandbox sandbox;
        QDir(sandbox.Path("")).mkdir("alone");
        const QString copy = sandbox.Path("alone/qlx5srct");
        QVERIFY(QFile::copy(Program(), copy));
        QVERIFY(QFile::setPermissions(copy, QFile::permissions(Program())));
        if (!library.isNull()) {
            QFile file(sandbox.Path("alone/qlx5srct.rcc"));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(library);
        }
        Run run(sandbox, {"Labels"}, 200, copy);
        QCOMPARE(run.Finish(), 1);
        QCOMPARE(sandbox.MessageLog(),
                 QStringLiteral("error\tLabel Media Manager\tResource file not found.\n"));
        QVERIFY(run.StartedLines().isEmpty());
    }

    void startsWithTheModelOfThePrinter_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("started");
        // Without a model the main window finds no sources: it reports that and ends.
        QTest::addColumn<bool>("filesMissing");
        QTest::newRow("model, inch switch") << QStringList{"Labels", "/i"} << "C.UTF-8"
                                            << "started qlx530e 300 1" << false;
        QTest::newRow("name with a space, mm switch")
            << QStringList{"Small Labels", "m"} << "en_US.UTF-8"
            << "started qlx520ew 203 0" << false;
        QTest::newRow("unknown printer") << QStringList{"Nobody", "/m"} << "C.UTF-8"
                                         << "started  203 0" << true;
        QTest::newRow("name in other case is unknown") << QStringList{"labels", "i"} << "C.UTF-8"
                                                       << "started  203 1" << true;
        QTest::newRow("foreign driver") << QStringList{"Office", "/m"} << "C.UTF-8"
                                        << "started  203 0" << true;
        QTest::newRow("capital switch, imperial locale")
            << QStringList{"Labels", "/I"} << "en_US.UTF-8"
            << "started qlx530e 300 1" << false;
        QTest::newRow("no switch, metric locale") << QStringList{"Labels"} << "de_DE.UTF-8"
                                                  << "started qlx530e 300 0" << false;
    }

    void startsWithTheModelOfThePrinter() {
        QFETCH(QStringList, args);
        QFETCH(QString, locale);
        QFETCH(QString, started);
        QFETCH(bool, filesMissing);
        Sandbox sandbox;
        Run run(sandbox, args, 200, Program(), locale);
        QCOMPARE(run.Finish(), 0);
        QCOMPARE(run.StartedLines(), QStringList{started});
        if (filesMissing) {
            QVERIFY(sandbox.MessageLog().startsWith("error\tLabel Media Manager\t"));
            QCOMPARE(sandbox.MessageLog().count('\n'), 1);
        } else {
            QCOMPARE(sandbox.MessageLog(), QString());
        }
    }

    void secondStartRaisesOrRunsBeside_data() {
        QTest::addColumn<QStringList>("first");
        QTest::addColumn<QStringList>("second");
        QTest::addColumn<QString>("secondStarted"); // empty: the second start shows nothing
        QTest::newRow("same model")
            << QStringList{"Labels"} << QStringList{"Labels", "/i"} << QString();
        // (A start for an unknown printer ends at once, its window finding no sources, so it
        // cannot stay running beside another.)
        QTest::newRow("two models") << QStringList{"Labels", "m"}
                                    << QStringList{"Small Labels", "m"} << "started qlx520ew 203 0";
    }

    void secondStartRaisesOrRunsBeside() {
        QFETCH(QStringList, first);
        QFETCH(QStringList, second);
        QFETCH(QString, secondStarted);
        Sandbox sandbox;
        Run running(sandbox, first, kWaitMs);
        QVERIFY(running.WaitForStarted());

        Run again(sandbox, second, kWaitMs);
        if (secondStarted.isEmpty()) {
            QCOMPARE(again.Finish(), 0);
            QVERIFY(again.StartedLines().isEmpty());
            QVERIFY(running.WaitForLine("raised"));
            QVERIFY(running.Running());
        } else {
            QVERIFY(again.WaitForLine(secondStarted));
            QVERIFY(again.Running());
            QVERIFY(running.Running());
            QVERIFY(!running.Lines().contains("raised"));
            again.Stop();
        }
        running.Stop();
        QCOMPARE(sandbox.MessageLog(), QString());
    }
};

QTEST_GUILESS_MAIN(StartupProgramTest)
#include "StartupProgramTest.moc"
