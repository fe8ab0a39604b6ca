#include "i18n/profile_number.h"

#include "common/profile_values.h"
#include "i18n/messages.h"

namespace kestrova::i18n {

std::optional<Reason> takeProfileNumber(const QJsonValue& value, IntRange range, int language,
                                        int& into) {
    const auto number = wholeNumber(value);
    const QString given = describe(value);
    if (!number)
        return Reason{
            QStringLiteral("%1 (got %2)").arg(messageFor(Message::EnterInteger, language), given),
            QT_TRANSLATE_NOOP("ProfileReason", "Enter a whole number (got %1)."),
            {given}};
    if (!range.contains(*number))
        return Reason{
            QStringLiteral("%1 (got %2)")
                .arg(integerRangeMessage(range.lower, range.upper, language), given),
            QT_TRANSLATE_NOOP("ProfileReason", "Enter a whole number from %1 to %2 (got %3)."),
            {QString::number(range.lower), QString::number(range.upper), given}};
    into = *number;
    return std::nullopt;
}

} // namespace kestrova::i18n
