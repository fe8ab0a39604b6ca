#include "fleet/camtrap_export.h"
#include "fleet/csv_table.h"
#include "fleet/deploy_log.h"
#include "support/process_runner.h"
#include "support/test_files.h"
#include "support/test_registry.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace kestrova;

namespace {

const QString schemaPath =
    QStringLiteral(KESTROVA_TEST_DATA "/camtrap-dp/deployments-table-schema.json");
const QString validator =
    QStringLiteral(KESTROVA_TEST_SUPPORT "/../../tools/tableschema/validate.js");

fleet::LogEntry entry(const QString& camera, const QString& time, const QString& result) {
    fleet::LogEntry row;
    row.written = QDateTime::fromString(time, Qt::ISODate);
    row.cameraId = camera;
    row.model = QStringLiteral("Kes SigmaMG");
    row.uuid = QStringLiteral("1A2B-3C4D");
    row.kitName = QStringLiteral("North grid");
    row.result = result;
    row.setupBy = QStringLiteral("Łukasz Nowak");
    row.cameraDelay = QStringLiteral("30");
    return row;
}

// A row of the export by its deploymentID, column by column.
QMap<QString, QString> deployment(const QByteArray& csv, const QString& id) {
    const fleet::CsvTable table = fleet::parseCsv(csv).table;
    for (const QStringList& row : table.rows) {
        if (row[0] == id) {
            QMap<QString, QString> fields;
            for (qsizetype at = 0; at < row.size(); ++at)
                fields[table.header[at]] = row[at];
            return fields;
        }
    }
    return {};
}

} // namespace

// The deployments table of a log, checked against the Camtrap DP schema by a Table Schema
// validator: columns and their order, every value's type, format, bounds and enum.
class CamtrapExportTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString logPath() const { return dir.filePath(QStringLiteral("log.csv")); }

    // A log of these rows, then the text after them as it stands in the file.
    QByteArray logOf(const QList<fleet::LogEntry>& rows, const QByteArray& tail = {}) {
        QFile::remove(logPath());
        fleet::DeployLog log;
        if (log.open(logPath()))
            return {};
        for (const fleet::LogEntry& row : rows) {
            if (log.append(row).problem)
                return {};
        }
        return test::fileBytes(logPath()) + tail;
    }

