#pragma once

#include "card/card_lookup.h"
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

// The cards a lookup found at those mount points, each with a UUID of its own.
inline std::shared_ptr<card::CardLookup> cardsFoundAt(const QStringList& mountPoints) {
    QList<card::Volume> cards;
    for (const QString& mountPoint : mountPoints) {
        cards << volumeAt(mountPoint, true, card::Bus::Sd);
        cards.last().uuid = QStringLiteral("CA%1-0000").arg(cards.size(), 2, 10, QLatin1Char('0'));
    }
    return card::CardLookup::answered(cards);
}

} // namespace kestrova::test
