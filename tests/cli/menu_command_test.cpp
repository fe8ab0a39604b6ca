#include "i18n/language.h"
#include "support/process_runner.h"
#include "support/test_files.h"
#include "support/test_registry.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace kestrova::test;

namespace {

const QString fixedTime = QStringLiteral("2012-05-06T07:08:09");

// Form C at its opening values for Kes LambdaM, English, TV mode 0, 2012-05-06 07:08:09.
QByteArray lambdaDefaults() {
    return QByteArray::fromHex("00000000090001000001010000000205060708090000000000000000"
                               "0002") +
           QByteArray(26, '\0') + QByteArray::fromHex("EE100D0A");
}

} // namespace

class MenuCommandTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString settings() const { return dir.filePath(QStringLiteral("prefs.ini")); }
    QString card() const { return dir.filePath(QStringLiteral("card")); }
    QString menuFile() const { return card() + QDir::separator() + QStringLiteral("menu.dat"); }

private Q_SLOTS:
    void init() {
        QDir(card()).removeRecursively();
        QFile::remove(settings());
        QVERIFY(QDir().mkpath(card()));
    }

    void writesTheOpeningValues() {
        const auto result =
            runKestrova({QStringLiteral("menu"), QStringLiteral("--model"), QStringLiteral("1"),
                         QStringLiteral("--time"), fixedTime, QStringLiteral("--out"), card()},
                        settings());
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(result.out.trimmed(), menuFile());
        QCOMPARE(fileBytes(menuFile()).toHex(' '), lambdaDefaults().toHex(' '));
        // The command reads the preferences but does not create them.
        QVERIFY(!QFile::exists(settings()));
    }

    void settingsReachTheRecord_data() {
        QTest::addColumn<QString>("model");
        QTest::addColumn<QStringList>("sets");
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("byte");
        QTest::newRow("camera mode by text")
            << "6" << QStringList{"camera_mode=Camera+Video"} << 0 << 2;
        QTest::newRow("image size by text, model 1")
            << "1" << QStringList{"image_size=12MP"} << 1 << 1;
        QTest::newRow("image size by text, model 6")
            << "6" << QStringList{"image_size=12MP"} << 1 << 0;
        QTest::newRow("video length") << "7" << QStringList{"video_length=30"} << 4 << 29;
        QTest::newRow("interval in seconds")
            << "7" << QStringList{"interval_unit=Sec", "interval_value=30"} << 6 << 0x9E;
        QTest::newRow("interval unit by position")
            << "7" << QStringList{"interval_value=0", "interval_unit=0"} << 6 << 0x80;
        QTest::newRow("0 minutes becomes 1, as the form corrects it")
            << "7" << QStringList{"interval_value=0"} << 6 << 1;
        QTest::newRow("later --set wins")
            << "5" << QStringList{"video_length=5", "video_length=6"} << 4 << 5;
        QTest::newRow("serial character Z") << "3" << QStringList{"serial_char4=Z"} << 28 << 35;
        QTest::newRow("serial character by position")
            << "3" << QStringList{"serial_char1=10"} << 25 << 10;
        QTest::newRow("form B beep") << "4" << QStringList{"beep_sound=Off"} << 31 << 0;
        QTest::newRow("form B timer2 hour")
            << "2" << QStringList{"timer2_stop_hour=23"} << 36 << 23;
        QTest::newRow("form A timer2 hour")
            << "6" << QStringList{"timer2_stop_hour=23"} << 34 << 23;
        QTest::newRow("case does not matter") << "7" << QStringList{"sense_level=high"} << 7 << 1;
    }
    void settingsReachTheRecord() {
        QFETCH(QString, model);
        QFETCH(QStringList, sets);
        QFETCH(int, offset);
        QFETCH(int, byte);
        QStringList arguments{QStringLiteral("menu"),
                              QStringLiteral("--model"),
                              model,
                              QStringLiteral("--time"),
                              fixedTime,
                              QStringLiteral("--out"),
                              card()};
        for (const QString& set : sets)
            arguments << QStringLiteral("--set") << set;
        const auto result = runKestrova(arguments, settings());
        QVERIFY2(result.exitCode == 0, qPrintable(result.err));
        const QByteArray bytes = fileBytes(menuFile());
        QCOMPARE(bytes.size(), 60);
        QCOMPARE(int(quint8(bytes[offset])), byte);
    }

    void badInput_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("no model") << QStringList{"menu"} << "--model is required";
        QTest::newRow("model 8") << QStringList{"menu", "--model", "8"}
                                 << "--model: expected a whole number from 1 to 7, got \"8\"";
        QTest::newRow("video length above range")
            << QStringList{"menu", "--model", "1", "--set", "video_length=75"}
            << "video_length: Please enter an integer between 1 and 60! (got \"75\")";
        QTest::newRow("hour above range")
            << QStringList{"menu", "--model", "1", "--set", "timer2_start_hour=24"}
            << "timer2_start_hour: Please enter an integer between 0 and 23!";
        QTest::newRow("not a number")
            << QStringList{"menu", "--model", "1", "--set", "video_length=ten"}
            << "video_length: Please enter an integer.";
        QTest::newRow("unknown list entry")
            << QStringList{"menu", "--model", "7", "--set", "image_size=1.3MP"}
            << "image_size: \"1.3MP\" is not allowed; use a position 0..2 or one of: 12MP, 5MP, "
               "2MP";
        QTest::newRow("list position out of range")
            << QStringList{"menu", "--model", "1", "--set", "video_size=2"}
            << "video_size: \"2\" is not allowed; use a position 0..1 or one of: 640x480, 320x240";
        QTest::newRow("third camera mode only where the model has it")
            << QStringList{"menu", "--model", "2", "--set", "camera_mode=3"}
            << "camera_mode: \"3\" is not allowed; use a position 0..2";
        QTest::newRow("setting of another form")
            << QStringList{"menu", "--model", "6", "--set", "side_pir=On"}
            << "side_pir: model 6 (Kes OmegaMG) has no such setting";
        QTest::newRow("unknown name") << QStringList{"menu", "--model", "1", "--set", "colour=red"}
                                      << "unknown setting \"colour\" (did you mean \"timer\"?); "
                                         "the settings are: camera_mode";
        QTest::newRow("missing equals") << QStringList{"menu", "--model", "1", "--set", "timer"}
                                        << "--set expects NAME=VALUE, got \"timer\"";
        QTest::newRow("bad time") << QStringList{"menu", "--model", "1", "--time",
                                                 "2012-13-01T00:00:00"}
                                  << "--time: expected YYYY-MM-DDTHH:MM:SS";
        QTest::newRow("30 February")
            << QStringList{"menu", "--model", "1", "--time", "2012-02-30T00:00:00"}
            << "--time: expected YYYY-MM-DDTHH:MM:SS";
        // The record keeps the year as 0..21 from 2010: no other year is written as another.
        QTest::newRow("clock before 2010")
            << QStringList{"menu", "--model", "1", "--time", "1999-06-15T12:00:00"}
            << "--time: the camera clock holds 2010-01-01T00:00:00 to 2031-12-31T23:59:59, not "
               "\"1999-06-15T12:00:00\"";
        QTest::newRow("clock after 2031")
            << QStringList{"menu", "--model", "1", "--time", "2032-01-01T00:00:00"}
            << "--time: the camera clock holds 2010-01-01T00:00:00 to 2031-12-31T23:59:59";
        QTest::newRow("unknown flag")
            << QStringList{"menu", "--model", "1", "--colour"} << "Unknown option 'colour'";
        QTest::newRow("unknown command") << QStringList{"paint"} << "unknown command \"paint\"";
        const int past = kestrova::i18n::languageCount + 1;
        QTest::newRow("language past the table")
            << QStringList{"menu", "--model", "1", "--language", QString::number(past)}
            << QStringLiteral("--language: expected a whole number from 1 to %1").arg(past - 1);
    }
    void badInput() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        const auto result = runKestrova(arguments << QStringLiteral("--out") << card(), settings());
        QCOMPARE(result.exitCode, 2);
        QVERIFY2(result.err.startsWith(QStringLiteral("kestrova: ")), qPrintable(result.err));
        QVERIFY2(result.err.contains(message), qPrintable(result.err));
        QVERIFY(!QFile::exists(menuFile()));
    }

    void chineseRangeMessage() {
        const auto result =
            runKestrova({QStringLiteral("menu"), QStringLiteral("--model"), QStringLiteral("1"),
                         QStringLiteral("--language"), QStringLiteral("1"), QStringLiteral("--set"),
                         QStringLiteral("video_length=0")},
                        settings(), chineseSystem());
        QCOMPARE(result.exitCode, 2);
        QVERIFY2(result.err.contains(QStringLiteral("请输入一个介于1和60之间的值!")),
                 qPrintable(result.err));
    }

    void preferencesGiveLanguageAndTvMode_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("tvMode");
        QTest::addColumn<QStringList>("flags");
        QTest::addColumn<int>("languageByte");
        QTest::addColumn<int>("tvModeByte");
        QTest::newRow("stored Chinese on a non-Chinese system") << "1"
                                                                << "0" << QStringList{} << 1 << 0;
        QTest::newRow("stored Japanese, TV mode 1") << "10"
                                                    << "1" << QStringList{} << 10 << 1;
        QTest::newRow("stored TV mode, low byte") << "2"
                                                  << "258" << QStringList{} << 2 << 2;
        QTest::newRow("flag overrides the store")
            << "10"
            << "1" << QStringList{"--language", "3", "--tv-mode", "0"} << 3 << 0;
        QTest::newRow("Chinese requested") << "4"
                                           << "0" << QStringList{"--chinese-requested"} << 1 << 0;
        QTest::newRow("stored language out of range") << "15"
                                                      << "0" << QStringList{} << 2 << 0;
        // Each language writes the byte the camera knows it by, whatever its own number.
        for (const kestrova::i18n::LanguageRow& row : kestrova::i18n::languageTable) {
            QTest::addRow("stored %d", row.number)
                << QString::number(row.number) << "0" << QStringList{} << row.cameraByte << 0;
            QTest::addRow("--language %d", row.number)
                << "2"
                << "0" << QStringList{"--language", QString::number(row.number)} << row.cameraByte
                << 0;
        }
    }
    void preferencesGiveLanguageAndTvMode() {
        QFETCH(QString, language);
        QFETCH(QString, tvMode);
        QFETCH(QStringList, flags);
        QFETCH(int, languageByte);
        QFETCH(int, tvModeByte);
        {
            QSettings ini(settings(), QSettings::IniFormat);
            ini.setValue(QStringLiteral("language"), language);
            ini.setValue(QStringLiteral("TvMode"), tvMode);
        }
        const auto result =
            runKestrova(QStringList{QStringLiteral("menu"), QStringLiteral("--model"),
                                    QStringLiteral("3"), QStringLiteral("--out"), card()} +
                            flags,
                        settings());
        QVERIFY2(result.exitCode == 0, qPrintable(result.err));
        const QByteArray bytes = fileBytes(menuFile());
        QCOMPARE(int(quint8(bytes[29])), languageByte);
        QCOMPARE(int(quint8(bytes[30])), tvModeByte);
    }

    void profileCopiesACard() {
        const QStringList first{QStringLiteral("menu"),
                                QStringLiteral("--model"),
                                QStringLiteral("7"),
                                QStringLiteral("--time"),
                                fixedTime,
                                QStringLiteral("--out"),
                                card(),
                                QStringLiteral("--set"),
                                QStringLiteral("camera_mode=2"),
                                QStringLiteral("--set"),
                                QStringLiteral("video_size=1440x1080"),
                                QStringLiteral("--set"),
                                QStringLiteral("interval_unit=Sec"),
                                QStringLiteral("--set"),
                                QStringLiteral("interval_value=45"),
                                QStringLiteral("--set"),
                                QStringLiteral("sd_cycle=On"),
                                QStringLiteral("--set"),
                                QStringLiteral("timer2=On"),
                                QStringLiteral("--set"),
                                QStringLiteral("timer2_start_minute=17"),
                                QStringLiteral("--set"),
                                QStringLiteral("serial_no=On"),
                                QStringLiteral("--set"),
                                QStringLiteral("serial_char2=K")};
        QCOMPARE(runKestrova(first, settings()).exitCode, 0);
        const QByteArray original = fileBytes(menuFile());

        const auto inspected =
            runKestrova({QStringLiteral("inspect"), menuFile(), QStringLiteral("--model"),
                         QStringLiteral("7"), QStringLiteral("--json")},
                        settings());
        QCOMPARE(inspected.exitCode, 0);
        const QString profile = dir.filePath(QStringLiteral("profile.json"));
        QVERIFY(writeFile(profile, inspected.out.toUtf8()));

        const QString other = dir.filePath(QStringLiteral("other"));
        QVERIFY(QDir().mkpath(other));
        const auto copied =
            runKestrova({QStringLiteral("menu"), QStringLiteral("--model"), QStringLiteral("7"),
                         QStringLiteral("--time"), fixedTime, QStringLiteral("--out"), other,
                         QStringLiteral("--profile"), profile},
                        settings());
        QVERIFY2(copied.exitCode == 0, qPrintable(copied.err));
        QCOMPARE(fileBytes(other + QStringLiteral("/menu.dat")), original);
    }

    void badProfiles_data() {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("message");
        QTest::newRow("not JSON") << QByteArray("{\"video_length\": ") << "is not valid JSON";
        QTest::newRow("an array") << QByteArray("[1, 2]") << "must hold one JSON object";
        QTest::newRow("boolean value")
            << QByteArray("{\"timer\": true}") << "timer: expected a number or a text, got true";
        QTest::newRow("fraction") << QByteArray("{\"video_length\": 2.5}")
                                  << "video_length: Please enter an integer.";
        QTest::newRow("out of range")
            << QByteArray("{\"video_length\": 61}") << "Please enter an integer between 1 and 60!";
        QTest::newRow("other form's setting") << QByteArray("{\"beep_sound\": \"On\"}")
                                              << "model 1 (Kes LambdaM) has no such setting";
        QTest::newRow("misspelt name")
            << QByteArray("{\"video_lenght\": 30}")
            << "holds the unknown setting \"video_lenght\"; did you mean \"video_length\"?";
        QTest::newRow("a damaged file's report")
            << QByteArray("{\"kind\": \"menu\", \"crc_ok\": false, \"intact\": false, "
                          "\"video_length\": 30}")
            << "is the report of a damaged file";
        QTest::newRow("the factory reset record")
            << QByteArray("{\"kind\": \"factory-reset\", \"crc_ok\": true, \"intact\": true}")
            << "write it with \"kestrova factory-reset\"";
        QTest::newRow("a setting named twice")
            << QByteArray("{\"video_length\": 30, \"timer\": 1, \"video_length\": 5}")
            << "names \"video_length\" twice";
        QTest::newRow("intact as a text")
            << QByteArray("{\"kind\": \"menu\", \"intact\": \"false\", \"video_length\": 30}")
            << "is the report of a damaged file (\"intact\": \"false\")";
        QTest::newRow("intact as 0") << QByteArray("{\"kind\": \"menu\", \"intact\": 0}")
                                     << "is the report of a damaged file (\"intact\": 0)";
        QTest::newRow("check value wrong")
            << QByteArray("{\"kind\": \"menu\", \"crc_ok\": false, \"video_length\": 30}")
            << "is the report of a damaged file (\"crc_ok\": false)";
        QTest::newRow("values out of range")
            << QByteArray("{\"kind\": \"menu\", \"out_of_range\": [\"clock\"]}")
            << "is the report of a damaged file (\"out_of_range\": [\"clock\"])";
        QTest::newRow("another kind of file")
            << QByteArray("{\"kind\": \"smtp\", \"intact\": true}")
            << "describes a file of kind \"smtp\"; this command writes menu";
    }
    void badProfiles() {
        QFETCH(QByteArray, json);
        QFETCH(QString, message);
        const QString profile = dir.filePath(QStringLiteral("bad.json"));
        QVERIFY(writeFile(profile, json));
        const auto result =
            runKestrova({QStringLiteral("menu"), QStringLiteral("--model"), QStringLiteral("1"),
                         QStringLiteral("--out"), card(), QStringLiteral("--profile"), profile},
                        settings());
        QCOMPARE(result.exitCode, 2);
        QVERIFY2(result.err.contains(message), qPrintable(result.err));
        QVERIFY(!QFile::exists(menuFile()));
    }

    // Qt reads arguments as UTF-8: "nu\xff" would be the folder "nu\uFFFD" beside it.
    void folderNameOfOtherBytesIsRefused() {
        const QString lookalike = dir.filePath(QStringLiteral("nu\uFFFD"));
        QVERIFY(QDir().mkpath(lookalike));
        QProcessEnvironment environment;
        environment.insert(QStringLiteral("K"), QStringLiteral(KESTROVA_CLI));
        environment.insert(QStringLiteral("D"), dir.path());
        const auto result = runProgram(
            QStringLiteral("sh"),
            {QStringLiteral("-c"),
             QStringLiteral("\"$K\" menu --model 1 --out \"$(printf '%s/nu\\377' \"$D\")\"")},
            settings(), environment);
        QCOMPARE(result.exitCode, 2);
        QVERIFY2(result.err.contains(QStringLiteral("argument 5 (\"") + dir.path() +
                                     QStringLiteral("/nu\uFFFD\") is not UTF-8 text")),
                 qPrintable(result.err));
        QVERIFY(QDir(lookalike).isEmpty());
    }

    // QSettings would wait forever on a FIFO and read a huge file whole: such a preferences
    // file is left alone, and the defaults serve.
    void oddPreferencesFilesAreLeftAlone_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("note");
        QTest::newRow("a FIFO") << "fifo"
                                << "(not used: not a regular file (a FIFO))";
        QTest::newRow("2 GiB")
            << "huge"
            << "(not used: 2147483648 bytes, more than a preferences file holds)";
    }
    void oddPreferencesFilesAreLeftAlone() {
        QFETCH(QString, kind);
        QFETCH(QString, note);
        const QString ini = dir.filePath(QStringLiteral("odd-") + kind + QStringLiteral(".ini"));
        if (kind == u"fifo") {
            QCOMPARE(::mkfifo(QFile::encodeName(ini).constData(), 0600), 0);
        } else {
            QFile file(ini);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(qint64(2) << 30));
        }
        for (const QStringList& command :
             {QStringList{QStringLiteral("menu"), QStringLiteral("--model"), QStringLiteral("1")},
              QStringList{QStringLiteral("factory-reset")}}) {
            const auto result =
                runKestrova(command + QStringList{QStringLiteral("--out"), card()}, ini);
            QVERIFY2(result.exitCode == 0, qPrintable(result.err));
        }
        const auto shown = runKestrova({QStringLiteral("preferences")}, ini);
        QVERIFY2(shown.out.contains(note), qPrintable(shown.out));
        QCOMPARE(QFileInfo(ini).size(), kind == u"fifo" ? 0 : qint64(2) << 30);
    }

    void profileFieldsThatAreNotSettingsAreIgnored() {
        const QString profile = dir.filePath(QStringLiteral("extra.json"));
        writeFile(profile, "{\"kind\": \"menu\", \"crc_ok\": true, \"clock\": \"x\", "
                           "\"video_length\": 60}");
        const auto result =
            runKestrova({QStringLiteral("menu"), QStringLiteral("--model"), QStringLiteral("1"),
                         QStringLiteral("--out"), card(), QStringLiteral("--profile"), profile},
                        settings());
        QVERIFY2(result.exitCode == 0, qPrintable(result.err));
        QCOMPARE(int(quint8(fileBytes(menuFile())[4])), 59);
    }

    void factoryReset() {
        QVERIFY(writeFile(menuFile(), QByteArray(100, 'x')));
        const auto result = runKestrova(
            {QStringLiteral("factory-reset"), QStringLiteral("--out"), card()}, settings());
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(fileBytes(menuFile()),
                 QByteArray(4, '\xFF') + QByteArray(52, '\0') + QByteArray("\x90\x88\r\n", 4));
    }

    void inspect_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("flags");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("menu record, model known")
            << lambdaDefaults() << QStringList{"--model", "1"} << 0
            << QStringList{"kind: menu",
                           "crc: stored 0x10EE, computed 0x10EE (ok)",
                           "model: 1 (Kes LambdaM), camera form C",
                           "image_size: 5MP",
                           "video_size: 640x480",
                           "video_length: 10 s",
                           "interval: 1 min",
                           "side_pir: On",
                           "timer2: Off",
                           "clock: 2012-05-06 07:08:09",
                           "menu_language: 2 (English)",
                           "tv_mode: 0"};
        QTest::newRow("menu record, model unknown")
            << lambdaDefaults() << QStringList{} << 0
            << QStringList{"image_size: position 0 (give --model for its text)",
                           "bytes 31-37: 00 00 00 00 00 00 00"};
        QTest::newRow("factory reset")
            << (QByteArray(4, '\xFF') + QByteArray(52, '\0') + QByteArray("\x90\x88\r\n", 4))
            << QStringList{} << 0 << QStringList{"kind: factory-reset"};
        QByteArray flipped = lambdaDefaults();
        flipped[4] = 29;
        QTest::newRow("damaged body")
            << flipped << QStringList{} << 3 << QStringList{"(DAMAGED)", "video_length: 30 s"};
        QTest::newRow("short file")
            << lambdaDefaults().left(59) << QStringList{} << 3
            << QStringList{"kind: damaged", "not a settings file: 59 bytes"};
    }
    void inspect() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, flags);
        QFETCH(int, exitCode);
        QFETCH(QStringList, lines);
        QVERIFY(writeFile(menuFile(), bytes));
        const auto result =
            runKestrova(QStringList{QStringLiteral("inspect"), menuFile()} + flags, settings());
        QCOMPARE(result.exitCode, exitCode);
        for (const QString& line : lines)
            QVERIFY2(result.out.contains(line), qPrintable(line + u'\n' + result.out));
    }

    void timeIsTakenAsWritten() {
        // 02:30 does not exist on that day in Berlin; the camera clock knows no time zones.
        QProcessEnvironment berlin;
        berlin.insert(QStringLiteral("TZ"), QStringLiteral("Europe/Berlin"));
        const auto result =
            runKestrova({QStringLiteral("menu"), QStringLiteral("--model"), QStringLiteral("1"),
                         QStringLiteral("--out"), card(), QStringLiteral("--time"),
                         QStringLiteral("2024-03-31T02:30:00")},
                        settings(), berlin);
        QVERIFY2(result.exitCode == 0, qPrintable(result.err));
        QCOMPARE(fileBytes(menuFile()).mid(14, 6).toHex(' '), QByteArray("0e 03 1f 02 1e 00"));
    }

    void inspectMissingFile() {
        const auto result = runKestrova({QStringLiteral("inspect"), menuFile()}, settings());
        QCOMPARE(result.exitCode, 1);
        QVERIFY(result.err.contains(QStringLiteral("cannot read")));
    }

    void preferencesShowWhatTheProgramReads() {
        {
            QSettings ini(settings(), QSettings::IniFormat);
            ini.setValue(QStringLiteral("language"), 1);
            ini.setValue(QStringLiteral("model"), 6);
            ini.setValue(QStringLiteral("TvMode"), 3);
            ini.setValue(QStringLiteral("folder"), QDir::tempPath());
        }
        const auto result = runKestrova({QStringLiteral("preferences")}, settings());
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(result.err, QString());
        QCOMPARE(result.out, QStringLiteral("preferences: ") + settings() +
                                 QStringLiteral("\nlanguage: 1 (Chinese)\nmodel: 6 (Kes OmegaMG)\n"
                                                "tv_mode: 3\nfolder: ") +
                                 QDir::tempPath() + u'\n');
    }

    void helpAndVersion() {
        const auto version = runKestrova({QStringLiteral("--version")}, settings());
        QCOMPARE(version.exitCode, 0);
        QCOMPARE(version.out.trimmed(), QStringLiteral("kestrova 1.3.010"));
        const auto help =
            runKestrova({QStringLiteral("menu"), QStringLiteral("--help")}, settings());
        QCOMPARE(help.exitCode, 0);
        QVERIFY(help.out.contains(QStringLiteral("--set <NAME=VALUE>")));
    }

private:
    static QProcessEnvironment chineseSystem() {
        QProcessEnvironment environment;
        environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("zh_CN.UTF-8"));
        environment.insert(QStringLiteral("LANG"), QStringLiteral("zh_CN.UTF-8"));
        return environment;
    }
};

KESTROVA_TEST(MenuCommandTest)
#include "menu_command_test.moc"
