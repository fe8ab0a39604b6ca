#include "app/camera_models.h"
#include "app/routing.h"
#include "cli/file_report.h"
#include "cli/json_values.h"
#include "cli/report_text.h"
#include "format/mms_record.h"
#include "i18n/language.h"
#include "i18n/mms_texts.h"
#include "mms/operator_presets.h"

#include <QJsonArray>
#include <QJsonObject>

#include <memory>
#include <optional>

namespace kestrova::cli {

namespace {

using mms::MmsSettings;

const QString notWritten = QStringLiteral(" (control characters: not written by this program)");

struct TextField {
    const char* name;
    QString MmsSettings::*member;
};

const TextField textFields[] = {
    {"url", &MmsSettings::url},         {"apn", &MmsSettings::apn},
    {"gateway", &MmsSettings::gateway}, {"port", &MmsSettings::port},
    {"account", &MmsSettings::account}, {"password", &MmsSettings::password},
    {"phone1", &MmsSettings::phone1},   {"email", &MmsSettings::email},
    {"phone2", &MmsSettings::phone2},   {"phone3", &MmsSettings::phone3},
};

// One decoded "setup.dat", as text lines and as a profile for "kestrova mms".
class MmsReport final : public FileReport {
public:
    MmsReport(const QByteArray& bytes, std::optional<int> model)
        : decoded_(mms::decodeMmsRecord(bytes))
        , size_(bytes.size())
        , model_(model) {}

    bool damaged() const override { return !decoded_.check.intact() || !outOfRange().isEmpty(); }

    QStringList lines() const override {
        const mms::MmsRecordCheck& check = decoded_.check;
        const MmsSettings& s = decoded_.settings;
        QStringList out;
        out << QStringLiteral("kind: mms");
        out << QStringLiteral("size: %1")
                   .arg(okOr(check.sizeOk, QStringLiteral("720 bytes"),
                             QStringLiteral("%1 bytes, a setup.dat has 720").arg(size_)));
        if (!check.sizeOk)
            return out;
        const QString adjustment =
            check.adjustment == 0
                ? QString()
                : QStringLiteral(" + %1 for an international number").arg(check.adjustment);
        out << QStringLiteral("check value: stored %1, CRC %2")
                   .arg(hex16(check.storedCheckValue),
                        okOr(check.checkValueOk, hex16(check.computedCrc) + adjustment,
                             hex16(check.computedCrc) + adjustment));
        out << QStringLiteral("line ends: %1")
                   .arg(okOr(check.lineEndsOk, QStringLiteral("CR LF"), QStringLiteral("missing")));
        out << QStringLiteral("check block: %1")
                   .arg(okOr(check.checkBlockOk, QStringLiteral("zero but the check value"),
                             QStringLiteral("not zero")));
        out << QStringLiteral("layout: %1")
                   .arg(okOr(check.layoutOk, QStringLiteral("as the format has it"),
                             QStringLiteral("values or zeros out of place")));
        out << QStringLiteral("texts: %1")
                   .arg(okOr(check.textsOk, QStringLiteral("code page 936, within their limits"),
                             QStringLiteral("not code page 936 or too long")));
        if (model_)
            out << QStringLiteral("model: %1 (%2), MMS form %3")
                       .arg(*model_)
                       .arg(app::modelName(*model_))
                       .arg(QChar(u'A' + static_cast<int>(app::mmsFormFor(*model_))));
        out << QStringLiteral("mode: %1").arg(modeText(s.automatic));
        out << QStringLiteral("status: %1").arg(statusText(s.status));
        out << QStringLiteral("bearer: %1").arg(entryText(s.bearer, i18n::mmsManualApnOptions()));
        out << QStringLiteral("pictures_per_day: %1%2")
                   .arg(s.picturesPerDay)
                   .arg(s.picturesPerDay == 0 ? QStringLiteral(" (unlimited)") : QString());
        out << QStringLiteral("remote_hours: %1").arg(hoursText(s.remoteHours));
        out << QStringLiteral("international: %1").arg(scopeText(s.international));
        if (s.automatic == 1) {
            out << QStringLiteral("country: %1 (%2)")
                       .arg(s.country)
                       .arg(countryName(s.country).value_or(QStringLiteral("not in the list")));
            out << QStringLiteral("operator: %1 (%2)")
                       .arg(s.operatorCode)
                       .arg(operatorName(s.country, s.operatorCode)
                                .value_or(QStringLiteral("not in the list")));
        } else {
            out << QStringLiteral("country: 0x%1 (%2)")
                       .arg(QString::number(s.country, 16).toUpper(),
                            s.country == mms::manualCountry ? QStringLiteral("manual")
                                                            : QStringLiteral("not 0x80: DAMAGED"));
            out << QStringLiteral("operator: %1").arg(s.operatorCode);
        }
        for (const TextField& field : textFields)
            out << QStringLiteral("%1: %2%3")
                       .arg(QLatin1String(field.name), quotedText(s.*field.member),
                            holdsControl(s.*field.member) ? notWritten : QString());
        out << QStringLiteral("record_language: %1 (%2)")
                   .arg(decoded_.languageByte)
                   .arg(languageName(decoded_.languageByte));
        out << QStringLiteral("tv_mode: %1").arg(decoded_.tvModeByte);
        if (const QStringList wrong = outOfRange(); !wrong.isEmpty())
            out << QStringLiteral("out of range: %1 (DAMAGED)")
                       .arg(wrong.join(QStringLiteral(", ")));
        return out;
    }

