#include "codec/block_container.h"
#include "i18n/language.h"
#include "mms/mms_checks.h"
#include "mms/mms_file.h"
#include "mms/operator_presets.h"
#include "sending/sending_messages.h"
#include "support/test_registry.h"

#include <QSet>
#include <QTest>

using namespace kestrova;
using namespace kestrova::mms;
using namespace kestrova::codec;
using i18n::Message;

namespace {

// A row's settings, written as "name=value" pairs over a form that passes every check.
MmsSettings settingsFrom(const QStringList& assignments) {
    MmsSettings s;
    s.email = QStringLiteral("someone@example.com");
    for (const QString& assignment : assignments) {
        const auto at = assignment.indexOf(u'=');
        const QString name = assignment.left(at);
        const QString value = assignment.mid(at + 1);
        if (name == u"status")
            s.status = value.toInt();
        else if (name == u"manual")
            s.automatic = 0;
        else if (name == u"international")
            s.international = 1;
        else if (name == u"remote")
            s.remoteHours = value.toInt();
        else if (name == u"phone1")
            s.phone1 = value;
        else if (name == u"email")
            s.email = value;
        else if (name == u"phone2")
            s.phone2 = value;
        else if (name == u"phone3")
            s.phone3 = value;
        else if (name == u"url")
            s.url = value;
        else if (name == u"apn")
            s.apn = value;
        else if (name == u"gateway")
            s.gateway = value;
        else if (name == u"port")
            s.port = value;
        else
            qFatal("unknown name %s", qPrintable(name));
    }
    return s;
}

// Model 1 has three status entries on form A and four on form B.
std::optional<sending::CheckFailure<MmsField>> checkGenerate(const MmsSettings& s,
                                                             int statusCount) {
    const MmsForm form = statusCount == 3 ? MmsForm::A : MmsForm::B;
    return sending::firstFailure(MmsFile::checks(s, form, 1));
}

QString keyOf(const sending::CheckText& text) {
    return QString::fromLatin1(i18n::messageText(std::get<Message>(text)).key.data());
}

const QStringList manualNetwork{"manual", "url=http://mms.example", "apn=mms", "gateway=10.0.0.1",
                                "port=80"};

} // namespace

class MmsChecksTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void firstFailure_data() {
        QTest::addColumn<QStringList>("settings");
        QTest::addColumn<int>("statusCount");
        QTest::addColumn<int>("message"); // -1 when every check passes
        QTest::addColumn<QString>("field");
        const int none = -1;
        auto row = [](const char* name, QStringList settings, int count, int message,
                      const char* field) {
            QTest::newRow(name) << settings << count << message << QString::fromLatin1(field);
        };
        const auto m = [](Message message) { return static_cast<int>(message); };

        // Not SMS-only.
        row("defaults pass", {}, 3, none, "");
        row("no phone, no email", {"email="}, 3, m(Message::PhoneEmailError), "phone1");
        row("no phone, no email comes before the length checks",
            {"email=", "phone2=12", "phone3=1"}, 3, m(Message::PhoneEmailError), "phone1");
        row("phone of 4", {"phone1=1234"}, 3, m(Message::PhoneError01), "phone1");
        row("phone of 5 digits", {"phone1=12345"}, 3, none, "");
        row("phone of 4 with email", {"phone1=1234", "phone2=12"}, 3, m(Message::PhoneError01),
            "phone1");
        row("first recipient of 1", {"phone2=1", "phone3=12"}, 3, m(Message::PhoneError02),
            "phone2");
        row("second recipient of 4", {"phone3=1234"}, 3, m(Message::PhoneError03), "phone3");
        row("lengths before the digits", {"phone1=12a45", "phone3=12"}, 3, m(Message::PhoneError03),
            "phone3");
        row("domestic plus", {"phone1=+8613800138000"}, 3, m(Message::PhoneDigitsOnly), "phone1");
        row("international plus", {"international", "phone1=+8613800138000"}, 3, none, "");
        row("international, any first character", {"international", "phone1=x8613800"}, 3, none,
            "");
        row("international, plus later", {"international", "phone1=+86+13800"}, 3,
            m(Message::PhoneDigitsOnly), "phone1");
        row("letter in phone", {"phone1=13800a"}, 3, m(Message::PhoneDigitsOnly), "phone1");
        row("blank in phone", {"phone1=138 00"}, 3, m(Message::PhoneDigitsOnly), "phone1");
        row("recipient with letters", {"phone1=13800", "phone2=13800x"}, 3,
            m(Message::RecheckPhoneEmail), "phone2");
        row("recipient address passes", {"phone1=13800", "phone2=a b@c"}, 3, none, "");
        row("recipient with plus passes", {"phone1=13800", "phone2=+4915100"}, 3, none, "");
        row("second recipient with letters", {"phone2=+4915100", "phone3=abcde"}, 3,
            m(Message::RecheckPhoneEmail), "phone3");
        row("recipients before email", {"email=nothing", "phone2=abcde"}, 3,
            m(Message::RecheckPhoneEmail), "phone2");
        row("email without @", {"email=someone.example.com"}, 3, m(Message::EmailNoAt), "email");
        row("email without dot", {"email=someone@example"}, 3, m(Message::EmailNoDot), "email");
        row("email without either", {"email=someone"}, 3, m(Message::EmailNoAt), "email");
        row("network not checked in auto", {}, 3, none, "");
        row("manual all there", manualNetwork, 3, none, "");
        row("manual url", manualNetwork + QStringList{"url=", "apn=", "port="}, 3,
            m(Message::UrlError), "url");
        row("manual apn", manualNetwork + QStringList{"apn=", "gateway=", "port="}, 3,
            m(Message::ApnError), "apn");
        row("manual gateway", manualNetwork + QStringList{"gateway=", "port="}, 3,
            m(Message::GatewayError), "gateway");
        row("manual port after the others", manualNetwork + QStringList{"port=", "gateway=1"}, 3,
            m(Message::PortError), "port");
        row("manual gateway without dot after the empty checks",
            manualNetwork + QStringList{"gateway=10001"}, 3, m(Message::GatewayDotError),
            "gateway");
        row("email before network", manualNetwork + QStringList{"url=", "email=x"}, 3,
            m(Message::EmailNoAt), "email");
        row("QVGA is not SMS", {"status=2", "email="}, 4, m(Message::PhoneEmailError), "phone1");

