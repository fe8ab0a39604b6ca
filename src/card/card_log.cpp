#include "card/card_log.h"

namespace kestrova::card {

Q_LOGGING_CATEGORY(cardLog, "kestrova.card", QtCriticalMsg)

} // namespace kestrova::card
