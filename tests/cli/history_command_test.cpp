#include "camera/menu_record.h"
#include "storage/file_history.h"
#include "support/process_runner.h"
#include "support/test_files.h"
#include "support/test_registry.h"

#include <QDate>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

using namespace kestrova::test;

// What a write replaced can be listed and brought back, byte for byte but for a new clock.
class HistoryCommandTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString settings() const { return dir.filePath(QStringLiteral("prefs.ini")); }
    QString card() const { return dir.filePath(QStringLiteral("card")); }
    QString history() const { return dir.filePath(QStringLiteral("data/kestrova/history")); }

    ProcessResult menu(const QString& videoLength) {
        return runKestrova({QStringLiteral("menu"), QStringLiteral("--model"), QStringLiteral("7"),
                            QStringLiteral("--out"), card(), QStringLiteral("--time"),
                            QStringLiteral("2026-05-06T07:08:09"), QStringLiteral("--set"),
                            QStringLiteral("video_length=") + videoLength},
                           settings());
    }

    QJsonArray listed() {
        const auto result =
            runKestrova({QStringLiteral("history"), QStringLiteral("--json")}, settings());
        return QJsonDocument::fromJson(result.out.toUtf8()).array();
    }
    QString newestId() { return listed()[0].toObject()[QStringLiteral("id")].toString(); }

