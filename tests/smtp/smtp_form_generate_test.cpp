#include "codec/text_encoding.h"
#include "smtp/gprs_presets.h"
#include "smtp/smtp_form_test_support.h"
#include "storage/record_file.h"
#include "support/test_registry.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace kestrova;
using namespace kestrova::res::smtp_form;
using kestrova::test::fileBytes;
using kestrova::test::plainAt;
using kestrova::test::plainText;
using kestrova::test::SmtpFormDriver;
using kestrova::test::writtenMessage;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(kestrova::SmtpForm)

namespace {

const QString smtpName = u"smtp.dat"_s;
const QString generated = u"SMTP configuration file has been generated"_s;

QString ascii(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// Carries out steps written as "NAME=VALUE": lists take a position, the rest is typed.
void apply(SmtpFormDriver& f, const QStringList& steps) {
    for (const QString& step : steps) {
        const QString name = step.section(u'=', 0, 0);
        const QString value = step.section(u'=', 1);
        if (name == u"mode")
            f.choose(modeList, value.toInt());
        else if (name == u"country")
            f.choose(countryList, value.toInt());
        else if (name == u"operator")
            f.choose(operatorList, value.toInt());
        else if (name == u"remote")
            f.choose(hourList(f.form()), value.toInt());
        else if (name == u"status")
            f.choose(statusList, value.toInt());
        else if (name == u"pictures")
            f.type(picturesField, value);
        else if (name == u"apn")
            f.type(apnField, value);
        else if (name == u"phone")
            f.type(phoneField, value);
        else
            QFAIL(qPrintable(u"unknown step "_s + step));
    }
}

} // namespace

// Generate: its checks in order, the preset in "Auto" mode, and the bytes that reach the card.
class SmtpFormGenerateTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString card() const { return dir.path(); }
    QString smtpFile() const { return recordFilePath(card(), smtpName); }
    QString written() const { return writtenMessage(generated, smtpFile()); }

    // A form with every mail field filled in, pointed at the card.
    void prepare(SmtpFormDriver& f) const {
        f.selectFolder(card());
        f.fillMail();
    }

private Q_SLOTS:
    void init() { QFile::remove(smtpFile()); }

    void headerBytesReachTheFile_data() {
        QTest::addColumn<SmtpForm>("form");
        QTest::addColumn<int>("language");
        QTest::addColumn<bool>("chineseRequested");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QByteArray>("header"); // plain bytes 0 to 8
        QTest::addColumn<int>("automatic");     // byte 55
        const auto A = SmtpForm::A, B = SmtpForm::B;
        QTest::newRow("A as it opens")
            << A << 2 << false << QStringList{} << QByteArray::fromHex("000000000002010119") << 1;
        QTest::newRow("B as it opens")
            << B << 2 << false << QStringList{} << QByteArray::fromHex("000000000002011901") << 1;
        QTest::newRow("A manual") << A << 2 << false << QStringList{"mode=1", "apn=cmnet"}
                                  << QByteArray::fromHex("000080000002010119") << 0;
        QTest::newRow("B manual") << B << 9 << false << QStringList{"mode=1", "apn=cmnet"}
                                  << QByteArray::fromHex("000080000009011901") << 0;
        QTest::newRow("A operator, pictures, hours")
            << A << 10 << false
            << QStringList{"country=3", "operator=4", "pictures=25", "remote=7",
                           "phone=13800138000"}
            << QByteArray::fromHex("00040302050a010107") << 1;
        QTest::newRow("B status SMS, hour 0")
            << B << 2 << false << QStringList{"status=2", "remote=0", "phone=13800138000"}
            << QByteArray::fromHex("000000000002020001") << 1;
        QTest::newRow("B status off, last country")
            << B << 11 << false << QStringList{"status=0", "country=40", "pictures=99"}
            << QByteArray::fromHex("00002809090b001901") << 1;
        QTest::newRow("Chinese requested, shown in English")
            << A << 2 << true << QStringList{} << QByteArray::fromHex("000000000001010119") << 1;
        QTest::newRow("Chinese") << B << 1 << false << QStringList{}
                                 << QByteArray::fromHex("000000000001011901") << 1;
    }
    void headerBytesReachTheFile() {
        QFETCH(SmtpForm, form);
        QFETCH(int, language);
        QFETCH(bool, chineseRequested);
        QFETCH(QStringList, steps);
        QFETCH(QByteArray, header);
        QFETCH(int, automatic);
        SmtpFormDriver f(form, form == SmtpForm::A ? 5 : 4, language, chineseRequested);
        f.selectFolder(card());
        apply(f, steps); // a change of mode empties the mail fields: they come after
        f.fillMail();
        f.press(generateButton);
        QCOMPARE(f.host.messages.size(), 1);
        QCOMPARE(f.host.messages.first(),
                 writtenMessage(language == 1 ? u"SMTP配置文件已生成"_s : generated, smtpFile(),
                                language));
        const QByteArray bytes = fileBytes(smtpFile());
        QCOMPARE(bytes.size(), 720);
        QByteArray plain;
        for (int offset = 0; offset < 9; ++offset)
            plain += char(plainAt(bytes, offset));
        QCOMPARE(plain.toHex(' '), header.toHex(' '));
        QCOMPARE(plainAt(bytes, 55), automatic);
        for (int offset = 9; offset < 55; ++offset)
            QCOMPARE(plainAt(bytes, offset), 0);
        QCOMPARE(bytes.right(2), QByteArray("\r\n"));
    }