        // SMS-only: no recipient needed, phone numbers only, the network never checked.
        row("sms, all empty", {"status=2", "email="}, 3, none, "");
        row("sms in the four-entry list", {"status=3", "email="}, 4, none, "");
        row("sms, email not checked", {"status=2", "email=x"}, 3, none, "");
        row("sms, manual network not checked", {"status=2", "manual"}, 3, none, "");
        row("sms, phone of 4", {"status=2", "phone1=1234"}, 3, m(Message::PhoneError01), "phone1");
        row("sms, first recipient of 3", {"status=2", "phone2=123"}, 3, m(Message::PhoneError02),
            "phone2");
        row("sms, second recipient of 2", {"status=2", "phone3=12"}, 3, m(Message::PhoneError03),
            "phone3");
        row("sms, domestic plus", {"status=2", "phone1=+491510"}, 3, m(Message::PhoneDigitsOnly),
            "phone1");
        row("sms, international plus", {"status=2", "international", "phone1=+491510"}, 3, none,
            "");
        row("sms, address as recipient", {"status=2", "phone1=13800", "phone2=a@b.cd"}, 3,
            m(Message::RecheckPhone), "phone2");
        row("sms, second recipient", {"status=2", "phone2=+4915100", "phone3=a@b.cd"}, 3,
            m(Message::RecheckPhone), "phone3");
        row("sms, plus in recipients", {"status=2", "phone2=+4915100", "phone3=++123"}, 3, none,
            "");
        row("sms, phone digits before recipients", {"status=2", "phone1=1380x", "phone2=a@b.cd"}, 3,
            m(Message::PhoneDigitsOnly), "phone1");

