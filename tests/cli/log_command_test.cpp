#include "fleet/csv_table.h"
#include "fleet/deploy_log.h"
#include "support/camtrap_validators.h"
#include "support/process_runner.h"
#include "support/test_files.h"
#include "support/test_registry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace kestrova;
using test::runKestrova;

namespace {

fleet::LogEntry written(const QString& camera, const QString& time) {
    fleet::LogEntry row;
    row.written = QDateTime::fromString(time, Qt::ISODate);
    row.cameraId = camera;
    row.model = QStringLiteral("Kes SigmaMG");
    row.kitName = QStringLiteral("North grid");
    row.result = QStringLiteral("done");
    row.setupBy = QStringLiteral("Łukasz Nowak");
    row.carried = {{QStringLiteral("latitude"), QStringLiteral("52.70442")},
                   {QStringLiteral("longitude"), QStringLiteral("23.8")}};
    return row;
}

// A card's return as kestrova report --log logs it: "column=value" for each column it fills.
fleet::LogEntry returned(const QString& camera, const QString& closes, const QStringList& values) {
    fleet::LogEntry row;
    row.written = QDateTime::fromString(QStringLiteral("2026-07-10T09:00:00Z"), Qt::ISODate);
    row.cameraId = camera;
    row.result = QStringLiteral("retrieved");
    row.retrieval[QStringLiteral("closes")] = closes;
    for (const QString& value : values)
        row.retrieval[value.section(u'=', 0, 0)] = value.section(u'=', 1);
    return row;
}

// The export's deployments by their id, column by column.
QMap<QString, QMap<QString, QString>> deploymentsIn(const QString& folder) {
    const fleet::CsvTable table =
        fleet::parseCsv(test::fileBytes(folder + QStringLiteral("/deployments.csv"))).table;
    QMap<QString, QMap<QString, QString>> rows;
    for (const QStringList& row : table.rows) {
        for (qsizetype at = 0; at < row.size(); ++at)
            rows[row[0]][table.header[at]] = row[at];
    }
    return rows;
}

} // namespace

