#include "fleet/kit.h"

#include "camera/menu_profile.h"
#include "common/profile_document.h"
#include "common/profile_values.h"
#include "fleet/log_values.h"
#include "mms/mms_profile.h"
#include "model/camera_model.h"
#include "smtp/smtp_profile.h"
#include "storage/bounded_read.h"

#include <QCryptographicHash>
#include <QFileInfo>
#include <QJsonDocument>

namespace kestrova::fleet {

namespace {

// Far more than three sections inspect prints (about 2 KiB each).
constexpr qint64 kitLimit = 1024 * 1024;

const QString formatKey = QStringLiteral("kestrova_kit");
const QString nameKey = QStringLiteral("name");
const QString modelKey = QStringLiteral("model");

} // namespace

ProfileKeys profileKeys(KitPart part) {
    switch (part) {
    case KitPart::Menu:
        return camera::menuProfileKeys();
    case KitPart::Mms:
        return mms::MmsFile::profileKeys();
    case KitPart::Smtp:
        break;
    }
    return smtp::SmtpFile::profileKeys();
}

namespace {

std::optional<QString> sectionProblem(KitPart part, const QJsonValue& value, int model) {
    if (!value.isObject())
        return QStringLiteral("must hold an object of settings, not %1").arg(describe(value));
    const QJsonObject section = value.toObject();
    if (const auto verdict = damagedVerdict(section))
        return ProfileProblem{ProfileFault::Damaged, {*verdict}}.text();
    if (const auto problem = profileKeysProblem(section, profileKeys(part)))
        return problem->text();
    const QJsonValue sectionModel = section.value(modelKey);
    if (!sectionModel.isUndefined() && wholeNumber(sectionModel) != model)
        return QStringLiteral("was read as model %1, the kit is for model %2")
            .arg(describe(sectionModel))
            .arg(model);
    if (part == KitPart::Smtp && !cameraModel(model).sendsEmail)
        return QStringLiteral("is for e-mail, which model %1 (%2) cannot send")
            .arg(model)
            .arg(cameraModel(model).nameText());
    return std::nullopt;
}

} // namespace

QString sectionName(KitPart part) {
    switch (part) {
    case KitPart::Menu:
        return QStringLiteral("menu");
    case KitPart::Mms:
        return QStringLiteral("mms");
    case KitPart::Smtp:
        break;
    }
    return QStringLiteral("smtp");
}

QString partFileName(KitPart part) {
    switch (part) {
    case KitPart::Menu:
        return QStringLiteral("menu.dat");
    case KitPart::Mms:
        return QStringLiteral("setup.dat");
    case KitPart::Smtp:
        break;
    }
    return QStringLiteral("smtp.dat");
}

KitRead parseKit(const QByteArray& json) {
    KitRead read;
    read.sha256 = sha256Hex(json);
    const ProfileDocument document = readProfileDocument(json);
    if (document.problem) {
        read.problem = document.problem->text();
        return read;
    }
    const QJsonObject object = document.object;
    const auto refuse = [&read](const QString& problem) {
        read.problem = problem;
        return read;
    };
    if (object.value(formatKey) != QJsonValue(1))
        return refuse(QStringLiteral("is no kit: it needs \"%1\": 1").arg(formatKey));
    for (auto it = object.begin(); it != object.end(); ++it) {
        const QString& key = it.key();
        const bool known = key == formatKey || key == nameKey || key == modelKey ||
                           key == u"menu" || key == u"mms" || key == u"smtp";
        if (!known)
            return refuse(QStringLiteral("holds \"%1\", which no kit has (%2, %3, %4, menu, mms, "
                                         "smtp)")
                              .arg(shownValue(key), formatKey, nameKey, modelKey));
    }
    const QJsonValue name = object.value(nameKey);
    if (!name.isString() || name.toString().trimmed().isEmpty() || holdsControl(name.toString()))
        return refuse(QStringLiteral("needs a \"name\": a text without control characters, "
                                     "not %1")
                          .arg(describe(name)));
    if (const auto problem = nameProblem(normalisedName(name.toString()), NameKind::Name))
        return refuse(
            QStringLiteral("has a \"name\" that cannot be used: %1").arg(problem->english()));
    const auto model = wholeNumber(object.value(modelKey));
    if (!object.value(modelKey).isDouble() || !model || !isValidModel(*model))
        return refuse(QStringLiteral("needs a \"model\" from 1 to %1, not %2")
                          .arg(modelCount)
                          .arg(describe(object.value(modelKey))));
    Kit kit{normalisedName(name.toString()), *model, {}};
    for (const KitPart part : kitParts) {
        const QJsonValue value = object.value(sectionName(part));
        if (value.isUndefined())
            continue;
        if (const auto problem = sectionProblem(part, value, kit.model))
            return refuse(QStringLiteral("section \"%1\" %2").arg(sectionName(part), *problem));
        kit.section(part) = value.toObject();
    }
    if (!kit.section(KitPart::Menu) && !kit.section(KitPart::Mms) && !kit.section(KitPart::Smtp))
        return refuse(QStringLiteral("holds no section: it needs menu, mms or smtp"));
    read.kit = kit;
    return read;
}

KitRead readKitFile(const QString& path) {
    const storage::BoundedRead file = storage::readBounded(path, kitLimit);
    switch (file.status) {
    case storage::BoundedRead::Status::Ok:
        return parseKit(file.bytes);
    case storage::BoundedRead::Status::TooLarge:
        return {{},
                {},
                QStringLiteral("is %1; a kit holds at most %2 bytes")
                    .arg(file.sizeText())
                    .arg(kitLimit)};
    default:
        break;
    }
    return {{}, {}, QStringLiteral("cannot be read: %1").arg(file.reason)};
}

QByteArray kitJson(const Kit& kit) {
    QJsonObject object;
    object[formatKey] = 1;
    object[nameKey] = kit.name;
    object[modelKey] = kit.model;
    for (const KitPart part : kitParts) {
        if (const auto& section = kit.section(part))
            object[sectionName(part)] = *section;
    }
    return QJsonDocument(object).toJson(QJsonDocument::Indented);
}

WriteResult writeKitFile(const QString& path, const Kit& kit) {
    const QFileInfo file(path);
    WriteOptions options;
    options.privateFile = true;
    return writeRecordFile(file.absolutePath(), file.fileName(), kitJson(kit), options);
}

QStringList kitPasswords(const Kit& kit) {
    QStringList held;
    const std::pair<KitPart, const char*> passwords[] = {{KitPart::Mms, "password"},
                                                         {KitPart::Smtp, "sender_password"},
                                                         {KitPart::Smtp, "gprs_password"}};
    for (const auto& [part, name] : passwords) {
        const auto& section = kit.section(part);
        if (section && !section->value(QLatin1String(name)).toString().isEmpty())
            held << sectionName(part) + u'.' + QLatin1String(name);
    }
    return held;
}

QByteArray sha256Hex(const QByteArray& bytes) {
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

} // namespace kestrova::fleet
