#include "app/routing.h"
#include "camera/camera_form_model.h"
#include "dialog/card_file_actions.h"
#include "i18n/notices.h"
#include "mms/mms_form_model.h"
#include "model/camera_model.h"
#include "res/camera_templates.h"
#include "res/mms_templates.h"
#include "res/smtp_templates.h"
#include "smtp/smtp_form_model.h"
#include "storage/file_history.h"
#include "support/fake_host.h"
#include "support/process_runner.h"
#include "support/test_files.h"
#include "support/test_registry.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace kestrova;
using dialog::CardFileActions;
using test::fileBytes;
using test::runKestrova;

namespace {

struct Kind {
    QString command;  // menu, mms, smtp
    QString fileName; // what it writes
    int folderField;
    int selectButton;
    int generateButton;
    QStringList settings; // --set values that move it off its opening values
};

Kind kindOf(const QString& command) {
    const QStringList phone{QStringLiteral("remote_hours=6"), QStringLiteral("country=3"),
                            QStringLiteral("operator=1")};
    if (command == u"menu")
        return {command,
                QStringLiteral("menu.dat"),
                res::camera_form::folderField,
                res::camera_form::selectButton,
                res::camera_form::generateButton,
                {QStringLiteral("video_length=45"), QStringLiteral("interval_unit=0"),
                 QStringLiteral("interval_value=0"), QStringLiteral("timer=1"),
                 QStringLiteral("timer_start_hour=5"), QStringLiteral("serial_no=1"),
                 QStringLiteral("serial_char2=7"), QStringLiteral("video_size=1")}};
    if (command == u"mms")
        return {command,
                QStringLiteral("setup.dat"),
                res::mms_form::folderField,
                res::mms_form::selectButton,
                res::mms_form::generateButton,
                phone + QStringList{QStringLiteral("phone1=07700900123"),
                                    QStringLiteral("email=me@example.com"),
                                    QStringLiteral("pictures_per_day=12")}};
    return {command,
            QStringLiteral("smtp.dat"),
            res::smtp_form::folderField,
            res::smtp_form::selectButton,
            res::smtp_form::generateButton,
            phone + QStringList{QStringLiteral("server=smtp.example.com"),
                                QStringLiteral("port=587"),
                                QStringLiteral("sender=cam@example.com"),
                                QStringLiteral("sender_password=secret"),
                                QStringLiteral("recipient=me@example.com"),
                                QStringLiteral("phone=07700900123")}};
}

std::unique_ptr<dialog::FormModel> openForm(const QString& command, int model,
                                            const dialog::FormContext& context,
                                            test::FakeHost& host) {
    std::unique_ptr<dialog::FormModel> form;
    if (command == u"menu")
        form = std::make_unique<camera::CameraFormModel>(app::cameraFormFor(model), context, host);
    else if (command == u"mms")
        form = std::make_unique<mms::MmsFormModel>(app::mmsFormFor(model), context, host);
    else
        form = std::make_unique<smtp::SmtpFormModel>(app::smtpFormFor(model), context, host);
    form->initialise();
    return form;
}

} // namespace

// A form shows what a card holds and writes it back unchanged; profiles go from the window to
// the command and back; a replaced file comes back.
class CardFileActionsTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    int folders = 0;

    QString newFolder() {
        const QString folder = dir.filePath(QStringLiteral("f%1").arg(++folders));
        QDir().mkpath(folder);
        return folder;
    }
    // What the command writes for a model into a new folder, with the form's clock.
    QString written(const Kind& kind, int model, const QStringList& settings) {
        const QString folder = newFolder();
        QStringList arguments{kind.command, QStringLiteral("--model"), QString::number(model),
                              QStringLiteral("--out"), folder};
        if (kind.command == u"menu")
            arguments << QStringLiteral("--time") << QStringLiteral("2012-05-06T07:08:09");
        if (kind.command != u"smtp")
            arguments << QStringLiteral("--tv-mode") << QStringLiteral("0");
        arguments << QStringLiteral("--language") << QStringLiteral("2");
        for (const QString& setting : settings)
            arguments << QStringLiteral("--set") << setting;
        const auto result = runKestrova(arguments, dir.filePath(QStringLiteral("prefs.ini")));
        return result.exitCode == 0 ? folder : result.err;
    }

