#include "fleet/camera_list.h"

#include "common/profile_values.h"

#include <QDateTime>
#include <QRegularExpression>
#include <QSet>

namespace kestrova::fleet {

namespace {

const QString idColumn = QStringLiteral("camera_id");
const QString serialColumn = QStringLiteral("serial");

// A column's setting: "mms.status" for one section, "status" for each that has it.
struct ColumnSetting {
    std::optional<KitPart> part;
    QString name;
};

ColumnSetting settingOf(const QString& column) {
    for (const KitPart part : kitParts) {
        const QString prefix = sectionName(part) + u'.';
        if (column.startsWith(prefix))
            return {part, column.mid(prefix.size())};
    }
    return {std::nullopt, column};
}

std::optional<QString> numberProblem(const QString& text, double lower, double upper) {
    bool ok = false;
    const double number = text.toDouble(&ok);
    if (!ok || number < lower || number > upper)
        return QStringLiteral("expected a number from %1 to %2, got %3")
            .arg(lower)
            .arg(upper)
            .arg(quotedText(text));
    return std::nullopt;
}

// What the export needs of a carried value, checked before any card is written.
std::optional<QString> carriedProblem(const QString& column, const QString& value) {
    // Comments may run over several lines, as a quoted field can.
    const QString shown =
        column == u"comments" ? QString(value).remove(u'\r').remove(u'\n') : value;
    if (holdsControl(shown))
        return QStringLiteral("holds a control character");
    if (column == u"latitude")
        return numberProblem(value, -90, 90);
    if (column == u"longitude")
        return numberProblem(value, -180, 180);
    if (column == u"deploymentStart") {
        static const QRegularExpression withOffset(
            QStringLiteral("^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d(Z|[+-]\\d\\d:\\d\\d)$"));
        if (!withOffset.match(value).hasMatch() ||
            !QDateTime::fromString(value, Qt::ISODate).isValid())
            return QStringLiteral("expected a date and time with its UTC offset, as "
                                  "2026-05-06T07:08:09+02:00, got %1")
                .arg(quotedText(value));
    }
    return std::nullopt;
}

QList<CameraValue> serialValues(const QString& serial) {
    QList<CameraValue> values{
        {serialColumn, KitPart::Menu, QStringLiteral("serial_no"), QStringLiteral("On")}};
    for (int at = 0; at < serial.size(); ++at)
        values << CameraValue{serialColumn, KitPart::Menu,
                              QStringLiteral("serial_char%1").arg(at + 1), serial.mid(at, 1)};
    return values;
}

} // namespace

QStringList carriedColumns() {
    return {QStringLiteral("locationID"),      QStringLiteral("locationName"),
            QStringLiteral("latitude"),        QStringLiteral("longitude"),
            QStringLiteral("deploymentStart"), QStringLiteral("comments")};
}

CameraList readCameraList(const QByteArray& csv, const Kit& kit) {
    const CsvRead read = parseCsv(csv);
    if (read.problem)
        return {{}, read.problem};
    const CsvTable& table = read.table;
    const qsizetype idAt = table.column(idColumn);
    if (idAt < 0)
        return {{}, QStringLiteral("has no column \"%1\"").arg(idColumn)};
    QSet<QString> seenColumns;
    for (const QString& column : table.header) {
        if (seenColumns.contains(column))
            return {{}, QStringLiteral("names the column \"%1\" twice").arg(shownValue(column))};
        seenColumns.insert(column);
        if (column == idColumn || carriedColumns().contains(column))
            continue;
        if (column == serialColumn) {
            if (!kit.section(KitPart::Menu))
                return {{}, QStringLiteral("has a column \"serial\", but the kit has no menu")};
            continue;
        }
        const ColumnSetting setting = settingOf(column);
        if (!kitHasSetting(kit, setting.part, setting.name)) {
            QStringList known = carriedColumns();
            known << idColumn << serialColumn << kitSettingNames(kit);
            return {{},
                    QStringLiteral("has the column \"%1\", which is no setting of the kit's "
                                   "sections nor a column the log carries; did you mean \"%2\"?")
                        .arg(shownValue(column), nearestName(setting.name, known))};
        }
    }

    CameraList list;
    QSet<QString> ids;
    for (qsizetype at = 0; at < table.rows.size(); ++at) {
        const QStringList& fields = table.rows[at];
        Camera camera;
        camera.row = table.lines[at];
        camera.id = fields[idAt].trimmed();
        const auto refuse = [&camera](const QString& column, const QString& problem) {
            return CameraList{
                {}, QStringLiteral("row %1, column %2: %3").arg(camera.row).arg(column, problem)};
        };
        if (camera.id.isEmpty())
            return refuse(idColumn, QStringLiteral("every camera needs an id"));
        if (holdsControl(camera.id))
            return refuse(idColumn, QStringLiteral("holds a control character"));
        if (ids.contains(camera.id))
            return refuse(idColumn, QStringLiteral("the camera %1 has a row before this one")
                                        .arg(quotedText(camera.id)));
        ids.insert(camera.id);
        for (qsizetype column = 0; column < table.header.size(); ++column) {
            const QString& name = table.header[column];
            const QString& value = fields[column];
            if (column == idAt || value.isEmpty())
                continue;
            if (carriedColumns().contains(name)) {
                if (const auto problem = carriedProblem(name, value.trimmed()))
                    return refuse(name, *problem);
                camera.carried[name] = value.trimmed();
            } else if (name == serialColumn) {
                if (value.size() != 4)
                    return refuse(name, QStringLiteral("expected four characters (0-9, A-Z), "
                                                       "got %1")
                                            .arg(quotedText(value)));
                camera.values << serialValues(value);
            } else {
                const ColumnSetting setting = settingOf(name);
                camera.values << CameraValue{name, setting.part, setting.name, value};
            }
        }
        list.cameras << camera;
    }
    if (list.cameras.isEmpty())
        return {{}, QStringLiteral("holds no camera: it needs a row after the header")};
    return list;
}

std::optional<QString> checkCameras(const Kit& kit, const QList<Camera>& cameras,
                                    const RecordDefaults& defaults) {
    // Any clock the record holds does; the camera's own comes when its card is written.
    const QDateTime clock = QDateTime::currentDateTime();
    for (const Camera& camera : cameras) {
        const PreparedKit prepared = prepareKit(kit, camera.values, clock, defaults);
        if (!prepared.refusal)
            continue;
        const SettingRefusal& refusal = *prepared.refusal;
        if (refusal.column.isEmpty())
            return QStringLiteral("row %1 (camera %2): %3")
                .arg(camera.row)
                .arg(quotedText(camera.id), refusal.message);
        return QStringLiteral("row %1 (camera %2), column %3: %4")
            .arg(camera.row)
            .arg(quotedText(camera.id), refusal.column, refusal.message);
    }
    return std::nullopt;
}

} // namespace kestrova::fleet
