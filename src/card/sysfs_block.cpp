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
    if (!deviceNode.startsWith(QLatin1String("/dev/")))
        return device;
    const QString name = deviceNode.mid(5);
    if (name.isEmpty() || name.contains(u'/'))
        return device;
    // /sys/class/block/NAME links to the device in the device tree; a partition sits inside
    // its disk's folder, and the disk carries the `removable` attribute.
    const QFileInfo link(sysRoot + QStringLiteral("/class/block/") + name);
    QString path = link.canonicalFilePath();
    if (path.isEmpty())
        return device;
    if (QFileInfo::exists(path + QStringLiteral("/partition")))
        path = QFileInfo(path).path();
    device.found = true;
    device.removable = attribute(path, QStringLiteral("removable")) == "1";
    device.bus = busOf(path.mid(QFileInfo(sysRoot).canonicalFilePath().size()));
    return device;
}

} // namespace kestrova::card