        // The remote-control check comes last, in both cases.
        row("remote without phone", {"remote=3"}, 3, m(Message::SetPhone1), "phone1");
        row("remote at hour 0", {"remote=0", "phone1="}, 3, m(Message::SetPhone1), "phone1");
        row("remote with phone", {"remote=24", "phone1=13800"}, 3, none, "");
        row("remote off", {"remote=25"}, 3, none, "");
        row("sms, remote without phone", {"status=2", "remote=3", "email="}, 3,
            m(Message::SetPhone1), "phone1");
        row("remote after the email check", {"remote=3", "email=x@y"}, 3, m(Message::EmailNoDot),
            "email");
        row("remote after the network checks", manualNetwork + QStringList{"remote=3", "url="}, 3,
            m(Message::UrlError), "url");
    }
    void firstFailure() {
        QFETCH(QStringList, settings);
        QFETCH(int, statusCount);
        QFETCH(int, message);
        QFETCH(QString, field);
        const auto failure = checkGenerate(settingsFrom(settings), statusCount);
        if (message < 0) {
            QVERIFY2(!failure, failure ? qPrintable(keyOf(failure->text)) : "");
            return;
        }
        QVERIFY(failure.has_value());
        QCOMPARE(keyOf(failure->text), keyOf(Message(message)));
        QCOMPARE(mmsField(failure->field).nameText(), field);
    }

    void statusLists_data() {
        QTest::addColumn<int>("model");
        QTest::addColumn<int>("count");
        QTest::newRow("LambdaM") << 1 << 4;
        QTest::newRow("LambdaMG") << 3 << 4;
        QTest::newRow("KappaMG") << 5 << 3;
        QTest::newRow("OmegaMG") << 6 << 3;
    }
    void statusLists() {
        QFETCH(int, model);
        QFETCH(int, count);
        QCOMPARE(mmsStatusCount(MmsForm::B, model), count);
        QCOMPARE(mmsStatusCount(MmsForm::A, model), 3);
        QVERIFY(isSmsOnly(count - 1, count));
        QVERIFY(!isSmsOnly(count - 2, count));
        QVERIFY(!isSmsOnly(1, count));
    }

    void phoneLimits() {
        QCOMPARE(phoneDigitLimit(MmsForm::A, false), 12);
        QCOMPARE(phoneDigitLimit(MmsForm::B, false), 11);
        QCOMPARE(phoneDigitLimit(MmsForm::A, true), 32);
        QCOMPARE(phoneDigitLimit(MmsForm::B, true), 32);
    }

    void presetOnlyInAuto() {
        MmsSettings manual;
        manual.automatic = 0;
        manual.country = sending::manualCountry;
        manual.url = QStringLiteral("typed");
        manual = sending::withPreset<MmsFile>(manual);
        QCOMPARE(manual.url, QStringLiteral("typed"));
        QVERIFY(manual.apn.isEmpty());

        MmsSettings automatic;
        automatic.country = 3;
        automatic.operatorCode = 8;
        automatic.url = QStringLiteral("typed");
        automatic = sending::withPreset<MmsFile>(automatic);
        const OperatorPreset preset = mmsPreset(3, 8);
        QCOMPARE(automatic.url, QString::fromUtf8(preset.url.data(), qsizetype(preset.url.size())));
        QCOMPARE(automatic.gateway,
                 QString::fromUtf8(preset.gateway.data(), qsizetype(preset.gateway.size())));
        QVERIFY(!automatic.url.isEmpty());
        QVERIFY(!automatic.apn.isEmpty());
    }

    void fieldErrors_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("limit");
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("message");
        QTest::newRow("too long, English")
            << QString(26, QChar(0x5F69)) << 50 << 2
            << "URL: the text takes 52 bytes on the camera, but only 50 fit. A Chinese character "
               "takes 2 bytes.";
        QTest::newRow("too long, Chinese") << QString(26, QChar(0x5F69)) << 50 << 1
                                           << "URL：该内容在相机上占用 52 个字节，最多只能容纳 50 "
                                              "个字节。每个汉字占 2 个字节。";
        QTest::newRow("no code, English") << QStringLiteral("mms\U0001F600") << 50 << 2
                                          << "URL: the character \"\U0001F600\" cannot be stored "
                                             "on the camera. Please remove it.";
        QTest::newRow("no code, Chinese")
            << QStringLiteral("mms\U0001F600") << 50 << 1
            << "URL：字符“\U0001F600”无法保存到相机中，请删除该字符。";
        QTest::newRow("zero character")
            << QStringLiteral("a") + QChar(0) + QStringLiteral("b") << 50 << 3
            << "URL: the character \"U+0000\" cannot be stored on the "
               "camera. Please remove it.";
        QTest::newRow("escape character")
            << QStringLiteral("a\x1b[2J") << 50 << 2
            << "URL: the character \"U+001B\" cannot be stored on the camera. Please remove it.";
        QTest::newRow("C1 control character, Chinese")
            << QStringLiteral("a\u0085") << 50 << 1
            << "URL：字符“U+0085”无法保存到相机中，请删除该字符。";
    }
    void fieldErrors() {
        QFETCH(QString, text);
        QFETCH(int, limit);
        QFETCH(int, language);
        QFETCH(QString, message);
        const FieldText encoded = encodeField(QStringLiteral("url"), text, limit);
        QVERIFY(encoded.error.has_value());
        QCOMPARE(sending::refusalInForm(*encoded.error, &mmsField(MmsField::Url),
                                        QStringLiteral("URL"), language),
                 message);
    }

    void pictureCountOutOfRange() {
        auto error = checkRange(QStringLiteral("pictures_per_day"), 120, 0, 99);
        QVERIFY(error.has_value());
        error->id = static_cast<int>(MmsField::PicturesPerDay);
        QCOMPARE(sending::refusalInForm(*error, &mmsField(MmsField::PicturesPerDay),
                                        QStringLiteral("Picture No./ day"), 2),
                 QStringLiteral("Please enter an integer between 0 and 99!"));
    }

    // Each field is found by its name and its id (where it sits is checked as it builds).
    void fieldTable() {
        for (const MmsFieldRow& row : mmsFields()) {
            QCOMPARE(mmsFieldNamed(row.nameText()), &row);
            QCOMPARE(&mmsField(row.id), &row);
        }
        QVERIFY(!mmsFieldNamed(QStringLiteral("picturesPerDay")));
    }
};

KESTROVA_TEST(MmsChecksTest)
#include "mms_checks_test.moc"
