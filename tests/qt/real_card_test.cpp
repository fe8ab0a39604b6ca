#include "card/card_lookup.h"
#include "card/system_volumes.h"
#include "card/udisks_cards.h"
#include "card/udisks_devices.h"
#include "dialog/card_file_actions.h"
#include "fleet/deploy_log.h"
#include "fleet/many_cards_form.h"
#include "qt/open_form.h"
#include "res/camera_templates.h"
#include "res/fleet_templates.h"
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
    // One more card, its device.
    QString card(const QString& name, const QString& size, bool readOnly = false) {
        script({QStringLiteral("card"), dir_, name, size,
                readOnly ? QStringLiteral("ro") : QString()});
        return value(QStringLiteral("CARD_") + name);
    }
    // BUS, UDISKSD, CARD_A, UUID_A, CARD_B, UUID_B, CARD_ and UUID_ of each card made, and FUSE
    // of the last mount.
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
    QString season() const { return dir.filePath(QStringLiteral("season")); }
    QProcessEnvironment commandEnvironment() const {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"), value("BUS"));
        environment.insert(QStringLiteral("KESTROVA_SETTINGS"),
                           dir.filePath(QStringLiteral("season-prefs.ini")));
        environment.insert(QStringLiteral("XDG_DATA_HOME"),
                           dir.filePath(QStringLiteral("season-data")));
        return environment;
    }
    // One row for each camera, in their order, each done; the fifth on the spare; what the
    // cards were found to be, with the file system they say they have.
    void checkSeasonLog(const QString& log) {
        const fleet::LogTable table = fleet::readLogTable(test::fileBytes(log));
        QCOMPARE(table.rows.size(), 10);
        for (int n = 1; n <= 10; ++n) {
            const fleet::LogRow& row = table.rows[n - 1];
            QCOMPARE(row.value(QStringLiteral("camera_id")),
                     QStringLiteral("S-%1").arg(n, 2, 10, QLatin1Char('0')));
            QCOMPARE(row.value(QStringLiteral("result")), QStringLiteral("done"));
        }
        QCOMPARE(table.rows[4].value(QStringLiteral("uuid")), value("UUID_SPARE"));
        QVERIFY2(table.rows[6]
                     .value(QStringLiteral("card_warnings"))
                     .contains(QStringLiteral("DCIM: 1")),
                 qPrintable(table.rows[6].value(QStringLiteral("card_warnings"))));
        QVERIFY2(table.rows[8]
                     .value(QStringLiteral("card_warnings"))
                     .contains(QStringLiteral("larger than 32 GB and formatted as exfat")),
                 qPrintable(table.rows[8].value(QStringLiteral("card_warnings"))));
    }
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
                 card() + QStringLiteral("  label \"KESB\", exfat, 1.0 GiB, not responding: its "
                                         "files are not read"));
        // deploy with that card named ends with the reason, as cards does, rather than hang.
        const auto deployed =
            kestrova({QStringLiteral("deploy"), dir.filePath(QStringLiteral("kit.json")),
                      QStringLiteral("--card"), card(), QStringLiteral("--log"),
                      dir.filePath(QStringLiteral("stopped-log.csv"))});
        QCOMPARE(deployed.exitCode, 1);
        QCOMPARE(deployed.err.trimmed(),
                 QStringLiteral("kestrova: --card: %1 does not answer: its file system is not "
                                "responding")
                     .arg(card()));
        for (const pid_t pid : stopped)
            ::kill(pid, SIGCONT);
    }

    // A season of ten cameras runs in one go, in the command and in the window: the fifth card
    // is read-only (its camera gets the spare that comes next), one card holds an earlier
    // season's pictures and one is a 64 GB exFAT card (each asked about once, and logged with
    // what it is), and the log has one row for each camera.
    void aSeasonRunsInOneGo() {
        // A card's write and eject, on a machine busy with other builds.
        constexpr int seasonWaitMs = 60000;
        // No card of the tests before is in a reader.
        test::runProgram(QStringLiteral("umount"), {card()}, QString());
        const QStringList cards{"S1", "S2", "S3", "S4", "S5", "SPARE",
                                "S6", "S7", "S8", "S9", "S10"};
        for (const QString& name : cards)
            QVERIFY(!sandbox
                         .card(name, name == u"S9" ? QStringLiteral("64G") : QStringLiteral("1G"),
                               name == u"S5")
                         .isEmpty());
        // Pictures of an earlier season on S7.
        QVERIFY(sandbox.mount(QStringLiteral("mount"), value("CARD_S7"), season()) > 0);
        QVERIFY(QDir(season()).mkpath(QStringLiteral("DCIM/100MEDIA")));
        QVERIFY(test::writeFile(season() + QStringLiteral("/DCIM/100MEDIA/IMG0001.JPG"), "jpeg"));
        QCOMPARE(test::runProgram(QStringLiteral("umount"), {season()}, QString()).exitCode, 0);

        const QString folder = dir.filePath(QStringLiteral("season-kit"));
        QVERIFY(QDir().mkpath(folder));
        QCOMPARE(kestrova({QStringLiteral("menu"), QStringLiteral("--model"), QStringLiteral("7"),
                           QStringLiteral("--out"), folder})
                     .exitCode,
                 0);
        const QString kit = dir.filePath(QStringLiteral("season.json"));
        QCOMPARE(kestrova({QStringLiteral("kit"), folder, QStringLiteral("--out"), kit,
                           QStringLiteral("--model"), QStringLiteral("7")})
                     .exitCode,
                 0);
        QByteArray table = "camera_id,locationName\r\n";
        for (int n = 1; n <= 10; ++n)
            table += QStringLiteral("S-%1,Plot %1\r\n").arg(n, 2, 10, QLatin1Char('0')).toUtf8();
        const QString cameras = dir.filePath(QStringLiteral("season.csv"));
        QVERIFY(test::writeFile(cameras, table));

        // The command: each card mounted once the one before is ejected; questions answered yes.
        const QString log = dir.filePath(QStringLiteral("season-log.csv"));
        QProcess run;
        run.setProcessEnvironment(commandEnvironment());
        run.start(QStringLiteral(KESTROVA_CLI),
                  {QStringLiteral("deploy"), kit, QStringLiteral("--cameras"), cameras,
                   QStringLiteral("--log"), log});
        QByteArray said, asked;
        for (const QString& name : cards) {
            QVERIFY(sandbox.mount(QStringLiteral("mount"),
                                  value(qPrintable(QStringLiteral("CARD_") + name)), season()) > 0);
            if (name == u"S7" || name == u"S9") {
                QTRY_VERIFY_WITH_TIMEOUT((asked += run.readAllStandardError()).endsWith("[y/N] "),
                                         seasonWaitMs);
                asked.clear();
                run.write("y\n");
            }
            QTRY_VERIFY2_WITH_TIMEOUT(
                !isMountPoint(season()),
                qPrintable(name + u'\n' + QString::fromUtf8(said += run.readAllStandardOutput()) +
                           QString::fromUtf8(asked += run.readAllStandardError())),
                seasonWaitMs);
        }
        // A run that ended while the last card was ejected has already finished.
        const bool finished =
            run.state() == QProcess::NotRunning || run.waitForFinished(seasonWaitMs);
        said += run.readAllStandardOutput();
        QVERIFY2(finished,
                 qPrintable(QString::fromUtf8(said + asked + run.readAllStandardError())));
        QVERIFY2(run.exitCode() == 0, said.constData());
        QVERIFY2(said.contains("Insert another card for camera S-05 (5 of 10)"), said.constData());
        checkSeasonLog(log);

        // The window, on the same cards with a log of its own.
        test::FakeHost host;
        host.yesNoAnswers = {true, true};
        dialog::FormContext context{{2, false, false}, 7, 0};
        context.volumes = &desktop;
        const QString windowLog = dir.filePath(QStringLiteral("window-log.csv"));
        fleet::ManyCardsForm form(context, host, [] {
            return std::unique_ptr<card::CardService>(card::UdisksCards::connectTo(2000));
        });
        form.initialise();
        for (const auto& [field, text] : {std::pair{res::many_cards::kitField, kit},
                                          std::pair{res::many_cards::camerasField, cameras},
                                          std::pair{res::many_cards::logField, windowLog}}) {
            form.dialog().setText(field, text);
            form.editChanged(field);
        }
        form.buttonPressed(res::many_cards::start);
        for (const QString& name : cards) {
            QTRY_VERIFY_WITH_TIMEOUT(form.dialog()
                                         .controlCaption(res::many_cards::status)
                                         .startsWith(QStringLiteral("Insert")),
                                     seasonWaitMs);
            QVERIFY(sandbox.mount(QStringLiteral("mount"),
                                  value(qPrintable(QStringLiteral("CARD_") + name)), season()) > 0);
            QTRY_VERIFY_WITH_TIMEOUT(!isMountPoint(season()) || !form.running(), seasonWaitMs);
        }
        QTRY_VERIFY_WITH_TIMEOUT(!form.running(), seasonWaitMs);
        QCOMPARE(host.questions.size(), 2);
        for (const QStringList& row : form.dialog().rows(res::many_cards::camerasTable))
            QCOMPARE(row.value(res::many_cards::StateColumn), QStringLiteral("done"));
        checkSeasonLog(windowLog);
    }
};

KESTROVA_TEST(RealCardTest)
#include "real_card_test.moc"
