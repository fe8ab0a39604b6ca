#pragma once

#include "card/volumes.h"

#include <QString>

namespace kestrova::card {

// What one source (udisks2, or sysfs with udev's database) tells of a block device.
struct DeviceFacts {
    QString device; // its node as the kernel names it, "/dev/sdb1"
    QString fileSystem;
    QString uuid;
    QString label;
    bool removable = false;
    bool flashMedia = false;
    bool rotational = false;
    Bus bus = Bus::Other;
    qint64 size = 0; // bytes
};

// Joins one source's facts into a volume: what any source tells of the medium counts; names
// and the size come from the first source that has them.
void joinInto(Volume& volume, const DeviceFacts& facts);

// The device node as the kernel names it (/dev/mapper/NAME is a link to /dev/dm-N).
QString kernelDeviceName(const QString& node);

} // namespace kestrova::card
