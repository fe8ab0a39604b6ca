#include "smtp/smtp_checks.h"

#include "codec/text_encoding.h"
#include "common/control_characters.h"
#include "i18n/language.h"
#include "i18n/notices.h"
#include "i18n/smtp_texts.h"
#include "smtp/gprs_presets.h"

#include <array>

namespace kestrova::smtp {

using i18n::Message;

namespace {

bool isShort(const QString& text, int shortest) {
    return cp936Length(text) < shortest;
}

// The "@" and "." the user typed, wherever they stand.
bool lacks(const QString& text, char16_t character) {
    return !text.contains(QChar(character));
}

QString fromAscii(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

QString smtpFieldName(SmtpField field, int language) {
    const codec::MessageName& names = smtpField(field).message;
    const std::string_view name = language == i18n::Chinese ? names.chinese : names.english;
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

int cp936Length(const QString& text) {
    const Cp936Text encoded = encodeCp936(text);
    if (encoded.ok())
        return static_cast<int>(encoded.bytes.size());
    int length = 0;
    for (const QChar c : text) {
        // A surrogate pair is one character: count its first half only.
        if (!c.isLowSurrogate())
            length += c.unicode() < 0x80 ? 1 : 2;
    }
    return length;
}

std::optional<CheckFailure> firstFailedCheck(const SmtpSettings& s, SmtpForm form) {
    struct Check {
        bool failed;
        Message message;
        SmtpField field;
    };
    const bool manual = s.automatic == 0;
    const bool remoteOn = s.remoteHours != remoteOff;
    const Check checks[] = {
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
    };
    for (int step = 1; const Check& check : checks) {
        if (check.failed)
            return CheckFailure{step, check.message, check.field};
        ++step;
    }
    return std::nullopt;
}

bool isPortNumber(const QString& port) {
    if (port.isEmpty() || port.size() > 5)
        return false;
    for (const QChar c : port) {
        if (c < u'0' || c > u'9')
            return false;
    }
    const int number = port.toInt();
    return number >= 1 && number <= 65535;
}

bool givenByPreset(SmtpField field) {
    return field == SmtpField::Apn || field == SmtpField::Account ||
           field == SmtpField::GprsPassword;
}

SmtpSettings withGprsPreset(SmtpSettings settings) {
    if (settings.automatic == 0)
        return settings;
    const GprsPreset preset = gprsPreset(settings.country, settings.operatorCode);
    settings.apn = fromAscii(preset.apn);
    settings.account = fromAscii(preset.user);
    settings.gprsPassword = fromAscii(preset.password);
    return settings;
}

QString fieldErrorMessage(const FieldError& error, int language) {
    const QString name = error.id >= 0 ? smtpFieldName(SmtpField(error.id), language) : error.field;
    switch (error.reason) {
    case FieldError::Reason::TooLong:
        return i18n::messageFor(Message::FieldTooLong, language)
            .arg(name)
            .arg(error.actual)
            .arg(error.upper);
    case FieldError::Reason::NotEncodable:
    case FieldError::Reason::ControlCharacter:
        return i18n::messageFor(Message::FieldNotEncodable, language)
            .arg(name, shownCharacter(error.character));
    case FieldError::Reason::ContainsZero:
        // Shown by its code: the character itself would end the message.
        return i18n::messageFor(Message::FieldNotEncodable, language)
            .arg(name, QStringLiteral("U+0000"));
    case FieldError::Reason::OutOfRange:
        break;
    }
    const QString separator =
        language == i18n::Chinese ? QStringLiteral("：") : QStringLiteral(": ");
    return name + separator + i18n::integerRangeMessage(error.lower, error.upper, language);
}

PreparedSmtpFile prepareSmtpFile(const SmtpSettings& settings, SmtpForm form, int languageByte,
                                 int textLanguage) {
    PreparedSmtpFile prepared;
    const SmtpSettings written = withGprsPreset(settings);
    if (const auto failure = firstFailedCheck(written, form)) {
        prepared.refusal =
            SmtpRefusal{failure->field, i18n::messageFor(failure->message, textLanguage),
                        failure->step, failure->message, std::nullopt};
        return prepared;
    }
    if (!isPortNumber(written.port)) {
        prepared.refusal = SmtpRefusal{SmtpField::Port,
                                       i18n::noticeText(i18n::Notice::PortNotNumber, textLanguage),
                                       portNumberStep, std::nullopt, std::nullopt};
        return prepared;
    }
    const RecordBytes record = buildSmtpRecord(written, form, languageByte);
    if (record.error) {
        const auto field =
            record.error->id >= 0 ? std::optional(SmtpField(record.error->id)) : std::nullopt;
        prepared.refusal = SmtpRefusal{field, fieldErrorMessage(*record.error, textLanguage), 0,
                                       std::nullopt, record.error};
        return prepared;
    }
    prepared.bytes = record.bytes;
    return prepared;
}

} // namespace kestrova::smtp
