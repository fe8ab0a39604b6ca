#include "mms/mms_form_test_support.h"
#include "mms/mms_record.h"
#include "mms/operator_presets.h"
#include "storage/record_file.h"
#include "support/test_registry.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace kestrova;
using namespace kestrova::res::mms_form;
using kestrova::test::fileBytes;
using kestrova::test::MmsFormDriver;
using kestrova::test::writtenMessage;

namespace {

const QString setupName = QStringLiteral("setup.dat");

// The ten text boxes, in the order of the read-only table.
const QList<int> textBoxes{urlField,        apnField,       gatewayField, portField,
                           accountField,    passwordField,  phoneField,   emailField,
                           recipient2Field, recipient3Field};

QString pattern(MmsFormDriver& f) {
    QString shown;
    for (int id : textBoxes)
        shown += f.readOnly(id) ? u'R' : u'E';
    return shown;
}

QString presetText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

class MmsFormModelTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString card() const { return dir.path(); }
    QString setupFile() const { return recordFilePath(card(), setupName); }

private Q_SLOTS:
    void init() { QFile::remove(setupFile()); }

    void titles_data() {
        QTest::addColumn<int>("model");
        QTest::addColumn<int>("templateId");
        QTest::addColumn<QString>("title");
        QTest::newRow("LambdaM") << 1 << 130 << "Kestrova Lambda";
        QTest::newRow("RhoM") << 2 << 142 << "Kestrova Rho";
        QTest::newRow("LambdaMG") << 3 << 130 << "Kestrova Lambda";
        QTest::newRow("RhoMG") << 4 << 142 << "Kestrova Rho";
        QTest::newRow("KappaMG") << 5 << 130 << "Kestrova Kappa";
        QTest::newRow("OmegaMG") << 6 << 130 << "Kestrova Omega";
        QTest::newRow("SigmaMG") << 7 << 142 << "Kestrova Sigma";
    }
    void titles() {
        QFETCH(int, model);
        QFETCH(int, templateId);
        QFETCH(QString, title);
        MmsFormDriver f(model);
        QCOMPARE(f.dialog().caption(), title);
        QCOMPARE(f.dialog().dialogTemplate().id, templateId);
    }

    void captions_data() {
        QTest::addColumn<int>("model");
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("control");
        QTest::addColumn<QString>("caption");
        QTest::newRow("A Lithuanian mode") << 7 << 11 << modeLabel << "MMS rezimas";
        QTest::newRow("A Lithuanian generate") << 2 << 11 << generateButton << " Issaugoti";
        QTest::newRow("B Lithuanian remote") << 1 << 11 << 1129 << " SMS nuotol.valdymas";
        QTest::newRow("A hour suffix") << 4 << 1 << 1085 << "H";
        QTest::newRow("B hour suffix") << 5 << 1 << 1200 << "H";
        QTest::newRow("Japanese mode") << 5 << 10 << modeLabel << "MMS モード";
        QTest::newRow("Japanese status") << 7 << 10 << statusLabel << "MMSステータス";
        QTest::newRow("Chinese group") << 7 << 1 << groupBox << "彩信";
        QTest::newRow("Slovenian note")
            << 3 << 8 << unlimitedNote << "Opomba: 0 pomeni neomejeno st. MMS";
        QTest::newRow("a language past the table is English")
            << 1 << i18n::languageCount + 1 << selectButton << "Select";
    }
    void captions() {
        QFETCH(int, model);
        QFETCH(int, language);
        QFETCH(int, control);
        QFETCH(QString, caption);
        MmsFormDriver f(model, language);
        QCOMPARE(f.dialog().controlCaption(control), caption);
    }

    void optionLists_data() {
        QTest::addColumn<int>("model");
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("control");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<int>("selected");
        QTest::newRow("A Lithuanian mode is English")
            << 7 << 11 << modeList << QStringList{"Auto", "Manual"} << 0;
        QTest::newRow("A Lithuanian status is English")
            << 7 << 11 << statusList << QStringList{"Off", "VGA", "SMS"} << 1;
        QTest::newRow("A Lithuanian scope is English")
            << 2 << 11 << scopeList << QStringList{"Domestic ", "International"} << 0;
        QTest::newRow("B Lithuanian status")
            << 5 << 11 << statusList << QStringList{"NE", "VGA", "SMS"} << 1;
        QTest::newRow("B Lithuanian QVGA status")
            << 1 << 11 << statusList << QStringList{"NE", "VGA", "QVGA", "SMS"} << 1;
        QTest::newRow("B Lithuanian scope")
            << 6 << 11 << scopeList << QStringList{"Vietinis ", " Tarptautinis"} << 0;
        QTest::newRow("B Slovenian scope")
            << 3 << 8 << scopeList << QStringList{"Domaca ", "Mednarodna"} << 0;
        QTest::newRow("Chinese status")
            << 3 << 1 << statusList << QStringList{"关闭", "VGA", "QVGA", "SMS"} << 1;
        QTest::newRow("Chinese operators")
            << 7 << 1 << operatorList << QStringList{"中国移动", "中国联通"} << 0;
    }
    void optionLists() {
        QFETCH(int, model);
        QFETCH(int, language);
        QFETCH(int, control);
        QFETCH(QStringList, entries);
        QFETCH(int, selected);
        MmsFormDriver f(model, language);
        QCOMPARE(f.dialog().entries(control), entries);
        QCOMPARE(f.dialog().selection(control), selected);
    }

