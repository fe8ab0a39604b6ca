#include "app/routing.h"
#include "smtp/smtp_form_test_support.h"
#include "storage/record_file.h"
#include "support/process_runner.h"
#include "support/test_files.h"
#include "support/test_registry.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using kestrova::test::writeFile;
using namespace kestrova;
using namespace kestrova::res::smtp_form;
using kestrova::test::fileBytes;
using kestrova::test::plainAt;
using kestrova::test::plainText;
using kestrova::test::runKestrova;
using kestrova::test::SmtpFormDriver;
using namespace Qt::StringLiterals;

namespace {

// What every Generate needs, as --set arguments.
const QStringList mail{"server=smtp.example.com", "port=25", "sender=trailcam@example.com",
                       "sender_password=mail-pw", "recipient=owner@example.org"};

QStringList withSets(QStringList arguments, const QStringList& sets) {
    for (const QString& set : sets)
        arguments << u"--set"_s << set;
    return arguments;
}

// The control the form shows a setting in, by the name the command uses; lists are chosen by
// position, the rest is typed.
struct Control {
    int id;
    bool isList;
};

Control controlFor(const QString& name, SmtpForm form) {
    const QHash<QString, Control> controls{
        {"mode", {modeList, true}},
        {"country", {countryList, true}},
        {"operator", {operatorList, true}},
        {"remote_hours", {hourList(form), true}},
        {"status", {statusList, true}},
        {"pictures_per_day", {picturesField, false}},
        {"apn", {apnField, false}},
        {"account", {accountField, false}},
        {"gprs_password", {gprsPasswordField, false}},
        {"server", {serverField, false}},
        {"port", {portField, false}},
        {"sender", {senderField, false}},
        {"sender_password", {senderPasswordField, false}},
        {"recipient", {recipientField, false}},
        {"phone", {phoneField, false}},
    };
    return controls.value(name, {0, false});
}

} // namespace

class SmtpCommandTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString settings() const { return dir.filePath(u"prefs.ini"_s); }
    QString card() const { return dir.filePath(u"card"_s); }
    QString smtpFile() const { return recordFilePath(card(), u"smtp.dat"_s); }

    QStringList smtpCommand(int model) const {
        return {u"smtp"_s, u"--model"_s, QString::number(model), u"--out"_s, card()};
    }

