#include "storage/writer_lock.h"

namespace kestrova {

QString writeLockName(quint64 device, quint64 inode, const QString& fileName) {
    return QStringLiteral("write-%1-%2-%3.lock").arg(device).arg(inode).arg(fileName);
}

} // namespace kestrova
