#include "camera/camera_form_model.h"
#include "dialog/card_file_actions.h"
#include "dialog/summary_strip.h"
#include "plan/settings_sheet.h"
#include "qt/open_form.h"
#include "res/camera_templates.h"
#include "res/mms_templates.h"
#include "res/smtp_templates.h"
#include "support/test_files.h"
#include "support/test_registry.h"

#include <QListWidget>
#include <QTemporaryDir>

using namespace kestrova;
using namespace kestrova::res::camera_form;
using kestrova::test::OpenForm;
namespace strip = kestrova::dialog::summary_strip;

namespace {

QStringList linesOf(const OpenForm& f) {
    const auto* lines = qobject_cast<QListWidget*>(f.window->widget(strip::lines));
    QStringList texts;
    for (int i = 0; i < lines->count(); ++i)
        texts << lines->item(i)->text();
    return texts;
}

} // namespace

// The strip beside a real window: it follows every edit, warns with an icon and in words, shows
// the line with the focus as clearly as any control, and takes nothing of the form's own room.
class SummaryStripWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void followsEveryEdit() {
        OpenForm f(app::SetupForm::Camera, 7);
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        QCOMPARE(linesOf(f).constFirst(), QStringLiteral("On motion: 1 photo at 12MP."));
        f.chooseNext(cameraMode);
        QCOMPARE(linesOf(f).constFirst(), QStringLiteral("On motion: a 10 s video at 1280x720."));
        f.typeOver(videoLength, QStringLiteral("30"));
        QCOMPARE(linesOf(f).constFirst(), QStringLiteral("On motion: a 30 s video at 1280x720."));
        // Fewer triggers assumed: 5 clips of 30 s at 3.1 MB a second.
        f.typeOver(strip::triggersField, QStringLiteral("5"));
        QVERIFY2(linesOf(f).contains(QStringLiteral(
                     "Estimated a day: video about 2 min 30 s, card use about 465 MB.")),
                 qPrintable(linesOf(f).join(u'\n')));
    }

    void warnsWithAnIconAndInWords() {
        OpenForm f(app::SetupForm::Camera, 7);
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        auto* lines = qobject_cast<QListWidget*>(f.window->widget(strip::lines));
        QCOMPARE(lines->accessibleName(), QStringLiteral("What the camera will do"));
        QVERIFY(lines->focusPolicy() & Qt::TabFocus);
        const QString warning = QStringLiteral(
            "Warning: Sense Level and Time Lapse are both off: the camera never takes a picture.");
        QVERIFY(!linesOf(f).contains(warning));
        // Sense level "Off" is the list's last entry; the time lapse is off already.
        f.list(senseLevel)->setFocus();
        QTest::keyClick(f.list(senseLevel), Qt::Key_End);
        const auto found = lines->findItems(warning, Qt::MatchExactly);
        QCOMPARE(found.size(), 1);
        QVERIFY(!found.constFirst()->icon().isNull());
        QVERIFY(lines->item(0)->icon().isNull());
    }

    // The line with the focus has the frame a button with the focus has (#0046AA, 8.6:1 on
    // white), not the style's faint one (#A5B8D2, 2:1).
    void focusedLineIsFramedAsClearlyAsAButton() {
        OpenForm f(app::SetupForm::Camera, 7);
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        f.window->activateWindow();
        QWidget* generate = f.window->widget(generateButton);
        generate->setFocus(Qt::TabFocusReason);
        const QColor frame = generate->grab().toImage().pixelColor(generate->width() / 2, 1);
        QCOMPARE(frame, QColor(0, 70, 170));

        auto* lines = qobject_cast<QListWidget*>(f.window->widget(strip::lines));
        lines->setFocus(Qt::TabFocusReason);
        lines->setCurrentRow(1);
        const QImage shown = lines->viewport()->grab().toImage();
        const QRect line = lines->visualItemRect(lines->item(1));
        QCOMPARE(shown.pixelColor(line.center().x(), line.top() + 1), frame);
        QCOMPARE(shown.pixelColor(line.left() + 1, line.center().y()), frame);
        // The other lines have none.
        const QRect other = lines->visualItemRect(lines->item(0));
        QCOMPARE(shown.pixelColor(other.center().x(), other.top() + 1), QColor(Qt::white));
    }

    // The window is as wide as before plus the strip and no higher, and every control of the
    // form stands where it stood.
    void takesNothingOfTheFormsRoom() {
        OpenForm f(app::SetupForm::Camera, 7);
        test::FakeHost host;
        camera::CameraFormModel plain(CameraForm::B, {{2, false, false}, 7, 0}, host);
        qt::DialogWindow without(plain);
        const int strip = f.window->toPixels({0, 0, strip::width, 1}).width();
        QCOMPARE(f.window->width(), without.width() + strip);
        QCOMPARE(f.window->height(), without.height());
        for (const auto& control : res::cameraFormTemplate(CameraForm::B).controls)
            QCOMPARE(f.window->widget(control.id)->geometry(),
                     without.widget(control.id)->geometry());
    }

    // Generate says what it changed on the card; the sheet goes to the printer with Ctrl+P.
    void changesAndTheSheet() {
        QTemporaryDir card;
        OpenForm f(app::SetupForm::Camera, 7);
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        f.typeOver(folderField, card.path());
        QTest::mouseClick(f.window->widget(generateButton), Qt::LeftButton);
        QVERIFY(f.host.messages.last().endsWith(QStringLiteral("\nNew file.")));
        f.typeOver(videoLength, QStringLiteral("30"));
        QTest::mouseClick(f.window->widget(generateButton), Qt::LeftButton);
        QVERIFY2(f.host.messages.last().endsWith(
                     QStringLiteral("\nChanged on the card:\nVideo Length: 10 s -> 30 s")),
                 qPrintable(f.host.messages.last()));

        QTest::keyClick(f.window.get(), Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(f.host.printedPages.size(), 1);
        const QString page = f.host.printedPages.constFirst();
        QVERIFY(page.contains(QStringLiteral("Settings sheet: menu.dat")));
        QVERIFY(page.contains(QStringLiteral("<b>Video Length</b></td><td>30 s")));
    }

    // The sheet in the camera box tells what the card holds: printed from the card's file while
    // it holds the form's settings (its own check value and clock, however long the form's clock
    // has ticked since), else from the form, marked as not written to a card.
    void sheetTellsWhatTheCardHolds_data() {
        QTest::addColumn<int>("form");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("fields"); // control=text, typed before Generate
        QTest::addColumn<QString>("changed");    // control=text, typed after it
        using namespace res;
        const auto field = [](int id, const char* text) {
            return QStringLiteral("%1=%2").arg(id).arg(QLatin1String(text));
        };
        QTest::newRow("camera menu") << int(app::SetupForm::Camera) << "menu.dat" << QStringList{}
                                     << field(camera_form::videoLength, "30");
        QTest::newRow("MMS") << int(app::SetupForm::Mms) << "setup.dat"
                             << QStringList{field(mms_form::phoneField, "13800138000")}
                             << field(mms_form::picturesField, "5");
        QTest::newRow("e-mail") << int(app::SetupForm::Smtp) << "smtp.dat"
                                << QStringList{field(smtp_form::serverField, "smtp.example.com"),
                                               field(smtp_form::portField, "587"),
                                               field(smtp_form::senderField, "cam@example.com"),
                                               field(smtp_form::senderPasswordField, "secret"),
                                               field(smtp_form::recipientField, "me@example.com")}
                                << field(smtp_form::portField, "25");
    }
    void sheetTellsWhatTheCardHolds() {
        QFETCH(int, form);
        QFETCH(QString, file);
        QFETCH(QStringList, fields);
        QFETCH(QString, changed);
        QTemporaryDir card;
        OpenForm f(app::SetupForm(form), 7);
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        const auto type = [&f](const QString& assignment) {
            f.typeOver(assignment.section(u'=', 0, 0).toInt(), assignment.section(u'=', 1));
        };
        const int select = form == int(app::SetupForm::Camera) ? res::camera_form::selectButton
                           : form == int(app::SetupForm::Mms)  ? res::mms_form::selectButton
                                                               : res::smtp_form::selectButton;
        f.host.folderAnswers.push_back(card.path());
        QTest::mouseClick(f.window->widget(select), Qt::LeftButton);
        for (const QString& assignment : fields)
            type(assignment);
        const int generate = form == int(app::SetupForm::Camera) ? res::camera_form::generateButton
                             : form == int(app::SetupForm::Mms)  ? res::mms_form::generateButton
                                                                 : res::smtp_form::generateButton;
        QTest::mouseClick(f.window->widget(generate), Qt::LeftButton);
        const QByteArray written = test::fileBytes(card.filePath(file));
        QVERIFY2(!written.isEmpty(), qPrintable(f.host.messages.join(u'\n')));
        const QString checkValue =
            QStringLiteral("0x%1")
                .arg(*plan::storedCheckValue(written), 4, 16, QLatin1Char('0'))
                .toUpper()
                .replace(QStringLiteral("0X"), QStringLiteral("0x"));

        // An hour on, the form's clock shows another time than the card's file holds.
        f.host.fixedClock.time = f.host.fixedClock.time.addSecs(3600);
        f.model->tick();
        QTest::keyClick(f.window.get(), Qt::Key_P, Qt::ControlModifier);
        const QString notWritten = QStringLiteral("not written to a card");
        QCOMPARE(f.host.printedPages.size(), 1);
        QVERIFY2(f.host.printedPages[0].contains(checkValue), qPrintable(f.host.printedPages[0]));
        QVERIFY(!f.host.printedPages[0].contains(notWritten));
        if (form == int(app::SetupForm::Camera))
            QVERIFY(f.host.printedPages[0].contains(QStringLiteral("2012-05-06 07:08:09")));

        type(changed);
        QTest::keyClick(f.window.get(), Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(f.host.printedPages.size(), 2);
        QVERIFY2(f.host.printedPages[1].contains(notWritten), qPrintable(f.host.printedPages[1]));
        QVERIFY(!f.host.printedPages[1].contains(checkValue));
    }
};

KESTROVA_TEST(SummaryStripWindowTest)
#include "summary_strip_window_test.moc"
