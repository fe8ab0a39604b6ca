#include "mms/mms_checks.h"

#include "common/control_characters.h"

#include "i18n/language.h"
#include "i18n/mms_texts.h"
#include "mms/mms_record.h"
#include "mms/operator_presets.h"

#include <array>

namespace kestrova::mms {

using namespace kestrova::codec;

namespace {

using i18n::Message;

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// 1 to 4 characters: something was typed, but too little to be a number.
bool isStub(const QString& text) {
    return !text.isEmpty() && text.size() < minRecipientLength;
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

bool isLongEnough(const QString& text) {
    return text.size() >= minRecipientLength;
}

// "Phone No" may begin with anything when it is international (a "+" in practice).
bool phoneHasNonDigit(const MmsSettings& s) {
    return isLongEnough(s.phone1) && hasForeignCharacter(s.phone1, s.international == 1 ? 1 : 0,
                                                         /*plusAllowed=*/false);
}

std::optional<CheckFailure> lengthChecks(const MmsSettings& s) {
    if (isStub(s.phone1))
        return CheckFailure{Message::PhoneError01, MmsField::Phone1};
    if (isStub(s.phone2))
        return CheckFailure{Message::PhoneError02, MmsField::Phone2};
    if (isStub(s.phone3))
        return CheckFailure{Message::PhoneError03, MmsField::Phone3};
    return std::nullopt;
}

// The lengths, the digits of "Phone No", then the two further recipients, which must be phone
// numbers unless emailAllowed and they hold an "@".
std::optional<CheckFailure> phoneChecks(const MmsSettings& s, bool emailAllowed, Message recheck) {
    if (auto failure = lengthChecks(s))
        return failure;
    if (phoneHasNonDigit(s))
        return CheckFailure{Message::PhoneDigitsOnly, MmsField::Phone1};
    const std::pair<const QString*, MmsField> recipients[] = {{&s.phone2, MmsField::Phone2},
                                                              {&s.phone3, MmsField::Phone3}};
    for (const auto& [text, field] : recipients) {
        const bool email = emailAllowed && text->contains(u'@');
        if (isLongEnough(*text) && !email && hasForeignCharacter(*text, 0, true))
            return CheckFailure{recheck, field};
    }
    return std::nullopt;
}

std::optional<CheckFailure> smsOnlyChecks(const MmsSettings& s) {
    // An SMS goes to phone numbers only: an e-mail address fails here.
    return phoneChecks(s, /*emailAllowed=*/false, Message::RecheckPhone);
}

std::optional<CheckFailure> mmsChecks(const MmsSettings& s) {
    if (s.phone1.isEmpty() && s.email.isEmpty())
        return CheckFailure{Message::PhoneEmailError, MmsField::Phone1};
    // A text with "@" counts as an e-mail address and is not looked at further.
    if (auto failure = phoneChecks(s, /*emailAllowed=*/true, Message::RecheckPhoneEmail))
        return failure;
    if (!s.email.isEmpty()) {
        if (!s.email.contains(u'@'))
            return CheckFailure{Message::EmailNoAt, MmsField::Email};
        if (!s.email.contains(u'.'))
            return CheckFailure{Message::EmailNoDot, MmsField::Email};
    }
    if (s.automatic == 0) {
        if (s.url.isEmpty())
            return CheckFailure{Message::UrlError, MmsField::Url};
        if (s.apn.isEmpty())
            return CheckFailure{Message::ApnError, MmsField::Apn};
        if (s.gateway.isEmpty())
            return CheckFailure{Message::GatewayError, MmsField::Gateway};
        if (s.port.isEmpty())
            return CheckFailure{Message::PortError, MmsField::Port};
        if (!s.gateway.contains(u'.'))
            return CheckFailure{Message::GatewayDotError, MmsField::Gateway};
    }
    return std::nullopt;
}

QString utf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A character as the user can recognise it: control characters by their code.
} // namespace

int mmsStatusCount(MmsForm form, int model) {
    return static_cast<int>(i18n::mmsSendOptions(form, model, i18n::English).size());
}

std::optional<CheckFailure> checkGenerate(const MmsSettings& settings, int statusCount) {
    const bool smsOnly = isSmsOnly(settings.status, statusCount);
    if (auto failure = smsOnly ? smsOnlyChecks(settings) : mmsChecks(settings))
        return failure;
    // Remote control takes its orders from "Phone No", so it needs one.
    if (settings.remoteHours != remoteOff && settings.phone1.size() < minRecipientLength)
        return CheckFailure{Message::SetPhone1, MmsField::Phone1};
    return std::nullopt;
}

bool givenByPreset(MmsField field) {
    switch (field) {
    case MmsField::Url:
    case MmsField::Apn:
    case MmsField::Gateway:
    case MmsField::Port:
    case MmsField::Account:
    case MmsField::Password:
        return true;
    default:
        return false;
    }
}

void applyPreset(MmsSettings& settings) {
    if (settings.automatic != 1)
        return;
    const OperatorPreset preset = mmsPreset(settings.country, settings.operatorCode);
    settings.url = utf8(preset.url);
    settings.apn = utf8(preset.apn);
    settings.gateway = utf8(preset.gateway);
    settings.port = utf8(preset.port);
    settings.account = utf8(preset.account);
    settings.password = utf8(preset.password);
}

PreparedMmsFile prepareMmsFile(const MmsSettings& settings, int statusCount, int languageByte,
                               std::uint16_t tvMode) {
    PreparedMmsFile prepared;
    if ((prepared.failure = checkGenerate(settings, statusCount)))
        return prepared;
    // The preset goes into the record only: in "Auto" mode the network boxes stay empty.
    MmsSettings written = settings;
    applyPreset(written);
    RecordBytes record = buildMmsRecord(written, languageByte, tvMode);
    prepared.refusal = record.error;
    prepared.bytes = record.bytes;
    return prepared;
}

QString fieldErrorMessage(const FieldError& error, const QString& fieldName, int language) {
    switch (error.reason) {
    case FieldError::Reason::TooLong:
        return i18n::messageFor(Message::FieldTooLong, language)
            .arg(fieldName, QString::number(error.actual), QString::number(error.upper));
    case FieldError::Reason::NotEncodable:
    case FieldError::Reason::ControlCharacter:
        return i18n::messageFor(Message::FieldNotEncodable, language)
            .arg(fieldName, shownCharacter(error.character));
    case FieldError::Reason::ContainsZero:
        return i18n::messageFor(Message::FieldNotEncodable, language)
            .arg(fieldName, shownCharacter(QString(QChar(0))));
    case FieldError::Reason::OutOfRange:
        break;
    }
    if (error.id == static_cast<int>(MmsField::PicturesPerDay))
        return i18n::integerRangeMessage(error.lower, error.upper, language);
    // The lists cannot hold other numbers out of range; should one slip through, say which.
    return describe(error);
}

} // namespace kestrova::mms
