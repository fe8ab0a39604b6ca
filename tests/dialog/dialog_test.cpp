#include "dialog/dialog.h"
#include "dialog/form_context.h"
#include "dialog/settings_file.h"
#include "dialog/target_folder.h"
#include "res/camera_templates.h"
#include "storage/record_file.h"
#include "support/fake_host.h"
#include "support/fake_volumes.h"
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

    void folderIsRememberedOnceItTookAFileOrWasPicked() {
        FakeHost host;
        test::FixedVolumes volumes;
        volumes.list = {test::volumeAt(dir.path(), true, card::Bus::Sd)};
        volumes.list[0].uuid = QStringLiteral("1111-2222");
        QList<dialog::ChosenFolder> told;
        dialog::FormContext context;
        context.folderChosen = [&told](const auto& f) { told << f; };
        context.volumes = &volumes;
        dialog::TargetFolder folder(host, context);
        QCOMPARE(folder.path(), dialog::defaultTargetFolder());

        // A cancelled browser, a folder typed, a write that failed: nothing to come back to.
        const QString missing = dir.filePath(QStringLiteral("missing"));
        folder.browse();
        folder.typed(missing);
        QVERIFY(!folder.writeFile("menu.dat", "bytes", i18n::Message::MenuGenerated, 2));
        QCOMPARE(told, QList<dialog::ChosenFolder>());

        // The browser starts at the folder in the field; what it returns is kept with its card.
        host.folderAnswers.push_back(dir.path());
        folder.browse();
        QCOMPARE(host.browseStarts.last(), missing);
        QCOMPARE(told,
                 (QList<dialog::ChosenFolder>{
                     {dir.path(), true, {QStringLiteral("1111-2222"), QStringLiteral("CAM")}}}));
        QVERIFY(folder.writeOptions().mustBeMountPoint);

        const QString plain = dir.filePath(QStringLiteral("plain"));
        QVERIFY(QDir().mkpath(plain));
        folder.typed(plain);
        QVERIFY(!folder.writeOptions().mustBeMountPoint);
        QVERIFY(folder.writeFile("menu.dat", "bytes", i18n::Message::MenuGenerated, 2));
        QCOMPARE(told.last(), (dialog::ChosenFolder{plain, false, {}}));
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
