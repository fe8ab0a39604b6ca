#include "camera/menu_record.h"
#include "support/process_runner.h"
#include "support/test_files.h"
#include "support/test_registry.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <vector>

using namespace kestrova;
using namespace kestrova::test;

namespace {

const QByteArray oldMenu = QByteArray(4, '\x11') + QByteArray(52, '\0') + "\x12\x34\r\n";

// Whether this machine lets us make a private mount namespace (root, or user namespaces).
bool canUnshare() {
    return runProgram(QStringLiteral("unshare"),
                      {QStringLiteral("-m"), QStringLiteral("--propagation"),
                       QStringLiteral("private"), QStringLiteral("true")},
                      QString())
               .exitCode == 0;
}

// Runs a shell script in a private mount namespace, with the kestrova under test as $KESTROVA.
ProcessResult inPrivateMounts(const QString& script, const QString& settings,
                              QProcessEnvironment environment = {}) {
    environment.insert(QStringLiteral("KESTROVA"), QStringLiteral(KESTROVA_CLI));
    return runProgram(QStringLiteral("unshare"),
                      {QStringLiteral("-m"), QStringLiteral("--propagation"),
                       QStringLiteral("private"), QStringLiteral("sh"), QStringLiteral("-c"),
                       script},
                      settings, environment);
}

} // namespace

// Cards that cannot take the file: the command must say why, exit 1, and leave the card as it was.
class WriteFailureTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString settings() const { return dir.filePath(QStringLiteral("prefs.ini")); }

