#include "support/process_runner.h"
#include "support/test_files.h"
#include "support/test_registry.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QTemporaryDir>
#include <QTest>

using namespace kestrova;

namespace {

// The bytes every file of every model is expected to hold, one line a case: its tag, then hex.
// A change that means to change them rewrites the file with KESTROVA_WRITE_EXPECTED=1 and shows
// the difference in review.
const QString expectedFile = QStringLiteral(KESTROVA_TEST_DATA "/expected/settings-files.txt");

QMap<QString, QByteArray> readExpected() {
    QMap<QString, QByteArray> expected;
    QFile file(expectedFile);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return expected;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine().trimmed();
        const qsizetype blank = line.indexOf(' ');
        if (blank > 0 && !line.startsWith('#'))
            expected.insert(QString::fromUtf8(line.left(blank)), line.mid(blank + 1));
    }
    return expected;
}

bool rewriting() {
    return qEnvironmentVariableIsSet("KESTROVA_WRITE_EXPECTED");
}

QStringList sets(const QStringList& assignments) {
    QStringList arguments;
    for (const QString& assignment : assignments)
        arguments << QStringLiteral("--set") << assignment;
    return arguments;
}

bool hasSmtp(int model) {
    return model >= 3;
}

// A menu with every setting away from where the form opens, as far as the model has it.
QStringList richMenu(int model) {
    QStringList menu{"camera_mode=Camera+Video",
                     "image_size=5MP",
                     "video_size=1",
                     "picture_no=2",
                     "video_length=45",
                     "time_stamp=1",
                     "interval_value=30",
                     "interval_unit=Sec",
                     "sense_level=1",
                     "timer=On",
                     "timer_start_hour=18",
                     "timer_start_minute=5",
                     "timer_stop_hour=6",
                     "timer_stop_minute=40",
                     "time_lapse=0",
                     "time_lapse_hour=1",
                     "time_lapse_minute=2",
                     "time_lapse_second=3",
                     "serial_no=1",
                     "serial_char1=K",
                     "serial_char2=7",
                     "serial_char4=Z",
                     "timer2=On",
                     "timer2_start_hour=11",
                     "timer2_start_minute=15",
                     "timer2_stop_hour=13",
                     "timer2_stop_minute=45"};
    if (model != 6)
        menu << "side_pir=0";
    if (model == 2 || model == 4 || model == 7)
        menu << "beep_sound=0"
             << "sd_cycle=1";
    return menu;
}

QStringList manualMms(int model) {
    return {"mode=manual",
            "url=http://mms.example/m",
            "apn=mms.example",
            "gateway=10.0.0.1",
            "port=8080",
            "account=kes",
            "password=pw",
            model == 1 || model == 3 ? "status=QVGA" : "status=SMS",
            "pictures_per_day=7",
            "remote_hours=6",
            "international=1",
            "phone1=+447700900123",
            "email=me@example.com",
            "phone2=07700900124",
            model == 1 || model == 3 ? "phone3=cam@example.net" : "phone3=07700900125"};
}

QStringList presetMms() {
    return {"country=United Kingdom", "operator=Vodafone", "phone1=07700900123",
            "pictures_per_day=12"};
}

QStringList manualSmtp(int model) {
    QStringList smtp{"mode=Manual",
                     "apn=internet",
                     "account=user",
                     "gprs_password=gp",
                     "server=mail.example.net",
                     "port=587",
                     "sender=cam@example.net",
                     "sender_password=secret",
                     "recipient=me@example.com",
                     "pictures_per_day=3",
                     "remote_hours=22",
                     "phone=07700900123"};
    if (model == 4 || model == 7)
        smtp << "status=SMS";
    return smtp;
}

QStringList presetSmtp() {
    return {"country=United Kingdom",   "operator=O2",        "server=smtp.example.com", "port=25",
            "sender=trail@example.com", "sender_password=pw", "recipient=me@example.com"};
}

} // namespace

// Every settings file of every model, written by the command from fixed settings, holds the bytes
// it held before: a change of structure writes no byte differently. The command and the forms
// write alike (the agreement tests), so this covers the forms too.
class WrittenBytesTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QMap<QString, QByteArray> expected = readExpected();
    QMap<QString, QByteArray> written;

    void addCase(const QString& tag, const QString& command, int model, int language,
                 const QStringList& settings, const QStringList& extra = {}) {
        QStringList arguments{command, QStringLiteral("--model"), QString::number(model),
                              QStringLiteral("--language"), QString::number(language)};
        if (command != QLatin1String("smtp"))
            arguments << QStringLiteral("--tv-mode") << QString::number(model * 0x101);
        if (command == QLatin1String("menu"))
            arguments << QStringLiteral("--time") << QStringLiteral("2026-03-29T02:30:00");
        QTest::newRow(qPrintable(tag)) << (arguments + extra + sets(settings));
    }

private Q_SLOTS:
    void sameBytes_data() {
        QTest::addColumn<QStringList>("arguments");
        for (int model = 1; model <= 7; ++model) {
            // Each model in a language of its own, so all of them take part.
            const int language = (model - 1) * 3 % 11 + 1;
            const QString m = QString::number(model);
            addCase("menu-opening-" + m, "menu", model, language, {});
            addCase("menu-rich-" + m, "menu", model, language, richMenu(model));
            addCase("mms-manual-" + m, "mms", model, language, manualMms(model));
            addCase("mms-preset-" + m, "mms", model, 12 - language, presetMms());
            if (hasSmtp(model)) {
                addCase("smtp-manual-" + m, "smtp", model, language, manualSmtp(model));
                addCase("smtp-preset-" + m, "smtp", model, 12 - language, presetSmtp());
            }
        }
        // The language byte of every language, and Chinese asked for on another system.
        for (int language = 1; language <= 11; ++language) {
            const QString l = QString::number(language);
            addCase("menu-language-" + l, "menu", 7, language, richMenu(7));
            addCase("mms-language-" + l, "mms", 3, language, presetMms());
            addCase("smtp-language-" + l, "smtp", 5, language, presetSmtp());
        }
        addCase("menu-chinese-requested", "menu", 5, 2, richMenu(5), {"--chinese-requested"});
        addCase("mms-chinese-requested", "mms", 5, 2, presetMms(), {"--chinese-requested"});
        addCase("smtp-chinese-requested", "smtp", 5, 2, presetSmtp(), {"--chinese-requested"});
    }
    void sameBytes() {
        QFETCH(QStringList, arguments);
        const QString tag = QString::fromLatin1(QTest::currentDataTag());
        const QString out = dir.filePath(tag);
        QVERIFY(QDir().mkpath(out));
        const auto result = test::runKestrova(arguments + QStringList{QStringLiteral("--out"), out},
                                              dir.filePath(QStringLiteral("prefs.ini")));
        QVERIFY2(result.exitCode == 0, qPrintable(result.err));
        const QStringList files = QDir(out).entryList(QDir::Files);
        QCOMPARE(files.size(), 1);
        const QByteArray bytes = test::fileBytes(QDir(out).filePath(files.first())).toHex();
        written.insert(tag, bytes);
        if (!rewriting())
            QCOMPARE(bytes, expected.value(tag));
    }
    void cleanupTestCase() {
        if (!rewriting())
            return;
        QFile file(expectedFile);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text));
        file.write("# tag, then the file's bytes in hex: written by WrittenBytesTest\n");
        for (auto it = written.cbegin(); it != written.cend(); ++it)
            file.write(it.key().toUtf8() + ' ' + it.value() + '\n');
    }
};

KESTROVA_TEST(WrittenBytesTest)
#include "written_bytes_test.moc"
