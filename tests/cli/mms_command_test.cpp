#include "mms/mms_file.h"
#include "mms/mms_form_test_support.h"
#include "mms/mms_record.h"
#include "mms/operator_presets.h"
#include "storage/record_file.h"
#include "support/process_runner.h"
#include "support/test_files.h"
#include "support/test_registry.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

using namespace kestrova;
using namespace kestrova::test;
using namespace kestrova::res::mms_form;

namespace {

QString presetText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QProcessEnvironment chineseSystem() {
    QProcessEnvironment environment;
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("zh_CN.UTF-8"));
    environment.insert(QStringLiteral("LANG"), QStringLiteral("zh_CN.UTF-8"));
    return environment;
}

// "setup.dat" of a form that opened and was given only a phone number: China Mobile's preset.
QByteArray sigmaWithPhone() {
    mms::MmsSettings s;
    s.phone1 = QStringLiteral("13800138000");
    return mms::buildMmsRecord(sending::withPreset<mms::MmsFile>(s), 2, 0).bytes;
}

} // namespace

class MmsCommandTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString settings() const { return dir.filePath(QStringLiteral("prefs.ini")); }
    QString card() const { return dir.filePath(QStringLiteral("card")); }
    QString setupFile() const { return recordFilePath(card(), QStringLiteral("setup.dat")); }

    ProcessResult mms(const QStringList& arguments, const QProcessEnvironment& extra = {}) const {
        return runKestrova(QStringList{QStringLiteral("mms"), QStringLiteral("--out"), card()} +
                               arguments,
                           settings(), extra);
    }

    static QStringList sets(const QStringList& assignments) {
        QStringList arguments;
        for (const QString& assignment : assignments)
            arguments << QStringLiteral("--set") << assignment;
        return arguments;
    }

    // The same settings through the form and through the command give the same bytes.
    void compareWithForm(MmsFormDriver& form, const QStringList& arguments) {
        const QString formCard = dir.filePath(QStringLiteral("form-card"));
        QDir(formCard).removeRecursively();
        QVERIFY(QDir().mkpath(formCard));
        form.selectFolder(formCard);
        form.host.messages.clear();
        form.generate();
        QCOMPARE(form.host.messages.size(), 1);
        const QByteArray fromForm =
            fileBytes(recordFilePath(formCard, QStringLiteral("setup.dat")));
        QCOMPARE(fromForm.size(), 720);

        const auto result = mms(arguments);
        QVERIFY2(result.exitCode == 0, qPrintable(result.err));
        QCOMPARE(fileBytes(setupFile()).toHex(' '), fromForm.toHex(' '));
    }