private Q_SLOTS:
    void regularFileWhereTheFolderShouldBe() {
        const QString card = dir.filePath(QStringLiteral("not-a-folder"));
        QVERIFY(writeFile(card, "x"));
        const auto result = runKestrova({QStringLiteral("menu"), QStringLiteral("--model"),
                                         QStringLiteral("1"), QStringLiteral("--out"), card},
                                        settings());
        QCOMPARE(result.exitCode, 1);
        QCOMPARE(result.out, QString());
        QCOMPARE(result.err.trimmed(),
                 QStringLiteral("kestrova: The file ") + card + QStringLiteral("/menu.dat") +
                     QStringLiteral(" could not be written: the folder does not exist or the card "
                                    "was removed. The settings on the card were not changed."));
        QCOMPARE(fileBytes(card), QByteArray("x"));
    }

    void chineseMessageForChineseUsers() {
        const QString card = dir.filePath(QStringLiteral("missing"));
        QProcessEnvironment chinese;
        chinese.insert(QStringLiteral("LC_ALL"), QStringLiteral("zh_CN.UTF-8"));
        chinese.insert(QStringLiteral("LANG"), QStringLiteral("zh_CN.UTF-8"));
        const auto result = runKestrova({QStringLiteral("factory-reset"), QStringLiteral("--out"),
                                         card, QStringLiteral("--language"), QStringLiteral("1")},
                                        settings(), chinese);
        QCOMPARE(result.exitCode, 1);
        QVERIFY2(result.err.contains(QStringLiteral("无法写入文件 ") + card +
                                     QStringLiteral("/menu.dat：文件夹不存在或存储卡已被取出。")),
                 qPrintable(result.err));
    }

    // A card that fails while the file is flushed, while it is read, or while its folder is
    // flushed, through a preloaded shim that makes those system calls fail with EIO.
    void deviceFailures_data() {
        QTest::addColumn<QString>("variable");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message"); // %1: the file
        QTest::addColumn<bool>("oldFileKept");
        QTest::addColumn<QString>("logLine"); // under QT_LOGGING_RULES; %1: the file
        QTest::newRow("flush fails")
            << "KESTROVA_FAIL_SYNC_IN" << 1
            << "kestrova: The file %1 could not be written: Input/output "
               "error. The settings on the card were not changed."
            << true << "kestrova.write: writing %1 failed: Input/output error";
        QTest::newRow("read-back fails")
            << "KESTROVA_FAIL_READ_IN" << 1
            << "kestrova: The file %1 was written, but it could not be read back to check it. "
               "Write it again, or check it with \"kestrova inspect %1\"."
            << false
            << "kestrova.history: no copy of %1 was kept: menu.dat could not be read: "
               "Input/output error\nkestrova.write: %1 was written but cannot be read back";
        QTest::newRow("folder flush fails")
            << "KESTROVA_FAIL_FOLDER_SYNC_IN" << 1
            << "kestrova: The file %1 was written, but the card did not confirm the change to its "
               "folder (Input/output error). Generate it again, or check the card with "
               "\"kestrova inspect\"."
            << false << "kestrova.write: writing %1 failed: Input/output error";
        // The write goes ahead, but nobody may count on a copy that was never made.
        QTest::newRow("old file cannot be read")
            << "KESTROVA_FAIL_FIRST_READ_IN" << 0
            << "kestrova: no copy of the file it replaced could be kept in the history (menu.dat "
               "could not be read: Input/output error)"
            << false
            << "kestrova.history: no copy of %1 was kept: menu.dat could not be read: "
               "Input/output error";
    }
    void deviceFailures() {
        QFETCH(QString, variable);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        QFETCH(bool, oldFileKept);
        QFETCH(QString, logLine);
        // Once as the user runs it, once with the log on: the log's line comes on top.
        for (const bool logged : {false, true}) {
            const QString card = dir.filePath(
                QStringLiteral("failing-%1-%2").arg(QTest::currentDataTag()).arg(logged));
            const QString menu = card + QStringLiteral("/menu.dat");
            QVERIFY(QDir().mkpath(card));
            QVERIFY(writeFile(menu, oldMenu));
            QProcessEnvironment environment;
            environment.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(KESTROVA_FAILING_IO));
            // The sanitizer runtime accepts a library preloaded in front of it.
            environment.insert(QStringLiteral("ASAN_OPTIONS"),
                               QStringLiteral("verify_asan_link_order=0:detect_leaks=0"));
            environment.insert(variable, card);
            if (logged)
                environment.insert(QStringLiteral("QT_LOGGING_RULES"),
                                   QStringLiteral("kestrova.*.warning=true"));
            const auto result = runKestrova({QStringLiteral("menu"), QStringLiteral("--model"),
                                             QStringLiteral("1"), QStringLiteral("--out"), card},
                                            settings(), environment);
            QCOMPARE(result.exitCode, exitCode);
            QCOMPARE(result.out.trimmed(), exitCode == 0 ? menu : QString());
            QCOMPARE(result.err.trimmed(),
                     (logged ? logLine.arg(menu) + u'\n' : QString()) + message.arg(menu));
            QCOMPARE(fileBytes(menu) == oldMenu, oldFileKept);
            QCOMPARE(QDir(card).entryList(QDir::Files | QDir::Hidden),
                     QStringList{QStringLiteral("menu.dat")});
            const auto history = runKestrova({QStringLiteral("history")}, settings());
            QVERIFY(!history.out.contains(QStringLiteral("failing-old")));
        }
    }

    // An unset variable in a script must not send the file into the root folder.
    void emptyFolderIsBadInput_data() {
        QTest::addColumn<QStringList>("out");
        QTest::newRow("separate") << QStringList{QStringLiteral("--out"), QString()};
        QTest::newRow("joined") << QStringList{QStringLiteral("--out=")};
    }
    void emptyFolderIsBadInput() {
        QFETCH(QStringList, out);
        const auto result = runKestrova(
            QStringList{QStringLiteral("menu"), QStringLiteral("--model"), QStringLiteral("1")} +
                out,
            settings());
        QCOMPARE(result.exitCode, 2);
        QCOMPARE(result.err.trimmed(),
                 QStringLiteral("kestrova: --out: the folder is empty; give the folder to write "
                                "into (\".\" for this one)"));
        const auto reset =
            runKestrova(QStringList{QStringLiteral("factory-reset")} + out, settings());
        QCOMPARE(reset.exitCode, 2);
    }

    // Writers of one file take turns, also when half of them reach the card through a link:
    // each finds the card as one of them left it.
    void writersOfOneFileTakeTurns() {
        const QString card = dir.filePath(QStringLiteral("shared-card"));
        const QString linked = dir.filePath(QStringLiteral("linked-card"));
        QVERIFY(QDir().mkpath(card));
        QVERIFY(QFile::link(card, linked));
        std::vector<std::unique_ptr<QProcess>> writers;
        for (int length = 1; length <= 12; ++length) {
            auto writer = std::make_unique<QProcess>();
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert(QStringLiteral("KESTROVA_SETTINGS"), settings());
            environment.insert(QStringLiteral("XDG_DATA_HOME"),
                               dir.filePath(QStringLiteral("data")));
            writer->setProcessEnvironment(environment);
            writer->start(QStringLiteral(KESTROVA_CLI),
                          {QStringLiteral("menu"), QStringLiteral("--model"), QStringLiteral("1"),
                           QStringLiteral("--out"), length % 2 ? card : linked,
                           QStringLiteral("--set"), QStringLiteral("video_length=%1").arg(length)});
            writers.push_back(std::move(writer));
        }
        for (const auto& writer : writers) {
            QVERIFY(writer->waitForFinished(30000));
            QVERIFY2(writer->exitCode() == 0, writer->readAllStandardError().constData());
        }
        const QByteArray written = fileBytes(card + QStringLiteral("/menu.dat"));
        QVERIFY(camera::checkMenuRecord(written).intact());
        QVERIFY(written[4] >= 0 && written[4] < 12); // the video length byte of one of them
        QCOMPARE(QDir(card).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("menu.dat")});
    }

    void lockedOrFullCard_data() {
        QTest::addColumn<QString>("mount");
        QTest::addColumn<QString>("reason");
        // A read-only bind mount stands for a card whose lock switch is on.
        QTest::newRow("locked card")
            << "mount --bind \"$CARD\" \"$CARD\" && mount -o remount,bind,ro \"$CARD\""
            << "the card is read-only or locked.";
        // One page of tmpfs, taken by the old file: no room for the new one.
        QTest::newRow("full card") << "mount -t tmpfs -o size=4k tmpfs \"$CARD\" && cp \"$OLD\" "
                                      "\"$CARD/menu.dat\" && cp \"$OLD\" \"$CARD/filler\" || true"
                                   << "the card is full.";
        // A full FAT card behind FUSE answers EPERM where a kernel driver says ENOSPC.
        QTest::newRow("full FUSE card")
            << "export KESTROVA_ENOSPC_AS_EPERM_IN=\"$CARD\" "
               "LD_PRELOAD=\"$SHIM\" ASAN_OPTIONS="
               "verify_asan_link_order=0:detect_leaks=0\n"
               "mount -t tmpfs -o size=4k tmpfs \"$CARD\" && cp \"$OLD\" "
               "\"$CARD/menu.dat\" && cp \"$OLD\" \"$CARD/filler\" || true"
            << "the card is full.";
    }
    void lockedOrFullCard() {
        QFETCH(QString, mount);
        QFETCH(QString, reason);
        if (!canUnshare())
            QSKIP("this machine does not allow a private mount namespace (unshare -m)");

        const QString card = dir.filePath(QStringLiteral("card-") + QTest::currentDataTag());
        QVERIFY(QDir().mkpath(card));
        const QString old = dir.filePath(QStringLiteral("old-menu.dat"));
        QVERIFY(writeFile(old, oldMenu));
        QVERIFY(writeFile(card + QStringLiteral("/menu.dat"), oldMenu));

        // Everything is checked inside the namespace, where the mount exists.
        const QString script =
            mount +
            QStringLiteral("\n\"$KESTROVA\" menu --model 7 --out \"$CARD\"; echo \"exit=$?\"\n"
                           "cmp -s \"$OLD\" \"$CARD/menu.dat\" && echo old-file-intact\n"
                           "ls -A \"$CARD\" | grep -v -x -e menu.dat -e filler -e lost+found "
                           "|| echo no-leftovers\n");
        QProcessEnvironment environment;
        environment.insert(QStringLiteral("CARD"), card);
        environment.insert(QStringLiteral("OLD"), old);
        environment.insert(QStringLiteral("SHIM"), QStringLiteral(KESTROVA_FAILING_IO));
        const auto result = inPrivateMounts(script, settings(), environment);
        QVERIFY2(result.out.contains(QStringLiteral("exit=1")),
                 qPrintable(result.out + result.err));
        QVERIFY2(result.err.contains(QStringLiteral("The file ") + card +
                                     QStringLiteral("/menu.dat could not be written: ") + reason),
                 qPrintable(result.err));
        QVERIFY2(result.out.contains(QStringLiteral("old-file-intact")), qPrintable(result.out));
        QVERIFY2(result.out.contains(QStringLiteral("no-leftovers")), qPrintable(result.out));
    }

    // A card pulled while the writer waits for its turn, or before its old file is restored:
    // the file never lands in the PC's folder the card leaves behind.
    void cardPulledMeanwhile_data() {
        QTest::addColumn<QString>("script");
        QTest::newRow("pulled while the writer waits for its turn")
            << "LOCKS=\"$XDG_RUNTIME_DIR/kestrova\"; mkdir -p -m 700 \"$LOCKS\"\n"
               "flock \"$LOCKS/write-$(stat -c %d-%i \"$CARD\")-menu.dat.lock\" sleep 1 &\n"
               "sleep 0.3; \"$KESTROVA\" menu --model 7 --out \"$CARD\" & writer=$!\n"
               "sleep 0.3; umount -l \"$CARD\"; wait $writer; echo \"exit=$?\"\n";
        QTest::newRow("restore after the card was pulled")
            << "\"$KESTROVA\" menu --model 7 --out \"$CARD\" && \"$KESTROVA\" menu --model 7 "
               "--out \"$CARD\" --set video_length=30 >/dev/null\n"
               "ID=$(\"$KESTROVA\" history | head -n 1 | cut -d' ' -f1); umount \"$CARD\"\n"
               "\"$KESTROVA\" restore \"$ID\"; echo \"exit=$?\"\n";
    }
    void cardPulledMeanwhile() {
        QFETCH(QString, script);
        if (!canUnshare())
            QSKIP("this machine does not allow a private mount namespace (unshare -m)");
        const QString card = dir.filePath(QStringLiteral("pulled-") + QTest::currentDataTag());
        const QString runtime = dir.filePath(QStringLiteral("runtime"));
        QVERIFY(QDir().mkpath(card) && QDir().mkpath(runtime));
        QVERIFY(
            QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        QProcessEnvironment environment;
        environment.insert(QStringLiteral("CARD"), card);
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
        const auto result =
            inPrivateMounts(QStringLiteral("mount -t tmpfs -o size=64k tmpfs "
                                           "\"$CARD\"\n") +
                                script + QStringLiteral("ls -A \"$CARD\"; echo listed"),
                            settings(), environment);
        QVERIFY2(result.out.endsWith(QStringLiteral("exit=1\nlisted\n")),
                 qPrintable(result.out + result.err));
        QVERIFY2(result.err.contains(QStringLiteral("the folder does not exist or the card was "
                                                    "removed")),
                 qPrintable(result.err));
    }

    // Everything a run keeps, it keeps in the user's own folders: /tmp stays as it was.
    void aCleanRunLeavesNothingInTmp() {
        if (!canUnshare())
            QSKIP("this machine does not allow a private mount namespace (unshare -m)");
        // The program is opened before /tmp and /mnt are covered, and run from a copy in the
        // private /mnt: a build under /tmp (a clone there, say) is hidden once /tmp is.
        const QString script = QStringLiteral(
            "exec 3<\"$KESTROVA\" &&\n"
            "mount -t tmpfs tmpfs /tmp && mount -t tmpfs tmpfs /mnt && mkdir /mnt/card /mnt/home "
            "/mnt/bin &&\n"
            "cat <&3 >/mnt/bin/kestrova && chmod +x /mnt/bin/kestrova && exec 3<&- &&\n"
            "mount -t tmpfs tmpfs /mnt/card\n"
            "export HOME=/mnt/home XDG_DATA_HOME=/mnt/home/data KESTROVA_SETTINGS=/mnt/home/p.ini\n"
            "unset XDG_RUNTIME_DIR TMPDIR; K=/mnt/bin/kestrova\n"
            "\"$K\" menu --model 7 --out /mnt/card && \"$K\" factory-reset --out /mnt/card &&\n"
            "\"$K\" restore \"$(\"$K\" history | head -n 1 | cut -d' ' -f1)\" &&\n"
            "\"$K\" inspect /mnt/card && \"$K\" cards && echo ran >&2\n"
            "echo \"in /tmp:$(ls -A /tmp)\"");
        const auto result = inPrivateMounts(script, settings());
        QVERIFY2(result.err.endsWith(QStringLiteral("ran\n")), qPrintable(result.err));
        QVERIFY2(result.out.endsWith(QStringLiteral("\nin /tmp:\n")), qPrintable(result.out));
    }

    // Where cards are mounted, an empty folder on the PC's own disk is a card's folder without
    // its card: nothing goes there unless the owner says so.
    void emptyMountFolderOnThePcsDisk_data() {
        QTest::addColumn<QString>("setup"); // run in a private mount namespace, over a fresh /mnt
        QTest::addColumn<QString>("flags");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("the card's empty folder") << "mkdir /mnt/card"
                                                 << "" << 1;
        QTest::newRow("told to write there") << "mkdir /mnt/card"
                                             << "--allow-fixed" << 0;
        QTest::newRow("a folder with files") << "mkdir /mnt/card && touch /mnt/card/notes"
                                             << "" << 0;
        QTest::newRow("a card mounted there") << "mkdir /mnt/card && mount -t tmpfs tmpfs /mnt/card"
                                              << "" << 0;
        QTest::newRow("an empty folder on the card")
            << "mkdir /mnt/disk && mount -t tmpfs tmpfs /mnt/disk && mkdir /mnt/disk/card "
               "&& ln -s disk/card /mnt/card"
            << "" << 0;
    }
    void emptyMountFolderOnThePcsDisk() {
        QFETCH(QString, setup);
        QFETCH(QString, flags);
        QFETCH(int, exitCode);
        if (!canUnshare())
            QSKIP("this machine does not allow a private mount namespace (unshare -m)");
        const QString script =
            QStringLiteral("mount -t tmpfs tmpfs /mnt && %1 && \"$KESTROVA\" menu --model 7 --out "
                           "/mnt/card %2; echo \"exit=$?\"; ls /mnt/card")
                .arg(setup, flags);
        const auto result = inPrivateMounts(script, settings());
        QVERIFY2(result.out.contains(QStringLiteral("exit=%1").arg(exitCode)),
                 qPrintable(result.out + result.err));
        QCOMPARE(result.out.contains(QStringLiteral("menu.dat")), exitCode == 0);
        if (exitCode != 0)
            QVERIFY2(result.err.contains(QStringLiteral(
                         "kestrova: /mnt/card is an empty folder on the PC's own disk under /mnt")),
                     qPrintable(result.err));
    }
};

KESTROVA_TEST(WriteFailureTest)
#include "write_failure_test.moc"
