#pragma once

#include <QLoggingCategory>

namespace kestrova::storage {

// What the record writer and its lock (kestrova.write) and the history of replaced files
// (kestrova.history) leave for whoever looks into a failure, with the system's reason. Silent
// unless QT_LOGGING_RULES turns them on ("kestrova.*.warning=true"): what the user is told
// stays as it is.
Q_DECLARE_LOGGING_CATEGORY(writeLog)
Q_DECLARE_LOGGING_CATEGORY(historyLog)

} // namespace kestrova::storage
