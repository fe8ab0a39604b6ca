#include "smtp/gprs_presets.h"
#include "smtp/smtp_form_test_support.h"
#include "storage/record_file.h"
#include "support/test_registry.h"

#include <QTest>

using namespace kestrova;
using namespace kestrova::res::smtp_form;
using kestrova::test::SmtpFormDriver;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(kestrova::SmtpForm)

namespace {

const QList<int> gprsFields{apnField, accountField, gprsPasswordField};
const QList<int> mailFields{serverField, portField, senderField, senderPasswordField,
                            recipientField};

int modelOf(SmtpForm form) {
    return form == SmtpForm::A ? 3 : 7;
}

} // namespace

// Opening the form, its texts, and what the mode and country lists do to the rest.
class SmtpFormModelTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void titles_data() {
        QTest::addColumn<SmtpForm>("form");
        QTest::addColumn<int>("model");
        QTest::addColumn<int>("templateId");
        QTest::addColumn<QString>("title");
        QTest::newRow("LambdaMG") << SmtpForm::A << 3 << 147 << "Kestrova Lambda";
        QTest::newRow("RhoMG") << SmtpForm::B << 4 << 143 << "Kestrova Rho";
        QTest::newRow("KappaMG") << SmtpForm::A << 5 << 147 << "Kestrova Kappa";
        QTest::newRow("OmegaMG") << SmtpForm::A << 6 << 147 << "Kestrova Omega";
        QTest::newRow("SigmaMG") << SmtpForm::B << 7 << 143 << "Kestrova Sigma";
        // A number no route sends here still gets the title of its form's other models.
        QTest::newRow("A for model 1") << SmtpForm::A << 1 << 147 << "Kestrova Lambda";
        QTest::newRow("B for model 2") << SmtpForm::B << 2 << 143 << "Kestrova Rho";
    }
    void titles() {
        QFETCH(SmtpForm, form);
        QFETCH(int, model);
        QFETCH(int, templateId);
        QFETCH(QString, title);
        SmtpFormDriver f(form, model);
        QCOMPARE(f.dialog().caption(), title);
        QCOMPARE(f.dialog().dialogTemplate().id, templateId);
    }

    // The behaviour's sizes, taller by the line under the folder field.
    void sizes() {
        const int line = dialog::sourceLineHeight + 1;
        QCOMPARE(res::smtpFormTemplate(SmtpForm::A).width, 286);
        QCOMPARE(res::smtpFormTemplate(SmtpForm::A).height, 343 + line);
        QCOMPARE(res::smtpFormTemplate(SmtpForm::B).width, 292);
        QCOMPARE(res::smtpFormTemplate(SmtpForm::B).height, 331 + line);
    }

    void openingState_data() {
        QTest::addColumn<SmtpForm>("form");
        QTest::newRow("A") << SmtpForm::A;
        QTest::newRow("B") << SmtpForm::B;
    }
    void openingState() {
        QFETCH(SmtpForm, form);
        SmtpFormDriver f(form, modelOf(form));
        const dialog::Dialog& d = f.dialog();
        QCOMPARE(d.entries(modeList), (QStringList{"Auto", "Manual"}));
        QCOMPARE(d.selection(modeList), 0);
        QCOMPARE(d.entries(countryList), smtp::gprsCountryNames());
        QCOMPARE(d.entries(countryList).size(), 41);
        QCOMPARE(d.selection(countryList), 0);
        QCOMPARE(d.entries(operatorList), (QStringList{"China Mobile", "China Unicom"}));
        QCOMPARE(d.selection(operatorList), 0);
        QCOMPARE(d.entries(hourList(form)).size(), 26);
        QCOMPARE(d.entries(hourList(form)).first(), u"0"_s);
        QCOMPARE(d.entries(hourList(form)).at(24), u"24"_s);
        QCOMPARE(d.entries(hourList(form)).last(), u"Off"_s);
        QCOMPARE(d.selection(hourList(form)), 25);
        if (form == SmtpForm::B) {
            QCOMPARE(d.entries(statusList), (QStringList{"Off", "VGA", "SMS"}));
            QCOMPARE(d.selection(statusList), 1);
        } else {
            // On form A that number is the "Phone No" label, and there is no status caption.
            QCOMPARE(d.control(1114).kind, dialog::ControlKind::Label);
            QVERIFY(!d.has(statusLabel));
        }
        for (int id : gprsFields)
            QVERIFY2(d.control(id).readOnly, qPrintable(QString::number(id)));
        for (int id : mailFields + QList<int>{phoneField, picturesField, folderField})
            QVERIFY2(!d.control(id).readOnly, qPrintable(QString::number(id)));
        for (int id : gprsFields + mailFields + QList<int>{phoneField})
            QCOMPARE(d.text(id), QString());
        QCOMPARE(d.text(picturesField), u"0"_s);
        QVERIFY(d.control(picturesField).digitsOnly);
        QVERIFY(d.control(senderPasswordField).masked);
        QVERIFY(!d.control(gprsPasswordField).masked);
        QCOMPARE(d.text(folderField), dialog::defaultTargetFolder());
        QCOMPARE(f.model->settings(), smtp::SmtpSettings{});
        QVERIFY(f.host.messages.isEmpty());
        QVERIFY(!f.model->result());
    }

    void limits_data() {
        QTest::addColumn<SmtpForm>("form");
        QTest::addColumn<int>("control");
        QTest::addColumn<int>("limit");
        for (SmtpForm form : {SmtpForm::A, SmtpForm::B}) {
            const char* f = form == SmtpForm::A ? "A" : "B";
            const int address = form == SmtpForm::A ? 32 : 40;
            QTest::addRow("%s APN", f) << form << apnField << 32;
            QTest::addRow("%s account", f) << form << accountField << 32;
            QTest::addRow("%s GPRS password", f) << form << gprsPasswordField << 32;
            QTest::addRow("%s server", f) << form << serverField << 40;
            QTest::addRow("%s port", f) << form << portField << 10;
            QTest::addRow("%s sender", f) << form << senderField << address;
            QTest::addRow("%s sender password", f) << form << senderPasswordField << 32;
            QTest::addRow("%s recipient", f) << form << recipientField << address;
            QTest::addRow("%s phone", f) << form << phoneField << 30;
            QTest::addRow("%s folder", f) << form << folderField << 0;
        }
    }
    void limits() {
        QFETCH(SmtpForm, form);
        QFETCH(int, control);
        QFETCH(int, limit);
        SmtpFormDriver f(form, modelOf(form));
        QCOMPARE(f.dialog().control(control).limit, limit);
        if (limit > 0) {
            f.type(control, QString(limit + 5, u'x'));
            QCOMPARE(f.text(control).size(), limit);
        }
    }

    void captions_data() {
        QTest::addColumn<SmtpForm>("form");
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("control");
        QTest::addColumn<QString>("caption");
        const auto A = SmtpForm::A, B = SmtpForm::B;
        QTest::newRow("English mode") << A << 2 << modeLabel << "Smtp Mode";
        QTest::newRow("Lithuanian mode") << B << 11 << modeLabel << " Smtp rezimas";
        QTest::newRow("A Chinese phone") << A << 1 << 1114 << "手机号码";
        QTest::newRow("B Chinese phone") << B << 1 << 1116 << "手机号码";
        QTest::newRow("A Lithuanian remote") << A << 11 << 1132 << " SMS nuotol.valdymas";
        QTest::newRow("B Slovenian remote") << B << 8 << 1107 << "SMS upravljanje";
        QTest::newRow("Japanese generate") << B << 10 << generateButton << "ファイル作成";
        QTest::newRow("German exit") << A << 3 << exitButton << "Back";
        QTest::newRow("Cesky select") << A << 9 << selectButton << "Vybrat";
        QTest::newRow("Chinese sender password") << B << 1 << senderPasswordLabel << "发送人密码";
        QTest::newRow("Chinese GPRS password") << B << 1 << gprsPasswordLabel << "密码";
        QTest::newRow("Slovenian note")
            << A << 8 << unlimitedNote << "Opomba: 0 pomeni neomejeno st. MMS";
        QTest::newRow("APN everywhere") << A << 10 << apnLabel << "APN";
        QTest::newRow("status keeps its caption") << B << 1 << statusLabel << "SMTP Status";
        QTest::newRow("a language past the table reads English")
            << A << i18n::languageCount + 1 << countryLabel << "Country";
    }
    void captions() {
        QFETCH(SmtpForm, form);
        QFETCH(int, language);
        QFETCH(int, control);
        QFETCH(QString, caption);
        SmtpFormDriver f(form, modelOf(form), language);
        QCOMPARE(f.dialog().controlCaption(control), caption);
    }

    // The boxes and the hour unit keep their template captions in every language.
    void fixedCaptions() {
        for (SmtpForm form : {SmtpForm::A, SmtpForm::B}) {
            SmtpFormDriver f(form, modelOf(form), 1);
            QStringList boxes;
            for (const auto& c : f.dialog().dialogTemplate().controls) {
                if (c.kind == dialog::ControlKind::GroupBox &&
                    !f.dialog().controlCaption(c.id).isEmpty())
                    boxes << f.dialog().controlCaption(c.id);
                if (c.kind == dialog::ControlKind::Label && c.id >= firstStaticControl)
                    QCOMPARE(f.dialog().controlCaption(c.id), u"H"_s);
            }
            QCOMPARE(boxes, (QStringList{"GPRS Setting", "Sender", "Recipients", "SMS"}));
        }
    }

    void optionLists_data() {
        QTest::addColumn<SmtpForm>("form");
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("control");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<int>("selected");
        const auto A = SmtpForm::A, B = SmtpForm::B;
        QTest::newRow("Chinese mode") << A << 1 << modeList << QStringList{"自动", "手动"} << 0;
        QTest::newRow("Suomi mode") << B << 4 << modeList << QStringList{"Autom", "Manuaali"} << 0;
        QTest::newRow("Francais mode") << A << 6 << modeList << QStringList{"Auto", "Manuale"} << 0;
        QTest::newRow("Japanese status")
            << B << 10 << statusList << QStringList{"オフ", "VGA", "SMS"} << 1;
        QTest::newRow("Magyar status")
            << B << 7 << statusList << QStringList{"Off", "VGA", "SMS"} << 1;
        QTest::newRow("Chinese operators, not localised")
            << B << 1 << operatorList << QStringList{"China Mobile", "China Unicom"} << 0;
    }
    void optionLists() {
        QFETCH(SmtpForm, form);
        QFETCH(int, language);
        QFETCH(int, control);
        QFETCH(QStringList, entries);
        QFETCH(int, selected);
        SmtpFormDriver f(form, modelOf(form), language);
        QCOMPARE(f.dialog().entries(control), entries);
        QCOMPARE(f.dialog().selection(control), selected);
    }

    void hourListEndsWithTheOffWord_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("off");
        QTest::newRow("Chinese") << 1 << "关闭";
        QTest::newRow("Cesky") << 9 << "Vypnuto";
        QTest::newRow("Lithuanian") << 11 << "NE";
    }
    void hourListEndsWithTheOffWord() {
        QFETCH(int, language);
        QFETCH(QString, off);
        for (SmtpForm form : {SmtpForm::A, SmtpForm::B}) {
            SmtpFormDriver f(form, modelOf(form), language);
            QCOMPARE(f.dialog().entries(hourList(form)).at(25), off);
            QCOMPARE(f.dialog().selection(hourList(form)), 25);
        }
    }

    void chineseCountriesAreNotLocalised() {
        SmtpFormDriver f(SmtpForm::A, 5, 1);
        QCOMPARE(f.dialog().entries(countryList).first(), u"China"_s);
        f.choose(countryList, 2);
        f.choose(countryList, 0);
        QCOMPARE(f.dialog().entries(operatorList), (QStringList{"China Mobile", "China Unicom"}));
    }

    void countryChangesTheOperators_data() {
        QTest::addColumn<int>("country");
        QTest::addColumn<QStringList>("operators");
        QTest::newRow("United Kingdom")
            << 3 << QStringList{"Vodafone", "O2",     "T-Mobile",     "Orange",
                                "3",        "Virgin", "Tesco Mobile", "ASDA Mobile"};
        QTest::newRow("Romania, one operator") << 13 << QStringList{"Orange"};
        QTest::newRow("Hungary") << 18 << QStringList{"Pannon (contract)", "Vodafone", "T-Mobile"};
        QTest::newRow("Cyprus, the last") << 40 << QStringList{"Cyta"};
    }
    void countryChangesTheOperators() {
        QFETCH(int, country);
        QFETCH(QStringList, operators);
        SmtpFormDriver f(SmtpForm::B, 4);
        f.choose(operatorList, 1);
        f.choose(countryList, country);
        QCOMPARE(f.dialog().entries(operatorList), operators);
        QCOMPARE(f.dialog().selection(operatorList), 0);
        QCOMPARE(f.model->settings().country, country);
        QCOMPARE(f.model->settings().operatorCode, 0);
    }

    // Switching the mode empties the network and mail settings and nothing else.
    void modeSwitchClearsTheRightFields_data() {
        QTest::addColumn<SmtpForm>("form");
        QTest::newRow("A") << SmtpForm::A;
        QTest::newRow("B") << SmtpForm::B;
    }
    void modeSwitchClearsTheRightFields() {
        QFETCH(SmtpForm, form);
        SmtpFormDriver f(form, modelOf(form));
        f.choose(modeList, 1);
        const QString folder = u"/media/card"_s;
        f.selectFolder(folder);
        f.type(apnField, u"cmnet"_s);
        f.type(accountField, u"gprs"_s);
        f.type(gprsPasswordField, u"gprs-pw"_s);
        f.fillMail();
        f.type(phoneField, u"13800138000"_s);
        f.type(picturesField, u"12"_s);
        f.choose(hourList(form), 6);
        if (form == SmtpForm::B)
            f.choose(statusList, 2);
        QCOMPARE(f.model->settings().apn, u"cmnet"_s);

        f.choose(modeList, 0);
        for (int id : gprsFields + mailFields) {
            QVERIFY2(f.text(id).isEmpty(), qPrintable(QString::number(id)));
        }
        const smtp::SmtpSettings s = f.model->settings();
        QCOMPARE(s.apn, QString());
        QCOMPARE(s.account, QString());
        QCOMPARE(s.gprsPassword, QString());
        QCOMPARE(s.server, QString());
        QCOMPARE(s.port, QString());
        QCOMPARE(s.sender, QString());
        QCOMPARE(s.senderPassword, QString());
        QCOMPARE(s.recipient, QString());
        // Kept: the phone number, pictures per day, the folder and the lists below the mode.
        QCOMPARE(f.text(phoneField), u"13800138000"_s);
        QCOMPARE(s.phone, u"13800138000"_s);
        QCOMPARE(f.text(picturesField), u"12"_s);
        QCOMPARE(s.picturesPerDay, 12);
        QCOMPARE(f.text(folderField), folder);
        QCOMPARE(s.remoteHours, 6);
        QCOMPARE(s.status, form == SmtpForm::B ? 2 : 1);
        // Back in "Auto": the presets again, the GPRS fields locked.
        QCOMPARE(f.dialog().entries(countryList).size(), 41);
        QCOMPARE(f.dialog().entries(operatorList), (QStringList{"China Mobile", "China Unicom"}));
        for (int id : gprsFields)
            QVERIFY(f.dialog().control(id).readOnly);
        QCOMPARE(s.automatic, 1);
        QCOMPARE(s.country, 0);

        // And into "Manual" once more: the mail fields go again, the lists hold "Other".
        f.fillMail();
        f.choose(countryList, 5);
        f.choose(modeList, 1);
        for (int id : mailFields)
            QVERIFY(f.text(id).isEmpty());
        QCOMPARE(f.text(phoneField), u"13800138000"_s);
        QCOMPARE(f.dialog().entries(countryList), QStringList{u"Other"_s});
        QCOMPARE(f.dialog().entries(operatorList), QStringList{u"Other"_s});
        QCOMPARE(f.dialog().selection(countryList), 0);
        QCOMPARE(f.dialog().selection(operatorList), 0);
        for (int id : gprsFields)
            QVERIFY(!f.dialog().control(id).readOnly);
        QCOMPARE(f.model->settings().automatic, 0);
        QCOMPARE(f.model->settings().country, smtp::manualCountry);
        QCOMPARE(f.model->settings().operatorCode, 0);
        QVERIFY(f.host.messages.isEmpty());
    }

    void presetShowsInGreyInAutoMode() {
        SmtpFormDriver f(SmtpForm::B, 7);
        const auto shows = [&f](int country, int operatorIndex) {
            const smtp::GprsPreset preset = smtp::gprsPreset(country, operatorIndex);
            const auto text = [](std::string_view v) {
                return QString::fromLatin1(v.data(), qsizetype(v.size()));
            };
            QCOMPARE(f.dialog().control(apnField).hint, text(preset.apn));
            QCOMPARE(f.dialog().control(accountField).hint, text(preset.user));
            QCOMPARE(f.dialog().control(gprsPasswordField).hint, text(preset.password));
            QVERIFY(f.text(apnField).isEmpty());
        };
        shows(0, 0);
        QVERIFY(!f.dialog().control(apnField).hint.isEmpty());
        f.choose(countryList, 2);
        shows(2, 0);
        f.choose(operatorList, 1);
        shows(2, 1);
        // Typed by hand in "Manual" mode: nothing in grey to mislead.
        f.choose(modeList, 1);
        for (int id : {apnField, accountField, gprsPasswordField})
            QVERIFY(f.dialog().control(id).hint.isEmpty());
    }

    void pickingAutoAgainKeepsWhatWasTyped() {
        SmtpFormDriver f(SmtpForm::A, 3);
        f.type(serverField, u"smtp.example.com"_s);
        f.choose(modeList, 0);
        QCOMPARE(f.text(serverField), u"smtp.example.com"_s);
    }

    void manualModeIgnoresTheCountry() {
        SmtpFormDriver f(SmtpForm::A, 6, 1);
        f.choose(modeList, 1);
        QCOMPARE(f.dialog().entries(modeList).at(1), u"手动"_s);
        f.choose(countryList, 0);
        QCOMPARE(f.dialog().entries(countryList), QStringList{u"Other"_s});
        QCOMPARE(f.dialog().entries(operatorList), QStringList{u"Other"_s});
    }

    void picturesPerDayRange_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("kept");
        QTest::newRow("100, English") << 2 << "100"
                                      << "Please enter an integer between 0 and 99!"
                                      << "0" << 0;
        QTest::newRow("100, Chinese") << 1 << "100"
                                      << "请输入一个介于0和99之间的值!"
                                      << "0" << 0;
        QTest::newRow("999, German reads English") << 3 << "999"
                                                   << "Please enter an integer between 0 and 99!"
                                                   << "0" << 0;
        QTest::newRow("empty, English") << 2 << ""
                                        << "Please enter an integer."
                                        << "" << 7;
        QTest::newRow("empty, Chinese") << 1 << ""
                                        << "请键入一个整数。"
                                        << "" << 7;
        QTest::newRow("99 passes") << 2 << "99"
                                   << ""
                                   << "99" << 99;
    }
    void picturesPerDayRange() {
        QFETCH(int, language);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        QFETCH(QString, shown);
        QFETCH(int, kept);
        SmtpFormDriver f(SmtpForm::A, 3, language);
        f.type(picturesField, u"7"_s);
        f.type(serverField, u"smtp.example.com"_s);
        const int focusMoves = f.dialog().focusMoves();
        f.type(picturesField, typed);
        if (typed.isEmpty()) {
            // Emptied on the way to a new number: the message waits until the focus moves on.
            QVERIFY(f.host.messages.isEmpty());
            f.leave(picturesField);
        }
        QCOMPARE(f.host.messages, message.isEmpty() ? QStringList{} : QStringList{message});
        QCOMPARE(f.text(picturesField), shown);
        QCOMPARE(f.model->settings().picturesPerDay, kept);
        if (!message.isEmpty()) {
            QCOMPARE(f.dialog().focus(), picturesField);
            QCOMPARE(f.dialog().focusMoves(), focusMoves + 1);
        }
        // The texts are taken before the number, so they are never held back by it.
        QCOMPARE(f.model->settings().server, u"smtp.example.com"_s);
    }

    // A text the program put in a field beyond its limit is caught by the next take.
    void characterLimitOnTaking() {
        SmtpFormDriver f(SmtpForm::A, 5);
        f.dialog().setText(serverField, QString(41, u's'));
        f.type(portField, u"25"_s);
        QCOMPARE(f.host.messages, QStringList{u"Please enter no more than 40 characters."_s});
        QCOMPARE(f.dialog().focus(), serverField);
        QCOMPARE(f.model->settings().server, QString());
    }

    void cancelledSelectKeepsTheFolder() {
        SmtpFormDriver f(SmtpForm::B, 7);
        f.selectFolder(u"/media/card"_s);
        QCOMPARE(f.text(folderField), u"/media/card"_s);
        QCOMPARE(f.model->targetFolder(), u"/media/card"_s);
        f.press(selectButton); // cancelled
        QCOMPARE(f.model->targetFolder(), u"/media/card"_s);
    }

    void selectKeepsWhatWasTyped() {
        SmtpFormDriver f(SmtpForm::A, 3);
        f.fillMail();
        f.selectFolder(u"/media/card"_s);
        QCOMPARE(f.text(serverField), u"smtp.example.com"_s);
        QCOMPARE(f.text(senderPasswordField), u"mail-pw"_s);
    }

    void exitEndsTheFormCancelled_data() {
        QTest::addColumn<bool>("closeBox");
        QTest::newRow("Exit") << false;
        QTest::newRow("close box or Escape") << true;
    }
    void exitEndsTheFormCancelled() {
        QFETCH(bool, closeBox);
        SmtpFormDriver f(SmtpForm::B, 4);
        if (closeBox)
            f.model->closeRequested();
        else
            f.press(exitButton);
        QVERIFY(f.model->result() == dialog::DialogResult::Cancelled);
        QVERIFY(f.host.messages.isEmpty());
    }
};

KESTROVA_TEST(SmtpFormModelTest)
#include "smtp_form_model_test.moc"
