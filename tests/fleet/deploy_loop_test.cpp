#include "camera/menu_record.h"
#include "fleet/deploy_loop.h"
#include "fleet/fleet_test_support.h"
#include "support/fake_host.h"
#include "support/fake_volumes.h"
#include "support/test_files.h"
#include "support/test_registry.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace kestrova;
using fleet::DeployEnd;

namespace {

// The volumes a test puts in the readers; a hook runs whenever the writer asks what a folder
// holds, which it does for every file it writes.
class Readers final : public card::VolumeSource {
public:
    QList<card::Volume> list;
    std::function<void()> whileWriting;
    QList<card::Volume> volumes() const override { return list; }
    std::optional<card::Volume> volumeAt(const QString& folder) const override {
        if (whileWriting)
            whileWriting();
        return VolumeSource::volumeAt(folder);
    }
};

// Ejects by taking the card out of the readers, or (`stays`) says it did while the card stays,
// as an unmount udisks2 took but did not do.
struct Ejector final : card::CardEjector {
    Readers* readers = nullptr;
    bool stays = false;
    QStringList ejected;
    std::optional<QString> eject(const card::Volume& card) override {
        ejected << card.mountPoint;
        if (!stays)
            readers->list.removeIf(
                [&card](const auto& v) { return v.mountPoint == card.mountPoint; });
        return std::nullopt;
    }
};

struct Observer final : fleet::DeployObserver {
    QStringList statuses, results, questions;
    std::deque<bool> answers; // given as each question comes; no once they run out
    fleet::DeployLoop* loop = nullptr;
    int next = -1;
    std::optional<DeployEnd> end;
    void status(const QString& text) override { statuses << text; }
    void nextCamera(int camera) override { next = camera; }
    void cardFinished(const fleet::CardReport& report) override {
        results << report.cameraName + u' ' + report.text;
    }
    void ask(const QString& question) override {
        questions << question;
        if (answers.empty())
            return;
        const bool yes = answers.front();
        answers.pop_front();
        loop->answer(yes);
    }
    void finished(DeployEnd how, const QString&) override { end = how; }
};

QString serialOn(const QString& folder) {
    const auto bytes = test::fileBytes(folder + QStringLiteral("/menu.dat"));
    const auto s = camera::decodeMenuRecord(camera::toMenuRecord(bytes), CameraForm::B).settings;
    QString serial;
    for (const int position : {s.serial_char1, s.serial_char2, s.serial_char3, s.serial_char4})
        serial += position < 10 ? QChar(u'0' + position) : QChar(u'A' + position - 10);
    return s.serial_no ? serial : QString();
}

fleet::Camera cameraWithSerial(const QString& id, const QString& serial) {
    fleet::Camera camera{2, id, {}, {}};
    camera.values << fleet::CameraValue{QStringLiteral("serial"), fleet::KitPart::Menu,
                                        QStringLiteral("serial_no"), QStringLiteral("On")};
    for (int at = 0; at < 4; ++at)
        camera.values << fleet::CameraValue{QStringLiteral("serial"), fleet::KitPart::Menu,
                                            QStringLiteral("serial_char%1").arg(at + 1),
                                            serial.mid(at, 1)};
    return camera;
}

// Cameras N-01 .. N-n, each with its serial N001 ..
QList<fleet::Camera> cameras(int count) {
    QList<fleet::Camera> made;
    for (int n = 1; n <= count; ++n)
        made << cameraWithSerial(QStringLiteral("N-%1").arg(n, 2, 10, QLatin1Char('0')),
                                 QStringLiteral("N%1").arg(n, 3, 10, QLatin1Char('0')));
    return made;
}

} // namespace

// The loop over a list of volumes the test fills and empties, with real folders for cards and a
// real log.
class DeployLoopTest : public QObject {
    Q_OBJECT

    // Each test's own, made anew by init().
    std::unique_ptr<QTemporaryDir> dirs;
    QTemporaryDir& dir() { return *dirs; }
    Readers readers;
    Ejector ejector;
    Observer observer;
    std::unique_ptr<fleet::DeployLog> log;
    test::FixedClock clock;
    std::unique_ptr<fleet::DeployLoop> loop;
    int cardsMade = 0;

    QString logPath() { return dir().filePath(QStringLiteral("log.csv")); }

