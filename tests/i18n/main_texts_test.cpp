#include "i18n/language.h"
#include "i18n/main_texts.h"
#include "i18n/messages.h"
#include "support/test_registry.h"

#include <QTest>

#include <set>

using namespace kestrova::i18n;

namespace {

const QList<int> mainControlIds{1000, 1001, 1002, 1076, 1077, 1078, 1079};

QString captionOf(const QList<ControlCaption>& captions, int controlId) {
    for (const ControlCaption& caption : captions) {
        if (caption.controlId == controlId)
            return caption.text;
    }
    return QStringLiteral("<missing>");
}

} // namespace

class MainTextsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void rowsHaveATextInEveryLanguage() {
        const auto rows = mainCaptionRows();
        QCOMPARE(rows.size(), std::size_t{7});
        std::set<std::string_view> keys;
        for (std::size_t i = 0; i < rows.size(); ++i) {
            QCOMPARE(rows[i].controlId, mainControlIds[static_cast<qsizetype>(i)]);
            for (const LanguageRow& language : languageTable)
                QVERIFY(!rows[i].texts[static_cast<std::size_t>(language.number - 1)].empty());
            QVERIFY(keys.insert(rows[i].key).second);
        }
        QCOMPARE(rows[0].key, std::string_view("main.camera_setup"));
        QCOMPARE(rows[6].key, std::string_view("main.model_label"));
    }

    void everyLanguageGetsSevenCaptionsInOrder_data() {
        QTest::addColumn<int>("language");
        for (int language = -1; language <= languageCount + 1; ++language)
            QTest::addRow("language %d", language) << language;
        QTest::newRow("language 99") << 99;
    }
    void everyLanguageGetsSevenCaptionsInOrder() {
        QFETCH(int, language);
        const QList<ControlCaption> captions = mainCaptions(language);
        QCOMPARE(captions.size(), 7);
        for (qsizetype i = 0; i < captions.size(); ++i) {
            QCOMPARE(captions[i].controlId, mainControlIds[i]);
            QVERIFY(!captions[i].text.isEmpty());
        }
    }

    void exactCaptions_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("controlId");
        QTest::addColumn<QString>("text");
        auto add = [](const char* name, int language, int controlId, const char* text) {
            QTest::newRow(name) << language << controlId << QString::fromUtf8(text);
        };
        add("en camera", English, 1000, "Camera Setup");
        add("en mms", English, 1001, "MMS Setup");
        add("en smtp", English, 1002, "Smtp Setup");
        add("en link", English, 1076, "Click here to get the latest updates");
        add("en version", English, 1077, "Version:1.3.010");
        add("en language", English, 1078, "Select Language");
        add("en model", English, 1079, "Camera Model");
        add("zh camera", Chinese, 1000, "相机设置");
        add("zh mms", Chinese, 1001, "彩信设置");
        add("zh smtp", Chinese, 1002, "SMTP设置");
        add("zh link", Chinese, 1076, "获取最新版本程序更新");
        add("zh version", Chinese, 1077, "程序版本:1.3.010");
        add("zh language", Chinese, 1078, "选择语言");
        add("zh model", Chinese, 1079, "机器型号");
        add("de camera", Deutsch, 1000, "Kamera Installation");
        add("de mms", Deutsch, 1001, "MMS Installation");
        add("de smtp", Deutsch, 1002, "Smtp Setup");
        add("de link is English", Deutsch, 1076, "Click here to get the latest updates");
        add("de model is English", Deutsch, 1079, "Camera Model");
        add("fi camera", Suomi, 1000, "kamera-asetukset");
        add("fi mms", Suomi, 1001, "MMS valikot");
        add("fi link", Suomi, 1076, "paina tasta saadaksesi uusimmat paivitykset");
        add("it camera", Italiano, 1000, "Setup camera");
        add("it mms", Italiano, 1001, "impost. MMS");
        add("it link is English", Italiano, 1076, "Click here to get the latest updates");
        add("fr camera", Francais, 1000, "Reglage camera");
        add("fr mms", Francais, 1001, "Reglage MMS");
        add("hu camera", Magyar, 1000, "Kamera beallita");
        add("hu mms", Magyar, 1001, "MMS beol.");
        add("hu language is English", Magyar, 1078, "Select Language");
        add("sl camera", Slovenian, 1000, "Nast. kamere");
        add("sl mms", Slovenian, 1001, "MMS nastavitve");
        add("sl smtp", Slovenian, 1002, "SMTP nastavitve");
        add("sl link", Slovenian, 1076, "Klikni za najnovejse posodobitve");
        add("sl language is English", Slovenian, 1078, "Select Language");
        add("sl model", Slovenian, 1079, "Model Kamera");
        add("cs camera", Cesky, 1000, "Nastaveni");
        add("cs mms", Cesky, 1001, "Nastaveni MMS");
        add("cs smtp", Cesky, 1002, "Nastaveni Smtp");
        add("cs link", Cesky, 1076, "Stisknete pro update");
        add("cs version", Cesky, 1077, "Version:1.3.010");
        add("cs language", Cesky, 1078, "Zvolit Jazyk");
        add("cs model", Cesky, 1079, "Fotopast Model");
        add("ja camera", Japanese, 1000, "本体設定");
        add("ja mms", Japanese, 1001, "MMS設定");
        add("ja smtp", Japanese, 1002, "SMTP設定");
        add("ja link is English", Japanese, 1076, "Click here to get the latest updates");
        add("ja model is English", Japanese, 1079, "Camera Model");
        add("lt camera leading blank", Lithuanian, 1000, " Kameros nustat.");
        add("lt mms", Lithuanian, 1001, "MMS nustat.");
        add("lt smtp", Lithuanian, 1002, "Smtp nustat.");
        add("lt link is English", Lithuanian, 1076, "Click here to get the latest updates");
        add("lt version", Lithuanian, 1077, "Version:1.3.010");
        add("lt model is English", Lithuanian, 1079, "Camera Model");
    }
    void exactCaptions() {
        QFETCH(int, language);
        QFETCH(int, controlId);
        QFETCH(QString, text);
        QCOMPARE(captionOf(mainCaptions(language), controlId), text);
    }

    // Every language shows the version the program is built as.
    void versionInEveryLanguage() {
        for (const LanguageRow& language : languageTable)
            QVERIFY(captionOf(mainCaptions(language.number), 1077).endsWith(u":1.3.010"));
    }

    void languageOutsideRangeReadsEnglish() {
        const QList<ControlCaption> english = mainCaptions(English);
        QCOMPARE(mainCaptions(0), english);
        QCOMPARE(mainCaptions(languageCount + 1), english);
        QCOMPARE(mainCaptions(-3), english);
        QVERIFY(mainCaptions(Chinese) != english);
    }

    // Messages exist in Chinese and English only: Chinese for language 1, English otherwise.
    void messagesFollowChineseOrEnglish_data() {
        QTest::addColumn<int>("message");
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("chinese");
        auto add = [](const char* name, Message id, const char* english, const char* chinese) {
            QTest::newRow(name) << static_cast<int>(id) << QString::fromUtf8(english)
                                << QString::fromUtf8(chinese);
        };
        add("enter_apn", Message::EnterApn, "GPRS APN", "请输入GPRS APN");
        add("email_no_at", Message::EmailNoAt, "Email Error(@)", "Email 错误(@)");
        add("smtp_generated", Message::SmtpGenerated, "SMTP configuration file has been generated",
            "SMTP配置文件已生成");
        add("set_phone_1", Message::SetPhone1, "Phone No. Error(01)", "请设置手机号码1");
        add("recheck_phone_email", Message::RecheckPhoneEmail,
            "Please re-check the phone number or email address is entered correctly",
            "请重新检查手机号码或者email地址是否输入正确");
        add("port_dot_error", Message::GatewayDotError, "GateWay Error(.)", "彩信端口错误(.)");
        add("menu_generated_b", Message::MenuGeneratedB, "Configuration file is generated",
            "相机菜单设置文件已经生成");
        add("factory_generated leading blank", Message::FactoryGenerated,
            "Camera menu factory settings file has been generated",
            " 相机菜单出厂设置文件已经生成");
        add("factory_generated_b no blank", Message::FactoryGeneratedB,
            "Camera menu factory settings file has been generated", "相机菜单出厂设置文件已经生成");
        add("mms_generated", Message::MmsGenerated,
            "MMS configuration file (URL|APN|Gateway|Port ...) has been generated",
            "MMS配置文件已生成");
    }
    void messagesFollowChineseOrEnglish() {
        QFETCH(int, message);
        QFETCH(QString, english);
        QFETCH(QString, chinese);
        const auto id = static_cast<Message>(message);
        for (const LanguageRow& language : languageTable)
            QCOMPARE(messageFor(id, language.number),
                     language.number == Chinese ? chinese : english);
    }

    void formattedMessages() {
        QCOMPARE(integerRangeMessage(1, 60, Deutsch),
                 QStringLiteral("Please enter an integer between 1 and 60!"));
        QCOMPARE(integerRangeMessage(0, 99, Lithuanian),
                 QStringLiteral("Please enter an integer between 0 and 99!"));
        QCOMPARE(integerRangeMessage(1, 60, Chinese),
                 QString::fromUtf8("请输入一个介于1和60之间的值!"));
        QCOMPARE(maxPhoneDigitsMessage(11, English),
                 QStringLiteral("The max allowable number of digits phone 11!"));
        QCOMPARE(maxPhoneDigitsMessage(32, Chinese), QString::fromUtf8("最大允许手机号码位数 32!"));
    }
};

KESTROVA_TEST(MainTextsTest)
#include "main_texts_test.moc"