    QJsonObject json() const override {
        const mms::MmsRecordCheck& check = decoded_.check;
        const MmsSettings& s = decoded_.settings;
        QJsonObject object;
        object[QStringLiteral("kind")] = QStringLiteral("mms");
        object[QStringLiteral("crc_ok")] = check.checkValueOk;
        object[QStringLiteral("intact")] = !damaged();
        if (!check.sizeOk)
            return object;
        if (const QStringList wrong = outOfRange(); !wrong.isEmpty())
            object[QStringLiteral("out_of_range")] = QJsonArray::fromStringList(wrong);
        if (model_)
            object[QStringLiteral("model")] = *model_;
        object[QStringLiteral("mode")] = s.automatic == 1   ? QJsonValue(QStringLiteral("auto"))
                                         : s.automatic == 0 ? QJsonValue(QStringLiteral("manual"))
                                                            : QJsonValue(s.automatic);
        object[QStringLiteral("status")] = entryOrNumber(s.status, statusEntries());
        object[QStringLiteral("bearer")] = entryOrNumber(s.bearer, i18n::mmsManualApnOptions());
        object[QStringLiteral("pictures_per_day")] = s.picturesPerDay;
        object[QStringLiteral("remote_hours")] = s.remoteHours == mms::remoteOff
                                                     ? QJsonValue(QStringLiteral("off"))
                                                     : QJsonValue(s.remoteHours);
        object[QStringLiteral("international")] = entryOrNumber(
            s.international, {QStringLiteral("domestic"), QStringLiteral("international")});
        // A manual-mode file always holds country 0x80 and operator 0: nothing to choose.
        if (s.automatic == 1) {
            object[QStringLiteral("country")] =
                uniqueName(s.country, mms::mmsCountryNames(i18n::English));
            object[QStringLiteral("operator")] =
                uniqueName(s.operatorCode, mms::mmsOperatorNames(s.country, i18n::English));
        }
        for (const TextField& field : textFields)
            object[QLatin1String(field.name)] = s.*field.member;
        object[QStringLiteral("record_language")] = decoded_.languageByte;
        object[QStringLiteral("tv_mode")] = decoded_.tvModeByte;
        return object;
    }

private:
    // The values that no form and no command writes, by their names in the profile: the check
    // value can be right while they are not.
    QStringList outOfRange() const {
        if (!decoded_.check.sizeOk)
            return {};
        const MmsSettings& s = decoded_.settings;
        const bool automatic = s.automatic == 1;
        // Without a model, the longest status list (models 1 and 3) is the bound.
        const int statusCount = model_ ? static_cast<int>(statusEntries().size()) : 4;
        // Which lists the country and operator come from depends on the mode; with no mode,
        // only the mode is wrong for certain.
        const bool modeOk = s.automatic == 0 || automatic;
        const bool countryOk = !modeOk || (automatic ? countryName(s.country).has_value()
                                                     : s.country == mms::manualCountry);
        const bool operatorOk =
            !modeOk ||
            (automatic ? operatorName(s.country, s.operatorCode).has_value() : s.operatorCode == 0);
        const std::pair<const char*, bool> checks[] = {
            {"mode", modeOk},
            {"status", s.status >= 0 && s.status < statusCount},
            // In auto mode the bearer list holds APN alone.
            {"bearer", s.bearer == 0 || (!automatic && s.bearer == 1)},
            {"pictures_per_day", s.picturesPerDay >= 0 && s.picturesPerDay <= 99},
            {"remote_hours", s.remoteHours >= 0 && s.remoteHours <= mms::remoteOff},
            {"international", s.international == 0 || s.international == 1},
            {"country", countryOk},
            {"operator", operatorOk},
        };
        QStringList wrong;
        for (const auto& [name, ok] : checks) {
            if (!ok)
                wrong << QLatin1String(name);
        }
        for (const TextField& field : textFields) {
            if (holdsControl(s.*field.member))
                wrong << QLatin1String(field.name);
        }
        if (!i18n::isValidLanguage(decoded_.languageByte))
            wrong << QStringLiteral("record_language");
        return wrong;
    }

