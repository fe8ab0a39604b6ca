#pragma once

#include <QList>
#include <QString>

#include <functional>
#include <optional>

class QStorageInfo;

namespace kestrova::card {

// How a volume's device is attached.
enum class Bus { Other, Usb, Sd };

// A mounted volume as the system reports it.
struct Volume {
    QString mountPoint;
    QString label;
    QString fileSystem;
    qint64 bytesTotal = 0;
    qint64 bytesFree = 0;
    QString device; // e.g. /dev/sdb1
    bool removable = false;
    Bus bus = Bus::Other;

    // A card, as far as the system can tell: removable media, or anything in an SD slot
    // (built-in readers often report their slot as fixed).
    bool isCard() const { return removable || bus == Bus::Sd; }
};

// Where the mounted volumes come from: the system, or a test's list.
class VolumeSource {
public:
    virtual ~VolumeSource() = default;
    virtual QList<Volume> volumes() const = 0;
};

// The system's own facility: udisks2 over D-Bus where it runs, else the mount table with
// the block devices' attributes from sysfs (Linux); the drive type (Windows); the volumes
// under /Volumes (macOS).
class SystemVolumes final : public VolumeSource {
public:
    // What to ask first where it answers (the desktop program passes udisks2); the mount table
    // and sysfs otherwise.
    using Preferred = std::function<std::optional<QList<Volume>>()>;
    explicit SystemVolumes(Preferred preferred = {})
        : preferred_(std::move(preferred)) {}
    QList<Volume> volumes() const override;

private:
    Preferred preferred_;
};

// A mounted volume's facts as the mount table gives them.
Volume volumeOf(const QStorageInfo& storage);

// The volumes that are cards, in mount point order.
QList<Volume> detectCards(const VolumeSource& source);

// Whether the folder is the mount point of a detected card.
bool isCardMountPoint(const VolumeSource& source, const QString& folder);

} // namespace kestrova::card
