#include "i18n/language.h"
#include "i18n/mms_texts.h"
#include "mms/mms_checks.h"
#include "mms/mms_fields.h"
#include "mms/mms_file.h"
#include "mms/mms_profile.h"
#include "mms/mms_record.h"
#include "support/test_registry.h"

#include <QTest>

#include <map>

using namespace kestrova;
using namespace kestrova::mms;

namespace {

// Model 3 has form B with the longest status list (QVGA before SMS).
constexpr int model = 3;
constexpr MmsForm form = MmsForm::B;
constexpr int languageByte = 2;

// What every case starts from: a recipient, so that Generate's checks pass.
const QStringList base{QStringLiteral("email=someone@example.com")};

const QStringList manualNetwork{QStringLiteral("mode=manual"),
                                QStringLiteral("url=http://mms.example.net/mms"),
                                QStringLiteral("apn=mms.example"),
                                QStringLiteral("gateway=10.0.0.172"), QStringLiteral("port=8080")};

const QStringList phone{QStringLiteral("phone1=13800138000")};

ProfileRead<MmsSettings> read(const QStringList& assignments) {
    MmsProfileReader reader(form, model, i18n::English);
    for (const QString& assignment : assignments) {
        if (const auto error = reader.takeAssignment(assignment))
            return {{}, error};
    }
    return reader.settings();
}

bool differs(const MmsFieldRow& row, const MmsSettings& a, const MmsSettings& b) {
    return row.kind == codec::FieldKind::Text ? a.*row.text != b.*row.text
                                              : row.numberIn(a) != row.numberIn(b);
}

} // namespace

class MmsProfileTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Every field of the table, set away from its start value, goes through the record and back
    // out as a profile that reads as the same settings.
    void everyFieldRoundTrips_data() {
        // clang-format off
        const std::map<std::string_view, QStringList> cases{
            {"mode", manualNetwork},
            {"status", {QStringLiteral("status=QVGA")}},
            {"pictures_per_day", {QStringLiteral("pictures_per_day=42")}},
            {"remote_hours", phone + QStringList{QStringLiteral("remote_hours=7")}},
            {"country", {QStringLiteral("country=3")}},
            {"operator", {QStringLiteral("country=0"), QStringLiteral("operator=1")}},
            {"url", manualNetwork + QStringList{QStringLiteral("url=http://mmsc.example.org")}},
            {"bearer", manualNetwork + QStringList{QStringLiteral("bearer=CSD")}},
            {"apn", manualNetwork + QStringList{QStringLiteral("apn=other.apn")}},
            {"gateway", manualNetwork + QStringList{QStringLiteral("gateway=192.168.0.1")}},
            {"port", manualNetwork + QStringList{QStringLiteral("port=9201")}},
            {"phone1", phone},
            {"international", {QStringLiteral("international=international"), QStringLiteral("phone1=+8613800138000")}},
            {"email", {QStringLiteral("email=other@example.org")}},
            {"account", manualNetwork + QStringList{QStringLiteral("account=mmsuser")}},
            {"password", manualNetwork + QStringList{QStringLiteral("password=secret")}},
            {"phone2", phone + QStringList{QStringLiteral("phone2=13900139000")}},
            {"phone3", phone + QStringList{QStringLiteral("phone2=13900139000"), QStringLiteral("phone3=friend@example.com")}},
        };
        // clang-format on
        QTest::addColumn<int>("field");
        QTest::addColumn<QStringList>("assignments");
        // A row with no case of its own is set to its highest number, or to a text as long as
        // it may be.
        for (const MmsFieldRow& row : mmsFields()) {
            const auto found = cases.find(row.name);
            const QString value = row.kind == codec::FieldKind::Text
                                      ? QString(row.bytes[std::size_t(form)], u'k')
                                      : QString::number(row.upper);
            QTest::newRow(row.name.data())
                << static_cast<int>(row.id)
                << base + (found == cases.end() ? QStringList{row.nameText() + u'=' + value}
                                                : found->second);
        }
    }
    void everyFieldRoundTrips() {
        QFETCH(int, field);
        QFETCH(QStringList, assignments);
        const MmsFieldRow& row = mmsField(MmsField(field));

        const ProfileRead<MmsSettings> given = read(assignments);
        QVERIFY2(!given.error, qPrintable(given.error ? given.error->message : QString()));
        const ProfileRead<MmsSettings> start = read(base);
        QVERIFY2(differs(row, given.settings, start.settings), "the case leaves the field alone");

        const sending::Prepared<MmsField> prepared =
            sending::prepare<MmsFile>(given.settings, form, model, languageByte, 0);
        QVERIFY(prepared.written());

        const DecodedMms decoded = decodeMmsRecord(prepared.bytes);
        QVERIFY(decoded.check.intact());
        QCOMPARE(decoded.languageByte, languageByte);
        const MmsSettings written = sending::withPreset<MmsFile>(given.settings);
        QCOMPARE(decoded.settings, written);

        const QJsonObject profile = mmsProfileObject(decoded.settings, form, model);
        // A manual-mode profile holds no country or operator: the record's are fixed.
        const bool fixed =
            written.automatic == 0 && (row.id == MmsField::Country || row.id == MmsField::Operator);
        QCOMPARE(profile.contains(row.nameText()), !fixed);
        MmsProfileReader reader(form, model, i18n::English);
        reader.takeProfile(profile);
        const ProfileRead<MmsSettings> again = reader.settings();
        QVERIFY2(!again.error, qPrintable(again.error ? again.error->message : QString()));
        QCOMPARE(again.settings, given.settings);
    }
};

KESTROVA_TEST(MmsProfileTest)
#include "mms_profile_test.moc"
