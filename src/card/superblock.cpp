#include "card/superblock.h"

#include <QFile>

namespace kestrova::card {

namespace {

quint32 littleEndian32(const QByteArray& bytes, int at) {
    quint32 value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | static_cast<quint8>(bytes[at + i]);
    return value;
}

QString serial32(quint32 serial) {
    return QStringLiteral("%1-%2")
        .arg(serial >> 16, 4, 16, QLatin1Char('0'))
        .arg(serial & 0xFFFF, 4, 16, QLatin1Char('0'))
        .toUpper();
}

QString fatLabel(const QByteArray& head, int at) {
    const QString label = QString::fromLatin1(head.mid(at, 11)).trimmed();
    return label == u"NO NAME" ? QString() : label;
}

} // namespace

std::optional<Superblock> parseSuperblock(const QByteArray& head) {
    if (head.size() < superblockHead)
        return std::nullopt;
    const QByteArray oem = head.mid(3, 8);
    if (oem == "EXFAT   ")
        return Superblock{QStringLiteral("exfat"), serial32(littleEndian32(head, 100)), {}};
    if (oem == "NTFS    ") {
        const quint64 serial = littleEndian32(head, 72) | (quint64(littleEndian32(head, 76)) << 32);
        return Superblock{QStringLiteral("ntfs"),
                          QStringLiteral("%1").arg(serial, 16, 16, QLatin1Char('0')).toUpper(),
                          {}};
    }
    if (static_cast<quint8>(head[510]) != 0x55 || static_cast<quint8>(head[511]) != 0xAA)
        return std::nullopt;
    // FAT32 keeps its extended boot record further on than FAT12 and FAT16 do.
    if (head.mid(82, 5) == "FAT32")
        return Superblock{QStringLiteral("vfat"), serial32(littleEndian32(head, 67)),
                          fatLabel(head, 71)};
    if (head.mid(54, 3) == "FAT" && head[38] == 0x29)
        return Superblock{QStringLiteral("vfat"), serial32(littleEndian32(head, 39)),
                          fatLabel(head, 43)};
    return std::nullopt;
}

std::optional<Superblock> readSuperblock(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return std::nullopt;
    return parseSuperblock(file.read(superblockHead));
}

} // namespace kestrova::card
