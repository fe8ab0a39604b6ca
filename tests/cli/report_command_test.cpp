#include "fleet/deploy_log.h"
#include "support/camtrap_validators.h"
#include "support/process_runner.h"
#include "support/test_files.h"
#include "support/test_pictures.h"
#include "support/test_registry.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace kestrova;
using test::runKestrova;

namespace {

const QDateTime deployed(QDate(2026, 5, 4), QTime(8, 0), QTimeZone::utc());
const QString data = QStringLiteral(KESTROVA_TEST_DATA);

// Each file below the folder with its bytes' SHA-256 and its modification and access times,
// read without touching the access time (which reading the card back must leave too).
QMap<QString, QString> stateOf(const QString& folder) {
    QMap<QString, QString> state;
    QDirIterator files(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString path = files.next();
        struct stat status {};
        ::stat(QFile::encodeName(path).constData(), &status);
        QCryptographicHash hash(QCryptographicHash::Sha256);
        const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NOATIME);
        char buffer[65536];
        for (ssize_t n; fd >= 0 && (n = ::read(fd, buffer, sizeof buffer)) > 0;)
            hash.addData(QByteArrayView(buffer, n));
        ::close(fd);
        state[path] = QString::fromLatin1(hash.result().toHex()) + QStringLiteral(" %1.%2 %3.%4")
                                                                       .arg(status.st_mtim.tv_sec)
                                                                       .arg(status.st_mtim.tv_nsec)
                                                                       .arg(status.st_atim.tv_sec)
                                                                       .arg(status.st_atim.tv_nsec);
    }
    return state;
}

// Sets every file's access time long before its modification time, where a read that sets it
// would show.
void ageAccessTimes(const QString& folder) {
    QDirIterator files(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const timespec times[2] = {{1577836800, 0}, {0, UTIME_OMIT}};
        ::utimensat(AT_FDCWD, QFile::encodeName(files.next()).constData(), times, 0);
    }
}

} // namespace

// kestrova report on a card set up by kestrova menu and logged as kestrova deploy logs it,
// brought back with pictures a camera with a time lapse every 6 hours would take.
class ReportCommandTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    int cards_ = 0;

    QString settings() const { return dir_.filePath(QStringLiteral("prefs.ini")); }

    // A card of model 7 with its menu.dat (a time lapse every 6 hours) and a log whose row is
    // this card's by its menu.dat.
    QString makeCard(const QList<int>& missing, int clockOffset) {
        const QString card = dir_.filePath(QStringLiteral("card%1").arg(++cards_));
        QByteArray menu;
        if (!test::writeTimeLapseMenu(card, 6, 1, &menu))
            return {};
        fleet::DeployLog log;
        if (log.open(card + QStringLiteral(".csv")))
            return {};
        fleet::LogEntry row;
        row.written = deployed.addSecs(-1800);
        row.cameraId = QStringLiteral("NORTH-01");
        row.model = QStringLiteral("Kes SigmaMG");
        row.sha256[QStringLiteral("menu.dat")] =
            QString::fromLatin1(QCryptographicHash::hash(menu, QCryptographicHash::Sha256).toHex());
        row.kitName = QStringLiteral("North grid");
        row.result = QStringLiteral("done");
        row.setupBy = QStringLiteral("Łukasz Nowak");
        row.cameraDelay = QStringLiteral("60");
        row.carried = {{QStringLiteral("deploymentStart"), deployed.toString(Qt::ISODate)},
                       {QStringLiteral("latitude"), QStringLiteral("52.70442")},
                       {QStringLiteral("longitude"), QStringLiteral("23.8")},
                       {QStringLiteral("locationName"), QStringLiteral("Białowieża, 01")}};
        if (log.append(row).problem)
            return {};
        if (test::fillCard(card, deployed, 6, 6, missing, clockOffset) <= 0)
            return {};
        ageAccessTimes(card);
        return card;
    }

    test::ProcessResult report(const QString& card, QStringList more = {}) {
        return runKestrova(QStringList{QStringLiteral("report"), card, QStringLiteral("--log"),
                                       card + QStringLiteral(".csv"), QStringLiteral("--tz"),
                                       QStringLiteral("UTC"), QStringLiteral("--retrieved"),
                                       QStringLiteral("2026-05-09T23:59:00Z")} +
                               more,
                           settings());
    }

