#include "card/udisks_volumes.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QStorageInfo>

namespace kestrova::card {

namespace {

using Properties = QVariantMap;
using Interfaces = QMap<QString, Properties>;
using ManagedObjects = QMap<QDBusObjectPath, Interfaces>;

const QString udisksService = QStringLiteral("org.freedesktop.UDisks2");

QByteArray cString(QByteArray bytes) {
    if (bytes.endsWith('\0'))
        bytes.chop(1);
    return bytes;
}

QList<QByteArray> byteStrings(const QVariant& value) {
    QList<QByteArray> strings;
    const auto argument = value.value<QDBusArgument>();
    argument.beginArray();
    while (!argument.atEnd()) {
        QByteArray bytes;
        argument >> bytes;
        strings.append(cString(bytes));
    }
    argument.endArray();
    return strings;
}

// The mounted file systems udisks2 knows, with their drives' removable flag and bus; nothing
// when the service does not run.
} // namespace

std::optional<QList<Volume>> udisksVolumes() {
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected() || !bus.interface() ||
        !bus.interface()->isServiceRegistered(udisksService))
        return std::nullopt;
    qDBusRegisterMetaType<Properties>();
    qDBusRegisterMetaType<Interfaces>();
    qDBusRegisterMetaType<ManagedObjects>();
    const QDBusMessage call = QDBusMessage::createMethodCall(
        udisksService, QStringLiteral("/org/freedesktop/UDisks2"),
        QStringLiteral("org.freedesktop.DBus.ObjectManager"), QStringLiteral("GetManagedObjects"));
    const QDBusMessage reply = bus.call(call, QDBus::Block, 2000);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return std::nullopt;
    ManagedObjects objects;
    reply.arguments().constFirst().value<QDBusArgument>() >> objects;

    QList<Volume> volumes;
    for (auto object = objects.cbegin(); object != objects.cend(); ++object) {
        const Interfaces& interfaces = object.value();
        const auto filesystem =
            interfaces.find(QStringLiteral("org.freedesktop.UDisks2.Filesystem"));
        const auto block = interfaces.find(QStringLiteral("org.freedesktop.UDisks2.Block"));
        if (filesystem == interfaces.end() || block == interfaces.end())
            continue;
        const Properties drive =
            objects.value(block->value(QStringLiteral("Drive")).value<QDBusObjectPath>())
                .value(QStringLiteral("org.freedesktop.UDisks2.Drive"));
        const QString connection = drive.value(QStringLiteral("ConnectionBus")).toString();
        for (const QByteArray& mountPoint :
             byteStrings(filesystem->value(QStringLiteral("MountPoints")))) {
            Volume volume = volumeOf(QStorageInfo(QString::fromLocal8Bit(mountPoint)));
            volume.mountPoint = QString::fromLocal8Bit(mountPoint);
            volume.label = block->value(QStringLiteral("IdLabel")).toString();
            volume.fileSystem = block->value(QStringLiteral("IdType")).toString();
            volume.device = QString::fromLocal8Bit(
                cString(block->value(QStringLiteral("Device")).toByteArray()));
            volume.removable = drive.value(QStringLiteral("Removable")).toBool() ||
                               drive.value(QStringLiteral("MediaRemovable")).toBool();
            volume.bus = connection == u"usb"    ? Bus::Usb
                         : connection == u"sdio" ? Bus::Sd
                                                 : Bus::Other;
            volumes.append(volume);
        }
    }
    return volumes;
}

} // namespace kestrova::card
