#include "i18n/profile_number.h"

#include "common/profile_values.h"
#include "i18n/messages.h"

namespace kestrova::i18n {

std::optional<QString> takeProfileNumber(const QJsonValue& value, IntRange range, int language,
                                         int& into) {
    const auto number = wholeNumber(value);
    if (!number)
        return QStringLiteral("%1 (got %2)")
            .arg(messageFor(Message::EnterInteger, language), describe(value));
    if (!range.contains(*number))
        return QStringLiteral("%1 (got %2)")
            .arg(integerRangeMessage(range.lower, range.upper, language), describe(value));
    into = *number;
    return std::nullopt;
}

} // namespace kestrova::i18n
