#include "app/setup_forms.h"
#include "camera/camera_form_model.h"
#include "camera/menu_record.h"
#include "qt/desktop.h"
#include "qt/dialog_window.h"
#include "qt/open_form.h"
#include "qt/qt_host.h"
#include "res/camera_templates.h"
#include "storage/file_history.h"
#include "storage/record_file.h"
#include "support/fake_host.h"
#include "support/process_runner.h"
#include "support/test_files.h"
#include "support/test_registry.h"

#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using kestrova::test::fileBytes;
using namespace kestrova;
using kestrova::test::OpenForm;
using namespace kestrova::res::camera_form;
using kestrova::test::FakeHost;

Q_DECLARE_METATYPE(kestrova::CameraForm)

class CameraFormWindowTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString menuFile() const { return recordFilePath(dir.path(), QStringLiteral("menu.dat")); }

private Q_SLOTS:
    void init() { QFile::remove(menuFile()); }

    void typeAndGenerate_data() {
        QTest::addColumn<CameraForm>("form");
        QTest::addColumn<int>("model");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("message");
        QTest::newRow("A") << CameraForm::A << 6 << "Kestrova Omega"
                           << "Camera menu configuration file is generated";
        QTest::newRow("B") << CameraForm::B << 7 << "Kestrova Sigma"
                           << "Configuration file is generated";
        QTest::newRow("C") << CameraForm::C << 1 << "Kestrova Lambda"
                           << "Camera menu configuration file is generated";
    }
    void typeAndGenerate() {
        QFETCH(CameraForm, form);
        QFETCH(int, model);
        QFETCH(QString, title);
        QFETCH(QString, message);
        OpenForm f(app::SetupForm::Camera, model);
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        QCOMPARE(f.window->windowTitle(), title);
        // Screen readers hear the label that names a field, or the field's own name.
        QCOMPARE(f.edit(videoLength)->accessibleName(), QStringLiteral("Video Length"));
        QCOMPARE(f.edit(folderField)->accessibleName(), QStringLiteral("Target folder"));

        f.typeOver(videoLength, QStringLiteral("30"));
        QCOMPARE(f.edit(videoLength)->text(), QStringLiteral("30"));

        QVERIFY(f.edit(timerStartHour)->isReadOnly());
        f.chooseNext(timer);
        QVERIFY(!f.edit(timerStartHour)->isReadOnly());
        f.typeOver(timerStartHour, QStringLiteral("18"));

        QVERIFY(!f.list(serialChar2)->isEnabled());
        f.chooseNext(serialNo);
        QVERIFY(f.list(serialChar2)->isEnabled());
        f.chooseNext(serialChar2);
        f.chooseNext(serialChar2);

        f.typeOver(folderField, dir.path());
        QTest::mouseClick(f.window->widget(generateButton), Qt::LeftButton);

        camera::CameraSettings expected = camera::CameraSettings::atOpen(form);
        expected.video_length = 30;
        expected.timer = 1;
        expected.timer_start_hour = 18;
        expected.serial_no = 1;
        expected.serial_char2 = 2;
        const auto record = camera::buildMenuRecord(form, expected, {2012, 5, 6, 7, 8, 9}, 2, 0);
        QCOMPARE(fileBytes(menuFile()).toHex(' '), camera::toByteArray(record).toHex(' '));
        QCOMPARE(f.host.messages, QStringList{kestrova::test::writtenMessage(message, menuFile()) +
                                              QStringLiteral("\nNew file.")});
        QVERIFY(f.window->isVisible());
    }

    // The card holds a video length of 45: Ctrl+L shows it, wherever the focus is.
    void controlLLoadsTheCard() {
        const QString card = dir.filePath(QStringLiteral("card"));
        QVERIFY(QDir().mkpath(card));
        QVERIFY(kestrova::test::runKestrova({QStringLiteral("menu"), QStringLiteral("--model"),
                                             QStringLiteral("7"), QStringLiteral("--out"), card,
                                             QStringLiteral("--set"),
                                             QStringLiteral("video_length=45")},
                                            dir.filePath(QStringLiteral("prefs.ini")))
                    .exitCode == 0);
        OpenForm f(app::SetupForm::Camera, 7);
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        f.typeOver(folderField, card);
        f.list(cameraMode)->setFocus();
        QTest::keyClick(f.list(cameraMode), Qt::Key_L, Qt::ControlModifier);
        // The loaded values stand in the form, and the line under the folder says whence: no
        // box stands over them.
        QCOMPARE(f.edit(videoLength)->text(), QStringLiteral("45"));
        QVERIFY(f.host.messages.isEmpty());
        const QString loaded = QStringLiteral("Loaded from ") + card + QStringLiteral("/menu.dat");
        auto* line = qobject_cast<QLabel*>(f.window->widget(dialog::sourceLine));
        QCOMPARE(line->toolTip(), loaded);
        QVERIFY(line->geometry().top() > f.edit(folderField)->geometry().bottom());
        // A path too long for the line keeps its start and its file.
        QVERIFY2(line->text() == loaded ||
                     (line->text().startsWith(QStringLiteral("Loaded from ")) &&
                      line->text().contains(QChar(0x2026)) && line->text().endsWith(u"menu.dat")),
                 qPrintable(line->text()));
        QVERIFY(line->fontMetrics().horizontalAdvance(line->text()) <=
                line->contentsRect().width());

        // The button beside Exit opens the same menu; too narrow for its caption, it shows dots.
        auto* more = qobject_cast<QPushButton*>(f.window->widget(moreButton));
        QCOMPARE(more->text(), QStringLiteral("\u2026"));
        QCOMPARE(more->toolTip(), QStringLiteral("More..."));
        QTest::mouseClick(more, Qt::LeftButton);
        QVERIFY(f.window->contextMenu() && f.window->contextMenu()->isVisible());
        QCOMPARE(f.window->contextMenu()->actions().size(), 5);
        f.window->contextMenu()->close();
    }

    // Escape, the Cancel button and the close box of the real folder browser all leave the
    // folder field, and where the next file goes, as they were.
    void cancelledBrowserKeepsTheFolder_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("Escape") << "escape";
        QTest::newRow("Cancel") << "cancel";
        QTest::newRow("close box") << "close";
    }
    void cancelledBrowserKeepsTheFolder() {
        QFETCH(QString, how);
        qt::QtHost host;
        dialog::FormContext context{{2, false, false}, 7, 0};
        context.folder = {dir.path(), false};
        const auto model = qt::desktopForms().camera(context, host);
        qt::DialogWindow window(*model);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        bool cancelled = false;
        QTimer closer;
        connect(&closer, &QTimer::timeout, this, [&] {
            auto* browser = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!browser)
                return;
            closer.stop();
            cancelled = true;
            if (how == u"escape") // where the user's key goes: the browser's focus

                QTest::keyClick(browser->focusWidget() ? browser->focusWidget() : browser,
                                Qt::Key_Escape);
            else if (how == u"cancel")
                browser->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->click();
            else
                browser->close();
        });
        closer.start(10);
        QTest::mouseClick(window.widget(selectButton), Qt::LeftButton);
        QVERIFY(cancelled);
        QCOMPARE(qobject_cast<QLineEdit*>(window.widget(folderField))->text(), dir.path());
    }

    // A restore shows what the card holds again, and gives the camera today's clock.
    void restoreShowsTheRestoredSettings() {
        const QString card = dir.filePath(QStringLiteral("restored"));
        QVERIFY(QDir().mkpath(card));
        FileHistory history(dir.filePath(QStringLiteral("history")));
        OpenForm f(app::SetupForm::Camera, 7, 2, &history);
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        f.typeOver(folderField, card);
        for (const QString& length : {QStringLiteral("45"), QStringLiteral("30")}) {
            f.typeOver(videoLength, length);
            QTest::mouseClick(f.window->widget(generateButton), Qt::LeftButton);
        }
        f.host.messages.clear();
        f.host.fixedClock.time = QDateTime(QDate(2014, 3, 4), QTime(5, 6, 7));
        f.host.yesNoAnswers = {true};
        // Through the window's own context menu, as the owner picks it.
        QTest::keyClick(f.window.get(), Qt::Key_F10, Qt::ShiftModifier);
        QTRY_VERIFY(f.window->contextMenu());
        const QList<QAction*> items = f.window->contextMenu()->actions();
        const auto restore = std::find_if(items.begin(), items.end(), [](const QAction* item) {
            return item->text() == QStringLiteral("Restore previous file");
        });
        QVERIFY(restore != items.end());
        (*restore)->trigger();

        QTRY_COMPARE(f.edit(videoLength)->text(), QStringLiteral("45"));
        QCOMPARE(f.host.questions.size(), 1);
        QVERIFY2(f.host.questions[0].endsWith(QStringLiteral(
                     "? Its camera clock will be set to the current time; every other setting "
                     "stays as it was.")),
                 qPrintable(f.host.questions[0]));
        QCOMPARE(f.host.messages.size(), 1);
        QVERIFY2(f.host.messages[0].startsWith(QStringLiteral("menu.dat was restored as it was "
                                                              "before ")),
                 qPrintable(f.host.messages[0]));
        const QByteArray menu = fileBytes(recordFilePath(card, QStringLiteral("menu.dat")));
        QCOMPARE(menu.mid(14, 6), QByteArray("\x04\x03\x04\x05\x06\x07", 6));
        QCOMPARE(quint8(menu[4]), quint8(44));
        QVERIFY(camera::checkMenuRecord(menu).intact());
    }

    // The clock ticks in its own field only: a selection, the cursor and the focus elsewhere
    // stay where the user put them.
    void clockTicksInTheWindow() {
        OpenForm f(app::SetupForm::Camera, 7);
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        QCOMPARE(f.edit(clockField)->text(), QStringLiteral("2012/05/06 07:08:09"));
        f.window->findChild<QTimer*>(QString(), Qt::FindDirectChildrenOnly)->setInterval(5);
        QLineEdit* folder = f.edit(folderField);
        f.typeOver(folderField, QStringLiteral("/tmp/ab"));
        folder->setCursorPosition(5);
        QTest::keyClicks(folder, QStringLiteral("x"));
        QCOMPARE(folder->text(), QStringLiteral("/tmp/xab"));
        QCOMPARE(folder->cursorPosition(), 6);
        QLineEdit* length = f.edit(videoLength);
        length->setFocus();
        length->selectAll();
        for (const int second : {10, 11}) {
            f.host.fixedClock.time = QDateTime(QDate(2012, 5, 6), QTime(7, 8, second));
            QTRY_COMPARE(f.edit(clockField)->text(),
                         QStringLiteral("2012/05/06 07:08:%1").arg(second));
        }
        QCOMPARE(QApplication::focusWidget(), length);
        QCOMPARE(length->selectedText(), QStringLiteral("10"));
        QTest::keyClicks(length, QStringLiteral("30"));
        QCOMPARE(length->text(), QStringLiteral("30"));
        QCOMPARE(folder->cursorPosition(), 6);
    }

    // Keyboard users see where the focus is, pass by locked fields, and after Select, Enter
    // writes the file.
    void keyboardUse() {
        OpenForm f(app::SetupForm::Camera, 7);
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        const QColor frame = f.window->palette().color(QPalette::Highlight);
        for (const int id : {int(cameraMode), int(getTime), int(videoLength)}) {
            QWidget* w = f.window->widget(id);
            const QPoint edge(1, w->height() / 2);
            f.window->widget(exitButton)->setFocus();
            QVERIFY(w->grab().toImage().pixelColor(edge) != frame);
            w->setFocus();
            QCOMPARE(w->grab().toImage().pixelColor(edge), frame);
        }

        f.list(timer)->setFocus();
        QTest::keyClick(f.list(timer), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(),
                 f.window->widget(res::secondTimerControls(CameraForm::B).list));
        f.chooseNext(timer);
        QTest::keyClick(f.list(timer), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), f.edit(timerStartHour));

        f.host.folderAnswers.push_back(dir.path());
        QTest::mouseClick(f.window->widget(selectButton), Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), f.window->widget(generateButton));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(QFile::exists(menuFile()));
    }

    void emptiedNumberWaitsForTheFocusToMoveOn() {
        OpenForm f(app::SetupForm::Camera, 1);
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        QLineEdit* length = f.edit(videoLength);
        length->setFocus();
        length->end(false);
        QTest::keyClick(length, Qt::Key_Backspace);
        QTest::keyClick(length, Qt::Key_Backspace);
        QCOMPARE(length->text(), QString());
        QVERIFY(f.host.messages.isEmpty());
        // Typing the new number goes on undisturbed.
        QTest::keyClicks(length, QStringLiteral("3"));
        QCOMPARE(length->text(), QStringLiteral("3"));
        QVERIFY(f.host.messages.isEmpty());

        QTest::keyClick(length, Qt::Key_Backspace);
        QTest::keyClick(length, Qt::Key_Tab);
        QCOMPARE(f.host.messages, QStringList{QStringLiteral("Please enter an integer.")});
        QCOMPARE(QApplication::focusWidget(), length);
    }

    void outOfRangeIsCorrectedInTheWindow() {
        OpenForm f(app::SetupForm::Camera, 5, 3);
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        f.typeOver(videoLength, QStringLiteral("75"));
        QCOMPARE(f.host.messages,
                 QStringList{QStringLiteral("Please enter an integer between 1 and 60!")});
        QCOMPARE(f.edit(videoLength)->text(), QStringLiteral("10"));
        QCOMPARE(QApplication::focusWidget(), f.edit(videoLength));
    }

    void enterInAFieldGenerates() {
        OpenForm f(app::SetupForm::Camera, 2);
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        f.typeOver(folderField, dir.path());
        f.typeOver(intervalValue, QStringLiteral("7"));
        QTest::keyClick(f.edit(intervalValue), Qt::Key_Return);
        QCOMPARE(quint8(fileBytes(menuFile()).at(6)), quint8(7));
        QCOMPARE(f.host.messages.size(), 1);
    }

    void escapeClosesTheForm() {
        OpenForm f(app::SetupForm::Camera, 3);
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        f.edit(videoLength)->setFocus();
        QTest::keyClick(f.window.get(), Qt::Key_Escape);
        QVERIFY(!f.window->isVisible());
        QVERIFY(f.model->result() == dialog::DialogResult::Cancelled);
        QVERIFY(!QFile::exists(menuFile()));
    }
};

KESTROVA_TEST(CameraFormWindowTest)
#include "camera_form_window_test.moc"
