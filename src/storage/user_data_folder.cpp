#include "storage/user_data_folder.h"

#include <QDir>
#include <QStandardPaths>

namespace kestrova {

QString userDataFolder() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    const QString configured = qEnvironmentVariable("XDG_DATA_HOME");
    if (QDir::isAbsolutePath(configured))
        return QDir::cleanPath(configured);
    return QDir::homePath() + QStringLiteral("/.local/share");
#else
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
#endif
}

} // namespace kestrova
