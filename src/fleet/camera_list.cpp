#include "fleet/camera_list.h"

#include "common/profile_values.h"
#include "fleet/log_values.h"

#include <QDateTime>
#include <QRegularExpression>
#include <QSet>

#include <cmath>

namespace kestrova::fleet {

namespace {

using i18n::Wording;

constexpr const char* context = "kestrova::fleet::CameraList";

const QString idColumn = QStringLiteral("camera_id");
const QString serialColumn = QStringLiteral("serial");

Wording said(const char* source, QList<Wording> arguments = {}) {
    return Wording(context, source, std::move(arguments));
}

Wording value(const QString& text) {
    return Wording::value(text);
}

Wording number(qint64 n) {
    return Wording::value(QString::number(n));
}

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

// A coordinate: a finite number within its bounds.
std::optional<Wording> numberProblem(const QString& text, int lower, int upper) {
    bool ok = false;
    const double number = text.toDouble(&ok);
    if (!ok || !std::isfinite(number) || number < lower || number > upper)
        return said(QT_TRANSLATE_NOOP("kestrova::fleet::CameraList",
                                      "expected a number from %1 to %2, got %3"),
                    {value(QString::number(lower)), value(QString::number(upper)),
                     value(quotedText(text))});
    return std::nullopt;
}

// A character as a message names it: itself in quotes and its code.
QString characterName(char32_t code) {
    const QString character = QString::fromUcs4(&code, 1);
    return QStringLiteral("%1 (U+%2)")
        .arg(quotedText(character),
             QString::number(uint(code), 16).toUpper().rightJustified(4, u'0'));
}

// Four characters 0-9 or A-Z, the serial text the camera stamps on its pictures.
std::optional<Wording> serialProblem(const QString& serial) {
    const QList<uint> characters = serial.toUcs4();
    if (characters.size() != 4)
        return said(QT_TRANSLATE_NOOP("kestrova::fleet::CameraList",
                                      "expected four characters (0-9, A-Z), got %1"),
                    {value(quotedText(serial))});
    for (const uint code : characters) {
        const bool allowed = (code >= '0' && code <= '9') || (code >= 'A' && code <= 'Z') ||
                             (code >= 'a' && code <= 'z');
        if (!allowed)
            return said(QT_TRANSLATE_NOOP("kestrova::fleet::CameraList",
                                          "%1: the character %2 is none of 0-9, A-Z"),
                        {value(quotedText(serial)), value(characterName(code))});
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

// A carried value as the log keeps it, or why it cannot be kept. Coordinates may come with a
// decimal comma from a table separated by semicolons.
struct Carried {
    QString value;
    std::optional<Wording> problem;
};

Carried carried(const QString& column, const QString& given, QChar separator) {
    QString text = given.trimmed();
    if (column == u"locationID" || column == u"locationName") {
        text = normalisedName(text);
        return {text, nameProblem(text, column == u"locationID" ? NameKind::Id : NameKind::Name)};
    }
    if (column == u"comments") {
        // Comments may run over several lines, as a quoted field can.
        if (holdsControl(QString(text).remove(u'\r').remove(u'\n')))
            return {text, said(QT_TRANSLATE_NOOP("kestrova::fleet::CameraList",
                                                 "it holds a control character"))};
        return {text, std::nullopt};
    }
    if (column == u"latitude" || column == u"longitude") {
        if (separator == u';')
            text.replace(u',', u'.');
        return {text, column == u"latitude" ? numberProblem(text, -90, 90)
                                            : numberProblem(text, -180, 180)};
    }
    return {text, deploymentStartProblem(text)};
}

Wording rowProblem(int row, const QString& column, const Wording& problem) {
    return said(QT_TRANSLATE_NOOP("kestrova::fleet::CameraList", "row %1, column %2: %3"),
                {number(row), value(column), problem});
}

std::optional<Wording> headerProblem(const CsvTable& table, const Kit& kit) {
    if (table.column(idColumn) < 0)
        return said(QT_TRANSLATE_NOOP("kestrova::fleet::CameraList", "it has no column \"%1\""),
                    {value(idColumn)});
    QSet<QString> seenColumns;
    for (const QString& column : table.header) {
        if (seenColumns.contains(column))
            return said(QT_TRANSLATE_NOOP("kestrova::fleet::CameraList",
                                          "it names the column \"%1\" twice"),
                        {value(shownValue(column))});
        seenColumns.insert(column);
        if (column == idColumn || carriedColumns().contains(column))
            continue;
        if (column == serialColumn) {
            if (!kit.section(KitPart::Menu))
                return said(QT_TRANSLATE_NOOP("kestrova::fleet::CameraList",
                                              "it has a column \"serial\", but the kit has no "
                                              "menu"));
            continue;
        }
        const ColumnSetting setting = settingOf(column);
        if (!kitHasSetting(kit, setting.part, setting.name)) {
            QStringList known = carriedColumns();
            known << idColumn << serialColumn << kitSettingNames(kit);
            return said(QT_TRANSLATE_NOOP("kestrova::fleet::CameraList",
                                          "it has the column \"%1\", which is no setting of the "
                                          "kit's sections nor a column the log carries; did you "
                                          "mean \"%2\"?"),
                        {value(shownValue(column)), value(nearestName(setting.name, known))});
        }
    }
    return std::nullopt;
}

CsvRead tableOf(const QByteArray& csv) {
    return parseCsv(csv, {true, false});
}

} // namespace

QStringList carriedColumns() {
    return {QStringLiteral("locationID"),      QStringLiteral("locationName"),
            QStringLiteral("latitude"),        QStringLiteral("longitude"),
            QStringLiteral("deploymentStart"), QStringLiteral("comments")};
}

std::optional<Wording> deploymentStartProblem(const QString& start) {
    static const QRegularExpression withOffset(
        QStringLiteral("^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d(Z|[+-]\\d\\d:\\d\\d)$"));
    if (withOffset.match(start).hasMatch() && QDateTime::fromString(start, Qt::ISODate).isValid())
        return std::nullopt;
    return said(QT_TRANSLATE_NOOP("kestrova::fleet::CameraList",
                                  "expected a date and time with its UTC offset, as %1, got %2"),
                {value(QStringLiteral("2026-05-06T07:08:09+02:00")), value(quotedText(start))});
}

CameraList readCameraList(const QByteArray& csv, const Kit& kit) {
    const CsvRead read = tableOf(csv);
    if (read.problem)
        return {{}, read.problem};
    const CsvTable& table = read.table;
    if (auto problem = headerProblem(table, kit))
        return {{}, problem};

    const qsizetype idAt = table.column(idColumn);
    CameraList list;
    QSet<QString> ids;
    for (qsizetype at = 0; at < table.rows.size(); ++at) {
        const QStringList& fields = table.rows[at];
        Camera camera;
        camera.row = table.lines[at];
        camera.id = normalisedName(fields[idAt]);
        const auto refuse = [&camera](const QString& column, const Wording& problem) {
            return CameraList{{}, rowProblem(camera.row, column, problem)};
        };
        if (camera.id.isEmpty())
            return refuse(idColumn, said(QT_TRANSLATE_NOOP("kestrova::fleet::CameraList",
                                                           "every camera needs an id")));
        if (const auto problem = nameProblem(camera.id, NameKind::Id))
            return refuse(idColumn, *problem);
        if (ids.contains(camera.id))
            return refuse(idColumn, said(QT_TRANSLATE_NOOP("kestrova::fleet::CameraList",
                                                           "the camera %1 has a row before this "
                                                           "one"),
                                         {value(quotedText(camera.id))}));
        ids.insert(camera.id);
        for (qsizetype column = 0; column < table.header.size(); ++column) {
            const QString& name = table.header[column];
            const QString& given = fields[column];
            if (column == idAt || given.trimmed().isEmpty())
                continue;
            if (carriedColumns().contains(name)) {
                const Carried kept = carried(name, given, table.separator);
                if (kept.problem)
                    return refuse(name, *kept.problem);
                camera.carried[name] = kept.value;
            } else if (name == serialColumn) {
                if (const auto problem = serialProblem(given.trimmed()))
                    return refuse(name, *problem);
                camera.values << serialValues(given.trimmed());
            } else {
                const ColumnSetting setting = settingOf(name);
                camera.values << CameraValue{name, setting.part, setting.name, given};
            }
        }
        // A place is both of its coordinates, or none.
        for (const auto& [given, missing] :
             {std::pair{QStringLiteral("latitude"), QStringLiteral("longitude")},
              std::pair{QStringLiteral("longitude"), QStringLiteral("latitude")}}) {
            if (camera.carried.contains(given) && !camera.carried.contains(missing))
                return refuse(missing, said(QT_TRANSLATE_NOOP("kestrova::fleet::CameraList",
                                                              "the row gives a %1 but no %2: "
                                                              "give both or neither"),
                                            {value(given), value(missing)}));
        }
        list.cameras << camera;
    }
    if (list.cameras.isEmpty())
        return {{},
                said(QT_TRANSLATE_NOOP("kestrova::fleet::CameraList",
                                       "it holds no camera: it needs a row after the header"))};
    return list;
}

QList<ListedCamera> listedCameras(const QByteArray& csv) {
    const CsvRead read = tableOf(csv);
    const CsvTable& table = read.table;
    const qsizetype idAt = table.column(idColumn);
    if (read.problem || idAt < 0)
        return {};
    const qsizetype nameAt = table.column(QStringLiteral("locationName"));
    const qsizetype placeAt = table.column(QStringLiteral("locationID"));
    QList<ListedCamera> cameras;
    for (const QStringList& fields : table.rows) {
        const QString name = nameAt < 0 ? QString() : normalisedName(fields[nameAt]);
        cameras << ListedCamera{normalisedName(fields[idAt]), name.isEmpty() && placeAt >= 0
                                                                  ? normalisedName(fields[placeAt])
                                                                  : name};
    }
    return cameras;
}

std::optional<Wording> checkCameras(const Kit& kit, const QList<Camera>& cameras,
                                    const RecordDefaults& defaults, bool ownWords) {
    // Any clock the record holds does; the camera's own comes when its card is written.
    const QDateTime clock = QDateTime::currentDateTime();
    for (const Camera& camera : cameras) {
        const PreparedKit prepared = prepareKit(kit, camera.values, clock, defaults);
        if (!prepared.refusal)
            continue;
        const SettingRefusal& refusal = *prepared.refusal;
        const Wording reason =
            refusal.said.isEmpty() || !ownWords ? value(refusal.message) : refusal.said;
        if (refusal.column.isEmpty())
            return said(QT_TRANSLATE_NOOP("kestrova::fleet::CameraList", "row %1 (camera %2): %3"),
                        {number(camera.row), value(quotedText(camera.id)), reason});
        return said(
            QT_TRANSLATE_NOOP("kestrova::fleet::CameraList", "row %1 (camera %2), column %3: %4"),
            {number(camera.row), value(quotedText(camera.id)), value(refusal.column), reason});
    }
    return std::nullopt;
}

} // namespace kestrova::fleet