private Q_SLOTS:
    void loadedFileIsWrittenBackUnchanged_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("model");
        QTest::addColumn<bool>("bySelect"); // the question after Select, else Load from card
        for (int model = 1; model <= 7; ++model) {
            for (const char* command : {"menu", "mms", "smtp"}) {
                if (QLatin1String(command) == u"smtp" && !app::hasSmtp(model))
                    continue;
                QTest::addRow("%s model %d", command, model)
                    << command << model << (model % 2 == 1);
            }
        }
    }
    void loadedFileIsWrittenBackUnchanged() {
        QFETCH(QString, command);
        QFETCH(int, model);
        QFETCH(bool, bySelect);
        const Kind kind = kindOf(command);
        const QString card = written(kind, model, kind.settings);
        QVERIFY2(QFileInfo(card).isDir(), qPrintable(card));
        test::FakeHost host;
        dialog::FormContext context{{2, false, false}, model, 0};
        auto form = openForm(command, model, context, host);
        if (bySelect) {
            host.folderAnswers.push_back(card);
            host.yesNoAnswers.push_back(true);
            form->buttonPressed(kind.selectButton);
            QCOMPARE(host.questions.size(), 1);
            QVERIFY(host.questions[0].startsWith(kind.fileName + QStringLiteral(" in ") + card +
                                                 QStringLiteral(" holds settings (") +
                                                 cameraModel(model).nameText()));
        } else {
            form->dialog().userEdited(kind.folderField, card);
            form->editChanged(kind.folderField);
            form->contextActionChosen(CardFileActions::LoadFromCard);
        }
        // Where the settings came from is said in the form, under the folder, not in a box.
        QVERIFY(host.messages.isEmpty());
        QCOMPARE(form->dialog().controlCaption(dialog::sourceLine),
                 QStringLiteral("Loaded from ") + card + u'/' + kind.fileName);

        const QString again = newFolder();
        form->dialog().userEdited(kind.folderField, again);
        form->editChanged(kind.folderField);
        form->buttonPressed(kind.generateButton);
        QCOMPARE(fileBytes(again + u'/' + kind.fileName), fileBytes(card + u'/' + kind.fileName));
    }

    // What cannot be shown leaves the form as it was, with a plain message.
    void filesThatCannotBeShown_data() {
        QTest::addColumn<QString>("content"); // absent, damaged, other form
        QTest::addColumn<QString>("message");
        QTest::newRow("absent") << "absent"
                                << "There is no menu.dat in this folder; the form was left as it "
                                   "was.";
        QTest::newRow("damaged") << "damaged"
                                 << "menu.dat in this folder is damaged; the form was left as it "
                                    "was.";
        QTest::newRow("another model's") << "other"
                                         << "menu.dat in this folder was written for a different "
                                            "camera model; the form was left as it was.";
        QTest::newRow("factory reset") << "factory"
                                       << "menu.dat in this folder is the factory reset record; it "
                                          "holds no settings to load.";
    }
    void filesThatCannotBeShown() {
        QFETCH(QString, content);
        QFETCH(QString, message);
        const Kind kind = kindOf(QStringLiteral("menu"));
        QString card = newFolder();
        if (content == u"damaged")
            QVERIFY(test::writeFile(card + QStringLiteral("/menu.dat"), QByteArray(60, '\x05')));
        // Model 7's third video size, which model 1's list has not got.
        if (content == u"other")
            card = written(kind, 7, {QStringLiteral("video_size=2")});
        if (content == u"factory")
            QCOMPARE(runKestrova({QStringLiteral("factory-reset"), QStringLiteral("--out"), card},
                                 dir.filePath(QStringLiteral("prefs.ini")))
                         .exitCode,
                     0);
        test::FakeHost host;
        auto form = openForm(QStringLiteral("menu"), 1, {{2, false, false}, 1, 0}, host);
        const dialog::Dialog before = form->dialog();
        form->dialog().userEdited(kind.folderField, card);
        form->editChanged(kind.folderField);
        form->contextActionChosen(CardFileActions::LoadFromCard);
        QCOMPARE(host.messages, QStringList{message});
        QCOMPARE(form->dialog().selection(res::camera_form::videoSize),
                 before.selection(res::camera_form::videoSize));
        QCOMPARE(form->dialog().text(res::camera_form::videoLength),
                 before.text(res::camera_form::videoLength));
    }

    // A profile saved in the window makes the command write the window's bytes, and a profile
    // the command reads fills the window.
    void profilesGoBothWays_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("model");
        QTest::newRow("menu") << "menu" << 2;
        QTest::newRow("mms") << "mms" << 3;
        QTest::newRow("smtp") << "smtp" << 7;
    }
    void profilesGoBothWays() {
        QFETCH(QString, command);
        QFETCH(int, model);
        const Kind kind = kindOf(command);
        const QString card = written(kind, model, kind.settings);
        test::FakeHost host;
        auto form = openForm(command, model, {{2, false, false}, model, 0}, host);
        const QString profile = dir.filePath(command + QStringLiteral(".json"));
        QVERIFY(test::writeFile(profile,
                                runKestrova({QStringLiteral("inspect"), card + u'/' + kind.fileName,
                                             QStringLiteral("--model"), QString::number(model),
                                             QStringLiteral("--json")},
                                            dir.filePath(QStringLiteral("prefs.ini")))
                                    .out.toUtf8()));
        host.profileFileAnswers.push_back(profile);
        form->contextActionChosen(CardFileActions::LoadProfile);
        QVERIFY(host.messages.isEmpty());
        QCOMPARE(form->dialog().controlCaption(dialog::sourceLine),
                 QStringLiteral("Loaded from ") + profile);

        // A name without ".json" gets it, so Load profile lists the file.
        const QString saved = dir.filePath(command + QStringLiteral("-saved.json"));
        host.profileFileAnswers.push_back(saved.chopped(5));
        form->contextActionChosen(CardFileActions::SaveProfile);
        QCOMPARE(host.messages, QStringList{QStringLiteral("Profile saved.\nFile: ") + saved});
        // Where that name is taken, the user is asked first.
        host.profileFileAnswers.push_back(saved.chopped(5));
        form->contextActionChosen(CardFileActions::SaveProfile);
        QCOMPARE(host.questions,
                 QStringList{saved + QStringLiteral(" already exists. Replace it?")});
        QCOMPARE(host.messages.size(), 1);
        const QString fromProfile = newFolder();
        QStringList arguments{command,
                              QStringLiteral("--model"),
                              QString::number(model),
                              QStringLiteral("--out"),
                              fromProfile,
                              QStringLiteral("--profile"),
                              saved,
                              QStringLiteral("--language"),
                              QStringLiteral("2")};
        if (command == u"menu")
            arguments << QStringLiteral("--time") << QStringLiteral("2012-05-06T07:08:09");
        const auto result = runKestrova(arguments, dir.filePath(QStringLiteral("prefs.ini")));
        QVERIFY2(result.exitCode == 0, qPrintable(result.err));
        QCOMPARE(fileBytes(fromProfile + u'/' + kind.fileName),
                 fileBytes(card + u'/' + kind.fileName));
    }

    // The window's Load profile and the command's --profile refuse the same files, each in its
    // own words; the form stays as it was.
    void profilesBothSidesRefuse_data() {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("command");
        const QString twice = QStringLiteral("names \"video_length\" twice; which value is meant "
                                             "cannot be told");
        const QString damaged = QStringLiteral("is the report of a damaged file (\"intact\": "
                                               "false); its values cannot be trusted");
        const QString unknown = QStringLiteral("holds the unknown setting \"video_lenght\"; did "
                                               "you mean \"video_length\"?");
        QTest::newRow("array") << QByteArray("[]") << 2
                               << "it must hold one JSON object of settings"
                               << "must hold one JSON object of settings";
        QTest::newRow("name twice") << QByteArray(R"({"video_length": 10, "video_length": 20})")
                                    << 2 << QStringLiteral("it ") + twice << twice;
        QTest::newRow("damaged") << QByteArray(R"({"intact": false})") << 2
                                 << QStringLiteral("it ") + damaged << damaged;
        QTest::newRow("unknown name") << QByteArray(R"({"video_lenght": 10})") << 2
                                      << QStringLiteral("it ") + unknown << unknown;
        QTest::newRow("kind not a text") << QByteArray(R"({"kind": 5})") << 2
                                         << "it holds the settings of a 5 file, not of menu.dat"
                                         << "describes a file of kind 5; this command writes menu";
        QTest::newRow("factory reset")
            << QByteArray(R"({"kind": "factory-reset"})") << 2
            << "it holds the settings of a factory-reset file, not of menu.dat"
            << "is a factory reset record, which holds no settings; write it with \"kestrova "
               "factory-reset\"";
        // The form's words are the form's language; the command's stay English.
        QTest::newRow("array, in French")
            << QByteArray("[]") << 6 << "il doit contenir un seul objet JSON de réglages"
            << "must hold one JSON object of settings";
    }
    void profilesBothSidesRefuse() {
        QFETCH(QByteArray, json);
        QFETCH(int, language);
        QFETCH(QString, window);
        QFETCH(QString, command);
        const QString profile = dir.filePath(QStringLiteral("refused.json"));
        QVERIFY(test::writeFile(profile, json));
        test::FakeHost host;
        auto form = openForm(QStringLiteral("menu"), 2, {{language, false, false}, 2, 0}, host);
        const dialog::Dialog before = form->dialog();
        host.profileFileAnswers.push_back(profile);
        form->contextActionChosen(CardFileActions::LoadProfile);
        QCOMPARE(
            host.messages,
            QStringList{
                i18n::noticeText(i18n::Notice::ProfileUnusable, language).arg(profile, window)});
        QCOMPARE(form->dialog().text(res::camera_form::videoLength),
                 before.text(res::camera_form::videoLength));
        const auto result = runKestrova({QStringLiteral("menu"), QStringLiteral("--model"),
                                         QStringLiteral("2"), QStringLiteral("--out"), newFolder(),
                                         QStringLiteral("--profile"), profile},
                                        dir.filePath(QStringLiteral("prefs.ini")));
        QCOMPARE(result.exitCode, 2);
        QVERIFY2(result.err.contains(QStringLiteral("the profile %1 %2").arg(profile, command)),
                 qPrintable(result.err));
    }

    void replacedFileComesBack() {
        const Kind kind = kindOf(QStringLiteral("mms"));
        const QString card = written(kind, 4, kind.settings);
        const QByteArray first = fileBytes(card + QStringLiteral("/setup.dat"));
        FileHistory history(dir.filePath(QStringLiteral("history")));
        test::FakeHost host;
        dialog::FormContext context{{2, false, false}, 4, 0};
        context.history = &history;
        auto form = openForm(QStringLiteral("mms"), 4, context, host);
        form->contextActionChosen(CardFileActions::RestorePrevious);
        form->dialog().userEdited(kind.folderField, card);
        form->editChanged(kind.folderField);
        form->contextActionChosen(CardFileActions::RestorePrevious);
        form->dialog().userEdited(res::mms_form::phoneField, QStringLiteral("0123456789"));
        form->editChanged(res::mms_form::phoneField);
        form->buttonPressed(kind.generateButton);
        QVERIFY(fileBytes(card + QStringLiteral("/setup.dat")) != first);

        host.messages.clear();
        host.yesNoAnswers = {false, true};
        form->contextActionChosen(CardFileActions::RestorePrevious);
        QVERIFY(fileBytes(card + QStringLiteral("/setup.dat")) != first);
        form->contextActionChosen(CardFileActions::RestorePrevious);
        QCOMPARE(fileBytes(card + QStringLiteral("/setup.dat")), first);
        QCOMPARE(host.questions.size(), 2);
        QVERIFY(host.questions[0].startsWith(
            QStringLiteral("Write back the setup.dat this folder held before ")));
        QCOMPARE(host.messages.size(), 1);
    }
};

KESTROVA_TEST(CardFileActionsTest)
#include "card_file_actions_test.moc"
