#include "card/udisks_devices.h"

#include "card/bus_probe.h"
#include "card/card_log.h"
#include "card/udisks_types.h"

#include <QAtomicInt>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>

#include <algorithm>
#include <utility>

namespace kestrova::card {

namespace {

using namespace udisks;

bool isFlash(const QString& media) {
    return media.startsWith(QLatin1String("flash"));
}

DeviceFacts factsOf(const Properties& block, const Properties& drive) {
    DeviceFacts facts;
    facts.device = cString(block.value(QStringLiteral("Device")).toByteArray());
    facts.fileSystem = block.value(QStringLiteral("IdType")).toString();
    facts.uuid = block.value(QStringLiteral("IdUUID")).toString();
    facts.label = block.value(QStringLiteral("IdLabel")).toString();
    facts.size = block.value(QStringLiteral("Size")).toLongLong();
    facts.removable = drive.value(QStringLiteral("MediaRemovable")).toBool();
    const QStringList compatible = drive.value(QStringLiteral("MediaCompatibility")).toStringList();
    facts.flashMedia = isFlash(drive.value(QStringLiteral("Media")).toString()) ||
                       std::any_of(compatible.begin(), compatible.end(), isFlash);
    // -1 is a disk that spins at a rate nobody knows: udisks2 says so of most USB sticks.
    facts.rotational = drive.value(QStringLiteral("RotationRate")).toInt() > 0;
    const QString connection = drive.value(QStringLiteral("ConnectionBus")).toString();
    facts.bus = connection == u"sdio" ? Bus::Sd : connection == u"usb" ? Bus::Usb : Bus::Other;
    return facts;
}

// Disconnects the connection of one question, however the question ends.
struct OwnConnection {
    QString name;
    ~OwnConnection() { QDBusConnection::disconnectFromBus(name); }
};

} // namespace

std::optional<QList<DeviceFacts>> udisksDevices(int waitMs) {
    const QString address = systemBusAddress();
    if (!busAnswers(address, waitMs))
        return std::nullopt;
    // A connection of its own for each question: a bus that went away since the last one is
    // found again once it is back.
    static QAtomicInt questions;
    const OwnConnection own{
        QStringLiteral("kestrova-udisks-%1").arg(questions.fetchAndAddRelaxed(1))};
    const QDBusConnection bus = QDBusConnection::connectToBus(address, own.name);
    if (!bus.isConnected())
        return std::nullopt;
    qDBusRegisterMetaType<Properties>();
    qDBusRegisterMetaType<Interfaces>();
    qDBusRegisterMetaType<ManagedObjects>();
    const QDBusMessage call = QDBusMessage::createMethodCall(
        service, root, QStringLiteral("org.freedesktop.DBus.ObjectManager"),
        QStringLiteral("GetManagedObjects"));
    const QDBusMessage reply = bus.call(call, QDBus::Block, waitMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        qCWarning(cardLog, "udisks2 did not list its devices: %s",
                  qUtf8Printable(reply.errorMessage().isEmpty() ? reply.errorName()
                                                                : reply.errorMessage()));
        return std::nullopt;
    }
    ManagedObjects objects;
    reply.arguments().constFirst().value<QDBusArgument>() >> objects;

    QList<DeviceFacts> devices;
    for (const Interfaces& interfaces : std::as_const(objects)) {
        const auto block = interfaces.find(QStringLiteral("org.freedesktop.UDisks2.Block"));
        if (block == interfaces.end())
            continue;
        const Properties drive =
            objects.value(block->value(QStringLiteral("Drive")).value<QDBusObjectPath>())
                .value(QStringLiteral("org.freedesktop.UDisks2.Drive"));
        devices.append(factsOf(*block, drive));
    }
    return devices;
}

} // namespace kestrova::card
