#pragma once

#include "card/device_facts.h"
#include "card/volumes.h"

#include <functional>
#include <optional>

namespace kestrova::card {

// The system's own facility: on Linux the mount table's volumes on block devices, each with
// what sysfs, udev's database and its boot sector tell, joined per device with what a service
// (udisks2) tells where it answers; the drive type on Windows; the volumes under /Volumes on
// macOS. The volumes that do not answer hold it up for `spaceWaitMs` at most, all together.
class SystemVolumes final : public VolumeSource {
public:
    // What a service says of the block devices; nothing when it does not answer.
    using Service = std::function<std::optional<QList<DeviceFacts>>()>;

    static constexpr int spaceWaitMs = 500;

    explicit SystemVolumes(Service service = {})
        : service_(std::move(service)) {}

    QList<Volume> volumes() const override;
    std::optional<Volume> volumeAt(const QString& folder) const override;

private:
    Service service_;
};

} // namespace kestrova::card
