#include "codec/crc16.h"
#include "i18n/language.h"
#include "mms/mms_record.h"
#include "support/container_bytes.h"
#include "support/test_registry.h"

#include <QTest>

using namespace kestrova;
using namespace kestrova::test;
using namespace kestrova::mms;
using namespace kestrova::codec;
using namespace Qt::StringLiterals;

namespace {

QByteArray hex(const char* text) {
    return QByteArray::fromHex(QByteArray(text));
}

QByteArray build(const MmsSettings& settings, int languageByte = 2, std::uint16_t tvMode = 0) {
    const RecordBytes record = buildMmsRecord(settings, languageByte, tvMode);
    if (!record.ok())
        qWarning("%s", qPrintable(describe(*record.error)));
    return record.bytes;
}

// A filled-in manual configuration.
MmsSettings manualSettings() {
    MmsSettings s;
    s.status = 2;
    s.bearer = 1;
    s.picturesPerDay = 37;
    s.international = 1;
    s.country = manualCountry;
    s.operatorCode = 0;
    s.remoteHours = 7;
    s.automatic = 0;
    s.url = u"http://mmsc.example.net/mms"_s;
    s.apn = u"mms.example"_s;
    s.gateway = u"10.0.0.172"_s;
    s.port = u"8080"_s;
    s.account = u"user"_s;
    s.password = u"secret"_s;
    s.phone1 = u"+8613800138000"_s;
    s.email = u"someone@example.com"_s;
    s.phone2 = u"13900139000"_s;
    s.phone3 = u"other@example.org"_s;
    return s;
}

} // namespace

namespace kestrova::mms {

// Readable failures: the fields that differ show in the test log.
char* toString(const MmsSettings& s) {
    const QString text =
        QStringLiteral("status %1 bearer %2 perDay %3 intl %4 country %5 operator %6 remote %7 "
                       "auto %8 url \"%9\" apn \"%10\" gateway \"%11\" port \"%12\" "
                       "account \"%13\" password \"%14\" phone1 \"%15\" email \"%16\" "
                       "phone2 \"%17\" phone3 \"%18\"")
            .arg(s.status)
            .arg(s.bearer)
            .arg(s.picturesPerDay)
            .arg(s.international)
            .arg(s.country)
            .arg(s.operatorCode)
            .arg(s.remoteHours)
            .arg(s.automatic)
            .arg(s.url, s.apn, s.gateway, s.port, s.account, s.password, s.phone1, s.email,
                 s.phone2)
            .arg(s.phone3);
    return qstrdup(text.toUtf8().constData());
}

} // namespace kestrova::mms

Q_DECLARE_METATYPE(kestrova::mms::MmsSettings)
Q_DECLARE_METATYPE(kestrova::codec::FieldError::Reason)

class MmsRecordTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void headerOfTheStartValues() {
        MmsSettings s;
        s.picturesPerDay = 25;
        const QByteArray file = build(s);
        // status 1, status + 1, APN, 2 and 5 per day, English, TV mode 0, domestic, country 0,
        // operator 0, remote control off; then Auto at 55 in plain form.
        const QByteArray expected = hex("EF DF FF DF AF DF FF FF FF FF 6E") +
                                    QByteArray(39, '\xFF') + hex("00 00 00 00 00 01 00 00 0D 0A");
        QCOMPARE(file.left(60).toHex(' '), expected.toHex(' '));
    }

    void emptyTextsAreBlocksOfFF() {
        const QByteArray file = build(MmsSettings{});
        const QByteArray emptyText = QByteArray(50, '\xFF') + QByteArray(8, '\0') + hex("0D0A");
        for (int k = 1; k <= 10; ++k)
            QCOMPARE(file.mid(k * 60, 60).toHex(' '), emptyText.toHex(' '));
    }

    void headerPaddingIsFixed_data() {
        QTest::addColumn<MmsSettings>("settings");
        QTest::newRow("start values") << MmsSettings{};
        QTest::newRow("manual") << manualSettings();
    }
    void headerPaddingIsFixed() {
        QFETCH(MmsSettings, settings);
        const QByteArray file = build(settings, 1, 0xFFFF);
        QCOMPARE(file.mid(11, 39), QByteArray(39, '\xFF'));
        QCOMPARE(file.mid(50, 5), QByteArray(5, '\0'));
        QCOMPARE(file.mid(56, 2), QByteArray(2, '\0'));
    }

    void fileIsAlways720BytesEndingInLineEnd_data() {
        QTest::addColumn<MmsSettings>("settings");
        QTest::newRow("start values") << MmsSettings{};
        QTest::newRow("manual") << manualSettings();
        MmsSettings full = manualSettings();
        full.url = QString(50, u'u');
        full.email = QString(40, u'e');
        QTest::newRow("full texts") << full;
    }
    void fileIsAlways720BytesEndingInLineEnd() {
        QFETCH(MmsSettings, settings);
        const QByteArray file = build(settings);
        QCOMPARE(file.size(), 720);
        QCOMPARE(file.right(2), hex("0D0A"));
        for (int k = 0; k < 12; ++k)
            QCOMPARE(file.mid(k * 60 + 58, 2), hex("0D0A"));
    }

    void fiftyCharacterUrlFillsItsBlock() {
        MmsSettings s;
        s.url = QString(50, u'a');
        const QByteArray file = build(s);
        QCOMPARE(file.mid(60, 50), QByteArray(50, '\xE9'));
        QCOMPARE(file.mid(110, 7), QByteArray(7, '\0'));
        QCOMPARE(int(file.at(117)), 0x32);
    }

    void headerBytes_data() {
        QTest::addColumn<QString>("change");
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("plain");
        QTest::newRow("25 per day, tens") << u"pictures 25"_s << 3 << 2;
        QTest::newRow("25 per day, units") << u"pictures 25"_s << 4 << 5;
        QTest::newRow("0 per day, tens") << u"pictures 0"_s << 3 << 0;
        QTest::newRow("0 per day, units") << u"pictures 0"_s << 4 << 0;
        QTest::newRow("99 per day, tens") << u"pictures 99"_s << 3 << 9;
        QTest::newRow("99 per day, units") << u"pictures 99"_s << 4 << 9;
        QTest::newRow("10 per day, units") << u"pictures 10"_s << 4 << 0;
        QTest::newRow("7 per day, tens") << u"pictures 7"_s << 3 << 0;
        QTest::newRow("status off") << u"status 0"_s << 0 << 0;
        QTest::newRow("status off plus one") << u"status 0"_s << 1 << 1;
        QTest::newRow("status SMS of four") << u"status 3"_s << 0 << 3;
        QTest::newRow("status SMS of four plus one") << u"status 3"_s << 1 << 4;
        QTest::newRow("CSD") << u"bearer 1"_s << 2 << 1;
        QTest::newRow("chinese requested") << u"language 1"_s << 5 << 1;
        QTest::newRow("lithuanian") << u"language 11"_s << 5 << 11;
        QTest::newRow("tv mode low byte") << u"tv 0x0102"_s << 6 << 2;
        QTest::newRow("international") << u"international"_s << 7 << 1;
        QTest::newRow("manual country") << u"manual"_s << 8 << 0x80;
        QTest::newRow("manual operator") << u"manual"_s << 9 << 0;
        QTest::newRow("manual flag") << u"manual"_s << 55 << 0;
        QTest::newRow("auto first country") << u"auto 0 0"_s << 8 << 0;
        QTest::newRow("auto first operator") << u"auto 0 0"_s << 9 << 0;
        QTest::newRow("auto flag") << u"auto 0 0"_s << 55 << 1;
        QTest::newRow("auto country 41") << u"auto 41 3"_s << 8 << 41;
        QTest::newRow("auto operator 3") << u"auto 41 3"_s << 9 << 3;
        QTest::newRow("remote 0 hours") << u"remote 0"_s << 10 << 0;
        QTest::newRow("remote 24 hours") << u"remote 24"_s << 10 << 24;
        QTest::newRow("remote off") << u"remote 25"_s << 10 << 25;
    }
    void headerBytes() {
        QFETCH(QString, change);
        QFETCH(int, offset);
        QFETCH(int, plain);
        MmsSettings s;
        int language = 2;
        std::uint16_t tvMode = 0;
        const QStringList words = change.split(u' ');
        if (words[0] == u"pictures") {
            s.picturesPerDay = words[1].toInt();
        } else if (words[0] == u"status") {
            s.status = words[1].toInt();
        } else if (words[0] == u"bearer") {
            s.bearer = words[1].toInt();
        } else if (words[0] == u"language") {
            language = words[1].toInt();
        } else if (words[0] == u"tv") {
            tvMode = 0x0102;
        } else if (words[0] == u"international") {
            s.international = 1;
        } else if (words[0] == u"manual") {
            s.automatic = 0;
            s.country = manualCountry;
            s.operatorCode = 0;
        } else if (words[0] == u"auto") {
            s.automatic = 1;
            s.country = words[1].toInt();
            s.operatorCode = words[2].toInt();
        } else if (words[0] == u"remote") {
            s.remoteHours = words[1].toInt();
        } else {
            QFAIL("unknown change");
        }
        const QByteArray file = build(s, language, tvMode);
        QCOMPARE(plainAt(file, offset), plain);
        const int stored = static_cast<unsigned char>(file.at(offset));
        QCOMPARE(stored, offset < 50 ? scrambled(plain) : plain);
    }

    void manualCountryIsStoredAsF7() {
        MmsSettings s;
        s.automatic = 0;
        s.country = manualCountry;
        const QByteArray file = build(s);
        QCOMPARE(int(static_cast<unsigned char>(file.at(8))), 0xF7);
        QCOMPARE(int(static_cast<unsigned char>(file.at(9))), 0xFF);
        QCOMPARE(int(file.at(55)), 0);
    }

    void textsGoToTheirBlocks_data() {
        QTest::addColumn<int>("fileOffset");
        QTest::addColumn<QString>("text");
        const MmsSettings s = manualSettings();
        QTest::newRow("url") << 60 << s.url;
        QTest::newRow("apn") << 120 << s.apn;
        QTest::newRow("gateway") << 180 << s.gateway;
        QTest::newRow("port") << 240 << s.port;
        QTest::newRow("phone1") << 300 << s.phone1;
        QTest::newRow("email") << 360 << s.email;
        QTest::newRow("account") << 420 << s.account;
        QTest::newRow("password") << 480 << s.password;
        QTest::newRow("phone2") << 540 << s.phone2;
        QTest::newRow("phone3") << 600 << s.phone3;
    }
    void textsGoToTheirBlocks() {
        QFETCH(int, fileOffset);
        QFETCH(QString, text);
        const QByteArray file = build(manualSettings());
        const QByteArray ascii = text.toLatin1();
        QByteArray plain;
        for (int i = 0; i < 50; ++i)
            plain += char(plainAt(file, fileOffset + i));
        QCOMPARE(plain, ascii + QByteArray(50 - ascii.size(), '\0'));
        QCOMPARE(int(file.at(fileOffset + 57)), ascii.size());
    }

    void chineseTextIsStoredInCodePage936() {
        MmsSettings s;
        s.account = u"中文"_s;
        const QByteArray file = build(s);
        // D6 D0 CE C4, scrambled.
        QCOMPARE(file.mid(420, 4).toHex(' '), hex("92 F2 13 B3").toHex(' '));
        QCOMPARE(int(file.at(420 + 57)), 4);
    }

    void checkValueIsTheCrcOfTheStoredBlocks_data() {
        QTest::addColumn<MmsSettings>("settings");
        QTest::addColumn<int>("adjustment");
        QTest::newRow("start values, domestic") << MmsSettings{} << 0;
        MmsSettings international;
        international.international = 1;
        QTest::newRow("start values, international") << international << 18;
        MmsSettings manualDomestic = manualSettings();
        manualDomestic.international = 0;
        QTest::newRow("manual, domestic") << manualDomestic << 0;
        QTest::newRow("manual, international") << manualSettings() << 18;
    }
    void checkValueIsTheCrcOfTheStoredBlocks() {
        QFETCH(MmsSettings, settings);
        QFETCH(int, adjustment);
        const QByteArray file = build(settings);
        QCOMPARE(storedCheckValue(file), (crcOfDataBlocks(file) + adjustment) & 0xFFFF);
        QCOMPARE(file.mid(660, 56), QByteArray(56, '\0'));
    }

    void internationalCheckValueWraps() {
        // These settings happen to give the CRC 0xFFF5; plus 18 it wraps to 0x0007.
        MmsSettings s;
        s.international = 1;
        s.phone1 = u"+8613800138000"_s;
        s.password = u"pwncca"_s;
        const QByteArray file = build(s);
        QCOMPARE(crcOfDataBlocks(file), std::uint16_t(0xFFF5));
        QCOMPARE(int(file.at(716)), 0x07);
        QCOMPARE(int(file.at(717)), 0x00);
        const DecodedMms decoded = decodeMmsRecord(file);
        QVERIFY(decoded.check.intact());
        QCOMPARE(decoded.check.computedCrc, std::uint16_t(0xFFF5));
        QCOMPARE(decoded.check.storedCheckValue, std::uint16_t(0x0007));
        QCOMPARE(decoded.check.adjustment, 18);
    }

    void refusesWhatDoesNotFit_data() {
        QTest::addColumn<MmsSettings>("settings");
        QTest::addColumn<int>("languageByte");
        QTest::addColumn<QString>("field");
        QTest::addColumn<FieldError::Reason>("reason");
        QTest::addColumn<int>("upper");
        QTest::addColumn<int>("actual");
        using R = FieldError::Reason;
        const MmsSettings base;
        auto with = [&base](auto change) {
            MmsSettings s = base;
            change(s);
            return s;
        };
        QTest::newRow("url 51") << with([](MmsSettings& s) { s.url = QString(51, u'u'); }) << 2
                                << u"url"_s << R::TooLong << 50 << 51;
        QTest::newRow("apn 31") << with([](MmsSettings& s) { s.apn = QString(31, u'a'); }) << 2
                                << u"apn"_s << R::TooLong << 30 << 31;
        QTest::newRow("gateway 21") << with([](MmsSettings& s) { s.gateway = QString(21, u'1'); })
                                    << 2 << u"gateway"_s << R::TooLong << 20 << 21;
        QTest::newRow("gateway, 11 chinese characters are 22 bytes")
            << with([](MmsSettings& s) { s.gateway = QString(11, QChar(0x4E2D)); }) << 2
            << u"gateway"_s << R::TooLong << 20 << 22;
        QTest::newRow("port 11") << with([](MmsSettings& s) { s.port = QString(11, u'8'); }) << 2
                                 << u"port"_s << R::TooLong << 10 << 11;
        QTest::newRow("phone1 33") << with([](MmsSettings& s) { s.phone1 = QString(33, u'1'); })
                                   << 2 << u"phone1"_s << R::TooLong << 32 << 33;
        QTest::newRow("email 41") << with([](MmsSettings& s) { s.email = QString(41, u'e'); }) << 2
                                  << u"email"_s << R::TooLong << 40 << 41;
        QTest::newRow("account 31") << with([](MmsSettings& s) { s.account = QString(31, u'a'); })
                                    << 2 << u"account"_s << R::TooLong << 30 << 31;
        QTest::newRow("password 31") << with([](MmsSettings& s) { s.password = QString(31, u'p'); })
                                     << 2 << u"password"_s << R::TooLong << 30 << 31;
        QTest::newRow("phone2 33") << with([](MmsSettings& s) { s.phone2 = QString(33, u'2'); })
                                   << 2 << u"phone2"_s << R::TooLong << 32 << 33;
        QTest::newRow("phone3 33") << with([](MmsSettings& s) { s.phone3 = QString(33, u'3'); })
                                   << 2 << u"phone3"_s << R::TooLong << 32 << 33;
        QTest::newRow("email with an emoji")
            << with([](MmsSettings& s) { s.email = u"me\U0001F600@x.cn"_s; }) << 2 << u"email"_s
            << R::NotEncodable << 0 << 2;
        QTest::newRow("apn with thai") << with([](MmsSettings& s) { s.apn = u"\u0E01"_s; }) << 2
                                       << u"apn"_s << R::NotEncodable << 0 << 0;
        QTest::newRow("account with a zero character")
            << with([](MmsSettings& s) { s.account = u"ab"_s + QChar(0) + u"c"_s; }) << 2
            << u"account"_s << R::ContainsZero << 0 << 0;
        QTest::newRow("email with an escape sequence")
            << with([](MmsSettings& s) { s.email = u"me\x1b]0;x\a@y.z"_s; }) << 2 << u"email"_s
            << R::ControlCharacter << 0 << 2;
        QTest::newRow("url with a line feed")
            << with([](MmsSettings& s) { s.url = u"http://a\nb"_s; }) << 2 << u"url"_s
            << R::ControlCharacter << 0 << 8;
        QTest::newRow("password with DEL") << with([](MmsSettings& s) { s.password = u"pw\x7f"_s; })
                                           << 2 << u"password"_s << R::ControlCharacter << 0 << 2;
        QTest::newRow("phone3 with a C1 control")
            << with([](MmsSettings& s) { s.phone3 = u"\x9b"_s + u"2J"_s; }) << 2 << u"phone3"_s
            << R::ControlCharacter << 0 << 0;
        QTest::newRow("100 per day") << with([](MmsSettings& s) { s.picturesPerDay = 100; }) << 2
                                     << u"pictures_per_day"_s << R::OutOfRange << 99 << 100;
        QTest::newRow("-1 per day") << with([](MmsSettings& s) { s.picturesPerDay = -1; }) << 2
                                    << u"pictures_per_day"_s << R::OutOfRange << 99 << -1;
        QTest::newRow("status 4") << with([](MmsSettings& s) { s.status = 4; }) << 2 << u"status"_s
                                  << R::OutOfRange << 3 << 4;
        QTest::newRow("bearer 2") << with([](MmsSettings& s) { s.bearer = 2; }) << 2 << u"bearer"_s
                                  << R::OutOfRange << 1 << 2;
        // The language bytes the camera knows, not the languages of the program.
        const IntRange known = i18n::cameraLanguageBytes;
        QTest::newRow("language byte below those the camera knows")
            << base << known.lower - 1 << u"cameraLanguage"_s << R::OutOfRange << known.upper
            << known.lower - 1;
        QTest::newRow("language byte above those the camera knows")
            << base << known.upper + 1 << u"cameraLanguage"_s << R::OutOfRange << known.upper
            << known.upper + 1;
        QTest::newRow("international 2") << with([](MmsSettings& s) { s.international = 2; }) << 2
                                         << u"international"_s << R::OutOfRange << 1 << 2;
        QTest::newRow("country 256") << with([](MmsSettings& s) { s.country = 256; }) << 2
                                     << u"country"_s << R::OutOfRange << 255 << 256;
        QTest::newRow("operator -1") << with([](MmsSettings& s) { s.operatorCode = -1; }) << 2
                                     << u"operator"_s << R::OutOfRange << 255 << -1;
        QTest::newRow("remote 26") << with([](MmsSettings& s) { s.remoteHours = 26; }) << 2
                                   << u"remote_hours"_s << R::OutOfRange << 25 << 26;
        QTest::newRow("automatic 2") << with([](MmsSettings& s) { s.automatic = 2; }) << 2
                                     << u"mode"_s << R::OutOfRange << 1 << 2;
    }
    void refusesWhatDoesNotFit() {
        QFETCH(MmsSettings, settings);
        QFETCH(int, languageByte);
        QFETCH(QString, field);
        QFETCH(FieldError::Reason, reason);
        QFETCH(int, upper);
        QFETCH(int, actual);
        const RecordBytes record = buildMmsRecord(settings, languageByte, 0);
        QVERIFY(!record.ok());
        QVERIFY(record.bytes.isEmpty());
        QCOMPARE(record.error->field, field);
        QCOMPARE(record.error->reason, reason);
        QCOMPARE(record.error->upper, upper);
        QCOMPARE(record.error->actual, actual);
        QVERIFY(describe(*record.error).startsWith(field + u':'));
    }

    void acceptsTextsAtTheirLimits() {
        MmsSettings s;
        s.url = QString(50, u'u');
        s.apn = QString(15, QChar(0x4E2D)); // 30 bytes
        s.gateway = QString(20, u'1');
        s.port = QString(10, u'8');
        s.phone1 = QString(32, u'1');
        s.email = QString(40, u'e');
        s.account = QString(30, u'a');
        s.password = QString(30, u'p');
        s.phone2 = QString(32, u'2');
        s.phone3 = QString(32, u'3');
        const RecordBytes record = buildMmsRecord(s, 2, 0);
        QVERIFY(record.ok());
        QCOMPARE(record.bytes.size(), 720);
        QCOMPARE(int(record.bytes.at(120 + 57)), 30);
    }

    void notEncodableNamesTheCharacter() {
        MmsSettings s;
        s.phone3 = u"a\U0001F600"_s;
        const RecordBytes record = buildMmsRecord(s, 2, 0);
        QVERIFY(!record.ok());
        QCOMPARE(record.error->character, u"\U0001F600"_s);
        QVERIFY(describe(*record.error).contains(u"U+1F600"_s));
    }

    void decodeIsTheInverse_data() {
        QTest::addColumn<MmsSettings>("settings");
        QTest::addColumn<int>("languageByte");
        QTest::addColumn<int>("tvMode");
        QTest::newRow("start values") << MmsSettings{} << 2 << 0;
        QTest::newRow("manual, international") << manualSettings() << 1 << 0x1234;
        MmsSettings chinese;
        chinese.status = 3;
        chinese.picturesPerDay = 99;
        chinese.country = 41;
        chinese.operatorCode = 9;
        chinese.remoteHours = 0;
        chinese.account = u"中国移动"_s;
        chinese.password = u"密码€"_s;
        chinese.url = QString(50, u'w');
        QTest::newRow("chinese texts, limits") << chinese << 10 << 0xFF;
    }
    void decodeIsTheInverse() {
        QFETCH(MmsSettings, settings);
        QFETCH(int, languageByte);
        QFETCH(int, tvMode);
        const DecodedMms decoded =
            decodeMmsRecord(build(settings, languageByte, std::uint16_t(tvMode)));
        QCOMPARE(decoded.settings, settings);
        QCOMPARE(decoded.languageByte, languageByte);
        QCOMPARE(decoded.tvModeByte, tvMode & 0xFF);
        QVERIFY(decoded.check.intact());
    }

    void findsDamage_data() {
        QTest::addColumn<int>("offset");
        QTest::addColumn<bool>("checkValueOk");
        QTest::addColumn<bool>("lineEndsOk");
        QTest::newRow("status") << 0 << false << true;
        QTest::newRow("international flag") << 7 << false << true;
        QTest::newRow("automatic flag") << 55 << false << true;
        QTest::newRow("url letter") << 63 << false << true;
        QTest::newRow("length byte") << 357 << false << true;
        QTest::newRow("line end") << 658 << false << false;
        QTest::newRow("check value low byte") << 716 << false << true;
        QTest::newRow("check value high byte") << 717 << false << true;
    }
    void findsDamage() {
        QFETCH(int, offset);
        QFETCH(bool, checkValueOk);
        QFETCH(bool, lineEndsOk);
        QByteArray file = build(manualSettings());
        QVERIFY(decodeMmsRecord(file).check.intact());
        file[offset] = char(file[offset] ^ 0x01);
        const MmsRecordCheck check = decodeMmsRecord(file).check;
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
        QByteArray file = build(manualSettings());
        file.resize(size);
        const MmsRecordCheck check = decodeMmsRecord(file).check;
        QVERIFY(!check.sizeOk);
        QVERIFY(!check.checkValueOk);
        QVERIFY(!check.intact());
    }

    void checkValueMustMatchTheInternationalFlag() {
        // Sealed as the format says but for the wrong scope.
        const RecordBytes domestic = buildMmsRecord(MmsSettings{}, 2, 0);
        OpenedContainer opened = openContainer(domestic.bytes);
        DataBlocks plain = opened.plain;
        plain[0][7] = 1;
        const QByteArray file = sealContainer(plain, 0);
        const MmsRecordCheck check = decodeMmsRecord(file).check;
        QCOMPARE(check.adjustment, 18);
        QVERIFY(!check.checkValueOk);
        QVERIFY(decodeMmsRecord(sealContainer(plain, 18)).check.intact());
    }

    void findsLayoutErrorsBehindAValidCheckValue_data() {
        QTest::addColumn<int>("block");
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("value");
        QTest::addColumn<bool>("layoutOk");
        QTest::addColumn<bool>("textsOk");
        QTest::newRow("status + 1 wrong") << 0 << 1 << 5 << false << true;
        QTest::newRow("header padding") << 0 << 30 << 1 << false << true;
        QTest::newRow("header byte 56") << 0 << 56 << 1 << false << true;
        QTest::newRow("units digit 10") << 0 << 4 << 10 << false << true;
        QTest::newRow("text past its length") << 1 << 45 << int('x') << false << true;
        QTest::newRow("text block byte 52") << 2 << 52 << 1 << false << true;
        QTest::newRow("length above 50") << 3 << 57 << 51 << false << false;
        QTest::newRow("port longer than 10") << 4 << 57 << 11 << true << false;
        QTest::newRow("broken double-byte") << 5 << 0 << 0xD6 << true << false;
    }
    void findsLayoutErrorsBehindAValidCheckValue() {
        QFETCH(int, block);
        QFETCH(int, offset);
        QFETCH(int, value);
        QFETCH(bool, layoutOk);
        QFETCH(bool, textsOk);
        MmsSettings s;
        s.url = u"abc"_s;
        s.apn = u"apn"_s;
        s.gateway = u"1.2.3.4"_s;
        s.port = QString(10, u'9');
        s.phone1 = u"1"_s;
        DataBlocks plain = openContainer(build(s)).plain;
        plain[block][offset] = std::uint8_t(value);
        const MmsRecordCheck check = decodeMmsRecord(sealContainer(plain, 0)).check;
        QVERIFY(check.checkValueOk);
        QCOMPARE(check.layoutOk, layoutOk);
        QCOMPARE(check.textsOk, textsOk);
        QVERIFY(!check.intact());
    }
};

KESTROVA_TEST(MmsRecordTest)
#include "mms_record_test.moc"