    void hourList_data() {
        QTest::addColumn<int>("model");
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("off");
        QTest::newRow("A English") << 2 << 2 << "Off";
        QTest::newRow("A Chinese") << 7 << 1 << "关闭";
        QTest::newRow("B Czech") << 1 << 9 << "Vypnuto";
        QTest::newRow("A Lithuanian") << 4 << 11 << "NE";
    }
    void hourList() {
        QFETCH(int, model);
        QFETCH(int, language);
        QFETCH(QString, off);
        MmsFormDriver f(model, language);
        const QStringList hours = f.dialog().entries(f.hourList());
        QCOMPARE(hours.size(), 26);
        QCOMPARE(hours.first(), QStringLiteral("0"));
        QCOMPARE(hours.at(24), QStringLiteral("24"));
        QCOMPARE(hours.last(), off);
        QCOMPARE(f.dialog().selection(f.hourList()), 25);
    }

    void countryNames() {
        MmsFormDriver chinese(7, 1);
        QCOMPARE(chinese.dialog().entries(countryList).size(), 42);
        QCOMPARE(chinese.dialog().entries(countryList).first(), QStringLiteral("中国"));
        QCOMPARE(chinese.dialog().entries(countryList).at(41), QStringLiteral("Cayman Islands"));
        MmsFormDriver english(7, 2);
        QCOMPARE(english.dialog().entries(countryList).first(), QStringLiteral("China"));
    }

    void openingState_data() {
        QTest::addColumn<int>("model");
        QTest::newRow("A") << 7;
        QTest::newRow("B") << 1;
    }
    void openingState() {
        QFETCH(int, model);
        MmsFormDriver f(model);
        QCOMPARE(pattern(f), QStringLiteral("RRRRRREERR"));
        QVERIFY(f.readOnly(folderField));
        QCOMPARE(f.text(folderField), dialog::defaultTargetFolder());
        QCOMPARE(f.text(picturesField), QStringLiteral("0"));
        for (int id : textBoxes)
            QCOMPARE(f.text(id), QString());
        const auto limit = [&f](int id) { return f.dialog().control(id).limit; };
        QCOMPARE(limit(urlField), 50);
        QCOMPARE(limit(apnField), 30);
        QCOMPARE(limit(gatewayField), 20);
        QCOMPARE(limit(portField), 10);
        QCOMPARE(limit(accountField), 30);
        QCOMPARE(limit(passwordField), 30);
        QCOMPARE(limit(emailField), 40);
        QCOMPARE(limit(recipient2Field), 32);
        QCOMPARE(limit(recipient3Field), 32);
        QCOMPARE(limit(folderField), 80);
        const mms::MmsSettings s = f.model->settings();
        QCOMPARE(s.status, 1);
        QCOMPARE(s.remoteHours, 25);
        QCOMPARE(s.automatic, 1);
        QCOMPARE(s.international, 0);
        QCOMPARE(s.country, 0);
        QCOMPARE(s.operatorCode, 0);
        QVERIFY(f.host.messages.isEmpty());
    }

    void everyLanguageOpens_data() {
        QTest::addColumn<int>("model");
        QTest::addColumn<int>("language");
        for (int model : {1, 2}) {
            for (int language = 1; language <= i18n::languageCount; ++language)
                QTest::addRow("model %d language %d", model, language) << model << language;
        }
    }
    void everyLanguageOpens() {
        QFETCH(int, model);
        QFETCH(int, language);
        MmsFormDriver f(model, language);
        for (const auto& c : f.dialog().dialogTemplate().controls) {
            const dialog::ControlState& state = f.dialog().control(c.id);
            if (c.kind == dialog::ControlKind::List)
                QVERIFY2(state.selection >= 0, qPrintable(QString::number(c.id)));
            // The line under the folder says nothing until settings are loaded.
            if (c.id == dialog::sourceLine)
                QVERIFY(state.caption.isEmpty());
            else if (c.kind == dialog::ControlKind::Label ||
                     c.kind == dialog::ControlKind::Button ||
                     c.kind == dialog::ControlKind::GroupBox)
                QVERIFY2(!state.caption.trimmed().isEmpty(), qPrintable(QString::number(c.id)));
        }
    }

