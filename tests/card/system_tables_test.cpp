#include "card/mount_table.h"
#include "card/superblock.h"
#include "support/process_runner.h"
#include "support/test_files.h"
#include "support/test_registry.h"

#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace kestrova::card;
using kestrova::test::runProgram;

// What the kernel's and the file systems' own tables say, read as the system's tools read them.
class SystemTablesTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

private Q_SLOTS:
    void mountTableAsTheKernelWritesIt() {
        const QByteArray mountInfo =
            "22 1 252:1 / / rw,relatime shared:1 - ext4 /dev/vda1 rw\n"
            "40 22 8:17 / /media/me/CAM\\0407 rw,nosuid shared:7 - vfat /dev/sdb1 rw\n"
            "41 22 0:51 / /media/me/EXFAT rw - fuseblk /dev/sdc1 rw,user_id=0\n"
            "42 22 0:52 / /home/me/remote rw - fuse.sshfs me@host:/ rw\n"
            "43 22 0:53 / /media/me/CAM\\0407 rw - vfat /dev/sdd1 rw\n"
            "broken line\n";
        const QList<MountEntry> entries = parseMountInfo(mountInfo);
        QCOMPARE(entries.size(), 4);
        QCOMPARE(entries[0].mountPoint, QStringLiteral("/"));
        QCOMPARE(entries[1].fileSystem, QStringLiteral("fuseblk"));
        QCOMPARE(entries[2].source, QStringLiteral("me@host:/"));
        // A folder mounted over twice is the mount on top.
        QCOMPARE(entries[3].mountPoint, QStringLiteral("/media/me/CAM 7"));
        QCOMPARE(entries[3].source, QStringLiteral("/dev/sdd1"));
        // Nothing is asked of a mount whose source is no block device.
        QVERIFY(!isOnBlockDevice(entries[2]));
        QVERIFY(!isOnBlockDevice(
            {QStringLiteral("/x"), QStringLiteral("tmpfs"), QStringLiteral("/dev/null")}));
    }

    void bootSectorsAsBlkidReadsThem_data() {
        QTest::addColumn<QString>("make"); // the command that makes the file system, on $IMAGE
        QTest::newRow("exFAT") << "mkfs.exfat -L CAM7 \"$IMAGE\"";
        QTest::newRow("FAT12") << "mkfs.vfat -F 12 -n CAM12 \"$IMAGE\"";
        QTest::newRow("FAT16") << "mkfs.vfat -F 16 -n CAM16 \"$IMAGE\"";
        QTest::newRow("FAT32 without a label") << "mkfs.vfat -F 32 \"$IMAGE\"";
        QTest::newRow("no file system") << "true";
    }
    void bootSectorsAsBlkidReadsThem() {
        QFETCH(QString, make);
        for (const char* tool : {"mkfs.exfat", "mkfs.vfat", "blkid"}) {
            if (QStandardPaths::findExecutable(
                    QLatin1String(tool), {QStringLiteral("/usr/sbin"), QStringLiteral("/sbin")})
                    .isEmpty())
                QSKIP("scripts/install-deps installs exfatprogs, dosfstools and util-linux");
        }
        const QString image = dir.filePath(QTest::currentDataTag());
        QFile file(image);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(64 << 20));
        file.close();
        QProcessEnvironment environment;
        environment.insert(QStringLiteral("IMAGE"), image);
        environment.insert(QStringLiteral("PATH"), QStringLiteral("/usr/sbin:/sbin:/usr/bin:/bin"));
        const auto blkid =
            runProgram(QStringLiteral("sh"),
                       {QStringLiteral("-c"),
                        make + QStringLiteral(" >/dev/null && blkid -p -o export \"$IMAGE\"")},
                       QString(), environment);
        QMap<QString, QString> expected;
        for (const QString& line : blkid.out.split(u'\n', Qt::SkipEmptyParts))
            expected.insert(line.section(u'=', 0, 0), line.section(u'=', 1));
        const auto read = readSuperblock(image);
        QCOMPARE(read.has_value(), expected.contains(QStringLiteral("TYPE")));
        if (!read)
            return;
        QCOMPARE(read->fileSystem, expected.value(QStringLiteral("TYPE")));
        QCOMPARE(read->uuid, expected.value(QStringLiteral("UUID")));
        if (read->fileSystem == u"vfat")
            QCOMPARE(read->label, expected.value(QStringLiteral("LABEL_FATBOOT")));
    }
};

KESTROVA_TEST(SystemTablesTest)
#include "system_tables_test.moc"
