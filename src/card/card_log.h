#pragma once

#include <QLoggingCategory>

namespace kestrova::card {

// What finding, watching and ejecting cards (kestrova.card) leaves for whoever looks into a
// failure: udisks2's calls that failed, with its answer. Silent unless QT_LOGGING_RULES turns it
// on ("kestrova.card.warning=true").
Q_DECLARE_LOGGING_CATEGORY(cardLog)

} // namespace kestrova::card