    void readOnlyPatterns_data() {
        QTest::addColumn<int>("model");
        // Pairs of list and position, chosen in turn.
        QTest::addColumn<QList<int>>("steps");
        QTest::addColumn<QString>("expected");
        const QString autoPattern = "RRRRRREERR", manual = "EEEEEEEERR", sms = "RRRRRRERRR";
        QTest::newRow("opening") << 7 << QList<int>{} << autoPattern;
        QTest::newRow("manual") << 7 << QList<int>{modeList, 1} << manual;
        QTest::newRow("manual, then back")
            << 7 << QList<int>{modeList, 1, modeList, 0} << autoPattern;
        QTest::newRow("SMS") << 7 << QList<int>{statusList, 2} << sms;
        QTest::newRow("SMS, then off")
            << 7 << QList<int>{statusList, 2, statusList, 0} << autoPattern;
        QTest::newRow("manual, SMS") << 2 << QList<int>{modeList, 1, statusList, 2} << sms;
        QTest::newRow("manual, SMS, VGA")
            << 2 << QList<int>{modeList, 1, statusList, 2, statusList, 1} << manual;
        QTest::newRow("SMS, then manual") << 4 << QList<int>{statusList, 2, modeList, 1} << sms;
        QTest::newRow("SMS, manual, auto")
            << 4 << QList<int>{statusList, 2, modeList, 1, modeList, 0} << sms;
        QTest::newRow("B QVGA is not SMS") << 1 << QList<int>{statusList, 2} << autoPattern;
        QTest::newRow("B QVGA list, SMS") << 3 << QList<int>{statusList, 3} << sms;
        QTest::newRow("B QVGA list, manual, QVGA")
            << 3 << QList<int>{modeList, 1, statusList, 2} << manual;
        QTest::newRow("B three entries, SMS") << 6 << QList<int>{statusList, 2} << sms;
        QTest::newRow("country keeps the pattern")
            << 5 << QList<int>{modeList, 1, countryList, 0} << manual;
    }
    void readOnlyPatterns() {
        QFETCH(int, model);
        QFETCH(QList<int>, steps);
        QFETCH(QString, expected);
        MmsFormDriver f(model);
        for (qsizetype i = 0; i + 1 < steps.size(); i += 2)
            f.choose(steps[i], steps[i + 1]);
        QCOMPARE(pattern(f), expected);
        QVERIFY(f.readOnly(folderField));
    }

    void smsPatternKeepsTheEmail() {
        // The SMS pattern locks the e-mail box without emptying it.
        MmsFormDriver f(7);
        f.type(emailField, QStringLiteral("a@b.cd"));
        f.choose(statusList, 2);
        QVERIFY(f.readOnly(emailField));
        QCOMPARE(f.text(emailField), QStringLiteral("a@b.cd"));
        QCOMPARE(f.model->settings().email, QStringLiteral("a@b.cd"));
    }

    void modeSwitchEmptiesEverything() {
        MmsFormDriver f(5);
        f.choose(modeList, 1);
        QCOMPARE(f.dialog().entries(countryList), QStringList{"Other"});
        QCOMPARE(f.dialog().entries(operatorList), QStringList{"Other"});
        QCOMPARE(f.dialog().entries(bearerList), (QStringList{"APN", "CSD"}));
        QCOMPARE(f.dialog().selection(bearerList), 0);
        for (int id : {urlField, apnField, gatewayField, portField, accountField, passwordField})
            f.type(id, QStringLiteral("x.y"));
        f.choose(bearerList, 1);
        f.type(phoneField, QStringLiteral("13800138"));
        f.type(recipient2Field, QStringLiteral("13900139"));
        f.type(recipient3Field, QStringLiteral("a@b.cd"));
        f.type(emailField, QStringLiteral("x@y.z"));
        f.edit(picturesField, QStringLiteral("12"));
        QCOMPARE(f.model->settings().country, mms::manualCountry);

        f.choose(modeList, 0);
        for (int id : textBoxes)
            QVERIFY2(f.text(id).isEmpty(), qPrintable(QString::number(id)));
        QCOMPARE(f.text(picturesField), QStringLiteral("12"));
        QCOMPARE(f.dialog().entries(bearerList), QStringList{"APN"});
        QCOMPARE(f.dialog().entries(countryList).size(), 42);
        QCOMPARE(f.dialog().selection(countryList), 0);
        QCOMPARE(f.dialog().selection(operatorList), 0);
        QCOMPARE(f.dialog().entries(operatorList), (QStringList{"China Mobile", "China Unicom"}));

        const mms::MmsSettings s = f.model->settings();
        QVERIFY(s.phone1.isEmpty() && s.phone2.isEmpty() && s.phone3.isEmpty() &&
                s.email.isEmpty() && s.url.isEmpty() && s.password.isEmpty());
        QCOMPARE(s.picturesPerDay, 12);
        QCOMPARE(s.bearer, 0);
    }

    void chineseNames() {
        MmsFormDriver f(7, 1);
        f.choose(countryList, 3);
        QCOMPARE(f.dialog().entries(operatorList).size(), 9);
        QCOMPARE(f.dialog().entries(operatorList).last(), QStringLiteral("ASDA Mobile"));
        f.choose(operatorList, 8);
        f.choose(countryList, 0);
        QCOMPARE(f.dialog().entries(operatorList), (QStringList{"中国移动", "中国联通"}));
        QCOMPARE(f.dialog().selection(operatorList), 0);
        QCOMPARE(f.dialog().entries(countryList).first(), QStringLiteral("中国"));

        // Back from "Manual", the countries are English but the operators stay Chinese.
        f.choose(modeList, 1);
        f.choose(modeList, 0);
        QCOMPARE(f.dialog().entries(countryList).first(), QStringLiteral("China"));
        QCOMPARE(f.dialog().entries(operatorList), (QStringList{"中国移动", "中国联通"}));
        f.choose(countryList, 5);
        QCOMPARE(f.dialog().entries(operatorList), (QStringList{"Telenor", "Telia", "Tele2 "}));
        f.choose(countryList, 0);
        QCOMPARE(f.dialog().entries(operatorList), (QStringList{"中国移动", "中国联通"}));
    }

