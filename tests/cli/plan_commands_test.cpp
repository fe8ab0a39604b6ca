#include "support/process_runner.h"
#include "support/test_files.h"
#include "support/test_registry.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace kestrova;
using namespace kestrova::test;

// The command's view of what the camera will do: inspect's summary, --dry-run, diff and sheet.
class PlanCommandsTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString settings() const { return dir.filePath(QStringLiteral("prefs.ini")); }
    QString folder(const QString& name) const {
        const QString path = dir.filePath(name);
        QDir().mkpath(path);
        return path;
    }
    ProcessResult run(const QStringList& arguments) const {
        return runKestrova(arguments, settings());
    }
    // A menu.dat of model 7 in the folder, with the settings given.
    void writeMenu(const QString& out, const QStringList& sets = {}) const {
        QStringList arguments{
            "menu", "--model", "7", "--out", out, "--time", "2026-05-06T07:08:09"};
        for (const QString& set : sets)
            arguments << QStringLiteral("--set") << set;
        QCOMPARE(run(arguments).exitCode, 0);
    }

private Q_SLOTS:
    // The summary and the conflicts ride along in the JSON, which stays a profile the command
    // takes back.
    void inspectJsonIsStillAProfile() {
        const QString card = folder(QStringLiteral("json"));
        writeMenu(card, {QStringLiteral("sense_level=Off")});
        const auto inspected = run(
            {"inspect", card + "/menu.dat", "--model", "7", "--json", "--triggers-per-day", "5"});
        QCOMPARE(inspected.exitCode, 0);
        const QJsonObject report = QJsonDocument::fromJson(inspected.out.toUtf8()).object();
        QCOMPARE(report["summary"]["estimated"]["pictures_per_day"].toInt(), 0);
        QCOMPARE(report["conflicts"][0]["id"].toString(), QStringLiteral("never_pictures"));
        const QString profile = dir.filePath(QStringLiteral("profile.json"));
        QVERIFY(writeFile(profile, inspected.out.toUtf8()));
        QCOMPARE(
            run({"menu", "--model", "7", "--out", folder("again"), "--profile", profile}).exitCode,
            0);
    }

    void dryRunWritesNothing() {
        const QString card = folder(QStringLiteral("dry"));
        const auto result =
            run({"mms", "--model", "7", "--out", card, "--set", "phone1=13800138000", "--set",
                 "pictures_per_day=10", "--dry-run"});
        QCOMPARE(result.exitCode, 0);
        QVERIFY(result.out.contains(QStringLiteral("phone1: \"13800138000\"")));
        QVERIFY(result.out.contains(QStringLiteral(
            "Pictures a day: at most 10; messages: at most 10 a day, 310 a month.")));
        QVERIFY(QDir(card).isEmpty());
    }

    void diff_data() {
        QTest::addColumn<QStringList>("bSettings");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");
        QTest::newRow("equal") << QStringList{} << 0 << QString();
        QTest::newRow("one difference") << QStringList{"video_length=30"} << 1
                                        << QStringLiteral("menu.dat:\n  video_length: 10 -> 30\n");
    }
    void diff() {
        QFETCH(QStringList, bSettings);
        QFETCH(int, status);
        QFETCH(QString, out);
        const QString a = folder(QStringLiteral("a-") + QTest::currentDataTag());
        const QString b = folder(QStringLiteral("b-") + QTest::currentDataTag());
        writeMenu(a);
        writeMenu(b, bSettings);
        // A folder against a file: the clock they were written at is no setting.
        const auto result = run({"diff", a, b + "/menu.dat"});
        QCOMPARE(result.exitCode, status);
        QCOMPARE(result.out, out);
    }

    void diffRefusesWhatItCannotCompare() {
        const QString damaged = dir.filePath(QStringLiteral("damaged.dat"));
        QVERIFY(writeFile(damaged, QByteArray(60, '\x01')));
        const QString card = folder(QStringLiteral("refuse"));
        writeMenu(card);
        QCOMPARE(run({"diff", card, damaged}).exitCode, 2);
        QCOMPARE(run({"diff", card, dir.filePath(QStringLiteral("missing"))}).exitCode, 2);
    }

    // A card the system mounts read-only, still holding an earlier deployment's pictures: the
    // facts come from the mounted volume itself.
    void conflictsOfARealCard() {
        if (runProgram(QStringLiteral("unshare"), {"-m", "--propagation", "private", "true"}, {})
                .exitCode != 0)
            QSKIP("this machine does not allow a private mount namespace (unshare -m)");
        const QString card = folder(QStringLiteral("card"));
        const QString script = QStringLiteral(
            "mount -t tmpfs -o size=1m card \"$CARD\" && mkdir -p \"$CARD/DCIM/100CAM\" &&\n"
            "touch \"$CARD/DCIM/100CAM/a.jpg\" \"$CARD/DCIM/100CAM/b.jpg\" &&\n"
            "\"$KESTROVA\" menu --model 7 --out \"$CARD\" >/dev/null &&\n"
            "mount -o remount,ro \"$CARD\" &&\n"
            "\"$KESTROVA\" inspect \"$CARD/menu.dat\" --model 7 --json");
        QProcessEnvironment environment;
        environment.insert(QStringLiteral("CARD"), card);
        environment.insert(QStringLiteral("KESTROVA"), QStringLiteral(KESTROVA_CLI));
        const auto result = runProgram(QStringLiteral("unshare"),
                                       {"-m", "--propagation", "private", "sh", "-c", script},
                                       settings(), environment);
        QCOMPARE(result.exitCode, 0);
        QStringList ids;
        for (const QJsonValue conflict :
             QJsonDocument::fromJson(result.out.toUtf8())["conflicts"].toArray())
            ids << conflict["id"].toString();
        // A megabyte of card holds less than a day of 12MP pictures.
        QCOMPARE(ids, (QStringList{"card_read_only", "card_short", "card_old_files"}));
    }

    // The sheet's PDF holds the settings as the form shows them, the summary and the check value.
    void sheetPdfHoldsTheValues() {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext is not installed (scripts/install-deps)");
        const QString card = folder(QStringLiteral("sheet"));
        writeMenu(card, {QStringLiteral("video_length=30")});
        const QString pdf = dir.filePath(QStringLiteral("sheet.pdf"));
        const auto written = run({"sheet", card, "--pdf", pdf, "--model", "7", "--language", "3"});
        QCOMPARE(written.exitCode, 0);
        const auto text = runProgram(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")}, {});
        QCOMPARE(text.exitCode, 0);
        // A sentence may wrap in its column.
        const QString words = text.out.simplified();
        const QString inspected = run({"inspect", card + "/menu.dat"}).out;
        const QString crc = inspected.section(QStringLiteral("crc: stored "), 1).left(6);
        for (const QString& expected :
             {QStringLiteral("Einstellungsblatt: menu.dat"), QStringLiteral("Video-laenge"),
              QStringLiteral("30 s"), QStringLiteral("Kes SigmaMG (7)"), crc,
              QStringLiteral("Bei Bewegung: 1 Foto mit 12MP.")})
            QVERIFY2(words.contains(expected), qPrintable(expected + u'\n' + text.out));
    }
};

KESTROVA_TEST(PlanCommandsTest)
#include "plan_commands_test.moc"
