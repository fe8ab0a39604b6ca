#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace kestrova::card {

// What a file system's first sectors say of it.
struct Superblock {
    QString fileSystem; // "exfat", "vfat" or "ntfs", as the system names them
    QString uuid;       // the volume serial, written as blkid writes it ("1A2B-3C4D")
    QString label;      // FAT keeps one in its boot sector; empty for the others
};

// The size of the head `parseSuperblock` needs.
constexpr qint64 superblockHead = 512;

// The boot sector of an exFAT, FAT12/16/32 or NTFS volume: the file systems a camera's card
// holds. Nothing for anything else.
std::optional<Superblock> parseSuperblock(const QByteArray& head);

// The same, read from a device or image; nothing when it cannot be read (a device is readable
// by its owner and group only).
std::optional<Superblock> readSuperblock(const QString& path);

} // namespace kestrova::card
