#include "camera/menu_field_entries.h"
#include "camera/menu_fields.h"
#include "camera/menu_profile.h"
#include "i18n/language.h"
#include "model/camera_model.h"
#include "support/test_registry.h"

#include <QJsonDocument>
#include <QTest>

using namespace kestrova;
using namespace kestrova::camera;

// The menu profile in the core: what the writer makes of the settings the reader takes back, and
// the reader's refusals as values that name their setting.
class MenuProfileTest : public QObject {
    Q_OBJECT

    // Every value the form could hold in the row: each list position, each number in range.
    static QList<int> valuesOf(const MenuFieldRow& row, CameraForm form, int model) {
        QList<int> values;
        const int last = row.kind == codec::FieldKind::Number
                             ? row.upper
                             : int(fieldEntries(row, form, model, i18n::English).size()) - 1;
        for (int value = row.kind == codec::FieldKind::Number ? row.lower : 0; value <= last;
             ++value)
            values << value;
        return values;
    }

private Q_SLOTS:
    void everyValueRoundTrips_data() {
        QTest::addColumn<int>("model");
        for (const CameraModel& model : cameraModels())
            QTest::newRow(qPrintable(QStringLiteral("model %1").arg(model.number))) << model.number;
    }
    void everyValueRoundTrips() {
        QFETCH(int, model);
        const CameraForm form = cameraModel(model).cameraForm;
        for (const MenuFieldRow& row : menuFields()) {
            if (!row.onForm(form))
                continue;
            const QList<int> values = valuesOf(row, form, model);
            QVERIFY2(values.size() > 1, row.name.data());
            for (const int value : values) {
                CameraSettings settings = CameraSettings::atOpen(form);
                row.setNumber(settings, value);
                const QJsonObject profile = menuProfileObject(settings, form, model);
                QVERIFY2(profile.value(row.nameText()).isString() ==
                             (row.kind == codec::FieldKind::List),
                         row.name.data());
                MenuProfileReader reader(form, model, i18n::English);
                QCOMPARE(reader.takeProfile(profile), std::nullopt);
                const ProfileRead<CameraSettings> read = reader.settings();
                QCOMPARE(read.error, std::nullopt);
                QVERIFY2(read.settings == settings,
                         qPrintable(QStringLiteral("%1 = %2").arg(row.nameText()).arg(value)));
            }
        }
    }

    void refusalNamesTheSetting_data() {
        QTest::addColumn<int>("model");
        QTest::addColumn<QByteArray>("profile");
        QTest::addColumn<QStringList>("assignments");
        QTest::addColumn<QString>("message");
        QTest::newRow("profile: no number or text")
            << 1 << QByteArray(R"({"timer": true})") << QStringList{}
            << "timer: expected a number or a text, got true";
        QTest::newRow("profile: not on the model's form")
            << 6 << QByteArray(R"({"side_pir": "On"})") << QStringList{}
            << "side_pir: model 6 (Kes OmegaMG) has no such setting";
        QTest::newRow("assignment: out of range, later values passed over")
            << 7 << QByteArray("{}")
            << QStringList{QStringLiteral("video_length=61"), QStringLiteral("interval=3")}
            << "video_length: Please enter an integer between 1 and 60! (got \"61\")";
        QTest::newRow("assignment: no entry of the list")
            << 7 << QByteArray("{}") << QStringList{QStringLiteral("timer=maybe")}
            << "timer: \"maybe\" is not allowed; use a position 0..1 or one of: Off, On";
    }
    void refusalNamesTheSetting() {
        QFETCH(int, model);
        QFETCH(QByteArray, profile);
        QFETCH(QStringList, assignments);
        QFETCH(QString, message);
        MenuProfileReader reader(cameraModel(model).cameraForm, model, i18n::English);
        std::optional<ProfileError> first =
            reader.takeProfile(QJsonDocument::fromJson(profile).object());
        for (const QString& assignment : assignments) {
            const auto error = reader.takeAssignment(assignment);
            if (!first)
                first = error;
        }
        QVERIFY(first);
        QCOMPARE(first->message, message);
        QCOMPARE(reader.settings().error, first);
    }
};

KESTROVA_TEST(MenuProfileTest)
#include "menu_profile_test.moc"
