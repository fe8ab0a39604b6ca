#include "mms/mms_file.h"

#include "common/profile_reader.h"
#include "common/profile_values.h"
#include "i18n/language.h"
#include "i18n/messages.h"
#include "mms/mms_checks.h"
#include "mms/operator_presets.h"
#include "model/camera_model.h"

namespace kestrova::mms {

namespace {

using i18n::Message;
using Check = sending::Check<MmsField>;

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// 1 to 4 characters: something was typed, but too little to be a number.
bool isStub(const QString& text) {
    return !text.isEmpty() && text.size() < minRecipientLength;
}

bool isLongEnough(const QString& text) {
    return text.size() >= minRecipientLength;
}

// Whether any character from `from` on is not a digit (or, when plusAllowed, a "+").
bool hasForeignCharacter(const QString& text, qsizetype from, bool plusAllowed) {
    for (qsizetype i = from; i < text.size(); ++i) {
        const QChar c = text[i];
        if (!isDigit(c) && !(plusAllowed && c == u'+'))
            return true;
    }
    return false;
}

// "Phone No" may begin with anything when it is international (a "+" in practice).
bool phoneHasNonDigit(const MmsSettings& s) {
    return isLongEnough(s.phone1) && hasForeignCharacter(s.phone1, s.international == 1 ? 1 : 0,
                                                         /*plusAllowed=*/false);
}

// A further recipient that must be a phone number and is not one; a text with "@" counts as an
// e-mail address where one is allowed, and is not looked at further.
bool notAPhone(const QString& text, bool emailAllowed) {
    const bool email = emailAllowed && text.contains(u'@');
    return isLongEnough(text) && !email && hasForeignCharacter(text, 0, true);
}

ProfileError refusal(MmsField field, const Reason& why) {
    return refusedSetting(mmsField(field).nameText(), why);
}

} // namespace

MmsForm MmsFile::form(int model) {
    return cameraModel(model).mmsForm;
}

ProfileKeys MmsFile::profileKeys() {
    return {QStringLiteral("mms"),
            settingNames(mmsFields()),
            {QStringLiteral("record_language"), QStringLiteral("tv_mode")}};
}

std::vector<std::string_view> MmsFile::presetTexts(int country, int operatorIndex) {
    const OperatorPreset preset = mmsPreset(country, operatorIndex);
    return {preset.url, preset.apn, preset.gateway, preset.port, preset.account, preset.password};
}

std::vector<sending::Check<MmsField>> MmsFile::checks(const MmsSettings& s, MmsForm form,
                                                      int model) {
    // An SMS goes to phone numbers only: an e-mail address fails there.
    const bool sms = isSmsOnly(s.status, mmsStatusCount(form, model));
    const bool manual = !sms && s.automatic == 0;
    const bool email = !sms && !s.email.isEmpty();
    const Message recheck = sms ? Message::RecheckPhone : Message::RecheckPhoneEmail;
    return {
        {!sms && s.phone1.isEmpty() && s.email.isEmpty(), Message::PhoneEmailError,
         MmsField::Phone1},
        {isStub(s.phone1), Message::PhoneError01, MmsField::Phone1},
        {isStub(s.phone2), Message::PhoneError02, MmsField::Phone2},
        {isStub(s.phone3), Message::PhoneError03, MmsField::Phone3},
        {phoneHasNonDigit(s), Message::PhoneDigitsOnly, MmsField::Phone1},
        {notAPhone(s.phone2, !sms), recheck, MmsField::Phone2},
        {notAPhone(s.phone3, !sms), recheck, MmsField::Phone3},
        {email && !s.email.contains(u'@'), Message::EmailNoAt, MmsField::Email},
        {email && !s.email.contains(u'.'), Message::EmailNoDot, MmsField::Email},
        {manual && s.url.isEmpty(), Message::UrlError, MmsField::Url},
        {manual && s.apn.isEmpty(), Message::ApnError, MmsField::Apn},
        {manual && s.gateway.isEmpty(), Message::GatewayError, MmsField::Gateway},
        {manual && s.port.isEmpty(), Message::PortError, MmsField::Port},
        {manual && !s.gateway.contains(u'.'), Message::GatewayDotError, MmsField::Gateway},
        // Remote control takes its orders from "Phone No", so it needs one.
        {s.remoteHours != remoteOff && s.phone1.size() < minRecipientLength, Message::SetPhone1,
         MmsField::Phone1},
    };
}

std::optional<QString> MmsFile::readText(const MmsFieldRow& /*row*/, const QJsonValue& value,
                                         MmsForm /*form*/, int /*language*/, QString& into) {
    if (!value.isString())
        return QStringLiteral("expected a text in quotes, got %1").arg(describe(value));
    into = value.toString();
    return std::nullopt;
}

std::optional<Reason> MmsFile::readPresetChoice(const MmsFieldRow& row, const QJsonValue& value,
                                                MmsSettings& s) {
    if (s.automatic != 1)
        return Reason{
            QStringLiteral("only in auto mode; manual mode writes country 0x80 and operator 0")};
    if (row.role == sending::ListRole::Country) {
        const QStringList names = mmsCountryNames(i18n::English);
        auto at = listPosition(value, names);
        // The Chinese form's name of the first country.
        if (!at && listPosition(value, {mmsCountryNames(i18n::Chinese).constFirst()}))
            at = 0;
        if (!at)
            return notInListReason(value, names);
        s.country = *at;
        return std::nullopt;
    }
    const QStringList names = mmsOperatorNames(s.country, i18n::English);
    auto at = listPosition(value, names);
    if (!at)
        at = listPosition(value, mmsOperatorNames(s.country, i18n::Chinese));
    if (!at)
        return Reason{
            QStringLiteral("%1 is not an operator of %2; use a position 0..%3 or one of: %4")
                .arg(describe(value), mmsCountryNames(i18n::English)[s.country])
                .arg(names.size() - 1)
                .arg(names.join(QStringLiteral(", ")))};
    s.operatorCode = *at;
    return std::nullopt;
}

std::optional<QJsonValue> MmsFile::presetChoiceValue(const MmsFieldRow& row, const MmsSettings& s) {
    // A manual-mode file always holds country 0x80 and operator 0: nothing to choose.
    if (s.automatic != 1)
        return std::nullopt;
    if (row.role == sending::ListRole::Country)
        return uniqueName(s.country, mmsCountryNames(i18n::English));
    return uniqueName(s.operatorCode, mmsOperatorNames(s.country, i18n::English));
}

std::optional<QString> MmsFile::refuseListValue(const MmsFieldRow& row, const QJsonValue& value,
                                                const MmsSettings& s) {
    if (row.id == MmsField::Bearer && s.automatic == 1 &&
        listPosition(value, i18n::mmsManualApnOptions()))
        return QStringLiteral("%1 only in manual mode; in auto mode the list holds only APN")
            .arg(describe(value));
    return std::nullopt;
}

QString MmsFile::presetRefusal(const MmsSettings& s, const QString& presetText) {
    return QStringLiteral("in auto mode the preset of %1 gives \"%2\"; use mode=manual to type the "
                          "network settings")
        .arg(mmsOperatorNames(s.country, i18n::English).value(s.operatorCode), presetText);
}

std::optional<ProfileError> MmsFile::settleChecks(const MmsSettings& s, MmsForm form,
                                                  int language) {
    // The form measures "Phone No" whenever it takes its values.
    const int limit = phoneDigitLimit(form, s.international == 1);
    if (s.phone1.size() > limit)
        return refusal(
            MmsField::Phone1,
            Reason{i18n::maxPhoneDigitsMessage(limit, language),
                   QT_TRANSLATE_NOOP("ProfileReason", "A phone number holds at most %1 digits."),
                   {QString::number(limit)}});
    // The form opens the "Phone or Email" boxes one after the other, each once the box before
    // holds 5 or more characters.
    if (!s.phone2.isEmpty() && s.phone1.size() < minRecipientLength &&
        s.email.size() < minRecipientLength)
        return refusal(MmsField::Phone2,
                       {QStringLiteral("needs phone1 or email of 5 or more characters first")});
    if (!s.phone3.isEmpty() && s.phone2.size() < minRecipientLength)
        return refusal(MmsField::Phone3,
                       {QStringLiteral("needs phone2 of 5 or more characters first")});
    return std::nullopt;
}

} // namespace kestrova::mms