    void textsReachTheirBlocks_data() {
        QTest::addColumn<SmtpForm>("form");
        QTest::newRow("A") << SmtpForm::A;
        QTest::newRow("B") << SmtpForm::B;
    }
    void textsReachTheirBlocks() {
        QFETCH(SmtpForm, form);
        SmtpFormDriver f(form, form == SmtpForm::A ? 6 : 7, 1);
        f.selectFolder(card());
        f.choose(modeList, 1);
        f.type(apnField, u"internet.example"_s);
        f.type(accountField, u"帐号"_s);
        f.type(gprsPasswordField, u"gprs pw"_s);
        f.type(serverField, u"smtp.example.com"_s);
        f.type(portField, u"587"_s);
        f.type(senderField, u"邮件@example.com"_s);
        f.type(senderPasswordField, u"mail-pw"_s);
        f.type(recipientField, u"owner@example.org"_s);
        f.type(phoneField, u"+8613800138000"_s);
        f.press(generateButton);
        QCOMPARE(f.host.messages,
                 QStringList{writtenMessage(u"SMTP配置文件已生成"_s, smtpFile(), 1)});
        const QByteArray bytes = fileBytes(smtpFile());
        const QStringList expected{"internet.example",
                                   "帐号",
                                   "gprs pw",
                                   "smtp.example.com",
                                   "587",
                                   "邮件@example.com",
                                   "mail-pw",
                                   "+8613800138000",
                                   "邮件",
                                   "owner@example.org"};
        for (int block = 1; block <= 10; ++block) {
            const QByteArray text = plainText(bytes, block * 60);
            QCOMPARE(decodeCp936(text).text, expected[block - 1]);
        }
        // Code page 936 on the card: two bytes for each Chinese character.
        QCOMPARE(static_cast<unsigned char>(bytes.at(120 + 57)), 4);
    }

    // "Auto" mode writes the chosen operator's preset; the locked fields never show it.
    void presetReachesTheFileWhileTheFieldsStayEmpty() {
        SmtpFormDriver f(SmtpForm::A, 3);
        prepare(f);
        const auto check = [&f, this](int country, int operatorIndex) {
            f.choose(countryList, country);
            f.choose(operatorList, operatorIndex);
            f.press(generateButton);
            QCOMPARE(f.host.messages.last(), written());
            const smtp::GprsPreset preset = smtp::gprsPreset(country, operatorIndex);
            const QByteArray bytes = fileBytes(smtpFile());
            QCOMPARE(QString::fromLatin1(plainText(bytes, 60)), ascii(preset.apn));
            QCOMPARE(QString::fromLatin1(plainText(bytes, 120)), ascii(preset.user));
            QCOMPARE(QString::fromLatin1(plainText(bytes, 180)), ascii(preset.password));
            QCOMPARE(plainAt(bytes, 1), operatorIndex);
            QCOMPARE(plainAt(bytes, 2), country);
            for (int id : {apnField, accountField, gprsPasswordField}) {
                QCOMPARE(f.text(id), QString());
                QVERIFY(f.dialog().control(id).readOnly);
            }
            QCOMPARE(f.model->settings().apn, QString());
            QCOMPARE(f.model->settings().account, QString());
        };
        check(0, 0);
        check(3, 1);
        check(1, 1);
        // Showing the values again after a refused Generate still shows nothing there.
        f.type(portField, u"8"_s);
        f.press(generateButton);
        QCOMPARE(f.host.messages.last(), u"Port"_s);
        f.selectFolder(card());
        QCOMPARE(f.text(apnField), QString());
    }