    card::Volume card(const QString& name) {
        QDir(dir().path()).mkpath(name);
        card::Volume volume = test::volumeAt(dir().filePath(name), true, card::Bus::Sd);
        volume.device = QStringLiteral("/dev/") + name;
        volume.uuid = name.toUpper();
        return volume;
    }
    // A new card in the readers, heard of.
    card::Volume insert(const QString& name = {}) {
        const card::Volume made =
            card(name.isEmpty() ? QStringLiteral("sd%1").arg(++cardsMade) : name);
        readers.list << made;
        loop->cardsChanged();
        return made;
    }

    void startLoop(fleet::DeploySetup setup) {
        setup.kit = test::openingKit();
        QVERIFY(!log->open(logPath()));
        loop = std::make_unique<fleet::DeployLoop>(setup, readers, ejector, *log, nullptr, clock,
                                                   observer);
        observer.loop = loop.get();
        loop->start();
    }
    void startLoop(QList<fleet::Camera> list) {
        fleet::DeploySetup setup;
        setup.cameras = std::move(list);
        startLoop(setup);
    }

    QList<fleet::LogRow> logRows() { return fleet::readLogTable(test::fileBytes(logPath())).rows; }
    QStringList loggedCameras() {
        QStringList ids;
        for (const fleet::LogRow& row : logRows())
            ids << row.value(QStringLiteral("camera_id")) + u' ' +
                       row.value(QStringLiteral("result")).section(u':', 0, 0);
        return ids;
    }
    // A log of earlier runs with those cameras done.
    void logDone(const QStringList& ids) {
        fleet::DeployLog earlier;
        QVERIFY(!earlier.open(logPath()));
        for (const QString& id : ids) {
            fleet::LogEntry entry;
            entry.written =
                QDateTime::fromString(QStringLiteral("2026-05-01T09:00:00Z"), Qt::ISODate);
            entry.cameraId = id;
            entry.uuid = QStringLiteral("OLD-") + id;
            entry.result = QStringLiteral("done");
            QVERIFY(!earlier.append(entry).problem);
        }
    }

private Q_SLOTS:
    void init() {
        loop.reset();
        dirs = std::make_unique<QTemporaryDir>();
        log = std::make_unique<fleet::DeployLog>();
        readers = {};
        ejector = {};
        ejector.readers = &readers;
        observer = {};
        cardsMade = 0;
    }

    // Card in, written, ejected, logged; a fixed disk is never written; a card holding another
    // camera's files is written only after a yes.
    void writesOneCardAfterAnother() {
        card::Volume disk =
            test::volumeAt(dir().filePath(QStringLiteral("disk")), false, card::Bus::Other);
        QDir(dir().path()).mkpath(QStringLiteral("disk"));
        readers.list << disk;
        startLoop(cameras(2));
        QCOMPARE(observer.statuses.last(),
                 QStringLiteral("Insert the card for camera N-01 (1 of 2)"));
        const card::Volume first = insert();
        QCOMPARE(serialOn(first.mountPoint), QStringLiteral("N001"));
        QCOMPARE(ejector.ejected, QStringList{first.mountPoint});
        // The row says in plain words what the camera will do, without the clock it has a column
        // for, and without the number the pictures go to.
        const QByteArray logged = test::fileBytes(logPath());
        QVERIFY2(logged.contains("On motion: ") && logged.contains("recipients: 1"),
                 logged.constData());
        QVERIFY(!logged.contains("clock is set") && !logged.contains("07700900123"));

        const card::Volume second = card(QStringLiteral("sdc1"));
        QVERIFY(test::writeFile(second.mountPoint + QStringLiteral("/menu.dat"),
                                test::fileBytes(first.mountPoint + QStringLiteral("/menu.dat"))));
        observer.answers = {true};
        readers.list << second;
        loop->cardsChanged();
        QCOMPARE(observer.questions.size(), 1);
        QVERIFY(observer.questions.first().contains(QStringLiteral("serial text N001")));
        QCOMPARE(serialOn(second.mountPoint), QStringLiteral("N002"));
        QCOMPARE(observer.end, DeployEnd::AllDone);
        QCOMPARE(observer.results,
                 (QStringList{QStringLiteral("N-01 done"), QStringLiteral("N-02 done")}));
        QCOMPARE(loggedCameras(),
                 (QStringList{QStringLiteral("N-01 done"), QStringLiteral("N-02 done")}));
        QVERIFY(QDir(disk.mountPoint).isEmpty());
    }

