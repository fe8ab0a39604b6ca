#include "fleet/camtrap_export.h"

#include "fleet/csv_table.h"
#include "fleet/deploy_log.h"
#include "fleet/log_values.h"

#include <QDateTime>
#include <QMap>
#include <QMultiHash>
#include <QSet>

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

// One camera's deployment (or one card's, without a camera): the latest card done, the
// earlier ones it replaced, and the latest row of that card coming back.
struct Deployment {
    LogRow row;
    QStringList replaced;
    std::optional<LogRow> retrieval;
};

QString value(const LogRow& row, const char* column) {
    return row.value(QLatin1String(column));
}

QString describeCard(const LogRow& row) {
    return LoggedCard{value(row, "camera_id"), value(row, "time_written"), value(row, "uuid"),
                      value(row, "label")}
        .describe();
}

// What a deployment is known by: its camera, else its card.
QString deploymentKey(const LogRow& row, int line) {
    const QString camera = value(row, "camera_id");
    if (!camera.isEmpty())
        return QStringLiteral("camera ") + camera;
    const QString uuid = value(row, "uuid");
    if (!uuid.isEmpty())
        return QStringLiteral("card %1 %2").arg(uuid, value(row, "time_written").left(10));
    return QStringLiteral("line %1").arg(line);
}

// Whether the retrieval row tells of the card that row wrote: the same camera, else the same
// card's file system.
bool closes(const LogRow& retrieval, const LogRow& written) {
    if (value(retrieval, "closes") != value(written, "time_written"))
        return false;
    const QString camera = value(written, "camera_id");
    return camera.isEmpty() ? value(retrieval, "uuid") == value(written, "uuid")
                            : value(retrieval, "camera_id") == camera;
}

// The end of a deployment its card's return tells: the time the card came out of the camera,
// else the last picture, else the time it was read at the desk (said in `comment`).
QString endOf(const LogRow& retrieval, QString& comment) {
    if (const QString retrieved = tableTime(value(retrieval, "retrieved")); !retrieved.isEmpty())
        return retrieved;
    if (const QString last = tableTime(value(retrieval, "last_picture")); !last.isEmpty()) {
        comment = QStringLiteral("deploymentEnd is the time of the last picture.");
        return last;
    }
    comment = QStringLiteral("deploymentEnd is the time the card was read back, as it held no "
                             "picture and no time it came out of the camera was given.");
    return tableTime(value(retrieval, "time_written"));
}

class Exporter {
public:
    QMap<QString, QString> columnsOf(const Deployment& deployment, bool& startedAtWriting) {
        const LogRow& row = deployment.row;
        QStringList comments;
        if (const QString setup = deploymentComment(value(row, "summary"), value(row, "kit_name"),
                                                    value(row, "comments"));
            !setup.isEmpty())
            comments << setup;
        for (const QString& earlier : deployment.replaced)
            comments << QStringLiteral("It replaces the %1.").arg(earlier);

        QString start = tableTime(value(row, "deploymentStart"));
        startedAtWriting = start.isEmpty();
        if (startedAtWriting)
            start = tableTime(value(row, "time_written"));
        // Known by the day the log gives, as the card's own package knows it.
        const QString id = uniqueId(idOf(row, start));
        if (startedAtWriting) {
            // The first picture after the card was written tells better when the camera went up.
            const QString first = deployment.retrieval
                                      ? tableTime(value(*deployment.retrieval, "first_picture"))
                                      : QString();
            if (!first.isEmpty() && QDateTime::fromString(first, Qt::ISODate) >=
                                        QDateTime::fromString(start, Qt::ISODate)) {
                start = first;
                startedAtWriting = false;
                comments << QStringLiteral("deploymentStart is the time of the first picture.");
            } else {
                comments << QStringLiteral("deploymentStart is the time the card was written, "
                                           "not the time the camera was set up in the field.");
            }
        }

        QMap<QString, QString> out;
        out[QStringLiteral("deploymentID")] = id;
        for (const char* carried : {"locationID", "locationName", "latitude", "longitude"})
            out[QLatin1String(carried)] = value(row, carried);
        out[QStringLiteral("deploymentStart")] = start;
        out[QStringLiteral("setupBy")] = value(row, "setup_by");
        out[QStringLiteral("cameraID")] = value(row, "camera_id");
        out[QStringLiteral("cameraModel")] = cameraModelName(value(row, "model"));
        out[QStringLiteral("cameraDelay")] = value(row, "camera_delay");
        if (deployment.retrieval) {
            const LogRow& back = *deployment.retrieval;
            QString said;
            out[QStringLiteral("deploymentEnd")] = endOf(back, said);
            out[QStringLiteral("timestampIssues")] = value(back, "timestamp_issues");
            if (!said.isEmpty())
                comments << said;
            if (!value(back, "findings").isEmpty())
                comments
                    << QStringLiteral("When the card came back: %1").arg(value(back, "findings"));
        }
        out[QStringLiteral("deploymentComments")] = comments.join(QStringLiteral(" | "));
        return out;
    }

private:
    // The camera's id, else the card's UUID, with the day; else the card's label with its time,
    // or a number: never empty, and never what a spreadsheet would run.
    QString idOf(const LogRow& row, const QString& start) {
        const QString day = start.left(10);
        for (const char* known : {"camera_id", "uuid"}) {
            if (!value(row, known).isEmpty())
                return value(row, known) + u'-' + day;
        }
        const QString label = value(row, "label").trimmed();
        const QString time =
            QDateTime::fromString(start, Qt::ISODate).toString(QStringLiteral("yyyyMMdd'T'HHmmss"));
        if (!label.isEmpty() && !startsLikeFormula(label) && !label.startsWith(u'\''))
            return label + u'-' + time;
        return QStringLiteral("card-%1-%2").arg(++unnamed_).arg(day);
    }

