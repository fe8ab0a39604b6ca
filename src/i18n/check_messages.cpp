#include "i18n/check_messages.h"

#include "i18n/language.h"

#include <QtGlobal>

#include <algorithm>
#include <array>

namespace kestrova::i18n {

namespace {

using enum Message;

constexpr const char* context = "CheckMessage";

struct CheckText {
    Message id;
    const char* source;
};

// clang-format off
constexpr std::array checkTexts{
    CheckText{EnterApn, QT_TRANSLATE_NOOP("CheckMessage", "Enter the GPRS APN.")},
    CheckText{EnterSmtpServer, QT_TRANSLATE_NOOP("CheckMessage", "Enter the mail server.")},
    CheckText{EnterPort, QT_TRANSLATE_NOOP("CheckMessage", "Enter the mail server's port.")},
    CheckText{EnterEmail, QT_TRANSLATE_NOOP("CheckMessage", "Enter an e-mail address.")},
    CheckText{EmailNoAt, QT_TRANSLATE_NOOP("CheckMessage", "The e-mail address has no \"@\".")},
    CheckText{EmailNoDot, QT_TRANSLATE_NOOP("CheckMessage", "The e-mail address has no \".\".")},
    CheckText{EnterSenderPassword, QT_TRANSLATE_NOOP("CheckMessage", "Enter the password of the sender's e-mail account.")},
    CheckText{PhoneError, QT_TRANSLATE_NOOP("CheckMessage", "The phone number is too short or holds more than digits.")},
    CheckText{PhoneError01, QT_TRANSLATE_NOOP("CheckMessage", "The first phone number is too short.")},
    CheckText{PhoneError02, QT_TRANSLATE_NOOP("CheckMessage", "The second recipient is too short.")},
    CheckText{PhoneError03, QT_TRANSLATE_NOOP("CheckMessage", "The third recipient is too short.")},
    CheckText{SetPhone1, QT_TRANSLATE_NOOP("CheckMessage", "Enter the first phone number: the SMS remote control answers it.")},
    CheckText{PhoneDigitsOnly, QT_TRANSLATE_NOOP("CheckMessage", "A phone number holds digits only (and a \"+\" in front when it is international).")},
    CheckText{RecheckPhone, QT_TRANSLATE_NOOP("CheckMessage", "Check the phone number: it may hold digits only.")},
    CheckText{PhoneEmailError, QT_TRANSLATE_NOOP("CheckMessage", "Enter the first phone number or an e-mail address.")},
    CheckText{RecheckPhoneEmail, QT_TRANSLATE_NOOP("CheckMessage", "Check the recipient: a phone number of digits or an e-mail address.")},
    CheckText{UrlError, QT_TRANSLATE_NOOP("CheckMessage", "Enter the MMS URL.")},
    CheckText{ApnError, QT_TRANSLATE_NOOP("CheckMessage", "Enter the APN.")},
    CheckText{GatewayError, QT_TRANSLATE_NOOP("CheckMessage", "Enter the MMS gateway.")},
    CheckText{PortError, QT_TRANSLATE_NOOP("CheckMessage", "Enter the MMS port.")},
    CheckText{GatewayDotError, QT_TRANSLATE_NOOP("CheckMessage", "The MMS gateway has no \".\".")},
    CheckText{MaxPhoneDigits, QT_TRANSLATE_NOOP("CheckMessage", "A phone number holds at most %1 digits.")},
    CheckText{IntegerRange, QT_TRANSLATE_NOOP("CheckMessage", "Enter a whole number from %1 to %2.")},
    CheckText{EnterInteger, QT_TRANSLATE_NOOP("CheckMessage", "Enter a whole number.")},
    CheckText{StandardRange, QT_TRANSLATE_NOOP("CheckMessage", "Enter a whole number from %1 to %2.")},
    CheckText{MaxCharacters, QT_TRANSLATE_NOOP("CheckMessage", "Enter at most %1 characters.")},
    CheckText{FieldTooLong, QT_TRANSLATE_NOOP("CheckMessage", "%1: the text takes %2 bytes on the camera, but only %3 fit. A Chinese character takes 2 bytes.")},
    CheckText{FieldNotEncodable, QT_TRANSLATE_NOOP("CheckMessage", "%1: the character \"%2\" cannot be stored on the camera.")},
};
// clang-format on

const CheckText* find(Message id) {
    const auto found = std::find_if(checkTexts.begin(), checkTexts.end(),
                                    [id](const CheckText& text) { return text.id == id; });
    return found == checkTexts.end() ? nullptr : &*found;
}

} // namespace

bool hasCheckMessage(Message id) {
    return find(id) != nullptr;
}

Wording checkMessage(Message id, QList<Wording> arguments) {
    const CheckText* text = find(id);
    Q_ASSERT(text);
    if (!text)
        return Wording::value(messageFor(id, English));
    return Wording(context, text->source, std::move(arguments));
}

} // namespace kestrova::i18n
