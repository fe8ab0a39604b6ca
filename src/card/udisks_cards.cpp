#include "card/udisks_cards.h"

#include "card/bus_probe.h"
#include "card/card_log.h"
#include "card/udisks_types.h"

#include <QAtomicInt>
#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QFileInfo>

namespace kestrova::card {

namespace {

using namespace udisks;

const QString blockInterface = QStringLiteral("org.freedesktop.UDisks2.Block");

// Unmounting flushes what the card still holds in the cache: that may take a while.
constexpr int ejectWaitMs = 60000;

QString canonical(const QString& node) {
    const QString path = QFileInfo(node).canonicalFilePath();
    return path.isEmpty() ? node : path;
}

QString errorOf(const QDBusMessage& reply) {
    return reply.errorMessage().isEmpty() ? reply.errorName() : reply.errorMessage();
}

// A failed call's answer, logged; `problem` as the caller tells it.
QString logged(const QString& problem) {
    qCWarning(cardLog, "%s", qUtf8Printable(problem));
    return problem;
}

} // namespace

std::unique_ptr<UdisksCards> UdisksCards::connectTo(int waitMs) {
    const QString address = systemBusAddress();
    if (!busAnswers(address, waitMs)) {
        qCWarning(cardLog, "no system bus answers at %s", qUtf8Printable(address));
        return nullptr;
    }
    static QAtomicInt connections;
    const QString name =
        QStringLiteral("kestrova-udisks-cards-%1").arg(connections.fetchAndAddRelaxed(1));
    QDBusConnection bus = QDBusConnection::connectToBus(address, name);
    const QDBusMessage ping = QDBusMessage::createMethodCall(
        service, root, QStringLiteral("org.freedesktop.DBus.Peer"), QStringLiteral("Ping"));
    // Not connected, the call answers with that error.
    const QDBusMessage pong = bus.call(ping, QDBus::Block, waitMs);
    if (pong.type() != QDBusMessage::ReplyMessage) {
        qCWarning(cardLog, "udisks2 does not answer: %s", qUtf8Printable(errorOf(pong)));
        QDBusConnection::disconnectFromBus(name);
        return nullptr;
    }
    qDBusRegisterMetaType<Properties>();
    qDBusRegisterMetaType<Interfaces>();
    qDBusRegisterMetaType<ManagedObjects>();
    return std::unique_ptr<UdisksCards>(new UdisksCards(name));
}

UdisksCards::UdisksCards(const QString& connectionName)
    : connectionName_(connectionName) {
    settle_.setSingleShot(true);
    settle_.setInterval(300);
    QObject::connect(&settle_, &QTimer::timeout, &settle_, [this] {
        if (changed_)
            changed_();
    });
}

UdisksCards::~UdisksCards() {
    QDBusConnection::disconnectFromBus(connectionName_);
}

void UdisksCards::start(std::function<void()> changed) {
    changed_ = std::move(changed);
    QDBusConnection bus(connectionName_);
    const QString objects = QStringLiteral("org.freedesktop.DBus.ObjectManager");
    bus.connect(service, root, objects, QStringLiteral("InterfacesAdded"), &settle_, SLOT(start()));
    bus.connect(service, root, objects, QStringLiteral("InterfacesRemoved"), &settle_,
                SLOT(start()));
    // A file system's mount points change without any object coming or going.
    bus.connect(service, QString(), QStringLiteral("org.freedesktop.DBus.Properties"),
                QStringLiteral("PropertiesChanged"), &settle_, SLOT(start()));
}

std::optional<QString> UdisksCards::eject(const Volume& card) {
    QDBusConnection bus(connectionName_);
    const QDBusMessage list =
        bus.call(QDBusMessage::createMethodCall(
                     service, root, QStringLiteral("org.freedesktop.DBus.ObjectManager"),
                     QStringLiteral("GetManagedObjects")),
                 QDBus::Block, 5000);
    if (list.type() != QDBusMessage::ReplyMessage || list.arguments().isEmpty())
        return logged(QStringLiteral("udisks2 did not answer: %1").arg(errorOf(list)));
    ManagedObjects objects;
    list.arguments().constFirst().value<QDBusArgument>() >> objects;
    const QString device = canonical(card.device);
    for (auto it = objects.cbegin(); it != objects.cend(); ++it) {
        const auto block = it->find(blockInterface);
        if (block == it->end() ||
            canonical(cString(block->value(QStringLiteral("Device")).toByteArray())) != device)
            continue;
        const QVariantMap noOptions;
        QDBusMessage unmount = QDBusMessage::createMethodCall(
            service, it.key().path(), QStringLiteral("org.freedesktop.UDisks2.Filesystem"),
            QStringLiteral("Unmount"));
        unmount << noOptions;
        const QDBusMessage unmounted = bus.call(unmount, QDBus::Block, ejectWaitMs);
        if (unmounted.type() != QDBusMessage::ReplyMessage)
            return logged(QStringLiteral("udisks2 did not unmount %1: %2")
                              .arg(card.device, errorOf(unmounted)));
        const QDBusObjectPath drive =
            block->value(QStringLiteral("Drive")).value<QDBusObjectPath>();
        const Properties driveProperties =
            objects.value(drive).value(QStringLiteral("org.freedesktop.UDisks2.Drive"));
        if (!driveProperties.value(QStringLiteral("CanPowerOff")).toBool())
            return std::nullopt;
        QDBusMessage powerOff = QDBusMessage::createMethodCall(
            service, drive.path(), QStringLiteral("org.freedesktop.UDisks2.Drive"),
            QStringLiteral("PowerOff"));
        powerOff << noOptions;
        // Unmounted is what counts: a slot that stays powered is pulled all the same.
        const QDBusMessage poweredOff = bus.call(powerOff, QDBus::Block, ejectWaitMs);
        if (poweredOff.type() != QDBusMessage::ReplyMessage)
            logged(QStringLiteral("udisks2 did not power off %1: %2")
                       .arg(drive.path(), errorOf(poweredOff)));
        return std::nullopt;
    }
    return logged(QStringLiteral("udisks2 does not know %1").arg(card.device));
}

} // namespace kestrova::card
