#include "smtp/smtp_checks.h"
#include "smtp/smtp_form_test_support.h"
#include "support/row_walk.h"
#include "support/test_registry.h"

#include <QTemporaryDir>
#include <QTest>

using namespace kestrova;
using namespace kestrova::smtp;
using namespace kestrova::res::smtp_form;

// Every row of the smtp.dat table through both SMTP forms, by the row alone: a value typed or
// picked in the row's control reaches the file Generate writes, and that file, loaded from the
// card, puts the value back in the control. Every row has a control on form B; form A has no
// status and is never asked for one.
class SmtpFormWalkTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void walk_data() {
        QTest::addColumn<SmtpForm>("form");
        QTest::addColumn<SmtpField>("field");
        for (const SmtpForm form : {SmtpForm::A, SmtpForm::B}) {
            for (const SmtpFieldRow& row : smtpFields()) {
                if (onForm(row, form))
                    QTest::addRow("form %c %s", 'A' + int(form), row.name.data()) << form << row.id;
            }
        }
    }
    void walk() {
        QFETCH(SmtpForm, form);
        QFETCH(SmtpField, field);
        const SmtpFieldRow& row = smtpField(field);
        const bool flag = field == SmtpField::Mode;
        const int control = row.control[formColumn(form)];
        const int model = form == SmtpForm::A ? 5 : 4;
        test::SmtpFormDriver taking(form, model);
        QTemporaryDir out;
        taking.selectFolder(out.path());

        // The GPRS texts are typed in "Manual" mode only, which asks for an APN; a change of
        // mode empties the mail texts, so they come after it. Remote control needs "Phone No".
        if (row.givenByPreset || flag) {
            taking.choose(modeList, 1);
            taking.type(apnField, QStringLiteral("internet"));
        }
        taking.fillMail();
        taking.type(phoneField, QStringLiteral("13800138000"));
        const int bytes = row.bytes[formColumn(form)];
        const QString text = field == SmtpField::Port    ? QStringLiteral("65535")
                             : field == SmtpField::Phone ? test::digitText(bytes)
                                                         : test::addressText(bytes);
        const QString shown = test::enterOther<SmtpSettings>(taking, row, control, flag, text);
        taking.press(generateButton);
        const DecodedSmtp decoded =
            decodeSmtpRecord(test::fileBytes(out.filePath("smtp.dat")), form);
        QVERIFY2(decoded.check.intact(), qPrintable(taking.host.messages.join(u'\n')));
        QCOMPARE(test::heldIn(row, decoded.settings, flag), shown);

        QCOMPARE(
            test::shownFromCard(test::SmtpFormDriver(form, model), out.path(), control, row.kind),
            shown);
    }
};

KESTROVA_TEST(SmtpFormWalkTest)
#include "smtp_form_walk_test.moc"
