#include "card/device_facts.h"
#include "card/local_device_facts.h"
#include "card/volume_space.h"
#include "card/volumes.h"
#include "support/fake_volumes.h"
#include "support/test_files.h"
#include "support/test_registry.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <memory>
#include <thread>

using namespace kestrova::card;
using kestrova::test::FixedVolumes;
using kestrova::test::volumeAt;
using kestrova::test::writeFile;

// Cards are told from other volumes by one rule over what sysfs and udev's database say of
// their devices, and what udisks2 adds, joined per device.
class VolumesTest : public QObject {
    Q_OBJECT

    QTemporaryDir tables;
    SystemTables paths{tables.filePath(QStringLiteral("sys")),
                       tables.filePath(QStringLiteral("udev")), false};

    // A device in the fake device tree, linked from class/block as the kernel does, with
    // udev's record of it ("KEY=VALUE" lines).
    void addDevice(const QString& devicePath, const char* number, const char* removable,
                   const char* rotational, qint64 sectors, const QStringList& udev) {
        const QString folder = paths.sys + QStringLiteral("/devices/") + devicePath;
        QVERIFY(QDir().mkpath(folder + QStringLiteral("/queue")));
        const bool partition = devicePath.endsWith(u'1');
        const QString disk = partition ? QFileInfo(folder).path() : folder;
        QVERIFY(QDir().mkpath(disk + QStringLiteral("/queue")));
        QVERIFY(writeFile(disk + QStringLiteral("/removable"), removable));
        QVERIFY(writeFile(disk + QStringLiteral("/queue/rotational"), rotational));
        QVERIFY(writeFile(folder + QStringLiteral("/size"), QByteArray::number(sectors)));
        QVERIFY(writeFile(folder + QStringLiteral("/dev"), number));
        if (partition)
            QVERIFY(writeFile(folder + QStringLiteral("/partition"), "1\n"));
        QVERIFY(QDir().mkpath(paths.sys + QStringLiteral("/class/block")));
        QVERIFY(QFile::link(folder, paths.sys + QStringLiteral("/class/block/") +
                                        QFileInfo(folder).fileName()));
        QVERIFY(QDir().mkpath(paths.udevData));
        QVERIFY(writeFile(paths.udevData + QStringLiteral("/b") + QLatin1String(number),
                          QStringLiteral("S:disk/x\nE:%1\nG:systemd\n")
                              .arg(udev.join(QStringLiteral("\nE:")))
                              .toUtf8()));
    }

private Q_SLOTS:
    void initTestCase() {
        const QString usb = QStringLiteral("pci0000:00/0000:00:14.0/usb1/1-2/1-2:1.0/host6/");
        const qint64 gigabytes = 2 * 1000 * 1000;
        // The kernel calls USB readers and sticks rotational, whatever they are.
        addDevice(usb + QStringLiteral("target6:0:0/6:0:0:0/block/sdb/sdb1"), "8:17", "1", "1",
                  8 * gigabytes,
                  {QStringLiteral("ID_FS_TYPE=exfat"), QStringLiteral("ID_FS_UUID=1A2B-3C4D"),
                   QStringLiteral("ID_FS_LABEL=CAM7")});
        addDevice(QStringLiteral("platform/fe320000.mmc/mmc_host/mmc0/mmc0:59b4/block/mmcblk0/"
                                 "mmcblk0p1"),
                  "179:1", "0", "0", 32 * gigabytes, {QStringLiteral("ID_FS_TYPE=vfat")});
        addDevice(QStringLiteral("pci0000:00/0000:00:17.0/ata1/host0/target0:0:0/0:0:0:0/block/"
                                 "sda/sda1"),
                  "8:1", "0", "1", 500 * gigabytes, {QStringLiteral("ID_FS_TYPE=ext4")});
        // A hot-pluggable disk whose medium cannot come out.
        addDevice(usb + QStringLiteral("target7:0:0/7:0:0:0/block/sdc/sdc1"), "8:33", "0", "1",
                  1000 * gigabytes, {QStringLiteral("ID_ATA_ROTATION_RATE_RPM=5400")});
        // A removable medium that spins.
        addDevice(usb + QStringLiteral("target8:0:0/8:0:0:0/block/sdd/sdd1"), "8:49", "1", "1",
                  100 * gigabytes, {QStringLiteral("ID_ATA_ROTATION_RATE_RPM=7200")});
        addDevice(usb + QStringLiteral("target9:0:0/9:0:0:0/block/sde/sde1"), "8:65", "1", "0",
                  3000 * gigabytes, {});
        // A reader udev's rules call an SD slot, though the kernel calls it fixed.
        addDevice(QStringLiteral("virtual/block/loop7"), "7:7", "0", "1", 64 * 2048,
                  {QStringLiteral("ID_DRIVE_FLASH_SD=1"), QStringLiteral("ID_FS_UUID=EFBF-BF99")});
    }