    QString uniqueId(const QString& id) {
        QString unique = id;
        for (int n = 2; taken_.contains(unique); ++n)
            unique = id + u'-' + QString::number(n);
        taken_.insert(unique);
        return unique;
    }

    int unnamed_ = 0;
    QSet<QString> taken_;
};

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
    const LogTable table = readLogTable(log);
    if (table.problem) {
        result.problem = table.problem;
        return result;
    }
    result.damagedLines = table.damagedLines;

    // The latest card done of each camera, in the order the cameras first got one.
    QStringList order;
    QMap<QString, Deployment> deployments;
    for (qsizetype at = 0; at < table.rows.size(); ++at) {
        const LogRow& row = table.rows[at];
        if (value(row, "result") != u"done")
            continue;
        const QString key = deploymentKey(row, table.rowLines[at]);
        if (!deployments.contains(key)) {
            order << key;
            deployments[key] = {row, {}, {}};
            continue;
        }
        Deployment& deployment = deployments[key];
        deployment.replaced << describeCard(deployment.row);
        deployment.row = row;
        deployment.retrieval.reset();
    }
    // Each card's latest return closes its deployment; one that closes none is named.
    QMultiHash<QString, QString> byWritten;
    for (const QString& key : std::as_const(order))
        byWritten.insert(value(deployments[key].row, "time_written"), key);
    for (qsizetype at = 0; at < table.rows.size(); ++at) {
        const LogRow& row = table.rows[at];
        if (value(row, "result") != QLatin1String(retrievedResult))
            continue;
        bool closed = false;
        for (const QString& key : byWritten.values(value(row, "closes"))) {
            if (closes(row, deployments[key].row)) {
                deployments[key].retrieval = row;
                closed = true;
            }
        }
        if (!closed)
            result.retrievalsAlone << table.rowLines[at];
    }

    result.csv = csvLine(deploymentColumns());
    Exporter exporter;
    QMap<QString, QStringList> emptyIn;
    for (const QString& key : std::as_const(order)) {
        const Deployment& deployment = deployments[key];
        ExportedDeployment exported;
        bool startedAtWriting = false;
        exported.columns = exporter.columnsOf(deployment, startedAtWriting);
        exported.closed = deployment.retrieval.has_value();
        exported.kitName = value(deployment.row, "kit_name");
        if (deployment.retrieval)
            exported.captureMethods =
                value(*deployment.retrieval, "capture_method").split(u' ', Qt::SkipEmptyParts);
        const QString id = exported.columns.value(QStringLiteral("deploymentID"));
        // Text a spreadsheet would run as a formula is kept as text.
        QStringList fields;
        for (const QString& column : deploymentColumns()) {
            const QString value = exported.columns.value(column);
            fields << (isNumberColumn(column) ? value : spreadsheetSafe(value));
        }
        result.csv += csvLine(fields);
        if (startedAtWriting)
            result.startedAtWriting << id;
        for (const QString& column : requiredColumns) {
            if (exported.columns.value(column).isEmpty())
                emptyIn[column] << id;
        }
        result.deploymentRows << exported;
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
