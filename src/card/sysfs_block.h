#pragma once

#include "card/volumes.h"

namespace kestrova::card {

struct BlockDevice {
    bool found = false;
    bool removable = false;
    Bus bus = Bus::Other;
};

// What sysfs under `sysRoot` (normally /sys) says of a device node such as /dev/sdb1: the
// `removable` attribute of its disk, and whether the disk hangs off a USB or MMC/SD bus.
BlockDevice readBlockDevice(const QString& sysRoot, const QString& deviceNode);

} // namespace kestrova::card
