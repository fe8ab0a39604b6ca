#include "common/record_file.h"
#include "i18n/messages.h"
#include "support/test_files.h"
#include "support/test_registry.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using kestrova::test::fileBytes;
using kestrova::test::writeFile;
using namespace kestrova;

namespace {

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

    void successHasNoMessage() { QVERIFY(i18n::writeFailureMessage(WriteResult{}, 2).isEmpty()); }
};

KESTROVA_TEST(RecordFileTest)
#include "record_file_test.moc"
