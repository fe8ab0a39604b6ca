#include "camera/menu_record.h"
#include "common/clock.h"
#include "fleet/deploy_loop.h"
#include "fleet/fleet_test_support.h"
#include "support/fake_host.h"
#include "support/fake_volumes.h"
#include "support/test_files.h"
#include "support/test_registry.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

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

struct Ejector final : card::CardEjector {
    QStringList ejected;
    std::optional<QString> eject(const card::Volume& card) override {
        ejected << card.mountPoint;
        return std::nullopt;
    }
};

struct Observer final : fleet::DeployObserver {
    QStringList statuses, results, questions;
    std::optional<DeployEnd> end;
    void status(const QString& text) override { statuses << text; }
    void cardFinished(const fleet::CardReport& report) override {
        results << report.camera + u' ' + report.text;
    }
    void ask(const QString& question) override { questions << question; }
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

} // namespace

// The loop over a list of volumes the test fills and empties, with real folders for cards.
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

    card::Volume card(const QString& name) {
        QDir(dir().path()).mkpath(name);
        card::Volume volume = test::volumeAt(dir().filePath(name), true, card::Bus::Sd);
        volume.device = QStringLiteral("/dev/") + name;
        volume.uuid = name.toUpper();
        return volume;
    }

    void startLoop(QList<fleet::Camera> cameras) {
        fleet::DeploySetup setup;
        setup.kit = test::openingKit();
        setup.cameras = std::move(cameras);
        QVERIFY(!log->open(dir().filePath(QStringLiteral("log.csv"))));
        loop = std::make_unique<fleet::DeployLoop>(setup, readers, ejector, *log, nullptr, clock,
                                                   observer);
        loop->start();
    }

    int logRows() {
        return test::fileBytes(dir().filePath(QStringLiteral("log.csv"))).count('\n') - 1;
    }

private Q_SLOTS:
    void init() {
        loop.reset();
        dirs = std::make_unique<QTemporaryDir>();
        log = std::make_unique<fleet::DeployLog>();
        readers = {};
        ejector = {};
        observer = {};
    }

    // Card in, written, ejected; a second card waits until the first is out; a fixed disk and
    // a card holding another camera's files are not written unasked.
    void writesOneCardAfterAnother() {
        card::Volume disk =
            test::volumeAt(dir().filePath(QStringLiteral("disk")), false, card::Bus::Other);
        QDir(dir().path()).mkpath(QStringLiteral("disk"));
        readers.list << disk;
        startLoop({cameraWithSerial(QStringLiteral("N-01"), QStringLiteral("N001")),
                   cameraWithSerial(QStringLiteral("N-02"), QStringLiteral("N002"))});
        QCOMPARE(observer.statuses.last(),
                 QStringLiteral("Insert the card for camera N-01 (1 of 2)"));
        QVERIFY(QDir(disk.mountPoint).isEmpty());

        const card::Volume first = card(QStringLiteral("sdb1"));
        readers.list << first;
        loop->cardsChanged();
        QCOMPARE(serialOn(first.mountPoint), QStringLiteral("N001"));
        QCOMPARE(ejector.ejected, QStringList{first.mountPoint});
        QCOMPARE(logRows(), 1);
        // The row says in plain words what the camera will do, without the clock it has a column
        // for.
        const QByteArray logged = test::fileBytes(dir().filePath(QStringLiteral("log.csv")));
        QVERIFY2(logged.contains("On motion: "), logged.constData());
        QVERIFY(!logged.contains("clock is set"));

        // The second card holds another camera's menu: it waits for the first to go, then asks.
        const card::Volume second = card(QStringLiteral("sdc1"));
        QVERIFY(test::writeFile(second.mountPoint + QStringLiteral("/menu.dat"),
                                test::fileBytes(first.mountPoint + QStringLiteral("/menu.dat"))));
        readers.list << second;
        loop->cardsChanged();
        QVERIFY(observer.questions.isEmpty());
        readers.list.removeIf([&first](const auto& v) { return v.mountPoint == first.mountPoint; });
        loop->cardsChanged();
        QCOMPARE(observer.questions.size(), 1);
        QVERIFY(observer.questions.first().contains(QStringLiteral("serial text N001")));
        QCOMPARE(serialOn(second.mountPoint), QStringLiteral("N001"));
        loop->answer(true);
        QCOMPARE(serialOn(second.mountPoint), QStringLiteral("N002"));
        QCOMPARE(observer.end, DeployEnd::AllDone);
        QCOMPARE(observer.results,
                 (QStringList{QStringLiteral("N-01 done"), QStringLiteral("N-02 done")}));
        QCOMPARE(logRows(), 2);
        QVERIFY(QDir(disk.mountPoint).isEmpty());
    }

    void stops_data() {
        QTest::addColumn<bool>("duringCard");
        QTest::addColumn<int>("end");
        QTest::addColumn<int>("rows");
        QTest::newRow("between cards") << false << int(DeployEnd::Stopped) << 0;
        QTest::newRow("during a card") << true << int(DeployEnd::StoppedInCard) << 1;
    }

    // Between cards the run ends at once; during one, the file being written is finished, the
    // other is left alone, and the card is logged as incomplete.
    void stops() {
        QFETCH(bool, duringCard);
        QFETCH(int, end);
        QFETCH(int, rows);
        startLoop({});
        const card::Volume first = card(QStringLiteral("sdd1"));
        if (duringCard) {
            readers.whileWriting = [this] { loop->requestStop(); };
            readers.list << first;
            loop->cardsChanged();
        } else {
            loop->requestStop();
            loop->stopRequested();
        }
        QCOMPARE(int(*observer.end), end);
        QCOMPARE(logRows(), rows);
        QCOMPARE(QFile::exists(first.mountPoint + QStringLiteral("/menu.dat")), duringCard);
        QVERIFY(!QFile::exists(first.mountPoint + QStringLiteral("/setup.dat")));
        if (duringCard)
            QVERIFY(test::fileBytes(dir().filePath(QStringLiteral("log.csv")))
                        .contains(",incomplete,"));
    }
};

KESTROVA_TEST(DeployLoopTest)
#include "deploy_loop_test.moc"