private Q_SLOTS:
    void init() {
        QDir(card()).removeRecursively();
        QFile::remove(settings());
        QVERIFY(QDir().mkpath(card()));
    }

    void writesThePresetInAutoMode() {
        const auto result = mms({QStringLiteral("--model"), QStringLiteral("7"),
                                 QStringLiteral("--set"), QStringLiteral("phone1=13800138000")});
        QVERIFY2(result.exitCode == 0, qPrintable(result.err));
        QCOMPARE(result.out.trimmed(), setupFile());
        QCOMPARE(fileBytes(setupFile()).toHex(' '), sigmaWithPhone().toHex(' '));
        QVERIFY(!QFile::exists(settings()));
    }

    void settingsReachTheRecord_data() {
        QTest::addColumn<QString>("model");
        QTest::addColumn<QStringList>("assignments");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        const QStringList phone{"phone1=13800138000"};
        QTest::newRow("status by text") << "7" << phone + QStringList{"status=off"} << "status"
                                        << "0";
        QTest::newRow("QVGA on model 1") << "1" << phone + QStringList{"status=QVGA"} << "status"
                                         << "2";
        QTest::newRow("SMS on model 3") << "3" << QStringList{"status=SMS"} << "status"
                                        << "3";
        QTest::newRow("SMS on model 5") << "5" << QStringList{"status=SMS"} << "status"
                                        << "2";
        QTest::newRow("status by position") << "6" << QStringList{"status=2"} << "status"
                                            << "2";
        QTest::newRow("pictures") << "2" << phone + QStringList{"pictures_per_day=25"}
                                  << "picturesPerDay"
                                  << "25";
        QTest::newRow("remote hour")
            << "2" << phone + QStringList{"remote_hours=0"} << "remoteHours"
            << "0";
        QTest::newRow("remote off")
            << "2" << phone + QStringList{"remote_hours=OFF"} << "remoteHours"
            << "25";
        QTest::newRow("international by word")
            << "4" << QStringList{"international=International", "phone1=+4915112345678"}
            << "international"
            << "1";
        QTest::newRow("international by number")
            << "4" << QStringList{"international=1", "phone1=13800"} << "international"
            << "1";
        QTest::newRow("country by name")
            << "7" << phone + QStringList{"country=sweden"} << "country"
            << "5";
        QTest::newRow("Chinese country name")
            << "7" << phone + QStringList{"country=中国"} << "country"
            << "0";
        QTest::newRow("operator with trailing blank")
            << "7" << phone + QStringList{"country=Sweden", "operator=Tele2"} << "operatorCode"
            << "2";
        QTest::newRow("a bare number is a position, also where an operator is named 3")
            << "7" << phone + QStringList{"country=3", "operator=3"} << "operatorCode"
            << "3";
        QTest::newRow("operator named 3")
            << "7" << phone + QStringList{"country=3", "operator=name:3"} << "operatorCode"
            << "4";
        QTest::newRow("ninth operator")
            << "7" << phone + QStringList{"country=3", "operator=ASDA Mobile"} << "operatorCode"
            << "8";
        QTest::newRow("Chinese operator name")
            << "7" << phone + QStringList{"operator=中国联通"} << "operatorCode"
            << "1";
        QTest::newRow("manual country code")
            << "7" << phone + QStringList{"mode=manual", "url=u", "apn=a", "gateway=1.2", "port=80"}
            << "country"
            << "128";
        QTest::newRow("manual bearer")
            << "7" << phone + QStringList{"mode=Manual", "url=u",   "apn=a",
                                          "gateway=1.2", "port=80", "bearer=CSD"}
            << "bearer"
            << "1";
        QTest::newRow("text with blanks kept")
            << "7" << phone + QStringList{"mode=manual", "url=u",   "apn=a",
                                          "gateway=1.2", "port=80", "password= pass word "}
            << "password"
            << " pass word ";
        QTest::newRow("later set wins")
            << "7" << phone + QStringList{"pictures_per_day=3", "pictures_per_day=4"}
            << "picturesPerDay"
            << "4";
    }
    void settingsReachTheRecord() {
        QFETCH(QString, model);
        QFETCH(QStringList, assignments);
        QFETCH(QString, field);
        QFETCH(QString, value);
        const auto result = mms(QStringList{QStringLiteral("--model"), model} + sets(assignments));
        QVERIFY2(result.exitCode == 0, qPrintable(result.err));
        const mms::DecodedMms decoded = mms::decodeMmsRecord(fileBytes(setupFile()));
        QVERIFY(decoded.check.intact());
        const mms::MmsSettings& s = decoded.settings;
        const QHash<QString, QString> fields{
            {"status", QString::number(s.status)},
            {"picturesPerDay", QString::number(s.picturesPerDay)},
            {"remoteHours", QString::number(s.remoteHours)},
            {"international", QString::number(s.international)},
            {"country", QString::number(s.country)},
            {"operatorCode", QString::number(s.operatorCode)},
            {"bearer", QString::number(s.bearer)},
            {"password", s.password},
        };
        QCOMPARE(fields.value(field), value);
    }

    void generateChecks_data() {
        QTest::addColumn<QString>("model");
        QTest::addColumn<QStringList>("assignments");
        QTest::addColumn<QString>("message");
        QTest::newRow("nothing") << "7" << QStringList{} << "phone1: Phone & Email Error(0)";
        QTest::newRow("short phone")
            << "7" << QStringList{"phone1=1234"} << "phone1: Phone No. Error(01)";
        QTest::newRow("plus at home") << "5" << QStringList{"phone1=+491511"}
                                      << "phone1: Only numbers(+) are allowed phone number";
        QTest::newRow("email without at")
            << "2" << QStringList{"email=ab.cd"} << "email: Email Error(@)";
        QTest::newRow("manual, no url")
            << "2" << QStringList{"mode=manual", "email=a@b.cd"} << "url: URL Error(0)";
        QTest::newRow("manual, gateway without dot")
            << "2"
            << QStringList{"mode=manual", "email=a@b.cd", "url=u", "apn=a", "gateway=1", "port=80"}
            << "gateway: GateWay Error(.)";
        QTest::newRow("remote control without phone")
            << "7" << QStringList{"status=SMS", "remote_hours=3"} << "phone1: Phone No. Error(01)";
        QTest::newRow("digit limit, form A") << "7" << QStringList{"phone1=1234567890123"}
                                             << "phone1: The max allowable number of digits "
                                                "phone 12!";
        QTest::newRow("digit limit, form B") << "3" << QStringList{"phone1=123456789012"}
                                             << "phone1: The max allowable number of digits "
                                                "phone 11!";
        QTest::newRow("digit limit, international")
            << "3" << QStringList{"international=1", QStringLiteral("phone1=") + QString(33, u'1')}
            << "phone1: The max allowable number of digits phone 32!";
        QTest::newRow("pictures not a number") << "7" << QStringList{"pictures_per_day=many"}
                                               << "pictures_per_day: Please enter an integer.";
        QTest::newRow("pictures above 99")
            << "7" << QStringList{"pictures_per_day=100"}
            << "pictures_per_day: Please enter an integer between 0 and 99!";
        QTest::newRow("text too long")
            << "7" << QStringList{"email=" + QString(18, QChar(0x5F69)) + "@b.cd"}
            << "email: the text takes 41 bytes on the camera, but only 40 fit";
        QTest::newRow("character without code")
            << "7" << QStringList{"email=a@b.cd", "phone2=x@\u05D0.cd"}
            << "phone2: the character \"\u05D0\" cannot be stored on the camera.";
        QTest::newRow("unknown setting")
            << "7" << QStringList{"colour=red"}
            << "unknown setting \"colour\" (did you mean \"country\"?); the settings are: mode";
        QTest::newRow("bad status") << "7" << QStringList{"status=QVGA"}
                                    << "status: \"QVGA\" is not allowed; use a position 0..2 or "
                                       "one of: Off, VGA, SMS";
        QTest::newRow("bad mode") << "7" << QStringList{"mode=semi"}
                                  << "mode: \"semi\" is not allowed";
        QTest::newRow("CSD in auto")
            << "7" << QStringList{"bearer=CSD"} << "bearer: \"CSD\" only in manual mode";
        QTest::newRow("country in manual")
            << "7" << QStringList{"mode=manual", "country=3"} << "country: only in auto mode";
        QTest::newRow("unknown country")
            << "7" << QStringList{"country=Atlantis"} << "country: \"Atlantis\" is not allowed";
        QTest::newRow("operator of another country")
            << "7" << QStringList{"country=Sweden", "operator=Vodafone"}
            << "operator: \"Vodafone\" is not an operator of Sweden; use a position 0..2";
        QTest::newRow("network text in auto")
            << "7" << QStringList{"email=a@b.cd", "apn=internet"}
            << "apn: in auto mode the preset of China Mobile gives \"cmwap\"";
        QTest::newRow("hour 25") << "7" << QStringList{"remote_hours=25"}
                                 << "remote_hours: \"25\" is not allowed; use 0..24 or off";
        QTest::newRow("recipient box still closed")
            << "7" << QStringList{"email=a@b", "phone2=13900139000"}
            << "phone2: needs phone1 or email of 5 or more characters first";
        QTest::newRow("second recipient box still closed")
            << "7" << QStringList{"phone1=13800138000", "phone3=13900139000"}
            << "phone3: needs phone2 of 5 or more characters first";
        QTest::newRow("missing equals")
            << "7" << QStringList{"phone1"} << "--set expects NAME=VALUE";
    }
    void generateChecks() {
        QFETCH(QString, model);
        QFETCH(QStringList, assignments);
        QFETCH(QString, message);
        const auto result = mms(QStringList{QStringLiteral("--model"), model} + sets(assignments));
        QCOMPARE(result.exitCode, 2);
        QVERIFY2(result.err.startsWith(QStringLiteral("kestrova: ") + message),
                 qPrintable(result.err));
        QVERIFY(!QFile::exists(setupFile()));
        QCOMPARE(QDir(card()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList{});
    }

    void chineseMessages() {
        const auto result =
            mms({QStringLiteral("--model"), QStringLiteral("2"), QStringLiteral("--language"),
                 QStringLiteral("1"), QStringLiteral("--set"), QStringLiteral("remote_hours=4"),
                 QStringLiteral("--set"), QStringLiteral("email=a@b.cd")},
                chineseSystem());
        QCOMPARE(result.exitCode, 2);
        QCOMPARE(result.err.trimmed(), QStringLiteral("kestrova: phone1: 请设置手机号码1"));
    }

    void modelIsRequired() {
        const auto result = mms({});
        QCOMPARE(result.exitCode, 2);
        QVERIFY(result.err.contains(QStringLiteral("--model is required")));
    }

    void workFileOfThatNameIsLeftAlone() {
        const QString work = recordFilePath(card(), QStringLiteral("mms.dat"));
        QVERIFY(writeFile(work, "not ours"));
        const auto result = mms({QStringLiteral("--model"), QStringLiteral("7"),
                                 QStringLiteral("--set"), QStringLiteral("phone1=13800138000")});
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(fileBytes(work), QByteArray("not ours"));
        QCOMPARE(QDir(card()).entryList(QDir::Files | QDir::Hidden, QDir::Name),
                 (QStringList{"mms.dat", "setup.dat"}));
    }

    void writeFailure() {
        const QString notAFolder = dir.filePath(QStringLiteral("not-a-folder"));
        QVERIFY(writeFile(notAFolder, "x"));
        const auto result = runKestrova({QStringLiteral("mms"), QStringLiteral("--model"),
                                         QStringLiteral("7"), QStringLiteral("--out"), notAFolder,
                                         QStringLiteral("--set"), QStringLiteral("email=a@b.cd")},
                                        settings());
        QCOMPARE(result.exitCode, 1);
        QCOMPARE(result.out, QString());
        QCOMPARE(result.err.trimmed(),
                 QStringLiteral("kestrova: The file ") + notAFolder +
                     QStringLiteral("/setup.dat could not be written: the folder does not exist "
                                    "or the card was removed. The settings on the card were not "
                                    "changed."));
        QCOMPARE(fileBytes(notAFolder), QByteArray("x"));
    }

    void sameBytesAsTheFormInAutoMode() {
        MmsFormDriver form(7, 3, false, 0x0205);
        form.type(emailField, QStringLiteral("me@example.com"));
        form.type(phoneField, QStringLiteral("13800138000"));
        form.type(recipient2Field, QStringLiteral("+4915112345678"));
        form.choose(countryList, 3);
        form.choose(operatorList, 8);
        form.choose(form.hourList(), 6);
        form.edit(picturesField, QStringLiteral("25"));
        compareWithForm(
            form, QStringList{"--model", "7", "--language", "3", "--tv-mode", "517"} +
                      sets({"email=me@example.com", "phone1=13800138000", "phone2=+4915112345678",
                            "country=United Kingdom", "operator=ASDA Mobile", "remote_hours=6",
                            "pictures_per_day=25"}));
    }

    void sameBytesAsTheFormInManualMode() {
        MmsFormDriver form(1, 2, true, 0);
        form.choose(modeList, 1);
        form.type(urlField, QStringLiteral("http://mms.example/m"));
        form.type(apnField, QStringLiteral("mms"));
        form.choose(bearerList, 1);
        form.type(gatewayField, QStringLiteral("10.1.2.3"));
        form.type(portField, QStringLiteral("9201"));
        form.type(accountField, QStringLiteral("用户"));
        form.choose(scopeList, 1);
        form.type(phoneField, QStringLiteral("+4915112345678"));
        form.type(recipient2Field, QStringLiteral("13900139000"));
        form.type(recipient3Field, QStringLiteral("+4917012345"));
        form.choose(statusList, 3);
        compareWithForm(form,
                        QStringList{"--model", "1", "--language", "2", "--chinese-requested"} +
                            sets({"mode=manual", "url=http://mms.example/m", "apn=mms",
                                  "bearer=CSD", "gateway=10.1.2.3", "port=9201", "account=用户",
                                  "international=international", "phone1=+4915112345678",
                                  "phone2=13900139000", "phone3=+4917012345", "status=SMS"}));
    }

    void sameBytesAsTheFormInChinese() {
        MmsFormDriver form(4, 1, false, 1);
        form.choose(operatorList, 1);
        form.choose(statusList, 2);
        compareWithForm(form, QStringList{"--model", "4", "--language", "1", "--tv-mode", "1"} +
                                  sets({"operator=中国联通", "status=SMS"}));
    }

    void inspectProfileRoundTrip_data() {
        QTest::addColumn<QString>("model");
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("auto, ninth operator")
            << "7"
            << QStringList{"--tv-mode", "3"} +
                   sets({"country=3", "operator=8", "phone1=13800138000", "remote_hours=12",
                         "email=x@y.z", "phone2=a@b.cd", "pictures_per_day=9"});
        QTest::newRow("auto, Sweden, international")
            << "5"
            << sets({"country=Sweden", "operator=2", "international=1", "phone1=+46701234567",
                     "status=SMS"});
        QTest::newRow("auto, the operator named 3")
            << "7" << sets({"country=United Kingdom", "operator=name:3", "phone1=07700900123"});
        QTest::newRow("manual, model 1, QVGA")
            << "1"
            << QStringList{"--chinese-requested"} +
                   sets({"mode=manual", "url=http://x.example", "apn=彩信", "gateway=1.2.3.4",
                         "port=80", "account=a", "password=p", "bearer=CSD", "status=QVGA",
                         "email=someone@example.com"});
    }
    void inspectProfileRoundTrip() {
        QFETCH(QString, model);
        QFETCH(QStringList, arguments);
        const auto written = mms(QStringList{"--model", model} + arguments);
        QVERIFY2(written.exitCode == 0, qPrintable(written.err));
        const QByteArray original = fileBytes(setupFile());

        const auto inspected =
            runKestrova({QStringLiteral("inspect"), setupFile(), QStringLiteral("--model"), model,
                         QStringLiteral("--json")},
                        settings());
        QCOMPARE(inspected.exitCode, 0);
        const QJsonObject object = QJsonDocument::fromJson(inspected.out.toUtf8()).object();
        QCOMPARE(object.value(QStringLiteral("kind")).toString(), QStringLiteral("mms"));
        QVERIFY(object.value(QStringLiteral("intact")).toBool());
        const QString profile = dir.filePath(QStringLiteral("profile.json"));
        QVERIFY(writeFile(profile, inspected.out.toUtf8()));

        const QString other = dir.filePath(QStringLiteral("other"));
        QDir(other).removeRecursively();
        QVERIFY(QDir().mkpath(other));
        // The language byte and TV mode come from the process, as for the form.
        QStringList process;
        for (const QString& flag : {QStringLiteral("--tv-mode"), QStringLiteral("--language")}) {
            const auto at = arguments.indexOf(flag);
            if (at >= 0)
                process << flag << arguments.at(at + 1);
        }
        if (arguments.contains(QStringLiteral("--chinese-requested")))
            process << QStringLiteral("--chinese-requested");
        const auto copied = runKestrova(
            QStringList{"mms", "--model", model, "--out", other, "--profile", profile} + process,
            settings());
        QVERIFY2(copied.exitCode == 0, qPrintable(copied.err));
        QCOMPARE(fileBytes(recordFilePath(other, QStringLiteral("setup.dat"))).toHex(' '),
                 original.toHex(' '));
    }

    void inspect_data() {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<int>("damageAt"); // -1 for none
        QTest::addColumn<QStringList>("flags");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("as written") << "setup.dat" << -1 << QStringList{"--model", "7"} << 0
                                    << QStringList{"kind: mms",
                                                   "size: 720 bytes (ok)",
                                                   "model: 7 (Kes SigmaMG), MMS form A",
                                                   "mode: auto",
                                                   "status: VGA",
                                                   "remote_hours: off",
                                                   "international: domestic",
                                                   "country: 0 (China)",
                                                   "operator: 0 (China Mobile)",
                                                   "phone1: \"13800138000\"",
                                                   "record_language: 2 (English)",
                                                   "tv_mode: 0"};
        QTest::newRow("renamed") << "copy.bin" << -1 << QStringList{} << 0
                                 << QStringList{"kind: mms", "(ok)"};
        QTest::newRow("text byte changed")
            << "setup.dat" << 61 << QStringList{} << 3
            << QStringList{"kind: mms", "(DAMAGED)", "check value: stored"};
        QTest::newRow("check block changed") << "setup.dat" << 700 << QStringList{} << 3
                                             << QStringList{"check block: not zero (DAMAGED)"};
        QTest::newRow("line end changed") << "setup.dat" << 119 << QStringList{} << 3
                                          << QStringList{"line ends: missing (DAMAGED)"};
    }
    void inspect() {
        QFETCH(QString, fileName);
        QFETCH(int, damageAt);
        QFETCH(QStringList, flags);
        QFETCH(int, exitCode);
        QFETCH(QStringList, lines);
        QByteArray bytes = sigmaWithPhone();
        if (damageAt >= 0)
            bytes[damageAt] = static_cast<char>(bytes[damageAt] ^ 0x01);
        const QString path = recordFilePath(card(), fileName);
        QVERIFY(writeFile(path, bytes));
        const auto result =
            runKestrova(QStringList{QStringLiteral("inspect"), path} + flags, settings());
        QCOMPARE(result.exitCode, exitCode);
        for (const QString& line : lines)
            QVERIFY2(result.out.contains(line), qPrintable(line + u'\n' + result.out));
    }

    void inspectInternationalAdjustment() {
        const auto written =
            mms({QStringLiteral("--model"), QStringLiteral("2"), QStringLiteral("--set"),
                 QStringLiteral("international=1"), QStringLiteral("--set"),
                 QStringLiteral("phone1=+8613800138000")});
        QCOMPARE(written.exitCode, 0);
        const QByteArray bytes = fileBytes(setupFile());
        const mms::DecodedMms decoded = mms::decodeMmsRecord(bytes);
        const auto result = runKestrova({QStringLiteral("inspect"), setupFile()}, settings());
        QCOMPARE(result.exitCode, 0);
        QVERIFY2(result.out.contains(QStringLiteral("+ 18 for an international number (ok)")),
                 qPrintable(result.out));
        QCOMPARE(int(decoded.check.storedCheckValue),
                 (int(decoded.check.computedCrc) + 18) & 0xFFFF);
    }

    void inspectJsonOfADamagedFile() {
        QByteArray bytes = sigmaWithPhone();
        bytes[5] = static_cast<char>(bytes[5] ^ 0x10);
        QVERIFY(writeFile(setupFile(), bytes));
        const auto result = runKestrova(
            {QStringLiteral("inspect"), setupFile(), QStringLiteral("--json")}, settings());
        QCOMPARE(result.exitCode, 3);
        const QJsonObject object = QJsonDocument::fromJson(result.out.toUtf8()).object();
        QCOMPARE(object.value(QStringLiteral("crc_ok")).toBool(), false);
        QCOMPARE(object.value(QStringLiteral("intact")).toBool(), false);
    }

    void presetTextsAgreeWithTheTable() {
        // The command's auto mode takes the same table the form does.
        const auto result = mms({QStringLiteral("--model"), QStringLiteral("6"),
                                 QStringLiteral("--set"), QStringLiteral("country=41"),
                                 QStringLiteral("--set"), QStringLiteral("email=a@b.cd")});
        QCOMPARE(result.exitCode, 0);
        const mms::DecodedMms decoded = mms::decodeMmsRecord(fileBytes(setupFile()));
        QCOMPARE(decoded.settings.url, presetText(mms::mmsPreset(41, 0).url));
        QCOMPARE(decoded.settings.apn, presetText(mms::mmsPreset(41, 0).apn));
        QCOMPARE(decoded.settings.country, 41);
    }
};

KESTROVA_TEST(MmsCommandTest)
#include "mms_command_test.moc"