private Q_SLOTS:
    void exitStatusSaysWhatWasFound_data() {
        QTest::addColumn<QList<int>>("missing");
        QTest::addColumn<int>("clockOffset");
        QTest::addColumn<QStringList>("more");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<int>("working");
        QTest::addColumn<bool>("clockProblem");
        QTest::newRow("worked every day") << QList<int>{} << 0 << QStringList{} << 0 << 6 << false;
        QTest::newRow("two days down") << QList<int>{3, 4} << 0 << QStringList{} << 1 << 4 << false;
        QTest::newRow("a clock 3 hours behind: pictures before the start")
            << QList<int>{} << -3 * 3600 << QStringList{} << 1 << 6 << true;
        QTest::newRow("a clock photo 3 min 10 s off")
            << QList<int>{} << 0
            << QStringList{QStringLiteral("--clock-photo"),
                           QStringLiteral("DCIM/100MEDIA/IMG_0001.JPG=2026-05-04T11:56:50Z")}
            << 1 << 6 << true;
        QTest::newRow("a clock photo right to the minute, in local time with --tz")
            << QList<int>{} << 0
            << QStringList{QStringLiteral("--clock-photo"),
                           QStringLiteral("DCIM/100MEDIA/IMG_0001.JPG=2026-05-04T12:00:30")}
            << 0 << 6 << false;
    }
    void exitStatusSaysWhatWasFound() {
        QFETCH(QList<int>, missing);
        QFETCH(int, clockOffset);
        QFETCH(QStringList, more);
        QFETCH(int, exitCode);
        QFETCH(int, working);
        QFETCH(bool, clockProblem);
        const QString card = makeCard(missing, clockOffset);
        QVERIFY(!card.isEmpty());
        const auto result = report(card, more + QStringList{QStringLiteral("--json")});
        QVERIFY2(result.exitCode == exitCode, qPrintable(result.out + result.err));
        const QJsonObject json = QJsonDocument::fromJson(result.out.toUtf8()).object();
        QCOMPARE(json[QStringLiteral("deployment_days")].toInt(), 6);
        QCOMPARE(json[QStringLiteral("working_days")].toInt(), working);
        QCOMPARE(json[QStringLiteral("clock")][QStringLiteral("problem")].toBool(), clockProblem);
        const QJsonObject deployment = json[QStringLiteral("deployment")].toObject();
        QCOMPARE(deployment[QStringLiteral("id")].toString(),
                 QStringLiteral("NORTH-01-2026-05-04"));
        QCOMPARE(deployment[QStringLiteral("start_from")].toString(),
                 QStringLiteral("cameras_table"));
        // The first day holds the two times after the start, the others all four.
        const QJsonArray days = json[QStringLiteral("days")].toArray();
        QCOMPARE(days.first()[QStringLiteral("time_lapse_times")].toInt(), 2);
        QCOMPARE(days.last()[QStringLiteral("time_lapse_times")].toInt(), 4);
        for (const int day : missing)
            QCOMPARE(days[day - 1][QStringLiteral("operation")].toInt(), 0);
    }

    void badInputIsRefused_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        const QString card = QStringLiteral("CARD");
        QTest::newRow("no such folder") << QStringList{QStringLiteral("/nonexistent/card")}
                                        << QStringLiteral("is not a folder");
        QTest::newRow("a time zone that is none")
            << QStringList{card, QStringLiteral("--tz"), QStringLiteral("Mars/Olympus")}
            << QStringLiteral("--tz");
        QTest::newRow("a clock photo without its time")
            << QStringList{card, QStringLiteral("--clock-photo"), QStringLiteral("IMG_0001.JPG")}
            << QStringLiteral("FILE=TIME");
        QTest::newRow("a clock photo not on the card")
            << QStringList{card, QStringLiteral("--clock-photo"),
                           QStringLiteral("NONE.JPG=2026-05-04T10:00:00")}
            << QStringLiteral("no picture or video on the card");
        QTest::newRow("a clock photo's time that is none")
            << QStringList{card, QStringLiteral("--clock-photo"),
                           QStringLiteral("DCIM/100MEDIA/IMG_0001.JPG=noon")}
            << QStringLiteral("is not a time");
        QTest::newRow("a retrieval time that is none")
            << QStringList{card, QStringLiteral("--retrieved"), QStringLiteral("yesterday")}
            << QStringLiteral("--retrieved");
        QTest::newRow("a package on the card")
            << QStringList{card, QStringLiteral("--camtrap-dp"), QStringLiteral("CARD/package")}
            << QStringLiteral("is on the card");
        QTest::newRow("a log that is none")
            << QStringList{card, QStringLiteral("--log"), QStringLiteral("CARD.csv.none")}
            << QStringLiteral("the log");
    }
    void badInputIsRefused() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        const QString card = makeCard({}, 0);
        QVERIFY(test::writeFile(card + QStringLiteral(".csv.none"), "time,camera\r\n1,2\r\n"));
        for (QString& argument : arguments)
            argument.replace(QStringLiteral("CARD"), card);
        const QMap<QString, QString> before = stateOf(card);
        const auto result =
            runKestrova(QStringList{QStringLiteral("report")} + arguments, settings());
        QCOMPARE(result.exitCode, 2);
        QVERIFY2(result.err.contains(message), qPrintable(result.err));
        QVERIFY(result.out.isEmpty());
        QCOMPARE(stateOf(card), before);
    }

    // --log appends the card's return below the log's rows, through the log's own writer: tied
    // to the card written that it closes, with its counts and findings; a log ending in half a
    // row keeps that row on a line of its own, and a failed append leaves the log as it was.
    void returnIsLoggedInTheLog_data() {
        QTest::addColumn<QList<int>>("missing");
        QTest::addColumn<QStringList>("more");
        QTest::addColumn<QString>("log"); // the card's own, one without its row, half a row...
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("said");
        QTest::addColumn<QStringList>("columns"); // column=value in the return's row
        const QString closes =
            QStringLiteral("closes=") + deployed.addSecs(-1800).toString(Qt::ISODate);
        QTest::newRow("the card of its row")
            << QList<int>{} << QStringList{} << QStringLiteral("own") << 0
            << QStringLiteral("The card's return is logged in")
            << QStringList{QStringLiteral("camera_id=NORTH-01"),
                           closes,
                           QStringLiteral("retrieved=2026-05-09T23:59:00Z"),
                           QStringLiteral("first_picture=2026-05-04T12:00:00+00:00"),
                           QStringLiteral("last_picture=2026-05-09T18:00:00+00:00"),
                           QStringLiteral("pictures=22"),
                           QStringLiteral("days_working=6"),
                           QStringLiteral("days_down=0"),
                           QStringLiteral("timestamp_issues=false")};
        QTest::newRow("two days down, a clock 3 min 10 s ahead")
            << QList<int>{3, 4}
            << QStringList{QStringLiteral("--clock-photo"),
                           QStringLiteral("DCIM/100MEDIA/IMG_0001.JPG=2026-05-04T11:56:50Z")}
            << QStringLiteral("own") << 1 << QStringLiteral("The card's return is logged in")
            << QStringList{closes, QStringLiteral("days_working=4"), QStringLiteral("days_down=2"),
                           QStringLiteral("clock_offset_seconds=190"),
                           QStringLiteral("timestamp_issues=true")};
        QTest::newRow("a log without the card's row")
            << QList<int>{} << QStringList{} << QStringLiteral("empty") << 0
            << QStringLiteral("its return is logged on its own")
            << QStringList{QStringLiteral("camera_id="), QStringLiteral("closes="),
                           QStringLiteral("pictures=22")};
        QTest::newRow("a log ending in half a row")
            << QList<int>{} << QStringList{} << QStringLiteral("half") << 0
            << QStringLiteral("ended in half a row (line 3)") << QStringList{closes};
        QTest::newRow("a log whose disk fails the sync")
            << QList<int>{} << QStringList{} << QStringLiteral("failing") << 1
            << QStringLiteral("could not be logged") << QStringList{};
    }
    void returnIsLoggedInTheLog() {
        QFETCH(QList<int>, missing);
        QFETCH(QStringList, more);
        QFETCH(QString, log);
        QFETCH(int, exitCode);
        QFETCH(QString, said);
        QFETCH(QStringList, columns);
        const QString card = makeCard(missing, 0);
        QVERIFY(!card.isEmpty());
        // Each log in a folder of its own, where a failing disk fails nothing else.
        const QString logs = card + QStringLiteral("-logs");
        const QString path = logs + QStringLiteral("/log.csv");
        QVERIFY(QDir().mkpath(logs));
        QByteArray before = test::fileBytes(card + QStringLiteral(".csv"));
        if (log == u"empty")
            before = before.left(before.indexOf("\r\n") + 2);
        else if (log == u"half")
            before += "2026-05-04T07:30:00Z,NORTH-02,Kes Sig";
        QVERIFY(test::writeFile(path, before));
        QProcessEnvironment failing;
        if (log == u"failing") {
            failing.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(KESTROVA_FAILING_IO));
            failing.insert(QStringLiteral("ASAN_OPTIONS"),
                           QStringLiteral("verify_asan_link_order=0:detect_leaks=0"));
            failing.insert(QStringLiteral("KESTROVA_FAIL_SYNC_IN"), logs);
        }
        const QStringList arguments{
            QStringLiteral("report"),      card,
            QStringLiteral("--log"),       path,
            QStringLiteral("--tz"),        QStringLiteral("UTC"),
            QStringLiteral("--retrieved"), QStringLiteral("2026-05-09T23:59:00Z")};
        const auto result = runKestrova(arguments + more, settings(), failing);
        QVERIFY2(result.exitCode == exitCode, qPrintable(result.out + result.err));
        QVERIFY2((result.out + result.err).contains(said), qPrintable(result.out + result.err));

        const QByteArray after = test::fileBytes(path);
        if (columns.isEmpty()) {
            QCOMPARE(after, before);
            return;
        }
        QVERIFY(after.startsWith(before));
        const fleet::LogTable table = fleet::readLogTable(after);
        QVERIFY(!table.problem);
        const fleet::LogRow& back = table.rows.last();
        QCOMPARE(back.value(QStringLiteral("result")), QStringLiteral("retrieved"));
        for (const QString& column : columns)
            QCOMPARE(column.section(u'=', 0, 0) + u'=' + back.value(column.section(u'=', 0, 0)),
                     column);
        QVERIFY(back.value(QStringLiteral("findings")).contains(QStringLiteral("Working: ")));
    }

    // The package closes the deployment and passes the Camtrap DP validators, as the format's
    // own example does; reading the card and writing the package change nothing on the card.
    void packageValidatesAndTheCardStaysAsItWas() {
        const QString card = makeCard({3}, 0);
        QVERIFY(!card.isEmpty());
        const QMap<QString, QString> before = stateOf(card);
        const QString package = dir_.filePath(QStringLiteral("package"));
        const auto result = report(card, {QStringLiteral("--camtrap-dp"), package});
        QVERIFY2(result.exitCode == 1, qPrintable(result.out + result.err));
        QCOMPARE(stateOf(card), before);
        QVERIFY2(result.out.contains(QStringLiteral("Working: 5 of 6 days.")),
                 qPrintable(result.out));
        QVERIFY(result.out.contains(QStringLiteral("Down: 2026-05-06.")));
        QVERIFY(result.err.isEmpty());

        const QString deployments = test::fileBytes(package + QStringLiteral("/deployments.csv"));
        QVERIFY2(deployments.contains(QStringLiteral(
                     "NORTH-01-2026-05-04,,\"Białowieża, 01\",52.70442,23.8,,2026-05-04T08:00:00Z,"
                     "2026-05-09T23:59:00Z,Łukasz Nowak,NORTH-01,Kestrova-SigmaMG,60,,,,,,false,")),
                 qPrintable(deployments));
        const QStringList media =
            QString::fromUtf8(test::fileBytes(package + QStringLiteral("/media.csv")))
                .split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        QCOMPARE(media.size(), 1 + 18);
        QVERIFY2(media[1].startsWith(QStringLiteral(
                     "NORTH-01-2026-05-04/DCIM/100MEDIA/IMG_0001.JPG,NORTH-01-2026-05-04,timeLapse,"
                     "2026-05-04T12:00:00+00:00,DCIM/100MEDIA/"
                     "IMG_0001.JPG,false,IMG_0001.JPG,image/jpeg")),
                 qPrintable(media[1]));

        const QString schemas = data + QStringLiteral("/camtrap-dp");
        for (const QString& checked : {package, schemas + QStringLiteral("/example")}) {
            const std::optional<QString> problems = test::camtrapProblems(checked, settings());
            if (!problems)
                QSKIP("node or the validators are missing: run scripts/install-deps");
            QVERIFY2(problems->isEmpty(), qPrintable(*problems));
        }
    }
};

KESTROVA_TEST(ReportCommandTest)
#include "report_command_test.moc"
