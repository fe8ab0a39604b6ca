#include "fleet/camtrap_export.h"
#include "fleet/deploy_log.h"
#include "support/process_runner.h"
#include "support/test_files.h"
#include "support/test_registry.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
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

} // namespace

// The deployments table of a log, checked against the Camtrap DP schema by a Table Schema
// validator: columns and their order, every value's type, format, bounds and enum.
class CamtrapExportTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void exportsWhatTheSchemaTakes() {
        QTemporaryDir dir;
        const QString logPath = dir.filePath(QStringLiteral("log.csv"));
        {
            fleet::DeployLog log;
            QVERIFY(!log.open(logPath));
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
            for (const fleet::LogEntry& row :
                 {placed,
                  entry(QStringLiteral("N-02"), QStringLiteral("2026-05-06T08:00:00+02:00"),
                        QStringLiteral("failed: the card is full")),
                  entry(QStringLiteral("N-02"), QStringLiteral("2026-05-06T08:10:00+02:00"),
                        QStringLiteral("done")),
                  entry(QString(), QStringLiteral("2026-05-06T09:00:00+02:00"),
                        QStringLiteral("done")),
                  entry(QStringLiteral("N-02"), QStringLiteral("2026-05-06T08:20:00+02:00"),
                        QStringLiteral("done"))})
                QVERIFY(!log.append(row));
        }
        const fleet::DeploymentsExport exported =
            fleet::exportDeployments(test::fileBytes(logPath));
        QVERIFY(!exported.problem);
        // The failed card is no deployment; N-02's second card that day replaces its first.
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
        QVERIFY(exported.csv.contains(",North grid\r\n"));

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
};

KESTROVA_TEST(CamtrapExportTest)
#include "camtrap_export_test.moc"