private Q_SLOTS:
    void exportsWhatTheSchemaTakes() {
        fleet::LogEntry placed =
            entry(QStringLiteral("N-01"), QStringLiteral("2026-05-06T07:08:09+02:00"),
                  QStringLiteral("done"));
        placed.carried = {
            {QStringLiteral("latitude"), QStringLiteral("52.70442")},
            {QStringLiteral("longitude"), QStringLiteral("-23.8")},
            {QStringLiteral("locationName"), QStringLiteral("Białowieża, 01")},
            {QStringLiteral("deploymentStart"), QStringLiteral("2026-05-07T10:00:00Z")},
            {QStringLiteral("comments"), QStringLiteral("by the \"old\" oak")}};
        placed.summary = QStringLiteral("On motion: 1 photo at 12MP.");
        const QByteArray log =
            logOf({placed,
                   entry(QStringLiteral("N-02"), QStringLiteral("2026-05-06T08:00:00+02:00"),
                         QStringLiteral("failed: the card is full")),
                   entry(QStringLiteral("N-02"), QStringLiteral("2026-05-06T08:10:00+02:00"),
                         QStringLiteral("done")),
                   entry(QString(), QStringLiteral("2026-05-06T09:00:00+02:00"),
                         QStringLiteral("done"))});
        const fleet::DeploymentsExport exported = fleet::exportDeployments(log);
        QVERIFY(!exported.problem);
        QCOMPARE(exported.deployments, 3);
        QCOMPARE(exported.emptyRequired,
                 (QStringList{QStringLiteral("latitude (N-02-2026-05-06, 1A2B-3C4D-2026-05-06)"),
                              QStringLiteral("longitude (N-02-2026-05-06, 1A2B-3C4D-2026-05-06)"),
                              QStringLiteral("deploymentEnd (every deployment)")}));
        QVERIFY(exported.csv.contains(
            "N-01-2026-05-07,,\"Białowieża, 01\",52.70442,-23.8,,2026-05-07T10:00:00Z,,Łukasz "
            "Nowak,N-01,Kestrova-SigmaMG,30,"));
        // The owner's comments, then what the camera will do; the kit's name where the log has
        // no summary.
        QVERIFY(
            exported.csv.contains(",\"by the \"\"old\"\" oak | On motion: 1 photo at 12MP.\"\r\n"));

        // The columns are the schema's, in its order, where no validator runs too.
        QStringList fields;
        const QJsonObject schema = QJsonDocument::fromJson(test::fileBytes(schemaPath)).object();
        for (const QJsonValue& field : schema.value(QStringLiteral("fields")).toArray())
            fields << field.toObject().value(QStringLiteral("name")).toString();
        QCOMPARE(fleet::deploymentColumns(), fields);

        const QString node = QStandardPaths::findExecutable(QStringLiteral("node"));
        if (node.isEmpty() || !QFileInfo::exists(QFileInfo(validator).path() +
                                                 QStringLiteral("/node_modules/tableschema")))
            QSKIP("node or the tableschema package is missing: run scripts/install-deps");
        const QString table = dir.filePath(QStringLiteral("deployments.csv"));
        QVERIFY(test::writeFile(table, exported.csv));
        QStringList relaxed;
        for (const QString& empty : exported.emptyRequired)
            relaxed << empty.section(u' ', 0, 0);
        const test::ProcessResult result =
            test::runProgram(node, {validator, schemaPath, table, relaxed.join(u',')}, {});
        QVERIFY2(result.exitCode == 0, qPrintable(result.out + result.err));
    }

    // A camera's later card replaces its earlier one, which the comments name; the start is the
    // time set up in the field, or the time of writing said as such.
    void keepsEachCameraLatestCard() {
        fleet::LogEntry first =
            entry(QStringLiteral("N-01"), QStringLiteral("2026-05-06T07:00:00+02:00"),
                  QStringLiteral("done"));
        fleet::LogEntry second =
            entry(QStringLiteral("N-01"), QStringLiteral("2026-05-08T07:00:00+02:00"),
                  QStringLiteral("done"));
        second.uuid = QStringLiteral("5E6F-7A8B");
        second.replaces = QStringLiteral("card 1A2B-3C4D written 2026-05-06T07:00:00+02:00");
        fleet::LogEntry fielded =
            entry(QStringLiteral("N-02"), QStringLiteral("2026-05-06T08:00:00+02:00"),
                  QStringLiteral("done"));
        fielded.carried[QStringLiteral("deploymentStart")] =
            QStringLiteral("2026-05-09T06:30:00+02:00");
        const fleet::DeploymentsExport exported =
            fleet::exportDeployments(logOf({first, second, fielded}));
        QCOMPARE(exported.deployments, 2);
        const auto n01 = deployment(exported.csv, QStringLiteral("N-01-2026-05-08"));
        QCOMPARE(n01.value(QStringLiteral("deploymentComments")),
                 QStringLiteral("North grid | It replaces the card 1A2B-3C4D written "
                                "2026-05-06T07:00:00+02:00. | deploymentStart is the time the "
                                "card was written, not the time the camera was set up in the "
                                "field."));
        QCOMPARE(deployment(exported.csv, QStringLiteral("N-02-2026-05-09"))
                     .value(QStringLiteral("deploymentStart")),
                 QStringLiteral("2026-05-09T06:30:00+02:00"));
        QCOMPARE(exported.startedAtWriting, QStringList{QStringLiteral("N-01-2026-05-08")});
    }

    // Cards without a camera id are deployments of their own: by their UUID, else their label
    // and time, else a number; never an empty id, never two alike.
    void givesEveryCardAnId() {
        QList<fleet::LogEntry> rows;
        for (const char* label : {"CAM", "CAM", "", "", "=CMD"}) {
            fleet::LogEntry row =
                entry(QString(), QStringLiteral("2026-12-07T10:30:12Z"), QStringLiteral("done"));
            row.uuid.clear();
            row.label = QLatin1String(label);
            rows << row;
        }
        rows << entry(QString(), QStringLiteral("2026-12-07T10:40:00Z"), QStringLiteral("done"));
        const fleet::DeploymentsExport exported = fleet::exportDeployments(logOf(rows));
        QStringList ids;
        for (const QStringList& row : fleet::parseCsv(exported.csv).table.rows)
            ids << row[0];
        QCOMPARE(ids,
                 (QStringList{
                     QStringLiteral("CAM-20261207T103012"), QStringLiteral("CAM-20261207T103012-2"),
                     QStringLiteral("card-1-2026-12-07"), QStringLiteral("card-2-2026-12-07"),
                     QStringLiteral("card-3-2026-12-07"), QStringLiteral("1A2B-3C4D-2026-12-07")}));
    }

    // What a spreadsheet would run as a formula reaches the log and the export as text, behind
    // an apostrophe that reading the log takes off again (so it is not doubled).
    void keepsFormulasFromRunning_data() {
        QTest::addColumn<QString>("given");
        QTest::addColumn<QString>("cell");
        QTest::newRow("equals") << QStringLiteral("=HYPERLINK(\"x\")")
                                << QStringLiteral("'=HYPERLINK(\"x\")");
        QTest::newRow("plus") << QStringLiteral("+1") << QStringLiteral("'+1");
        QTest::newRow("minus") << QStringLiteral("-1") << QStringLiteral("'-1");
        QTest::newRow("at") << QStringLiteral("@A1") << QStringLiteral("'@A1");
        QTest::newRow("tab") << QStringLiteral("\t=1") << QStringLiteral("'\t=1");
        QTest::newRow("apostrophe") << QStringLiteral("'=1") << QStringLiteral("''=1");
        QTest::newRow("plain") << QStringLiteral("Ann") << QStringLiteral("Ann");
    }
    void keepsFormulasFromRunning() {
        QFETCH(QString, given);
        QFETCH(QString, cell);
        fleet::LogEntry row = entry(QStringLiteral("N-01"), QStringLiteral("2026-05-06T07:00:00Z"),
                                    QStringLiteral("done"));
        row.setupBy = given;
        row.carried[QStringLiteral("comments")] = given;
        row.carried[QStringLiteral("deploymentStart")] = QStringLiteral("2026-05-06T09:00:00Z");
        const QByteArray log = logOf({row});
        const fleet::CsvTable logged = fleet::parseCsv(log).table;
        QCOMPARE(logged.rows[0][logged.column(QStringLiteral("setup_by"))], cell);
        QCOMPARE(fleet::readLogTable(log).rows[0].value(QStringLiteral("setup_by")), given);
        const auto exported =
            deployment(fleet::exportDeployments(log).csv, QStringLiteral("N-01-2026-05-06"));
        QCOMPARE(exported.value(QStringLiteral("setupBy")), cell);
        QCOMPARE(exported.value(QStringLiteral("deploymentComments")),
                 cell + QStringLiteral(" | North grid"));
    }

    // A log that ended in half a row (a full disk, a power loss) gets its next row on a line of
    // its own: the export names the damaged row and takes every other.
    void passesOverAHalfRow_data() {
        QTest::addColumn<QByteArray>("half");
        QTest::newRow("cut in a field") << QByteArray("2026-05-06T09:00:00Z,N-09,Kes Sig");
        QTest::newRow("cut in quotes") << QByteArray("2026-05-06T09:00:00Z,N-09,\"Kes, Sig");
        QTest::newRow("cut in the last field")
            << fleet::csvLine(QStringList(fleet::logColumns().size(), QStringLiteral("x")))
                   .chopped(3);
    }
    void passesOverAHalfRow() {
        QFETCH(QByteArray, half);
        QVERIFY(test::writeFile(
            logPath(), logOf({entry(QStringLiteral("N-01"), QStringLiteral("2026-05-06T07:00:00Z"),
                                    QStringLiteral("done"))},
                             half)));
        fleet::DeployLog log;
        QVERIFY(!log.open(logPath()));
        const fleet::LogAppend appended =
            log.append(entry(QStringLiteral("N-02"), QStringLiteral("2026-05-06T08:00:00Z"),
                             QStringLiteral("done")));
        QVERIFY(!appended.problem);
        QCOMPARE(appended.endedDamagedRow, 3);
        QVERIFY(test::fileBytes(logPath()).contains(half));
        const fleet::DeploymentsExport exported =
            fleet::exportDeployments(test::fileBytes(logPath()));
        QCOMPARE(exported.damagedLines, QList<int>{3});
        QCOMPARE(exported.deployments, 2);
        QVERIFY(!deployment(exported.csv, QStringLiteral("N-02-2026-05-06")).isEmpty());
    }
};

KESTROVA_TEST(CamtrapExportTest)
#include "camtrap_export_test.moc"
