#include "card/local_device_facts.h"

#include "card/superblock.h"
#include "card/sysfs_block.h"
#include "card/udev_database.h"

namespace kestrova::card {

namespace {

// The kernel calls most USB sticks and card readers rotational: only a spin rate that the drive
// reports tells a spinning disk.
bool reportsSpinRate(const QMap<QString, QString>& properties) {
    return properties.value(QStringLiteral("ID_ATA_ROTATION_RATE_RPM")).toInt() > 0;
}

// udev's rules name the memory card a reader holds: ID_DRIVE_FLASH_SD, ..._FLASH_CF, and
// ID_DRIVE_MEDIA_FLASH_SD for what is in the slot now.
bool holdsMemoryCard(const QMap<QString, QString>& properties) {
    for (auto property = properties.cbegin(); property != properties.cend(); ++property) {
        const bool flash = property.key().startsWith(QLatin1String("ID_DRIVE_FLASH")) ||
                           property.key().startsWith(QLatin1String("ID_DRIVE_MEDIA_FLASH"));
        if (flash && property.value() == u"1")
            return true;
    }
    return false;
}

} // namespace

DeviceFacts localDeviceFacts(const QString& deviceNode, const SystemTables& tables) {
    DeviceFacts facts;
    facts.device = kernelDeviceName(deviceNode);
    const BlockDevice block = readBlockDevice(tables.sys, facts.device);
    facts.removable = block.removable;
    facts.bus = block.bus;
    facts.size = block.size;
    // A partition's record carries what udev found of the partition, its disk's the drive's.
    QMap<QString, QString> properties = udevProperties(tables.udevData, block.diskNumber);
    properties.insert(udevProperties(tables.udevData, block.number));
    facts.flashMedia = holdsMemoryCard(properties);
    facts.rotational = reportsSpinRate(properties);
    facts.fileSystem = properties.value(QStringLiteral("ID_FS_TYPE"));
    facts.uuid = properties.value(QStringLiteral("ID_FS_UUID"));
    facts.label = properties.value(QStringLiteral("ID_FS_LABEL"));
    if (tables.bootSectors && (facts.fileSystem.isEmpty() || facts.uuid.isEmpty())) {
        if (const auto superblock = readSuperblock(facts.device)) {
            facts.fileSystem = superblock->fileSystem;
            facts.uuid = superblock->uuid;
            if (facts.label.isEmpty())
                facts.label = superblock->label;
        }
    }
    return facts;
}

} // namespace kestrova::card
