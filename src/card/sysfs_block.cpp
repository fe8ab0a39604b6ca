#include "card/sysfs_block.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace kestrova::card {

namespace {

QByteArray attribute(const QString& folder, const QString& name) {
    QFile file(folder + u'/' + name);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.read(64).trimmed();
}

Bus busOf(const QString& devicePath) {
    const QStringList parts = devicePath.split(u'/', Qt::SkipEmptyParts);
    for (const QString& part : parts) {
        if (part.startsWith(QLatin1String("usb")))
            return Bus::Usb;
        if (part.startsWith(QLatin1String("mmc")))
            return Bus::Sd;
    }
    return Bus::Other;
}

} // namespace

BlockDevice readBlockDevice(const QString& sysRoot, const QString& deviceNode) {
    BlockDevice device;
    // /dev/mapper/NAME and the like are links to the node the kernel names.
    const QString canonical = QFileInfo(deviceNode).canonicalFilePath();
    const QString node = canonical.isEmpty() ? deviceNode : canonical;
    if (!node.startsWith(QLatin1String("/dev/")))
        return device;
    const QString name = node.mid(5);
    if (name.isEmpty() || name.contains(u'/'))
        return device;
    // /sys/class/block/NAME links to the device in the device tree; a partition sits inside
    // its disk's folder, and the disk carries the `removable` attribute.
    const QFileInfo link(sysRoot + QStringLiteral("/class/block/") + name);
    const QString path = link.canonicalFilePath();
    if (path.isEmpty())
        return device;
    const QString disk =
        QFileInfo::exists(path + QStringLiteral("/partition")) ? QFileInfo(path).path() : path;
    device.found = true;
    device.removable = attribute(disk, QStringLiteral("removable")) == "1";
    device.rotational = attribute(disk, QStringLiteral("queue/rotational")) == "1";
    device.bus = busOf(disk.mid(QFileInfo(sysRoot).canonicalFilePath().size()));
    // The size attribute counts 512-byte sectors, whatever the device's own sector size.
    device.size = attribute(path, QStringLiteral("size")).toLongLong() * 512;
    device.number = QString::fromLatin1(attribute(path, QStringLiteral("dev")));
    device.diskNumber = QString::fromLatin1(attribute(disk, QStringLiteral("dev")));
    return device;
}

} // namespace kestrova::card