    // The status list depends on the model; without one only the entries all lists share are
    // known.
    QStringList statusEntries() const {
        if (model_)
            return i18n::mmsSendOptions(app::mmsFormFor(*model_), *model_, i18n::English);
        return {QStringLiteral("Off"), QStringLiteral("VGA")};
    }

    static QString entryText(int value, const QStringList& entries) {
        if (value >= 0 && value < entries.size())
            return entries[value];
        return QStringLiteral("position %1 (not in the list: DAMAGED)").arg(value);
    }

    QString statusText(int status) const {
        const QStringList entries = statusEntries();
        if (status >= 0 && status < entries.size())
            return entries[status];
        if (!model_ && status >= 2 && status <= 3)
            return QStringLiteral("position %1 (give --model for its text)").arg(status);
        return entryText(status, entries);
    }

    static QString modeText(int automatic) {
        if (automatic == 1)
            return QStringLiteral("auto");
        if (automatic == 0)
            return QStringLiteral("manual");
        return QStringLiteral("%1 (neither auto nor manual: DAMAGED)").arg(automatic);
    }

    static QString hoursText(int hours) {
        if (hours == mms::remoteOff)
            return QStringLiteral("off");
        if (hours >= 0 && hours <= 24)
            return QString::number(hours);
        return QStringLiteral("%1 (not an hour: DAMAGED)").arg(hours);
    }

    static QString scopeText(int international) {
        return entryText(international,
                         {QStringLiteral("domestic"), QStringLiteral("international")});
    }

    static std::optional<QString> countryName(int country) {
        const QStringList names = mms::mmsCountryNames(i18n::English);
        if (country < 0 || country >= names.size())
            return std::nullopt;
        return names[country];
    }

    static std::optional<QString> operatorName(int country, int operatorIndex) {
        const QStringList names = mms::mmsOperatorNames(country, i18n::English);
        if (operatorIndex < 0 || operatorIndex >= names.size())
            return std::nullopt;
        return names[operatorIndex];
    }

    static QJsonValue entryOrNumber(int value, const QStringList& entries) {
        if (value >= 0 && value < entries.size())
            return entries[value];
        return value;
    }

    // A name only where it leads back to the same position; the position otherwise.
    static QJsonValue uniqueName(int value, const QStringList& names) {
        if (value < 0 || value >= names.size())
            return value;
        const QString name = names[value].trimmed();
        for (qsizetype at = 0; at < names.size(); ++at) {
            if (names[at].trimmed().compare(name, Qt::CaseInsensitive) == 0)
                return at == value ? QJsonValue(entryName(names[value])) : QJsonValue(value);
        }
        return value;
    }

    mms::DecodedMms decoded_;
    qsizetype size_;
    std::optional<int> model_;
};

} // namespace

std::unique_ptr<FileReport> mmsReport(const QByteArray& bytes, std::optional<int> model) {
    return std::make_unique<MmsReport>(bytes, model);
}

} // namespace kestrova::cli