private Q_SLOTS:
    void init() {
        QDir(card()).removeRecursively();
        QVERIFY(QDir().mkpath(card()));
    }

    // The desktop form and the command write the same bytes for the same settings.
    void sameFileAsTheForm_data() {
        QTest::addColumn<int>("model");
        QTest::addColumn<int>("language");
        QTest::addColumn<bool>("chineseRequested");
        QTest::addColumn<QStringList>("steps"); // in the order the user makes them
        QTest::newRow("RhoMG as it opens, with mail") << 4 << 2 << false << mail;
        QTest::newRow("LambdaMG manual")
            << 3 << 3 << false
            << QStringList{"mode=1",           "apn=internet",   "account=user",
                           "gprs_password=pw", "remote_hours=5", "phone=+4915112345678"} +
                   mail;
        QTest::newRow("SigmaMG O2 UK, Chinese requested")
            << 7 << 2 << true
            << QStringList{"country=3", "operator=1", "status=2", "pictures_per_day=30"} + mail;
        QTest::newRow("KappaMG Chinese texts") << 5 << 1 << false
                                               << QStringList{"server=邮件服务器.cn",
                                                              "port=465",
                                                              "sender=相机@example.cn",
                                                              "sender_password=密码密码",
                                                              "recipient=主人@example.cn",
                                                              "phone=13800138000",
                                                              "remote_hours=24"};
        QTest::newRow("OmegaMG last country, Japanese")
            << 6 << 10 << false
            << QStringList{"country=40", "remote_hours=0", "phone=12345"} + mail;
    }
    void sameFileAsTheForm() {
        QFETCH(int, model);
        QFETCH(int, language);
        QFETCH(bool, chineseRequested);
        QFETCH(QStringList, steps);
        const QString tag = QString::fromLatin1(QTest::currentDataTag()).replace(u' ', u'-');
        const QString fromForm = dir.filePath(tag + u"-form"_s);
        const QString fromCommand = dir.filePath(tag + u"-command"_s);
        QVERIFY(QDir().mkpath(fromForm) && QDir().mkpath(fromCommand));

        const SmtpForm form = app::smtpFormFor(model);
        SmtpFormDriver f(form, model, language, chineseRequested);
        f.selectFolder(fromForm);
        QStringList arguments{
            "smtp",  "--model",  QString::number(model), "--language", QString::number(language),
            "--out", fromCommand};
        if (chineseRequested)
            arguments << "--chinese-requested";
        for (const QString& step : steps) {
            const QString name = step.section(u'=', 0, 0);
            const QString value = step.section(u'=', 1);
            const Control control = controlFor(name, form);
            QVERIFY2(control.id != 0, qPrintable(name));
            if (control.isList)
                f.choose(control.id, value.toInt());
            else
                f.type(control.id, value);
            arguments << "--set" << step;
        }
        f.press(generateButton);
        QCOMPARE(f.host.messages.size(), 1); // the success message, nothing else

        const auto result = runKestrova(arguments, settings());
        QVERIFY2(result.exitCode == 0, qPrintable(result.err));
        QCOMPARE(result.out.trimmed(), recordFilePath(fromCommand, u"smtp.dat"_s));

        const QByteArray formBytes = fileBytes(recordFilePath(fromForm, u"smtp.dat"_s));
        QCOMPARE(formBytes.size(), 720);
        QCOMPARE(formBytes.toHex(' '),
                 fileBytes(recordFilePath(fromCommand, u"smtp.dat"_s)).toHex(' '));
    }

    void listsByTheirEnglishEntries_data() {
        QTest::addColumn<int>("model");
        QTest::addColumn<QStringList>("sets");
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("plain");
        QTest::newRow("manual mode") << 3 << QStringList{"mode=Manual", "apn=cmnet"} << 2 << 0x80;
        QTest::newRow("manual flag") << 3 << QStringList{"mode=manual", "apn=cmnet"} << 55 << 0;
        QTest::newRow("country by name") << 5 << QStringList{"country=Hungary"} << 2 << 18;
        QTest::newRow("operator by name")
            << 5 << QStringList{"operator=T-Mobile", "country=hungary"} << 1 << 2;
        QTest::newRow("a bare number is a position, also where an operator is named 3")
            << 7 << QStringList{"country=United Kingdom", "operator=3"} << 1 << 3;
        QTest::newRow("operator named 3")
            << 7 << QStringList{"country=United Kingdom", "operator=name:3"} << 1 << 4;
        QTest::newRow("hours off by name, B")
            << 7 << QStringList{"remote_hours=3", "remote_hours=off"} << 7 << 25;
        QTest::newRow("hours, A") << 6 << QStringList{"remote_hours=17", "phone=12345"} << 8 << 17;
        QTest::newRow("status by name") << 4 << QStringList{"status=sms"} << 6 << 2;
        QTest::newRow("pictures, tens") << 3 << QStringList{"pictures_per_day=47"} << 3 << 4;
        QTest::newRow("later --set wins")
            << 3 << QStringList{"pictures_per_day=47", "pictures_per_day=8"} << 4 << 8;
        QTest::newRow("Other in manual mode")
            << 7 << QStringList{"mode=1", "apn=ab", "country=Other", "operator=0"} << 1 << 0;
    }
    void listsByTheirEnglishEntries() {
        QFETCH(int, model);
        QFETCH(QStringList, sets);
        QFETCH(int, offset);
        QFETCH(int, plain);
        const auto result = runKestrova(withSets(smtpCommand(model), mail + sets), settings());
        QVERIFY2(result.exitCode == 0, qPrintable(result.err));
        const QByteArray bytes = fileBytes(smtpFile());
        QCOMPARE(bytes.size(), 720);
        QCOMPARE(plainAt(bytes, offset), plain);
    }

    void addressLimitFollowsTheForm() {
        const QString forty = QString(31, u'a') + u"@example."_s; // 40 characters
        QCOMPARE(forty.size(), 40);
        const auto b = runKestrova(withSets(smtpCommand(7), mail + QStringList{"sender=" + forty}),
                                   settings());
        QVERIFY2(b.exitCode == 0, qPrintable(b.err));
        QCOMPARE(plainText(fileBytes(smtpFile()), 360), forty.toLatin1());
        const auto a = runKestrova(withSets(smtpCommand(3), mail + QStringList{"sender=" + forty}),
                                   settings());
        QCOMPARE(a.exitCode, 2);
        QVERIFY2(a.err.contains(u"sender: Please enter no more than 32 characters. (got 40)"_s),
                 qPrintable(a.err));
    }

    void badInput_data() {
        QTest::addColumn<int>("model");
        QTest::addColumn<QStringList>("extra");
        QTest::addColumn<QStringList>("sets");
        QTest::addColumn<QString>("message");
        QTest::newRow("model 1 has no SMTP")
            << 1 << QStringList{} << mail
            << "model 1 (Kes LambdaM) cannot send e-mail: it has no SMTP settings";
        QTest::newRow("model 2 has no SMTP")
            << 2 << QStringList{} << mail
            << "model 2 (Kes RhoM) cannot send e-mail: it has no SMTP settings";
        QTest::newRow("the opening values need a server")
            << 7 << QStringList{} << QStringList{} << "kestrova: server: Smtp Server";
        QTest::newRow("port of one digit")
            << 3 << QStringList{} << mail + QStringList{"port=8"} << "port: Port";
        QTest::newRow("port of letters")
            << 3 << QStringList{} << mail + QStringList{"port=abc"}
            << "port: The port must be a whole number from 1 to 65535.";
        QTest::newRow("manual APN")
            << 4 << QStringList{} << mail + QStringList{"mode=1", "apn=c"} << "apn: GPRS APN";
        QTest::newRow("sender without @")
            << 5 << QStringList{} << mail + QStringList{"sender=cam.example.com"}
            << "sender: Email Error(@)";
        QTest::newRow("recipient without .")
            << 6 << QStringList{} << mail + QStringList{"recipient=me@example"}
            << "recipient: Email Error(.)";
        QTest::newRow("form B short phone")
            << 4 << QStringList{} << mail + QStringList{"phone=123"} << "phone: Phone No. Error";
        QTest::newRow("remote control without phone")
            << 3 << QStringList{} << mail + QStringList{"remote_hours=8"}
            << "phone: Phone No. Error";
        QTest::newRow("too many pictures")
            << 3 << QStringList{} << mail + QStringList{"pictures_per_day=100"}
            << "pictures_per_day: Please enter an integer between 0 and 99! (got \"100\")";
        QTest::newRow("pictures not a number")
            << 3 << QStringList{} << mail + QStringList{"pictures_per_day=ten"}
            << "pictures_per_day: Please enter an integer. (got \"ten\")";
        QTest::newRow("status on form A") << 3 << QStringList{} << mail + QStringList{"status=VGA"}
                                          << "status: model 3 (Kes LambdaMG) has no such setting";
        QTest::newRow("unknown status")
            << 7 << QStringList{} << mail + QStringList{"status=QVGA"}
            << "status: \"QVGA\" is not allowed; use a position 0..2 or one of: Off, VGA, SMS";
        QTest::newRow("unknown country")
            << 5 << QStringList{} << mail + QStringList{"country=Atlantis"}
            << "country: \"Atlantis\" is not allowed; use a position 0..40 or one of: China, "
               "United States";
        QTest::newRow("operator of another country")
            << 5 << QStringList{} << mail + QStringList{"operator=Telia"}
            << "operator: \"Telia\" is not allowed; use a position 0..1 or one of: China Mobile, "
               "China Unicom";
        QTest::newRow("a preset country in manual mode")
            << 5 << QStringList{} << mail + QStringList{"mode=Manual", "apn=ab", "country=China"}
            << "country: in Manual mode the only entry is \"Other\" (got \"China\")";
        QTest::newRow("Other in auto mode")
            << 5 << QStringList{} << mail + QStringList{"operator=Other"}
            << "operator: \"Other\" belongs to Manual mode; set mode=Manual";
        QTest::newRow("own APN in auto mode")
            << 6 << QStringList{} << mail + QStringList{"apn=mine"}
            << "apn: in Auto mode this comes from the operator's preset (\"";
        QTest::newRow("more characters than the field takes")
            << 7 << QStringList{} << mail + QStringList{"server=" + QString(41, u's')}
            << "server: Please enter no more than 40 characters. (got 41)";
        QTest::newRow("more bytes than the card takes")
            << 7 << QStringList{} << mail + QStringList{"server=" + QString(u"服"_s).repeated(21)}
            << "server: Smtp Server: the text takes 42 bytes on the camera, but only 40 fit.";
        QTest::newRow("not in the code page")
            << 7 << QStringList{} << mail + QStringList{"sender_password=pw☃"}
            << "sender_password: Password (Sender): the character \"☃\" cannot be stored";
        QTest::newRow("unknown setting")
            << 7 << QStringList{} << QStringList{"colour=red"}
            << "unknown setting \"colour\" (did you mean \"country\"?); the settings are: mode, "
               "pictures_per_day";
        QTest::newRow("missing equals")
            << 7 << QStringList{} << QStringList{"server"} << "--set expects NAME=VALUE";
        QTest::newRow("TV mode") << 7 << QStringList{"--tv-mode", "1"} << mail
                                 << "--tv-mode: smtp.dat carries no TV mode";
        QTest::newRow("no model") << 0 << QStringList{} << mail << "--model is required";
    }
    void badInput() {
        QFETCH(int, model);
        QFETCH(QStringList, extra);
        QFETCH(QStringList, sets);
        QFETCH(QString, message);
        QStringList arguments =
            model == 0 ? QStringList{u"smtp"_s, u"--out"_s, card()} : smtpCommand(model);
        const auto result = runKestrova(withSets(arguments + extra, sets), settings());
        QCOMPARE(result.exitCode, 2);
        QVERIFY2(result.err.startsWith(u"kestrova: "_s), qPrintable(result.err));
        QVERIFY2(result.err.contains(message), qPrintable(result.err));
        QVERIFY(!QFile::exists(smtpFile()));
        QVERIFY(QDir(card()).isEmpty());
    }

    void chineseMessages() {
        // Chinese shows only on a Chinese system; elsewhere language 1 means Chinese requested.
        QProcessEnvironment chinese;
        chinese.insert(u"LC_ALL"_s, u"zh_CN.UTF-8"_s);
        chinese.insert(u"LANG"_s, u"zh_CN.UTF-8"_s);
        const auto result = runKestrova(withSets(smtpCommand(4) + QStringList{"--language", "1"},
                                                 QStringList{"server=smtp.example.com"}),
                                        settings(), chinese);
        QCOMPARE(result.exitCode, 2);
        QVERIFY2(result.err.contains(u"port: 请设置端口"_s), qPrintable(result.err));
    }

    void writeFailure() {
        const QString notAFolder = dir.filePath(u"not-a-folder"_s);
        QVERIFY(writeFile(notAFolder, "x"));
        const auto result = runKestrova(
            withSets({u"smtp"_s, u"--model"_s, u"5"_s, u"--out"_s, notAFolder}, mail), settings());
        QCOMPARE(result.exitCode, 1);
        QCOMPARE(result.out, QString());
        QCOMPARE(result.err.trimmed(),
                 u"kestrova: The file "_s + notAFolder +
                     u"/smtp.dat could not be written: the folder does not exist or the card "
                     "was removed. The settings on the card were not changed."_s);
        QCOMPARE(fileBytes(notAFolder), QByteArray("x"));
    }

    // inspect --json, used as a profile, writes the same file again.
    void inspectRoundTrip_data() {
        QTest::addColumn<int>("model");
        QTest::addColumn<int>("otherModel");
        QTest::addColumn<QStringList>("sets");
        QTest::addColumn<bool>("withModel");
        QTest::newRow("A auto") << 5 << 5 << QStringList{"country=26", "operator=3"} << true;
        QTest::newRow("A manual, model from the header")
            << 3 << 6 << QStringList{"mode=Manual",        "apn=internet",    "account=a b",
                                     "gprs_password= pw ", "remote_hours=11", "phone=+33612345678",
                                     "pictures_per_day=5"}
            << false;
        QTest::newRow("B auto, status off")
            << 7 << 4 << QStringList{"status=Off", "country=21"} << false;
        QTest::newRow("B manual, Chinese texts")
            << 4 << 4
            << QStringList{"mode=1", "apn=网络", "server=邮件.cn", "sender=相机@x.cn",
                           "phone=13800138000"}
            << true;
        // Form A with one hour and form B with "VGA" and one hour read the same.
        QTest::newRow("A header like B")
            << 3 << 7 << QStringList{"remote_hours=1", "phone=12345"} << false;
        QTest::newRow("B header like A")
            << 7 << 3 << QStringList{"remote_hours=1", "phone=12345", "status=1"} << false;
    }
    void inspectRoundTrip() {
        QFETCH(int, model);
        QFETCH(int, otherModel);
        QFETCH(QStringList, sets);
        QFETCH(bool, withModel);
        const auto written = runKestrova(
            withSets(smtpCommand(model) + QStringList{"--language", "9"}, mail + sets), settings());
        QVERIFY2(written.exitCode == 0, qPrintable(written.err));
        const QByteArray original = fileBytes(smtpFile());

        QStringList inspect{u"inspect"_s, smtpFile(), u"--json"_s};
        if (withModel)
            inspect << u"--model"_s << QString::number(model);
        const auto inspected = runKestrova(inspect, settings());
        QVERIFY2(inspected.exitCode == 0, qPrintable(inspected.out + inspected.err));
        const QString profile = dir.filePath(u"profile.json"_s);
        QVERIFY(writeFile(profile, inspected.out.toUtf8()));

        const QString other = dir.filePath(u"other"_s);
        QDir(other).removeRecursively();
        QVERIFY(QDir().mkpath(other));
        const auto copied =
            runKestrova({u"smtp"_s, u"--model"_s, QString::number(otherModel), u"--language"_s,
                         u"9"_s, u"--out"_s, other, u"--profile"_s, profile},
                        settings());
        QVERIFY2(copied.exitCode == 0, qPrintable(copied.err + inspected.out));
        QCOMPARE(fileBytes(recordFilePath(other, u"smtp.dat"_s)).toHex(' '), original.toHex(' '));
    }

    void inspectLines_data() {
        QTest::addColumn<QStringList>("flags");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("form from the header") << QStringList{}
                                              << QStringList{"kind: smtp",
                                                             "size: 720 bytes (ok)",
                                                             "+ 15 (ok)",
                                                             "line ends: CR LF (ok)",
                                                             "user name: \"trailcam\" (ok)",
                                                             "form: B (from the header)",
                                                             "mode: Auto",
                                                             "country: United Kingdom",
                                                             "operator: O2",
                                                             "remote_hours: Off",
                                                             "status: SMS",
                                                             "pictures_per_day: 0 (unlimited)",
                                                             "server: \"smtp.example.com\"",
                                                             "smtp_language: 3 (Deutsch)"};
        QTest::newRow("model given")
            << QStringList{"--model", "4"} << QStringList{"model: 4 (Kes RhoMG), SMTP form B"};
    }
    void inspectLines() {
        QFETCH(QStringList, flags);
        QFETCH(QStringList, lines);
        const auto written = runKestrova(
            withSets(smtpCommand(7) + QStringList{"--language", "3"},
                     mail + QStringList{"country=United Kingdom", "operator=O2", "status=SMS"}),
            settings());
        QVERIFY2(written.exitCode == 0, qPrintable(written.err));
        const auto result = runKestrova(QStringList{u"inspect"_s, smtpFile()} + flags, settings());
        QCOMPARE(result.exitCode, 0);
        for (const QString& line : lines)
            QVERIFY2(result.out.contains(line), qPrintable(line + u'\n' + result.out));
    }

    void inspectFindsARenamedFileByItsCheckValue() {
        QCOMPARE(runKestrova(withSets(smtpCommand(6), mail), settings()).exitCode, 0);
        const QString renamed = dir.filePath(u"copy.bin"_s);
        QFile::remove(renamed);
        QVERIFY(QFile::copy(smtpFile(), renamed));
        const auto result = runKestrova({u"inspect"_s, renamed}, settings());
        QCOMPARE(result.exitCode, 0);
        QVERIFY2(result.out.contains(u"kind: smtp"_s), qPrintable(result.out));
        QVERIFY2(result.out.contains(u"form: A (from the header)"_s), qPrintable(result.out));
    }

    void inspectFindsDamage_data() {
        QTest::addColumn<int>("offset");
        QTest::addColumn<QString>("line");
        QTest::newRow("a text byte") << 361 << "check value: stored";
        QTest::newRow("the check value") << 716 << "(DAMAGED)";
        QTest::newRow("a line end") << 119 << "line ends: missing (DAMAGED)";
    }
    void inspectFindsDamage() {
        QFETCH(int, offset);
        QFETCH(QString, line);
        QCOMPARE(runKestrova(withSets(smtpCommand(7), mail), settings()).exitCode, 0);
        QByteArray bytes = fileBytes(smtpFile());
        bytes[offset] = static_cast<char>(bytes[offset] ^ 0x01);
        QVERIFY(writeFile(smtpFile(), bytes));
        const auto result = runKestrova({u"inspect"_s, smtpFile()}, settings());
        QCOMPARE(result.exitCode, 3);
        QVERIFY2(result.out.contains(u"kind: smtp"_s), qPrintable(result.out));
        QVERIFY2(result.out.contains(line), qPrintable(result.out));
        QVERIFY2(result.out.contains(u"(DAMAGED)"_s), qPrintable(result.out));
        const auto json = runKestrova({u"inspect"_s, smtpFile(), u"--json"_s}, settings());
        QCOMPARE(json.exitCode, 3);
        QVERIFY2(json.out.contains(u"\"intact\": false"_s), qPrintable(json.out));
    }

    void inspectRefusesAModelWithoutSmtp() {
        QCOMPARE(runKestrova(withSets(smtpCommand(3), mail), settings()).exitCode, 0);
        const auto result =
            runKestrova({u"inspect"_s, smtpFile(), u"--model"_s, u"2"_s}, settings());
        QCOMPARE(result.exitCode, 2);
        QVERIFY2(result.err.contains(u"model 2 (Kes RhoM) has no SMTP settings"_s),
                 qPrintable(result.err));
    }

    void usageNamesTheCommand() {
        const auto usage = runKestrova({u"--help"_s}, settings());
        QVERIFY(usage.out.contains(u"kestrova smtp --model N [--out DIR]"_s));
        const auto help = runKestrova({u"smtp"_s, u"--help"_s}, settings());
        QCOMPARE(help.exitCode, 0);
        QVERIFY(help.out.contains(u"--set <NAME=VALUE>"_s));
        QVERIFY(!help.out.contains(u"--tv-mode"_s));
    }
};

KESTROVA_TEST(SmtpCommandTest)
#include "smtp_command_test.moc"