private Q_SLOTS:
    void init() {
        QDir(dir.filePath(QStringLiteral("data"))).removeRecursively();
        QDir(card()).removeRecursively();
        QVERIFY(QDir().mkpath(card()));
    }

    void listsAndRestoresWhatAWriteReplaced() {
        const QString menuFile = card() + QStringLiteral("/menu.dat");
        QCOMPARE(menu(QStringLiteral("45")).exitCode, 0);
        const QByteArray first = fileBytes(menuFile);
        QVERIFY(listed().isEmpty());
        QCOMPARE(menu(QStringLiteral("30")).exitCode, 0);
        const QByteArray second = fileBytes(menuFile);

        const QJsonArray entries = listed();
        QCOMPARE(entries.size(), 1);
        const QJsonObject entry = entries[0].toObject();
        QCOMPARE(entry[QStringLiteral("file")].toString(), QStringLiteral("menu.dat"));
        QCOMPARE(entry[QStringLiteral("folder")].toString(), QDir(card()).canonicalPath());
        QCOMPARE(entry[QStringLiteral("summary")].toString(), QStringLiteral("menu, intact"));
        const QString id = entry[QStringLiteral("id")].toString();
        const auto text = runKestrova({QStringLiteral("history")}, settings());
        QVERIFY2(text.out.startsWith(id + QStringLiteral("  ")), qPrintable(text.out));

        // The old settings come back with today's camera clock, unless the old one is asked for.
        const auto restored = runKestrova({QStringLiteral("restore"), id}, settings());
        QCOMPARE(restored.exitCode, 0);
        QCOMPARE(restored.out.split(u'\n').first(), menuFile);
        QVERIFY2(restored.out.contains(QStringLiteral("camera clock set to ")),
                 qPrintable(restored.out));
        const QByteArray back = fileBytes(menuFile);
        QVERIFY(kestrova::camera::checkMenuRecord(back).intact());
        QCOMPARE(back.left(14) + back.mid(20, 30), first.left(14) + first.mid(20, 30));
        QCOMPARE(int(back[14]) + 2010, QDate::currentDate().year());
        QCOMPARE(int(back[15]), QDate::currentDate().month());
        // What the restore replaced is kept as well, newest first.
        QCOMPARE(listed().size(), 2);
        QCOMPARE(runKestrova({QStringLiteral("restore"), newestId(), QStringLiteral("--out"),
                              dir.path(), QStringLiteral("--keep-clock")},
                             settings())
                     .exitCode,
                 0);
        QCOMPARE(fileBytes(dir.filePath(QStringLiteral("menu.dat"))), second);
    }

    // Only a whole copy, as it was kept, of a file that reads intact goes back without --force.
    void restoreRefusesUntrustedCopies_data() {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("why");
        QTest::newRow("damaged copy") << "damaged"
                                      << "it reads as a damaged file";
        QTest::newRow("changed since it was kept") << "changed"
                                                   << "SHA-256 does not match";
        QTest::newRow("empty copy") << "empty"
                                    << "SHA-256 does not match";
    }
    void restoreRefusesUntrustedCopies() {
        QFETCH(QString, change);
        QFETCH(QString, why);
        const QString menuFile = card() + QStringLiteral("/menu.dat");
        QByteArray old = QByteArray(60, '\x05');
        QVERIFY(writeFile(menuFile, old));
        QCOMPARE(menu(QStringLiteral("30")).exitCode, 0);
        const QByteArray written = fileBytes(menuFile);
        const QString id = newestId();
        const QString data = history() + u'/' + id + QStringLiteral(".dat");
        if (change != u"damaged") {
            old = change == u"empty" ? QByteArray() : written;
            QVERIFY(writeFile(data, old));
        }
        const QStringList restore{QStringLiteral("restore"), id};
        const auto refused = runKestrova(restore, settings());
        QCOMPARE(refused.exitCode, 3);
        QVERIFY2(refused.err.contains(why) && refused.err.contains(QStringLiteral("--force")),
                 qPrintable(refused.err));
        QCOMPARE(fileBytes(menuFile), written);
        const auto forced =
            runKestrova(restore + QStringList{QStringLiteral("--force")}, settings());
        QVERIFY2(forced.exitCode == 0, qPrintable(forced.err));
        QCOMPARE(fileBytes(menuFile), old);
    }

    // A folder's name comes from a card's label, an id from the user: neither reaches the
    // terminal raw, in the list, its JSON or a message.
    void controlCharactersAreEscaped_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("shown");
        QTest::newRow("history") << QStringList{QStringLiteral("history")}
                                 << "card\\x1b[31m\\x0a9999  forged";
        QTest::newRow("history --json")
            << QStringList{QStringLiteral("history"), QStringLiteral("--json")} << "\\u009b";
        QTest::newRow("restore of an odd id")
            << QStringList{QStringLiteral("restore"), QStringLiteral("x\x1b]0;owned\x07")}
            << "no history entry \"x\\x1b]0;owned\\x07\"";
    }
    void controlCharactersAreEscaped() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, shown);
        const QString odd = dir.filePath(QStringLiteral("card\x1b[31m\n9999  forged\u009b"));
        QVERIFY(QDir().mkpath(odd));
        QVERIFY(writeFile(odd + QStringLiteral("/menu.dat"), "old"));
        QVERIFY(
            runKestrova({QStringLiteral("factory-reset"), QStringLiteral("--out"), odd}, settings())
                .exitCode == 0);
        const auto result = runKestrova(arguments, settings());
        const QString printed = result.out + result.err;
        QVERIFY2(printed.contains(shown), qPrintable(printed));
        QVERIFY(!printed.contains(QChar(0x1b)) && !printed.contains(QChar(0x9b)) &&
                !printed.contains(QChar(0x07)));
        // The newline in the name forges no second entry.
        if (arguments == QStringList{QStringLiteral("history")})
            QCOMPARE(printed.count(u'\n'), 1);
    }

    // A copy kept from a card goes back to that card alone, unless the owner says otherwise.
    void anotherCardsCopyIsWrittenOnlyWhenTold() {
        QCOMPARE(menu(QStringLiteral("45")).exitCode, 0);
        const QByteArray bytes = fileBytes(card() + QStringLiteral("/menu.dat"));
        const QString folder = dir.filePath(QStringLiteral("plain"));
        QVERIFY(QDir().mkpath(folder));
        kestrova::FileHistory kept(history());
        const QString id =
            kept.keep(folder, QStringLiteral("menu.dat"), bytes, QDateTime::currentDateTime(),
                      false, {QStringLiteral("AAAA-0001"), QStringLiteral("CAM7")})
                .id;
        QVERIFY(!id.isEmpty());
        const auto refused = runKestrova({QStringLiteral("restore"), id}, settings());
        QCOMPARE(refused.exitCode, 2);
        QCOMPARE(refused.err.trimmed(),
                 QStringLiteral("kestrova: %1 was kept from the card CAM7 (AAAA-0001), but %2 "
                                "holds no card that can be told; give --other-card to write it "
                                "there all the same")
                     .arg(id, folder));
        QVERIFY(!QFile::exists(folder + QStringLiteral("/menu.dat")));

        const auto told =
            runKestrova({QStringLiteral("restore"), id, QStringLiteral("--other-card"),
                         QStringLiteral("--keep-clock")},
                        settings());
        QVERIFY2(told.exitCode == 0, qPrintable(told.err));
        QCOMPARE(fileBytes(folder + QStringLiteral("/menu.dat")), bytes);
        QVERIFY(listed().contains(QJsonObject{
            {QStringLiteral("id"), id},
            {QStringLiteral("time"), kept.find(id)->time.toLocalTime().toString(Qt::ISODate)},
            {QStringLiteral("folder"), QDir(folder).canonicalPath()},
            {QStringLiteral("file"), QStringLiteral("menu.dat")},
            {QStringLiteral("summary"), QStringLiteral("menu, intact")},
            {QStringLiteral("volume_uuid"), QStringLiteral("AAAA-0001")},
            {QStringLiteral("volume_label"), QStringLiteral("CAM7")}}));
    }
};

KESTROVA_TEST(HistoryCommandTest)
#include "history_command_test.moc"
