#include "codec/block_container.h"
#include "smtp/gprs_presets.h"
#include "smtp/smtp_checks.h"
#include "smtp/smtp_fields.h"
#include "smtp/smtp_file.h"
#include "smtp/smtp_profile.h"
#include "smtp/smtp_record.h"
#include "support/test_registry.h"

#include <QSet>
#include <QTest>

using namespace kestrova;
using namespace kestrova::smtp;
using codec::FieldKind;

Q_DECLARE_METATYPE(kestrova::SmtpForm)
Q_DECLARE_METATYPE(kestrova::smtp::SmtpField)

namespace {

// The form's start values with this one field moved off its start value, to a value the form
// could have written.
SmtpSettings withFieldChanged(const SmtpFieldRow& row, SmtpForm form) {
    SmtpSettings s;
    switch (row.id) {
    case SmtpField::Country:
        s.country = gprsCountryCount - 1;
        break;
    case SmtpField::Operator:
        s.operatorCode = gprsOperatorCount(s.country) - 1;
        break;
    default:
        if (row.kind == FieldKind::Text)
            s.automatic = 0;
        else if (row.kind == FieldKind::Number)
            row.setNumber(s, row.upper);
        else
            row.setNumber(s, row.lower);
        break;
    }
    if (s.automatic == 0) {
        s.country = sending::manualCountry;
        s.operatorCode = 0;
    }
    if (row.kind == FieldKind::Text)
        s.*row.text = QString(row.bytes[formColumn(form)], u'k');
    return sending::withPreset<SmtpFile>(s);
}

} // namespace

class SmtpFieldsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Within a form no two fields share a name or a control (their places are checked as it
    // builds).
    void fieldsAreDistinctOnEachForm_data() {
        QTest::addColumn<SmtpForm>("form");
        QTest::newRow("A") << SmtpForm::A;
        QTest::newRow("B") << SmtpForm::B;
    }
    void fieldsAreDistinctOnEachForm() {
        QFETCH(SmtpForm, form);
        QSet<QString> names;
        QSet<int> controls;
        for (const SmtpFieldRow& row : smtpFields()) {
            QCOMPARE(&smtpField(row.id), &row);
            QCOMPARE(smtpFieldNamed(row.nameText()), &row);
            names.insert(row.nameText());
            if (!onForm(row, form))
                continue;
            const int control = row.control[formColumn(form)];
            QVERIFY(!controls.contains(control));
            controls.insert(control);
        }
        QCOMPARE(names.size(), static_cast<int>(smtpFields().size()));
    }

    // Each field survives the record and the profile: what is written is read back, and its
    // profile reads back as the same settings.
    void everyFieldRoundTrips_data() {
        QTest::addColumn<SmtpForm>("form");
        QTest::addColumn<SmtpField>("field");
        for (const SmtpForm form : {SmtpForm::A, SmtpForm::B}) {
            for (const SmtpFieldRow& row : smtpFields()) {
                if (onForm(row, form))
                    QTest::addRow("%s %s", form == SmtpForm::A ? "A" : "B", row.name.data())
                        << form << row.id;
            }
        }
    }
    void everyFieldRoundTrips() {
        QFETCH(SmtpForm, form);
        QFETCH(SmtpField, field);
        const SmtpFieldRow& row = smtpField(field);
        const SmtpSettings settings = withFieldChanged(row, form);
        QVERIFY(!(settings == SmtpSettings{}));

        const codec::RecordBytes record = buildSmtpRecord(settings, form, 2);
        QVERIFY(record.ok());
        const DecodedSmtp decoded = decodeSmtpRecord(record.bytes, form);
        QVERIFY(decoded.check.intact());
        QCOMPARE(decoded.settings, settings);

        const QJsonObject profile = smtpProfile(decoded.settings, form);
        QVERIFY(profile.contains(row.nameText()));
        SmtpProfileReader reader(form, 7, 2);
        QCOMPARE(reader.takeProfile(profile), std::optional<ProfileError>());
        const ProfileRead<SmtpSettings> read = reader.settings();
        QCOMPARE(read.error, std::optional<ProfileError>());
        // In "Auto" mode the preset's texts are left to the preset.
        QCOMPARE(sending::withPreset<SmtpFile>(read.settings), settings);
    }
};

KESTROVA_TEST(SmtpFieldsTest)
#include "smtp_fields_test.moc"