    // The log is read first: the cameras it has a card done for are passed over, and said so. A
    // card refused (here a folder where menu.dat goes) is not logged and leaves its camera next,
    // for the next card; --camera begins elsewhere and the run comes round; --once writes one.
    void carriesOnFromTheLog_data() {
        QTest::addColumn<QString>("first");
        QTest::addColumn<bool>("once");
        QTest::addColumn<QStringList>("written");
        QTest::addColumn<int>("end");
        QTest::newRow("from the log")
            << QString() << false << QStringList{"N-05", "N-06", "N-07"} << int(DeployEnd::AllDone);
        QTest::newRow("--camera") << QStringLiteral("N-07") << false
                                  << QStringList{"N-07", "N-05", "N-06"} << int(DeployEnd::AllDone);
        QTest::newRow("--once") << QString() << true << QStringList{"N-05"}
                                << int(DeployEnd::AllDone);
    }
    void carriesOnFromTheLog() {
        QFETCH(QString, first);
        QFETCH(bool, once);
        QFETCH(QStringList, written);
        QFETCH(int, end);
        logDone({QStringLiteral("N-01"), QStringLiteral("N-02"), QStringLiteral("N-03"),
                 QStringLiteral("N-04")});
        fleet::DeploySetup setup;
        setup.cameras = cameras(7);
        setup.firstCamera = first;
        setup.once = once;
        startLoop(setup);
        QCOMPARE(observer.statuses.first(),
                 QStringLiteral("These cameras have a card done in the log and are passed over: "
                                "N-01, N-02, N-03, N-04"));

        const card::Volume refused = card(QStringLiteral("refused"));
        QVERIFY(QDir(refused.mountPoint).mkdir(QStringLiteral("menu.dat")));
        readers.list << refused;
        loop->cardsChanged();
        QCOMPARE(observer.results.last(),
                 written[0] + QStringLiteral(" failed: menu.dat on the card is a folder or a "
                                             "device, not a file; nothing was written"));
        QCOMPARE(observer.statuses.last(),
                 QStringLiteral("Insert another card for camera %1 (%2 of 7)")
                     .arg(written[0], written[0].right(1)));
        QCOMPARE(logRows().size(), 4);

        for (const QString& id : written) {
            const card::Volume next = insert();
            QCOMPARE(serialOn(next.mountPoint), QStringLiteral("N00") + id.right(1));
        }
        QCOMPARE(int(*observer.end), end);
        QStringList logged{"N-01 done", "N-02 done", "N-03 done", "N-04 done"};
        for (const QString& id : written)
            logged << id + QStringLiteral(" done");
        QCOMPARE(loggedCameras(), logged);
        QVERIFY(loop->stillFailed().isEmpty());
    }

    // A camera with a card done gets another only after a yes (or --again), and its row says
    // which card it replaces; a no passes it over.
    void asksBeforeACameraGetsASecondCard_data() {
        QTest::addColumn<bool>("again");
        QTest::addColumn<QList<bool>>("answers");
        QTest::addColumn<QString>("written");
        QTest::newRow("asked, yes") << false << QList<bool>{true} << QStringLiteral("N-01");
        QTest::newRow("asked, no") << false << QList<bool>{false} << QStringLiteral("N-02");
        QTest::newRow("--again") << true << QList<bool>{} << QStringLiteral("N-01");
    }
    void asksBeforeACameraGetsASecondCard() {
        QFETCH(bool, again);
        QFETCH(QList<bool>, answers);
        QFETCH(QString, written);
        logDone({QStringLiteral("N-01")});
        fleet::DeploySetup setup;
        setup.cameras = cameras(2);
        setup.firstCamera = QStringLiteral("N-01");
        if (again)
            setup.again = {QStringLiteral("N-01")};
        observer.answers.assign(answers.cbegin(), answers.cend());
        startLoop(setup);
        QCOMPARE(observer.questions.size(), answers.size());
        if (!answers.isEmpty())
            QCOMPARE(observer.questions.first(),
                     QStringLiteral("Camera N-01 already has a card done (card OLD-N-01 written "
                                    "2026-05-01T09:00:00Z). Write another card for it, which "
                                    "replaces that one?"));
        insert();
        const fleet::LogRow row = logRows().last();
        QCOMPARE(row.value(QStringLiteral("camera_id")), written);
        QCOMPARE(row.value(QStringLiteral("replaces")),
                 written == u"N-01" ? QStringLiteral("card OLD-N-01 written 2026-05-01T09:00:00Z")
                                    : QString());
    }