    void countryInManualChangesNothing() {
        MmsFormDriver f(2);
        f.choose(modeList, 1);
        f.type(urlField, QStringLiteral("http://x"));
        f.choose(countryList, 0);
        QCOMPARE(f.dialog().entries(countryList), QStringList{"Other"});
        QCOMPARE(f.dialog().entries(operatorList), QStringList{"Other"});
        QCOMPARE(f.text(urlField), QStringLiteral("http://x"));
    }

    void phoneDigitLimit_data() {
        QTest::addColumn<int>("model");
        QTest::addColumn<int>("language");
        QTest::addColumn<bool>("international");
        QTest::addColumn<int>("limit");
        QTest::addColumn<QString>("message");
        QTest::newRow("A domestic")
            << 7 << 2 << false << 12 << "The max allowable number of digits phone 12!";
        QTest::newRow("B domestic")
            << 5 << 2 << false << 11 << "The max allowable number of digits phone 11!";
        QTest::newRow("A international")
            << 4 << 2 << true << 32 << "The max allowable number of digits phone 32!";
        QTest::newRow("B international")
            << 1 << 2 << true << 32 << "The max allowable number of digits phone 32!";
        QTest::newRow("A domestic Chinese") << 2 << 1 << false << 12 << "最大允许手机号码位数 12!";
        QTest::newRow("B domestic German")
            << 6 << 3 << false << 11 << "The max allowable number of digits phone 11!";
    }
    void phoneDigitLimit() {
        QFETCH(int, model);
        QFETCH(int, language);
        QFETCH(bool, international);
        QFETCH(int, limit);
        QFETCH(QString, message);
        MmsFormDriver f(model, language);
        if (international)
            f.choose(scopeList, 1);
        f.host.messages.clear();
        const QString digits = QStringLiteral("1234567890").repeated(4);
        f.type(phoneField, digits.left(limit));
        QCOMPARE(f.text(phoneField), digits.left(limit));
        QVERIFY(f.host.messages.isEmpty());
        QVERIFY(!f.readOnly(recipient2Field));

        f.type(phoneField, QStringLiteral("9"));
        QCOMPARE(f.host.messages, QStringList{message});
        // What was typed up to the limit stays, and so do the further recipients it opened.
        QCOMPARE(f.text(phoneField), digits.left(limit));
        QCOMPARE(f.model->settings().phone1, digits.left(limit));
        QVERIFY(!f.readOnly(recipient2Field));
    }

    void scopeMessage() {
        MmsFormDriver f(7);
        f.choose(scopeList, 1);
        QCOMPARE(f.host.messages,
                 QStringList{"Phone number will not be displayed in the camera setup menu"});
        QCOMPARE(f.model->settings().international, 1);
        f.choose(scopeList, 0);
        QCOMPARE(f.host.messages.size(), 1);
        QCOMPARE(f.model->settings().international, 0);

        MmsFormDriver chinese(1, 1);
        chinese.choose(scopeList, 1);
        QCOMPARE(chinese.host.messages, QStringList{"手机号码将不能在相机设置菜单显示"});
    }

    void domesticKeepsALongerNumber() {
        MmsFormDriver f(5);
        f.choose(scopeList, 1);
        f.type(phoneField, QStringLiteral("+4915112345678"));
        f.host.messages.clear();
        f.choose(scopeList, 0);
        // Not measured again on the switch itself...
        QVERIFY(f.host.messages.isEmpty());
        QCOMPARE(f.text(phoneField), QStringLiteral("+4915112345678"));
        // ...but at the next reading of the controls.
        f.choose(operatorList, 1);
        QCOMPARE(f.host.messages, QStringList{"The max allowable number of digits phone 11!"});
        QCOMPARE(f.text(phoneField), QStringLiteral("+4915112345678"));
    }

    void readStopsAtTheFailingField() {
        // The read order puts "Account" to "Port" before "Phone No" and the recipients, the
        // e-mail address and the picture count after it.
        MmsFormDriver f(2);
        f.choose(modeList, 1);
        f.choose(scopeList, 1);
        f.type(phoneField, QStringLiteral("1234567890123"));
        f.choose(scopeList, 0);
        f.dialog().setText(accountField, QStringLiteral("me"));
        f.dialog().setText(portField, QStringLiteral("80"));
        f.dialog().setText(emailField, QStringLiteral("a@b.cd"));
        f.dialog().setText(picturesField, QStringLiteral("7"));
        f.host.messages.clear();
        f.choose(bearerList, 1);
        QCOMPARE(f.host.messages, QStringList{"The max allowable number of digits phone 12!"});
        const mms::MmsSettings s = f.model->settings();
        QCOMPARE(s.account, QStringLiteral("me"));
        QCOMPARE(s.port, QStringLiteral("80"));
        QCOMPARE(s.email, QString());
        QCOMPARE(s.picturesPerDay, 0);
    }

