#pragma once

#include "common/volume_identity.h"

#include <QList>
#include <QString>

#include <optional>

namespace kestrova::card {

// How a volume's device is attached.
enum class Bus { Other, Usb, Sd };

// The largest volume that can be a camera's card: SDXC ends at 2 TB.
constexpr qint64 largestCard = 2'000'000'000'000;

// A mounted volume as the system reports it.
struct Volume {
    QString mountPoint;
    QString label;
    QString fileSystem;
    qint64 bytesTotal = 0;
    qint64 bytesFree = 0;
    QString device; // e.g. /dev/sdb1
    // The file system's UUID or volume serial, as the system names it ("1A2B-3C4D"); empty
    // when nothing tells it.
    QString uuid;
    bool removable = false;  // removable media; a hot-pluggable drive alone is not
    bool flashMedia = false; // the medium is a memory card (SD, MMC, CF, ...) in a reader
    bool rotational = false; // a spinning disk, by the spin rate it reports
    Bus bus = Bus::Other;
    bool responding = true; // the file system answered in time

    VolumeIdentity identity() const { return {uuid, label}; }

    // One rule for the window and the command: a memory card (in an SD slot or a reader) or
    // removable media, never a spinning disk nor anything larger than a card can be.
    bool isCard() const {
        return (bus == Bus::Sd || flashMedia || removable) && !rotational &&
               bytesTotal <= largestCard;
    }
};

// Where the mounted volumes come from: the system, or a test's list.
class VolumeSource {
public:
    virtual ~VolumeSource() = default;
    // Every mounted volume with its facts and sizes; may take a moment.
    virtual QList<Volume> volumes() const = 0;
    // The volume whose root the folder is, without its sizes; nothing when no volume is mounted
    // there. Quick: the system source reads only local tables.
    virtual std::optional<Volume> volumeAt(const QString& folder) const;
};

// The volumes that are cards, in mount point order.
QList<Volume> detectCards(const VolumeSource& source);

// The identity of the volume mounted at the folder; empty when none is known, no volume is
// mounted there, or there is no source.
VolumeIdentity identityAt(const VolumeSource* source, const QString& folder);

} // namespace kestrova::card
