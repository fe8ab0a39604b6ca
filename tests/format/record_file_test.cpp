#include "format/record_file.h"
#include "i18n/language.h"
#include "i18n/messages.h"
#include "support/test_files.h"
#include "support/test_registry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/file.h>
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
            ::open(QFile::encodeName(writeLockPath(target)).constData(), O_RDWR | O_CREAT, 0600);
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
    }

    void theVolumeRootIsAMountPoint() {
        QVERIFY(isMountPoint(QStringLiteral("/")));
        QTemporaryDir dir;
        QVERIFY(!isMountPoint(dir.path()));
        QVERIFY(!isMountPoint(QString()));
    }

    // Only this writer's own temporary files of this very file are cleared away.
    void removesLeftoversOfInterruptedWrites() {
        QTemporaryDir dir;
        const QStringList others{QStringLiteral("menu.dat.bak"), QStringLiteral("menu.dat.Ab12"),
                                 QStringLiteral("setup.dat.Qx7pLm"),
                                 QStringLiteral("menu.datXq7pLm")};
        for (const QString& name : others)
            QVERIFY(writeFile(dir.filePath(name), "x"));
        QVERIFY(writeFile(dir.filePath(QStringLiteral("menu.dat.Zz9Kk1")), QByteArray(61, 'x')));
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("menu.dat.bak")),
                            dir.filePath(QStringLiteral("menu.dat.Lnk123"))));
        QVERIFY(writeFile(dir.filePath(QStringLiteral("menu.dat.Qx7pLm")), record.left(40)));

        QVERIFY(writeRecordFile(dir.path(), QStringLiteral("menu.dat"), record).ok());
        QStringList kept = others;
        kept << QStringLiteral("menu.dat") << QStringLiteral("menu.dat.Zz9Kk1")
             << QStringLiteral("menu.dat.Lnk123");
        kept.sort();
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name),
                 kept);
    }

    void successHasNoMessage() { QVERIFY(i18n::writeFailureMessage(WriteResult{}, 2).isEmpty()); }
};

KESTROVA_TEST(RecordFileTest)
#include "record_file_test.moc"
