#include "dialog/dialog.h"
#include "dialog/form_context.h"
#include "dialog/settings_file.h"
#include "dialog/target_folder.h"
#include "format/record_file.h"
#include "res/camera_templates.h"
#include "support/fake_host.h"
#include "support/test_registry.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace kestrova;
using kestrova::test::FakeHost;

class DialogTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

private Q_SLOTS:
    void typingNeverShortensALongerText_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        const QString long90(90, u'p');
        QTest::newRow("typing stops at the limit") << "" << QString(81, u'x') << QString(80, u'x');
        QTest::newRow("editing a longer path keeps it whole")
            << long90 << long90.left(89) + u'q' << long90.left(89) + u'q';
        QTest::newRow("but lets it grow no further") << long90 << long90 + u'q' << long90;
    }
    void typingNeverShortensALongerText() {
        QFETCH(QString, before);
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        dialog::Dialog d(res::cameraFormTemplate(CameraForm::C));
        const int folder = res::camera_form::folderField;
        d.setLimit(folder, 80);
        d.setText(folder, before);
        d.userEdited(folder, typed);
        QCOMPARE(d.text(folder), kept);
    }

    void pickingTheSameEntryIsNoChange() {
        dialog::Dialog d(res::cameraFormTemplate(CameraForm::C));
        const int list = res::camera_form::cameraMode;
        d.setEntries(list, {QStringLiteral("Camera"), QStringLiteral("Video")}, 0);
        QVERIFY(!d.userSelected(list, 0));
        QVERIFY(d.userSelected(list, 1));
        QVERIFY(!d.userSelected(list, 1));
    }

    void folderRemembersTheCardItWasChosenOn() {
        FakeHost host;
        host.mountPoints << dir.path();
        QList<dialog::ChosenFolder> told;
        dialog::FormContext context;
        context.folderChosen = [&told](const auto& f) { told << f; };
        dialog::TargetFolder folder(host, context);
        QCOMPARE(folder.path(), defaultTargetFolder());

        host.folderAnswers.push_back(dir.path());
        folder.browse();
        QCOMPARE(told, (QList<dialog::ChosenFolder>{{dir.path(), true}}));
        QVERIFY(folder.writeOptions().mustBeMountPoint);

        // Typing counts once Generate or Default uses the folder.
        const QString plain = dir.filePath(QStringLiteral("plain"));
        folder.typed(plain);
        QVERIFY(!folder.writeOptions().mustBeMountPoint);
        QCOMPARE(told.size(), 1);
        folder.use(plain);
        QCOMPARE(told.last(), (dialog::ChosenFolder{plain, false}));
        // An emptied field is nothing to remember.
        folder.use({});
        QVERIFY(folder.isEmpty());
        QCOMPARE(told.size(), 2);
    }

    void successNamesTheFile_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("second");
        QTest::newRow("English") << 2 << "File: %1";
        QTest::newRow("German") << 3 << "Datei: %1";
        QTest::newRow("Chinese") << 1 << "文件：%1";
    }
    void successNamesTheFile() {
        QFETCH(int, language);
        QFETCH(QString, second);
        FakeHost host;
        QVERIFY(dialog::writeSettingsFile(host, dir.path(), "smtp.dat", "bytes",
                                          i18n::Message::SmtpGenerated, language));
        const QString path = QDir::toNativeSeparators(dir.filePath(QStringLiteral("smtp.dat")));
        QCOMPARE(host.messages.size(), 1);
        QCOMPARE(host.messages.first(), i18n::messageFor(i18n::Message::SmtpGenerated, language) +
                                            u'\n' + second.arg(path));
        // A failure has no such line: nothing was written there.
        QVERIFY(!dialog::writeSettingsFile(host, {}, "smtp.dat", "bytes",
                                           i18n::Message::SmtpGenerated, language));
        QVERIFY(!host.messages.last().contains(u'\n'));
    }
};

KESTROVA_TEST(DialogTest)
#include "dialog_test.moc"
