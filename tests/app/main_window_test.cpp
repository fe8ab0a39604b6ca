#include "app/main_window.h"
#include "app/preferences_store.h"
#include "app/startup.h"
#include "app/window_chain.h"
#include "camera/camera_form_model.h"
#include "card/card_lookup.h"
#include "res/camera_templates.h"
#include "res/main_templates.h"
#include "storage/file_history.h"
#include "support/fake_host.h"
#include "support/fake_volumes.h"
#include "support/test_registry.h"

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace kestrova;
using namespace kestrova::app;
using namespace kestrova::res::main_window;
using kestrova::test::FakeHost;

namespace {

// A form that only knows how to leave: Exit ends it.
class ExitOnlyForm final : public dialog::FormModel {
public:
    ExitOnlyForm(const dialog::FormContext& context, dialog::Host& host, QStringList& log,
                 const QString& name)
        : FormModel(res::aboutBoxTemplate(), host) {
        log << QStringLiteral("%1 model %2 language %3")
                   .arg(name)
                   .arg(context.model)
                   .arg(context.language.language);
    }
    void buttonPressed(int) override { end(dialog::DialogResult::Cancelled); }
};

FormFactory exitOnly(QStringList& log, const QString& name) {
    return [&log, name](const dialog::FormContext& context, dialog::Host& host) {
        return std::make_unique<ExitOnlyForm>(context, host, log, name);
    };
}

// Plays a script of user actions against each window the chain opens.
class ScriptedRunner final : public dialog::DialogRunner {
public:
    using Step = std::function<void(dialog::FormModel&)>;
    std::vector<Step> steps;
    int windowsRun = 0;

    dialog::DialogResult run(dialog::FormModel& model) override {
        model.initialise();
        if (windowsRun >= static_cast<int>(steps.size()))
            throw std::runtime_error("the chain opened more windows than the script has");
        steps[windowsRun++](model);
        if (!model.result())
            throw std::runtime_error("a window was left open");
        return *model.result();
    }
};

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString iniPath() const { return dir.filePath(QStringLiteral("prefs.ini")); }
    QString stored(const char* key) const {
        return QSettings(iniPath(), QSettings::IniFormat).value(QLatin1String(key)).toString();
    }

private Q_SLOTS:
    void init() { QFile::remove(iniPath()); }

    void opensWithTheCurrentState() {
        PreferencesStore store(iniPath());
        ProcessState state{{9, false, false}, 5, 0};
        FakeHost host;
        QStringList log;
        const SetupForms forms{exitOnly(log, QStringLiteral("camera")), {}, {}};
        MainWindow window(state, store, forms, host);
        window.initialise();
        const dialog::Dialog& d = window.dialog();
        QCOMPARE(d.caption(), QStringLiteral("Kestrova"));
        QCOMPARE(d.controlCaption(languageLabel), QStringLiteral("Zvolit Jazyk"));
        QCOMPARE(d.controlCaption(modelLabel), QStringLiteral("Fotopast Model"));
        QCOMPARE(d.controlCaption(update), QStringLiteral("Stisknete pro update"));
        QCOMPARE(d.controlCaption(cameraSetup), QStringLiteral("Nastaveni"));
        QCOMPARE(d.controlCaption(version), QStringLiteral("Version:1.3.010"));
        QCOMPARE(d.selection(languageList), 8);
        QCOMPARE(d.entries(languageList).size(), i18n::languageCount);
        QCOMPARE(d.selection(modelList), 4);
        QCOMPARE(d.entries(modelList).at(4), QStringLiteral("Kes KappaMG"));
        // Only forms that exist are offered.
        QVERIFY(d.control(cameraSetup).enabled);
        QVERIFY(!d.control(mmsSetup).enabled);
        QVERIFY(!d.control(smtpSetup).enabled);
    }

