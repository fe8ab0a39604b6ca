#pragma once

#include "card/volumes.h"

namespace kestrova::card {

struct BlockDevice {
    bool found = false;
    bool removable = false;
    bool rotational = false; // the kernel's flag: set for most USB sticks and readers too
    Bus bus = Bus::Other;
    qint64 size = 0;    // bytes
    QString number;     // the device's number, "8:17"
    QString diskNumber; // its disk's, "8:16" (the same for a whole disk)
};

// What sysfs under `sysRoot` (normally /sys) says of a device node such as /dev/sdb1: the
// `removable` and `rotational` attributes of its disk, whether the disk hangs off a USB or
// MMC/SD bus, and the size of the device itself.
BlockDevice readBlockDevice(const QString& sysRoot, const QString& deviceNode);

} // namespace kestrova::card
