#include "card/sysfs_block.h"
#include "card/volumes.h"
#include "support/fake_volumes.h"
#include "support/test_files.h"
#include "support/test_registry.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace kestrova::card;
using kestrova::test::FixedVolumes;
using kestrova::test::volumeAt;
using kestrova::test::writeFile;

Q_DECLARE_METATYPE(kestrova::card::Bus)

// Cards are told from other volumes by what sysfs says of their block devices.
class VolumesTest : public QObject {
    Q_OBJECT

    QTemporaryDir sys;

    // A device in the fake device tree, linked from class/block as the kernel does.
    void addDevice(const QString& devicePath, const QString& name, const char* removable,
                   bool partitionOfParent) {
        const QString folder = sys.filePath(QStringLiteral("devices/") + devicePath);
        QVERIFY(QDir().mkpath(folder));
        const QString disk = partitionOfParent ? QFileInfo(folder).path() : folder;
        QVERIFY(writeFile(disk + QStringLiteral("/removable"), removable));
        if (partitionOfParent)
            QVERIFY(writeFile(folder + QStringLiteral("/partition"), "1\n"));
        QVERIFY(QDir().mkpath(sys.filePath(QStringLiteral("class/block"))));
        QVERIFY(QFile::link(folder, sys.filePath(QStringLiteral("class/block/") + name)));
    }

private Q_SLOTS:
    void initTestCase() {
        addDevice(QStringLiteral("pci0000:00/0000:00:14.0/usb1/1-2/1-2:1.0/host6/target6:0:0/"
                                 "6:0:0:0/block/sdb/sdb1"),
                  QStringLiteral("sdb1"), "1\n", true);
        addDevice(QStringLiteral("platform/fe320000.mmc/mmc_host/mmc0/mmc0:59b4/block/mmcblk0/"
                                 "mmcblk0p1"),
                  QStringLiteral("mmcblk0p1"), "0\n", true);
        addDevice(QStringLiteral("pci0000:00/0000:00:17.0/ata1/host0/target0:0:0/0:0:0:0/block/"
                                 "sda/sda2"),
                  QStringLiteral("sda2"), "0\n", true);
        addDevice(QStringLiteral("pci0000:00/0000:00:14.0/usb2/2-1/2-1:1.0/host7/target7:0:0/"
                                 "7:0:0:0/block/sdc"),
                  QStringLiteral("sdc"), "1\n", false);
    }

    void readsTheDisksAttributes_data() {
        QTest::addColumn<QString>("device");
        QTest::addColumn<bool>("found");
        QTest::addColumn<bool>("removable");
        QTest::addColumn<Bus>("bus");
        QTest::addColumn<bool>("card");
        QTest::newRow("USB card reader partition")
            << "/dev/sdb1" << true << true << Bus::Usb << true;
        QTest::newRow("built-in SD slot") << "/dev/mmcblk0p1" << true << false << Bus::Sd << true;
        QTest::newRow("internal disk") << "/dev/sda2" << true << false << Bus::Other << false;
        QTest::newRow("card without partitions") << "/dev/sdc" << true << true << Bus::Usb << true;
        QTest::newRow("device not in sysfs")
            << "/dev/sdz1" << false << false << Bus::Other << false;
        QTest::newRow("not a device node") << "tmpfs" << false << false << Bus::Other << false;
        QTest::newRow("no way out of /dev")
            << "/dev/../etc" << false << false << Bus::Other << false;
    }
    void readsTheDisksAttributes() {
        QFETCH(QString, device);
        QFETCH(bool, found);
        QFETCH(bool, removable);
        QFETCH(Bus, bus);
        QFETCH(bool, card);
        const BlockDevice block = readBlockDevice(sys.path(), device);
        QCOMPARE(block.found, found);
        QCOMPARE(block.removable, removable);
        QCOMPARE(block.bus, bus);
        QCOMPARE(volumeAt(QString(), block.removable, block.bus).isCard(), card);
    }

    void cardsAreTheRemovableVolumesInOrder() {
        QTemporaryDir mounts;
        FixedVolumes source;
        source.list = {volumeAt(mounts.filePath(QStringLiteral("sd")), false, Bus::Sd),
                       volumeAt(QStringLiteral("/"), false, Bus::Other),
                       volumeAt(mounts.filePath(QStringLiteral("stick")), true, Bus::Usb)};
        const QList<Volume> cards = detectCards(source);
        QCOMPARE(cards.size(), 2);
        QCOMPARE(cards[0].mountPoint, mounts.filePath(QStringLiteral("sd")));
        QCOMPARE(cards[1].mountPoint, mounts.filePath(QStringLiteral("stick")));

        QVERIFY(QDir().mkpath(mounts.filePath(QStringLiteral("stick"))));
        QVERIFY(isCardMountPoint(source, mounts.filePath(QStringLiteral("stick/"))));
        QVERIFY(!isCardMountPoint(source, QStringLiteral("/")));
        QVERIFY(!isCardMountPoint(source, mounts.filePath(QStringLiteral("sd")))); // not there
    }
};

KESTROVA_TEST(VolumesTest)
#include "volumes_test.moc"
