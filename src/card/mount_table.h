#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace kestrova::card {

// One line of the kernel's mount table.
struct MountEntry {
    QString mountPoint;
    QString fileSystem; // as mounted: "vfat", "fuseblk", ...
    QString source;     // the device or whatever stands in its place ("/dev/sdb1", "sshfs#...")
};

// The mounts a /proc/PID/mountinfo text lists, in its order; a folder mounted over twice
// appears once, with the mount on top.
QList<MountEntry> parseMountInfo(const QByteArray& text);

// The mounts of this process's namespace, from /proc/self/mountinfo (Linux); nothing elsewhere.
QList<MountEntry> readMountTable();

// Whether the entry's source is a block device (a disk, a card, a loop device). Network and
// FUSE file systems without a device are not: nothing of them is asked, as they may never answer.
bool isOnBlockDevice(const MountEntry& entry);

} // namespace kestrova::card
