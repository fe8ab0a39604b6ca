#include "sending/sending_messages.h"

#include "common/control_characters.h"
#include "i18n/language.h"
#include "i18n/messages.h"

namespace kestrova::sending {

using codec::FieldError;
using i18n::Message;

QString messageName(const codec::MessageName& name, int language) {
    const std::string_view text = language == i18n::Chinese ? name.chinese : name.english;
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString refusalText(const FieldError& error, const QString& name, bool messageNamed, bool number,
                    int language) {
    switch (error.reason) {
    case FieldError::Reason::TooLong:
        return i18n::messageFor(Message::FieldTooLong, language)
            .arg(name, QString::number(error.actual), QString::number(error.upper));
    case FieldError::Reason::NotEncodable:
    case FieldError::Reason::ControlCharacter:
        return i18n::messageFor(Message::FieldNotEncodable, language)
            .arg(name, shownCharacter(error.character));
    case FieldError::Reason::ContainsZero:
        return i18n::messageFor(Message::FieldNotEncodable, language)
            .arg(name, shownCharacter(QString(QChar(0))));
    case FieldError::Reason::OutOfRange:
        break;
    }
    const QString range = i18n::integerRangeMessage(error.lower, error.upper, language);
    if (messageNamed)
        return name + (language == i18n::Chinese ? QStringLiteral("：") : QStringLiteral(": ")) +
               range;
    // The lists cannot hold numbers out of range; should one slip through, say which.
    return number ? range : describe(error);
}

} // namespace kestrova::sending
