#include "support/process_runner.h"
#include "support/test_files.h"
#include "support/test_registry.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace kestrova;
using test::runKestrova;
using test::runProgram;

// The command around the loop: its input checks before any card, and Ctrl+C while it waits.
class DeployCommandTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString settings() const { return dir.filePath(QStringLiteral("prefs.ini")); }
    QString kit() const { return dir.filePath(QStringLiteral("kit.json")); }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(test::writeFile(kit(), R"({"kestrova_kit": 1, "name": "North", "model": 7,
                                           "menu": {"kind": "menu", "video_length": 20}})"));
    }

    // A bad row ends the run before any card, naming row, column and the setting's message.
    void refusesABadRowBeforeAnyCard() {
        const QString card = dir.filePath(QStringLiteral("card"));
        QVERIFY(QDir().mkpath(card));
        const QString cameras = dir.filePath(QStringLiteral("cameras.csv"));
        QVERIFY(test::writeFile(cameras, "camera_id,video_length\nN-01,30\nN-02,61\n"));
        const auto result =
            runKestrova({QStringLiteral("deploy"), kit(), QStringLiteral("--cameras"), cameras,
                         QStringLiteral("--card"), card},
                        settings());
        QCOMPARE(result.exitCode, 2);
        QVERIFY2(
            result.err.startsWith(
                QStringLiteral("kestrova: the cameras table %1: row 3 (camera \"N-02\"), column "
                               "video_length: video_length: ")
                    .arg(cameras)),
            qPrintable(result.err));
        QVERIFY(QDir(card).isEmpty());
    }

    // The volume mounted at --card is written, then the run waits for it to go; Ctrl+C then
    // ends the run at once, cleanly.
    void ctrlCBetweenCardsEndsAtOnce() {
        if (runProgram(QStringLiteral("unshare"), {QStringLiteral("-m"), QStringLiteral("true")},
                       QString())
                .exitCode != 0)
            QSKIP("this machine does not allow a private mount namespace (unshare -m)");
        const QString card = dir.filePath(QStringLiteral("reader"));
        QVERIFY(QDir().mkpath(card));
        QProcessEnvironment environment;
        environment.insert(QStringLiteral("KESTROVA"), QStringLiteral(KESTROVA_CLI));
        environment.insert(QStringLiteral("CARD"), card);
        environment.insert(QStringLiteral("KIT"), kit());
        environment.insert(QStringLiteral("LOG"), dir.filePath(QStringLiteral("log.csv")));
        const auto result = runProgram(
            QStringLiteral("unshare"),
            {QStringLiteral("-m"), QStringLiteral("--propagation"), QStringLiteral("private"),
             QStringLiteral("sh"), QStringLiteral("-c"),
             QStringLiteral(
                 "mount -t tmpfs tmpfs \"$CARD\" || exit 9\n"
                 "\"$KESTROVA\" deploy \"$KIT\" --card \"$CARD\" --log \"$LOG\" &\n"
                 "for i in $(seq 200); do [ \"$(wc -l <\"$LOG\")\" -ge 2 ] && break; sleep 0.1; "
                 "done\n"
                 "kill -INT $!; wait $!; echo \"exit=$?\"; ls -A \"$CARD\"")},
            settings(), environment);
        QVERIFY2(
            result.out.endsWith(QStringLiteral("Stopped; 1 cards written.\nexit=0\nmenu.dat\n")),
            qPrintable(result.out + result.err));
        QVERIFY(result.out.contains(QStringLiteral("unmount and remove the card at ") + card));
        QCOMPARE(test::fileBytes(dir.filePath(QStringLiteral("log.csv"))).count('\n'), 2);
    }

    // An append the disk does not take is taken back: the log stays as it was, whole, and the
    // card counts as failed.
    void aFailedAppendLeavesTheLogWhole() {
        const QString logs = dir.filePath(QStringLiteral("logs"));
        const QString card = dir.filePath(QStringLiteral("synced-card"));
        QVERIFY(QDir().mkpath(logs) && QDir().mkpath(card));
        const QString log = logs + QStringLiteral("/log.csv");
        const QStringList deploy{QStringLiteral("deploy"), kit(), QStringLiteral("--card"), card,
                                 QStringLiteral("--log"),  log};
        QCOMPARE(runKestrova(deploy, settings()).exitCode, 0);
        const QByteArray before = test::fileBytes(log);
        QProcessEnvironment failing;
        failing.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(KESTROVA_FAILING_IO));
        failing.insert(QStringLiteral("ASAN_OPTIONS"),
                       QStringLiteral("verify_asan_link_order=0:detect_leaks=0"));
        failing.insert(QStringLiteral("KESTROVA_FAIL_SYNC_IN"), logs);
        const auto result = runKestrova(deploy, settings(), failing);
        QCOMPARE(result.exitCode, 1);
        QVERIFY2(result.out.contains(QStringLiteral("failed: the log could not be written: ")),
                 qPrintable(result.out));
        QCOMPARE(test::fileBytes(log), before);
    }

    // No room for every file the camera gets: nothing is written, and the camera waits for
    // another card.
    void noRoomForEveryFile() {
        if (runProgram(QStringLiteral("unshare"), {QStringLiteral("-m"), QStringLiteral("true")},
                       QString())
                .exitCode != 0)
            QSKIP("this machine does not allow a private mount namespace (unshare -m)");
        const QString card = dir.filePath(QStringLiteral("small"));
        QVERIFY(QDir().mkpath(card));
        QProcessEnvironment environment;
        environment.insert(QStringLiteral("KESTROVA"), QStringLiteral(KESTROVA_CLI));
        environment.insert(QStringLiteral("CARD"), card);
        environment.insert(QStringLiteral("KIT"), dir.filePath(QStringLiteral("two.json")));
        environment.insert(QStringLiteral("LOG"), dir.filePath(QStringLiteral("small-log.csv")));
        QVERIFY(test::writeFile(dir.filePath(QStringLiteral("two.json")),
                                R"({"kestrova_kit": 1, "name": "Two", "model": 7,
                                    "menu": {"kind": "menu"},
                                    "mms": {"kind": "mms", "phone1": "07700900123"}})"));
        const auto result = runProgram(
            QStringLiteral("unshare"),
            {QStringLiteral("-m"), QStringLiteral("--propagation"), QStringLiteral("private"),
             QStringLiteral("sh"), QStringLiteral("-c"),
             QStringLiteral("mount -t tmpfs -o size=4k tmpfs \"$CARD\" || exit 9\n"
                            "\"$KESTROVA\" deploy \"$KIT\" --card \"$CARD\" --log \"$LOG\" "
                            ">\"$LOG.out\" &\n"
                            "for i in $(seq 200); do grep -q 'not done' \"$LOG.out\" && break; "
                            "sleep 0.1; done\n"
                            "kill -INT $!; wait $!; echo \"exit=$?\" >>\"$LOG.out\"; "
                            "cat \"$LOG.out\"; ls -A \"$CARD\"")},
            settings(), environment);
        QVERIFY2(result.out.contains(QStringLiteral("free, but the files need ")) &&
                     result.out.contains(QStringLiteral("; nothing was written")),
                 qPrintable(result.out + result.err));
        QVERIFY2(result.out.endsWith(QStringLiteral("exit=1\n")), qPrintable(result.out));
        QCOMPARE(test::fileBytes(dir.filePath(QStringLiteral("small-log.csv"))).count('\n'), 1);
    }

    // What a folder's name holds is shown, never acted on by the terminal: the run's lines, and
    // the files sheet and log write.
    void escapesControlCharacters() {
        const QString card = dir.filePath(QStringLiteral("card\x1b[2J"));
        QVERIFY(QDir().mkpath(card));
        const QString log = dir.filePath(QStringLiteral("escape-log.csv"));
        const auto deployed =
            runKestrova({QStringLiteral("deploy"), kit(), QStringLiteral("--card"), card,
                         QStringLiteral("--log"), log},
                        settings());
        // The card comes back (without a picture), which closes its deployment for the package.
        const auto reported =
            runKestrova({QStringLiteral("report"), card, QStringLiteral("--log"), log}, settings());
        QVERIFY2(!(reported.out + reported.err).contains(QChar(0x1b)), qPrintable(reported.out));
        const auto exported =
            runKestrova({QStringLiteral("log"), log, QStringLiteral("--camtrap-dp"),
                         dir.filePath(QStringLiteral("out\x1b[2J"))},
                        settings());
        const auto sheet = runKestrova({QStringLiteral("sheet"), card, QStringLiteral("--model"),
                                        QStringLiteral("7"), QStringLiteral("--pdf"),
                                        dir.filePath(QStringLiteral("sheet\x1b[2J.pdf"))},
                                       settings());
        for (const auto& result : {deployed, exported, sheet}) {
            QCOMPARE(result.exitCode, 0);
            QVERIFY2(!(result.out + result.err).contains(QChar(0x1b)), qPrintable(result.out));
            QVERIFY2(result.out.contains(QStringLiteral("\\x1b[2J")), qPrintable(result.out));
        }
    }
};

KESTROVA_TEST(DeployCommandTest)
#include "deploy_command_test.moc"
