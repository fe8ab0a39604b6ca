#include "card/sysfs_block.h"
#include "card/volumes.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

#include <algorithm>
#include <optional>

#if defined(Q_OS_LINUX) && defined(KESTROVA_HAVE_DBUS)
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusVariant>
#endif
#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace kestrova::card {

namespace {

Volume fromStorage(const QStorageInfo& storage) {
    Volume volume;
    volume.mountPoint = QDir::toNativeSeparators(storage.rootPath());
    volume.label = storage.name();
    volume.fileSystem = QString::fromUtf8(storage.fileSystemType());
    volume.bytesTotal = storage.bytesTotal();
    volume.bytesFree = storage.bytesAvailable();
    volume.device = QString::fromUtf8(storage.device());
    return volume;
}

QList<Volume> mountedVolumes() {
    QList<Volume> volumes;
    for (const QStorageInfo& storage : QStorageInfo::mountedVolumes()) {
        if (storage.isValid() && storage.isReady())
            volumes.append(fromStorage(storage));
    }
    return volumes;
}

#if defined(Q_OS_LINUX) && defined(KESTROVA_HAVE_DBUS)

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
            Volume volume = fromStorage(QStorageInfo(QString::fromLocal8Bit(mountPoint)));
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

#endif

} // namespace

QList<Volume> SystemVolumes::volumes() const {
#if defined(Q_OS_LINUX)
#ifdef KESTROVA_HAVE_DBUS
    if (auto volumes = udisksVolumes())
        return *volumes;
#endif
    QList<Volume> volumes = mountedVolumes();
    for (Volume& volume : volumes) {
        const BlockDevice device = readBlockDevice(QStringLiteral("/sys"), volume.device);
        volume.removable = device.removable;
        volume.bus = device.bus;
    }
    return volumes;
#elif defined(Q_OS_WIN)
    QList<Volume> volumes = mountedVolumes();
    for (Volume& volume : volumes) {
        const QString root = QDir::toNativeSeparators(volume.mountPoint);
        volume.removable =
            GetDriveTypeW(reinterpret_cast<LPCWSTR>(root.utf16())) == DRIVE_REMOVABLE;
    }
    return volumes;
#elif defined(Q_OS_MACOS)
    // Whatever is mounted under /Volumes besides the system's own disk came from outside.
    QList<Volume> volumes = mountedVolumes();
    for (Volume& volume : volumes) {
        volume.removable = volume.mountPoint.startsWith(QLatin1String("/Volumes/")) &&
                           !QStorageInfo::root().device().isEmpty() &&
                           volume.device != QString::fromUtf8(QStorageInfo::root().device());
    }
    return volumes;
#else
    return mountedVolumes();
#endif
}

QList<Volume> detectCards(const VolumeSource& source) {
    QList<Volume> cards;
    for (const Volume& volume : source.volumes()) {
        if (volume.isCard())
            cards.append(volume);
    }
    std::sort(cards.begin(), cards.end(),
              [](const Volume& a, const Volume& b) { return a.mountPoint < b.mountPoint; });
    return cards;
}

bool isCardMountPoint(const VolumeSource& source, const QString& folder) {
    const QString wanted = QFileInfo(folder).canonicalFilePath();
    if (wanted.isEmpty())
        return false;
    const QList<Volume> cards = detectCards(source);
    return std::any_of(cards.begin(), cards.end(), [&wanted](const Volume& card) {
        return QFileInfo(card.mountPoint).canonicalFilePath() == wanted;
    });
}

} // namespace kestrova::card
