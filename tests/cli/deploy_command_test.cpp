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
};

KESTROVA_TEST(DeployCommandTest)
#include "deploy_command_test.moc"
