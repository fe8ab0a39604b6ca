#include "mms/mms_checks.h"
#include "mms/mms_form_test_support.h"
#include "mms/mms_record.h"
#include "support/row_walk.h"
#include "support/test_registry.h"

#include <QTemporaryDir>
#include <QTest>

using namespace kestrova;
using namespace kestrova::mms;
using namespace kestrova::res::mms_form;

// Every row of the setup.dat table through both MMS forms, by the row alone: a value typed or
// picked in the row's control reaches the file Generate writes, and that file, loaded from the
// card, puts the value back in the control. Every row has a control on both forms.
class MmsFormWalkTest : public QObject {
    Q_OBJECT

    // "Phone No" takes as many digits as the domestic scope allows, the other phones their bytes.
    static QString textFor(const MmsFieldRow& row, MmsForm form) {
        const int bytes = row.bytes[std::size_t(form)];
        if (row.id == MmsField::Port)
            return QStringLiteral("65535");
        if (row.id == MmsField::Phone1)
            return test::digitText(phoneDigitLimit(form, false));
        return row.name.starts_with("phone") ? test::digitText(bytes) : test::addressText(bytes);
    }

private Q_SLOTS:
    void walk_data() {
        QTest::addColumn<int>("model");
        QTest::addColumn<MmsField>("field");
        for (const int model : {7, 1}) { // forms A and B
            for (const MmsFieldRow& row : mmsFields())
                QTest::addRow("model %d %s", model, row.name.data()) << model << row.id;
        }
    }
    void walk() {
        QFETCH(int, model);
        QFETCH(MmsField, field);
        const MmsFieldRow& row = mmsField(field);
        const bool flag = field == MmsField::Mode;
        test::MmsFormDriver taking(model);
        const MmsForm form = taking.model->form();
        const int control = row.control[std::size_t(form)];
        QTemporaryDir out;
        taking.selectFolder(out.path());

        // The network texts and the bearer are typed and picked in "Manual" mode only, which
        // asks for all four network texts; "Phone No" and a first further recipient open the
        // second one.
        if (row.givenByPreset || field == MmsField::Bearer || flag) {
            taking.choose(modeList, 1);
            for (const int box : {urlField, apnField, gatewayField, portField})
                taking.edit(box, QStringLiteral("10.0.0.1"));
        }
        taking.edit(phoneField, QStringLiteral("13800138000"));
        taking.edit(recipient2Field, QStringLiteral("13900139000"));
        const QString shown =
            test::enterOther<MmsSettings>(taking, row, control, flag, textFor(row, form));
        taking.generate();
        const DecodedMms decoded = decodeMmsRecord(test::fileBytes(out.filePath("setup.dat")));
        QVERIFY2(decoded.check.intact(), qPrintable(taking.host.messages.join(u'\n')));
        QCOMPARE(test::heldIn(row, decoded.settings, flag), shown);

        QCOMPARE(test::shownFromCard(test::MmsFormDriver(model), out.path(), control, row.kind),
                 shown);
    }
};

KESTROVA_TEST(MmsFormWalkTest)
#include "mms_form_walk_test.moc"
