#include "field/deployment.h"

#include "fleet/deploy_log.h"

#include <QRegularExpression>

#include <functional>

namespace kestrova::field {

namespace {

Deployment fromRow(const fleet::LogRow& row) {
    const auto value = [&row](const char* column) { return row.value(QLatin1String(column)); };
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
    deployment.written = value("time_written");
    const QDateTime start = QDateTime::fromString(value("deploymentStart"), Qt::ISODate);
    const QDateTime written = QDateTime::fromString(deployment.written, Qt::ISODate);
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
    // Rows that are not whole (a write cut off) are passed over, as the export passes them.
    const fleet::LogTable table = fleet::readLogTable(log);
    if (table.problem) {
        lookup.problem = *table.problem;
        return lookup;
    }
    const auto value = [](const fleet::LogRow& row, const char* column) {
        return row.value(QLatin1String(column));
    };
    // The strongest tie first; of several rows, the last card written.
    const std::function<bool(const fleet::LogRow&)> ties[] = {
        [&](const fleet::LogRow& row) {
            return !card.menuSha256.isEmpty() &&
                   value(row, "menu.dat")
                           .compare(QString::fromLatin1(card.menuSha256), Qt::CaseInsensitive) == 0;
        },
        [&](const fleet::LogRow& row) {
            return !card.uuid.isEmpty() && value(row, "uuid") == card.uuid;
        },
        [&](const fleet::LogRow& row) {
            return namesSerial(value(row, "summary"), card.serialText);
        },
    };
    for (const auto& tie : ties) {
        for (qsizetype at = table.rows.size() - 1; at >= 0; --at) {
            const fleet::LogRow& row = table.rows[at];
            if (value(row, "result") == u"done" && tie(row)) {
                lookup.deployment = fromRow(row);
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
