#include "cli/card_listing.h"
#include "support/fake_volumes.h"
#include "support/process_runner.h"
#include "support/test_files.h"
#include "support/test_registry.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

using namespace kestrova;
using namespace kestrova::test;

Q_DECLARE_METATYPE(cli::CardFile::State)

// Each detected card with what its settings files are, and inspect over a whole folder.
class CardListingTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    FixedVolumes volumes;
    QString settings() const { return dir.filePath(QStringLiteral("prefs.ini")); }
    QString folder(const char* name) const { return dir.filePath(QLatin1String(name)); }

    void write(const QStringList& arguments) {
        const auto result = runKestrova(arguments, settings());
        QVERIFY2(result.exitCode == 0, qPrintable(result.err));
    }

    ProcessResult inspect(const QString& path, const QStringList& flags = {}) const {
        return runKestrova(QStringList{QStringLiteral("inspect"), path} + flags, settings());
    }

private Q_SLOTS:
    void initTestCase() {
        for (const char* name : {"card", "reset", "broken", "damaged", "empty"})
            QVERIFY(QDir().mkpath(folder(name)));
        const QString card = folder("card");
        write({QStringLiteral("menu"), QStringLiteral("--model"), QStringLiteral("7"),
               QStringLiteral("--out"), card, QStringLiteral("--time"),
               QStringLiteral("2026-05-06T07:08:09")});
        write({QStringLiteral("mms"), QStringLiteral("--model"), QStringLiteral("1"),
               QStringLiteral("--out"), card, QStringLiteral("--set"), QStringLiteral("status=SMS"),
               QStringLiteral("--set"), QStringLiteral("phone1=13800138000")});
        write({QStringLiteral("smtp"), QStringLiteral("--model"), QStringLiteral("7"),
               QStringLiteral("--out"), card, QStringLiteral("--set"),
               QStringLiteral("server=smtp.example.com"), QStringLiteral("--set"),
               QStringLiteral("port=25"), QStringLiteral("--set"),
               QStringLiteral("sender=trailcam@example.com"), QStringLiteral("--set"),
               QStringLiteral("sender_password=mail-pw"), QStringLiteral("--set"),
               QStringLiteral("recipient=owner@example.org")});
        write({QStringLiteral("factory-reset"), QStringLiteral("--out"), folder("reset")});

        // A menu with one byte changed, and a folder where setup.dat should be.
        QByteArray menu = fileBytes(card + QStringLiteral("/menu.dat"));
        menu[5] = char(menu[5] ^ 0x01);
        QVERIFY(writeFile(folder("broken") + QStringLiteral("/menu.dat"), menu));
        QVERIFY(writeFile(folder("damaged") + QStringLiteral("/menu.dat"), menu));
        QVERIFY(QDir().mkpath(folder("broken") + QStringLiteral("/setup.dat")));

        volumes.list = {volumeAt(folder("reset"), true, card::Bus::Usb),
                        volumeAt(QStringLiteral("/"), false, card::Bus::Other),
                        volumeAt(folder("card"), false, card::Bus::Sd),
                        volumeAt(folder("broken"), true, card::Bus::Other)};
    }

    void listsEveryCardsSettingsFiles_data() {
        QTest::addColumn<int>("card");
        QTest::addColumn<int>("file");
        QTest::addColumn<cli::CardFile::State>("state");
        QTest::addColumn<QString>("said"); // what it reads as, or how its reason starts
        using State = cli::CardFile::State;
        // Cards in mount point order: broken, card, reset; the PC's own disk is left out.
        QTest::newRow("menu, damaged") << 0 << 0 << State::Damaged << "crc: stored 0x";
        QTest::newRow("setup.dat a folder") << 0 << 1 << State::Unreadable << "";
        QTest::newRow("smtp, absent") << 0 << 2 << State::Absent << "";
        QTest::newRow("menu") << 1 << 0 << State::Intact
                              << "camera menu, clock 2026-05-06 07:08:09";
        QTest::newRow("setup, SMS of models 1 and 3")
            << 1 << 1 << State::Intact << "MMS form B of models 1 and 3 (status SMS, fourth entry)";
        QTest::newRow("smtp, form B") << 1 << 2 << State::Intact << "SMTP form B (models 4 and 7)";
        QTest::newRow("factory reset") << 2 << 0 << State::Intact << "factory reset";
        QTest::newRow("no setup.dat") << 2 << 1 << State::Absent << "";
    }
    void listsEveryCardsSettingsFiles() {
        QFETCH(int, card);
        QFETCH(int, file);
        QFETCH(cli::CardFile::State, state);
        QFETCH(QString, said);
        const QList<cli::CardListing> cards = cli::listCards(volumes);
        QCOMPARE(cards.size(), 3);
        QCOMPARE(cards[0].volume.mountPoint, folder("broken"));
        const cli::CardFile& listed = cards[card].files.at(file);
        QCOMPARE(listed.name, (QStringList{QStringLiteral("menu.dat"), QStringLiteral("setup.dat"),
                                           QStringLiteral("smtp.dat")}[file]));
        QCOMPARE(listed.state, state);
        QCOMPARE(listed.readsAs, state == cli::CardFile::State::Intact ? said : QString());
        // A damaged or unreadable file comes with its reason.
        const bool withReason =
            state == cli::CardFile::State::Damaged || state == cli::CardFile::State::Unreadable;
        QCOMPARE(listed.reason.isEmpty(), !withReason);
        QVERIFY2(!withReason || listed.reason.startsWith(said), qPrintable(listed.reason));
    }

    // A card mounted at a name of other bytes than UTF-8 is listed, but never read through the
    // lookalike folder Qt's reading of its name leads to.
    void undecodableMountPointIsNamed() {
        const QString lookalike = dir.filePath(QStringLiteral("nu\uFFFD"));
        QVERIFY(QDir().mkpath(lookalike));
        QVERIFY(QFile::copy(folder("card") + QStringLiteral("/menu.dat"),
                            lookalike + QStringLiteral("/menu.dat")));
        FixedVolumes odd;
        odd.list = {volumeAt(lookalike, true, card::Bus::Sd)};
        const QList<cli::CardListing> cards = cli::listCards(odd);
        QCOMPARE(cards.size(), 1);
        for (const cli::CardFile& file : cards[0].files) {
            QCOMPARE(file.state, cli::CardFile::State::Unreadable);
            QVERIFY(file.reason.contains(QStringLiteral("not UTF-8 text")));
        }
    }

    void printsTheListing() {
        const QList<cli::CardListing> cards = cli::listCards(volumes);
        const QStringList lines = cli::listingLines(cards);
        QCOMPARE(
            lines.mid(4, 4),
            (QStringList{folder("card") + QStringLiteral("  label \"CAM\", vfat, 8.0 GiB, "
                                                         "6.0 GiB free"),
                         QStringLiteral("  menu.dat   intact: camera menu, clock 2026-05-06 "
                                        "07:08:09"),
                         QStringLiteral("  setup.dat  intact: MMS form B of models 1 and 3 "
                                        "(status SMS, fourth entry)"),
                         QStringLiteral("  smtp.dat   intact: SMTP form B (models 4 and 7)")}));
        const QJsonObject card = cli::listingJson(cards)[QStringLiteral("cards")][1].toObject();
        QCOMPARE(card[QStringLiteral("mount_point")].toString(), folder("card"));
        QCOMPARE(card[QStringLiteral("bytes_free")].toInteger(), qint64(6) << 30);
        QCOMPARE(card[QStringLiteral("files")][QStringLiteral("smtp.dat")][QStringLiteral("state")]
                     .toString(),
                 QStringLiteral("intact"));

        // A card that does not answer is listed, and none of its files read.
        FixedVolumes stopped;
        stopped.list = {volumeAt(folder("card"), true, card::Bus::Usb)};
        stopped.list[0].responding = false;
        QCOMPARE(
            cli::listingLines(cli::listCards(stopped)),
            QStringList{folder("card") + QStringLiteral("  label \"CAM\", vfat, 8.0 GiB, not "
                                                        "responding: its files are not read")});

        QCOMPARE(cli::listingLines({}), QStringList{QStringLiteral("no card found")});
        QCOMPARE(cli::listingJson({}), (QJsonObject{{QStringLiteral("cards"), QJsonArray()}}));
    }

    void cardsCommandEndsWellWithOrWithoutCards() {
        const auto text = runKestrova({QStringLiteral("cards")}, settings());
        QCOMPARE(text.exitCode, 0);
        QVERIFY(!text.out.trimmed().isEmpty());
        const auto json =
            runKestrova({QStringLiteral("cards"), QStringLiteral("--json")}, settings());
        QCOMPARE(json.exitCode, 0);
        QVERIFY2(QJsonDocument::fromJson(json.out.toUtf8())[QStringLiteral("cards")].isArray(),
                 qPrintable(json.out));
    }

    void inspectReportsEveryFileInAFolder_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("files");
        QTest::newRow("all three intact")
            << "card" << 0
            << QStringList{QStringLiteral("menu.dat"), QStringLiteral("setup.dat"),
                           QStringLiteral("smtp.dat")};
        QTest::newRow("one damaged") << "damaged" << 3 << QStringList{QStringLiteral("menu.dat")};
        // What can be read is still reported.
        QTest::newRow("one unreadable") << "broken" << 1 << QStringList{QStringLiteral("menu.dat")};
        QTest::newRow("none") << "empty" << 0 << QStringList{};
    }
    void inspectReportsEveryFileInAFolder() {
        QFETCH(QString, folder);
        QFETCH(int, exitCode);
        QFETCH(QStringList, files);
        const QString path = dir.filePath(folder);
        const auto text = inspect(path);
        QCOMPARE(text.exitCode, exitCode);
        QStringList named;
        for (const QString& line : text.out.split(u'\n')) {
            if (line.startsWith(QStringLiteral("file: ")))
                named << QDir(path).relativeFilePath(line.mid(6));
        }
        QCOMPARE(named, files);
        if (files.isEmpty())
            QCOMPARE(text.out, QStringLiteral("no settings file in %1\n").arg(path));
        if (exitCode == 1)
            QCOMPARE(text.err, QStringLiteral("kestrova: cannot read %1/setup.dat: not a regular "
                                              "file (a folder)\n")
                                   .arg(path));

        const auto json = inspect(path, {QStringLiteral("--json")});
        QCOMPARE(json.exitCode, exitCode);
        const QJsonObject object = QJsonDocument::fromJson(json.out.toUtf8()).object();
        QCOMPARE(object.keys(), files);
        for (const QString& file : files)
            QCOMPARE(object[file][QStringLiteral("intact")].toBool(), exitCode == 0);
    }
};

KESTROVA_TEST(CardListingTest)
#include "card_listing_test.moc"
