#include "storage/storage_log.h"

namespace kestrova::storage {

Q_LOGGING_CATEGORY(writeLog, "kestrova.write", QtCriticalMsg)
Q_LOGGING_CATEGORY(historyLog, "kestrova.history", QtCriticalMsg)

} // namespace kestrova::storage