    // A card whose unmount did not happen is said to be still there and stays passed over; the
    // next cards are taken in the order they came, not in the order of their folders.
    void takesCardsInTheOrderTheyCame() {
        ejector.stays = true;
        startLoop(cameras(3));
        const card::Volume first = insert(QStringLiteral("sdz"));
        QCOMPARE(observer.statuses[observer.statuses.size() - 2],
                 QStringLiteral("The card for camera N-01 is done, but it did not eject (it is "
                                "still mounted): unmount and remove the card at %1 by hand.")
                     .arg(first.mountPoint));
        QCOMPARE(observer.statuses.last(),
                 QStringLiteral("Insert the card for camera N-02 (2 of 3)"));

        // While the owner is asked about a card, two more come: sdx, then sdm.
        const card::Volume asked = card(QStringLiteral("sdq"));
        QVERIFY(test::writeFile(asked.mountPoint + QStringLiteral("/menu.dat"),
                                test::fileBytes(first.mountPoint + QStringLiteral("/menu.dat"))));
        readers.list << asked;
        loop->cardsChanged();
        QCOMPARE(observer.questions.size(), 1);
        const card::Volume earlier = insert(QStringLiteral("sdx"));
        const card::Volume later = insert(QStringLiteral("sdm"));
        loop->answer(false);
        QCOMPARE(serialOn(earlier.mountPoint), QStringLiteral("N002"));
        QCOMPARE(serialOn(later.mountPoint), QStringLiteral("N003"));
        QCOMPARE(serialOn(asked.mountPoint), QStringLiteral("N001"));
        QCOMPARE(observer.end, DeployEnd::AllDone);
    }

    // What the summary warns of a card is asked about once, before it is written (the file
    // system named as the card says, not as its FUSE mount does), and logged with the card.
    void asksAboutWhatTheCardIs_data() {
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QList<bool>>("answers");
        QTest::addColumn<bool>("written");
        QTest::newRow("asked, yes") << false << QList<bool>{true} << true;
        QTest::newRow("asked, no") << false << QList<bool>{false} << false;
        QTest::newRow("--yes") << true << QList<bool>{} << true;
    }
    void asksAboutWhatTheCardIs() {
        QFETCH(bool, yes);
        QFETCH(QList<bool>, answers);
        QFETCH(bool, written);
        fleet::DeploySetup setup;
        setup.cameras = cameras(1);
        setup.yes = yes;
        observer.answers.assign(answers.cbegin(), answers.cend());
        startLoop(setup);
        card::Volume big = card(QStringLiteral("sdb1"));
        big.fileSystem = QStringLiteral("exfat");
        big.bytesTotal = 64'000'000'000LL;
        QVERIFY(QDir(big.mountPoint).mkpath(QStringLiteral("DCIM/100MEDIA")));
        for (const char* name : {"DCIM/100MEDIA/IMG0001.JPG", "DCIM/100MEDIA/IMG0002.JPG"})
            QVERIFY(test::writeFile(big.mountPoint + u'/' + QLatin1String(name), "jpeg"));
        readers.list << big;
        loop->cardsChanged();
        const QString large = QStringLiteral(
            "The card is larger than 32 GB and formatted as exfat: many cameras read only FAT32 "
            "cards up to 32 GB, so this one may not work.");
        const QString pictures = QStringLiteral(
            "The card still holds pictures from an earlier deployment (files in DCIM: 2).");
        if (!yes)
            QCOMPARE(observer.questions,
                     QStringList{QStringLiteral("The card at %1:\n\u2013 %2\n\u2013 %3\nWrite "
                                                "the settings of camera N-01 onto it all the "
                                                "same?")
                                     .arg(big.mountPoint, large, pictures)});
        QCOMPARE(QFile::exists(big.mountPoint + QStringLiteral("/menu.dat")), written);
        QCOMPARE(logRows().size(), written ? 1 : 0);
        if (written)
            QCOMPARE(logRows()[0].value(QStringLiteral("card_warnings")), large + u' ' + pictures);
        else
            QCOMPARE(observer.statuses.last(),
                     QStringLiteral("Insert the card for camera N-01 (1 of 1)"));
    }

