#pragma once

#include "field/card_reading.h"
#include "fleet/deploy_log.h"

#include <QDateTime>

namespace kestrova::field {

// The log's row of a card that came back: the card (its camera, file system and menu.dat), when
// it was read at the desk and when it left the camera, the card written it closes, its first and
// last picture, the counts and what its report found, in English as the log keeps its words.
fleet::LogEntry retrievalEntry(const CardReport& report, const PreparedReport& prepared,
                               const QDateTime& now);

// Appends a returned card's row to the log at `path` through the log's own writer: made with
// its header where there is none, the row on the disk before this returns, taken back when the
// append fails.
fleet::LogAppend logRetrieval(const QString& path, const fleet::LogEntry& entry);

} // namespace kestrova::field
