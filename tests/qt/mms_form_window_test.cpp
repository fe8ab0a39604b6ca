#include "app/setup_forms.h"
#include "mms/mms_checks.h"
#include "mms/mms_file.h"
#include "mms/mms_record.h"
#include "mms/operator_presets.h"
#include "qt/desktop.h"
#include "qt/dialog_window.h"
#include "qt/open_form.h"
#include "res/mms_templates.h"
#include "storage/record_file.h"
#include "support/fake_host.h"
#include "support/test_files.h"
#include "support/test_registry.h"

#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

using kestrova::test::fileBytes;
using namespace kestrova;
using kestrova::test::OpenForm;
using namespace kestrova::res::mms_form;
using kestrova::test::FakeHost;

namespace {

// One MMS form as the desktop program makes it, in a real window.
} // namespace

class MmsFormWindowTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString setupFile() const { return recordFilePath(dir.path(), QStringLiteral("setup.dat")); }

private Q_SLOTS:
    void init() { QFile::remove(setupFile()); }

    void typeAndGenerate_data() {
        QTest::addColumn<int>("model");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("hourList");
        QTest::newRow("A") << 7 << "Kestrova Sigma" << 1061;
        QTest::newRow("B") << 6 << "Kestrova Omega" << 1134;
    }
    void typeAndGenerate() {
        QFETCH(int, model);
        QFETCH(QString, title);
        QFETCH(int, hourList);
        OpenForm f(app::SetupForm::Mms, model);
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        QCOMPARE(f.window->windowTitle(), title);
        QCOMPARE(qobject_cast<QGroupBox*>(f.window->widget(groupBox))->title(),
                 QStringLiteral("MMS"));
        // Screen readers hear the label that names a field, or the field's own name.
        QCOMPARE(f.edit(phoneField)->accessibleName(), QStringLiteral("Phone No"));
        QCOMPARE(f.edit(recipient3Field)->accessibleName(), QStringLiteral("Phone or Email"));
        QCOMPARE(f.edit(apnField)->accessibleName(), QStringLiteral("APN"));
        QCOMPARE(f.edit(folderField)->accessibleName(), QStringLiteral("Target folder"));
        QCOMPARE(f.list(hourList)->accessibleName(), QStringLiteral("SMS Remote Control"));

        QVERIFY(f.edit(urlField)->isReadOnly());
        QVERIFY(f.edit(recipient2Field)->isReadOnly());
        QVERIFY(f.edit(folderField)->isReadOnly());
        f.typeInto(phoneField, QStringLiteral("13800138000"));
        QVERIFY(!f.edit(recipient2Field)->isReadOnly());
        f.typeInto(recipient2Field, QStringLiteral("+4915112345"));
        f.chooseNext(countryList);
        QCOMPARE(f.list(operatorList)->itemText(0), QStringLiteral("T-Mobile"));
        f.chooseNext(operatorList);

        f.host.folderAnswers.push_back(dir.path());
        QTest::mouseClick(f.window->widget(selectButton), Qt::LeftButton);
        QCOMPARE(f.edit(folderField)->text(), dir.path());
        QTest::mouseClick(f.window->widget(generateButton), Qt::LeftButton);

        mms::MmsSettings expected;
        expected.country = 1;
        expected.operatorCode = 1;
        expected.phone1 = QStringLiteral("13800138000");
        expected.phone2 = QStringLiteral("+4915112345");
        const codec::RecordBytes record =
            mms::buildMmsRecord(sending::withPreset<mms::MmsFile>(expected), 2, 0);
        QCOMPARE(fileBytes(setupFile()).toHex(' '), record.bytes.toHex(' '));
        QCOMPARE(
            f.host.messages,
            QStringList{kestrova::test::writtenMessage(
                            "MMS configuration file (URL|APN|Gateway|Port ...) has been generated",
                            setupFile()) +
                        QStringLiteral("\nNew file.")});
        QVERIFY(f.window->isVisible());
        // The preset never fills the boxes; it shows in grey while they are empty.
        QCOMPARE(f.edit(urlField)->text(), QString());
        QCOMPARE(f.edit(apnField)->text(), QString());
        const mms::OperatorPreset preset = mms::mmsPreset(1, 1);
        QCOMPARE(f.edit(apnField)->placeholderText(),
                 QString::fromUtf8(preset.apn.data(), qsizetype(preset.apn.size())));
        QVERIFY(!f.edit(urlField)->placeholderText().isEmpty());
    }

    void pickingTheSameModeAgainKeepsWhatWasTyped() {
        OpenForm f(app::SetupForm::Mms, 7);
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        f.chooseNext(modeList); // "Manual"
        f.typeInto(urlField, QStringLiteral("http://mms.example/m"));
        // The user opens the list and picks "Manual" again.
        QComboBox* modes = f.list(modeList);
        Q_EMIT modes->activated(modes->currentIndex());
        QCOMPARE(f.edit(urlField)->text(), QStringLiteral("http://mms.example/m"));
        QCOMPARE(modes->currentText(), QStringLiteral("Manual"));
    }

    void manualModeUnlocksTheNetwork() {
        OpenForm f(app::SetupForm::Mms, 2);
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        f.chooseNext(modeList);
        QCOMPARE(f.list(modeList)->currentText(), QStringLiteral("Manual"));
        QCOMPARE(f.list(countryList)->count(), 1);
        QCOMPARE(f.list(countryList)->currentText(), QStringLiteral("Other"));
        QCOMPARE(f.list(bearerList)->count(), 2);
        for (int id : {urlField, apnField, gatewayField, portField, accountField, passwordField})
            QVERIFY2(!f.edit(id)->isReadOnly(), qPrintable(QString::number(id)));
        f.chooseNext(statusList); // "SMS"
        for (int id : {urlField, apnField, emailField})
            QVERIFY2(f.edit(id)->isReadOnly(), qPrintable(QString::number(id)));
        QVERIFY(!f.edit(phoneField)->isReadOnly());
    }

    void digitLimitKeepsWhatWasTyped() {
        OpenForm f(app::SetupForm::Mms, 5, 1);
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        f.typeInto(phoneField, QStringLiteral("123456789012"));
        QCOMPARE(f.host.messages, QStringList{"最大允许手机号码位数 11!"});
        QCOMPARE(f.edit(phoneField)->text(), QStringLiteral("12345678901"));
        QCOMPARE(QApplication::focusWidget(), f.edit(phoneField));
        // Typing goes on at the end of what is kept.
        QTest::keyClick(f.edit(phoneField), Qt::Key_Backspace);
        f.typeInto(phoneField, QStringLiteral("5"));
        QCOMPARE(f.edit(phoneField)->text(), QStringLiteral("12345678905"));
        QCOMPARE(f.host.messages.size(), 1);
    }

    void pictureCountIsReset() {
        OpenForm f(app::SetupForm::Mms, 3);
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        QLineEdit* pictures = f.edit(picturesField);
        QCOMPARE(pictures->text(), QStringLiteral("0"));
        pictures->setFocus();
        pictures->selectAll();
        QTest::keyClicks(pictures, QStringLiteral("150"));
        QCOMPARE(f.host.messages.last(),
                 QStringLiteral("Please enter an integer between 0 and 99!"));
        QCOMPARE(pictures->text(), QStringLiteral("0"));
    }

    void escapeClosesTheForm() {
        OpenForm f(app::SetupForm::Mms, 1);
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        f.edit(phoneField)->setFocus();
        QTest::keyClick(f.window.get(), Qt::Key_Escape);
        QVERIFY(!f.window->isVisible());
        QVERIFY(f.model->result() == dialog::DialogResult::Cancelled);
        QVERIFY(!QFile::exists(setupFile()));
    }
};

KESTROVA_TEST(MmsFormWindowTest)
#include "mms_form_window_test.moc"
