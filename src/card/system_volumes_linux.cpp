#include "card/system_volumes.h"

#include "card/local_device_facts.h"
#include "card/mount_table.h"
#include "card/volume_space.h"

#include <QFileInfo>

namespace kestrova::card {

namespace {

// A volume on a block device, with what the system and the service tell of its device; the
// mount table's type ("fuseblk" for exFAT through FUSE) only when neither names the file system.
Volume volumeOn(const MountEntry& entry, const QList<DeviceFacts>& service) {
    Volume volume;
    volume.mountPoint = entry.mountPoint;
    volume.device = entry.source;
    const DeviceFacts local = localDeviceFacts(entry.source);
    for (const DeviceFacts& facts : service) {
        if (facts.device == local.device)
            joinInto(volume, facts);
    }
    joinInto(volume, local);
    if (volume.fileSystem.isEmpty())
        volume.fileSystem = entry.fileSystem;
    return volume;
}

} // namespace

QList<Volume> SystemVolumes::volumes() const {
    QList<Volume> volumes;
    const QList<DeviceFacts> service =
        service_ ? service_().value_or(QList<DeviceFacts>()) : QList<DeviceFacts>();
    QList<MountEntry> devices;
    QStringList mountPoints;
    for (const MountEntry& entry : readMountTable()) {
        // Nothing is asked of a mount without a device before it is known to be one.
        if (!isOnBlockDevice(entry))
            continue;
        devices << entry;
        mountPoints << entry.mountPoint;
    }
    // Asked together, so that mounts that do not answer hold the listing up once, not each.
    const auto spaces = volumeSpaces(mountPoints, spaceWaitMs);
    for (qsizetype i = 0; i < devices.size(); ++i) {
        Volume volume = volumeOn(devices[i], service);
        if (const auto& space = spaces[static_cast<std::size_t>(i)]) {
            volume.bytesTotal = space->bytesTotal;
            volume.bytesFree = space->bytesFree;
        } else {
            volume.responding = false;
        }
        volumes.append(volume);
    }
    return volumes;
}

std::optional<Volume> SystemVolumes::volumeAt(const QString& folder) const {
    const QString wanted = QFileInfo(folder).canonicalFilePath();
    if (wanted.isEmpty())
        return std::nullopt;
    const QList<MountEntry> mounts = readMountTable();
    for (auto entry = mounts.crbegin(); entry != mounts.crend(); ++entry) {
        if (entry->mountPoint != wanted)
            continue;
        if (isOnBlockDevice(*entry))
            return volumeOn(*entry, {});
        Volume volume;
        volume.mountPoint = entry->mountPoint;
        volume.fileSystem = entry->fileSystem;
        return volume;
    }
    return std::nullopt;
}

} // namespace kestrova::card