    void smtpButtonPerModel_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("enabled");
        for (int row = 0; row < 7; ++row)
            QTest::addRow("model %d", row + 1) << row << (row >= 2);
    }
    void smtpButtonPerModel() {
        QFETCH(int, row);
        QFETCH(bool, enabled);
        PreferencesStore store(iniPath());
        ProcessState state;
        FakeHost host;
        QStringList log;
        const SetupForms forms{exitOnly(log, QStringLiteral("camera")),
                               exitOnly(log, QStringLiteral("mms")),
                               exitOnly(log, QStringLiteral("smtp"))};
        MainWindow window(state, store, forms, host);
        window.initialise();
        window.dialog().userSelected(modelList, row);
        window.listChanged(modelList);
        QCOMPARE(state.model, row + 1);
        QCOMPARE(stored("model"), QString::number(row + 1));
        QCOMPARE(window.dialog().control(smtpSetup).enabled, enabled);
        QVERIFY(window.dialog().control(cameraSetup).enabled);
        QVERIFY(window.dialog().control(mmsSetup).enabled);
    }

    void languageRows_data() {
        QTest::addColumn<bool>("systemIsChinese");
        QTest::addColumn<int>("startLanguage");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("row0");
        QTest::addColumn<QString>("cameraCaption");
        QTest::addColumn<QString>("storedLanguage");
        QTest::newRow("Chinese row, other system") << false << 3 << 0 << "Chinese"
                                                   << "Camera Setup"
                                                   << "1";
        QTest::newRow("Chinese row, Chinese system") << true << 2 << 0 << "中文"
                                                     << "相机设置"
                                                     << "1";
        QTest::newRow("German row") << false << 2 << 2 << "Chinese"
                                    << "Kamera Installation"
                                    << "3";
        QTest::newRow("English after Chinese on a Chinese system") << true << 1 << 1 << "Chinese"
                                                                   << "Camera Setup"
                                                                   << "2";
    }
    void languageRows() {
        QFETCH(bool, systemIsChinese);
        QFETCH(int, startLanguage);
        QFETCH(int, row);
        QFETCH(QString, row0);
        QFETCH(QString, cameraCaption);
        QFETCH(QString, storedLanguage);
        PreferencesStore store(iniPath());
        ProcessState state{{startLanguage, systemIsChinese, false}, 1, 0};
        FakeHost host;
        const SetupForms forms;
        MainWindow window(state, store, forms, host);
        window.initialise();
        window.dialog().userSelected(languageList, row);
        window.listChanged(languageList);
        QCOMPARE(window.dialog().entries(languageList).at(0), row0);
        QCOMPARE(window.dialog().selection(languageList), row);
        QCOMPARE(window.dialog().controlCaption(cameraSetup), cameraCaption);
        QCOMPARE(stored("language"), storedLanguage);
    }

    void chineseChoiceSurvivesARestart() {
        {
            PreferencesStore store(iniPath());
            ProcessState state = startUp(store, 0x0409);
            FakeHost host;
            const SetupForms forms;
            MainWindow window(state, store, forms, host);
            window.initialise();
            window.dialog().userSelected(languageList, 0);
            window.listChanged(languageList);
        }
        PreferencesStore store(iniPath());
        ProcessState state = startUp(store, 0x0409);
        FakeHost host;
        const SetupForms forms;
        MainWindow window(state, store, forms, host);
        window.initialise();
        QCOMPARE(window.dialog().selection(languageList), 0);
        QCOMPARE(window.dialog().entries(languageList).at(0), QStringLiteral("Chinese"));
        QCOMPARE(window.dialog().controlCaption(cameraSetup), QStringLiteral("Camera Setup"));
    }

    void updateButtonAndCopyright() {
        PreferencesStore store(iniPath());
        ProcessState state;
        FakeHost host;
        const SetupForms forms;
        MainWindow window(state, store, forms, host);
        window.initialise();
        window.buttonPressed(update);
        QCOMPARE(host.openedUrls, QStringList{QString::fromLatin1(downloadPageUrl)});
        QVERIFY(!window.result());

        const auto menu = window.contextMenu();
        // Without the many-cards window, CopyRight and saving a kit.
        QCOMPARE(menu.size(), std::size_t(2));
        QCOMPARE(menu[0].text, QStringLiteral("CopyRight"));
        QCOMPARE(menu[1].text, QStringLiteral("Save kit from card..."));
        window.contextActionChosen(menu[0].command);
        QCOMPARE(host.modalCaptions, QStringList{QStringLiteral("About Setup")});
        window.contextActionChosen(17); // the low four bits do not matter
        QCOMPARE(host.modalCaptions.size(), 2);
        window.contextActionChosen(32);
        QCOMPARE(host.modalCaptions.size(), 2);
        QVERIFY(!window.result());

        // With the many-cards window, its entry opens it as the setup buttons open theirs.
        QStringList log;
        SetupForms withManyCards;
        withManyCards.manyCards = exitOnly(log, QStringLiteral("many cards"));
        MainWindow second(state, store, withManyCards, host);
        second.initialise();
        const auto entry = second.contextMenu().at(1);
        QCOMPARE(entry.text, QStringLiteral("Set up many cards..."));
        second.contextActionChosen(entry.command);
        QCOMPARE(second.chosenForm(), SetupForm::ManyCards);

        // With the card report, its entry opens it on the folder in use, in the window's
        // language, with nowhere to put the triggers it measures; the main window stays.
        std::optional<dialog::CardReportRequest> asked;
        SetupForms withReport;
        withReport.cardReport = [&asked](const dialog::CardReportRequest& request) {
            asked = request;
            return std::optional<int>(12);
        };
        state.folder = {QStringLiteral("/media/card"), true};
        state.languageState.language = 3;
        MainWindow third(state, store, withReport, host);
        third.initialise();
        const auto report = third.contextMenu().back();
        QCOMPARE(report.text, QStringLiteral("Kartenbericht..."));
        third.contextActionChosen(report.command);
        QCOMPARE(asked->folder, QStringLiteral("/media/card"));
        QCOMPARE(asked->language, 3);
        QVERIFY(!asked->offerTriggers);
        QVERIFY(!third.result());
    }

    void closeEscapeAndEnterEndTheMainWindow() {
        PreferencesStore store(iniPath());
        ProcessState state;
        FakeHost host;
        const SetupForms forms;
        for (int way = 0; way < 2; ++way) {
            MainWindow window(state, store, forms, host);
            window.initialise();
            way == 0 ? window.closeRequested() : window.enterPressed();
            QVERIFY(window.result());
            QVERIFY(!window.chosenForm());
        }
    }

    void folderGoesToTheNextFormAndTheNextStart() {
        const QString card = dir.filePath(QStringLiteral("card"));
        QVERIFY(QDir().mkpath(card));
        PreferencesStore store(iniPath());
        ProcessState state{{2, false, false}, 1, 0};
        FakeHost host;
        QStringList seen;
        const FormFactory camera = [&seen](const dialog::FormContext& context, dialog::Host& host) {
            seen << context.folder.path;
            return std::make_unique<camera::CameraFormModel>(CameraForm::C, context, host);
        };
        const SetupForms forms{camera, {}, {}};
        ScriptedRunner runner;
        const auto open = [](dialog::FormModel& model) { model.buttonPressed(cameraSetup); };
        const auto exit = [](dialog::FormModel& model) {
            model.buttonPressed(res::camera_form::exitButton);
        };
        runner.steps = {open,
                        [&host, card](dialog::FormModel& model) {
                            host.folderAnswers.push_back(card);
                            model.buttonPressed(res::camera_form::selectButton);
                            model.buttonPressed(res::camera_form::exitButton);
                        },
                        open, exit, [](dialog::FormModel& model) { model.closeRequested(); }};
        WindowChain(state, store, forms, runner, host).run();
        QCOMPARE(seen, (QStringList{QString(), card}));
        QCOMPARE(stored("folder"), card);

        // The next start opens there while the folder is still there.
        PreferencesStore again(iniPath());
        QCOMPARE(startUp(again, i18n::langIdEnglishUs).folder.path, card);
        QVERIFY(QDir(card).removeRecursively());
        QCOMPARE(startUp(again, i18n::langIdEnglishUs).folder.path, QString());
    }

    void smallThingsSayWhatWentWrong_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("tooltip");
        QTest::addColumn<QString>("noBrowser");
        QTest::newRow("English") << 2 << "This model does not send e-mail."
                                 << "The download page could not be opened. Its address is %1";
        QTest::newRow("German") << 3 << "Dieses Modell versendet keine E-Mails."
                                << "Die Download-Seite konnte nicht geöffnet werden. Ihre "
                                   "Adresse lautet %1";
    }
    void smallThingsSayWhatWentWrong() {
        QFETCH(int, language);
        QFETCH(QString, tooltip);
        QFETCH(QString, noBrowser);
        PreferencesStore store(iniPath());
        ProcessState state{{language, false, false}, 2, 0};
        FakeHost host;
        QStringList log;
        const SetupForms forms{{}, {}, exitOnly(log, QStringLiteral("smtp"))};
        MainWindow window(state, store, forms, host);
        window.initialise();
        QCOMPARE(host.languagesUsed, QList<int>{language});
        // A greyed Smtp Setup says why; one that works says nothing.
        QVERIFY(!window.dialog().control(smtpSetup).enabled);
        QCOMPARE(window.dialog().control(smtpSetup).toolTip, tooltip);
        window.dialog().userSelected(modelList, 2);
        window.listChanged(modelList);
        QVERIFY(window.dialog().control(smtpSetup).enabled);
        QCOMPARE(window.dialog().control(smtpSetup).toolTip, QString());

        window.buttonPressed(update);
        QVERIFY(host.messages.isEmpty());
        host.browserOpens = false;
        window.buttonPressed(update);
        QCOMPARE(host.messages, QStringList{noBrowser.arg(QLatin1String(downloadPageUrl))});

        // Qt's own dialogs follow the language list.
        window.dialog().userSelected(languageList, 9);
        window.listChanged(languageList);
        QCOMPARE(host.languagesUsed, (QList<int>{language, 10}));
    }

    void chainRoutesAndEndsInOneStep() {
        PreferencesStore store(iniPath());
        ProcessState state{{2, false, false}, 7, 0};
        FakeHost host;
        QStringList log;
        const SetupForms forms{exitOnly(log, QStringLiteral("camera")),
                               exitOnly(log, QStringLiteral("mms")),
                               exitOnly(log, QStringLiteral("smtp"))};
        ScriptedRunner runner;
        const auto press = [](int button) {
            return [button](dialog::FormModel& model) { model.buttonPressed(button); };
        };
        const auto chooseModel = [](int row, int button) {
            return [row, button](dialog::FormModel& model) {
                model.dialog().userSelected(modelList, row);
                model.listChanged(modelList);
                model.buttonPressed(button);
            };
        };
        runner.steps = {press(cameraSetup),
                        press(2),
                        chooseModel(0, mmsSetup),
                        press(2),
                        press(smtpSetup), // disabled for model 1: pressing does nothing
                        [](dialog::FormModel& model) { model.closeRequested(); }};
        // The smtp press on a disabled button leaves the window open; close it in the same step.
        runner.steps[4] = [](dialog::FormModel& model) {
            if (model.dialog().control(smtpSetup).enabled)
                model.buttonPressed(smtpSetup);
            model.closeRequested();
        };
        runner.steps.pop_back();
        WindowChain(state, store, forms, runner, host).run();
        QCOMPARE(runner.windowsRun, 5);
        QCOMPARE(log, (QStringList{QStringLiteral("camera model 7 language 2"),
                                   QStringLiteral("mms model 1 language 2")}));
    }
    // After a restart the folder is what it was when chosen: a card's folder the card has left
    // takes no file, where a plain folder does.
    void rememberedFolderKeepsWhatItWas_data() {
        QTest::addColumn<bool>("card");
        QTest::addColumn<bool>("written");
        QTest::newRow("a card's folder, the card gone") << true << false;
        QTest::newRow("a plain folder") << false << true;
    }
    void rememberedFolderKeepsWhatItWas() {
        QFETCH(bool, card);
        QFETCH(bool, written);
        const QString folder = dir.filePath(QStringLiteral("media-card"));
        QVERIFY(QDir().mkpath(folder));
        QFile::remove(folder + QStringLiteral("/menu.dat"));
        PreferencesStore(iniPath()).writeFolder(
            {folder, card,
             card ? VolumeIdentity{QStringLiteral("AAAA-0001"), {}} : VolumeIdentity{}});

        PreferencesStore store(iniPath());
        ProcessState state = startUp(store, 0x0409);
        QCOMPARE(state.folder.path, folder);
        FakeHost host;
        const FormFactory camera = [](const dialog::FormContext& context, dialog::Host& host) {
            return std::make_unique<camera::CameraFormModel>(CameraForm::C, context, host);
        };
        const SetupForms forms{camera, {}, {}};
        ScriptedRunner runner;
        runner.steps = {[](dialog::FormModel& model) { model.buttonPressed(cameraSetup); },
                        [](dialog::FormModel& model) {
                            model.buttonPressed(res::camera_form::generateButton);
                            model.buttonPressed(res::camera_form::exitButton);
                        },
                        [](dialog::FormModel& model) { model.closeRequested(); }};
        WindowChain(state, store, forms, runner, host).run();
        QCOMPARE(QFile::exists(folder + QStringLiteral("/menu.dat")), written);
        QCOMPARE(host.messages.size(), 1);
        QCOMPARE(host.messages[0].contains(QStringLiteral("the card was removed")), !written);
    }

    void formsLearnTheDetectedCardsAndTheHistory() {
        // Only volumes that are cards count; the chain hands them over in mount point order.
        test::FixedVolumes volumes;
        volumes.list = {test::volumeAt(QStringLiteral("/"), false, card::Bus::Other),
                        test::volumeAt(QStringLiteral("/media/b"), true, card::Bus::Other),
                        test::volumeAt(QStringLiteral("/media/a"), false, card::Bus::Sd)};
        FileHistory history(dir.filePath(QStringLiteral("history")));
        PreferencesStore store(iniPath());
        ProcessState state{{2, false, false}, 1, 0};
        FakeHost host;
        std::shared_ptr<card::CardLookup> cards;
        FileHistory* handed = nullptr;
        const FormFactory camera = [&](const dialog::FormContext& context, dialog::Host& host) {
            cards = context.cards;
            handed = context.history;
            return std::make_unique<camera::CameraFormModel>(CameraForm::C, context, host);
        };
        const SetupForms forms{camera, {}, {}};
        ScriptedRunner runner;
        runner.steps = {
            [](dialog::FormModel& model) { model.buttonPressed(cameraSetup); },
            [](dialog::FormModel& model) { model.buttonPressed(res::camera_form::exitButton); },
            [](dialog::FormModel& model) { model.closeRequested(); }};
        WindowChain(state, store, forms, runner, host, &volumes, &history).run();
        // They are looked for beside the form, and come through the event loop.
        QVERIFY(cards);
        QTRY_VERIFY(cards->done());
        QStringList mountPoints;
        for (const card::Volume& card : cards->cards())
            mountPoints << card.mountPoint;
        QCOMPARE(mountPoints,
                 (QStringList{QStringLiteral("/media/a"), QStringLiteral("/media/b")}));
        QCOMPARE(handed, &history);
    }
};

KESTROVA_TEST(MainWindowTest)
#include "main_window_test.moc"
