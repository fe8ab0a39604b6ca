#include "card/card_lookup.h"
#include "card/system_volumes.h"
#include "card/udisks_devices.h"
#include "dialog/card_file_actions.h"
#include "qt/open_form.h"
#include "res/camera_templates.h"
#include "storage/file_history.h"
#include "storage/record_file.h"
#include "support/process_runner.h"
#include "support/test_files.h"
#include "support/test_registry.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/file.h>

using namespace kestrova;
using namespace kestrova::res::camera_form;
using kestrova::test::OpenForm;

namespace {

// The real services, brought up and taken down by tests/support/card_sandbox.sh: whatever it
// started and made is undone when this ends, however the test ends. One test at a time has them.
class CardSandbox {
public:
    ~CardSandbox() {
        if (lock_.isOpen())
            script({QStringLiteral("stop"), dir_});
    }
    // Why they cannot run here, or nothing once they do.
    QString start() {
        const test::ProcessResult check = script({QStringLiteral("check")});
        if (check.exitCode != 0 || !check.out.isEmpty())
            return check.out + check.err;
        if (!lock_.open(QIODevice::ReadWrite) || ::flock(lock_.handle(), LOCK_EX) != 0)
            return lock_.fileName() + QStringLiteral(": ") + lock_.errorString();
        const test::ProcessResult started = script({QStringLiteral("start"), dir_});
        return started.exitCode == 0 ? QString() : started.out + started.err;
    }
    // Mounts a card's device through FUSE ("mount"), or a folder ("bind"); the daemon's pid.
    pid_t mount(const QString& how, const QString& source, const QString& folder) {
        script({how, dir_, source, folder});
        return value(QStringLiteral("FUSE")).toInt();
    }
    // BUS, UDISKSD, CARD_A, UUID_A, CARD_B, UUID_B, and FUSE of the last mount.
    QString value(const QString& key) const { return values_.value(key); }

private:
    test::ProcessResult script(const QStringList& arguments) {
        const auto result = test::runProgram(
            QStringLiteral(KESTROVA_TEST_SUPPORT "/card_sandbox.sh"), arguments, QString());
        for (const QString& line : result.out.split(u'\n', Qt::SkipEmptyParts))
            values_.insert(line.section(u'=', 0, 0), line.section(u'=', 1));
        return result;
    }

    QString dir_ = QStringLiteral("/tmp/kestrova-card-sandbox.%1").arg(::getpid());
    QFile lock_{QStringLiteral("/run/lock/kestrova-card-sandbox.lock")};
    QMap<QString, QString> values_;
};

} // namespace

