#include "app/routing.h"
#include "camera/camera_form_test_support.h"
#include "camera/camera_rules.h"
#include "camera/menu_fields.h"
#include "storage/record_file.h"
#include "support/process_runner.h"
#include "support/test_files.h"
#include "support/test_registry.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace kestrova;
using namespace kestrova::res::camera_form;
using kestrova::test::CameraFormDriver;

namespace {

struct Control {
    int id;
    bool isList;
};

// The control the form shows a setting in, by the name the command uses.
Control controlFor(const QString& name, CameraForm form) {
    const camera::MenuFieldRow* row = camera::menuFieldNamed(name);
    if (!row)
        return {0, false};
    return {row->controlOn(form), row->kind == codec::FieldKind::List};
}

} // namespace

// The desktop form and the command write the same bytes for the same settings.
class MenuFormAgreementTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString folder(const QString& name) const { return dir.filePath(name); }

private Q_SLOTS:
    void sameFile_data() {
        QTest::addColumn<int>("model");
        QTest::addColumn<int>("language");
        QTest::addColumn<bool>("chineseRequested");
        QTest::addColumn<int>("tvMode");
        QTest::addColumn<QStringList>("steps"); // in the order the user makes them
        QTest::newRow("LambdaM as it opens") << 1 << 2 << false << 0 << QStringList{};
        QTest::newRow("SigmaMG") << 7 << 3 << false << 5
                                 << QStringList{"camera_mode=2",        "video_size=0",
                                                "video_length=30",      "interval_unit=0",
                                                "interval_value=45",    "timer2=1",
                                                "timer2_start_hour=18", "timer2_stop_minute=30",
                                                "beep_sound=0",         "sd_cycle=1"};
        QTest::newRow("OmegaMG, Chinese requested")
            << 6 << 2 << true << 0x1234
            << QStringList{"time_lapse=0",        "time_lapse_hour=23", "time_lapse_minute=59",
                           "time_lapse_second=1", "serial_no=1",        "serial_char1=10",
                           "serial_char4=35",     "image_size=2",       "picture_no=2",
                           "time_stamp=1",        "sense_level=3"};
        QTest::newRow("KappaMG timer") << 5 << 11 << false << 1
                                       << QStringList{"timer=1",
                                                      "timer_start_hour=6",
                                                      "timer_start_minute=30",
                                                      "timer_stop_hour=20",
                                                      "timer_stop_minute=15",
                                                      "side_pir=0",
                                                      "interval_value=60"};
        QTest::newRow("RhoMG zero seconds")
            << 4 << 10 << false << 0
            << QStringList{"video_length=1", "interval_unit=0", "interval_value=0"};
    }
    void sameFile() {
        QFETCH(int, model);
        QFETCH(int, language);
        QFETCH(bool, chineseRequested);
        QFETCH(int, tvMode);
        QFETCH(QStringList, steps);
        const QString tag = QString::fromLatin1(QTest::currentDataTag()).replace(u' ', u'-');
        const QString fromForm = folder(tag + QStringLiteral("-form"));
        const QString fromCommand = folder(tag + QStringLiteral("-command"));
        QVERIFY(QDir().mkpath(fromForm) && QDir().mkpath(fromCommand));

        const CameraForm form = app::cameraFormFor(model);
        CameraFormDriver f(form, model, language, chineseRequested,
                           static_cast<std::uint16_t>(tvMode));
        f.selectFolder(fromForm);
        QStringList arguments{"menu",
                              "--model",
                              QString::number(model),
                              "--time",
                              "2012-05-06T07:08:09",
                              "--language",
                              QString::number(language),
                              "--tv-mode",
                              QString::number(tvMode),
                              "--out",
                              fromCommand};
        if (chineseRequested)
            arguments << "--chinese-requested";
        for (const QString& step : steps) {
            const QString name = step.section(u'=', 0, 0);
            const QString value = step.section(u'=', 1);
            const Control control = controlFor(name, form);
            QVERIFY2(control.id != 0, qPrintable(name));
            if (control.isList)
                f.choose(control.id, value.toInt());
            else
                f.type(control.id, value);
            arguments << "--set" << step;
        }
        f.press(generateButton);
        QCOMPARE(f.host.messages.size(), 1); // the success message, nothing else

        const auto result = test::runKestrova(arguments, dir.filePath(QStringLiteral("prefs.ini")));
        QVERIFY2(result.exitCode == 0, qPrintable(result.err));

        const QString name = QStringLiteral("menu.dat");
        const QByteArray formBytes = test::fileBytes(recordFilePath(fromForm, name));
        QCOMPARE(formBytes.size(), 60);
        QCOMPARE(formBytes.toHex(' '),
                 test::fileBytes(recordFilePath(fromCommand, name)).toHex(' '));
        // Both fronts write what the shared prepare step makes of the form's settings.
        const dialog::FormContext context{
            {language, language == i18n::Chinese, chineseRequested}, model, std::uint16_t(tvMode)};
        const auto prepared =
            camera::prepareMenuFile(form, f.model->settings(), f.model->capturedTime(),
                                    context.recordLanguage(), context.tvMode);
        QCOMPARE(formBytes.toHex(' '), camera::toByteArray(prepared).toHex(' '));
    }
};

KESTROVA_TEST(MenuFormAgreementTest)
#include "menu_form_agreement_test.moc"