// kestrova log: the deployments a log closes as a Camtrap DP package the validators take; the
// package never replaces the log it is made of, nor another file unasked.
class LogCommandTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString settings() const { return dir.filePath(QStringLiteral("prefs.ini")); }
    QString log() const { return dir.filePath(QStringLiteral("log.csv")); }

    bool writeLog(const QString& path, const QList<fleet::LogEntry>& rows) {
        QFile::remove(path);
        fleet::DeployLog made;
        if (made.open(path))
            return false;
        for (const fleet::LogEntry& row : rows) {
            if (made.append(row).problem)
                return false;
        }
        return true;
    }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(writeLog(log(),
                         {written(QStringLiteral("N-01"), QStringLiteral("2026-05-06T07:00:00Z")),
                          returned(QStringLiteral("N-01"), QStringLiteral("2026-05-06T07:00:00Z"),
                                   {QStringLiteral("retrieved=2026-07-09T11:20:00Z")})}));
    }

    void writesOnlyWhereItMay_data() {
        QTest::addColumn<QString>("placed"); // a file put into the folder first, or none
        QTest::addColumn<bool>("force");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("said");
        QTest::newRow("the log itself in the folder")
            << QStringLiteral("deployments.csv=log") << true << 2
            << QStringLiteral("is the log itself");
        QTest::newRow("a link to the log")
            << QStringLiteral("media.csv=link") << true << 2 << QStringLiteral("is the log itself");
        QTest::newRow("another file") << QStringLiteral("datapackage.json=mine") << false << 2
                                      << QStringLiteral("exists; --force replaces it");
        QTest::newRow("another file, --force") << QStringLiteral("datapackage.json=mine") << true
                                               << 0 << QStringLiteral("1 deployments written to");
        QTest::newRow("a new folder")
            << QString() << false << 0 << QStringLiteral("1 deployments written to");
        QTest::newRow("a file where the folder goes")
            << QStringLiteral("=mine") << true << 2 << QStringLiteral("is no folder");
    }
    void writesOnlyWhereItMay() {
        QFETCH(QString, placed);
        QFETCH(bool, force);
        QFETCH(int, exitCode);
        QFETCH(QString, said);
        const QString out = dir.filePath(QString::fromLatin1(QTest::currentDataTag()));
        QString logPath = log();
        const QString name = placed.section(u'=', 0, 0);
        const QString what = placed.section(u'=', 1);
        if (what == u"log") {
            QVERIFY(QDir().mkpath(out));
            logPath = out + u'/' + name;
            QVERIFY(QFile::copy(log(), logPath));
        } else if (what == u"link") {
            QVERIFY(QDir().mkpath(out));
            QVERIFY(QFile::link(log(), out + u'/' + name));
        } else if (what == u"mine") {
            QVERIFY(name.isEmpty() || QDir().mkpath(out));
            QVERIFY(test::writeFile(name.isEmpty() ? out : out + u'/' + name, "mine"));
        }
        const QByteArray logged = test::fileBytes(logPath);
        QStringList arguments{QStringLiteral("log"), logPath, QStringLiteral("--camtrap-dp"), out};
        if (force)
            arguments << QStringLiteral("--force");
        const auto result = runKestrova(arguments, settings());
        QCOMPARE(result.exitCode, exitCode);
        QVERIFY2((result.out + result.err).contains(said), qPrintable(result.out + result.err));
        QCOMPARE(test::fileBytes(logPath), logged);
        if (what == u"mine")
            QCOMPARE(test::fileBytes(name.isEmpty() ? out : out + u'/' + name) == "mine",
                     exitCode != 0);
        if (exitCode == 0)
            QVERIFY(deploymentsIn(out).contains(QStringLiteral("N-01-2026-05-06")));
    }

    // The latest return of each camera's card closes its deployment; the package holds the
    // closed ones and passes both Camtrap DP validators.
    void closedDeploymentsValidate_data() {
        QTest::addColumn<QStringList>("back"); // the return's columns; none: no return logged
        QTest::addColumn<QString>("start");    // the cameras table's deploymentStart
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("expected"); // column=value in the deployment's row
        const QString writtenAt = QStringLiteral("2026-05-06T07:00:00Z");
        QTest::newRow("taken out at a time given")
            << QStringList{QStringLiteral("retrieved=2026-07-09T11:20:00+02:00"),
                           QStringLiteral("last_picture=2026-07-09T10:58:00+02:00"),
                           QStringLiteral("timestamp_issues=false"),
                           QStringLiteral("capture_method=activityDetection timeLapse")}
            << QStringLiteral("2026-05-06T10:00:00+02:00") << 0
            << QStringList{QStringLiteral("deploymentStart=2026-05-06T10:00:00+02:00"),
                           QStringLiteral("deploymentEnd=2026-07-09T11:20:00+02:00"),
                           QStringLiteral("timestampIssues=false")};
        QTest::newRow("its last picture, its clock wrong")
            << QStringList{QStringLiteral("last_picture=2026-07-09T10:58:00+02:00"),
                           QStringLiteral("timestamp_issues=true")}
            << QStringLiteral("2026-05-06T10:00:00+02:00") << 0
            << QStringList{QStringLiteral("deploymentEnd=2026-07-09T10:58:00+02:00"),
                           QStringLiteral("timestampIssues=true")};
        QTest::newRow("no start given: the first picture after the writing")
            << QStringList{QStringLiteral("first_picture=2026-05-07T06:12:00+02:00"),
                           QStringLiteral("last_picture=2026-07-09T10:58:00+02:00")}
            << QString() << 0
            << QStringList{QStringLiteral("deploymentStart=2026-05-07T06:12:00+02:00")};
        QTest::newRow("no start given, a first picture before the writing")
            << QStringList{QStringLiteral("first_picture=2026-01-01T00:00:00+02:00"),
                           QStringLiteral("last_picture=2026-07-09T10:58:00+02:00")}
            << QString() << 0 << QStringList{QStringLiteral("deploymentStart=") + writtenAt};
        QTest::newRow("neither time nor picture: read back at the desk")
            << QStringList{QStringLiteral("pictures=0")}
            << QStringLiteral("2026-05-06T10:00:00+02:00") << 0
            << QStringList{QStringLiteral("deploymentEnd=2026-07-10T09:00:00Z")};
        QTest::newRow("no return logged") << QStringList{} << QString() << 2 << QStringList{};
    }
    void closedDeploymentsValidate() {
        QFETCH(QStringList, back);
        QFETCH(QString, start);
        QFETCH(int, exitCode);
        QFETCH(QStringList, expected);
        const QString writtenAt = QStringLiteral("2026-05-06T07:00:00Z");
        fleet::LogEntry first = written(QStringLiteral("N-01"), writtenAt);
        first.carried[QStringLiteral("deploymentStart")] = start;
        QList<fleet::LogEntry> rows{
            first, written(QStringLiteral("N-02"), QStringLiteral("2026-05-06T08:00:00Z")),
            returned(QStringLiteral("N-02"), QStringLiteral("2026-05-01T00:00:00Z"), {})};
        if (!back.isEmpty())
            rows << returned(QStringLiteral("N-01"), writtenAt, back);
        const QString path = dir.filePath(QStringLiteral("season.csv"));
        QVERIFY(writeLog(path, rows));
        const QString out = dir.filePath(QStringLiteral("season-%1").arg(QTest::currentDataTag()));
        const auto result = runKestrova(
            {QStringLiteral("log"), path, QStringLiteral("--camtrap-dp"), out}, settings());
        QVERIFY2(result.exitCode == exitCode, qPrintable(result.out + result.err));
        if (exitCode != 0) {
            QVERIFY2(result.err.contains(QStringLiteral("none of its deployments is closed")),
                     qPrintable(result.err));
            QVERIFY(!QFileInfo::exists(out));
            return;
        }
        // The camera still out is left out; the return that closes no card written is named.
        QVERIFY2(result.err.contains(QStringLiteral("left out, as no return of their card is "
                                                    "logged: N-02-2026-05-06")),
                 qPrintable(result.err));
        QVERIFY2(result.err.contains(QStringLiteral("close no card written in the log were passed "
                                                    "over: lines 4")),
                 qPrintable(result.err));
        const auto deployments = deploymentsIn(out);
        QCOMPARE(deployments.keys(), QStringList{QStringLiteral("N-01-2026-05-06")});
        const QMap<QString, QString> row = deployments.first();
        for (const QString& column : expected)
            QCOMPARE(column.section(u'=', 0, 0) + u'=' + row.value(column.section(u'=', 0, 0)),
                     column);

        const std::optional<QString> problems = test::camtrapProblems(out, settings());
        if (!problems)
            QSKIP("node or the validators are missing: run scripts/install-deps");
        QVERIFY2(problems->isEmpty(), qPrintable(*problems));
    }
};

KESTROVA_TEST(LogCommandTest)
#include "log_command_test.moc"
