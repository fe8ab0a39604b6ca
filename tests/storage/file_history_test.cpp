#include "storage/file_history.h"
#include "storage/record_file.h"
#include "support/test_files.h"
#include "support/test_registry.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace kestrova;
using kestrova::test::fileBytes;
using kestrova::test::writeFile;

namespace {

int modeOf(const QString& path) {
    struct stat info {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 ? int(info.st_mode & 0777) : -1;
}

// Rewrites one value of an entry's description as a hand or another program might.
void editDescription(const QString& path, const QByteArray& from, const QByteArray& to) {
    QByteArray json = fileBytes(path);
    QVERIFY2(json.contains(from), json.constData());
    QVERIFY(writeFile(path, json.replace(from, to)));
}

} // namespace

// The writer keeps what it replaces, for this user alone and checked, and the history keeps its
// own newest hundred, never touching what is not its own.
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
        QVERIFY(history.bytes(entries[0]).trusted());
        QCOMPARE(*history.bytes(entries[0]).bytes, first);
        QCOMPARE(history.newest(card, QStringLiteral("menu.dat"))->id, entries[0].id);
        QVERIFY(!history.newest(card, QStringLiteral("setup.dat")));
        QVERIFY(!history.find(QStringLiteral("../") + entries[0].id));
        // Passwords and phone numbers stay with their owner.
        QCOMPARE(modeOf(history.root()), 0700);
        QCOMPARE(modeOf(entries[0].dataPath), 0600);
    }

    // The XDG rules ask for a relative XDG_DATA_HOME to be ignored: the history stays in the
    // home folder instead of wherever the program happens to start.
    void relativeDataHomeIsIgnored_data() {
        QTest::addColumn<QByteArray>("dataHome");
        QTest::addColumn<QString>("root");
        QTest::newRow("absolute") << QByteArray("/srv/data") << "/srv/data/kestrova/history";
        QTest::newRow("relative") << QByteArray("data") << "HOME/.local/share/kestrova/history";
        QTest::newRow("unset") << QByteArray() << "HOME/.local/share/kestrova/history";
    }
    void relativeDataHomeIsIgnored() {
        QFETCH(QByteArray, dataHome);
        QFETCH(QString, root);
        const QByteArray old = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", dataHome);
        const QString found = FileHistory::defaultRoot();
        qputenv("XDG_DATA_HOME", old);
        QCOMPARE(found, root.replace(QStringLiteral("HOME"), QDir::homePath()));
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

    // Pruning goes by the time each entry holds and spares the copy just made, whatever the
    // clock said when the others were made, and every file that is not the history's own.
    void pruningKeepsWhatIsNotItsToDrop() {
        FileHistory history(dir.filePath(QStringLiteral("rotating")));
        const QStringList foreign{QStringLiteral("0-notes.json"), QStringLiteral("0-notes.dat"),
                                  QStringLiteral("zz-other.json")};
        QVERIFY(QDir().mkpath(history.root()));
        for (const QString& name : foreign)
            QVERIFY(writeFile(history.root() + u'/' + name, "{\"time\": \"x\"}"));
        // A PC clock once a year ahead stamped every earlier copy in the future.
        const QDateTime ahead(QDate(2027, 1, 1), QTime(8, 0));
        for (int n = 0; n < FileHistory::capacity + 5; ++n)
            QVERIFY(history
                        .keep(dir.path(), QStringLiteral("menu.dat"), QByteArray(1, char(n)),
                              ahead.addSecs(n))
                        .kept());
        const KeptCopy now = history.keep(dir.path(), QStringLiteral("menu.dat"), "now",
                                          QDateTime(QDate(2026, 1, 1), QTime(8, 0)));
        QVERIFY(now.kept());
        const QList<HistoryEntry> entries = history.entries();
        QCOMPARE(entries.size(), FileHistory::capacity);
        QCOMPARE(entries.last().id, now.id);
        QCOMPARE(entries.first().time, ahead.addSecs(FileHistory::capacity + 4));
        QCOMPARE(entries[entries.size() - 2].time, ahead.addSecs(6));
        for (const QString& name : foreign)
            QVERIFY2(QFile::exists(history.root() + u'/' + name), qPrintable(name));
    }

    // Only a description this program could have written counts, and only bytes that are what
    // it kept are trusted; whatever else stands in the folder never blocks or fills a reader.
    void untrustedEntries_data() {
        QTest::addColumn<QString>("change");
        QTest::addColumn<bool>("listed");
        QTest::addColumn<QString>("problem");
        QTest::newRow("a file name outside the card") << "file" << false << "";
        QTest::newRow("a relative folder") << "relative" << false << "";
        QTest::newRow("a folder that climbs") << "climbs" << false << "";
        QTest::newRow("bytes changed since") << "bytes" << true << "SHA-256 does not match";
        QTest::newRow("no checksum") << "no checksum" << true << "no checksum";
        QTest::newRow("bytes endless") << "device" << true << "not a regular file (a device)";
        QTest::newRow("description is a FIFO") << "fifo" << false << "";
    }
    void untrustedEntries() {
        QFETCH(QString, change);
        QFETCH(bool, listed);
        QFETCH(QString, problem);
        FileHistory history(dir.filePath(QStringLiteral("untrusted-") + QTest::currentDataTag()));
        const QString id = history
                               .keep(dir.path(), QStringLiteral("smtp.dat"), "old bytes",
                                     QDateTime::currentDateTime())
                               .id;
        const QString json = history.root() + u'/' + id + QStringLiteral(".json");
        const QString data = history.root() + u'/' + id + QStringLiteral(".dat");
        const QByteArray folder = QDir(dir.path()).canonicalPath().toUtf8();
        if (change == u"file")
            editDescription(json, "\"smtp.dat\"", "\"../elsewhere/evil.txt\"");
        if (change == u"relative")
            editDescription(json, "\"" + folder + "\"", "\"card\"");
        if (change == u"climbs")
            editDescription(json, "\"" + folder + "\"", "\"" + folder + "/../card\"");
        if (change == u"bytes")
            QVERIFY(writeFile(data, "0 bytes"));
        if (change == u"no checksum")
            editDescription(json, "\"sha256\"", "\"sha1\"");
        if (change == u"device") {
            QVERIFY(QFile::remove(data));
            QVERIFY(QFile::link(QStringLiteral("/dev/zero"), data));
        }
        if (change == u"fifo") {
            QVERIFY(QFile::remove(json));
            QCOMPARE(::mkfifo(QFile::encodeName(json).constData(), 0600), 0);
        }
        QElapsedTimer timer;
        timer.start();
        const auto entry = history.find(id);
        QCOMPARE(entry.has_value(), listed);
        QCOMPARE(history.entries().size(), listed ? 1 : 0);
        if (entry)
            QVERIFY2(history.bytes(*entry).problem.contains(problem),
                     qPrintable(history.bytes(*entry).problem));
        QVERIFY(timer.elapsed() < 5000);
    }
};

KESTROVA_TEST(FileHistoryTest)
#include "file_history_test.moc"
