#include "smtp/smtp_profile.h"

#include "common/profile_values.h"
#include "common/range_check.h"
#include "i18n/language.h"
#include "i18n/messages.h"
#include "i18n/mms_texts.h"
#include "i18n/profile_number.h"
#include "i18n/smtp_texts.h"
#include "smtp/gprs_presets.h"
#include "smtp/smtp_checks.h"

namespace kestrova::smtp {

namespace {

using codec::FieldKind;
using kestrova::describe;
using kestrova::wholeNumber;

// The only entry of the country and operator lists in "Manual" mode.
const QString manualEntry = QStringLiteral("Other");

ProfileError refusal(const SmtpFieldRow& row, const Reason& why) {
    return refusedSetting(row.nameText(), why);
}

ProfileError refusal(const SmtpFieldRow& row, const QString& why) {
    return refusedSetting(row.nameText(), {why});
}

bool isPresetList(SmtpField field) {
    return field == SmtpField::Country || field == SmtpField::Operator;
}

// The position of a list setting's value in smtpEntries(); -1 where it has none.
int positionOf(const SmtpFieldRow& row, const SmtpSettings& s) {
    const bool manual = s.automatic == 0;
    switch (row.id) {
    case SmtpField::Mode:
        return s.automatic == 1 ? 0 : manual ? 1 : -1;
    case SmtpField::Country:
        return manual ? (s.country == manualCountry ? 0 : -1) : s.country;
    case SmtpField::Operator:
        return manual ? (s.operatorCode == 0 ? 0 : -1) : s.operatorCode;
    default:
        return s.*row.number;
    }
}

bool isManualEntry(const QJsonValue& value) {
    return value.toString().trimmed().compare(manualEntry, Qt::CaseInsensitive) == 0;
}

// A list setting's position by its English entry or its number.
std::optional<ProfileError> readPosition(const SmtpFieldRow& row, const QJsonValue& value,
                                         const QStringList& entries, int& position) {
    const auto found = kestrova::listPosition(value, entries);
    if (!found)
        return refusal(row, kestrova::notInListReason(value, entries));
    position = *found;
    return std::nullopt;
}

std::optional<ProfileError> readPresetEntry(const SmtpFieldRow& row, const QJsonValue& value,
                                            const SmtpSettings& s, int& position) {
    position = 0;
    if (value.isUndefined())
        return std::nullopt;
    if (isManualEntry(value))
        return refusal(
            row, QStringLiteral("\"%1\" belongs to Manual mode; set mode=Manual").arg(manualEntry));
    return readPosition(row, value, smtpEntries(row.id, s), position);
}

// In "Manual" mode the country and operator lists hold "Other" alone.
std::optional<ProfileError> checkManualEntry(const SmtpFieldRow& row, const QJsonValue& value) {
    if (value.isUndefined() || isManualEntry(value) || wholeNumber(value) == 0)
        return std::nullopt;
    return refusal(row, QStringLiteral("in Manual mode the only entry is \"%1\" (got %2); set "
                                       "mode=Auto to choose from the presets")
                            .arg(manualEntry, describe(value)));
}

} // namespace

QStringList smtpSettingNames() {
    return settingNames(smtpFields());
}

ProfileKeys smtpProfileKeys() {
    return {QStringLiteral("smtp"),
            smtpSettingNames(),
            {QStringLiteral("form"), QStringLiteral("user_name"), QStringLiteral("smtp_language")}};
}

QStringList smtpEntries(SmtpField field, const SmtpSettings& settings) {
    const bool manual = settings.automatic == 0;
    switch (field) {
    case SmtpField::Mode:
        return i18n::smtpModeOptions(i18n::English);
    case SmtpField::RemoteHours:
        return i18n::hourOptions(i18n::English);
    case SmtpField::Status:
        return i18n::smtpSendOptions(i18n::English);
    case SmtpField::Country:
        return manual ? QStringList{manualEntry} : gprsCountryNames();
    case SmtpField::Operator:
        return manual ? QStringList{manualEntry} : gprsOperatorNames(settings.country);
    default:
        return {};
    }
}

std::optional<QString> smtpEntryText(SmtpField field, const SmtpSettings& settings) {
    const QStringList entries = smtpEntries(field, settings);
    const int position = positionOf(smtpField(field), settings);
    if (position < 0 || position >= entries.size())
        return std::nullopt;
    return entries[position];
}

QJsonObject smtpProfile(const SmtpSettings& settings, SmtpForm form) {
    QJsonObject profile;
    for (const SmtpFieldRow& row : smtpFields()) {
        if (!onForm(row, form))
            continue;
        const QString name = row.nameText();
        switch (row.kind) {
        case FieldKind::Text:
            profile[name] = settings.*row.text;
            break;
        case FieldKind::Number:
            profile[name] = settings.*row.number;
            break;
        case FieldKind::List:
            if (row.id == SmtpField::Mode) {
                // Any mode byte but 0 has always been written back as "Auto".
                profile[name] = smtpEntries(row.id, settings).at(settings.automatic == 0 ? 1 : 0);
            } else if (const auto entry = smtpEntryText(row.id, settings)) {
                profile[name] = isPresetList(row.id) ? kestrova::entryName(*entry) : *entry;
            } else {
                profile[name] = settings.*row.number;
            }
            break;
        }
    }
    return profile;
}

SmtpProfileReader::SmtpProfileReader(SmtpForm form, const QString& model, int language)
    : ProfileReader(false)
    , form_(form)
    , model_(model)
    , language_(language) {}

bool SmtpProfileReader::isSetting(const QString& name) const {
    return smtpFieldNamed(name) != nullptr;
}

std::optional<ProfileError> SmtpProfileReader::take(const QString& name, const QJsonValue& value) {
    return readSetting(name, value);
}

std::optional<ProfileError> SmtpProfileReader::readSetting(const QString& name,
                                                           const QJsonValue& value) {
    const SmtpFieldRow* row = smtpFieldNamed(name);
    if (!row)
        return ProfileError{kestrova::unknownSettingMessage(name, smtpSettingNames())};
    if (!onForm(*row, form_))
        return refusal(*row, QStringLiteral("%1 has no such setting").arg(model_));
    if (const auto why = notNumberOrText(value))
        return refusal(*row, *why);
    switch (row->id) {
    case SmtpField::Country:
        country_ = value;
        return std::nullopt;
    case SmtpField::Operator:
        operator_ = value;
        return std::nullopt;
    case SmtpField::Mode: {
        int position = 0;
        if (auto refused = readPosition(*row, value, smtpEntries(row->id, settings_), position))
            return refused;
        settings_.automatic = position == 0;
        return std::nullopt;
    }
    default:
        break;
    }
    switch (row->kind) {
    case FieldKind::List:
        return readPosition(*row, value, smtpEntries(row->id, settings_), settings_.*row->number);
    case FieldKind::Number:
        if (const auto why = i18n::takeProfileNumber(value, {row->lower, row->upper}, language_,
                                                     settings_.*row->number))
            return refusal(*row, *why);
        return std::nullopt;
    case FieldKind::Text:
        return readText(*row, value);
    }
    return std::nullopt;
}

std::optional<ProfileError> SmtpProfileReader::readText(const SmtpFieldRow& row,
                                                        const QJsonValue& value) {
    // A port or a phone number may come as a JSON number.
    QString text = value.isString() ? value.toString() : QString();
    if (value.isDouble()) {
        const auto whole = wholeNumber(value);
        if (!whole || *whole < 0)
            return refusal(row, QStringLiteral("expected a text, got %1").arg(describe(value)));
        text = QString::number(*whole);
    }
    const int limit = row.bytes[formColumn(form_)];
    if (text.size() > limit)
        return refusal(row, QStringLiteral("%1 (got %2)")
                                .arg(i18n::maxCharactersMessage(limit, language_))
                                .arg(text.size()));
    settings_.*row.text = text;
    given_.insert(row.id);
    return std::nullopt;
}

ProfileRead<SmtpSettings> SmtpProfileReader::settle() const {
    ProfileRead<SmtpSettings> settled{settings_, std::nullopt};
    SmtpSettings& s = settled.settings;
    const SmtpFieldRow& country = smtpField(SmtpField::Country);
    const SmtpFieldRow& operatorRow = smtpField(SmtpField::Operator);
    std::optional<ProfileError> refusal;
    if (s.automatic) {
        refusal = readPresetEntry(country, country_, s, s.country);
        if (!refusal)
            refusal = readPresetEntry(operatorRow, operator_, s, s.operatorCode);
        if (!refusal)
            refusal = checkPresetTexts(s);
    } else {
        refusal = checkManualEntry(country, country_);
        if (!refusal)
            refusal = checkManualEntry(operatorRow, operator_);
        s.country = manualCountry;
        s.operatorCode = 0;
    }
    if (refusal)
        settled.error = refusal;
    return settled;
}

// "Auto" mode takes the APN, account and GPRS password from the preset, as the form's read-only
// fields do: a different text given for them would be lost without a word.
std::optional<ProfileError>
SmtpProfileReader::checkPresetTexts(const SmtpSettings& settings) const {
    const SmtpSettings preset = withGprsPreset(settings);
    for (const SmtpFieldRow& row : smtpFields()) {
        if (!givenByPreset(row.id) || !given_.contains(row.id))
            continue;
        const QString wanted = preset.*row.text;
        if (settings.*row.text != wanted)
            return refusal(row, QStringLiteral("in Auto mode this comes from the operator's "
                                               "preset (\"%1\"); set mode=Manual to give your own")
                                    .arg(wanted));
    }
    return std::nullopt;
}

} // namespace kestrova::smtp
