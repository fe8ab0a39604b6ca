#pragma once

#include "card/volumes.h"

namespace kestrova::test {

// The mounted volumes a test says there are.
class FixedVolumes final : public card::VolumeSource {
public:
    QList<card::Volume> list;
    QList<card::Volume> volumes() const override { return list; }
};

// A volume at a mount point, removable or not, on a bus; a small vfat card unless changed.
inline card::Volume volumeAt(const QString& mountPoint, bool removable, card::Bus bus) {
    card::Volume volume;
    volume.mountPoint = mountPoint;
    volume.label = QStringLiteral("CAM");
    volume.fileSystem = QStringLiteral("vfat");
    volume.bytesTotal = qint64(8) << 30;
    volume.bytesFree = qint64(6) << 30;
    volume.removable = removable;
    volume.bus = bus;
    return volume;
}

} // namespace kestrova::test