    void oneRuleOverTheJoinedFacts_data() {
        QTest::addColumn<QString>("device");
        QTest::addColumn<QString>("fileSystem");
        QTest::addColumn<QString>("uuid");
        QTest::addColumn<bool>("service"); // udisks2 says it is a flash card in a reader
        QTest::addColumn<bool>("card");
        QTest::newRow("USB card reader") << "/dev/sdb1"
                                         << "exfat"
                                         << "1A2B-3C4D" << false << true;
        QTest::newRow("built-in SD slot") << "/dev/mmcblk0p1"
                                          << "vfat"
                                          << "" << false << true;
        QTest::newRow("internal disk") << "/dev/sda1"
                                       << "ext4"
                                       << "" << false << false;
        QTest::newRow("internal disk, udisks2 says flash") << "/dev/sda1"
                                                           << "exfat"
                                                           << "" << true << true;
        QTest::newRow("USB hard disk") << "/dev/sdc1"
                                       << ""
                                       << "" << false << false;
        QTest::newRow("removable spinning disk") << "/dev/sdd1"
                                                 << ""
                                                 << "" << false << false;
        QTest::newRow("larger than a card can be") << "/dev/sde1"
                                                   << ""
                                                   << "" << false << false;
        QTest::newRow("SD by udev's rule") << "/dev/loop7"
                                           << ""
                                           << "EFBF-BF99" << false << true;
        QTest::newRow("not a device node") << "tmpfs"
                                           << ""
                                           << "" << false << false;
    }
    void oneRuleOverTheJoinedFacts() {
        QFETCH(QString, device);
        QFETCH(QString, fileSystem);
        QFETCH(QString, uuid);
        QFETCH(bool, service);
        QFETCH(bool, card);
        Volume volume;
        if (service) {
            DeviceFacts udisks;
            udisks.flashMedia = true;
            udisks.fileSystem = QStringLiteral("exfat");
            joinInto(volume, udisks);
        }
        joinInto(volume, localDeviceFacts(device, paths));
        QCOMPARE(volume.fileSystem, fileSystem);
        QCOMPARE(volume.uuid, uuid);
        QCOMPARE(volume.isCard(), card);
    }

    void cardsComeInMountPointOrder() {
        QTemporaryDir mounts;
        FixedVolumes source;
        source.list = {volumeAt(mounts.filePath(QStringLiteral("sd")), false, Bus::Sd),
                       volumeAt(QStringLiteral("/"), false, Bus::Other),
                       volumeAt(mounts.filePath(QStringLiteral("stick")), true, Bus::Usb)};
        const QList<Volume> cards = detectCards(source);
        QCOMPARE(cards.size(), 2);
        QCOMPARE(cards[0].mountPoint, mounts.filePath(QStringLiteral("sd")));
        QCOMPARE(cards[1].mountPoint, mounts.filePath(QStringLiteral("stick")));

        // The volume at a folder is found whichever way the folder is written.
        QVERIFY(QDir().mkpath(mounts.filePath(QStringLiteral("stick"))));
        source.list[2].uuid = QStringLiteral("5555-6666");
        QCOMPARE(identityAt(&source, mounts.filePath(QStringLiteral("stick/"))).uuid,
                 QStringLiteral("5555-6666"));
        QVERIFY(identityAt(&source, mounts.filePath(QStringLiteral("sd"))).isEmpty()); // gone
    }
};

// Every mount's size is asked at once: mounts that are slow to answer, or never do, hold the
// listing up together for the one wait, not one after another.
class VolumeSpaceTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void askedTogether_data() {
        QTest::addColumn<int>("answering");
        QTest::addColumn<int>("silent");
        QTest::newRow("one") << 1 << 0;
        QTest::newRow("forty that answer only once all were asked") << 40 << 0;
        QTest::newRow("some that never answer among them") << 10 << 5;
    }
    void askedTogether() {
        QFETCH(int, answering);
        QFETCH(int, silent);
        // Each answering mount answers only once every mount was asked: one asked after another
        // would wait out the others' deadline and find none of them answering.
        auto asked = std::make_shared<std::atomic<int>>(0);
        auto stop = std::make_shared<std::atomic<bool>>(false);
        const int total = answering + silent;
        const SpaceQuestion question =
            [=](const QString& mountPoint) -> std::optional<VolumeSpace> {
            ++*asked;
            const bool answers = !mountPoint.endsWith(QStringLiteral("silent"));
            while (!*stop && (!answers || *asked < total))
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
            return VolumeSpace{1000, answers ? 500 : 0};
        };
        QStringList mountPoints;
        for (int i = 0; i < total; ++i)
            mountPoints << QStringLiteral("/media/%1/%2-%3")
                               .arg(QTest::currentDataTag())
                               .arg(i)
                               .arg(i < answering ? "answers" : "silent");
        const auto spaces = volumeSpaces(mountPoints, 2000, question);
        *stop = true;
        QCOMPARE(qsizetype(spaces.size()), mountPoints.size());
        for (int i = 0; i < total; ++i)
            QCOMPARE(spaces[std::size_t(i)].has_value(), i < answering);
        QCOMPARE(spaces.front()->bytesFree, qint64(500));
    }
};

KESTROVA_TEST(VolumesTest)
KESTROVA_TEST(VolumeSpaceTest)
#include "volumes_test.moc"
