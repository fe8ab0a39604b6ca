#include "fleet/camtrap_export.h"

#include "fleet/deploy_log.h"

#include <QDateTime>
#include <QMap>

namespace kestrova::fleet {

namespace {

const QStringList requiredColumns{QStringLiteral("deploymentID"), QStringLiteral("latitude"),
                                  QStringLiteral("longitude"), QStringLiteral("deploymentStart"),
                                  QStringLiteral("deploymentEnd")};

// A time with its UTC offset, as the table's datetime format has it.
QString tableTime(const QString& iso) {
    const QDateTime time = QDateTime::fromString(iso, Qt::ISODate);
    return time.isValid() ? time.toString(Qt::ISODate) : QString();
}

} // namespace

QStringList deploymentColumns() {
    return {QStringLiteral("deploymentID"),      QStringLiteral("locationID"),
            QStringLiteral("locationName"),      QStringLiteral("latitude"),
            QStringLiteral("longitude"),         QStringLiteral("coordinateUncertainty"),
            QStringLiteral("deploymentStart"),   QStringLiteral("deploymentEnd"),
            QStringLiteral("setupBy"),           QStringLiteral("cameraID"),
            QStringLiteral("cameraModel"),       QStringLiteral("cameraDelay"),
            QStringLiteral("cameraHeight"),      QStringLiteral("cameraDepth"),
            QStringLiteral("cameraTilt"),        QStringLiteral("cameraHeading"),
            QStringLiteral("detectionDistance"), QStringLiteral("timestampIssues"),
            QStringLiteral("baitUse"),           QStringLiteral("featureType"),
            QStringLiteral("habitat"),           QStringLiteral("deploymentGroups"),
            QStringLiteral("deploymentTags"),    QStringLiteral("deploymentComments")};
}

QString cameraModelName(const QString& model) {
    QString name = model;
    if (name.startsWith(QStringLiteral("Kes ")))
        name.remove(0, 4);
    return QStringLiteral("Kestrova-") + name;
}

QString deploymentComment(const QString& summary, const QString& kitName, const QString& comments) {
    const QString setup = summary.isEmpty() ? kitName : summary;
    return comments.isEmpty() ? setup : comments + QStringLiteral(" | ") + setup;
}

DeploymentsExport exportDeployments(const QByteArray& log) {
    DeploymentsExport result;
    const CsvRead read = parseCsv(log);
    if (read.problem) {
        result.problem = *read.problem;
        return result;
    }
    const CsvTable& table = read.table;
    if (table.header != logColumns()) {
        result.problem = QStringLiteral("is not a deployment log of this program (its header "
                                        "differs)");
        return result;
    }
    const auto value = [&table](const QStringList& row, const QString& column) {
        return row[table.column(column)];
    };
    QStringList order;
    QMap<QString, QStringList> deployments;
    for (const QStringList& row : table.rows) {
        if (value(row, QStringLiteral("result")) != u"done")
            continue;
        const QString start = tableTime(value(row, QStringLiteral("deploymentStart")).isEmpty()
                                            ? value(row, QStringLiteral("time_written"))
                                            : value(row, QStringLiteral("deploymentStart")));
        QString camera = value(row, QStringLiteral("camera_id"));
        // Without a cameras table the card itself is the camera.
        const QString deployed = camera.isEmpty() ? value(row, QStringLiteral("uuid")) : camera;
        const QString id = deployed + u'-' + start.left(10);
        QMap<QString, QString> out;
        out[QStringLiteral("deploymentID")] = id;
        for (const QString& carried : {QStringLiteral("locationID"), QStringLiteral("locationName"),
                                       QStringLiteral("latitude"), QStringLiteral("longitude")})
            out[carried] = value(row, carried);
        out[QStringLiteral("deploymentStart")] = start;
        out[QStringLiteral("setupBy")] = value(row, QStringLiteral("setup_by"));
        out[QStringLiteral("cameraID")] = camera;
        out[QStringLiteral("cameraModel")] = cameraModelName(value(row, QStringLiteral("model")));
        out[QStringLiteral("cameraDelay")] = value(row, QStringLiteral("camera_delay"));
        out[QStringLiteral("deploymentComments")] = deploymentComment(
            value(row, QStringLiteral("summary")), value(row, QStringLiteral("kit_name")),
            value(row, QStringLiteral("comments")));
        QStringList fields;
        for (const QString& column : deploymentColumns())
            fields << out.value(column);
        if (!deployments.contains(id))
            order << id;
        deployments[id] = fields;
    }

    result.csv = csvLine(deploymentColumns());
    QMap<QString, QStringList> emptyIn;
    for (const QString& id : std::as_const(order)) {
        const QStringList& fields = deployments[id];
        result.csv += csvLine(fields);
        for (const QString& column : requiredColumns) {
            if (fields[deploymentColumns().indexOf(column)].isEmpty())
                emptyIn[column] << id;
        }
    }
    result.deployments = static_cast<int>(order.size());
    for (const QString& column : requiredColumns) {
        const QStringList& ids = emptyIn[column];
        if (ids.isEmpty())
            continue;
        result.emptyRequired << QStringLiteral("%1 (%2)").arg(
            column, ids.size() == order.size() ? QStringLiteral("every deployment")
                                               : ids.join(QStringLiteral(", ")));
    }
    return result;
}

} // namespace kestrova::fleet
