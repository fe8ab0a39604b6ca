#include "app/routing.h"
#include "camera/menu_field_entries.h"
#include "camera/menu_fields.h"
#include "camera/menu_record.h"
#include "dialog/card_file_actions.h"
#include "support/test_registry.h"

#include "camera_form_test_support.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace kestrova;
using namespace kestrova::camera;

// Every row of the menu.dat table through every camera form, by the row alone: a value typed or
// picked in the row's control reaches the file Generate writes, and a file's value reaches the
// control when the form loads it. A form without the row is never asked for its control.
class MenuFormWalkTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    int folders = 0;

    QString newFolder() {
        const QString folder = dir.filePath(QString::number(++folders));
        QDir().mkpath(folder);
        return folder;
    }

    // A value the row may hold on this form, other than the one the form opens with.
    static int otherValue(const MenuFieldRow& row, CameraForm form, int model) {
        const int atOpen = row.numberIn(CameraSettings::atOpen(form));
        const int last = row.kind == codec::FieldKind::Number
                             ? row.upper
                             : int(fieldEntries(row, form, model, i18n::English).size()) - 1;
        return atOpen == last ? row.lower : last;
    }

    static void pointAt(test::CameraFormDriver& f, const QString& folder) {
        f.edit(res::camera_form::folderField, folder);
    }

private Q_SLOTS:
    void walk_data() {
        QTest::addColumn<int>("model");
        QTest::addColumn<MenuField>("field");
        // One model of each form.
        for (const int model : {6, 7, 1}) {
            const CameraForm form = app::cameraFormFor(model);
            for (const MenuFieldRow& row : menuFields()) {
                if (row.onForm(form))
                    QTest::addRow("form %c %s", 'A' + int(form), row.name.data())
                        << model << row.id;
            }
        }
    }
    void walk() {
        QFETCH(int, model);
        QFETCH(MenuField, field);
        const CameraForm form = app::cameraFormFor(model);
        const MenuFieldRow& row = menuField(field);
        const int control = row.controlOn(form);
        const int value = otherValue(row, form, model);

        // Take: typed or picked, then written.
        test::CameraFormDriver taking(form, model);
        const QString out = newFolder();
        pointAt(taking, out);
        if (row.kind == codec::FieldKind::Number)
            taking.type(control, QString::number(value));
        else
            taking.choose(control, value);
        taking.press(res::camera_form::generateButton);
        const QByteArray written = test::fileBytes(out + QStringLiteral("/menu.dat"));
        QVERIFY2(checkMenuRecord(written).intact(), qPrintable(taking.host.messages.join(u'\n')));
        QCOMPARE(row.numberIn(decodeMenuRecord(toMenuRecord(written), form).settings), value);

        // Show: a file holding the value, loaded.
        CameraSettings settings = CameraSettings::atOpen(form);
        row.setNumber(settings, value);
        const QString card = newFolder();
        QVERIFY(test::writeFile(
            card + QStringLiteral("/menu.dat"),
            toByteArray(buildMenuRecord(form, settings, {2012, 5, 6, 7, 8, 9}, 2, 0))));
        test::CameraFormDriver showing(form, model);
        pointAt(showing, card);
        showing.model->contextActionChosen(dialog::CardFileActions::LoadFromCard);
        if (row.kind == codec::FieldKind::Number)
            QCOMPARE(showing.text(control), QString::number(value));
        else
            QCOMPARE(showing.dialog().selection(control), value);
    }
};

KESTROVA_TEST(MenuFormWalkTest)
#include "menu_form_walk_test.moc"
