#pragma once

#include "fleet/return_loop.h"

namespace kestrova::field {

// Reads each returned card of the log at `logPath` for the many-cards window: the card's report
// against its row of the log, its return logged there, and what it found in a line, in the
// window's language.
fleet::ReadReturnedCard returnedCardReader(const QString& logPath, int language);

} // namespace kestrova::field
