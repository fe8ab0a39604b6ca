#include "camera/camera_form_model.h"
#include "camera/menu_record.h"
#include "card/card_lookup.h"
#include "dialog/card_file_actions.h"
#include "dialog/form_context.h"
#include "i18n/notices.h"
#include "mms/mms_form_model.h"
#include "res/camera_templates.h"
#include "res/mms_templates.h"
#include "res/smtp_templates.h"
#include "smtp/smtp_form_model.h"
#include "storage/file_history.h"
#include "storage/record_file.h"
#include "support/fake_host.h"
#include "support/fake_volumes.h"
#include "support/process_runner.h"
#include "support/test_files.h"
#include "support/test_registry.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace kestrova;
using test::FakeHost;

namespace {

// One of the three setup forms, opened on a context and on screen, with the ids of its folder
// controls.
struct OpenedForm {
    std::unique_ptr<dialog::FormModel> model;
    int folderField = 0;
    int selectButton = 0;

    QString folder() { return model->dialog().text(folderField); }
};

OpenedForm openForm(const QString& kind, const dialog::FormContext& context, FakeHost& host) {
    OpenedForm opened;
    if (kind == u"camera") {
        opened.model = std::make_unique<camera::CameraFormModel>(CameraForm::C, context, host);
        opened.folderField = res::camera_form::folderField;
        opened.selectButton = res::camera_form::selectButton;
    } else if (kind == u"mms") {
        opened.model = std::make_unique<mms::MmsFormModel>(MmsForm::B, context, host);
        opened.folderField = res::mms_form::folderField;
        opened.selectButton = res::mms_form::selectButton;
    } else {
        opened.model = std::make_unique<smtp::SmtpFormModel>(SmtpForm::A, context, host);
        opened.folderField = res::smtp_form::folderField;
        opened.selectButton = res::smtp_form::selectButton;
    }
    opened.model->initialise();
    opened.model->shown();
    return opened;
}

dialog::FormContext contextWith(const QStringList& cards, const dialog::ChosenFolder& last = {},
                                bool fromThisRun = false) {
    dialog::FormContext context{{2, false, false}, 3, 0, last, fromThisRun};
    context.cards = test::cardsFoundAt(cards);
    return context;
}

} // namespace

// The forms go to the card the system found, unless the owner chose a folder, and keep what a
// write replaced with the card it came from.
class CardFolderTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString path(const char* name) const { return dir.filePath(QLatin1String(name)); }

