#include "mms/mms_profile.h"

#include "common/profile_values.h"
#include "i18n/language.h"
#include "i18n/messages.h"
#include "i18n/mms_texts.h"
#include "i18n/profile_number.h"
#include "mms/mms_checks.h"
#include "mms/operator_presets.h"

namespace kestrova::mms {

namespace {

using codec::FieldKind;

bool isText(const MmsFieldRow& row) {
    return row.kind == FieldKind::Text;
}

QString nameOf(MmsField field) {
    return mmsField(field).nameText();
}

ProfileError refused(const QString& name, const Reason& why) {
    return refusedSetting(name, why);
}

ProfileError refused(const QString& name, const QString& why) {
    return refusedSetting(name, {why});
}

const QStringList modeEntries{QStringLiteral("auto"), QStringLiteral("manual")};
const QStringList scopeEntries{QStringLiteral("domestic"), QStringLiteral("international")};

} // namespace

QStringList mmsSettingNames() {
    return settingNames(mmsFields());
}

ProfileKeys mmsProfileKeys() {
    return {QStringLiteral("mms"),
            mmsSettingNames(),
            {QStringLiteral("record_language"), QStringLiteral("tv_mode")}};
}

MmsProfileReader::MmsProfileReader(MmsForm form, int model, int language)
    : ProfileReader(false)
    , form_(form)
    , model_(model)
    , language_(language) {}

bool MmsProfileReader::isSetting(const QString& name) const {
    return mmsFieldNamed(name) != nullptr;
}

std::optional<ProfileError> MmsProfileReader::take(const QString& name, const QJsonValue& value) {
    if (!mmsFieldNamed(name))
        return ProfileError{unknownSettingMessage(name, mmsSettingNames())};
    values_[name] = value;
    return std::nullopt;
}

ProfileRead<MmsSettings> MmsProfileReader::settle() const {
    ProfileRead<MmsSettings> result;
    MmsSettings& s = result.settings;
    auto failed = [&result](std::optional<ProfileError> error) {
        result.error = std::move(error);
        return result.error.has_value();
    };
    if (failed(mode(s.automatic)) ||
        failed(list(nameOf(MmsField::Status), i18n::mmsSendOptions(form_, model_, i18n::English),
                    s.status)) ||
        failed(list(nameOf(MmsField::Bearer),
                    s.automatic ? i18n::mmsApnOptions() : i18n::mmsManualApnOptions(), s.bearer)) ||
        failed(number(mmsField(MmsField::PicturesPerDay), s.picturesPerDay)) ||
        failed(remoteHours(s.remoteHours)) ||
        failed(list(nameOf(MmsField::International), scopeEntries, s.international)))
        return result;
    if (s.automatic) {
        if (failed(country(s.country)) || failed(operatorOf(s.country, s.operatorCode)))
            return result;
    } else {
        if (failed(refuseInManual(nameOf(MmsField::Country))) ||
            failed(refuseInManual(nameOf(MmsField::Operator))))
            return result;
        s.country = manualCountry;
        s.operatorCode = 0;
    }
    for (const MmsFieldRow& row : mmsFields()) {
        if (isText(row) && failed(text(row, s.*row.text)))
            return result;
    }
    if (s.automatic && failed(checkAgainstPreset(s)))
        return result;
    if (failed(checkPhoneLength(s)))
        return result;
    failed(checkRecipientBoxes(s));
    return result;
}

const QJsonValue* MmsProfileReader::given(const QString& name) const {
    const auto found = values_.find(name);
    return found == values_.end() ? nullptr : &found->second;
}

std::optional<ProfileError> MmsProfileReader::mode(int& automatic) const {
    int position = 0;
    if (auto error = list(nameOf(MmsField::Mode), modeEntries, position))
        return error;
    // Position 0 of the form's list is "Auto"; the record's flag is 1 for it.
    automatic = position == 0 ? 1 : 0;
    return std::nullopt;
}

std::optional<ProfileError> MmsProfileReader::list(const QString& name, const QStringList& entries,
                                                   int& into) const {
    const QJsonValue* value = given(name);
    if (!value)
        return std::nullopt;
    if (value->isBool() && entries.size() == 2) {
        into = value->toBool() ? 1 : 0;
        return std::nullopt;
    }
    const auto at = listPosition(*value, entries);
    if (!at) {
        if (name == nameOf(MmsField::Bearer) && entries.size() == 1 &&
            listPosition(*value, i18n::mmsManualApnOptions()))
            return refused(name, QStringLiteral("%1 only in manual mode; in auto mode the list "
                                                "holds only APN")
                                     .arg(describe(*value)));
        return refused(name, notInListReason(*value, entries));
    }
    into = *at;
    return std::nullopt;
}

std::optional<ProfileError> MmsProfileReader::number(const MmsFieldRow& row, int& into) const {
    const QString name = row.nameText();
    const QJsonValue* value = given(name);
    if (!value)
        return std::nullopt;
    if (const auto why = i18n::takeProfileNumber(*value, {row.lower, row.upper}, language_, into))
        return refused(name, *why);
    return std::nullopt;
}

std::optional<ProfileError> MmsProfileReader::remoteHours(int& into) const {
    const QString name = nameOf(MmsField::RemoteHours);
    const QJsonValue* value = given(name);
    if (!value)
        return std::nullopt;
    if (value->isString() &&
        value->toString().trimmed().compare(QStringLiteral("off"), Qt::CaseInsensitive) == 0) {
        into = remoteOff;
        return std::nullopt;
    }
    const auto hours = wholeNumber(*value);
    if (!hours || *hours < 0 || *hours > 24)
        return refused(name,
                       QStringLiteral("%1 is not allowed; use 0..24 or off").arg(describe(*value)));
    into = *hours;
    return std::nullopt;
}

std::optional<ProfileError> MmsProfileReader::refuseInManual(const QString& name) const {
    if (given(name))
        return refused(name, QStringLiteral("only in auto mode; manual mode writes country 0x80 "
                                            "and operator 0"));
    return std::nullopt;
}

std::optional<ProfileError> MmsProfileReader::country(int& into) const {
    const QString name = nameOf(MmsField::Country);
    const QJsonValue* value = given(name);
    if (!value)
        return std::nullopt;
    const QStringList names = mmsCountryNames(i18n::English);
    if (const auto at = listPosition(*value, names)) {
        into = *at;
        return std::nullopt;
    }
    // The Chinese form's name of the first country.
    if (listPosition(*value, {mmsCountryNames(i18n::Chinese).constFirst()})) {
        into = 0;
        return std::nullopt;
    }
    return refused(name, notInListReason(*value, names));
}

std::optional<ProfileError> MmsProfileReader::operatorOf(int country, int& into) const {
    const QString name = nameOf(MmsField::Operator);
    const QJsonValue* value = given(name);
    if (!value)
        return std::nullopt;
    const QStringList names = mmsOperatorNames(country, i18n::English);
    auto at = listPosition(*value, names);
    if (!at)
        at = listPosition(*value, mmsOperatorNames(country, i18n::Chinese));
    if (at) {
        into = *at;
        return std::nullopt;
    }
    return refused(name, QStringLiteral("%1 is not an operator of %2; use a position 0..%3 or "
                                        "one of: %4")
                             .arg(describe(*value), mmsCountryNames(i18n::English)[country])
                             .arg(names.size() - 1)
                             .arg(names.join(QStringLiteral(", "))));
}

std::optional<ProfileError> MmsProfileReader::text(const MmsFieldRow& row, QString& into) const {
    const QString name = row.nameText();
    const QJsonValue* value = given(name);
    if (!value)
        return std::nullopt;
    if (!value->isString())
        return refused(name,
                       QStringLiteral("expected a text in quotes, got %1").arg(describe(*value)));
    into = value->toString();
    return std::nullopt;
}

// In "auto" mode the preset gives the network texts; one given anyway must agree with it, as
// the profile of an auto-mode file holds them.
std::optional<ProfileError> MmsProfileReader::checkAgainstPreset(MmsSettings& s) const {
    MmsSettings preset = s;
    applyPreset(preset);
    for (const MmsFieldRow& row : mmsFields()) {
        const QString name = row.nameText();
        if (!givenByPreset(row.id) || !given(name))
            continue;
        if (s.*row.text != preset.*row.text)
            return refused(
                name, QStringLiteral("in auto mode the preset of %1 gives \"%2\"; use "
                                     "mode=manual to type the network settings")
                          .arg(mmsOperatorNames(s.country, i18n::English).value(s.operatorCode),
                               preset.*row.text));
        (s.*row.text).clear();
    }
    return std::nullopt;
}

// The form measures "Phone No" whenever it takes its values.
std::optional<ProfileError> MmsProfileReader::checkPhoneLength(const MmsSettings& s) const {
    const int limit = phoneDigitLimit(form_, s.international == 1);
    if (s.phone1.size() > limit)
        return refused(
            nameOf(MmsField::Phone1),
            Reason{i18n::maxPhoneDigitsMessage(limit, language_),
                   QT_TRANSLATE_NOOP("ProfileReason", "A phone number holds at most %1 digits."),
                   {QString::number(limit)}});
    return std::nullopt;
}

// The form opens the "Phone or Email" boxes one after the other, each once the box before holds
// 5 or more characters.
std::optional<ProfileError> MmsProfileReader::checkRecipientBoxes(const MmsSettings& s) const {
    if (!s.phone2.isEmpty() && s.phone1.size() < minRecipientLength &&
        s.email.size() < minRecipientLength)
        return refused(nameOf(MmsField::Phone2),
                       QStringLiteral("needs phone1 or email of 5 or more characters first"));
    if (!s.phone3.isEmpty() && s.phone2.size() < minRecipientLength)
        return refused(nameOf(MmsField::Phone3),
                       QStringLiteral("needs phone2 of 5 or more characters first"));
    return std::nullopt;
}

QJsonObject mmsProfileObject(const MmsSettings& s, const QStringList& statusEntries) {
    QJsonObject object;
    auto put = [&object](MmsField field, const QJsonValue& value) {
        object[nameOf(field)] = value;
    };
    put(MmsField::Mode, s.automatic == 1   ? QJsonValue(modeEntries[0])
                        : s.automatic == 0 ? QJsonValue(modeEntries[1])
                                           : QJsonValue(s.automatic));
    put(MmsField::Status, entryOrNumber(s.status, statusEntries));
    put(MmsField::Bearer, entryOrNumber(s.bearer, i18n::mmsManualApnOptions()));
    put(MmsField::PicturesPerDay, s.picturesPerDay);
    put(MmsField::RemoteHours,
        s.remoteHours == remoteOff ? QJsonValue(QStringLiteral("off")) : QJsonValue(s.remoteHours));
    put(MmsField::International, entryOrNumber(s.international, scopeEntries));
    // A manual-mode file always holds country 0x80 and operator 0: nothing to choose.
    if (s.automatic == 1) {
        put(MmsField::Country, uniqueName(s.country, mmsCountryNames(i18n::English)));
        put(MmsField::Operator,
            uniqueName(s.operatorCode, mmsOperatorNames(s.country, i18n::English)));
    }
    for (const MmsFieldRow& row : mmsFields()) {
        if (isText(row))
            object[row.nameText()] = s.*row.text;
    }
    return object;
}

} // namespace kestrova::mms