// The card workflow against the real udev and udisks2, with loop devices made SD cards by a udev
// rule and exFAT mounted through FUSE.
class RealCardTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    CardSandbox sandbox;
    // What the desktop program asks: udisks2 joined with the system's own tables.
    const card::SystemVolumes desktop{[] { return card::udisksDevices(); }};
    // Where the command keeps its history too.
    FileHistory history{dir.filePath(QStringLiteral("data/kestrova/history"))};
    QString keptFromA;
    pid_t cardDaemon = 0;

    QString card() const { return dir.filePath(QStringLiteral("card")); }
    QString value(const char* key) const { return sandbox.value(QLatin1String(key)); }
    test::ProcessResult kestrova(const QStringList& arguments) const {
        QProcessEnvironment bus;
        bus.insert(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"), value("BUS"));
        return test::runKestrova(arguments, dir.filePath(QStringLiteral("prefs.ini")), bus);
    }
    dialog::FormContext context() const {
        dialog::FormContext context{{2, false, false}, 7, 0};
        context.cards = card::CardLookup::start(desktop);
        context.volumes = &desktop;
        context.history = const_cast<FileHistory*>(&history);
        return context;
    }

private Q_SLOTS:
    void initTestCase() {
        if (const QString why = sandbox.start(); !why.isEmpty())
            QSKIP(qPrintable(QStringLiteral("no real card services here: ") + why));
        qputenv("DBUS_SYSTEM_BUS_ADDRESS", value("BUS").toUtf8());
        QVERIFY(sandbox.mount(QStringLiteral("mount"), value("CARD_A"), card()) > 0);
        QCOMPARE(kestrova({QStringLiteral("menu"), QStringLiteral("--model"), QStringLiteral("7"),
                           QStringLiteral("--out"), card(), QStringLiteral("--set"),
                           QStringLiteral("video_length=45")})
                     .exitCode,
                 0);
    }
    void cleanupTestCase() {
        qputenv("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=/nonexistent/kestrova-tests-have-no-bus");
    }

    // deploy finds the card through udisks2, writes it, logs it with its identity, and has
    // udisks2 unmount it; the card then goes back where the other tests want it.
    void deployWritesLogsAndEjectsThroughUdisks() {
        const QString kit = dir.filePath(QStringLiteral("kit.json"));
        const QString log = dir.filePath(QStringLiteral("log.csv"));
        QCOMPARE(kestrova({QStringLiteral("kit"), card(), QStringLiteral("--out"), kit,
                           QStringLiteral("--model"), QStringLiteral("7")})
                     .exitCode,
                 0);
        QProcessEnvironment bus;
        bus.insert(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"), value("BUS"));
        // A history of its own, so the forms' tests below find theirs as they left it.
        const auto deployed = test::runKestrova(
            {QStringLiteral("deploy"), kit, QStringLiteral("--once"), QStringLiteral("--log"), log},
            dir.filePath(QStringLiteral("deploy/prefs.ini")), bus);
        QVERIFY2(deployed.exitCode == 0, qPrintable(deployed.out + deployed.err));
        QVERIFY2(deployed.out.contains(QStringLiteral("cards through udisks2")),
                 qPrintable(deployed.out));
        QVERIFY2(deployed.out.contains(QStringLiteral("is done and ejected")),
                 qPrintable(deployed.out));
        const QString row = QString::fromUtf8(test::fileBytes(log)).section(u'\n', 1, 1);
        QVERIFY2(row.contains(u',' + value("CARD_A") + u',') &&
                     row.contains(u',' + value("UUID_A") + u',') && row.contains(u",done,"),
                 qPrintable(row));
        QVERIFY(!isMountPoint(card()));

        // Waiting with no card in, the card mounted meanwhile is heard of through udisks2's
        // signals, written, and ejected.
        QProcess waiting;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"), value("BUS"));
        environment.insert(QStringLiteral("KESTROVA_SETTINGS"),
                           dir.filePath(QStringLiteral("deploy/prefs.ini")));
        environment.insert(QStringLiteral("XDG_DATA_HOME"), dir.filePath(QStringLiteral("deploy")));
        waiting.setProcessEnvironment(environment);
        waiting.start(QStringLiteral(KESTROVA_CLI),
                      {QStringLiteral("deploy"), kit, QStringLiteral("--once"),
                       QStringLiteral("--yes"), QStringLiteral("--log"), log});
        QByteArray said;
        QTRY_VERIFY((said += waiting.readAllStandardOutput()).contains("Insert the next card"));
        QVERIFY(sandbox.mount(QStringLiteral("mount"), value("CARD_A"), card()) > 0);
        QVERIFY(waiting.waitForFinished(20000));
        QCOMPARE(waiting.exitCode(), 0);
        QCOMPARE(test::fileBytes(log).count(",done,"), 2);
        QVERIFY(!isMountPoint(card()));
        QVERIFY(sandbox.mount(QStringLiteral("mount"), value("CARD_A"), card()) > 0);
    }

    void windowAndCommandFindTheSameCard() {
        const auto listed = kestrova({QStringLiteral("cards"), QStringLiteral("--json")});
        const QJsonArray cards = QJsonDocument::fromJson(listed.out.toUtf8())[u"cards"].toArray();
        QCOMPARE(cards.size(), 1);
        const QJsonObject listedCard = cards[0].toObject();
        QCOMPARE(listedCard[u"mount_point"].toString(), card());
        QCOMPARE(listedCard[u"file_system"].toString(), QStringLiteral("exfat"));
        QCOMPARE(listedCard[u"uuid"].toString(), value("UUID_A"));
        QCOMPARE(listedCard[u"files"][u"menu.dat"][u"state"].toString(), QStringLiteral("intact"));

        const QList<card::Volume> found = card::detectCards(desktop);
        QCOMPARE(found.size(), 1);
        QCOMPARE(found[0].mountPoint, card());
        QCOMPARE(found[0].uuid, value("UUID_A"));
        const auto udisks = card::udisksDevices();
        QVERIFY(udisks);
        QVERIFY(std::any_of(udisks->begin(), udisks->end(), [this](const card::DeviceFacts& f) {
            return f.device == value("CARD_A") && f.flashMedia && f.fileSystem == u"exfat";
        }));
    }

    void formGoesToTheCardUntilItIsPulled() {
        OpenForm f(app::SetupForm::Camera, context());
        f.host.yesNoAnswers = {true};
        QTRY_COMPARE(f.edit(folderField)->text(), card());
        QCOMPARE(f.host.questions.size(), 1);
        QCOMPARE(f.edit(videoLength)->text(), QStringLiteral("45"));
        f.typeOver(videoLength, QStringLiteral("30"));
        QTest::mouseClick(f.window->widget(generateButton), Qt::LeftButton);
        QVERIFY2(f.host.messages.last().endsWith(
                     card() + QStringLiteral("/menu.dat\nChanged on the card:\nVideo Length: 45 s "
                                             "-> 30 s")),
                 qPrintable(f.host.messages.last()));
        QCOMPARE(history.entries().size(), 1);
        QCOMPARE(history.entries()[0].volume.uuid, value("UUID_A"));
        keptFromA = history.entries()[0].id;

        QCOMPARE(test::runProgram(QStringLiteral("umount"), {card()}, QString()).exitCode, 0);
        QTest::mouseClick(f.window->widget(generateButton), Qt::LeftButton);
        QVERIFY2(f.host.messages.last().contains(QStringLiteral("the card was removed")),
                 qPrintable(f.host.messages.last()));
        QVERIFY(QDir(card()).isEmpty());
    }

    void anotherCardInTheSameFolderGetsNothingOfTheFirst() {
        cardDaemon = sandbox.mount(QStringLiteral("mount"), value("CARD_B"), card());
        QVERIFY(cardDaemon > 0);
        const auto refused = kestrova({QStringLiteral("restore"), keptFromA});
        QCOMPARE(refused.exitCode, 2);
        QVERIFY2(refused.err.contains(QStringLiteral("kept from the card KESA (%1), but %2 holds "
                                                     "the card KESB (%3)")
                                          .arg(value("UUID_A"), card(), value("UUID_B"))),
                 qPrintable(refused.err));

        // Chosen on the first card in this run: the second one is not that card.
        dialog::FormContext chosen = context();
        chosen.folder = {card(), true, {value("UUID_A"), QStringLiteral("KESA")}};
        chosen.folderFromThisRun = true;
        OpenForm first(app::SetupForm::Camera, chosen);
        QTRY_VERIFY(chosen.cards->done());
        QTest::mouseClick(first.window->widget(generateButton), Qt::LeftButton);
        QVERIFY(first.host.messages.last().contains(QStringLiteral("the card was removed")));

        // Gone to by itself, the second card is offered no copy of the first's file.
        OpenForm second(app::SetupForm::Camera, context());
        QTRY_COMPARE(second.edit(folderField)->text(), card());
        second.model->contextActionChosen(dialog::CardFileActions::RestorePrevious);
        QCOMPARE(second.host.messages.last(),
                 QStringLiteral("No earlier menu.dat from this folder is kept in the history."));
        QVERIFY(QDir(card()).isEmpty());
    }

    void stoppedServicesHoldNothingUp() {
        const QString bound = dir.filePath(QStringLiteral("bound"));
        const pid_t bindfs = sandbox.mount(QStringLiteral("bind"), dir.path(), bound);
        QVERIFY(bindfs > 0);
        const QList<pid_t> stopped{bindfs, cardDaemon, pid_t(value("UDISKSD").toInt())};
        // Stopped FUSE daemons left behind would trouble every later test on this machine: they
        // go on again in ten seconds, whatever becomes of this test.
        QString resume = QStringLiteral("sleep 10; kill -CONT");
        for (const pid_t pid : stopped)
            resume += u' ' + QString::number(pid);
        QVERIFY(QProcess::startDetached(QStringLiteral("sh"), {QStringLiteral("-c"), resume}));
        for (const pid_t pid : {bindfs, stopped[2]})
            QCOMPARE(::kill(pid, SIGSTOP), 0);

        // udisks2 does not answer: the form is there at once, and finds the card all the same.
        OpenForm f(app::SetupForm::Camera, context());
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        QTRY_COMPARE(f.edit(folderField)->text(), card());

        // A card whose FUSE daemon stopped is listed as such; a mount on no device is not asked.
        QCOMPARE(::kill(cardDaemon, SIGSTOP), 0);
        const auto listed = kestrova({QStringLiteral("cards")});
        QCOMPARE(listed.exitCode, 0);
        QCOMPARE(listed.out.trimmed(),
                 card() + QStringLiteral("  label \"KESB\", exfat, 64.0 MiB, not responding: its "
                                         "files are not read"));
        for (const pid_t pid : stopped)
            ::kill(pid, SIGCONT);
    }
};

KESTROVA_TEST(RealCardTest)
#include "real_card_test.moc"