    void pictureCount_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("stored");
        QTest::newRow("25") << 2 << "25"
                            << ""
                            << "25" << 25;
        QTest::newRow("99") << 2 << "99"
                            << ""
                            << "99" << 99;
        QTest::newRow("blanks around") << 2 << " 7 "
                                       << ""
                                       << " 7 " << 7;
        QTest::newRow("150 is reset") << 2 << "150"
                                      << "Please enter an integer between 0 and 99!"
                                      << "0" << 0;
        QTest::newRow("100 is reset") << 2 << "100"
                                      << "Please enter an integer between 0 and 99!"
                                      << "0" << 0;
        QTest::newRow("150 Chinese") << 1 << "150"
                                     << "请输入一个介于0和99之间的值!"
                                     << "0" << 0;
        QTest::newRow("150 German is English") << 3 << "150"
                                               << "Please enter an integer between 0 and 99!"
                                               << "0" << 0;
        QTest::newRow("empty") << 2 << ""
                               << "Please enter an integer."
                               << "" << 0;
        QTest::newRow("empty Chinese") << 1 << ""
                                       << "请键入一个整数。"
                                       << "" << 0;
        QTest::newRow("letters") << 10 << "ab"
                                 << "Please enter an integer."
                                 << "ab" << 0;
        QTest::newRow("negative") << 2 << "-3"
                                  << "Please enter an integer between 0 and 99!"
                                  << "-3" << -3;
    }
    void pictureCount() {
        QFETCH(int, language);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        QFETCH(QString, shown);
        QFETCH(int, stored);
        MmsFormDriver f(7, language);
        f.edit(picturesField, typed);
        if (typed.isEmpty()) {
            // Emptied on the way to a new number: the message waits until the focus moves on.
            QVERIFY(f.host.messages.isEmpty());
            f.leave(picturesField);
        }
        QCOMPARE(f.host.messages, message.isEmpty() ? QStringList{} : QStringList{message});
        QCOMPARE(f.text(picturesField), shown);
        QCOMPARE(f.model->settings().picturesPerDay, stored);
        if (!message.isEmpty())
            QCOMPARE(f.dialog().focus(), picturesField);
    }

    void negativeCountIsRefusedAtGenerate() {
        MmsFormDriver f(7);
        f.selectFolder(card());
        f.type(emailField, QStringLiteral("a@b.cd"));
        f.edit(picturesField, QStringLiteral("-3"));
        f.host.messages.clear();
        f.generate();
        QCOMPARE(f.host.messages, QStringList{"Please enter an integer between 0 and 99!"});
        QVERIFY(!QFile::exists(setupFile()));
    }

    void recipientBoxes() {
        MmsFormDriver f(7);
        f.type(phoneField, QStringLiteral("1380"));
        QVERIFY(f.readOnly(recipient2Field));
        f.type(phoneField, QStringLiteral("0"));
        QVERIFY(!f.readOnly(recipient2Field));
        QVERIFY(f.readOnly(recipient3Field));
        f.type(recipient2Field, QStringLiteral("1390"));
        QVERIFY(f.readOnly(recipient3Field));
        f.type(recipient2Field, QStringLiteral("0"));
        QVERIFY(!f.readOnly(recipient3Field));
        f.type(recipient3Field, QStringLiteral("a@b.cd"));

        // The first recipient shortened: the second goes.
        f.edit(recipient2Field, QStringLiteral("1390"));
        QVERIFY(f.readOnly(recipient3Field));
        QCOMPARE(f.text(recipient3Field), QString());
        f.edit(recipient2Field, QStringLiteral("13900"));
        f.type(recipient3Field, QStringLiteral("a@b.cd"));

        // "Phone No" shortened: both go.
        f.edit(phoneField, QStringLiteral("138"));
        QVERIFY(f.readOnly(recipient2Field) && f.readOnly(recipient3Field));
        QCOMPARE(f.text(recipient2Field), QString());
        QCOMPARE(f.text(recipient3Field), QString());
        QVERIFY(f.host.messages.isEmpty());
    }

    void shortEmailClosesTheRecipients() {
        MmsFormDriver f(1);
        f.type(phoneField, QStringLiteral("13800138000"));
        f.type(recipient2Field, QStringLiteral("13900139000"));
        f.type(recipient3Field, QStringLiteral("x@y.z"));
        f.type(emailField, QStringLiteral("a@b."));
        QVERIFY(f.readOnly(recipient2Field) && f.readOnly(recipient3Field));
        QCOMPARE(f.text(recipient2Field), QString());
        QCOMPARE(f.text(recipient3Field), QString());
        QCOMPARE(f.text(phoneField), QStringLiteral("13800138000"));
    }

    void emailOpensTheFirstRecipient() {
        MmsFormDriver f(5);
        f.type(emailField, QStringLiteral("abcde"));
        QVERIFY(f.readOnly(recipient2Field));
        f.edit(emailField, QStringLiteral("a@bcd"));
        QVERIFY(!f.readOnly(recipient2Field));
        f.type(recipient2Field, QStringLiteral("13900"));
        // Five or more characters without "@" leave the boxes as they are.
        f.edit(emailField, QStringLiteral("abcdef"));
        QVERIFY(!f.readOnly(recipient2Field));
        QCOMPARE(f.text(recipient2Field), QStringLiteral("13900"));
    }

    void selectFolder() {
        MmsFormDriver f(7);
        f.selectFolder(card());
        QCOMPARE(f.text(folderField), card());
        QCOMPARE(f.model->targetFolder(), card());
        f.host.folderAnswers.push_back(std::nullopt);
        f.press(selectButton);
        QCOMPARE(f.text(folderField), card());
    }

    void generateChecksInOrder_data() {
        QTest::addColumn<int>("model");
        QTest::addColumn<int>("language");
        QTest::addColumn<QStringList>("steps"); // what the user does, in order
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("focus");
        QTest::newRow("nothing entered")
            << 7 << 2 << QStringList{} << "Phone & Email Error(0)" << phoneField;
        QTest::newRow("nothing entered, Chinese")
            << 7 << 1 << QStringList{} << "手机号码和Email错误(0)" << phoneField;
        QTest::newRow("phone of 4")
            << 5 << 2 << QStringList{"phone=1380"} << "Phone No. Error(01)" << phoneField;
        QTest::newRow("first recipient of 2") << 5 << 2 << QStringList{"phone=13800", "r2=12"}
                                              << "Phone No. Error(02)" << recipient2Field;
        QTest::newRow("plus at home") << 2 << 2 << QStringList{"phone=+49151"}
                                      << "Only numbers(+) are allowed phone number" << phoneField;
        QTest::newRow("recipient not a number")
            << 2 << 2 << QStringList{"phone=13800", "r2=1390x"}
            << "Please re-check the phone number or email address is entered correctly"
            << recipient2Field;
        QTest::newRow("email without dot")
            << 3 << 2 << QStringList{"email=a@bcde"} << "Email Error(.)" << emailField;
        QTest::newRow("manual without URL")
            << 3 << 2 << QStringList{"mode=1", "email=a@b.cd"} << "URL Error(0)" << urlField;
        QTest::newRow("manual without port")
            << 3 << 2 << QStringList{"mode=1", "email=a@b.cd", "url=u", "apn=a", "gateway=1.2"}
            << "Port Error(0)" << portField;
        QTest::newRow("manual, gateway without dot, Chinese")
            << 4 << 1
            << QStringList{"mode=1", "email=a@b.cd", "url=u", "apn=a", "gateway=12", "port=80"}
            << "彩信端口错误(.)" << gatewayField;
        QTest::newRow("SMS, address as recipient")
            << 7 << 2 << QStringList{"status=2", "phone=13800", "r2=a@b.cd"}
            << "Please re-check the phone number is entered correctly" << recipient2Field;
        QTest::newRow("SMS, remote on, no phone")
            << 7 << 2 << QStringList{"status=2", "hour=3"} << "Phone No. Error(01)" << phoneField;
        QTest::newRow("SMS, remote on, no phone, Chinese")
            << 1 << 1 << QStringList{"status=3", "hour=3"} << "请设置手机号码1" << phoneField;
        QTest::newRow("remote on, email only") << 6 << 2 << QStringList{"email=a@b.cd", "hour=0"}
                                               << "Phone No. Error(01)" << phoneField;
    }
    void generateChecksInOrder() {
        QFETCH(int, model);
        QFETCH(int, language);
        QFETCH(QStringList, steps);
        QFETCH(QString, message);
        QFETCH(int, focus);
        MmsFormDriver f(model, language);
        f.selectFolder(card());
        const QHash<QString, int> boxes{{"phone", phoneField}, {"r2", recipient2Field},
                                        {"email", emailField}, {"url", urlField},
                                        {"apn", apnField},     {"gateway", gatewayField},
                                        {"port", portField}};
        const QHash<QString, int> lists{
            {"mode", modeList}, {"status", statusList}, {"hour", f.hourList()}};
        for (const QString& step : steps) {
            const QString name = step.section(u'=', 0, 0);
            const QString value = step.section(u'=', 1);
            if (lists.contains(name))
                f.choose(lists[name], value.toInt());
            else
                f.type(boxes[name], value);
        }
        QVERIFY2(f.host.messages.isEmpty(), qPrintable(f.host.messages.join(u'\n')));
        f.generate();
        QCOMPARE(f.host.messages, QStringList{message});
        QCOMPARE(f.dialog().focus(), focus);
        QVERIFY(!QFile::exists(setupFile()));
    }

    void smsOnlyWithNothingEnteredIsWritten() {
        MmsFormDriver f(7);
        f.selectFolder(card());
        f.choose(statusList, 2);
        f.generate();
        QCOMPARE(f.host.messages,
                 QStringList{writtenMessage(
                     "MMS configuration file (URL|APN|Gateway|Port ...) has been generated",
                     setupFile())});
        const mms::DecodedMms decoded = mms::decodeMmsRecord(fileBytes(setupFile()));
        QVERIFY(decoded.check.intact());
        QCOMPARE(decoded.settings.status, 2);
        QVERIFY(decoded.settings.phone1.isEmpty());
    }

    void autoModeWritesThePreset_data() {
        QTest::addColumn<int>("model");
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("country");
        QTest::addColumn<int>("operatorIndex");
        QTest::newRow("China Mobile") << 7 << 2 << 0 << 0;
        QTest::newRow("China Unicom, Chinese") << 2 << 1 << 0 << 1;
        QTest::newRow("ninth operator") << 5 << 2 << 3 << 8;
        QTest::newRow("last country") << 1 << 11 << 41 << 0;
    }
    void autoModeWritesThePreset() {
        QFETCH(int, model);
        QFETCH(int, language);
        QFETCH(int, country);
        QFETCH(int, operatorIndex);
        MmsFormDriver f(model, language);
        f.selectFolder(card());
        f.choose(countryList, country);
        f.choose(operatorList, operatorIndex);
        f.type(phoneField, QStringLiteral("13800138000"));
        f.generate();
        QCOMPARE(f.host.messages.size(), 1);
        QCOMPARE(f.host.messages.first(),
                 writtenMessage(i18n::messageFor(i18n::Message::MmsGenerated, language),
                                setupFile(), language));

        const mms::DecodedMms decoded = mms::decodeMmsRecord(fileBytes(setupFile()));
        QVERIFY(decoded.check.intact());
        const mms::OperatorPreset preset = mms::mmsPreset(country, operatorIndex);
        QCOMPARE(decoded.settings.country, country);
        QCOMPARE(decoded.settings.operatorCode, operatorIndex);
        QCOMPARE(decoded.settings.automatic, 1);
        QCOMPARE(decoded.settings.url, presetText(preset.url));
        QCOMPARE(decoded.settings.apn, presetText(preset.apn));
        QCOMPARE(decoded.settings.gateway, presetText(preset.gateway));
        QCOMPARE(decoded.settings.port, presetText(preset.port));
        QCOMPARE(decoded.settings.account, presetText(preset.account));
        QCOMPARE(decoded.settings.password, presetText(preset.password));
        QVERIFY(!decoded.settings.url.isEmpty());

        // The boxes stay empty, and so do the values the form keeps.
        for (int id : {urlField, apnField, gatewayField, portField, accountField, passwordField})
            QVERIFY2(f.text(id).isEmpty(), qPrintable(QString::number(id)));
        QVERIFY(f.model->settings().url.isEmpty());
        // Anything that shows the stored values again shows them empty too.
        f.choose(statusList, 2);
        f.selectFolder(card());
        for (int id : {urlField, apnField, gatewayField, portField, accountField, passwordField})
            QVERIFY2(f.text(id).isEmpty(), qPrintable(QString::number(id)));

        // What will be sent shows in grey in the empty boxes, and goes with the mode.
        const auto hint = [&](int id) { return f.dialog().control(id).hint; };
        QCOMPARE(hint(urlField), presetText(preset.url));
        QCOMPARE(hint(apnField), presetText(preset.apn));
        QCOMPARE(hint(gatewayField), presetText(preset.gateway));
        QCOMPARE(hint(portField), presetText(preset.port));
        QCOMPARE(hint(accountField), presetText(preset.account));
        QCOMPARE(hint(passwordField), presetText(preset.password));
        f.choose(modeList, 1);
        for (int id : {urlField, apnField, gatewayField, portField, accountField, passwordField})
            QVERIFY2(hint(id).isEmpty(), qPrintable(QString::number(id)));
    }

    void manualModeWritesWhatWasTyped() {
        MmsFormDriver f(3, 2, true, 0x0105);
        f.selectFolder(card());
        f.choose(modeList, 1);
        f.type(urlField, QStringLiteral("http://mms.example/m"));
        f.type(apnField, QStringLiteral("mms.example"));
        f.choose(bearerList, 1);
        f.type(gatewayField, QStringLiteral("10.1.2.3"));
        f.type(portField, QStringLiteral("9201"));
        f.type(accountField, QStringLiteral("用户"));
        f.type(passwordField, QStringLiteral("pw"));
        f.choose(scopeList, 1);
        // The e-mail address first: while it is shorter than 5 it closes the recipients.
        f.type(emailField, QStringLiteral("me@example.com"));
        f.type(phoneField, QStringLiteral("+8613800138000"));
        f.type(recipient2Field, QStringLiteral("a@b.cd"));
        f.edit(picturesField, QStringLiteral("37"));
        f.choose(f.hourList(), 7);
        f.choose(statusList, 2);
        f.host.messages.clear();
        f.generate();
        QCOMPARE(f.host.messages.size(), 1);

        mms::MmsSettings expected;
        expected.status = 2;
        expected.bearer = 1;
        expected.picturesPerDay = 37;
        expected.international = 1;
        expected.country = mms::manualCountry;
        expected.operatorCode = 0;
        expected.remoteHours = 7;
        expected.automatic = 0;
        expected.url = QStringLiteral("http://mms.example/m");
        expected.apn = QStringLiteral("mms.example");
        expected.gateway = QStringLiteral("10.1.2.3");
        expected.port = QStringLiteral("9201");
        expected.account = QStringLiteral("用户");
        expected.password = QStringLiteral("pw");
        expected.phone1 = QStringLiteral("+8613800138000");
        expected.email = QStringLiteral("me@example.com");
        expected.phone2 = QStringLiteral("a@b.cd");
        // The language byte is 1 when Chinese was requested; the TV mode keeps its low byte.
        const codec::RecordBytes record = mms::buildMmsRecord(expected, 1, 0x05);
        QVERIFY(record.ok());
        QCOMPARE(fileBytes(setupFile()).toHex(' '), record.bytes.toHex(' '));
        QCOMPARE(f.text(urlField), QStringLiteral("http://mms.example/m"));
    }

    void eachGenerateRewritesTheFile() {
        MmsFormDriver f(7);
        f.selectFolder(card());
        f.type(emailField, QStringLiteral("a@b.cd"));
        f.generate();
        const QByteArray first = fileBytes(setupFile());
        f.edit(picturesField, QStringLiteral("5"));
        f.generate();
        const QByteArray second = fileBytes(setupFile());
        QCOMPARE(second.size(), 720);
        QVERIFY(first != second);
        QCOMPARE(mms::decodeMmsRecord(second).settings.picturesPerDay, 5);
        QCOMPARE(f.host.messages.size(), 2);
        QVERIFY(f.model->result() == std::nullopt);
    }

    void textsTheRecordCannotHold_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::newRow("URL of 26 Chinese characters")
            << 2 << urlField << QString(26, QChar(0x5F69))
            << "URL: the text takes 52 bytes on the camera, but only 50 fit. A Chinese character "
               "takes 2 bytes.";
        QTest::newRow("password of 16 Chinese characters, Chinese")
            << 1 << passwordField << QString(16, QChar(0x5BC6))
            << "密码：该内容在相机上占用 32 个字节，最多只能容纳 30 个字节。每个汉字占 2 个字节。";
        QTest::newRow("emoji in the account")
            << 2 << accountField << QStringLiteral("me\U0001F600")
            << "Account: the character \"\U0001F600\" cannot be stored on the camera. Please "
               "remove it.";
        QTest::newRow("Hebrew in the second recipient")
            << 3 << recipient3Field << QStringLiteral("a@\u05D0.cd")
            << "Tel. oder Email (2): the character \"\u05D0\" cannot be stored on the camera. "
               "Please remove it.";
    }
    void textsTheRecordCannotHold() {
        QFETCH(int, language);
        QFETCH(int, field);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        MmsFormDriver f(1, language);
        f.selectFolder(card());
        f.choose(modeList, 1);
        f.type(urlField, QStringLiteral("u"));
        f.type(apnField, QStringLiteral("a"));
        f.type(gatewayField, QStringLiteral("1.2"));
        f.type(portField, QStringLiteral("80"));
        f.type(phoneField, QStringLiteral("13800138"));
        f.type(recipient2Field, QStringLiteral("13900139"));
        f.edit(field, typed);
        QVERIFY(f.host.messages.isEmpty());
        f.generate();
        QCOMPARE(f.host.messages, QStringList{message});
        QCOMPARE(f.dialog().focus(), field);
        QVERIFY(!QFile::exists(setupFile()));
    }

    void otherFilesAreLeftAlone() {
        // A work file of that name belongs to someone else now: it is neither written nor
        // removed.
        QTemporaryDir own;
        const QString work = recordFilePath(own.path(), QStringLiteral("mms.dat"));
        {
            QFile file(work);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("keep me");
        }
        MmsFormDriver f(5);
        f.selectFolder(own.path());
        f.type(emailField, QStringLiteral("a@b.cd"));
        f.generate();
        QCOMPARE(fileBytes(recordFilePath(own.path(), setupName)).size(), 720);
        QCOMPARE(fileBytes(work), QByteArray("keep me"));
        const QStringList expected{QStringLiteral("mms.dat"), QStringLiteral("setup.dat")};
        QCOMPARE(QDir(own.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name), expected);
    }

    void writeFailureIsReported_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("reason");
        QTest::newRow("English") << 2
                                 << "could not be written: the folder does not exist or the card "
                                    "was removed. The settings on the card were not changed.";
        QTest::newRow("Chinese") << 1 << "：文件夹不存在或存储卡已被取出。";
    }
    void writeFailureIsReported() {
        QFETCH(int, language);
        QFETCH(QString, reason);
        const QString missing = dir.filePath(QStringLiteral("no-such-card"));
        MmsFormDriver f(7, language);
        f.selectFolder(missing);
        f.type(emailField, QStringLiteral("a@b.cd"));
        f.generate();
        QCOMPARE(f.host.messages.size(), 1);
        QVERIFY2(f.host.messages.first().contains(recordFilePath(missing, setupName)),
                 qPrintable(f.host.messages.first()));
        QVERIFY2(f.host.messages.first().contains(reason), qPrintable(f.host.messages.first()));
        QVERIFY(!QFileInfo::exists(missing));
    }

    void exitAndClose() {
        MmsFormDriver f(7);
        f.press(exitButton);
        QVERIFY(f.model->result() == dialog::DialogResult::Cancelled);
        MmsFormDriver g(1);
        g.model->closeRequested();
        QVERIFY(g.model->result() == dialog::DialogResult::Cancelled);
        MmsFormDriver h(1);
        h.selectFolder(card());
        h.type(emailField, QStringLiteral("a@b.cd"));
        h.model->enterPressed();
        QVERIFY(QFile::exists(setupFile()));
        QVERIFY(h.model->result() == std::nullopt);
    }
};

KESTROVA_TEST(MmsFormModelTest)
#include "mms_form_model_test.moc"