private Q_SLOTS:
    void initTestCase() {
        for (const char* name : {"card", "other-card", "last", "plain"})
            QVERIFY(QDir().mkpath(path(name)));
        const auto written =
            test::runKestrova({QStringLiteral("menu"), QStringLiteral("--model"),
                               QStringLiteral("3"), QStringLiteral("--out"), path("card"),
                               QStringLiteral("--time"), QStringLiteral("2026-05-06T07:08:09")},
                              path("prefs.ini"));
        QVERIFY2(written.exitCode == 0, qPrintable(written.err));
    }

    void cardComesFirstUnlessTheOwnerChose_data() {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("last"); // the folder the context remembers, and from when
        QTest::addColumn<int>("cards");
        QTest::addColumn<bool>("ownerFirst"); // Select before the cards are found
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("question");
        const QString asked = QStringLiteral("menu.dat in %1 holds settings (Kes LambdaMG, clock "
                                             "2026-05-06 07:08). Load them into the form?");
        for (const char* form : {"camera", "mms", "smtp"})
            QTest::addRow("%s, one card over a folder of an earlier run", form)
                << form << "earlier" << 1 << false << 2 << "card"
                << (QLatin1String(form) == u"camera" ? asked : QString());
        QTest::newRow("every part of the question translated")
            << "camera"
            << "none" << 1 << false << 6 << "card"
            << QStringLiteral("menu.dat dans %1 contient des réglages (Kes LambdaMG, horloge "
                              "2026-05-06 07:08). Les charger dans le formulaire ?");
        QTest::newRow("a folder chosen in this run") << "camera"
                                                     << "this run" << 1 << false << 2 << "last"
                                                     << "";
        QTest::newRow("a folder chosen in this run, gone since")
            << "camera"
            << "this run, gone" << 1 << false << 2 << "card" << asked;
        QTest::newRow("two cards") << "camera"
                                   << "earlier" << 2 << false << 2 << "last"
                                   << "";
        QTest::newRow("the owner chose before the card was found")
            << "camera"
            << "earlier" << 1 << true << 2 << "plain"
            << "";
    }
    void cardComesFirstUnlessTheOwnerChose() {
        QFETCH(QString, form);
        QFETCH(QString, last);
        QFETCH(int, cards);
        QFETCH(bool, ownerFirst);
        QFETCH(int, language);
        QFETCH(QString, expected);
        QFETCH(QString, question);
        test::FixedVolumes volumes;
        for (const char* card : {"card", "other-card"}) {
            if (volumes.list.size() < cards)
                volumes.list << test::volumeAt(path(card), true, card::Bus::Sd);
        }
        const QString lastFolder = last.endsWith(u"gone") ? path("gone") : path("last");
        dialog::FormContext context{{language, false, false},
                                    3,
                                    0,
                                    {last == u"none" ? QString() : lastFolder, false, {}},
                                    last.startsWith(u"this run")};
        // Found beside the form, as the desktop finds them.
        context.cards = card::CardLookup::start(volumes);
        FakeHost host;
        OpenedForm opened = openForm(form, context, host);
        if (ownerFirst) {
            host.folderAnswers.push_back(path("plain"));
            opened.model->buttonPressed(opened.selectButton);
        }
        QTRY_VERIFY(context.cards->done());
        QCOMPARE(opened.folder(), path(expected.toLatin1().constData()));
        QCOMPARE(host.questions,
                 question.isEmpty() ? QStringList() : QStringList{question.arg(path("card"))});
    }

    void detectedCardPulledBeforeGenerateIsRefused_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("went to the one card") << "found";
        QTest::newRow("selected among two cards") << "selected";
    }
    void detectedCardPulledBeforeGenerateIsRefused() {
        QFETCH(QString, how);
        // The system's mount table does not list the test's folder: only the detection says it
        // is a card, and by Generate it is an empty folder of the PC's.
        const QString card = path("card");
        FakeHost host;
        const QStringList cards =
            how == u"found" ? QStringList{card} : QStringList{card, path("other-card")};
        OpenedForm opened = openForm(QStringLiteral("camera"), contextWith(cards), host);
        if (how == u"selected") {
            host.folderAnswers.push_back(card);
            opened.model->buttonPressed(opened.selectButton);
        }
        QCOMPARE(opened.folder(), card);
        const QByteArray before = test::fileBytes(card + QStringLiteral("/menu.dat"));
        opened.model->buttonPressed(res::camera_form::generateButton);
        QCOMPARE(test::fileBytes(card + QStringLiteral("/menu.dat")), before);
        QCOMPARE(host.messages.size(), 1);
        QVERIFY2(host.messages.first().contains(QStringLiteral("the card was removed")),
                 qPrintable(host.messages.first()));
    }

    void restoreKeepsToTheCard_data() {
        QTest::addColumn<QString>("here");     // the card the folder holds now
        QTest::addColumn<QString>("question"); // a pattern
        QTest::addColumn<QString>("swapTo");   // the card put in while the question stands
        QTest::addColumn<int>("restored");     // the video length written back; 0: nothing
        const QString older = QStringLiteral("^Write back the menu.dat this folder held before "
                                             "2026-01-01 ");
        const QString unknown =
            QStringLiteral("^The menu.dat this folder held before 2026-02-01 .* came from the "
                           "card B \\(BBBB-0002\\); which card");
        QTest::newRow("the card of the older copy") << "AAAA-0001" << older << "AAAA-0001" << 20;
        QTest::newRow("a card no copy came from") << "CCCC-0003"
                                                  << ""
                                                  << "" << 0;
        QTest::newRow("no card that can be told") << "" << unknown << "" << 30;
        QTest::newRow("no card that can be told, then the copy's")
            << "" << unknown << "BBBB-0002" << 30;
        QTest::newRow("no card that can be told, then another")
            << "" << unknown << "AAAA-0001" << 0;
        QTest::newRow("the card of the older copy, then another")
            << "AAAA-0001" << older << "CCCC-0003" << 0;
    }
    void restoreKeepsToTheCard() {
        QFETCH(QString, here);
        QFETCH(QString, question);
        QFETCH(QString, swapTo);
        QFETCH(int, restored);
        QTemporaryDir scratch;
        FileHistory history(scratch.filePath(QStringLiteral("history")));
        const QString folder = path("plain");
        const QDateTime january(QDate(2026, 1, 1), QTime(12, 0));
        // Two intact camera menus of model 7, one from each card.
        const auto menu = [](int videoLength) {
            auto settings = camera::CameraSettings::atOpen(CameraForm::B);
            settings.video_length = videoLength;
            return camera::toByteArray(camera::buildMenuRecord(
                CameraForm::B, settings,
                camera::CapturedTime::capture(QDateTime(QDate(2026, 1, 1), QTime(8, 0))), 2, 0));
        };
        QVERIFY(history
                    .keep(folder, QStringLiteral("menu.dat"), menu(20), january, false,
                          {QStringLiteral("AAAA-0001"), QStringLiteral("A")})
                    .kept());
        QVERIFY(history
                    .keep(folder, QStringLiteral("menu.dat"), menu(30), january.addMonths(1), false,
                          {QStringLiteral("BBBB-0002"), QStringLiteral("B")})
                    .kept());
        test::FixedVolumes volumes;
        if (!here.isEmpty()) {
            volumes.list = {test::volumeAt(folder, true, card::Bus::Sd)};
            volumes.list[0].uuid = here;
        }
        dialog::FormContext context = contextWith({}, {folder, false, {}});
        context.volumes = &volumes;
        context.history = &history;
        FakeHost host;
        host.yesNoAnswers = {true};
        host.whileAsked = [&] {
            volumes.list = {test::volumeAt(folder, true, card::Bus::Sd)};
            volumes.list[0].uuid = swapTo;
            volumes.list[0].label = swapTo.left(1);
        };
        OpenedForm opened = openForm(QStringLiteral("camera"), context, host);
        const QString file = recordFilePath(folder, QStringLiteral("menu.dat"));
        QFile::remove(file);
        opened.model->contextActionChosen(dialog::CardFileActions::RestorePrevious);
        if (question.isEmpty()) {
            QCOMPARE(host.messages, QStringList{i18n::noticeText(i18n::Notice::NoPreviousFile, 2)
                                                    .arg(QStringLiteral("menu.dat"))});
            return;
        }
        QCOMPARE(host.questions.size(), 1);
        QVERIFY2(host.questions.first().contains(QRegularExpression(question)),
                 qPrintable(host.questions.first()));
        if (restored == 0) {
            QVERIFY(!QFile::exists(file));
            QCOMPARE(host.messages.size(), 1);
            QVERIFY2(host.messages.first().contains(QStringLiteral("but the folder now holds the "
                                                                   "card ")),
                     qPrintable(host.messages.first()));
            return;
        }
        const QByteArray bytes = test::fileBytes(file);
        QFile::remove(file);
        QCOMPARE(camera::decodeMenuRecord(camera::toMenuRecord(bytes), CameraForm::B)
                     .settings.video_length,
                 restored);
    }

    void successSaysWhenNoCopyWasKept_data() {
        QTest::addColumn<QString>("history");
        QTest::addColumn<int>("kept");
        QTest::addColumn<bool>("copyLine");
        QTest::newRow("history kept the old file") << "writable" << 1 << false;
        // A history under a regular file can never be made, yet the card gets its file.
        QTest::newRow("history cannot be written") << "under a file" << 0 << true;
    }
    void successSaysWhenNoCopyWasKept() {
        QFETCH(QString, history);
        QFETCH(int, kept);
        QFETCH(bool, copyLine);
        QTemporaryDir scratch;
        const QString folder = scratch.filePath(QStringLiteral("card"));
        QVERIFY(QDir().mkpath(folder));
        const QString menuFile = recordFilePath(folder, QStringLiteral("menu.dat"));
        QVERIFY(test::writeFile(menuFile, QByteArray(60, 'x')));
        QVERIFY(test::writeFile(scratch.filePath(QStringLiteral("file")), "not a folder"));
        FileHistory keeper(history == u"writable"
                               ? scratch.filePath(QStringLiteral("history"))
                               : scratch.filePath(QStringLiteral("file/history")));

        FakeHost host;
        dialog::FormContext context = contextWith({}, {folder, false});
        context.history = &keeper;
        OpenedForm opened = openForm(QStringLiteral("camera"), context, host);
        opened.model->buttonPressed(res::camera_form::generateButton);

        QCOMPARE(test::fileBytes(menuFile).size(), 60);
        QVERIFY(test::fileBytes(menuFile) != QByteArray(60, 'x'));
        QString expected = test::writtenMessage(
            QStringLiteral("Camera menu configuration file is generated"), menuFile);
        if (copyLine)
            expected += u'\n' + i18n::noticeText(i18n::Notice::NoCopyKept, 2);
        QCOMPARE(host.messages, QStringList{expected});
        QCOMPARE(keeper.entries().size(), kept);
    }
};

KESTROVA_TEST(CardFolderTest)
#include "card_folder_test.moc"
