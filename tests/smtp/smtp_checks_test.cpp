#include "i18n/smtp_texts.h"
#include "sending/sending_messages.h"
#include "smtp/gprs_presets.h"
#include "smtp/smtp_checks.h"
#include "smtp/smtp_file.h"
#include "support/test_registry.h"

#include <QTest>

using namespace kestrova;
using namespace kestrova::smtp;
using i18n::Message;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(kestrova::SmtpForm)
Q_DECLARE_METATYPE(kestrova::smtp::SmtpField)
Q_DECLARE_METATYPE(kestrova::i18n::Message)

namespace {

// Settings every check passes, in "Manual" mode so the APN is tested too.
SmtpSettings passing() {
    SmtpSettings s;
    s.automatic = 0;
    s.country = sending::manualCountry;
    s.operatorCode = 0;
    s.apn = u"cmnet"_s;
    s.server = u"smtp.example.com"_s;
    s.port = u"25"_s;
    s.sender = u"trailcam@example.com"_s;
    s.senderPassword = u"mail-pw"_s;
    s.recipient = u"owner@example.org"_s;
    s.remoteHours = 12;
    s.phone = u"13800138000"_s;
    return s;
}

using Failure = std::optional<sending::CheckFailure<SmtpField>>;

Failure firstFailedCheck(const SmtpSettings& s, SmtpForm form) {
    return sending::firstFailure(SmtpFile::checks(s, form, 1));
}

QString messageOf(const Failure& failure) {
    return failure ? sending::checkText(failure->text, 2) : u"(none)"_s;
}

sending::Prepared<SmtpField> prepared(const SmtpSettings& s, SmtpForm form, int languageByte) {
    return sending::prepare<SmtpFile>(s, form, 1, languageByte, 0);
}

} // namespace

class SmtpChecksTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void passingSettingsPass() {
        QVERIFY(!firstFailedCheck(passing(), SmtpForm::A));
        QVERIFY(!firstFailedCheck(passing(), SmtpForm::B));
    }

    // Each step on its own: everything before it passes, so it is the one that speaks.
    void eachCheck_data() {
        QTest::addColumn<SmtpForm>("form");
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("step");
        QTest::addColumn<Message>("message");
        QTest::addColumn<SmtpField>("field");
        const auto A = SmtpForm::A, B = SmtpForm::B;
        QTest::newRow("1 APN of one character") << A << "apn"
                                                << "c" << 1 << Message::EnterApn << SmtpField::Apn;
        QTest::newRow("2 server") << A << "server"
                                  << "s" << 2 << Message::EnterSmtpServer << SmtpField::Server;
        QTest::newRow("3 port of one digit") << A << "port"
                                             << "8" << 3 << Message::EnterPort << SmtpField::Port;
        QTest::newRow("4 sender of one character")
            << B << "sender"
            << "@" << 4 << Message::EnterEmail << SmtpField::Sender;
        QTest::newRow("5 sender without @")
            << B << "sender"
            << "trailcam.example.com" << 5 << Message::EmailNoAt << SmtpField::Sender;
        QTest::newRow("6 sender without .")
            << A << "sender"
            << "trailcam@example" << 6 << Message::EmailNoDot << SmtpField::Sender;
        QTest::newRow("7 sender password")
            << A << "senderPassword"
            << "p" << 7 << Message::EnterSenderPassword << SmtpField::SenderPassword;
        QTest::newRow("8 recipient empty")
            << B << "recipient"
            << "" << 8 << Message::EnterEmail << SmtpField::Recipient;
        QTest::newRow("9 recipient without @")
            << A << "recipient"
            << "owner.example.org" << 9 << Message::EmailNoAt << SmtpField::Recipient;
        QTest::newRow("10 recipient without .")
            << B << "recipient"
            << "owner@example" << 10 << Message::EmailNoDot << SmtpField::Recipient;
        QTest::newRow("11 form B: short phone, remote off")
            << B << "phone remote off"
            << "123" << 11 << Message::PhoneError << SmtpField::Phone;
        QTest::newRow("12 form A: short phone, remote on")
            << A << "phone"
            << "1234" << 12 << Message::PhoneError << SmtpField::Phone;
        QTest::newRow("11 before 12 on form B: short phone, remote on")
            << B << "phone"
            << "1234" << 11 << Message::PhoneError << SmtpField::Phone;
        QTest::newRow("12 empty phone, remote on")
            << B << "phone"
            << "" << 12 << Message::PhoneError << SmtpField::Phone;
    }
    void eachCheck() {
        QFETCH(SmtpForm, form);
        QFETCH(QString, setting);
        QFETCH(QString, value);
        QFETCH(int, step);
        QFETCH(Message, message);
        QFETCH(SmtpField, field);
        SmtpSettings s = passing();
        if (setting == u"apn")
            s.apn = value;
        else if (setting == u"server")
            s.server = value;
        else if (setting == u"port")
            s.port = value;
        else if (setting == u"sender")
            s.sender = value;
        else if (setting == u"senderPassword")
            s.senderPassword = value;
        else if (setting == u"recipient")
            s.recipient = value;
        else if (setting.startsWith(u"phone"))
            s.phone = value;
        if (setting == u"phone remote off")
            s.remoteHours = remoteOff;
        const auto failure = firstFailedCheck(s, form);
        QVERIFY2(failure, "every check passed");
        QCOMPARE(failure->step, step);
        QCOMPARE(messageOf(failure), i18n::messageFor(message, 2));
        QCOMPARE(failure->field, field);
    }

    // Breaking every field at once: the checks speak in their order, one at a time.
    void orderOfTheChecks_data() {
        QTest::addColumn<SmtpForm>("form");
        QTest::addColumn<QList<int>>("steps");
        QTest::newRow("A") << SmtpForm::A << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12};
        QTest::newRow("B") << SmtpForm::B << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
    }
    void orderOfTheChecks() {
        QFETCH(SmtpForm, form);
        QFETCH(QList<int>, steps);
        SmtpSettings s = passing();
        s.apn = u"x"_s;
        s.server = u"x"_s;
        s.port = u"x"_s;
        s.sender = u"x"_s;
        s.senderPassword = u"x"_s;
        s.recipient = u"x"_s;
        s.phone = u"123"_s;
        // Mend each field as soon as its check has spoken, the way a user answers the messages.
        QList<int> seen;
        while (const auto failure = firstFailedCheck(s, form)) {
            seen << failure->step;
            QVERIFY(seen.size() <= 12);
            switch (failure->step) {
            case 1:
                s.apn = u"cmnet"_s;
                break;
            case 2:
                s.server = u"smtp.example.com"_s;
                break;
            case 3:
                s.port = u"25"_s;
                break;
            case 4:
                s.sender = u"xx"_s;
                break;
            case 5:
                s.sender = u"x@"_s;
                break;
            case 6:
                s.sender = u"x@y.z"_s;
                break;
            case 7:
                s.senderPassword = u"pw"_s;
                break;
            case 8:
                s.recipient = u"xx"_s;
                break;
            case 9:
                s.recipient = u"x@"_s;
                break;
            case 10:
                s.recipient = u"x@y.z"_s;
                break;
            default:
                s.phone = u"13800138000"_s;
                break;
            }
        }
        QCOMPARE(seen, steps);
    }

    void autoModeNeverTestsTheApn() {
        SmtpSettings s = passing();
        s.automatic = 1;
        s.country = 0;
        s.apn.clear();
        QVERIFY(!firstFailedCheck(s, SmtpForm::A));
        s.automatic = 0;
        QCOMPARE(messageOf(firstFailedCheck(s, SmtpForm::A)),
                 i18n::messageFor(Message::EnterApn, 2));
    }

    void phoneRules_data() {
        QTest::addColumn<SmtpForm>("form");
        QTest::addColumn<int>("remoteHours");
        QTest::addColumn<QString>("phone");
        QTest::addColumn<bool>("passes");
        QTest::newRow("A, off, empty") << SmtpForm::A << 25 << "" << true;
        QTest::newRow("B, off, empty") << SmtpForm::B << 25 << "" << true;
        QTest::newRow("A, off, three digits") << SmtpForm::A << 25 << "123" << true;
        QTest::newRow("B, off, three digits") << SmtpForm::B << 25 << "123" << false;
        QTest::newRow("B, off, five digits") << SmtpForm::B << 25 << "12345" << true;
        QTest::newRow("A, 0 hours, four digits") << SmtpForm::A << 0 << "1234" << false;
        QTest::newRow("A, 24 hours, five digits") << SmtpForm::A << 24 << "12345" << true;
        QTest::newRow("A, on, empty") << SmtpForm::A << 3 << "" << false;
    }
    void phoneRules() {
        QFETCH(SmtpForm, form);
        QFETCH(int, remoteHours);
        QFETCH(QString, phone);
        QFETCH(bool, passes);
        SmtpSettings s = passing();
        s.remoteHours = remoteHours;
        s.phone = phone;
        QCOMPARE(!firstFailedCheck(s, form).has_value(), passes);
    }

    // Lengths count bytes: a Chinese character is two, so one of them is long enough.
    void lengthsAreInBytes_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("bytes");
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("ascii") << "ab" << 2;
        QTest::newRow("chinese") << "中" << 2;
        QTest::newRow("mixed") << "邮件a" << 5;
        QTest::newRow("euro sign is one byte") << "€" << 1;
        QTest::newRow("not in the code page") << "☃a" << 3;
        QTest::newRow("outside the BMP") << "😀" << 2;
    }
    void lengthsAreInBytes() {
        QFETCH(QString, text);
        QFETCH(int, bytes);
        QCOMPARE(cp936Length(text), bytes);
    }

    void oneChineseCharacterPassesALengthCheck() {
        SmtpSettings s = passing();
        s.apn = u"中"_s;
        s.server = u"服"_s;
        QVERIFY(!firstFailedCheck(s, SmtpForm::B));
    }

    void atSignAnywhere() {
        SmtpSettings s = passing();
        s.sender = u".@"_s;
        s.recipient = u"@."_s;
        QVERIFY(!firstFailedCheck(s, SmtpForm::A));
        // A full-width "＠" is not the character the camera looks for.
        s.sender = u"a＠b.c"_s;
        QCOMPARE(messageOf(firstFailedCheck(s, SmtpForm::A)),
                 i18n::messageFor(Message::EmailNoAt, 2));
    }

    void presetInAutoModeOnly() {
        SmtpSettings s = passing();
        s.automatic = 1;
        s.country = 0;
        s.operatorCode = 1;
        s.apn = u"typed"_s;
        const SmtpSettings taken = sending::withPreset<SmtpFile>(s);
        const GprsPreset preset = gprsPreset(0, 1);
        QCOMPARE(taken.apn, QString::fromLatin1(preset.apn.data(), qsizetype(preset.apn.size())));
        QCOMPARE(taken.account,
                 QString::fromLatin1(preset.user.data(), qsizetype(preset.user.size())));
        QCOMPARE(taken.gprsPassword,
                 QString::fromLatin1(preset.password.data(), qsizetype(preset.password.size())));
        QVERIFY(!taken.apn.isEmpty());
        // Nothing else changes.
        SmtpSettings rest = taken;
        rest.apn = s.apn;
        rest.account = s.account;
        rest.gprsPassword = s.gprsPassword;
        QCOMPARE(rest, s);

        s.automatic = 0;
        QCOMPARE(sending::withPreset<SmtpFile>(s), s);
    }

    void fieldMessages_data() {
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("language");
        QTest::addColumn<SmtpField>("field");
        QTest::addColumn<QString>("message");
        QTest::newRow("too long in bytes")
            << "server" << QString(u"服"_s).repeated(21) << 2 << SmtpField::Server
            << "Smtp Server: the text takes 42 bytes on the camera, but only 40 fit. A Chinese "
               "character takes 2 bytes.";
        QTest::newRow("too long, Chinese")
            << "senderPassword" << QString(u"密"_s).repeated(17) << 1 << SmtpField::SenderPassword
            << "发送人密码：该内容在相机上占用 34 个字节，最多只能容纳 32 个字节。每个汉字占 2 "
               "个字节。";
        QTest::newRow("not in the code page")
            << "gprsPassword"
            << "pw☃" << 2 << SmtpField::GprsPassword
            << "Password (GPRS Setting): the character \"☃\" cannot be stored on the camera. "
               "Please remove it.";
        QTest::newRow("zero character")
            << "phone" << QString(u"1234"_s + QChar(0) + u"5"_s) << 2 << SmtpField::Phone
            << "Phone No: the character \"U+0000\" cannot be stored on the camera. Please remove "
               "it.";
    }
    void fieldMessages() {
        QFETCH(QString, setting);
        QFETCH(QString, text);
        QFETCH(int, language);
        QFETCH(SmtpField, field);
        QFETCH(QString, message);
        SmtpSettings s = passing();
        if (setting == u"senderPassword")
            s.senderPassword = text;
        if (setting == u"gprsPassword")
            s.gprsPassword = text;
        if (setting == u"phone")
            s.phone = text;
        if (setting == u"server")
            s.server = text;
        const auto file = prepared(s, SmtpForm::B, 2);
        QVERIFY(!file.failure);
        QVERIFY(file.refusal);
        QCOMPARE(file.refusal->id, static_cast<int>(field));
        QCOMPARE(sending::refusalInForm(*file.refusal, &smtpField(field), QString(), language),
                 message);
    }

    void portIsAWholeNumber_data() {
        QTest::addColumn<QString>("port");
        QTest::addColumn<int>("step"); // the refusing check, 0 when written
        QTest::newRow("25") << "25" << 0;
        QTest::newRow("65535") << "65535" << 0;
        QTest::newRow("leading zeros") << "00587" << 0;
        QTest::newRow("letters") << "abc" << portNumberStep;
        QTest::newRow("digits and letters") << "25a" << portNumberStep;
        QTest::newRow("0 and 00") << "00" << portNumberStep;
        QTest::newRow("65536") << "65536" << portNumberStep;
        QTest::newRow("six digits") << "100000" << portNumberStep;
        QTest::newRow("blank") << " 25" << portNumberStep;
        QTest::newRow("full-width digits") << "２５" << portNumberStep;
        QTest::newRow("one digit is still too short") << "8" << 3;
    }
    void portIsAWholeNumber() {
        QFETCH(QString, port);
        QFETCH(int, step);
        SmtpSettings s = passing();
        s.port = port;
        const auto file = prepared(s, SmtpForm::A, 2);
        QCOMPARE(file.failure ? file.failure->step : 0, step);
        QCOMPARE(file.written(), step == 0);
        if (step == portNumberStep) {
            QCOMPARE(file.failure->field, SmtpField::Port);
            QCOMPARE(sending::checkText(file.failure->text, 3),
                     u"Der Port muss eine ganze Zahl von 1 bis 65535 sein."_s);
        }
    }

    void checksComeBeforeTheRecord() {
        SmtpSettings s = passing();
        s.apn = u"☃"_s; // the record would refuse it, but check 2 speaks first
        s.server.clear();
        const auto file = prepared(s, SmtpForm::A, 2);
        QCOMPARE(file.failure->step, 2);
        QCOMPARE(sending::checkText(file.failure->text, 1), u"请输入Smtp Server地址"_s);
        QCOMPARE(file.failure->field, SmtpField::Server);
    }

    void preparedFileIsTheRecordOfThePreset() {
        SmtpSettings s = passing();
        s.automatic = 1;
        s.country = 3;
        s.operatorCode = 2;
        const auto file = prepared(s, SmtpForm::A, 10);
        QVERIFY(file.written());
        const RecordBytes expected =
            buildSmtpRecord(sending::withPreset<SmtpFile>(s), SmtpForm::A, 10);
        QVERIFY(expected.ok());
        QCOMPARE(file.bytes, expected.bytes);
        QCOMPARE(file.bytes.size(), 720);
    }

    void fieldNamesAreDistinct() {
        for (int language : {1, 2}) {
            QSet<QString> names;
            for (const SmtpFieldRow& row : smtpFields())
                names.insert(sending::messageName(row.message, language));
            QCOMPARE(names.size(), static_cast<int>(smtpFields().size()));
        }
    }
};

KESTROVA_TEST(SmtpChecksTest)
#include "smtp_checks_test.moc"
