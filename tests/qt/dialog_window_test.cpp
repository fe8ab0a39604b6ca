#include "app/main_window.h"
#include "app/preferences_store.h"
#include "qt/desktop.h"
#include "qt/dialog_window.h"
#include "qt/theme.h"
#include "res/camera_templates.h"
#include "res/main_templates.h"
#include "support/fake_host.h"
#include "support/test_registry.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace kestrova;
using namespace kestrova::res::main_window;
using kestrova::test::FakeHost;

namespace {

// A small window with every kind of edit, to see the window keep the edit rules.
const dialog::DialogTemplate& editsTemplate() {
    using namespace dialog;
    static const DialogTemplate t{
        900,
        200,
        80,
        QStringLiteral("Edits"),
        {
            {1, ControlKind::Label, {5, 5, 60, 10}, QStringLiteral("Digits"), NoStyle, 2},
            {2, ControlKind::Edit, {70, 5, 60, 12}, {}, DigitsOnly | Centred},
            {3, ControlKind::Edit, {70, 20, 60, 12}, {}, Masked, 0, QStringLiteral("Secret")},
            {4, ControlKind::Edit, {70, 35, 60, 12}, {}},
            {5, ControlKind::Button, {140, 60, 50, 14}, QStringLiteral("Go"), DefaultButton},
        }};
    return t;
}

class EditsModel final : public dialog::FormModel {
public:
    explicit EditsModel(dialog::Host& host)
        : FormModel(editsTemplate(), host) {}
    void initialise() override {
        dialog().setLimit(4, 5);
        dialog().setText(4, QStringLiteral("C:\\"));
    }
    void editChanged(int id) override { changes << id; }
    void buttonPressed(int id) override {
        pressed << id;
        dialog().setText(4, QStringLiteral("a text longer than the limit"));
        dialog().setFocus(2);
    }
    QList<int> changes, pressed;
};

} // namespace

class DialogWindowTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString iniPath() const { return dir.filePath(QStringLiteral("prefs.ini")); }

