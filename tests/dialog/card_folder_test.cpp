#include "camera/camera_form_model.h"
#include "dialog/form_context.h"
#include "format/file_history.h"
#include "format/record_file.h"
#include "i18n/notices.h"
#include "mms/mms_form_model.h"
#include "res/camera_templates.h"
#include "res/mms_templates.h"
#include "res/smtp_templates.h"
#include "smtp/smtp_form_model.h"
#include "support/fake_host.h"
#include "support/test_files.h"
#include "support/test_registry.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace kestrova;
using test::FakeHost;

namespace {

// One of the three setup forms, opened on a context, with the ids of its folder controls.
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
    return opened;
}

dialog::FormContext contextWith(const QStringList& cards, const dialog::ChosenFolder& last = {}) {
    dialog::FormContext context{{2, false, false}, 3, 0, last};
    context.cards = cards;
    return context;
}

} // namespace

// The forms go to the card the system found, and keep what a write replaced.
class CardFolderTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString path(const char* name) const { return dir.filePath(QLatin1String(name)); }

private Q_SLOTS:
    void initTestCase() {
        for (const char* name : {"card", "other-card", "last", "plain"})
            QVERIFY(QDir().mkpath(path(name)));
    }

    void formStartsAtTheOneDetectedCard_data() {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QStringList>("cards");
        QTest::addColumn<QString>("expected");
        for (const char* form : {"camera", "mms", "smtp"}) {
            const QString card = path("card");
            const QString last = path("last");
            QTest::addRow("%s, no card", form) << form << QStringList{} << last;
            // The card in the PC is where the file is meant to go, whatever the last form used.
            QTest::addRow("%s, one card", form) << form << QStringList{card} << card;
            QTest::addRow("%s, two cards", form)
                << form << QStringList{card, path("other-card")} << last;
        }
    }
    void formStartsAtTheOneDetectedCard() {
        QFETCH(QString, form);
        QFETCH(QStringList, cards);
        QFETCH(QString, expected);
        FakeHost host;
        OpenedForm opened = openForm(form, contextWith(cards, {path("last"), false}), host);
        QCOMPARE(opened.folder(), expected);

        // Select's browser opens at that card too, even once the field holds another folder.
        opened.model->dialog().userEdited(opened.folderField, path("plain"));
        opened.model->editChanged(opened.folderField);
        host.folderAnswers.push_back(path("plain"));
        opened.model->buttonPressed(opened.selectButton);
        QCOMPARE(host.browseStarts,
                 QStringList{cards.size() == 1 ? cards.constFirst() : path("plain")});
    }

    void detectedCardPulledBeforeGenerateIsRefused_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("opened on the one card") << "opened";
        QTest::newRow("selected among two cards") << "selected";
    }
    void detectedCardPulledBeforeGenerateIsRefused() {
        QFETCH(QString, how);
        // The system's mount table does not list the test's folder: only the detection says it
        // is a card, and by Generate it is an empty folder of the PC's.
        const QString card = path("card");
        FakeHost host;
        const QStringList cards =
            how == u"opened" ? QStringList{card} : QStringList{card, path("other-card")};
        OpenedForm opened = openForm(QStringLiteral("camera"), contextWith(cards), host);
        if (how == u"selected") {
            host.folderAnswers.push_back(card);
            opened.model->buttonPressed(opened.selectButton);
        }
        QCOMPARE(opened.folder(), card);
        opened.model->buttonPressed(res::camera_form::generateButton);
        QVERIFY(!QFile::exists(recordFilePath(card, QStringLiteral("menu.dat"))));
        QCOMPARE(host.messages.size(), 1);
        QVERIFY2(host.messages.first().contains(QStringLiteral("the card was removed")),
                 qPrintable(host.messages.first()));
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
