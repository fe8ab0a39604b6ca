#include "field/deployment.h"

#include "fleet/csv_table.h"
#include "fleet/deploy_log.h"

#include <QRegularExpression>

#include <functional>

namespace kestrova::field {

namespace {

Deployment fromRow(const fleet::CsvTable& table, const QStringList& row) {
    const auto value = [&table, &row](const char* column) {
        const qsizetype at = table.column(QString::fromLatin1(column));
        return at >= 0 ? row[at] : QString();
    };
    Deployment deployment;
    deployment.fromLog = true;
    deployment.cameraId = value("camera_id");
    deployment.locationId = value("locationID");
    deployment.locationName = value("locationName");
    deployment.latitude = value("latitude");
    deployment.longitude = value("longitude");
    deployment.setupBy = value("setup_by");
    deployment.cameraDelay = value("camera_delay");
    deployment.modelName = value("model");
    deployment.kitName = value("kit_name");
    deployment.comments = value("comments");
    deployment.summary = value("summary");
    deployment.card = {value("uuid"), value("label")};
    const QDateTime start = QDateTime::fromString(value("deploymentStart"), Qt::ISODate);
    const QDateTime written = QDateTime::fromString(value("time_written"), Qt::ISODate);
    if (start.isValid()) {
        deployment.start = start;
        deployment.startSource = StartSource::CamerasTable;
    } else if (written.isValid()) {
        deployment.start = written;
        deployment.startSource = StartSource::TimeWritten;
    }
    return deployment;
}

bool namesSerial(const QString& summary, const QString& serial) {
    if (serial.isEmpty())
        return false;
    const QRegularExpression word(
        QStringLiteral("\\b%1\\b").arg(QRegularExpression::escape(serial)));
    return word.match(summary).hasMatch();
}

} // namespace

LogLookup findInLog(const QByteArray& log, const CardIdentity& card) {
    LogLookup lookup;
    const fleet::CsvRead read = fleet::parseCsv(log);
    if (read.problem) {
        lookup.problem = *read.problem;
        return lookup;
    }
    const fleet::CsvTable& table = read.table;
    if (table.header != fleet::logColumns()) {
        lookup.problem = QStringLiteral("is not a deployment log of this program (its header "
                                        "differs)");
        return lookup;
    }
    const qsizetype result = table.column(QStringLiteral("result"));
    const qsizetype menu = table.column(QStringLiteral("menu.dat"));
    const qsizetype uuid = table.column(QStringLiteral("uuid"));
    const qsizetype summary = table.column(QStringLiteral("summary"));
    // The strongest tie first; of several rows, the last card written.
    const std::function<bool(const QStringList&)> ties[] = {
        [&](const QStringList& row) {
            return !card.menuSha256.isEmpty() &&
                   row[menu].compare(QString::fromLatin1(card.menuSha256), Qt::CaseInsensitive) ==
                       0;
        },
        [&](const QStringList& row) { return !card.uuid.isEmpty() && row[uuid] == card.uuid; },
        [&](const QStringList& row) { return namesSerial(row[summary], card.serialText); },
    };
    for (const auto& tie : ties) {
        for (qsizetype at = table.rows.size() - 1; at >= 0; --at) {
            const QStringList& row = table.rows[at];
            if (row[result] == u"done" && tie(row)) {
                lookup.deployment = fromRow(table, row);
                return lookup;
            }
        }
    }
    return lookup;
}

QString deploymentId(const Deployment& deployment, const QString& folderName) {
    QString who = deployment.cameraId;
    if (who.isEmpty())
        who = deployment.card.uuid;
    if (who.isEmpty())
        who = deployment.card.label;
    if (who.isEmpty())
        who = folderName;
    return deployment.start ? who + u'-' + deployment.start->date().toString(Qt::ISODate) : who;
}

} // namespace kestrova::field