private Q_SLOTS:
    void mainWindowShowsTheModel() {
        app::PreferencesStore store(iniPath());
        app::ProcessState state{{3, false, false}, 2, 0};
        FakeHost host;
        const app::SetupForms forms;
        app::MainWindow model(state, store, forms, host);
        qt::DialogWindow window(model);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        QCOMPARE(window.windowTitle(), QStringLiteral("Kestrova"));
        auto* version = qobject_cast<QLabel*>(window.widget(res::main_window::version));
        QCOMPARE(version->text(), QStringLiteral("Version:1.3.010"));
        auto* languages = qobject_cast<QComboBox*>(window.widget(languageList));
        QCOMPARE(languages->count(), i18n::languageCount);
        QCOMPARE(languages->currentIndex(), 2);
        auto* camera = qobject_cast<QPushButton*>(window.widget(cameraSetup));
        QCOMPARE(camera->text(), QStringLiteral("Kamera Installation"));
        QVERIFY(!window.widget(smtpSetup)->isEnabled());

        // Every control lies inside the window and the window has the template's proportions.
        for (const auto& control : res::mainWindowTemplate().controls)
            QVERIFY(window.rect().contains(window.widget(control.id)->geometry()));

        // Choosing English with the keyboard relabels the window and stores the choice.
        languages->setFocus();
        QTest::keyClick(languages, Qt::Key_Up);
        QCOMPARE(languages->currentIndex(), 1);
        QCOMPARE(camera->text(), QStringLiteral("Camera Setup"));
        QCOMPARE(
            QSettings(iniPath(), QSettings::IniFormat).value(QStringLiteral("language")).toInt(),
            2);

        auto* models = qobject_cast<QComboBox*>(window.widget(modelList));
        models->setFocus();
        QTest::keyClick(models, Qt::Key_Down);
        QCOMPARE(state.model, 3);
        QVERIFY(!window.widget(smtpSetup)->isEnabled()); // no SMTP form exists yet

        QTest::mouseClick(window.widget(update), Qt::LeftButton);
        QCOMPARE(host.openedUrls.size(), 1);
    }

    void contextMenuFromAnyControl_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("Menu key on the language list") << "menu";
        QTest::newRow("Shift+F10 on a button") << "shift-f10";
        QTest::newRow("right click on the model list") << "right-click";
    }
    void contextMenuFromAnyControl() {
        QFETCH(QString, how);
        app::PreferencesStore store(iniPath());
        app::ProcessState state;
        FakeHost host;
        const app::SetupForms forms;
        app::MainWindow model(state, store, forms, host);
        qt::DialogWindow window(model);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        // The language list has the focus at start.
        QCOMPARE(QApplication::focusWidget(), window.widget(languageList));
        if (how == "menu") {
            QTest::keyClick(window.widget(languageList), Qt::Key_Menu);
        } else if (how == "shift-f10") {
            window.widget(cameraSetup)->setFocus();
            QTest::keyClick(window.widget(cameraSetup), Qt::Key_F10, Qt::ShiftModifier);
        } else {
            QTest::mouseClick(window.widget(modelList), Qt::RightButton);
        }
        QMenu* menu = window.contextMenu();
        QVERIFY(menu);
        QVERIFY(menu->isVisible());
        QCOMPARE(menu->actions().size(), 2);
        QCOMPARE(menu->actions().first()->text(), QStringLiteral("CopyRight"));
        menu->actions().first()->trigger();
        QTRY_COMPARE(host.modalCaptions, QStringList{QStringLiteral("About Setup")});
    }

    void greyedButtonSaysWhy() {
        app::PreferencesStore store(iniPath());
        app::ProcessState state{{3, false, false}, 1, 0};
        FakeHost host;
        const app::SetupForms forms;
        app::MainWindow model(state, store, forms, host);
        qt::DialogWindow window(model);
        QCOMPARE(window.widget(smtpSetup)->toolTip(),
                 QStringLiteral("Dieses Modell versendet keine E-Mails."));
    }

    // The window's colours hold on a dark desktop, whose theme gives kinds of widgets palettes
    // of their own.
    void colours() {
        QPalette dark(QColor(50, 50, 50), QColor(30, 30, 30));
        dark.setColor(QPalette::Text, Qt::white);
        dark.setColor(QPalette::Base, QColor(20, 20, 20));
        for (const char* kind : {"QLabel", "QLineEdit", "QComboBox", "QAbstractButton"})
            QApplication::setPalette(dark, kind);
        QApplication::setPalette(dark);
        qt::applyTheme(*qApp);
        app::PreferencesStore store(iniPath());
        app::ProcessState state;
        FakeHost host;
        const app::SetupForms forms;
        app::MainWindow model(state, store, forms, host);
        qt::DialogWindow window(model);
        QCOMPARE(window.palette().color(QPalette::Window), QColor(111, 153, 224));
        QCOMPARE(window.widget(languageLabel)->palette().color(QPalette::WindowText),
                 QColor(Qt::white));
        // A locked field is dark text on grey.
        FakeHost formHost;
        const auto form = qt::desktopForms().camera({{2, false, false}, 7, 0}, formHost);
        qt::DialogWindow formWindow(*form);
        const QPalette clock = formWindow.widget(res::camera_form::clockField)->palette();
        QCOMPARE(clock.color(QPalette::Text), QColor(Qt::black));
        QCOMPARE(clock.color(QPalette::Base), QColor(226, 226, 226));
        QVERIFY(!window.windowIcon().isNull());
    }

    void accessibilityAndTabOrder() {
        app::PreferencesStore store(iniPath());
        app::ProcessState state;
        FakeHost host;
        const app::SetupForms forms;
        app::MainWindow model(state, store, forms, host);
        qt::DialogWindow window(model);
        auto* label = qobject_cast<QLabel*>(window.widget(languageLabel));
        QCOMPARE(label->buddy(), window.widget(languageList));
        QCOMPARE(window.widget(languageList)->accessibleName(), QStringLiteral("Select Language"));
        QCOMPARE(window.widget(modelList)->accessibleName(), QStringLiteral("Camera Model"));
        QCOMPARE(window.widget(mmsSetup)->accessibleName(), QStringLiteral("MMS Setup"));

        QList<int> order;
        QWidget* w = window.widget(languageList);
        for (int step = 0; step < 100 && order.size() < 6; ++step) {
            for (const auto& control : res::mainWindowTemplate().controls) {
                if (window.widget(control.id) == w && (w->focusPolicy() & Qt::TabFocus))
                    order << control.id;
            }
            w = w->nextInFocusChain();
        }
        QCOMPARE(order,
                 (QList<int>{languageList, modelList, cameraSetup, mmsSetup, smtpSetup, update}));
    }

    void editsKeepTheirRules() {
        FakeHost host;
        EditsModel model(host);
        qt::DialogWindow window(model);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* digits = qobject_cast<QLineEdit*>(window.widget(2));
        auto* secret = qobject_cast<QLineEdit*>(window.widget(3));
        auto* limited = qobject_cast<QLineEdit*>(window.widget(4));

        QTest::keyClicks(digits, QStringLiteral("1a2-3"));
        QCOMPARE(digits->text(), QStringLiteral("123"));
        QCOMPARE(model.dialog().text(2), QStringLiteral("123"));
        QCOMPARE(model.changes.count(2), 3);
        QCOMPARE(digits->accessibleName(), QStringLiteral("Digits"));

        QCOMPARE(secret->echoMode(), QLineEdit::Password);
        QCOMPARE(secret->accessibleName(), QStringLiteral("Secret"));

        QCOMPARE(limited->text(), QStringLiteral("C:\\"));
        limited->setFocus();
        limited->end(false);
        QTest::keyClicks(limited, QStringLiteral("abcdef"));
        QCOMPARE(limited->text(), QStringLiteral("C:\\ab"));

        // Enter in an edit presses the default button; the model's texts and focus are shown.
        QTest::keyClick(limited, Qt::Key_Return);
        QCOMPARE(model.pressed, QList<int>{5});
        QCOMPARE(limited->text(), QStringLiteral("a text longer than the limit"));
        QCOMPARE(QApplication::focusWidget(), digits);
        // Showing the model's text does not come back as the user's edit.
        QCOMPARE(model.changes.count(4), 2);
    }

    void escapeAsksTheModel() {
        FakeHost host;
        EditsModel model(host);
        qt::DialogWindow window(model);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QSignalSpy finished(&window, &QDialog::finished);
        QTest::keyClick(&window, Qt::Key_Escape);
        QCOMPARE(finished.count(), 1);
        QCOMPARE(model.result(), std::optional(dialog::DialogResult::Cancelled));
    }
};

KESTROVA_TEST(DialogWindowTest)
#include "dialog_window_test.moc"
