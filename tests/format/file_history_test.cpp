#include "format/file_history.h"
#include "format/record_file.h"
#include "support/test_files.h"
#include "support/test_registry.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace kestrova;
using kestrova::test::fileBytes;
using kestrova::test::writeFile;

// The writer keeps what it replaces, and the history keeps the newest hundred.
class FileHistoryTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

private Q_SLOTS:
    void replacedBytesAreKept() {
        const QString card = dir.filePath(QStringLiteral("card"));
        QVERIFY(QDir().mkpath(card));
        FileHistory history(dir.filePath(QStringLiteral("history")));
        const WriteOptions options{false, 5000, &history};
        const QByteArray first(60, '\x01'), second(60, '\x02');

        QCOMPARE(int(writeRecordFile(card, QStringLiteral("menu.dat"), first, options).oldCopy),
                 int(OldCopy::NotNeeded));
        QCOMPARE(int(writeRecordFile(card, QStringLiteral("menu.dat"), second, options).oldCopy),
                 int(OldCopy::Kept));
        // The same bytes again replace nothing worth keeping.
        QCOMPARE(int(writeRecordFile(card, QStringLiteral("menu.dat"), second, options).oldCopy),
                 int(OldCopy::NotNeeded));

        const QList<HistoryEntry> entries = history.entries();
        QCOMPARE(entries.size(), 1);
        QCOMPARE(entries[0].folder, QDir::toNativeSeparators(QDir(card).canonicalPath()));
        QCOMPARE(entries[0].fileName, QStringLiteral("menu.dat"));
        QCOMPARE(history.bytes(entries[0]), std::optional(first));
        QCOMPARE(history.newest(card, QStringLiteral("menu.dat"))->id, entries[0].id);
        QVERIFY(!history.newest(card, QStringLiteral("setup.dat")));
        QCOMPARE(history.find(entries[0].id)->dataPath, entries[0].dataPath);
        QVERIFY(!history.find(QStringLiteral("../") + entries[0].id));
    }

    // A folder chosen on one card takes no file once another card is there; each copy keeps
    // the card it came from, and only that card's folder finds it.
    void copiesKeepToTheirCard_data() {
        QTest::addColumn<QString>("there"); // the volume the folder holds at the write
        QTest::addColumn<bool>("written");
        QTest::addColumn<QString>("kept"); // the card the replaced copy is kept under
        QTest::newRow("the chosen card") << "AAAA-0001" << true << "AAAA-0001";
        QTest::newRow("another card in its place") << "BBBB-0002" << false << "";
        QTest::newRow("a volume that cannot be told") << "" << true << "AAAA-0001";
    }
    void copiesKeepToTheirCard() {
        QFETCH(QString, there);
        QFETCH(bool, written);
        QFETCH(QString, kept);
        QTemporaryDir scratch;
        const QString card = scratch.filePath(QStringLiteral("card"));
        QVERIFY(QDir().mkpath(card));
        QVERIFY(writeFile(card + QStringLiteral("/menu.dat"), QByteArray(60, '\x01')));
        FileHistory history(scratch.filePath(QStringLiteral("history")));
        WriteOptions options{false, 5000, &history};
        options.volume = {QStringLiteral("AAAA-0001"), QStringLiteral("CAM")};
        options.volumeAt = [&there](const QString&) {
            return VolumeIdentity{there, QStringLiteral("CAM")};
        };
        const WriteResult result =
            writeRecordFile(card, QStringLiteral("menu.dat"), QByteArray(60, '\x02'), options);
        QCOMPARE(result.ok(), written);
        QCOMPARE(fileBytes(card + QStringLiteral("/menu.dat")),
                 QByteArray(60, written ? '\x02' : '\x01'));
        if (!written) {
            QCOMPARE(int(result.failure), int(WriteFailure::FolderMissing));
            QVERIFY(history.entries().isEmpty());
            return;
        }
        QCOMPARE(history.entries().size(), 1);
        QCOMPARE(history.entries()[0].volume.uuid, kept);
        QVERIFY(history.newest(card, QStringLiteral("menu.dat"), kept));
        QVERIFY(!history.newest(card, QStringLiteral("menu.dat"), QStringLiteral("BBBB-0002")));
    }

    void keepsTheNewestHundred() {
        FileHistory history(dir.filePath(QStringLiteral("rotating")));
        const QDateTime start(QDate(2026, 1, 1), QTime(8, 0));
        for (int n = 0; n < FileHistory::capacity + 5; ++n)
            QVERIFY(history.keep(dir.path(), QStringLiteral("menu.dat"), QByteArray(1, char(n)),
                                 start.addSecs(n)));
        const QList<HistoryEntry> entries = history.entries();
        QCOMPARE(entries.size(), FileHistory::capacity);
        QCOMPARE(entries.first().time, start.addSecs(FileHistory::capacity + 4));
        QCOMPARE(entries.last().time, start.addSecs(5));
        QCOMPARE(QDir(history.root()).entryList(QDir::Files).size(), 2 * FileHistory::capacity);
    }

    // A history that cannot be written never keeps the new file off the card.
    void unwritableHistoryDoesNotBlockTheWrite() {
        const QString card = dir.filePath(QStringLiteral("card2"));
        QVERIFY(QDir().mkpath(card));
        QVERIFY(writeFile(card + QStringLiteral("/smtp.dat"), "old"));
        const QString blocked = dir.filePath(QStringLiteral("not-a-folder"));
        QVERIFY(writeFile(blocked, "x"));
        FileHistory history(blocked + QStringLiteral("/history"));
        const WriteResult result = writeRecordFile(card, QStringLiteral("smtp.dat"), "new",
                                                   WriteOptions{false, 5000, &history});
        QVERIFY(result.ok());
        QCOMPARE(int(result.oldCopy), int(OldCopy::NotKept));
        QCOMPARE(fileBytes(card + QStringLiteral("/smtp.dat")), QByteArray("new"));
    }
};

KESTROVA_TEST(FileHistoryTest)
#include "file_history_test.moc"
