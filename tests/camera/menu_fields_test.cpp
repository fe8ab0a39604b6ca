#include "app/routing.h"
#include "camera/camera_rules.h"
#include "camera/menu_field_entries.h"
#include "camera/menu_fields.h"
#include "camera/menu_record.h"
#include "i18n/language.h"
#include "support/process_runner.h"
#include "support/test_files.h"
#include "support/test_registry.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

using namespace kestrova;
using namespace kestrova::camera;

// Every row of the menu.dat field table, walked on each camera model: the value a row holds
// survives encoding, decoding, inspect's profile and the command reading that profile back, and
// no two rows of one form share an id, a name or a control (the bytes are checked as it builds).
class MenuFieldsTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    // A value other than the one the form opens with, within what the row may hold.
    static int otherValue(const MenuFieldRow& row, CameraForm form, int model) {
        const int atOpen = row.numberIn(CameraSettings::atOpen(form));
        if (row.kind == codec::FieldKind::Number)
            return atOpen == row.upper ? row.lower : row.upper;
        const QStringList entries = fieldEntries(row, form, model, i18n::English);
        return atOpen == int(entries.size()) - 1 ? 0 : int(entries.size()) - 1;
    }

private Q_SLOTS:
    void uniquePerForm_data() {
        QTest::addColumn<int>("form");
        QTest::newRow("A") << int(CameraForm::A);
        QTest::newRow("B") << int(CameraForm::B);
        QTest::newRow("C") << int(CameraForm::C);
    }
    void uniquePerForm() {
        QFETCH(int, form);
        const auto f = static_cast<CameraForm>(form);
        QSet<int> ids, controls;
        QSet<QString> names;
        for (const MenuFieldRow& row : menuFields()) {
            QVERIFY2(!ids.contains(int(row.id)), row.name.data());
            ids << int(row.id);
            QVERIFY2(!names.contains(row.nameText()), row.name.data());
            names << row.nameText();
            QCOMPARE(menuFieldNamed(row.nameText()), &row);
            QCOMPARE(&menuField(row.id), &row);
            if (row.onForm(f)) {
                QVERIFY2(!controls.contains(row.controlOn(f)), row.name.data());
                controls << row.controlOn(f);
            }
        }
        QVERIFY(!menuFieldNamed(u"clock"));
    }

    void everyRowRoundTrips_data() {
        QTest::addColumn<int>("model");
        for (int model = 1; model <= 7; ++model)
            QTest::newRow(qPrintable(QStringLiteral("model %1").arg(model))) << model;
    }
    void everyRowRoundTrips() {
        QFETCH(int, model);
        const CameraForm form = app::cameraFormFor(model);
        const CapturedTime time{2012, 5, 6, 7, 8, 9};
        // Every row the form shows moves off its opening value at once; the interval in seconds,
        // where no correction touches it.
        CameraSettings settings = CameraSettings::atOpen(form);
        settings.interval_unit = intervalSeconds;
        for (const MenuFieldRow& row : menuFields()) {
            if (row.onForm(form) && row.id != MenuField::IntervalUnit)
                row.setNumber(settings, otherValue(row, form, model));
        }
        const MenuRecord record = prepareMenuFile(form, settings, time, 2, 0);
        const CameraSettings decoded = decodeMenuRecord(record, form).settings;

        const QString prefs = dir.filePath(QStringLiteral("prefs.ini"));
        const QString file = dir.filePath(QStringLiteral("model%1.dat").arg(model));
        QVERIFY(test::writeFile(file, toByteArray(record)));
        const auto report = test::runKestrova(
            {"inspect", file, "--model", QString::number(model), "--json"}, prefs);
        QVERIFY2(report.exitCode == 0, qPrintable(report.err));
        const QJsonObject profile = QJsonDocument::fromJson(report.out.toUtf8()).object();
        for (const MenuFieldRow& row : menuFields()) {
            QCOMPARE(profile.contains(row.nameText()), row.onForm(form));
            if (row.onForm(form))
                QVERIFY2(row.numberIn(decoded) == row.numberIn(settings), row.name.data());
        }

        const QString profileFile = file + QStringLiteral(".json");
        QVERIFY(test::writeFile(profileFile, report.out.toUtf8()));
        const QString out = dir.filePath(QStringLiteral("model%1").arg(model));
        QVERIFY(QDir().mkpath(out));
        const auto written = test::runKestrova(
            {"menu", "--model", QString::number(model), "--time", "2012-05-06T07:08:09",
             "--language", "2", "--tv-mode", "0", "--profile", profileFile, "--out", out},
            prefs);
        QVERIFY2(written.exitCode == 0, qPrintable(written.err));
        QCOMPARE(test::fileBytes(QDir(out).filePath(QStringLiteral("menu.dat"))).toHex(' '),
                 toByteArray(record).toHex(' '));
    }
};

KESTROVA_TEST(MenuFieldsTest)
#include "menu_fields_test.moc"
