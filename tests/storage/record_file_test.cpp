#include "i18n/language.h"
#include "i18n/messages.h"
#include "storage/record_file.h"
#include "storage/writer_lock.h"
#include "support/test_files.h"
#include "support/test_registry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

using kestrova::test::fileBytes;
using kestrova::test::writeFile;
using namespace kestrova;

namespace {

// A folder whose path is about `length` characters long, made one level at a time as the
// system refuses to make it in one go.
QString nestedFolder(const QString& base, int length) {
    const QString started = QDir::currentPath();
    QString path = base;
    const QString level = QStringLiteral("/") + QString(200, u'd');
    QDir current(base);
    while (path.size() < length) {
        current.mkdir(level.mid(1));
        QDir::setCurrent(current.filePath(level.mid(1)));
        current = QDir(QStringLiteral("."));
        path += level;
    }
    QDir::setCurrent(started);
    return path;
}

const QByteArray record = QByteArray("\x01\x02\x03", 3) + QByteArray(55, '\0') + "\r\n";

} // namespace

class RecordFileTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void writesTheFile() {
        QTemporaryDir dir;
        const WriteResult result = writeRecordFile(dir.path(), QStringLiteral("menu.dat"), record);
        QVERIFY(result.ok());
        QCOMPARE(result.path, dir.path() + QDir::separator() + QStringLiteral("menu.dat"));
        QCOMPARE(fileBytes(result.path), record);
        // Nothing but the file itself is left behind.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("menu.dat")});
    }

    void replacesALongerFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("menu.dat"));
        QVERIFY(writeFile(path, QByteArray(500, 'x')));
        QVERIFY(writeRecordFile(dir.path(), QStringLiteral("menu.dat"), record).ok());
        QCOMPARE(fileBytes(path), record);
    }

    void joinsWithOneSeparator() {
        const QChar sep = QDir::separator();
        QCOMPARE(recordFilePath(QStringLiteral("card"), QStringLiteral("menu.dat")),
                 QStringLiteral("card") + sep + QStringLiteral("menu.dat"));
        QCOMPARE(recordFilePath(QStringLiteral("card") + sep, QStringLiteral("menu.dat")),
                 QStringLiteral("card") + sep + QStringLiteral("menu.dat"));
    }

    void failures_data() {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<int>("failure");
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("chinese");
        QTest::newRow("regular file where the folder should be")
            << "file-as-folder" << int(WriteFailure::FolderMissing)
            << "the folder does not exist or the card was removed."
            << "文件夹不存在或存储卡已被取出。";
        QTest::newRow("folder missing") << "missing" << int(WriteFailure::FolderMissing)
                                        << "the folder does not exist or the card was removed."
                                        << "文件夹不存在或存储卡已被取出。";
        QTest::newRow("a folder where the file should be")
            << "folder-as-file" << int(WriteFailure::Other) << ""
            << "";
    }
    void failures() {
        QFETCH(QString, setup);
        QFETCH(int, failure);
        QFETCH(QString, english);
        QFETCH(QString, chinese);
        QTemporaryDir dir;
        QString folder = dir.filePath(QStringLiteral("card"));
        if (setup == u"file-as-folder")
            QVERIFY(writeFile(folder, QByteArray("not a folder")));
        if (setup == u"folder-as-file") {
            QVERIFY(QDir().mkpath(folder + QStringLiteral("/menu.dat")));
        }
        const WriteResult result = writeRecordFile(folder, QStringLiteral("menu.dat"), record);
        QCOMPARE(int(result.failure), failure);
        QVERIFY(!result.ok());

        const QString englishMessage = i18n::writeFailureMessage(result, 2);
        const QString chineseMessage = i18n::writeFailureMessage(result, 1);
        QVERIFY2(englishMessage.startsWith(QStringLiteral("The file ") + result.path +
                                           QStringLiteral(" could not be written: ")),
                 qPrintable(englishMessage));
        QVERIFY(
            englishMessage.endsWith(QStringLiteral("The settings on the card were not changed.")));
        QVERIFY(chineseMessage.startsWith(QStringLiteral("无法写入文件 ") + result.path));
        QCOMPARE(i18n::writeFailureMessage(result, 3), englishMessage);
        if (!english.isEmpty()) {
            QVERIFY(englishMessage.contains(english));
            QVERIFY(chineseMessage.contains(chinese));
        } else {
            // The system's own words stand in for the reason.
            QVERIFY(!result.systemText.isEmpty());
            QVERIFY(englishMessage.contains(result.systemText));
        }
        if (setup == u"file-as-folder")
            QCOMPARE(fileBytes(folder), QByteArray("not a folder"));
    }

    // What the writer refuses before it writes anything; whatever stands there stays as it was.
    void refusals_data() {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<int>("failure");
        QTest::addColumn<QString>("message"); // %1: the file's path
        QTest::newRow("no folder given") << "empty" << int(WriteFailure::NoFolder)
                                         << "No folder chosen: choose the card's folder first.";
        QTest::newRow("link to a file off the card")
            << "link" << int(WriteFailure::IsLink)
            << "menu.dat in this folder is a link to another file; nothing was written.";
        QTest::newRow("dangling link")
            << "dangling" << int(WriteFailure::IsLink)
            << "menu.dat in this folder is a link to another file; nothing was written.";
        QTest::newRow("card pulled since the folder was chosen")
            << "unmounted" << int(WriteFailure::FolderMissing)
            << "The file %1 could not be written: the folder does not exist or the card was "
               "removed. The settings on the card were not changed.";
        QTest::newRow("path longer than the system takes")
            << "long" << int(WriteFailure::PathTooLong)
            << "The file %1 could not be written: the path is too long. The settings on the card "
               "were not changed.";
        QTest::newRow("another writer holds the file")
            << "locked" << int(WriteFailure::Busy)
            << "Another write to %1 is in progress; nothing was written. Try again in a moment.";
        QTest::newRow("a folder name Qt could not decode")
            << "undecodable" << int(WriteFailure::NameNotUtf8)
            << "The folder's name is not valid UTF-8 text, so the file cannot be written there. "
               "Rename the folder (or mount the card under another name) and choose it again.";
    }
    void refusals() {
        QFETCH(QString, setup);
        QFETCH(int, failure);
        QFETCH(QString, message);
        QTemporaryDir dir;
        QString folder = dir.filePath(QStringLiteral("card"));
        QVERIFY(QDir().mkpath(folder));
        const QString outside = dir.filePath(QStringLiteral("important.txt"));
        QVERIFY(writeFile(outside, "keep me"));
        const QString target = folder + QStringLiteral("/menu.dat");
        WriteOptions options;
        // Another writer of the same file, holding its turn as a writer does.
        const int otherWriter =
            ::open(QFile::encodeName(writeLockPath(folder, QStringLiteral("menu.dat"))).constData(),
                   O_RDWR | O_CREAT, 0600);
        const auto release = qScopeGuard([otherWriter] { ::close(otherWriter); });
        if (setup == u"empty")
            folder.clear();
        if (setup == u"link")
            QVERIFY(QFile::link(outside, target));
        if (setup == u"dangling")
            QVERIFY(QFile::link(dir.filePath(QStringLiteral("nowhere/menu.dat")), target));
        // A folder inside the temporary one is never where a volume is mounted.
        if (setup == u"unmounted")
            options.mustBeMountPoint = true;
        if (setup == u"long")
            folder = nestedFolder(dir.path(), 5000);
        // "nu\xff" as Qt reads it, beside a folder that really has that name.
        if (setup == u"undecodable") {
            folder = dir.filePath(QStringLiteral("nu\uFFFD"));
            QVERIFY(QDir().mkpath(folder));
        }
        if (setup == u"locked") {
            QCOMPARE(::flock(otherWriter, LOCK_EX | LOCK_NB), 0);
            options.lockWaitMs = 50;
        }

        const WriteResult result =
            writeRecordFile(folder, QStringLiteral("menu.dat"), record, options);
        QCOMPARE(int(result.failure), failure);
        QCOMPARE(i18n::writeFailureMessage(result, i18n::English), message.arg(result.path));
        QCOMPARE(fileBytes(outside), QByteArray("keep me"));
        QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("nowhere/menu.dat"))));
        if (setup != u"link" && setup != u"dangling")
            QVERIFY(!QFileInfo::exists(target));
        QVERIFY(!QFileInfo::exists(recordFilePath(folder, QStringLiteral("menu.dat"))) ||
                setup == u"link" || setup == u"dangling");
    }

    void theVolumeRootIsAMountPoint() {
        QVERIFY(isMountPoint(QStringLiteral("/")));
        QTemporaryDir dir;
        QVERIFY(!isMountPoint(dir.path()));
        QVERIFY(!isMountPoint(QString()));
    }

    // Only temporary files this writer can prove it made of this very file are cleared away;
    // the owner's backups, however they are named, stay.
    void removesOnlyItsOwnLeftovers() {
        QTemporaryDir dir;
        const QString own = temporaryFileName(QStringLiteral("menu.dat"), QStringLiteral("Qx7pLm"));
        QCOMPARE(own, QStringLiteral(".menu.dat.kestrova-Qx7pLm"));
        QStringList kept{
            QStringLiteral("menu.dat.backup"),           QStringLiteral("setup.dat.before"),
            QStringLiteral("menu.dat.good01"),           QStringLiteral("menu.dat.notes1"),
            QStringLiteral("menu.dat.Qx7pLm"),           QStringLiteral(".menu.dat.kestrova-Ab12"),
            QStringLiteral(".setup.dat.kestrova-Qx7pLm")};
        for (const QString& name : kept)
            QVERIFY(writeFile(dir.filePath(name), "x"));
        // Larger than a record, or a link: not one of its temporary files either.
        const QString large =
            temporaryFileName(QStringLiteral("menu.dat"), QStringLiteral("Zz9Kk1"));
        QVERIFY(writeFile(dir.filePath(large), QByteArray(61, 'x')));
        const QString link =
            temporaryFileName(QStringLiteral("menu.dat"), QStringLiteral("Lnk123"));
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("menu.dat.backup")), dir.filePath(link)));
        QVERIFY(writeFile(dir.filePath(own), record.left(40)));

        QVERIFY(writeRecordFile(dir.path(), QStringLiteral("menu.dat"), record).ok());
        kept << QStringLiteral("menu.dat") << large << link;
        kept.sort();
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name),
                 kept);
    }

    // Where writers take turns: a private folder of this user's, never another user's folder,
    // never through a link, and nothing left behind.
    void lockPlaces_data() {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<bool>("written");
        QTest::addColumn<QString>("reason");
        QTest::newRow("another user's runtime folder, its lock held there")
            << "foreign" << true << "";
        QTest::newRow("runtime folder left unwritable by su") << "0555" << true << "";
        QTest::newRow("lock folder is a link")
            << "folder link" << false << "kestrova: it is a link";
        QTest::newRow("lock file is a link") << "file link" << false << ".lock: it is a link";
        QTest::newRow("no folder for a lock") << "nowhere" << false << "locks: Not a directory";
        QTest::newRow("the lock goes when done") << "private" << true << "";
    }
    void lockPlaces() {
        QFETCH(QString, setup);
        QFETCH(bool, written);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString card = dir.filePath(QStringLiteral("card"));
        const QString runtime = dir.filePath(QStringLiteral("runtime"));
        const QString victim = dir.filePath(QStringLiteral("victim"));
        QVERIFY(QDir().mkpath(card) && QDir().mkpath(runtime + QStringLiteral("/kestrova")));
        QVERIFY(::chmod(QFile::encodeName(runtime).constData(), setup == u"0555" ? 0555 : 0700) ==
                0);
        const QByteArray oldRuntime = qgetenv("XDG_RUNTIME_DIR");
        const QByteArray oldData = qgetenv("XDG_DATA_HOME");
        const auto restore = qScopeGuard([&] {
            qputenv("XDG_RUNTIME_DIR", oldRuntime);
            qputenv("XDG_DATA_HOME", oldData);
        });
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
        qputenv("XDG_DATA_HOME", QFile::encodeName(dir.filePath(QStringLiteral("data"))));
        const QString lock = writeLockPath(card, QStringLiteral("menu.dat"));
        QProcess holder;
        if (setup == u"foreign") {
            // The runtime folder of the user who ran su, where that user holds the lock.
            QVERIFY(::chmod(QFile::encodeName(dir.path()).constData(), 0711) == 0);
            QVERIFY(::chown(QFile::encodeName(runtime).constData(), 65534, 65534) == 0);
            QVERIFY(::chown(QFile::encodeName(runtime + QStringLiteral("/kestrova")).constData(),
                            65534, 65534) == 0);
            holder.start(QStringLiteral("setpriv"),
                         {QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                          QStringLiteral("--clear-groups"), QStringLiteral("flock"), lock,
                          QStringLiteral("sleep"), QStringLiteral("30")});
            QVERIFY(holder.waitForStarted());
            QTRY_VERIFY(QFile::exists(lock));
        }
        if (setup == u"folder link") {
            QVERIFY(QDir(runtime + QStringLiteral("/kestrova")).removeRecursively());
            QVERIFY(QDir().mkpath(victim));
            QVERIFY(QFile::link(victim, runtime + QStringLiteral("/kestrova")));
        }
        if (setup == u"file link")
            QVERIFY(QFile::link(victim, lock));
        if (setup == u"nowhere") {
            qputenv("XDG_RUNTIME_DIR", QByteArray());
            QVERIFY(writeFile(dir.filePath(QStringLiteral("file")), "x"));
            qputenv("XDG_DATA_HOME", QFile::encodeName(dir.filePath(QStringLiteral("file"))));
        }
        WriteOptions options;
        options.lockWaitMs = 200;
        const WriteResult result =
            writeRecordFile(card, QStringLiteral("menu.dat"), record, options);
        holder.kill();
        holder.waitForFinished();
        QCOMPARE(result.ok(), written);
        QCOMPARE(fileBytes(recordFilePath(card, QStringLiteral("menu.dat"))),
                 written ? record : QByteArray());
        if (!written) {
            QCOMPARE(int(result.failure), int(WriteFailure::NoLock));
            QVERIFY2(result.systemText.endsWith(reason), qPrintable(result.systemText));
            QVERIFY(i18n::writeFailureMessage(result, i18n::English)
                        .startsWith(QStringLiteral("No lock could be made to write ")));
            QVERIFY(!QFileInfo::exists(victim) || QDir(victim).isEmpty());
        }
        if (setup == u"private")
            QVERIFY(QDir(runtime + QStringLiteral("/kestrova")).isEmpty());
        // Nothing of this writer's in a runtime folder that is not this user's alone.
        if (setup == u"foreign" || setup == u"0555")
            QCOMPARE(
                QDir(runtime).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                QStringList{QStringLiteral("kestrova")});
    }

    void successHasNoMessage() { QVERIFY(i18n::writeFailureMessage(WriteResult{}, 2).isEmpty()); }
};

KESTROVA_TEST(RecordFileTest)
#include "record_file_test.moc"