    // Saved over by another program during the run (a copy renamed into its place), the log
    // still gets every row, and the run says so.
    void logSavedOverDuringTheRun() {
        startLoop(cameras(2));
        insert();
        const QString copy = dir().filePath(QStringLiteral("copy.csv"));
        QVERIFY(QFile::copy(logPath(), copy));
        QVERIFY(::rename(QFile::encodeName(copy).constData(),
                         QFile::encodeName(logPath()).constData()) == 0);
        insert();
        QCOMPARE(loggedCameras(),
                 (QStringList{QStringLiteral("N-01 done"), QStringLiteral("N-02 done")}));
        QVERIFY(observer.statuses.contains(
            QStringLiteral("The log %1 was saved over by another program since the last row; "
                           "the new row went into the file there now.")
                .arg(logPath())));
    }

    // Every file is looked at before the first is written; one that still fails later leaves a
    // message naming the files already replaced, and a row with their SHA-256, as a card stopped
    // between its files has.
    void saysWhatAPartlyWrittenCardHolds_data() {
        QTest::addColumn<QString>("spoiler"); // what stands where smtp.dat goes, and when
        QTest::addColumn<QString>("result");
        QTest::addColumn<QStringList>("hashed");
        const QString nothing = QStringLiteral("N-01 failed: smtp.dat on the card is %1; nothing "
                                               "was written");
        QTest::newRow("a link") << QStringLiteral("link") << nothing.arg(QStringLiteral("a link"))
                                << QStringList{};
        QTest::newRow("a folder") << QStringLiteral("folder")
                                  << nothing.arg(QStringLiteral("a folder or a device, not a file"))
                                  << QStringList{};
        QTest::newRow("a FIFO") << QStringLiteral("fifo")
                                << nothing.arg(QStringLiteral("a folder or a device, not a file"))
                                << QStringList{};
        QTest::newRow("a folder made meanwhile")
            << QStringLiteral("later")
            << QStringLiteral("N-01 failed: the card is only partly written: menu.dat, setup.dat "
                              "already hold the new settings. The file %1/smtp.dat could not be "
                              "written:")
            << QStringList{QStringLiteral("menu.dat"), QStringLiteral("setup.dat")};
        QTest::newRow("stopped") << QStringLiteral("stop")
                                 << QStringLiteral("N-01 incomplete (stopped)")
                                 << QStringList{QStringLiteral("menu.dat")};
    }
    void saysWhatAPartlyWrittenCardHolds() {
        QFETCH(QString, spoiler);
        QFETCH(QString, result);
        QFETCH(QStringList, hashed);
        fleet::DeploySetup setup;
        setup.cameras = cameras(1);
        setup.kit = test::openingKit();
        setup.kit.section(fleet::KitPart::Smtp) = test::openingSmtp();
        QVERIFY(!log->open(logPath()));
        const card::Volume target = card(QStringLiteral("sdb1"));
        const QString smtp = target.mountPoint + QStringLiteral("/smtp.dat");
        if (spoiler == u"link")
            QVERIFY(QFile::link(dir().filePath(QStringLiteral("elsewhere")), smtp));
        else if (spoiler == u"folder")
            QVERIFY(QDir().mkdir(smtp));
        else if (spoiler == u"fifo")
            QCOMPARE(::mkfifo(QFile::encodeName(smtp).constData(), 0600), 0);
        int files = 0;
        readers.whileWriting = [&] {
            // The writer asks once for each file it writes.
            if (++files == 3 && spoiler == u"later")
                QDir().mkdir(smtp);
            if (files == 1 && spoiler == u"stop")
                loop->requestStop();
        };
        loop = std::make_unique<fleet::DeployLoop>(setup, readers, ejector, *log, nullptr, clock,
                                                   observer);
        loop->start();
        readers.list << target;
        loop->cardsChanged();
        QVERIFY2(observer.results.value(0).startsWith(result.arg(target.mountPoint)),
                 qPrintable(observer.results.value(0)));
        QCOMPARE(logRows().size(), hashed.isEmpty() ? 0 : 1);
        for (const QString& file : {QStringLiteral("menu.dat"), QStringLiteral("setup.dat")}) {
            if (hashed.isEmpty())
                break;
            const QString sha = logRows()[0].value(file);
            QCOMPARE(sha.isEmpty(), !hashed.contains(file));
            if (!sha.isEmpty())
                QCOMPARE(sha.toLatin1(),
                         fleet::sha256Hex(test::fileBytes(target.mountPoint + u'/' + file)));
        }
    }
};

KESTROVA_TEST(DeployLoopTest)
#include "deploy_loop_test.moc"