    // A preset without user name and password gives empty blocks; nothing refuses that.
    void presetWithoutUserName() {
        int country = -1, operatorIndex = -1;
        for (int c = 0; c < smtp::gprsCountryCount && country < 0; ++c) {
            for (int o = 0; o < smtp::gprsOperatorCount(c); ++o) {
                if (smtp::gprsPreset(c, o).user.empty() &&
                    smtp::gprsPreset(c, o).password.empty()) {
                    country = c;
                    operatorIndex = o;
                    break;
                }
            }
        }
        QVERIFY(country >= 0);
        SmtpFormDriver f(SmtpForm::B, 7);
        prepare(f);
        f.choose(countryList, country);
        f.choose(operatorList, operatorIndex);
        f.press(generateButton);
        QCOMPARE(f.host.messages, QStringList{written()});
        const QByteArray bytes = fileBytes(smtpFile());
        QCOMPARE(plainText(bytes, 120), QByteArray());
        QCOMPARE(plainText(bytes, 180), QByteArray());
        QVERIFY(!plainText(bytes, 60).isEmpty());
    }

    // Each check through the form: its message, the focus on its field, nothing written.
    void everyCheck_data() {
        QTest::addColumn<SmtpForm>("form");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        const auto A = SmtpForm::A, B = SmtpForm::B;
        QTest::newRow("1 manual APN of one character")
            << A << QStringList{"mode=1", "apn=c"} << 0 << ""
            << "GPRS APN";
        QTest::newRow("2 server") << B << QStringList{} << serverField << "s"
                                  << "Smtp Server";
        QTest::newRow("3 port 8") << A << QStringList{} << portField << "8"
                                  << "Port";
        QTest::newRow("4 sender of one character") << B << QStringList{} << senderField << "a"
                                                   << "Please Input Email";
        QTest::newRow("5 sender without @")
            << A << QStringList{} << senderField << "cam.example.com"
            << "Email Error(@)";
        QTest::newRow("6 sender without .") << B << QStringList{} << senderField << "cam@example"
                                            << "Email Error(.)";
        QTest::newRow("7 sender password") << A << QStringList{} << senderPasswordField << "p"
                                           << "Sender Email Password";
        QTest::newRow("8 recipient") << B << QStringList{} << recipientField << ""
                                     << "Please Input Email";
        QTest::newRow("9 recipient without @")
            << A << QStringList{} << recipientField << "owner.example.org"
            << "Email Error(@)";
        QTest::newRow("10 recipient without .")
            << B << QStringList{} << recipientField << "owner@example"
            << "Email Error(.)";
        QTest::newRow("11 form B, phone of three, remote off")
            << B << QStringList{} << phoneField << "123"
            << "Phone No. Error";
        QTest::newRow("12 phone of four, remote on")
            << A << QStringList{"remote=3"} << phoneField << "1234"
            << "Phone No. Error";
        QTest::newRow("12 no phone, remote on") << B << QStringList{"remote=0"} << phoneField << ""
                                                << "Phone No. Error";
    }
    void everyCheck() {
        QFETCH(SmtpForm, form);
        QFETCH(QStringList, steps);
        QFETCH(int, field);
        QFETCH(QString, text);
        QFETCH(QString, message);
        SmtpFormDriver f(form, form == SmtpForm::A ? 3 : 4);
        prepare(f);
        apply(f, steps);
        if (field != 0)
            f.type(field, text);
        f.press(generateButton);
        QCOMPARE(f.host.messages, QStringList{message});
        QCOMPARE(f.dialog().focus(), field != 0 ? field : apnField);
        QVERIFY(!QFile::exists(smtpFile()));
        QVERIFY(!f.model->result());
    }

