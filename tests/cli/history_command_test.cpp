#include "format/file_history.h"
#include "support/process_runner.h"
#include "support/test_files.h"
#include "support/test_registry.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

using namespace kestrova::test;

// What a write replaced can be listed and brought back, byte for byte.
class HistoryCommandTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString settings() const { return dir.filePath(QStringLiteral("prefs.ini")); }
    QString card() const { return dir.filePath(QStringLiteral("card")); }

    ProcessResult menu(const QString& videoLength) {
        return runKestrova({QStringLiteral("menu"), QStringLiteral("--model"), QStringLiteral("7"),
                            QStringLiteral("--out"), card(), QStringLiteral("--time"),
                            QStringLiteral("2026-05-06T07:08:09"), QStringLiteral("--set"),
                            QStringLiteral("video_length=") + videoLength},
                           settings());
    }

    QJsonArray history() {
        const auto listed =
            runKestrova({QStringLiteral("history"), QStringLiteral("--json")}, settings());
        return QJsonDocument::fromJson(listed.out.toUtf8()).array();
    }

private Q_SLOTS:
    void listsAndRestoresWhatAWriteReplaced() {
        QVERIFY(QDir().mkpath(card()));
        const QString menuFile = card() + QStringLiteral("/menu.dat");
        QCOMPARE(menu(QStringLiteral("45")).exitCode, 0);
        const QByteArray first = fileBytes(menuFile);
        QVERIFY(history().isEmpty());
        QCOMPARE(menu(QStringLiteral("30")).exitCode, 0);
        const QByteArray second = fileBytes(menuFile);

        const QJsonArray entries = history();
        QCOMPARE(entries.size(), 1);
        const QJsonObject entry = entries[0].toObject();
        QCOMPARE(entry[QStringLiteral("file")].toString(), QStringLiteral("menu.dat"));
        QCOMPARE(entry[QStringLiteral("folder")].toString(), QDir(card()).canonicalPath());
        QCOMPARE(entry[QStringLiteral("summary")].toString(), QStringLiteral("menu, intact"));
        const QString id = entry[QStringLiteral("id")].toString();
        const auto text = runKestrova({QStringLiteral("history")}, settings());
        QVERIFY2(text.out.startsWith(id + QStringLiteral("  ")), qPrintable(text.out));

        const auto restored = runKestrova({QStringLiteral("restore"), id}, settings());
        QCOMPARE(restored.exitCode, 0);
        QCOMPARE(restored.out.trimmed(), menuFile);
        QCOMPARE(fileBytes(menuFile), first);
        // What the restore replaced is kept as well, newest first.
        const QJsonArray after = history();
        QCOMPARE(after.size(), 2);
        const QString newest = after[0].toObject()[QStringLiteral("id")].toString();
        QCOMPARE(
            runKestrova({QStringLiteral("restore"), newest, QStringLiteral("--out"), dir.path()},
                        settings())
                .exitCode,
            0);
        QCOMPARE(fileBytes(dir.filePath(QStringLiteral("menu.dat"))), second);
    }

    // A copy kept from a card goes back to that card alone, unless the owner says otherwise.
    void anotherCardsCopyIsWrittenOnlyWhenTold() {
        const QString folder = dir.filePath(QStringLiteral("plain"));
        QVERIFY(QDir().mkpath(folder));
        kestrova::FileHistory kept(dir.filePath(QStringLiteral("data/kestrova/history")));
        const QByteArray bytes(60, '\x07');
        const auto id =
            kept.keep(folder, QStringLiteral("menu.dat"), bytes, QDateTime::currentDateTime(),
                      {QStringLiteral("AAAA-0001"), QStringLiteral("CAM7")});
        QVERIFY(id);
        const auto refused = runKestrova({QStringLiteral("restore"), *id}, settings());
        QCOMPARE(refused.exitCode, 2);
        QCOMPARE(refused.err.trimmed(),
                 QStringLiteral("kestrova: %1 was kept from the card CAM7 (AAAA-0001), but %2 "
                                "holds no card that can be told; give --other-card to write it "
                                "there all the same")
                     .arg(*id, folder));
        QVERIFY(!QFile::exists(folder + QStringLiteral("/menu.dat")));

        const auto told = runKestrova(
            {QStringLiteral("restore"), *id, QStringLiteral("--other-card")}, settings());
        QVERIFY2(told.exitCode == 0, qPrintable(told.err));
        QCOMPARE(fileBytes(folder + QStringLiteral("/menu.dat")), bytes);
        QVERIFY(history().contains(QJsonObject{
            {QStringLiteral("id"), *id},
            {QStringLiteral("time"), kept.find(*id)->time.toLocalTime().toString(Qt::ISODate)},
            {QStringLiteral("folder"), QDir(folder).canonicalPath()},
            {QStringLiteral("file"), QStringLiteral("menu.dat")},
            {QStringLiteral("summary"), QStringLiteral("menu, damaged")},
            {QStringLiteral("volume_uuid"), QStringLiteral("AAAA-0001")},
            {QStringLiteral("volume_label"), QStringLiteral("CAM7")}}));
    }

    void unknownEntryIsBadInput() {
        const auto result =
            runKestrova({QStringLiteral("restore"), QStringLiteral("no-such-entry")}, settings());
        QCOMPARE(result.exitCode, 2);
        QCOMPARE(result.err.trimmed(),
                 QStringLiteral("kestrova: no history entry \"no-such-entry\"; kestrova history "
                                "lists them"));
    }
};

KESTROVA_TEST(HistoryCommandTest)
#include "history_command_test.moc"
