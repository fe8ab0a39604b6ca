#include "fleet/kit_from_card.h"

#include "camera/menu_profile.h"
#include "camera/menu_record.h"
#include "i18n/language.h"
#include "i18n/mms_texts.h"
#include "mms/mms_profile.h"
#include "mms/mms_record.h"
#include "model/camera_model.h"
#include "smtp/smtp_profile.h"
#include "smtp/smtp_record.h"
#include "storage/bounded_read.h"
#include "storage/record_file.h"

#include <QDateTime>
#include <QFileInfo>
#include <QJsonObject>

namespace kestrova::fleet {

namespace {

// Far more than any settings file.
constexpr qint64 fileLimit = 64 * 1024;

struct Section {
    std::optional<QJsonObject> object;
    QString problem;
    QDateTime clock; // a camera menu's
};

QJsonObject head(const QString& kind, int model) {
    QJsonObject object;
    object[QStringLiteral("kind")] = kind;
    object[QStringLiteral("crc_ok")] = true;
    object[QStringLiteral("intact")] = true;
    object[QStringLiteral("model")] = model;
    return object;
}

void insert(QJsonObject& object, const QJsonObject& settings) {
    for (auto it = settings.begin(); it != settings.end(); ++it)
        object[it.key()] = it.value();
}

Section menuSection(const QByteArray& bytes, int model) {
    const CameraForm form = cameraModel(model).cameraForm;
    const camera::MenuRecordCheck check = camera::checkMenuRecord(bytes);
    if (!check.intact())
        return {{}, QStringLiteral("damaged: its check value or frame is wrong"), {}};
    if (check.factoryReset)
        return {{}, QStringLiteral("the factory reset record, which holds no settings"), {}};
    const camera::MenuRecord record = camera::toMenuRecord(bytes);
    const camera::DecodedMenu menu = camera::decodeMenuRecord(record, form);
    const camera::CapturedTime& t = menu.clock;
    const QDateTime clock(QDate(t.year, t.month, t.day), QTime(t.hour, t.minute, t.second));
    if (!clock.isValid() || !camera::unexpectedReservedBytes(record, form).isEmpty())
        return {{}, QStringLiteral("damaged: it holds bytes no form writes"), {}};
    QJsonObject object = head(QStringLiteral("menu"), model);
    insert(object, camera::menuProfileObject(menu.settings, form, model));
    object[QStringLiteral("clock")] = clock.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss"));
    object[QStringLiteral("menu_language")] = menu.languageByte;
    object[QStringLiteral("tv_mode")] = menu.tvModeByte;
    return {object, {}, clock};
}

Section mmsSection(const QByteArray& bytes, int model) {
    const mms::DecodedMms decoded = mms::decodeMmsRecord(bytes);
    if (!decoded.check.intact())
        return {{}, QStringLiteral("damaged: its check value or layout is wrong"), {}};
    QJsonObject object = head(QStringLiteral("mms"), model);
    insert(object, mms::mmsProfileObject(decoded.settings, cameraModel(model).mmsForm, model));
    object[QStringLiteral("record_language")] = decoded.languageByte;
    object[QStringLiteral("tv_mode")] = decoded.tvModeByte;
    return {object, {}, {}};
}

Section smtpSection(const QByteArray& bytes, int model) {
    const SmtpForm form = cameraModel(model).smtpForm;
    const smtp::DecodedSmtp decoded = smtp::decodeSmtpRecord(bytes, form);
    if (!decoded.check.intact())
        return {{}, QStringLiteral("damaged: its check value or layout is wrong"), {}};
    QJsonObject object = head(QStringLiteral("smtp"), model);
    object[QStringLiteral("form")] = QString(QChar(u'A' + static_cast<int>(form)));
    insert(object, smtp::smtpProfile(decoded.settings, form));
    object[QStringLiteral("user_name")] = decoded.madeText;
    object[QStringLiteral("smtp_language")] = decoded.languageByte;
    return {object, {}, {}};
}

Section sectionOf(KitPart part, const QByteArray& bytes, int model) {
    switch (part) {
    case KitPart::Menu:
        return menuSection(bytes, model);
    case KitPart::Mms:
        return mmsSection(bytes, model);
    case KitPart::Smtp:
        break;
    }
    return smtpSection(bytes, model);
}

} // namespace

CardKit kitFromFolder(const QString& folder, int model, const QString& name,
                      const RecordDefaults& defaults) {
    CardKit made{{name, model, {}}, {}};
    for (const KitPart part : kitParts) {
        if (part == KitPart::Smtp && !cameraModel(model).sendsEmail)
            continue;
        const QString fileName = partFileName(part);
        const QString path = recordFilePath(folder, fileName);
        if (!QFileInfo::exists(path) && !QFileInfo(path).isSymLink())
            continue;
        const storage::BoundedRead read = storage::readBounded(path, fileLimit);
        if (!read.ok()) {
            made.refused << QStringLiteral("%1: %2").arg(
                fileName,
                read.status == storage::BoundedRead::Status::TooLarge
                    ? QStringLiteral("%1, larger than any settings file").arg(read.sizeText())
                    : read.reason);
            continue;
        }
        const Section section = sectionOf(part, read.bytes, model);
        if (!section.object) {
            made.refused << QStringLiteral("%1: %2").arg(fileName, section.problem);
            continue;
        }
        // The section must give back the very file it was read from.
        Kit alone{name, model, {}};
        alone.section(part) = section.object;
        const PreparedKit again = prepareKit(alone, {}, section.clock, defaults);
        if (again.refusal) {
            made.refused << QStringLiteral("%1: its settings are refused (%2)")
                                .arg(fileName, again.refusal->message);
            continue;
        }
        if (again.files.front().bytes != read.bytes) {
            made.refused << QStringLiteral("%1: damaged: it holds values no form of model %2 "
                                           "writes")
                                .arg(fileName)
                                .arg(model);
            continue;
        }
        made.kit.section(part) = section.object;
    }
    return made;
}

QList<int> modelsThatWrote(const QString& folder, const RecordDefaults& defaults) {
    QList<int> models;
    for (int model = 1; model <= modelCount; ++model) {
        const CardKit made = kitFromFolder(folder, model, QString(), defaults);
        bool complete = made.refused.isEmpty() && !made.empty();
        // A model that sends no e-mail cannot have written the card's smtp.dat.
        const QString smtp = recordFilePath(folder, partFileName(KitPart::Smtp));
        if (!cameraModel(model).sendsEmail &&
            (QFileInfo::exists(smtp) || QFileInfo(smtp).isSymLink()))
            complete = false;
        if (complete)
            models << model;
    }
    return models;
}

} // namespace kestrova::fleet
