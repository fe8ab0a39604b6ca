#include "sending/sending_checks.h"

namespace kestrova::sending {

QString checkText(const CheckText& text, int language) {
    if (const auto* message = std::get_if<i18n::Message>(&text))
        return i18n::messageFor(*message, language);
    return i18n::noticeText(std::get<i18n::Notice>(text), language);
}

} // namespace kestrova::sending
