#include "camera/menu_record.h"
#include "fleet/kit.h"
#include "fleet/kit_from_card.h"
#include "support/process_runner.h"
#include "support/test_files.h"
#include "support/test_registry.h"

#include <QDir>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <QTest>

using namespace kestrova;

namespace {

QStringList arguments(const char* command, const QString& model, const QString& out,
                      const QStringList& sets) {
    QStringList all{QString::fromLatin1(command), QStringLiteral("--model"), model,
                    QStringLiteral("--out"), out};
    for (const QString& set : sets)
        all << QStringLiteral("--set") << set;
    return all;
}

} // namespace

class KitTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void madeFromOneCardWrittenToAnother_data() {
        QTest::addColumn<QString>("model");
        QTest::newRow("form B, SMTP B") << QStringLiteral("7");
        QTest::newRow("form C, SMTP A") << QStringLiteral("3");
        QTest::newRow("form A") << QStringLiteral("6");
    }

    // A card's files become a kit whose sections are inspect's reports of them; written to
    // another card, the kit gives the same files, the camera clock apart.
    void madeFromOneCardWrittenToAnother() {
        QFETCH(QString, model);
        QTemporaryDir dir;
        const QString settings = dir.filePath(QStringLiteral("settings.ini"));
        const QString from = dir.filePath(QStringLiteral("from"));
        const QString to = dir.filePath(QStringLiteral("to"));
        QDir(dir.path()).mkpath(QStringLiteral("from"));
        QDir(dir.path()).mkpath(QStringLiteral("to"));
        const auto run = [&settings](const QStringList& args) {
            const test::ProcessResult result = test::runKestrova(args, settings);
            if (result.exitCode != 0)
                qWarning().noquote() << args << result.err;
            return result;
        };
        QCOMPARE(run(arguments("menu", model, from,
                               {QStringLiteral("video_length=30"), QStringLiteral("timer2=On"),
                                QStringLiteral("serial_no=On"), QStringLiteral("serial_char4=Z")})
                     << QStringLiteral("--time") << QStringLiteral("2014-02-03T04:05:06"))
                     .exitCode,
                 0);
        QCOMPARE(run(arguments("mms", model, from,
                               {QStringLiteral("phone1=07700900123"),
                                QStringLiteral("email=me@example.com")}))
                     .exitCode,
                 0);
        QCOMPARE(
            run(arguments("smtp", model, from,
                          {QStringLiteral("server=smtp.example.com"), QStringLiteral("port=587"),
                           QStringLiteral("sender=cam@example.com"),
                           QStringLiteral("sender_password=pw"),
                           QStringLiteral("recipient=me@example.com")}))
                .exitCode,
            0);
        const QString kitFile = dir.filePath(QStringLiteral("kit.json"));
        QCOMPARE(run({QStringLiteral("kit"), from, QStringLiteral("--out"), kitFile,
                      QStringLiteral("--model"), model})
                     .exitCode,
                 0);
        const fleet::KitRead kit = fleet::readKitFile(kitFile);
        QVERIFY(!kit.problem);
        for (const fleet::KitPart part : fleet::kitParts) {
            const QString file = from + u'/' + fleet::partFileName(part);
            const auto report = run({QStringLiteral("inspect"), file, QStringLiteral("--model"),
                                     model, QStringLiteral("--json")});
            // The section is the report's settings: what the camera will do with them on this
            // card is no part of a kit.
            QJsonObject settings = QJsonDocument::fromJson(report.out.toUtf8()).object();
            settings.remove(QStringLiteral("summary"));
            settings.remove(QStringLiteral("conflicts"));
            QCOMPARE(*kit.kit.section(part), settings);
        }

        QCOMPARE(run({QStringLiteral("deploy"), kitFile, QStringLiteral("--card"), to,
                      QStringLiteral("--once"), QStringLiteral("--log"),
                      dir.filePath(QStringLiteral("log.csv"))})
                     .exitCode,
                 0);
        for (const QString& name : {QStringLiteral("setup.dat"), QStringLiteral("smtp.dat")})
            QCOMPARE(test::fileBytes(to + u'/' + name), test::fileBytes(from + u'/' + name));
        const auto menuFrom =
            camera::toMenuRecord(test::fileBytes(from + QStringLiteral("/menu.dat")));
        const auto menuTo = camera::toMenuRecord(test::fileBytes(to + QStringLiteral("/menu.dat")));
        QVERIFY(menuFrom != menuTo);
        const auto clock = camera::decodeMenuRecord(menuTo, CameraForm::A).clock;
        QCOMPARE(camera::withClock(menuFrom, clock), menuTo);
    }

    void refusesWhatNoKitHolds_data() {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("problem");
        const QByteArray head = R"({"kestrova_kit": 1, "name": "N", "model": 7, )";
        QTest::newRow("a profile")
            << QByteArray(R"({"kind": "menu"})") << QStringLiteral("is no kit");
        QTest::newRow("unknown key")
            << head + R"("menus": {}})" << QStringLiteral("holds \"menus\", which no kit has");
        QTest::newRow("no section") << QByteArray(R"({"kestrova_kit": 1, "name": "N", "model": 7})")
                                    << QStringLiteral("holds no section");
        QTest::newRow("damaged report")
            << head + R"("menu": {"kind": "menu", "intact": false}})"
            << QStringLiteral("section \"menu\" is the report of a damaged file");
        QTest::newRow("other kind") << head + R"("mms": {"kind": "smtp"}})"
                                    << QStringLiteral("section \"mms\" describes a file of kind");
        QTest::newRow("other model") << head + R"("menu": {"model": 3}})"
                                     << QStringLiteral("section \"menu\" was read as model 3");
        QTest::newRow("name twice") << head + R"("menu": {"timer": "On", "timer": "Off"}})"
                                    << QStringLiteral("names \"timer\" twice");
        QTest::newRow("no e-mail")
            << QByteArray(R"({"kestrova_kit": 1, "name": "N", "model": 1, "smtp": {}})")
            << QStringLiteral("section \"smtp\" is for e-mail, which model 1");
    }

    void refusesWhatNoKitHolds() {
        QFETCH(QByteArray, json);
        QFETCH(QString, problem);
        const fleet::KitRead read = fleet::parseKit(json);
        QVERIFY2(read.problem && read.problem->startsWith(problem),
                 qPrintable(read.problem.value_or(QString())));
    }

    // A damaged file never goes into a kit, nor one whose bytes no form writes.
    void refusesADamagedFile() {
        QTemporaryDir dir;
        QByteArray menu = camera::toByteArray(camera::buildFactoryResetRecord());
        QVERIFY(test::writeFile(dir.filePath(QStringLiteral("menu.dat")), menu));
        menu[0] = 0x01;
        QVERIFY(test::writeFile(dir.filePath(QStringLiteral("setup.dat")), menu));
        const fleet::CardKit made = fleet::kitFromFolder(dir.path(), 7, QStringLiteral("N"), {});
        QCOMPARE(made.refused,
                 (QStringList{QStringLiteral("menu.dat: the factory reset record, which holds no "
                                             "settings"),
                              QStringLiteral("setup.dat: damaged: its check value or layout is "
                                             "wrong")}));
        QVERIFY(made.empty());
    }
};

KESTROVA_TEST(KitTest)
#include "kit_test.moc"
