#include "field/camtrap_package.h"

#include "field/time_lapse_slot.h"
#include "fleet/camtrap_export.h"
#include "fleet/csv_table.h"
#include "fleet/log_values.h"
#include "i18n/language.h"
#include "i18n/messages.h"
#include "storage/record_file.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStorageInfo>

#include <algorithm>

namespace kestrova::field {

namespace {

const QString schemaBase =
    QStringLiteral("https://raw.githubusercontent.com/tdwg/camtrap-dp/1.0.2/");

QString mediatypeOf(const QString& name) {
    const QString suffix = name.section(u'.', -1).toLower();
    if (suffix == u"avi")
        return QStringLiteral("video/x-msvideo");
    if (suffix == u"mp4")
        return QStringLiteral("video/mp4");
    if (suffix == u"mov")
        return QStringLiteral("video/quicktime");
    return QStringLiteral("image/jpeg");
}

// A table or the description, whole: through the writer every settings file goes through.
std::optional<QString> saveWhole(const QString& folder, const QString& name,
                                 const QByteArray& bytes) {
    const WriteResult written = writeRecordFile(folder, name, bytes, WriteOptions{});
    if (!written.ok())
        return i18n::writeFailureMessage(written, i18n::English, false);
    return std::nullopt;
}

std::optional<double> coordinate(const QString& text) {
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

} // namespace

QString mediaTimestamp(const CameraTime& time, const QTimeZone& zone) {
    const QDateTime wall = time.wall();
    QDateTime at(wall.date(), QTime(wall.time().hour(), wall.time().minute(), wall.time().second()),
                 time.offsetSeconds ? QTimeZone(*time.offsetSeconds) : zone);
    return at.toString(Qt::ISODate);
}

QStringList captureMethods(bool motion, bool timeLapse) {
    QStringList methods;
    if (motion || !timeLapse)
        methods << QStringLiteral("activityDetection");
    if (timeLapse)
        methods << QStringLiteral("timeLapse");
    return methods;
}

QStringList mediaColumns() {
    return {QStringLiteral("mediaID"),       QStringLiteral("deploymentID"),
            QStringLiteral("captureMethod"), QStringLiteral("timestamp"),
            QStringLiteral("filePath"),      QStringLiteral("filePublic"),
            QStringLiteral("fileName"),      QStringLiteral("fileMediatype"),
            QStringLiteral("exifData"),      QStringLiteral("favorite"),
            QStringLiteral("mediaComments")};
}

QStringList observationColumns() {
    return {QStringLiteral("observationID"),
            QStringLiteral("deploymentID"),
            QStringLiteral("mediaID"),
            QStringLiteral("eventID"),
            QStringLiteral("eventStart"),
            QStringLiteral("eventEnd"),
            QStringLiteral("observationLevel"),
            QStringLiteral("observationType"),
            QStringLiteral("cameraSetupType"),
            QStringLiteral("scientificName"),
            QStringLiteral("count"),
            QStringLiteral("lifeStage"),
            QStringLiteral("sex"),
            QStringLiteral("behavior"),
            QStringLiteral("individualID"),
            QStringLiteral("individualPositionRadius"),
            QStringLiteral("individualPositionAngle"),
            QStringLiteral("individualSpeed"),
            QStringLiteral("bboxX"),
            QStringLiteral("bboxY"),
            QStringLiteral("bboxWidth"),
            QStringLiteral("bboxHeight"),
            QStringLiteral("classificationMethod"),
            QStringLiteral("classifiedBy"),
            QStringLiteral("classificationTimestamp"),
            QStringLiteral("classificationProbability"),
            QStringLiteral("observationTags"),
            QStringLiteral("observationComments")};
}

PackageDeployment packageDeployment(const CardReport& report, bool motion, bool timeLapse) {
    const Deployment& d = report.deployment;
    PackageDeployment out;
    QMap<QString, QString>& c = out.columns;
    c[QStringLiteral("deploymentID")] = d.id;
    c[QStringLiteral("locationID")] = d.locationId;
    c[QStringLiteral("locationName")] = d.locationName;
    c[QStringLiteral("latitude")] = d.latitude;
    c[QStringLiteral("longitude")] = d.longitude;
    c[QStringLiteral("deploymentStart")] = d.start ? d.start->toString(Qt::ISODate) : QString();
    c[QStringLiteral("deploymentEnd")] = d.end ? d.end->toString(Qt::ISODate) : QString();
    c[QStringLiteral("setupBy")] = d.setupBy;
    c[QStringLiteral("cameraID")] = d.cameraId;
    c[QStringLiteral("cameraModel")] = fleet::cameraModelName(d.modelName);
    c[QStringLiteral("cameraDelay")] = d.cameraDelay;
    c[QStringLiteral("timestampIssues")] =
        report.clock.problem() ? QStringLiteral("true") : QStringLiteral("false");
    c[QStringLiteral("deploymentComments")] =
        d.summary.isEmpty() && d.kitName.isEmpty() && d.comments.isEmpty()
            ? QString()
            : fleet::deploymentComment(d.summary, d.kitName, d.comments);
    out.captureMethods = captureMethods(motion, timeLapse);
    out.projectTitle = d.kitName.isEmpty() ? d.id : d.kitName;
    return out;
}

CamtrapPackage::CamtrapPackage() = default;
CamtrapPackage::~CamtrapPackage() = default;

std::optional<QString> CamtrapPackage::open(const QString& folder) {
    folder_ = folder;
    if (!QDir().mkpath(folder))
        return QStringLiteral("%1 cannot be made").arg(folder);
    media_ = std::make_unique<QSaveFile>(QDir(folder).filePath(QStringLiteral("media.csv")));
    const QByteArray header = fleet::csvLine(mediaColumns());
    if (!media_->open(QIODevice::WriteOnly) || media_->write(header) != header.size())
        return QStringLiteral("%1: %2").arg(media_->fileName(), media_->errorString());
    return std::nullopt;
}

void CamtrapPackage::addMedia(const QString& deploymentId, const MediaFacts& media,
                              const std::vector<int>& timeLapseTimes, bool timeLapseTakesPhotos,
                              const QTimeZone& zone) {
    const std::optional<CameraTime> time = media.taken();
    // An empty file or one that cannot be read is no picture; it is named in the report.
    if (!media_ || failed_ || !time || media.header.damage == MediaDamage::Empty ||
        media.header.damage == MediaDamage::Unreadable)
        return;
    const bool timeLapseKind = (media.kind == MediaKind::Picture) == timeLapseTakesPhotos;
    const bool byTimeLapse =
        timeLapseKind && timeLapseSlot(timeLapseTimes, time->secondOfDay()).has_value();
    const QStringList row{deploymentId + u'/' + media.relativePath,
                          deploymentId,
                          byTimeLapse ? QStringLiteral("timeLapse")
                                      : QStringLiteral("activityDetection"),
                          mediaTimestamp(*time, zone),
                          media.relativePath,
                          QStringLiteral("false"),
                          media.fileName(),
                          mediatypeOf(media.fileName()),
                          QString(),
                          QString(),
                          media.damaged() ? QStringLiteral("damaged file") : QString()};
    const QByteArray line = fleet::csvLine(row);
    if (media_->write(line) != line.size())
        failed_ = true;
    ++mediaRows_;
}

void CamtrapPackage::addDeployment(PackageDeployment deployment) {
    deployments_.push_back(std::move(deployment));
}

PackageResult CamtrapPackage::commit(const QDateTime& created) {
    PackageResult result;
    result.deployments = static_cast<int>(deployments_.size());
    result.media = mediaRows_;
    if (!media_ || failed_) {
        result.problem =
            media_ ? QStringLiteral("%1: %2").arg(media_->fileName(), media_->errorString())
                   : QStringLiteral("the package was not opened");
        return result;
    }

    QByteArray deployments = fleet::csvLine(fleet::deploymentColumns());
    QStringList methods;
    QStringList setupBy;
    QJsonArray points;
    QString first;
    QString last;
    for (const PackageDeployment& deployment : deployments_) {
        QStringList fields;
        // Text a spreadsheet would run as a formula is kept as text, as in the log's export.
        for (const QString& column : fleet::deploymentColumns()) {
            const QString value = deployment.columns.value(column);
            fields << (fleet::isNumberColumn(column) ? value : fleet::spreadsheetSafe(value));
        }
        deployments += fleet::csvLine(fields);
        for (const QString& method : deployment.captureMethods) {
            if (!methods.contains(method))
                methods << method;
        }
        const QString who = deployment.columns.value(QStringLiteral("setupBy"));
        if (!who.isEmpty() && !setupBy.contains(who))
            setupBy << who;
        const auto latitude = coordinate(deployment.columns.value(QStringLiteral("latitude")));
        const auto longitude = coordinate(deployment.columns.value(QStringLiteral("longitude")));
        if (latitude && longitude)
            points.append(QJsonArray{*longitude, *latitude});
        else
            result.missing << QStringLiteral("latitude") << QStringLiteral("longitude");
        const QString start = deployment.columns.value(QStringLiteral("deploymentStart")).left(10);
        const QString end = deployment.columns.value(QStringLiteral("deploymentEnd")).left(10);
        if (first.isEmpty() || start < first)
            first = start;
        if (end > last)
            last = end;
    }
    QJsonArray contributors;
    for (const QString& who : std::as_const(setupBy))
        contributors.append(QJsonObject{{QStringLiteral("title"), who},
                                        {QStringLiteral("role"), QStringLiteral("contributor")}});
    if (contributors.isEmpty())
        result.missing << QStringLiteral("contributors");
    result.missing.removeDuplicates();

    const auto resource = [](const QString& name) {
        return QJsonObject{
            {QStringLiteral("name"), name},
            {QStringLiteral("path"), name + QStringLiteral(".csv")},
            {QStringLiteral("profile"), QStringLiteral("tabular-data-resource")},
            {QStringLiteral("format"), QStringLiteral("csv")},
            {QStringLiteral("mediatype"), QStringLiteral("text/csv")},
            {QStringLiteral("encoding"), QStringLiteral("utf-8")},
            {QStringLiteral("schema"), schemaBase + name + QStringLiteral("-table-schema.json")}};
    };
    QJsonObject package{
        {QStringLiteral("resources"),
         QJsonArray{resource(QStringLiteral("deployments")), resource(QStringLiteral("media")),
                    resource(QStringLiteral("observations"))}},
        {QStringLiteral("profile"), schemaBase + QStringLiteral("camtrap-dp-profile.json")},
        {QStringLiteral("created"), created.toUTC().toString(Qt::ISODate)},
        {QStringLiteral("contributors"), contributors},
        {QStringLiteral("project"),
         QJsonObject{{QStringLiteral("title"),
                      deployments_.empty() ? QString() : deployments_.front().projectTitle},
                     // One camera's card at a time: the owner's own choice of places.
                     {QStringLiteral("samplingDesign"), QStringLiteral("opportunistic")},
                     {QStringLiteral("captureMethod"), QJsonArray::fromStringList(methods)},
                     {QStringLiteral("individualAnimals"), false},
                     {QStringLiteral("observationLevel"), QJsonArray{QStringLiteral("media")}}}},
        {QStringLiteral("temporal"),
         QJsonObject{{QStringLiteral("start"), first}, {QStringLiteral("end"), last}}},
        {QStringLiteral("taxonomic"), QJsonArray()}};
    if (points.size() == 1)
        package[QStringLiteral("spatial")] =
            QJsonObject{{QStringLiteral("type"), QStringLiteral("Point")},
                        {QStringLiteral("coordinates"), points.first()}};
    else if (!points.isEmpty())
        package[QStringLiteral("spatial")] =
            QJsonObject{{QStringLiteral("type"), QStringLiteral("MultiPoint")},
                        {QStringLiteral("coordinates"), points}};
    else
        result.missing << QStringLiteral("spatial");

    for (const auto& [name, bytes] :
         {std::pair{QStringLiteral("deployments.csv"), deployments},
          std::pair{QStringLiteral("observations.csv"), fleet::csvLine(observationColumns())},
          std::pair{QStringLiteral("datapackage.json"), QJsonDocument(package).toJson()}}) {
        if (const auto problem = saveWhole(folder_, name, bytes)) {
            result.problem = problem;
            return result;
        }
    }
    if (!media_->commit())
        result.problem = QStringLiteral("%1: %2").arg(media_->fileName(), media_->errorString());
    media_.reset();
    return result;
}

std::optional<QString> packageOnCard(const QString& packageFolder, const QString& cardFolder) {
    // The package's folder may not exist yet: its nearest existing folder decides.
    QFileInfo target(packageFolder);
    while (!target.exists() && target.absoluteFilePath() != target.absolutePath())
        target = QFileInfo(target.absolutePath());
    const QString package = target.canonicalFilePath();
    const QString card = QFileInfo(cardFolder).canonicalFilePath();
    if (package.isEmpty() || card.isEmpty())
        return std::nullopt;
    if (package == card || package.startsWith(card + u'/'))
        return QStringLiteral("%1 is on the card: nothing is ever written there")
            .arg(packageFolder);
    const QStorageInfo cardVolume(card);
    if (cardVolume.isValid() && QDir(cardVolume.rootPath()) == QDir(card) &&
        cardVolume.rootPath() != u"/" && QStorageInfo(package).rootPath() == cardVolume.rootPath())
        return QStringLiteral("%1 is on the card: nothing is ever written there")
            .arg(packageFolder);
    return std::nullopt;
}

} // namespace kestrova::field
