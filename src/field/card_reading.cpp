#include "field/card_reading.h"

#include "camera/camera_lists.h"
#include "camera/menu_record.h"
#include "codec/block_container.h"
#include "field/media_file.h"
#include "field/media_walk.h"
#include "mms/mms_record.h"
#include "model/camera_model.h"
#include "plan/card_facts.h"
#include "plan/menu_day.h"
#include "plan/menu_summary.h"
#include "smtp/smtp_record.h"
#include "storage/record_file.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>

namespace kestrova::field {

namespace {

// How often the reader says how far it got.
constexpr int progressEvery = 64;

std::optional<double> figure(const plan::Summary& summary, const char* key) {
    for (const plan::Figure& figure : summary.figures) {
        if (figure.key == QLatin1String(key))
            return figure.value;
    }
    return std::nullopt;
}

QString serialTextOf(const camera::CameraSettings& s) {
    if (s.serial_no != 1)
        return {};
    const QStringList& characters = camera::serialCharacters();
    return characters.value(s.serial_char1) + characters.value(s.serial_char2) +
           characters.value(s.serial_char3) + characters.value(s.serial_char4);
}

// "2026-05-07T10:05:00+02:00", or without an offset in the camera's zone.
std::optional<QDateTime> parseTime(const QString& text, const QTimeZone& zone) {
    QDateTime time = QDateTime::fromString(text.trimmed(), Qt::ISODateWithMs);
    if (!time.isValid())
        return std::nullopt;
    if (time.timeSpec() == Qt::LocalTime)
        time = QDateTime(time.date(), time.time(), zone);
    return time.isValid() ? std::optional<QDateTime>(time) : std::nullopt;
}

std::optional<QString> readClockPhotos(const ReportRequest& request, ReportBasis& basis) {
    for (const ClockPhotoRequest& photo : request.clockPhotos) {
        const QString path = QFileInfo(photo.file).isAbsolute()
                                 ? photo.file
                                 : QDir(request.folder).filePath(photo.file);
        const auto kind = mediaKindOf(path);
        if (!kind || !QFileInfo(path).isFile())
            return QStringLiteral("--clock-photo: %1 is no picture or video on the card")
                .arg(photo.file);
        const MediaFacts media = readMediaFile(path, photo.file, *kind);
        if (!media.taken())
            return QStringLiteral("--clock-photo: %1 tells no time").arg(photo.file);
        const auto truth = parseTime(photo.time, request.zone);
        if (!truth)
            return QStringLiteral("--clock-photo: \"%1\" is not a time (2026-05-07T10:05:00, "
                                  "with or without its offset from UTC)")
                .arg(photo.time);
        basis.clockPhotos.push_back({photo.file, *media.taken(), *truth, 0});
    }
    std::sort(basis.clockPhotos.begin(), basis.clockPhotos.end(),
              [](const ClockPhoto& a, const ClockPhoto& b) { return a.truth < b.truth; });
    return std::nullopt;
}

} // namespace

std::optional<int> modelNamed(const QString& name) {
    for (const CameraModel& model : cameraModels()) {
        if (model.nameText() == name)
            return model.number;
    }
    return std::nullopt;
}

PreparedReport prepareReport(const ReportRequest& request) {
    PreparedReport prepared;
    prepared.folder = request.folder;
    if (!QFileInfo(request.folder).isDir()) {
        prepared.problem = QStringLiteral("%1 is not a folder").arg(request.folder);
        return prepared;
    }
    ReportBasis& basis = prepared.basis;
    basis.zone = request.zone;

    // The card's settings files, as they left the PC; the camera reads them and leaves them.
    const auto settingsFile = [&request](const char* name) {
        return readCardFile(recordFilePath(request.folder, QString::fromLatin1(name)),
                            codec::settingsFileLimit);
    };
    const std::optional<QByteArray> menuBytes = settingsFile(camera::menuFileName);
    const camera::MenuRecordCheck check = camera::checkMenuRecord(menuBytes.value_or(QByteArray()));
    const bool menuIntact = menuBytes && check.intact() && !check.factoryReset;
    CardIdentity identity;
    identity.uuid = request.card.uuid;
    if (menuBytes)
        identity.menuSha256 =
            QCryptographicHash::hash(*menuBytes, QCryptographicHash::Sha256).toHex();
    if (menuIntact)
        identity.serialText = serialTextOf(
            camera::decodeMenuRecord(camera::toMenuRecord(*menuBytes), CameraForm::A).settings);
    prepared.identity = identity;

    Deployment& deployment = basis.deployment;
    deployment.card = request.card;
    if (request.log) {
        const LogLookup lookup = findInLog(*request.log, identity);
        if (lookup.problem) {
            prepared.problem = QStringLiteral("the log: %1").arg(*lookup.problem);
            return prepared;
        }
        if (lookup.deployment) {
            deployment = *lookup.deployment;
            if (deployment.card.uuid.isEmpty())
                deployment.card = request.card;
        }
    }
    if (!request.setupBy.isEmpty())
        deployment.setupBy = request.setupBy;
    prepared.model =
        request.model.value_or(modelNamed(deployment.modelName).value_or(request.fallbackModel));
    const CameraModel& model = cameraModel(prepared.model);
    deployment.modelName = model.nameText();

    if (!menuBytes)
        prepared.menuProblem = QFileInfo::exists(recordFilePath(
                                   request.folder, QString::fromLatin1(camera::menuFileName)))
                                   ? QStringLiteral("damaged")
                                   : QStringLiteral("absent");
    else if (!menuIntact)
        prepared.menuProblem =
            check.factoryReset ? QStringLiteral("factory reset") : QStringLiteral("damaged");
    if (menuIntact) {
        const camera::DecodedMenu menu =
            camera::decodeMenuRecord(camera::toMenuRecord(*menuBytes), model.cameraForm);
        const plan::MenuFacts facts{model.cameraForm, prepared.model, menu.settings, menu.clock};
        const plan::MenuDay day = plan::menuDay(facts, request.triggersPerDay);
        basis.schedule = day;
        if (day.timeLapse && day.activeTimeKnown)
            basis.timeLapseTimes = day.active.startTimes(plan::timeLapseSeconds(menu.settings));
        basis.sdCycle = model.cameraForm == CameraForm::B && menu.settings.sd_cycle == 1;
        if (!deployment.start) {
            const camera::CapturedTime& c = menu.clock;
            deployment.start = QDateTime(QDate(c.year, c.month, c.day),
                                         QTime(c.hour, c.minute, c.second), request.zone);
            deployment.startSource = StartSource::CameraClock;
        }
        plan::PlanInputs inputs;
        inputs.language = request.language;
        inputs.triggersPerDay = request.triggersPerDay;
        inputs.tellClock = false;
        inputs.files = plan::cardFilesOf(menuBytes, settingsFile(mms::mmsFileName),
                                         settingsFile(smtp::smtpFileName), prepared.model);
        const plan::Summary summary = plan::summarizeMenu(facts, inputs);
        prepared.settingsSentences = summary.sentences;
        Comparison& estimates = basis.estimates;
        estimates.picturesPerDayEstimated = figure(summary, "pictures_per_day");
        estimates.timeLapsePerDay = figure(summary, "time_lapse_pictures_per_day");
        estimates.triggersAssumed = request.triggersPerDay;
        estimates.megabytesAssumed =
            plan::pictureSize(camera::imageSizeEntries(model.cameraForm, prepared.model)
                                  .value(menu.settings.image_size));
    }
    if (request.retrieved) {
        deployment.end = request.retrieved;
        deployment.endSource = EndSource::Retrieved;
    }
    const plan::CardFacts card = plan::readCardFacts(request.folder, false);
    if (card.known && card.volumeRoot)
        basis.bytesFree = card.bytesFree;
    if (const auto problem = readClockPhotos(request, basis))
        prepared.problem = *problem;
    return prepared;
}

std::optional<CardReport> readCard(const PreparedReport& prepared, const ReadProgress& reading) {
    ReportBuilder builder(prepared.basis);
    int read = 0;
    const bool whole = MediaWalk(prepared.folder).forEach([&](const MediaFacts& media) {
        builder.add(media);
        if (reading.each)
            reading.each(media);
        if (++read % progressEvery == 0 && reading.progress)
            reading.progress(read);
        return !(reading.cancel && reading.cancel->load());
    });
    if (!whole)
        return std::nullopt;
    if (reading.progress)
        reading.progress(read);
    CardReport report = builder.finish();
    report.folder = prepared.folder;
    report.modelName = report.deployment.modelName;
    report.menu = prepared.menuProblem;
    report.settingsSentences = prepared.settingsSentences;
    report.deployment.id = deploymentId(report.deployment, QDir(prepared.folder).dirName());
    return report;
}

} // namespace kestrova::field
