#include "codec/block_container.h"
#include "codec/crc16.h"
#include "i18n/language.h"
#include "smtp/smtp_record.h"
#include "support/container_bytes.h"
#include "support/test_registry.h"

#include <QTest>

using namespace kestrova;
using namespace kestrova::test;
using namespace kestrova::smtp;
using namespace Qt::StringLiterals;

namespace {

QByteArray hex(const char* text) {
    return QByteArray::fromHex(QByteArray(text));
}

QByteArray build(const SmtpSettings& settings, SmtpForm form, int languageByte = 2) {
    const RecordBytes record = buildSmtpRecord(settings, form, languageByte);
    if (!record.ok())
        qWarning("%s", qPrintable(codec::describe(*record.error)));
    return record.bytes;
}

SmtpSettings filledSettings() {
    SmtpSettings s;
    s.automatic = 0;
    s.country = manualCountry;
    s.operatorCode = 0;
    s.picturesPerDay = 42;
    s.remoteHours = 12;
    s.status = 2;
    s.apn = u"cmnet"_s;
    s.account = u"gprs"_s;
    s.gprsPassword = u"gprs-pw"_s;
    s.server = u"smtp.example.com"_s;
    s.port = u"25"_s;
    s.sender = u"trailcam@example.com"_s;
    s.senderPassword = u"mail-pw"_s;
    s.phone = u"13800138000"_s;
    s.recipient = u"owner@example.org"_s;
    return s;
}

} // namespace

namespace kestrova::smtp {

// Readable failures: the fields that differ show in the test log.
char* toString(const SmtpSettings& s) {
    const QString text =
        QStringLiteral("auto %1 country %2 operator %3 perDay %4 remote %5 status %6 apn \"%7\" "
                       "account \"%8\" gprsPassword \"%9\" server \"%10\" port \"%11\" "
                       "sender \"%12\" senderPassword \"%13\" phone \"%14\" recipient \"%15\"")
            .arg(s.automatic)
            .arg(s.country)
            .arg(s.operatorCode)
            .arg(s.picturesPerDay)
            .arg(s.remoteHours)
            .arg(s.status)
            .arg(s.apn, s.account, s.gprsPassword, s.server, s.port, s.sender, s.senderPassword,
                 s.phone, s.recipient);
    return qstrdup(text.toUtf8().constData());
}

} // namespace kestrova::smtp

Q_DECLARE_METATYPE(kestrova::SmtpForm)
Q_DECLARE_METATYPE(kestrova::smtp::SmtpSettings)
Q_DECLARE_METATYPE(kestrova::smtp::FieldError::Reason)

class SmtpRecordTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void headerOfTheStartValues_data() {
        QTest::addColumn<SmtpForm>("form");
        QTest::addColumn<QByteArray>("expected");
        // 0, operator 0, country 0, 0 and 0 per day, English, then bytes 6 to 8 of the form;
        // Auto at 55 in plain form.
        const QByteArray tail = QByteArray(41, '\xFF') + hex("00 00 00 00 00 01 00 00 0D 0A");
        QTest::newRow("A: 1, 1, remote off")
            << SmtpForm::A << hex("FF FF FF FF FF DF EF EF 6E") + tail;
        QTest::newRow("B: VGA, remote off, 1")
            << SmtpForm::B << hex("FF FF FF FF FF DF EF 6E EF") + tail;
    }
    void headerOfTheStartValues() {
        QFETCH(SmtpForm, form);
        QFETCH(QByteArray, expected);
        QCOMPARE(build(SmtpSettings{}, form).left(60).toHex(' '), expected.toHex(' '));
    }

    void headerBytes_data() {
        QTest::addColumn<SmtpForm>("form");
        QTest::addColumn<QString>("change");
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("plain");
        const auto A = SmtpForm::A, B = SmtpForm::B;
        for (SmtpForm form : {A, B}) {
            const char* f = form == A ? "A" : "B";
            QTest::addRow("%s: byte 0 is zero", f) << form << u"manual"_s << 0 << 0;
            QTest::addRow("%s: manual operator", f) << form << u"manual"_s << 1 << 0;
            QTest::addRow("%s: manual country", f) << form << u"manual"_s << 2 << 0x80;
            QTest::addRow("%s: manual flag", f) << form << u"manual"_s << 55 << 0;
            QTest::addRow("%s: auto first operator", f) << form << u"auto 0 0"_s << 1 << 0;
            QTest::addRow("%s: auto first country", f) << form << u"auto 0 0"_s << 2 << 0;
            QTest::addRow("%s: auto flag", f) << form << u"auto 0 0"_s << 55 << 1;
            QTest::addRow("%s: auto operator 4", f) << form << u"auto 40 4"_s << 1 << 4;
            QTest::addRow("%s: auto country 40", f) << form << u"auto 40 4"_s << 2 << 40;
            QTest::addRow("%s: 25 per day, tens", f) << form << u"pictures 25"_s << 3 << 2;
            QTest::addRow("%s: 25 per day, units", f) << form << u"pictures 25"_s << 4 << 5;
            QTest::addRow("%s: 0 per day, tens", f) << form << u"pictures 0"_s << 3 << 0;
            QTest::addRow("%s: 0 per day, units", f) << form << u"pictures 0"_s << 4 << 0;
            QTest::addRow("%s: chinese requested", f) << form << u"language 1"_s << 5 << 1;
            QTest::addRow("%s: japanese", f) << form << u"language 10"_s << 5 << 10;
            QTest::addRow("%s: nothing after byte 8", f) << form << u"remote 3"_s << 9 << 0;
        }
        QTest::newRow("A: byte 6 always 1") << A << u"status 0"_s << 6 << 1;
        QTest::newRow("A: byte 7 always 1") << A << u"remote 3"_s << 7 << 1;
        QTest::newRow("A: remote off at 8") << A << u"remote 25"_s << 8 << 25;
        QTest::newRow("A: remote 3 at 8") << A << u"remote 3"_s << 8 << 3;
        QTest::newRow("A: remote 0 at 8") << A << u"remote 0"_s << 8 << 0;
        QTest::newRow("B: status off at 6") << B << u"status 0"_s << 6 << 0;
        QTest::newRow("B: status SMS at 6") << B << u"status 2"_s << 6 << 2;
        QTest::newRow("B: remote off at 7") << B << u"remote 25"_s << 7 << 25;
        QTest::newRow("B: remote 3 at 7") << B << u"remote 3"_s << 7 << 3;
        QTest::newRow("B: byte 8 always 1") << B << u"remote 3"_s << 8 << 1;
        QTest::newRow("B: byte 8 always 1, remote off") << B << u"remote 25"_s << 8 << 1;
    }
    void headerBytes() {
        QFETCH(SmtpForm, form);
        QFETCH(QString, change);
        QFETCH(int, offset);
        QFETCH(int, plain);
        SmtpSettings s;
        int language = 2;
        const QStringList words = change.split(u' ');
        if (words[0] == u"manual") {
            s.automatic = 0;
            s.country = manualCountry;
            s.operatorCode = 0;
        } else if (words[0] == u"auto") {
            s.automatic = 1;
            s.country = words[1].toInt();
            s.operatorCode = words[2].toInt();
        } else if (words[0] == u"pictures") {
            s.picturesPerDay = words[1].toInt();
        } else if (words[0] == u"language") {
            language = words[1].toInt();
        } else if (words[0] == u"status") {
            s.status = words[1].toInt();
        } else if (words[0] == u"remote") {
            s.remoteHours = words[1].toInt();
        } else {
            QFAIL("unknown change");
        }
        const QByteArray file = build(s, form, language);
        QCOMPARE(plainAt(file, offset), plain);
    }

    void manualHeaderAsStored() {
        SmtpSettings s;
        s.automatic = 0;
        s.country = manualCountry;
        s.operatorCode = 0;
        const QByteArray file = build(s, SmtpForm::A);
        QCOMPARE(int(static_cast<unsigned char>(file.at(1))), 0xFF);
        QCOMPARE(int(static_cast<unsigned char>(file.at(2))), 0xF7);
        QCOMPARE(int(file.at(55)), 0);
    }

    void autoHeaderAsStored() {
        const QByteArray file = build(SmtpSettings{}, SmtpForm::B);
        QCOMPARE(file.mid(1, 2), hex("FFFF"));
        QCOMPARE(int(file.at(55)), 1);
    }

    void textsGoToTheirBlocks_data() {
        QTest::addColumn<int>("fileOffset");
        QTest::addColumn<QString>("text");
        const SmtpSettings s = filledSettings();
        QTest::newRow("apn") << 60 << s.apn;
        QTest::newRow("account") << 120 << s.account;
        QTest::newRow("gprsPassword") << 180 << s.gprsPassword;
        QTest::newRow("server") << 240 << s.server;
        QTest::newRow("port") << 300 << s.port;
        QTest::newRow("sender") << 360 << s.sender;
        QTest::newRow("senderPassword") << 420 << s.senderPassword;
        QTest::newRow("phone") << 480 << s.phone;
        QTest::newRow("sender user name") << 540 << u"trailcam"_s;
        QTest::newRow("recipient") << 600 << s.recipient;
    }
    void textsGoToTheirBlocks() {
        QFETCH(int, fileOffset);
        QFETCH(QString, text);
        for (SmtpForm form : {SmtpForm::A, SmtpForm::B}) {
            const QByteArray file = build(filledSettings(), form);
            QCOMPARE(plainText(file, fileOffset), text.toLatin1());
            // Zeros after the text: 0xFF up to 49, plain from 50 to 56.
            const int length = int(text.size());
            QCOMPARE(file.mid(fileOffset + length, 50 - length), QByteArray(50 - length, '\xFF'));
            QCOMPARE(file.mid(fileOffset + 50, 7), QByteArray(7, '\0'));
            QCOMPARE(file.mid(fileOffset + 58, 2), hex("0D0A"));
        }
    }

    void userNameBlock_data() {
        QTest::addColumn<QString>("sender");
        QTest::addColumn<QByteArray>("userName");
        QTest::newRow("three bytes") << u"cam@example.com"_s << QByteArray("cam");
        QTest::newRow("first @ counts") << u"a.b@c@d.e"_s << QByteArray("a.b");
        QTest::newRow("nothing before @") << u"@example.com"_s << QByteArray();
        QTest::newRow("no @") << u"example.com"_s << QByteArray("example.com");
        QTest::newRow("empty") << QString() << QByteArray();
        QTest::newRow("chinese") << u"中文@example.cn"_s << hex("d6d0cec4");
        // 0x8140 carries a 0x40 as its second byte: it is part of the character, not an "@".
        QTest::newRow("trail byte 0x40") << u"丂x@y.cn"_s << hex("814078");
    }
    void userNameBlock() {
        QFETCH(QString, sender);
        QFETCH(QByteArray, userName);
        SmtpSettings s;
        s.sender = sender;
        const QByteArray file = build(s, SmtpForm::B);
        QCOMPARE(plainText(file, 540).toHex(' '), userName.toHex(' '));
        QCOMPARE(int(file.at(540 + 57)), int(userName.size()));
    }

    void checkValueIsTheCrcPlus15_data() {
        QTest::addColumn<SmtpForm>("form");
        QTest::addColumn<SmtpSettings>("settings");
        QTest::newRow("A, start values") << SmtpForm::A << SmtpSettings{};
        QTest::newRow("B, start values") << SmtpForm::B << SmtpSettings{};
        QTest::newRow("A, filled") << SmtpForm::A << filledSettings();
        QTest::newRow("B, filled") << SmtpForm::B << filledSettings();
    }
    void checkValueIsTheCrcPlus15() {
        QFETCH(SmtpForm, form);
        QFETCH(SmtpSettings, settings);
        const QByteArray file = build(settings, form);
        QCOMPARE(file.size(), 720);
        QCOMPARE(file.right(2), hex("0D0A"));
        QCOMPARE(file.mid(660, 56), QByteArray(56, '\0'));
        QCOMPARE(storedCheckValue(file), (crcOfDataBlocks(file) + 15) & 0xFFFF);
    }

    void checkValueWraps() {
        // These settings happen to give the CRC 0xFFF5; plus 15 it wraps to 0x0004.
        SmtpSettings s;
        s.server = u"smtp.example.com"_s;
        s.port = u"25"_s;
        s.sender = u"cam@example.com"_s;
        s.senderPassword = u"pw0tpe"_s;
        s.recipient = u"me@example.com"_s;
        const QByteArray file = build(s, SmtpForm::A);
        QCOMPARE(crcOfDataBlocks(file), std::uint16_t(0xFFF5));
        QCOMPARE(int(file.at(716)), 0x04);
        QCOMPARE(int(file.at(717)), 0x00);
        const DecodedSmtp decoded = decodeSmtpRecord(file, SmtpForm::A);
        QVERIFY(decoded.check.intact());
        QCOMPARE(decoded.check.storedCheckValue, std::uint16_t(0x0004));
    }

    void limitsDependOnTheForm_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("limitA");
        QTest::addColumn<int>("limitB");
        QTest::newRow("apn") << u"apn"_s << 32 << 32;
        QTest::newRow("account") << u"account"_s << 32 << 32;
        QTest::newRow("gprsPassword") << u"gprs_password"_s << 32 << 32;
        QTest::newRow("server") << u"server"_s << 40 << 40;
        QTest::newRow("port") << u"port"_s << 10 << 10;
        QTest::newRow("sender") << u"sender"_s << 32 << 40;
        QTest::newRow("senderPassword") << u"sender_password"_s << 32 << 32;
        QTest::newRow("phone") << u"phone"_s << 30 << 30;
        QTest::newRow("recipient") << u"recipient"_s << 32 << 40;
    }
    void limitsDependOnTheForm() {
        QFETCH(QString, field);
        QFETCH(int, limitA);
        QFETCH(int, limitB);
        for (const auto& [form, limit] :
             {std::pair{SmtpForm::A, limitA}, std::pair{SmtpForm::B, limitB}}) {
            for (int length : {limit, limit + 1}) {
                SmtpSettings s;
                QString* target = field == u"sender"            ? &s.sender
                                  : field == u"recipient"       ? &s.recipient
                                  : field == u"apn"             ? &s.apn
                                  : field == u"account"         ? &s.account
                                  : field == u"gprs_password"   ? &s.gprsPassword
                                  : field == u"server"          ? &s.server
                                  : field == u"port"            ? &s.port
                                  : field == u"sender_password" ? &s.senderPassword
                                                                : &s.phone;
                *target = u"a@b."_s + QString(length - 4, u'x');
                const RecordBytes record = buildSmtpRecord(s, form, 2);
                QCOMPARE(record.ok(), length <= limit);
                if (length > limit) {
                    QCOMPARE(record.error->field, field);
                    QCOMPARE(record.error->reason, FieldError::Reason::TooLong);
                    QCOMPARE(record.error->upper, limit);
                    QCOMPARE(record.error->actual, length);
                    QVERIFY(record.bytes.isEmpty());
                }
            }
        }
    }

    void refusesWhatDoesNotFit_data() {
        QTest::addColumn<SmtpForm>("form");
        QTest::addColumn<SmtpSettings>("settings");
        QTest::addColumn<int>("languageByte");
        QTest::addColumn<QString>("field");
        QTest::addColumn<FieldError::Reason>("reason");
        using R = FieldError::Reason;
        const auto A = SmtpForm::A, B = SmtpForm::B;
        auto with = [](auto change) {
            SmtpSettings s;
            change(s);
            return s;
        };
        QTest::newRow("100 per day") << A << with([](SmtpSettings& s) { s.picturesPerDay = 100; })
                                     << 2 << u"pictures_per_day"_s << R::OutOfRange;
        QTest::newRow("remote 26") << B << with([](SmtpSettings& s) { s.remoteHours = 26; }) << 2
                                   << u"remote_hours"_s << R::OutOfRange;
        QTest::newRow("B status 3") << B << with([](SmtpSettings& s) { s.status = 3; }) << 2
                                    << u"status"_s << R::OutOfRange;
        QTest::newRow("automatic -1") << A << with([](SmtpSettings& s) { s.automatic = -1; }) << 2
                                      << u"mode"_s << R::OutOfRange;
        QTest::newRow("country 300") << A << with([](SmtpSettings& s) { s.country = 300; }) << 2
                                     << u"country"_s << R::OutOfRange;
        QTest::newRow("operator 256") << B << with([](SmtpSettings& s) { s.operatorCode = 256; })
                                      << 2 << u"operator"_s << R::OutOfRange;
        QTest::newRow("language byte below those the camera knows")
            << A << SmtpSettings{} << i18n::cameraLanguageBytes.lower - 1 << u"cameraLanguage"_s
            << R::OutOfRange;
        QTest::newRow("language byte above those the camera knows")
            << B << SmtpSettings{} << i18n::cameraLanguageBytes.upper + 1 << u"cameraLanguage"_s
            << R::OutOfRange;
        QTest::newRow("server with an emoji")
            << A << with([](SmtpSettings& s) { s.server = u"smtp\U0001F4E7.cn"_s; }) << 2
            << u"server"_s << R::NotEncodable;
        QTest::newRow("sender with thai")
            << B << with([](SmtpSettings& s) { s.sender = u"\u0E01@x.th"_s; }) << 2 << u"sender"_s
            << R::NotEncodable;
        QTest::newRow("phone with a zero character")
            << A << with([](SmtpSettings& s) { s.phone = u"138"_s + QChar(0); }) << 2 << u"phone"_s
            << R::ContainsZero;
        QTest::newRow("sender password with BEL")
            << B << with([](SmtpSettings& s) { s.senderPassword = u"se\acret"_s; }) << 2
            << u"sender_password"_s << R::ControlCharacter;
        QTest::newRow("server with a tab")
            << A << with([](SmtpSettings& s) { s.server = u"smtp\t.cn"_s; }) << 2 << u"server"_s
            << R::ControlCharacter;
        QTest::newRow("recipient, 17 chinese characters in A")
            << A << with([](SmtpSettings& s) { s.recipient = QString(17, QChar(0x4E2D)); }) << 2
            << u"recipient"_s << R::TooLong;
    }
    void refusesWhatDoesNotFit() {
        QFETCH(SmtpForm, form);
        QFETCH(SmtpSettings, settings);
        QFETCH(int, languageByte);
        QFETCH(QString, field);
        QFETCH(FieldError::Reason, reason);
        const RecordBytes record = buildSmtpRecord(settings, form, languageByte);
        QVERIFY(!record.ok());
        QVERIFY(record.bytes.isEmpty());
        QCOMPARE(record.error->field, field);
        QCOMPARE(record.error->reason, reason);
    }

    void formAIgnoresStatus() {
        SmtpSettings s;
        s.status = 7;
        const RecordBytes record = buildSmtpRecord(s, SmtpForm::A, 2);
        QVERIFY(record.ok());
        s.status = 0;
        QCOMPARE(record.bytes, build(s, SmtpForm::A));
    }

    void decodeIsTheInverse_data() {
        QTest::addColumn<SmtpForm>("form");
        QTest::addColumn<SmtpSettings>("settings");
        QTest::addColumn<int>("languageByte");
        for (SmtpForm form : {SmtpForm::A, SmtpForm::B}) {
            const char* f = form == SmtpForm::A ? "A" : "B";
            QTest::addRow("%s: start values", f) << form << SmtpSettings{} << 2;
            QTest::addRow("%s: filled, manual", f) << form << filledSettings() << 1;
            SmtpSettings chinese = filledSettings();
            chinese.automatic = 1;
            chinese.country = 40;
            chinese.operatorCode = 9;
            chinese.picturesPerDay = 99;
            chinese.remoteHours = 0;
            chinese.status = 0;
            chinese.account = u"账户"_s;
            chinese.sender = u"相机@例子.cn"_s;
            chinese.server = QString(40, u's');
            QTest::addRow("%s: chinese texts, limits", f) << form << chinese << 11;
        }
    }
    void decodeIsTheInverse() {
        QFETCH(SmtpForm, form);
        QFETCH(SmtpSettings, settings);
        QFETCH(int, languageByte);
        const DecodedSmtp decoded = decodeSmtpRecord(build(settings, form, languageByte), form);
        SmtpSettings expected = settings;
        if (form == SmtpForm::A)
            expected.status = SmtpSettings{}.status;
        QCOMPARE(decoded.settings, expected);
        QCOMPARE(decoded.languageByte, languageByte);
        QCOMPARE(decoded.madeText, senderUserName(settings.sender));
        QVERIFY(decoded.check.intact());
    }

    void decodingWithTheWrongFormShows() {
        const QByteArray fileA = build(SmtpSettings{}, SmtpForm::A);
        const QByteArray fileB = build(SmtpSettings{}, SmtpForm::B);
        QVERIFY(!decodeSmtpRecord(fileA, SmtpForm::B).check.layoutOk);
        QVERIFY(!decodeSmtpRecord(fileB, SmtpForm::A).check.layoutOk);
        QVERIFY(decodeSmtpRecord(fileA, SmtpForm::A).check.intact());
        QVERIFY(decodeSmtpRecord(fileB, SmtpForm::B).check.intact());
    }

    void findsDamage_data() {
        QTest::addColumn<int>("offset");
        QTest::addColumn<bool>("checkValueOk");
        QTest::addColumn<bool>("lineEndsOk");
        QTest::newRow("operator") << 1 << false << true;
        QTest::newRow("automatic flag") << 55 << false << true;
        QTest::newRow("sender letter") << 362 << false << true;
        QTest::newRow("user name length") << 597 << false << true;
        QTest::newRow("line end") << 119 << false << false;
        QTest::newRow("check value low byte") << 716 << false << true;
        QTest::newRow("check value high byte") << 717 << false << true;
    }
    void findsDamage() {
        QFETCH(int, offset);
        QFETCH(bool, checkValueOk);
        QFETCH(bool, lineEndsOk);
        QByteArray file = build(filledSettings(), SmtpForm::B);
        QVERIFY(decodeSmtpRecord(file, SmtpForm::B).check.intact());
        file[offset] = char(file[offset] ^ 0x01);
        const SmtpRecordCheck check = decodeSmtpRecord(file, SmtpForm::B).check;
        QCOMPARE(check.checkValueOk, checkValueOk);
        QCOMPARE(check.lineEndsOk, lineEndsOk);
        QVERIFY(!check.intact());
    }

    void wrongSizeIsDamaged_data() {
        QTest::addColumn<int>("size");
        QTest::newRow("empty") << 0;
        QTest::newRow("without check block") << 660;
        QTest::newRow("one byte short") << 719;
        QTest::newRow("one byte more") << 721;
    }
    void wrongSizeIsDamaged() {
        QFETCH(int, size);
        QByteArray file = build(filledSettings(), SmtpForm::A);
        file.resize(size);
        const SmtpRecordCheck check = decodeSmtpRecord(file, SmtpForm::A).check;
        QVERIFY(!check.sizeOk);
        QVERIFY(!check.checkValueOk);
        QVERIFY(!check.intact());
    }

    void userNameMustMatchTheSender() {
        codec::DataBlocks plain = codec::openContainer(build(filledSettings(), SmtpForm::A)).plain;
        plain[9] = codec::textBlock("trailcat");
        const SmtpRecordCheck check =
            decodeSmtpRecord(codec::sealContainer(plain, smtpAdjustment), SmtpForm::A).check;
        QVERIFY(check.checkValueOk);
        QVERIFY(check.layoutOk);
        QVERIFY(!check.madeTextOk);
        QVERIFY(!check.intact());
    }

    void checkValueWithoutThe15IsWrong() {
        const codec::DataBlocks plain =
            codec::openContainer(build(filledSettings(), SmtpForm::B)).plain;
        QVERIFY(!decodeSmtpRecord(codec::sealContainer(plain, 0), SmtpForm::B).check.checkValueOk);
        QVERIFY(decodeSmtpRecord(codec::sealContainer(plain, 15), SmtpForm::B).check.intact());
    }
};

KESTROVA_TEST(SmtpRecordTest)
#include "smtp_record_test.moc"
