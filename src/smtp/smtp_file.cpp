#include "smtp/smtp_file.h"

#include "common/profile_reader.h"
#include "common/profile_values.h"
#include "i18n/language.h"
#include "i18n/messages.h"
#include "model/camera_model.h"
#include "sending/sending_profile.h"
#include "smtp/gprs_presets.h"
#include "smtp/smtp_checks.h"

namespace kestrova::smtp {

namespace {

using i18n::Message;

bool isShort(const QString& text, int shortest) {
    return cp936Length(text) < shortest;
}

// The "@" and "." the user typed, wherever they stand.
bool lacks(const QString& text, char16_t character) {
    return !text.contains(QChar(character));
}

bool isManualEntry(const QJsonValue& value) {
    return value.toString().trimmed().compare(sending::manualEntry(), Qt::CaseInsensitive) == 0;
}

} // namespace

SmtpForm SmtpFile::form(int model) {
    return cameraModel(model).smtpForm;
}

ProfileKeys SmtpFile::profileKeys() {
    return {QStringLiteral("smtp"),
            settingNames(smtpFields()),
            {QStringLiteral("form"), QStringLiteral("user_name"), QStringLiteral("smtp_language")}};
}

std::vector<std::string_view> SmtpFile::presetTexts(int country, int operatorIndex) {
    const GprsPreset preset = gprsPreset(country, operatorIndex);
    return {preset.apn, preset.user, preset.password};
}

std::vector<sending::Check<SmtpField>> SmtpFile::checks(const SmtpSettings& s, SmtpForm form,
                                                        int /*model*/) {
    const bool manual = s.automatic == 0;
    const bool remoteOn = s.remoteHours != remoteOff;
    return {
        {manual && isShort(s.apn, shortestText), Message::EnterApn, SmtpField::Apn},
        {isShort(s.server, shortestText), Message::EnterSmtpServer, SmtpField::Server},
        {isShort(s.port, shortestText), Message::EnterPort, SmtpField::Port},
        {isShort(s.sender, shortestText), Message::EnterEmail, SmtpField::Sender},
        {lacks(s.sender, u'@'), Message::EmailNoAt, SmtpField::Sender},
        {lacks(s.sender, u'.'), Message::EmailNoDot, SmtpField::Sender},
        {isShort(s.senderPassword, shortestText), Message::EnterSenderPassword,
         SmtpField::SenderPassword},
        {isShort(s.recipient, shortestText), Message::EnterEmail, SmtpField::Recipient},
        {lacks(s.recipient, u'@'), Message::EmailNoAt, SmtpField::Recipient},
        {lacks(s.recipient, u'.'), Message::EmailNoDot, SmtpField::Recipient},
        {form == SmtpForm::B && !s.phone.isEmpty() && isShort(s.phone, shortestPhone),
         Message::PhoneError, SmtpField::Phone},
        {remoteOn && isShort(s.phone, shortestPhone), Message::PhoneError, SmtpField::Phone},
        {!isPortNumber(s.port), i18n::Notice::PortNotNumber, SmtpField::Port},
    };
}

std::optional<QString> SmtpFile::readText(const SmtpFieldRow& row, const QJsonValue& value,
                                          SmtpForm form, int language, QString& into) {
    // A port or a phone number may come as a JSON number.
    QString text = value.isString() ? value.toString() : QString();
    if (value.isDouble()) {
        const auto whole = wholeNumber(value);
        if (!whole || *whole < 0)
            return QStringLiteral("expected a text, got %1").arg(describe(value));
        text = QString::number(*whole);
    }
    const int limit = row.bytes[formColumn(form)];
    if (text.size() > limit)
        return QStringLiteral("%1 (got %2)")
            .arg(i18n::maxCharactersMessage(limit, language))
            .arg(text.size());
    into = text;
    return std::nullopt;
}

std::optional<Reason> SmtpFile::readPresetChoice(const SmtpFieldRow& row, const QJsonValue& value,
                                                 SmtpSettings& s) {
    int& code = row.role == sending::ListRole::Country ? s.country : s.operatorCode;
    if (s.automatic == 0) {
        // In "Manual" mode the country and operator lists hold "Other" alone.
        if (isManualEntry(value) || wholeNumber(value) == 0)
            return std::nullopt;
        return Reason{QStringLiteral("in Manual mode the only entry is \"%1\" (got %2); set "
                                     "mode=Auto to choose from the presets")
                          .arg(sending::manualEntry(), describe(value))};
    }
    if (isManualEntry(value))
        return Reason{QStringLiteral("\"%1\" belongs to Manual mode; set mode=Manual")
                          .arg(sending::manualEntry())};
    const QStringList entries =
        row.role == sending::ListRole::Country ? gprsCountryNames() : gprsOperatorNames(s.country);
    const auto found = listPosition(value, entries);
    if (!found)
        return notInListReason(value, entries);
    code = *found;
    return std::nullopt;
}

std::optional<QJsonValue> SmtpFile::presetChoiceValue(const SmtpFieldRow& row,
                                                      const SmtpSettings& s) {
    const int value = row.numberIn(s);
    const int position = sending::positionOf(row, s);
    const QStringList entries = sending::entriesOf(
        row, sending::ListContext{0, 0, i18n::English, s.automatic == 1, s.country});
    if (position < 0 || position >= entries.size())
        return QJsonValue(value);
    return entryName(entries[position]);
}

QString SmtpFile::presetRefusal(const SmtpSettings& /*settings*/, const QString& presetText) {
    return QStringLiteral("in Auto mode this comes from the operator's preset (\"%1\"); set "
                          "mode=Manual to give your own")
        .arg(presetText);
}

} // namespace kestrova::smtp