    void formAAcceptsAShortPhone() {
        SmtpFormDriver f(SmtpForm::A, 6);
        prepare(f);
        f.type(phoneField, u"123"_s);
        f.press(generateButton);
        QCOMPARE(f.host.messages, QStringList{written()});
        QCOMPARE(plainText(fileBytes(smtpFile()), 480), QByteArray("123"));
    }

    void checksAreInChineseForChinese() {
        SmtpFormDriver f(SmtpForm::B, 7, 1);
        f.selectFolder(card());
        f.press(generateButton);
        QCOMPARE(f.host.messages, QStringList{u"请输入Smtp Server地址"_s});
    }

    void textsTheCardCannotHoldAreRefused_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::newRow("too many bytes")
            << 2 << serverField << QString(u"服"_s).repeated(21)
            << "Smtp Server: the text takes 42 bytes on the camera, but only 40 fit. A Chinese "
               "character takes 2 bytes.";
        QTest::newRow("not in the code page, Chinese")
            << 1 << recipientField << u"☃@example.org"_s
            << "Email 01：字符“☃”无法保存到相机中，请删除该字符。";
    }
    void textsTheCardCannotHoldAreRefused() {
        QFETCH(int, language);
        QFETCH(int, field);
        QFETCH(QString, text);
        QFETCH(QString, message);
        SmtpFormDriver f(SmtpForm::B, 4, language);
        prepare(f);
        f.type(field, text);
        f.press(generateButton);
        QCOMPARE(f.host.messages, QStringList{message});
        QCOMPARE(f.dialog().focus(), field);
        QVERIFY(!QFile::exists(smtpFile()));
    }

    void writeFailureIsReported() {
        const QString notAFolder = card() + u"/plain-file"_s;
        QFile file(notAFolder);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        SmtpFormDriver f(SmtpForm::A, 5, 3);
        f.fillMail();
        f.selectFolder(notAFolder);
        f.press(generateButton);
        const WriteResult expected{
            recordFilePath(notAFolder, smtpName), WriteFailure::FolderMissing, {}};
        QCOMPARE(f.host.messages, QStringList{i18n::writeFailureMessage(expected, 2)});
        QVERIFY(f.host.messages.first().startsWith(u"The file "_s));
        QVERIFY(!f.host.messages.contains(generated));
        QVERIFY(!f.model->result());
    }

    void writingTouchesNoOtherFile() {
        const QString folder = card() + u"/untouched"_s;
        QVERIFY(QDir().mkpath(folder));
        const QString other = recordFilePath(folder, u"mms.dat"_s);
        QFile file(other);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("keep");
        file.close();
        SmtpFormDriver f(SmtpForm::B, 7);
        f.fillMail();
        f.selectFolder(folder);
        f.press(generateButton);
        QCOMPARE(fileBytes(other), QByteArray("keep"));
        QStringList names = QDir(folder).entryList(QDir::Files);
        names.sort();
        QCOMPARE(names, (QStringList{"mms.dat", "smtp.dat"}));
    }

    void generateUsesTheFolderAsShown() {
        SmtpFormDriver f(SmtpForm::A, 3);
        f.fillMail();
        const QString typed = card() + u"/typed"_s;
        QVERIFY(QDir().mkpath(typed));
        f.dialog().userEdited(folderField, typed); // no event: the field alone counts
        f.press(generateButton);
        QCOMPARE(fileBytes(recordFilePath(typed, smtpName)).size(), 720);
    }

    void generateTwiceAndStayOpen() {
        SmtpFormDriver f(SmtpForm::B, 4);
        prepare(f);
        f.press(generateButton);
        const QByteArray first = fileBytes(smtpFile());
        f.press(generateButton);
        QCOMPARE(fileBytes(smtpFile()), first);
        QCOMPARE(f.host.messages, (QStringList{written(), written()}));
        QVERIFY(!f.model->result());
    }

    void enterGenerates() {
        SmtpFormDriver f(SmtpForm::A, 6);
        prepare(f);
        f.model->enterPressed();
        QCOMPARE(f.host.messages, QStringList{written()});
        QCOMPARE(fileBytes(smtpFile()).size(), 720);
        QVERIFY(!f.model->result());
    }
};

KESTROVA_TEST(SmtpFormGenerateTest)
#include "smtp_form_generate_test.moc"
