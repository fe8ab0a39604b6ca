#include "app/camera_models.h"
#include "app/routing.h"
#include "cli/file_report.h"
#include "cli/json_values.h"
#include "cli/report_text.h"
#include "i18n/language.h"
#include "i18n/mms_texts.h"
#include "mms/mms_checks.h"
#include "mms/mms_fields.h"
#include "mms/mms_profile.h"
#include "mms/mms_record.h"
#include "mms/operator_presets.h"

#include <QJsonObject>

#include <memory>
#include <optional>

namespace kestrova::cli {

namespace {

using mms::MmsField;
using mms::MmsSettings;

const QString notWritten = QStringLiteral(" (control characters: not written by this program)");

// A report line of a setting: its name, then the value the pattern makes.
QString named(MmsField field, const QString& pattern = QStringLiteral("%1")) {
    return mms::mmsField(field).nameText() + QStringLiteral(": ") + pattern;
}

bool inRange(MmsField field, int value) {
    const mms::MmsFieldRow& row = mms::mmsField(field);
    return value >= row.lower && value <= row.upper;
}

// One decoded "setup.dat", as text lines and as a profile for "kestrova mms".
class MmsReport final : public FileReport {
public:
    MmsReport(const QByteArray& bytes, std::optional<int> model)
        : decoded_(mms::decodeMmsRecord(bytes))
        , size_(bytes.size())
        , model_(model)
        , refusal_(refusal()) {}

    bool damaged() const override {
        return !decoded_.check.intact() || !outOfRange().isEmpty() || refusal_;
    }

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
        out << named(MmsField::Mode).arg(modeText(s.automatic));
        out << named(MmsField::Status).arg(statusText(s.status));
        out << named(MmsField::Bearer).arg(entryText(s.bearer, i18n::mmsManualApnOptions()));
        out << named(MmsField::PicturesPerDay, QStringLiteral("%1%2"))
                   .arg(s.picturesPerDay)
                   .arg(s.picturesPerDay == 0 ? QStringLiteral(" (unlimited)") : QString());
        out << named(MmsField::RemoteHours).arg(hoursText(s.remoteHours));
        out << named(MmsField::International).arg(scopeText(s.international));
        if (s.automatic == 1) {
            out << named(MmsField::Country, QStringLiteral("%1 (%2)"))
                       .arg(s.country)
                       .arg(countryName(s.country).value_or(QStringLiteral("not in the list")));
            out << named(MmsField::Operator, QStringLiteral("%1 (%2)"))
                       .arg(s.operatorCode)
                       .arg(operatorName(s.country, s.operatorCode)
                                .value_or(QStringLiteral("not in the list")));
        } else {
            out << named(MmsField::Country, QStringLiteral("0x%1 (%2)"))
                       .arg(QString::number(s.country, 16).toUpper(),
                            s.country == mms::manualCountry ? QStringLiteral("manual")
                                                            : QStringLiteral("not 0x80: DAMAGED"));
            out << named(MmsField::Operator).arg(s.operatorCode);
        }
        for (const mms::MmsFieldRow& row : mms::mmsFields()) {
            if (row.kind == codec::FieldKind::Text)
                out << named(row.id, QStringLiteral("%1%2"))
                           .arg(quotedText(s.*row.text),
                                holdsControl(s.*row.text) ? notWritten : QString());
        }
        out << languageLine(QStringLiteral("record_language"), decoded_.languageByte);
        out << QStringLiteral("tv_mode: %1").arg(decoded_.tvModeByte);
        addOutOfRangeLine(out, outOfRange());
        addRefusalLine(out, refusal_);
        return out;
    }

    QJsonObject json() const override {
        const mms::MmsRecordCheck& check = decoded_.check;
        const MmsSettings& s = decoded_.settings;
        QJsonObject object = jsonHead(QStringLiteral("mms"), check.checkValueOk, !damaged());
        if (!check.sizeOk)
            return object;
        addRangeAndModel(object, outOfRange(), model_);
        addRefusal(object, refusal_);
        insertSettings(object, mms::mmsProfileObject(s, statusEntries()));
        object[QStringLiteral("record_language")] = decoded_.languageByte;
        object[QStringLiteral("tv_mode")] = decoded_.tvModeByte;
        return object;
    }

private:
    // What `kestrova mms` says of these settings, read back as a profile: the first refusal for
    // the model given, or, without one, for every model; nothing when one of them takes them.
    std::optional<QString> refusal() const {
        if (!decoded_.check.sizeOk)
            return std::nullopt;
        std::optional<QString> why;
        for (int model = 1; model <= kestrova::modelCount; ++model) {
            if (model_ && model != *model_)
                continue;
            const MmsForm form = app::mmsFormFor(model);
            const auto read =
                mms::MmsProfileReader(form, model, i18n::English)
                    .read(mms::mmsProfileObject(decoded_.settings,
                                                i18n::mmsSendOptions(form, model, i18n::English)));
            if (read.error) {
                why = read.error->message;
                continue;
            }
            const mms::PreparedMmsFile prepared =
                mms::prepareMmsFile(read.settings, mms::mmsStatusCount(form, model),
                                    i18n::cameraLanguageBytes.contains(decoded_.languageByte)
                                        ? decoded_.languageByte
                                        : i18n::cameraLanguageByte(i18n::English),
                                    static_cast<std::uint16_t>(decoded_.tvModeByte));
            if (prepared.failure)
                why = named(prepared.failure->field)
                          .arg(i18n::messageFor(prepared.failure->message, i18n::English));
            else if (prepared.refusal)
                why = mms::fieldErrorMessage(*prepared.refusal, prepared.refusal->field,
                                             i18n::English);
            else
                return std::nullopt;
        }
        return why;
    }

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
        const std::pair<MmsField, bool> checks[] = {
            {MmsField::Mode, modeOk},
            {MmsField::Status, s.status >= 0 && s.status < statusCount},
            // In auto mode the bearer list holds APN alone.
            {MmsField::Bearer, s.bearer == 0 || (!automatic && s.bearer == 1)},
            {MmsField::PicturesPerDay, inRange(MmsField::PicturesPerDay, s.picturesPerDay)},
            {MmsField::RemoteHours, inRange(MmsField::RemoteHours, s.remoteHours)},
            {MmsField::International, inRange(MmsField::International, s.international)},
            {MmsField::Country, countryOk},
            {MmsField::Operator, operatorOk},
        };
        QStringList wrong;
        for (const auto& [field, ok] : checks) {
            if (!ok)
                wrong << mms::mmsField(field).nameText();
        }
        for (const mms::MmsFieldRow& row : mms::mmsFields()) {
            if (row.kind == codec::FieldKind::Text && holdsControl(s.*row.text))
                wrong << row.nameText();
        }
        if (!i18n::cameraLanguageBytes.contains(decoded_.languageByte))
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

    mms::DecodedMms decoded_;
    qsizetype size_;
    std::optional<int> model_;
    std::optional<QString> refusal_;
};

} // namespace

std::unique_ptr<FileReport> mmsReport(const QByteArray& bytes, std::optional<int> model) {
    return std::make_unique<MmsReport>(bytes, model);
}

} // namespace kestrova::cli
