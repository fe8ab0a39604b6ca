#include "card/system_volumes.h"

#include <QDir>
#include <QStorageInfo>

namespace kestrova::card {

namespace {

// Whatever is mounted under /Volumes besides the system's own disk came from outside.
Volume volumeOf(const QStorageInfo& storage) {
    Volume volume;
    volume.mountPoint = QDir::toNativeSeparators(storage.rootPath());
    volume.label = storage.name();
    volume.fileSystem = QString::fromUtf8(storage.fileSystemType());
    volume.bytesTotal = storage.bytesTotal();
    volume.bytesFree = storage.bytesAvailable();
    volume.device = QString::fromUtf8(storage.device());
    volume.removable = volume.mountPoint.startsWith(QLatin1String("/Volumes/")) &&
                       !QStorageInfo::root().device().isEmpty() &&
                       storage.device() != QStorageInfo::root().device();
    return volume;
}

} // namespace

QList<Volume> SystemVolumes::volumes() const {
    QList<Volume> volumes;
    for (const QStorageInfo& storage : QStorageInfo::mountedVolumes()) {
        if (storage.isValid() && storage.isReady())
            volumes.append(volumeOf(storage));
    }
    return volumes;
}

std::optional<Volume> SystemVolumes::volumeAt(const QString& folder) const {
    return VolumeSource::volumeAt(folder);
}

} // namespace kestrova::card
