#include "app/setup_forms.h"
#include "qt/desktop.h"
#include "qt/dialog_window.h"
#include "qt/open_form.h"
#include "res/smtp_templates.h"
#include "smtp/smtp_checks.h"
#include "smtp/smtp_file.h"
#include "storage/record_file.h"
#include "support/fake_host.h"
#include "support/test_files.h"
#include "support/test_registry.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using kestrova::test::fileBytes;
using namespace kestrova;
using kestrova::test::OpenForm;
using namespace kestrova::res::smtp_form;
using kestrova::test::FakeHost;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(kestrova::SmtpForm)

namespace {

// One SMTP form as the desktop program makes it, in a real window.
} // namespace

class SmtpFormWindowTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString smtpFile() const { return recordFilePath(dir.path(), u"smtp.dat"_s); }

    static void typeMail(const OpenForm& f) {
        f.typeOver(serverField, u"smtp.example.com"_s);
        f.typeOver(portField, u"25"_s);
        f.typeOver(senderField, u"cam@example.com"_s);
        f.typeOver(senderPasswordField, u"secret"_s);
        f.typeOver(recipientField, u"owner@example.org"_s);
    }

private Q_SLOTS:
    void init() { QFile::remove(smtpFile()); }

    void typeChooseAndGenerate_data() {
        QTest::addColumn<SmtpForm>("form");
        QTest::addColumn<int>("model");
        QTest::addColumn<QString>("title");
        QTest::newRow("A") << SmtpForm::A << 5 << "Kestrova Kappa";
        QTest::newRow("B") << SmtpForm::B << 7 << "Kestrova Sigma";
    }
    void typeChooseAndGenerate() {
        QFETCH(SmtpForm, form);
        QFETCH(int, model);
        QFETCH(QString, title);
        OpenForm f(app::SetupForm::Smtp, model);
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        QCOMPARE(f.window->windowTitle(), title);
        // Screen readers hear the label that names a field, or the field's own name.
        QCOMPARE(f.edit(serverField)->accessibleName(), u"Smtp Server"_s);
        QCOMPARE(f.edit(folderField)->accessibleName(), u"Target folder"_s);
        QCOMPARE(f.list(hourList(form))->accessibleName(), u"SMS Remote Control"_s);
        QCOMPARE(f.edit(senderPasswordField)->echoMode(), QLineEdit::Password);

        QVERIFY(f.edit(apnField)->isReadOnly());
        f.chooseNext(modeList);
        QVERIFY(!f.edit(apnField)->isReadOnly());
        QCOMPARE(f.list(countryList)->currentText(), u"Other"_s);
        f.typeOver(apnField, u"cmnet"_s);
        typeMail(f);
        f.typeOver(picturesField, u"12"_s);
        f.typeOver(phoneField, u"13800138000"_s);
        f.chooseNext(hourList(form)); // already on "Off", the last entry: stays
        if (form == SmtpForm::B)
            f.chooseNext(statusList);
        f.typeOver(folderField, dir.path());
        QTest::mouseClick(f.window->widget(generateButton), Qt::LeftButton);

        smtp::SmtpSettings expected;
        expected.automatic = 0;
        expected.country = sending::manualCountry;
        expected.picturesPerDay = 12;
        expected.status = form == SmtpForm::B ? 2 : 1;
        expected.apn = u"cmnet"_s;
        expected.server = u"smtp.example.com"_s;
        expected.port = u"25"_s;
        expected.sender = u"cam@example.com"_s;
        expected.senderPassword = u"secret"_s;
        expected.recipient = u"owner@example.org"_s;
        expected.phone = u"13800138000"_s;
        const auto record = smtp::buildSmtpRecord(expected, form, 2);
        QVERIFY(record.ok());
        QCOMPARE(fileBytes(smtpFile()).toHex(' '), record.bytes.toHex(' '));
        QCOMPARE(f.host.messages,
                 QStringList{kestrova::test::writtenMessage(
                                 u"SMTP configuration file has been generated"_s, smtpFile()) +
                             u"\nNew file."_s});
        QVERIFY(f.window->isVisible());
    }

    void tooManyPicturesAreCorrectedInTheWindow() {
        OpenForm f(app::SetupForm::Smtp, 4, 3);
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        f.typeOver(picturesField, u"100"_s);
        QCOMPARE(f.host.messages, QStringList{u"Please enter an integer between 0 and 99!"_s});
        QCOMPARE(f.edit(picturesField)->text(), u"0"_s);
        QCOMPARE(QApplication::focusWidget(), f.edit(picturesField));
    }

    void modeSwitchEmptiesTheWindowFields() {
        OpenForm f(app::SetupForm::Smtp, 6);
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        typeMail(f);
        f.typeOver(phoneField, u"13800138000"_s);
        f.chooseNext(modeList);
        QCOMPARE(f.edit(serverField)->text(), QString());
        QCOMPARE(f.edit(senderPasswordField)->text(), QString());
        QCOMPARE(f.edit(phoneField)->text(), u"13800138000"_s);
        QCOMPARE(f.list(operatorList)->count(), 1);
    }

    void enterInAFieldGenerates() {
        OpenForm f(app::SetupForm::Smtp, 3);
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        typeMail(f);
        f.typeOver(folderField, dir.path());
        QTest::keyClick(f.edit(recipientField), Qt::Key_Return);
        QCOMPARE(fileBytes(smtpFile()).size(), 720);
        QCOMPARE(f.host.messages.size(), 1);
        QVERIFY(f.window->isVisible());
    }

    void escapeClosesTheForm() {
        OpenForm f(app::SetupForm::Smtp, 7);
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        f.edit(serverField)->setFocus();
        QTest::keyClick(f.window.get(), Qt::Key_Escape);
        QVERIFY(!f.window->isVisible());
        QVERIFY(f.model->result() == dialog::DialogResult::Cancelled);
        QVERIFY(!QFile::exists(smtpFile()));
    }
};

KESTROVA_TEST(SmtpFormWindowTest)
#include "smtp_form_window_test.moc"
