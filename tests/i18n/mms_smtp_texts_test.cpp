#include "common/form_variants.h"
#include "i18n/language.h"
#include "i18n/mms_texts.h"
#include "i18n/smtp_texts.h"
#include "res/mms_templates.h"
#include "res/smtp_templates.h"
#include "support/test_registry.h"

#include <QTest>

#include <set>

using namespace kestrova;
using namespace kestrova::i18n;

Q_DECLARE_METATYPE(kestrova::MmsForm)
Q_DECLARE_METATYPE(kestrova::SmtpForm)

namespace {

QString captionOf(const QList<ControlCaption>& captions, int controlId) {
    QString found = QStringLiteral("<missing>");
    int hits = 0;
    for (const ControlCaption& caption : captions) {
        if (caption.controlId == controlId) {
            found = caption.text;
            ++hits;
        }
    }
    return hits > 1 ? QStringLiteral("<twice>") : found;
}

QStringList utf8List(std::initializer_list<const char*> texts) {
    QStringList list;
    for (const char* text : texts)
        list.append(QString::fromUtf8(text));
    return list;
}

void checkRowShape(std::span<const VariantCaptionRow> rows) {
    std::set<std::string_view> keys;
    for (const VariantCaptionRow& row : rows) {
        QVERIFY2(keys.insert(row.key).second, row.key.data());
        for (std::string_view text : row.texts)
            QVERIFY2(!text.empty(), row.key.data());
    }
}

void checkUniqueIds(const QList<ControlCaption>& captions) {
    std::set<int> ids;
    for (const ControlCaption& caption : captions)
        QVERIFY(ids.insert(caption.controlId).second);
}

} // namespace

class MmsSmtpTextsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void mmsRowsHaveATextInEveryLanguage() {
        const auto rows = mmsCaptionRows();
        QCOMPARE(rows.size(), std::size_t{21});
        checkRowShape(rows);
        QCOMPARE(rows.front().key, std::string_view("mms.mms_mode"));
    }

    void smtpRowsHaveATextInEveryLanguage() {
        const auto rows = smtpCaptionRows();
        checkRowShape(rows);
        QCOMPARE(rows.front().key, std::string_view("smtp.smtp_mode"));
    }

    void mmsFormsLabelTheirOwnControls() {
        for (int language = 0; language <= languageCount + 1; ++language) {
            const QList<ControlCaption> a = mmsCaptions(MmsForm::A, language);
            const QList<ControlCaption> b = mmsCaptions(MmsForm::B, language);
            QCOMPARE(a.size(), 21);
            QCOMPARE(b.size(), 20);
            checkUniqueIds(a);
            checkUniqueIds(b);
            QCOMPARE(captionOf(a, 1085), QStringLiteral("H"));
            QCOMPARE(captionOf(b, 1085), QStringLiteral("<missing>"));
            QCOMPARE(captionOf(a, 1129), QStringLiteral("<missing>"));
            QCOMPARE(captionOf(b, 1084), QStringLiteral("<missing>"));
            QCOMPARE(captionOf(a, 1084), captionOf(b, 1129));
        }
    }

    void smtpFormsLabelTheirOwnControls() {
        for (int language = 0; language <= languageCount + 1; ++language) {
            const QList<ControlCaption> a = smtpCaptions(SmtpForm::A, language);
            const QList<ControlCaption> b = smtpCaptions(SmtpForm::B, language);
            // Both forms caption the same labels, each by its own numbers.
            QCOMPARE(a.size(), b.size());
            checkUniqueIds(a);
            checkUniqueIds(b);
            QCOMPARE(captionOf(a, 1114), captionOf(b, 1116));
            QCOMPARE(captionOf(a, 1132), captionOf(b, 1107));
            QCOMPARE(captionOf(a, 1116), QStringLiteral("<missing>"));
            QCOMPARE(captionOf(b, 1132), QStringLiteral("<missing>"));
            // Form B's "SMTP Status" label keeps its template caption.
            QCOMPARE(captionOf(b, 1113), QStringLiteral("<missing>"));
        }
    }

    void exactMmsCaptions_data() {
        QTest::addColumn<MmsForm>("form");
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("controlId");
        QTest::addColumn<QString>("text");
        auto add = [](const char* name, MmsForm form, int language, int id, const char* text) {
            QTest::newRow(name) << form << language << id << QString::fromUtf8(text);
        };
        add("en mode", MmsForm::B, English, 1039, "MMS Mode");
        add("en per day", MmsForm::A, English, 1059, "Picture No./ day");
        add("en note", MmsForm::B, English, 1075, "Note: 0 = Unlimited");
        add("en status", MmsForm::A, English, 1040, "MMS Status");
        add("en generate", MmsForm::B, English, 1, "Generate");
        add("en exit", MmsForm::A, English, 2, "Exit");
        add("en sms remote A", MmsForm::A, English, 1084, "SMS Remote Control");
        add("en sms remote B", MmsForm::B, English, 1129, "SMS Remote Control");
        add("zh mode", MmsForm::A, Chinese, 1039, "MMS 模式");
        add("zh note", MmsForm::B, Chinese, 1075, "注： 0 = 无限制");
        add("zh status", MmsForm::B, Chinese, 1040, "MMS 发送");
        add("zh url", MmsForm::A, Chinese, 1047, "彩信网址");
        add("zh email", MmsForm::A, Chinese, 1051, "Email");
        add("zh group", MmsForm::B, Chinese, 1058, "彩信");
        add("zh generate", MmsForm::B, Chinese, 1, "生成配置文件");
        add("zh sms remote", MmsForm::A, Chinese, 1084, "短信远程控制");
        add("de exit", MmsForm::A, Deutsch, 2, "Back");
        add("de phone or email", MmsForm::B, Deutsch, 1055, "Tel. oder Email");
        add("fi per day", MmsForm::B, Suomi, 1059, "kuvien maara / paiva");
        add("fi email", MmsForm::A, Suomi, 1051, "Sahkoposti");
        add("it port", MmsForm::B, Italiano, 1049, "PORTA");
        add("it note", MmsForm::A, Italiano, 1075, "Nota: -00- = illimitato");
        add("fr mode", MmsForm::A, Francais, 1039, "MODE MMS");
        add("fr password", MmsForm::B, Francais, 1053, "Mot de passe");
        add("hu note", MmsForm::B, Magyar, 1075, "Megj. -00- = korlutlan");
        add("hu gateway", MmsForm::A, Magyar, 1048, "Atjaro");
        add("sl note", MmsForm::A, Slovenian, 1075, "Opomba: 0 pomeni neomejeno st. MMS");
        add("sl sms remote", MmsForm::B, Slovenian, 1129, "SMS upravljanje");
        add("cs country leading blank", MmsForm::A, Cesky, 1043, " Zeme");
        add("cs select stays English", MmsForm::B, Cesky, 1057, "Select");
        add("cs status", MmsForm::B, Cesky, 1040, "Staus MMS");
        add("ja mode", MmsForm::A, Japanese, 1039, "MMS モード");
        add("ja status", MmsForm::B, Japanese, 1040, "MMSステータス");
        add("ja phone or email", MmsForm::B, Japanese, 1054, "電話orEメール");
        add("ja select", MmsForm::A, Japanese, 1057, "フォルダ選択");
        add("lt mode A", MmsForm::A, Lithuanian, 1039, "MMS rezimas");
        add("lt country A", MmsForm::A, Lithuanian, 1043, "Salis");
        add("lt generate leading blank A", MmsForm::A, Lithuanian, 1, " Issaugoti");
        add("lt generate leading blank B", MmsForm::B, Lithuanian, 1, " Issaugoti");
        add("lt select trailing blank", MmsForm::B, Lithuanian, 1057, "Pasirinkti ");
        add("lt sms remote leading blank", MmsForm::A, Lithuanian, 1084, " SMS nuotol.valdymas");
        add("lt hour suffix", MmsForm::A, Lithuanian, 1085, "H");
        add("out of range 0", MmsForm::A, 0, 1, "Generate");
        add("out of range", MmsForm::B, languageCount + 1, 1043, "Country");
    }
    void exactMmsCaptions() {
        QFETCH(MmsForm, form);
        QFETCH(int, language);
        QFETCH(int, controlId);
        QFETCH(QString, text);
        QCOMPARE(captionOf(mmsCaptions(form, language), controlId), text);
    }

    void exactSmtpCaptions_data() {
        QTest::addColumn<SmtpForm>("form");
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("controlId");
        QTest::addColumn<QString>("text");
        auto add = [](const char* name, SmtpForm form, int language, int id, const char* text) {
            QTest::newRow(name) << form << language << id << QString::fromUtf8(text);
        };
        add("en mode", SmtpForm::A, English, 1086, "Smtp Mode");
        add("en server", SmtpForm::B, English, 1100, "Smtp Server");
        add("en sender email", SmtpForm::A, English, 1103, "Sender Email");
        add("en sender password", SmtpForm::B, English, 1102, "Password");
        add("en generate", SmtpForm::A, English, 1112, "Generate");
        add("en phone A", SmtpForm::A, English, 1114, "Phone No");
        add("en phone B", SmtpForm::B, English, 1116, "Phone No");
        add("zh mode", SmtpForm::A, Chinese, 1086, "Smtp 模式");
        add("zh server", SmtpForm::B, Chinese, 1100, "Smtp 服务器");
        add("zh port", SmtpForm::A, Chinese, 1101, "Smtp端口");
        add("zh sender email", SmtpForm::B, Chinese, 1103, "发送人Email");
        add("zh sender password", SmtpForm::A, Chinese, 1102, "发送人密码");
        add("zh apn", SmtpForm::A, Chinese, 1097, "APN");
        add("zh sms remote B", SmtpForm::B, Chinese, 1107, "短信远程控制");
        add("de mode stays English", SmtpForm::A, Deutsch, 1086, "Smtp Mode");
        add("de account", SmtpForm::B, Deutsch, 1098, "Konto");
        add("fi email 01", SmtpForm::A, Suomi, 1106, "Sahkoposti 01");
        add("fi port", SmtpForm::B, Suomi, 1101, "Port");
        add("sl mode", SmtpForm::B, Slovenian, 1086, "Smtp nacin");
        add("sl email 01", SmtpForm::A, Slovenian, 1106, "Email naslov");
        add("sl sender email", SmtpForm::A, Slovenian, 1103, "Email naslov");
        add("cs select", SmtpForm::B, Cesky, 1111, "Vybrat");
        add("cs sender password", SmtpForm::A, Cesky, 1102, "Heslo");
        add("cs country leading blank", SmtpForm::B, Cesky, 1091, " Zeme");
        add("ja mode", SmtpForm::A, Japanese, 1086, "Smtpモード");
        add("ja email 01", SmtpForm::B, Japanese, 1106, "Eメール01");
        add("ja sender email stays English", SmtpForm::A, Japanese, 1103, "Sender Email");
        add("lt mode leading blank", SmtpForm::A, Lithuanian, 1086, " Smtp rezimas");
        add("lt select no blank", SmtpForm::B, Lithuanian, 1111, "Pasirinkti");
        add("lt generate leading blank", SmtpForm::B, Lithuanian, 1112, " Issaugoti");
        add("lt server", SmtpForm::A, Lithuanian, 1100, "Smtp serveris");
        add("lt port", SmtpForm::A, Lithuanian, 1101, "Port");
        add("lt sms remote", SmtpForm::A, Lithuanian, 1132, " SMS nuotol.valdymas");
        add("out of range -1", SmtpForm::B, -1, 2, "Exit");
        add("out of range", SmtpForm::A, languageCount + 1, 1089, "Picture No./ day");
    }
    void exactSmtpCaptions() {
        QFETCH(SmtpForm, form);
        QFETCH(int, language);
        QFETCH(int, controlId);
        QFETCH(QString, text);
        QCOMPARE(captionOf(smtpCaptions(form, language), controlId), text);
    }

    void outOfRangeCaptionsAreEnglish() {
        for (int language : {0, languageCount + 1, -5, 1000}) {
            QCOMPARE(mmsCaptions(MmsForm::A, language), mmsCaptions(MmsForm::A, English));
            QCOMPARE(mmsCaptions(MmsForm::B, language), mmsCaptions(MmsForm::B, English));
            QCOMPARE(smtpCaptions(SmtpForm::A, language), smtpCaptions(SmtpForm::A, English));
        }
    }

    void defaultPositions() {
        QCOMPARE(mmsModeDefault, 0);
        QCOMPARE(mmsSendDefault, 1);
        QCOMPARE(mmsRoamingDefault, 0);
        QCOMPARE(mmsApnDefault, 0);
        QCOMPARE(hourDefault, 25);
        QCOMPARE(smtpModeDefault, 0);
        QCOMPARE(smtpSendDefault, 1);
        QCOMPARE(res::mmsHourControls(MmsForm::A).list, 1061);
        QCOMPARE(res::mmsHourControls(MmsForm::B).list, 1134);
        QCOMPARE(res::smtp_form::hourList(SmtpForm::A), 1135);
        QCOMPARE(res::smtp_form::hourList(SmtpForm::B), 1115);
    }

    void optionListSizes() {
        for (int language = -1; language <= languageCount + 1; ++language) {
            for (MmsForm form : {MmsForm::A, MmsForm::B}) {
                QCOMPARE(mmsModeOptions(form, language).size(), 2);
                QCOMPARE(mmsRoamingOptions(form, language).size(), 2);
                for (int model = 0; model <= 8; ++model) {
                    const bool qvga = form == MmsForm::B && (model == 1 || model == 3);
                    QCOMPARE(mmsSendOptions(form, model, language).size(), qvga ? 4 : 3);
                }
            }
            QCOMPARE(hourOptions(language).size(), 26);
            QCOMPARE(smtpModeOptions(language).size(), 2);
            QCOMPARE(smtpSendOptions(language).size(), 3);
        }
        QCOMPARE(mmsApnOptions(), QStringList{QStringLiteral("APN")});
        QCOMPARE(mmsManualApnOptions(),
                 (QStringList{QStringLiteral("APN"), QStringLiteral("CSD")}));
    }

    void mmsFormBLists_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QStringList>("mode");
        QTest::addColumn<QStringList>("send");
        QTest::addColumn<QStringList>("sendQvga");
        QTest::addColumn<QStringList>("roaming");
        auto add = [](int language, std::initializer_list<const char*> mode,
                      std::initializer_list<const char*> send,
                      std::initializer_list<const char*> qvga,
                      std::initializer_list<const char*> roaming) {
            QTest::addRow("language %d", language) << language << utf8List(mode) << utf8List(send)
                                                   << utf8List(qvga) << utf8List(roaming);
        };
        add(Chinese, {"自动", "手动"}, {"关闭", "VGA", "SMS"}, {"关闭", "VGA", "QVGA", "SMS"},
            {"国内", "国际"});
        add(English, {"Auto", "Manual"}, {"Off", "VGA", "SMS"}, {"Off", "VGA", "QVGA", "SMS"},
            {"Domestic ", "International"});
        add(Deutsch, {"Auto", "Manuell"}, {"Aus", "VGA", "SMS"}, {"Aus", "VGA", "QVGA", "SMS"},
            {"Domestic ", "International"});
        add(Suomi, {"autom", "manuaali"}, {"pois", "VGA", "SMS"}, {"pois", "VGA", "QVGA", "SMS"},
            {"Domestic ", "International"});
        add(Italiano, {"Auto", "Manuale"}, {"OFF", "VGA", "SMS"}, {"OFF", "VGA", "QVGA", "SMS"},
            {"Domestic ", "International"});
        add(Francais, {"Auto", "Manuel"}, {"Arret", "VGA", "SMS"}, {"Arret", "VGA", "QVGA", "SMS"},
            {"Domestic ", "International"});
        add(Magyar, {"Auto", "Kezi"}, {"Ki", "VGA", "SMS"}, {"Ki", "VGA", "QVGA", "SMS"},
            {"Domestic ", "International"});
        add(Slovenian, {"Samodejno", "Rocno"}, {"Izklop", "VGA", "SMS"},
            {"Izklop", "VGA", "QVGA", "SMS"}, {"Domaca ", "Mednarodna"});
        add(Cesky, {"Automaticky", "Rucne"}, {"Vypnuto", "VGA", "SMS"},
            {"Vypnuto", "VGA", "QVGA", "SMS"}, {"Domaci ", "Mezinarodni"});
        add(Japanese, {"オート", "マニュアル"}, {"オフ", "VGA", "SMS"},
            {"オフ", "VGA", "QVGA", "SMS"}, {"Domestic ", "International"});
        add(Lithuanian, {"Auto", "Manual"}, {"NE", "VGA", "SMS"}, {"NE", "VGA", "QVGA", "SMS"},
            {"Vietinis ", " Tarptautinis"});
    }
    void mmsFormBLists() {
        QFETCH(int, language);
        QFETCH(QStringList, mode);
        QFETCH(QStringList, send);
        QFETCH(QStringList, sendQvga);
        QFETCH(QStringList, roaming);
        QCOMPARE(mmsModeOptions(MmsForm::B, language), mode);
        QCOMPARE(mmsSendOptions(MmsForm::B, 5, language), send);
        QCOMPARE(mmsSendOptions(MmsForm::B, 6, language), send);
        QCOMPARE(mmsSendOptions(MmsForm::B, 1, language), sendQvga);
        QCOMPARE(mmsSendOptions(MmsForm::B, 3, language), sendQvga);
        QCOMPARE(mmsRoamingOptions(MmsForm::B, language), roaming);
    }

    void mmsFormAMatchesFormBExceptSlovenianAndLithuanian() {
        for (const LanguageRow& row : languageTable) {
            // Form A has no Lithuanian set.
            const int language = row.number;
            if (language == Lithuanian)
                continue;
            QCOMPARE(mmsModeOptions(MmsForm::A, language), mmsModeOptions(MmsForm::B, language));
            for (int model : {2, 4, 7})
                QCOMPARE(mmsSendOptions(MmsForm::A, model, language),
                         mmsSendOptions(MmsForm::B, 5, language));
            if (language != Slovenian)
                QCOMPARE(mmsRoamingOptions(MmsForm::A, language),
                         mmsRoamingOptions(MmsForm::B, language));
        }
        QCOMPARE(mmsRoamingOptions(MmsForm::A, Slovenian),
                 utf8List({"Domestic ", "International"}));
        QCOMPARE(mmsRoamingOptions(MmsForm::A, Cesky), utf8List({"Domaci ", "Mezinarodni"}));
    }

    void mmsFormAShowsEnglishListsInLithuanian() {
        QCOMPARE(mmsOptionLanguage(MmsForm::A, Lithuanian), int(English));
        QCOMPARE(mmsOptionLanguage(MmsForm::B, Lithuanian), int(Lithuanian));
        QCOMPARE(mmsModeOptions(MmsForm::A, Lithuanian), utf8List({"Auto", "Manual"}));
        QCOMPARE(mmsSendOptions(MmsForm::A, 2, Lithuanian), utf8List({"Off", "VGA", "SMS"}));
        QCOMPARE(mmsRoamingOptions(MmsForm::A, Lithuanian),
                 utf8List({"Domestic ", "International"}));
        // The captions of the same form are Lithuanian all the same.
        const QList<ControlCaption> captions = mmsCaptions(MmsForm::A, Lithuanian);
        QCOMPARE(captionOf(captions, 1039), QStringLiteral("MMS rezimas"));
        QCOMPARE(captionOf(captions, 1043), QStringLiteral("Salis"));
        QCOMPARE(captionOf(captions, 1), QStringLiteral(" Issaugoti"));
    }

    void mmsListsOutOfRangeAreEnglish() {
        for (int language : {0, languageCount + 1, -1}) {
            for (MmsForm form : {MmsForm::A, MmsForm::B}) {
                QCOMPARE(mmsModeOptions(form, language), mmsModeOptions(form, English));
                QCOMPARE(mmsSendOptions(form, 1, language), mmsSendOptions(form, 1, English));
                QCOMPARE(mmsRoamingOptions(form, language), mmsRoamingOptions(form, English));
            }
        }
    }

    void hourLists_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("off");
        const char* words[] = {"关闭", "Off",    "Aus",     "pois", "OFF", "Arret",
                               "Off",  "Izklop", "Vypnuto", "オフ", "NE"};
        for (int language = Chinese; language <= Lithuanian; ++language)
            QTest::addRow("language %d", language)
                << language << QString::fromUtf8(words[language - 1]);
        QTest::newRow("language 0") << 0 << QStringLiteral("Off");
        QTest::newRow("past the table") << languageCount + 1 << QStringLiteral("Off");
    }
    void hourLists() {
        QFETCH(int, language);
        QFETCH(QString, off);
        QCOMPARE(offWord(language), off);
        const QStringList hours = hourOptions(language);
        QCOMPARE(hours.size(), 26);
        for (int hour = 0; hour <= 24; ++hour)
            QCOMPARE(hours[hour], QString::number(hour));
        QCOMPARE(hours[hourDefault], off);
        QCOMPARE(hours.last(), off);
    }

    void smtpLists_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QStringList>("mode");
        QTest::addColumn<QStringList>("send");
        auto add = [](int language, std::initializer_list<const char*> mode,
                      std::initializer_list<const char*> send) {
            QTest::addRow("language %d", language) << language << utf8List(mode) << utf8List(send);
        };
        add(Chinese, {"自动", "手动"}, {"关闭", "VGA", "SMS"});
        add(English, {"Auto", "Manual"}, {"Off", "VGA", "SMS"});
        add(Deutsch, {"Auto", "Manuell"}, {"Aus", "VGA", "SMS"});
        add(Suomi, {"Autom", "Manuaali"}, {"pois", "VGA", "SMS"});
        add(Italiano, {"Auto", "Manuale"}, {"OFF", "VGA", "SMS"});
        add(Francais, {"Auto", "Manuale"}, {"Arret", "VGA", "SMS"});
        add(Magyar, {"Auto", "Kezi"}, {"Off", "VGA", "SMS"});
        add(Slovenian, {"Samodejno", "Rocno"}, {"Izklop", "VGA", "SMS"});
        add(Cesky, {"Automaticky", "Rucne"}, {"Vypnuto", "VGA", "SMS"});
        add(Japanese, {"オート", "マニュアル"}, {"オフ", "VGA", "SMS"});
        add(Lithuanian, {"Auto", "Manual"}, {"NE", "VGA", "SMS"});
        add(0, {"Auto", "Manual"}, {"Off", "VGA", "SMS"});
        add(languageCount + 1, {"Auto", "Manual"}, {"Off", "VGA", "SMS"});
    }
    void smtpLists() {
        QFETCH(int, language);
        QFETCH(QStringList, mode);
        QFETCH(QStringList, send);
        QCOMPARE(smtpModeOptions(language), mode);
        QCOMPARE(smtpSendOptions(language), send);
        // The send list opens with the same off word as the hour list.
        QCOMPARE(send.first(), offWord(language));
    }
};

KESTROVA_TEST(MmsSmtpTextsTest)
#include "mms_smtp_texts_test.moc"
