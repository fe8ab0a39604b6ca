#include "camera/camera_form_test_support.h"
#include "storage/record_file.h"
#include "support/test_files.h"
#include "support/test_registry.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using kestrova::test::fileBytes;
using kestrova::test::writeFile;
using kestrova::test::writtenMessage;
using namespace kestrova;
using namespace kestrova::res::camera_form;
using kestrova::test::CameraFormDriver;

Q_DECLARE_METATYPE(kestrova::CameraForm)

namespace {

const QString menuName = QStringLiteral("menu.dat");

QByteArray factoryRecord() {
    return QByteArray::fromHex("FFFFFFFF") + QByteArray(52, '\0') + QByteArray::fromHex("90880D0A");
}

struct Fields {
    QList<int> timer{timerStartHour, timerStartMinute, timerStopHour, timerStopMinute};
    QList<int> lapse{timeLapseHour, timeLapseMinute, timeLapseSecond};
    QList<int> serial{serialChar1, serialChar2, serialChar3, serialChar4};
    QList<int> second;
    explicit Fields(CameraForm form) {
        const auto s = res::secondTimerControls(form);
        second = {s.startHour, s.startMinute, s.stopHour, s.stopMinute};
    }
};

} // namespace

class CameraFormModelTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString card() const { return dir.path(); }
    QString menuFile() const { return recordFilePath(card(), menuName); }

private Q_SLOTS:
    void init() { QFile::remove(menuFile()); }

    void titles_data() {
        QTest::addColumn<CameraForm>("form");
        QTest::addColumn<int>("model");
        QTest::addColumn<int>("templateId");
        QTest::addColumn<QString>("title");
        QTest::newRow("LambdaM") << CameraForm::C << 1 << 129 << "Kestrova Lambda";
        QTest::newRow("RhoM") << CameraForm::B << 2 << 140 << "Kestrova Rho";
        QTest::newRow("LambdaMG") << CameraForm::C << 3 << 129 << "Kestrova Lambda";
        QTest::newRow("RhoMG") << CameraForm::B << 4 << 140 << "Kestrova Rho";
        QTest::newRow("KappaMG") << CameraForm::C << 5 << 129 << "Kestrova Kappa";
        QTest::newRow("OmegaMG") << CameraForm::A << 6 << 148 << "Kestrova Omega";
        QTest::newRow("SigmaMG") << CameraForm::B << 7 << 140 << "Kestrova Sigma";
    }
    void titles() {
        QFETCH(CameraForm, form);
        QFETCH(int, model);
        QFETCH(QString, title);
        QFETCH(int, templateId);
        CameraFormDriver f(form, model);
        QCOMPARE(f.dialog().caption(), title);
        QCOMPARE(f.dialog().dialogTemplate().id, templateId);
    }

    void listsPerModel_data() {
        QTest::addColumn<CameraForm>("form");
        QTest::addColumn<int>("model");
        QTest::addColumn<QStringList>("images");
        QTest::addColumn<QStringList>("videos");
        QTest::addColumn<int>("video");
        QTest::addColumn<int>("modes");
        QTest::newRow("LambdaM") << CameraForm::C << 1 << QStringList{"5MP", "12MP", "1.3MP"}
                                 << QStringList{"640x480", "320x240"} << 0 << 3;
        QTest::newRow("KappaMG") << CameraForm::C << 5 << QStringList{"12MP", "5MP", "1.3MP"}
                                 << QStringList{"1280x720", "640x480", "320x240"} << 0 << 3;
        QTest::newRow("OmegaMG") << CameraForm::A << 6 << QStringList{"12MP", "5MP", "1.3MP"}
                                 << QStringList{"1280x720", "640x480", "320x240"} << 0 << 3;
        QTest::newRow("SigmaMG") << CameraForm::B << 7 << QStringList{"12MP", "5MP", "2MP"}
                                 << QStringList{"1440x1080", "1280x720", "640x480"} << 1 << 3;
        // A number that is no model still gets a form, with two camera modes.
        QTest::newRow("C for no model") << CameraForm::C << 9 << QStringList{"5MP", "12MP", "1.3MP"}
                                        << QStringList{"640x480", "320x240"} << 0 << 2;
    }
    void listsPerModel() {
        QFETCH(CameraForm, form);
        QFETCH(int, model);
        QFETCH(QStringList, images);
        QFETCH(QStringList, videos);
        QFETCH(int, video);
        QFETCH(int, modes);
        CameraFormDriver f(form, model);
        QCOMPARE(f.dialog().entries(imageSize), images);
        QCOMPARE(f.dialog().entries(videoSize), videos);
        QCOMPARE(f.dialog().selection(videoSize), video);
        QCOMPARE(f.dialog().entries(cameraMode).size(), modes);
        QCOMPARE(f.dialog().entries(serialChar4).size(), 36);
        QCOMPARE(f.dialog().entries(serialChar4).last(), QStringLiteral("Z"));
    }

    void captions_data() {
        QTest::addColumn<CameraForm>("form");
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("control");
        QTest::addColumn<QString>("caption");
        QTest::newRow("B Lithuanian is English") << CameraForm::B << 11 << modeLabel << "Mode";
        QTest::newRow("B Lithuanian generate") << CameraForm::B << 11 << 1 << "Generate";
        QTest::newRow("C Lithuanian generate") << CameraForm::C << 11 << 1 << " Issaugoti";
        QTest::newRow("B Magyar timer2") << CameraForm::B << 7 << 1047 << "Timer";
        QTest::newRow("C Magyar timer2") << CameraForm::C << 7 << 1041 << "Idokapcs. ora2";
        QTest::newRow("Japanese hour") << CameraForm::C << 10 << 1126 << "時";
        QTest::newRow("Japanese minute") << CameraForm::B << 10 << 1125 << "分";
        QTest::newRow("Japanese second") << CameraForm::A << 10 << 1128 << "秒";
        QTest::newRow("Japanese second start") << CameraForm::B << 10 << 1061 << "開始:";
        QTest::newRow("Japanese second stop") << CameraForm::C << 10 << 1063 << "終了:";
        QTest::newRow("German keeps hour") << CameraForm::C << 3 << 1118 << "Hour";
        QTest::newRow("German keeps second start") << CameraForm::C << 3 << 1061 << "Start:";
        // Negative: the label that names the control.
        QTest::newRow("Beep stays English") << CameraForm::B << 1 << -beepSound << "Beep Sound";
        QTest::newRow("SD Cycle stays English") << CameraForm::B << 10 << -sdCycle << "SD Cycle";
        QTest::newRow("a language past the table is English")
            << CameraForm::C << i18n::languageCount + 1 << getTime << "Get Time";
    }
    void captions() {
        QFETCH(CameraForm, form);
        QFETCH(int, language);
        QFETCH(int, control);
        QFETCH(QString, caption);
        CameraFormDriver f(form, 7, language);
        if (control < 0) {
            for (const auto& c : f.dialog().dialogTemplate().controls) {
                if (c.labelFor == -control)
                    control = c.id;
            }
        }
        QCOMPARE(f.dialog().controlCaption(control), caption);
    }

    void optionLists_data() {
        QTest::addColumn<CameraForm>("form");
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("control");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<int>("selected");
        QTest::newRow("B Lithuanian date format")
            << CameraForm::B << 11 << dateFormat << QStringList{"YYMMDD", "MMDDYY", "DDMMYY"} << 0;
        QTest::newRow("C Lithuanian date format")
            << CameraForm::C << 11 << dateFormat << QStringList{"MMmmdd", "mmddMM", "ddmmMM"} << 0;
        QTest::newRow("B Cesky sense level")
            << CameraForm::B << 9 << senseLevel
            << QStringList{"Normalni", "Vsoka", "Nizka", "Vypnuto"} << 0;
        QTest::newRow("Chinese camera mode") << CameraForm::C << 1 << cameraMode
                                             << QStringList{"Camera", "Video", "Camera+Video"} << 0;
        QTest::newRow("time lapse opens off")
            << CameraForm::A << 2 << timeLapse << QStringList{"On", "Off"} << 1;
        QTest::newRow("beep opens on")
            << CameraForm::B << 11 << beepSound << QStringList{"Off", "On"} << 1;
    }
    void optionLists() {
        QFETCH(CameraForm, form);
        QFETCH(int, language);
        QFETCH(int, control);
        QFETCH(QStringList, entries);
        QFETCH(int, selected);
        CameraFormDriver f(form,
                           form == CameraForm::A   ? 6
                           : form == CameraForm::B ? 7
                                                   : 3,
                           language);
        QCOMPARE(f.dialog().entries(control), entries);
        QCOMPARE(f.dialog().selection(control), selected);
    }

    void openingState_data() {
        QTest::addColumn<CameraForm>("form");
        QTest::newRow("A") << CameraForm::A;
        QTest::newRow("B") << CameraForm::B;
        QTest::newRow("C") << CameraForm::C;
    }
    void openingState() {
        QFETCH(CameraForm, form);
        CameraFormDriver f(form, 5);
        const Fields fields(form);
        for (int id : fields.timer + fields.second + fields.lapse) {
            QVERIFY2(f.dialog().control(id).readOnly, qPrintable(QString::number(id)));
            QCOMPARE(f.text(id), QStringLiteral("0"));
        }
        for (int id : fields.serial)
            QVERIFY(!f.dialog().control(id).enabled);
        QCOMPARE(f.text(videoLength), QStringLiteral("10"));
        QCOMPARE(f.text(intervalValue), QStringLiteral("1"));
        QCOMPARE(f.text(clockField), QStringLiteral("2012/05/06 07:08:09"));
        QCOMPARE(f.text(folderField), dialog::defaultTargetFolder());
        QCOMPARE(f.dialog().control(folderField).limit, 80);
        QVERIFY(f.host.messages.isEmpty());
    }

    void everyLanguageOpens_data() {
        QTest::addColumn<CameraForm>("form");
        QTest::addColumn<int>("language");
        for (const CameraForm form : {CameraForm::A, CameraForm::B, CameraForm::C}) {
            for (int language = 1; language <= i18n::languageCount; ++language)
                QTest::addRow("%c %d", 'A' + static_cast<int>(form), language) << form << language;
        }
    }
    void everyLanguageOpens() {
        // Every caption the text set names exists on the form, and every list is filled and
        // has its entry selected.
        QFETCH(CameraForm, form);
        QFETCH(int, language);
        CameraFormDriver f(form, form == CameraForm::A ? 6 : 4, language);
        for (const auto& c : f.dialog().dialogTemplate().controls) {
            const dialog::ControlState& state = f.dialog().control(c.id);
            if (c.kind == dialog::ControlKind::List)
                QVERIFY2(state.selection >= 0, qPrintable(QString::number(c.id)));
            // The line under the folder says nothing until settings are loaded.
            if (c.id == dialog::sourceLine)
                QVERIFY(state.caption.isEmpty());
            else if (c.kind == dialog::ControlKind::Label || c.kind == dialog::ControlKind::Button)
                QVERIFY2(!state.caption.trimmed().isEmpty(), qPrintable(QString::number(c.id)));
        }
    }

    void orderOfChecks_data() {
        QTest::addColumn<CameraForm>("form");
        QTest::addColumn<QList<int>>("order");
        const QList<int> common{1002, 1003, 1039, 1040, 1038, 1024, 1023, 1017, 1022};
        QTest::newRow("A") << CameraForm::A << common + QList<int>{1047, 1046, 1045, 1042};
        QTest::newRow("B") << CameraForm::B << common + QList<int>{1051, 1050, 1048, 1049};
        QTest::newRow("C") << CameraForm::C << common + QList<int>{1047, 1046, 1045, 1042};
    }
    void orderOfChecks() {
        // Every field fails; each take stops at the first and puts the focus there. Mending
        // that field lets the next take reach the next one. A folder longer than the typing
        // limit, as the folder browser may give, is taken whole.
        QFETCH(CameraForm, form);
        QFETCH(QList<int>, order);
        CameraFormDriver f(form, form == CameraForm::B ? 7 : 1);
        for (int id : order)
            f.dialog().setText(id, {});
        f.dialog().setText(folderField, QString(81, QLatin1Char('x')));
        QList<int> seen;
        for (int round = 0; round <= order.size(); ++round) {
            const int before = f.host.messages.size();
            f.choose(cameraMode, 1 - f.dialog().selection(cameraMode));
            if (f.host.messages.size() == before)
                break;
            QCOMPARE(f.host.messages.size(), before + 1);
            seen << f.dialog().focus();
            f.dialog().setText(seen.last(), "5");
        }
        QCOMPARE(seen, order);
        QCOMPARE(f.host.messages.first(), QStringLiteral("Please enter an integer."));
        QCOMPARE(f.model->targetFolder(), QString(81, QLatin1Char('x')));
    }

    void fieldChecks_data() {
        QTest::addColumn<CameraForm>("form");
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("onList"); // the list that makes the field editable, or 0
        QTest::addColumn<int>("onPosition");
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shown");
        QTest::newRow("video 75") << CameraForm::C << 2 << 0 << 0 << videoLength << "75"
                                  << "Please enter an integer between 1 and 60!"
                                  << "10";
        QTest::newRow("video 0") << CameraForm::C << 2 << 0 << 0 << videoLength << "0"
                                 << "Please enter an integer between 1 and 60!"
                                 << "10";
        QTest::newRow("video 75 Chinese") << CameraForm::A << 1 << 0 << 0 << videoLength << "75"
                                          << "请输入一个介于1和60之间的值!"
                                          << "10";
        QTest::newRow("video 75 German") << CameraForm::A << 3 << 0 << 0 << videoLength << "75"
                                         << "Please enter an integer between 1 and 60!"
                                         << "10";
        QTest::newRow("video negative") << CameraForm::C << 2 << 0 << 0 << videoLength << "-4"
                                        << "Please enter an integer between 1 and 60!"
                                        << "10";
        QTest::newRow("interval 61") << CameraForm::C << 2 << 0 << 0 << intervalValue << "61"
                                     << "Please enter an integer between 0 and 60!"
                                     << "1";
        QTest::newRow("interval 0 minutes") << CameraForm::C << 2 << 0 << 0 << intervalValue << "0"
                                            << ""
                                            << "1";
        QTest::newRow("interval 0 seconds")
            << CameraForm::C << 2 << intervalUnit << 0 << intervalValue << "0"
            << ""
            << "0";
        QTest::newRow("lapse hour 24")
            << CameraForm::C << 2 << timeLapse << 0 << timeLapseHour << "24"
            << "Please enter an integer between 0 and 23!"
            << "0";
        QTest::newRow("timer start minute 77")
            << CameraForm::B << 2 << timer << 1 << timerStartMinute << "77"
            << "Please enter an integer between 0 and 59!"
            << "0";
        QTest::newRow("timer2 hour 24, B") << CameraForm::B << 2 << 1052 << 1 << 1048 << "24"
                                           << "Please enter an integer between 0 and 23."
                                           << "0";
        QTest::newRow("timer2 hour 24, Chinese") << CameraForm::A << 1 << 1048 << 1 << 1046 << "24"
                                                 << "“请填入一个在0和23之间的整数。”"
                                                 << "0";
        QTest::newRow("empty") << CameraForm::C << 2 << 0 << 0 << videoLength << ""
                               << "Please enter an integer."
                               << "";
        QTest::newRow("empty, Chinese") << CameraForm::C << 1 << 0 << 0 << intervalValue << ""
                                        << "请键入一个整数。"
                                        << "";
        QTest::newRow("empty, Japanese") << CameraForm::B << 10 << 0 << 0 << intervalValue << ""
                                         << "Please enter an integer."
                                         << "";
    }
    void fieldChecks() {
        QFETCH(CameraForm, form);
        QFETCH(int, onList);
        QFETCH(int, field);
        QFETCH(QString, message);
        QFETCH(int, language);
        QFETCH(int, onPosition);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        CameraFormDriver f(form, form == CameraForm::A ? 6 : 3, language);
        if (onList != 0)
            f.choose(onList, onPosition);
        QVERIFY(!f.dialog().control(field).readOnly);
        f.type(field, typed);
        if (typed.isEmpty()) {
            // Emptied on the way to a new number: the message waits until the focus moves on.
            QVERIFY(f.host.messages.isEmpty());
            f.leave(field);
        }
        QCOMPARE(f.host.messages, message.isEmpty() ? QStringList() : QStringList{message});
        if (!message.isEmpty())
            QCOMPARE(f.dialog().focus(), field);
        QCOMPARE(f.text(field), shown);
    }

    void switchingToMinutesMendsZero() {
        CameraFormDriver f(CameraForm::C, 1);
        f.choose(intervalUnit, 0);
        f.type(intervalValue, QStringLiteral("0"));
        QCOMPARE(f.text(intervalValue), QStringLiteral("0"));
        f.choose(intervalUnit, 1);
        QCOMPARE(f.text(intervalValue), QStringLiteral("1"));
        QVERIFY(f.host.messages.isEmpty());
    }

    void readOnlyToggles_data() {
        QTest::addColumn<CameraForm>("form");
        QTest::addColumn<int>("list");
        QTest::addColumn<int>("on");
        QTest::addColumn<QString>("group");
        QTest::newRow("timer") << CameraForm::C << timer << 1 << "timer";
        QTest::newRow("timer2 A") << CameraForm::A << 1048 << 1 << "second";
        QTest::newRow("timer2 B") << CameraForm::B << 1052 << 1 << "second";
        QTest::newRow("time lapse, 0 is on") << CameraForm::B << timeLapse << 0 << "lapse";
        QTest::newRow("serial characters") << CameraForm::C << serialNo << 1 << "serial";
    }
    void readOnlyToggles() {
        QFETCH(CameraForm, form);
        QFETCH(int, list);
        QFETCH(int, on);
        QFETCH(QString, group);
        CameraFormDriver f(form, 7);
        const Fields fields(form);
        const QList<int> ids = group == "timer"    ? fields.timer
                               : group == "second" ? fields.second
                               : group == "lapse"  ? fields.lapse
                                                   : fields.serial;
        const auto usable = [&](int id) {
            return group == "serial" ? f.dialog().control(id).enabled
                                     : !f.dialog().control(id).readOnly;
        };
        for (int position : {on, 1 - on, on}) {
            f.choose(list, position);
            for (int id : ids)
                QCOMPARE(usable(id), position == on);
        }
        // The other groups do not move.
        for (int id : fields.timer + fields.second + fields.lapse) {
            if (!ids.contains(id))
                QVERIFY(f.dialog().control(id).readOnly);
        }
    }

    void clockFollowsGetTimeAndDateFormat() {
        CameraFormDriver f(CameraForm::B, 7);
        f.selectFolder(card());
        f.host.fixedClock.time = QDateTime(QDate(2013, 1, 2), QTime(3, 4, 5));
        f.press(getTime);
        QCOMPARE(f.text(clockField), QStringLiteral("2013/01/02 03:04:05"));
        f.host.fixedClock.time = QDateTime(QDate(2040, 11, 12), QTime(13, 14, 15));
        f.choose(dateFormat, 2);
        QCOMPARE(f.text(clockField), QStringLiteral("12/11/2031 13:14:15"));
        f.choose(dateFormat, 1);
        QCOMPARE(f.text(clockField), QStringLiteral("11/12/2031 13:14:15"));
    }

    void clockTicksAndGenerateWritesWhatItShows() {
        CameraFormDriver f(CameraForm::C, 1);
        f.selectFolder(card());
        QCOMPARE(f.model->tickInterval(), 1000);
        f.choose(dateFormat, 2);
        f.type(videoLength, QStringLiteral("2"));
        f.dialog().userEdited(videoLength, QStringLiteral("25")); // typing, not yet heard of
        f.host.fixedClock.time = QDateTime(QDate(2012, 5, 6), QTime(7, 9, 0));
        f.model->tick();
        QCOMPARE(f.text(clockField), QStringLiteral("06/05/2012 07:09:00"));
        // A tick shows the clock alone: what the user is typing stays.
        QCOMPARE(f.text(videoLength), QStringLiteral("25"));

        // Opened at 07:08:09, generated at 10:55:53: the camera gets 10:55:53.
        f.host.fixedClock.time = QDateTime(QDate(2012, 5, 6), QTime(10, 55, 53));
        f.press(generateButton);
        QCOMPARE(fileBytes(menuFile()).mid(14, 6).toHex(), QByteArray("0205060a3735"));
        QCOMPARE(f.text(clockField), QStringLiteral("06/05/2012 10:55:53"));
        QCOMPARE(f.model->capturedTime(), (camera::CapturedTime{2012, 5, 6, 10, 55, 53}));
    }

    void generateWritesTheOpeningValues() {
        CameraFormDriver f(CameraForm::C, 1);
        f.selectFolder(card());
        QCOMPARE(f.text(folderField), card());
        f.press(generateButton);
        const QByteArray expected =
            QByteArray::fromHex("000000000900010000010100000002050607080900000000000000000002") +
            QByteArray(26, '\0') + QByteArray::fromHex("EE100D0A");
        QCOMPARE(fileBytes(menuFile()).toHex(' '), expected.toHex(' '));
        QCOMPARE(f.host.messages,
                 QStringList{QStringLiteral("Camera menu configuration file is generated\nFile: ") +
                             QDir::toNativeSeparators(menuFile())});
        // Twice: the same file again, the message again, the form still open.
        f.press(generateButton);
        QCOMPARE(fileBytes(menuFile()), expected);
        QCOMPARE(f.host.messages.size(), 2);
        QVERIFY(!f.model->result());
    }

    void generateTakesListsAndNumbers() {
        CameraFormDriver f(CameraForm::B, 7, 1, false, 0x1234);
        f.selectFolder(card());
        f.choose(cameraMode, 2);
        f.choose(videoSize, 0);
        f.type(videoLength, QStringLiteral("30"));
        f.choose(intervalUnit, 0);
        f.type(intervalValue, QStringLiteral("30"));
        f.choose(serialNo, 1);
        f.choose(serialChar4, 35);
        f.choose(beepSound, 0);
        f.choose(1052, 1);
        f.type(1051, QStringLiteral("45"));
        f.press(generateButton);
        const QByteArray bytes = fileBytes(menuFile());
        QCOMPARE(bytes.size(), 60);
        QCOMPARE(bytes.toHex().left(10), QByteArray("020000001d"));
        QCOMPARE(quint8(bytes[6]), quint8(0x9E));
        QCOMPARE(bytes.mid(24, 7).toHex(), QByteArray("01000000230134"));
        QCOMPARE(bytes.mid(31, 7).toHex(), QByteArray("0000010000002d"));
        QCOMPARE(f.host.messages, QStringList{QStringLiteral("相机菜单设置文件已经生成\n文件：") +
                                              QDir::toNativeSeparators(menuFile())});
    }

    void chineseRequestedMarksTheRecordOnly() {
        CameraFormDriver f(CameraForm::A, 6, 2, true);
        f.selectFolder(card());
        f.press(generateButton);
        const QByteArray bytes = fileBytes(menuFile());
        QCOMPARE(int(bytes[29]), 1);
        QCOMPARE(int(bytes[9]), 1); // form A: side PIR always on
        QCOMPARE(f.host.messages.last(),
                 writtenMessage(QStringLiteral("Camera menu configuration file is generated"),
                                menuFile()));
    }

    void generateUsesAFolderTypedByHand() {
        CameraFormDriver f(CameraForm::C, 5);
        const QString typed = card() + QStringLiteral("/typed");
        QVERIFY(QDir().mkpath(typed));
        f.dialog().userEdited(folderField, typed); // no event: the field alone counts
        f.press(generateButton);
        QCOMPARE(fileBytes(recordFilePath(typed, menuName)).size(), 60);

        // Typed, then something that shows the values: the typed folder stays.
        const QString other = card() + QStringLiteral("/other");
        QVERIFY(QDir().mkpath(other));
        f.type(folderField, other);
        f.press(getTime);
        QCOMPARE(f.text(folderField), other);
        f.model->enterPressed();
        QCOMPARE(fileBytes(recordFilePath(other, menuName)).size(), 60);
        QCOMPARE(f.host.messages.size(), 2);
    }

    void writeFailureIsReported() {
        const QString notAFolder = card() + QStringLiteral("/plain-file");
        QFile file(notAFolder);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        CameraFormDriver f(CameraForm::B, 4, 3);
        f.selectFolder(notAFolder);
        f.press(generateButton);
        WriteResult expected{recordFilePath(notAFolder, menuName), WriteFailure::FolderMissing, {}};
        QCOMPARE(f.host.messages, QStringList{i18n::writeFailureMessage(expected, 2)});
        QVERIFY(f.host.messages.first().startsWith(QStringLiteral("The file ")));
        f.host.yesNoAnswers.push_back(true);
        f.press(defaultButton);
        QCOMPARE(f.host.messages.size(), 2);
        QCOMPARE(f.host.messages.last(), f.host.messages.first());
    }

    void cancelledSelectKeepsTheFolder() {
        CameraFormDriver f(CameraForm::C, 1);
        f.selectFolder(card());
        QCOMPARE(f.text(folderField), card());
        QCOMPARE(f.dialog().focus(), generateButton);
        f.dialog().setFocus(selectButton);
        f.press(selectButton); // cancelled
        f.selectFolder(QString());
        QCOMPARE(f.text(folderField), card());
        QCOMPARE(f.dialog().focus(), selectButton);
    }

    void defaultResetsWhatTheFactoryResets_data() {
        QTest::addColumn<CameraForm>("form");
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("message");
        QTest::newRow("A") << CameraForm::A << 2
                           << "Camera menu factory settings file has been generated";
        QTest::newRow("B Chinese") << CameraForm::B << 1 << "相机菜单出厂设置文件已经生成";
        QTest::newRow("C Chinese") << CameraForm::C << 1 << " 相机菜单出厂设置文件已经生成";
    }
    void defaultResetsWhatTheFactoryResets() {
        QFETCH(CameraForm, form);
        QFETCH(int, language);
        QFETCH(QString, message);
        CameraFormDriver f(form, form == CameraForm::B ? 7 : 5, language);
        const Fields fields(form);
        const auto second = res::secondTimerControls(form);
        f.selectFolder(card());
        for (int id : {cameraMode, imageSize, videoSize, pictureNo, timeStamp, senseLevel, timer,
                       serialNo, serialChar1, serialChar4, second.list})
            f.choose(id, 1);
        f.choose(timeLapse, 0);
        f.choose(intervalUnit, 0);
        f.choose(dateFormat, 2);
        f.type(intervalValue, QStringLiteral("5"));
        f.type(timerStopHour, QStringLiteral("7"));
        f.type(timeLapseSecond, QStringLiteral("8"));
        f.type(second.stopMinute, QStringLiteral("9"));
        if (form != CameraForm::A)
            f.choose(sidePir, 0);
        if (form == CameraForm::B) {
            f.choose(beepSound, 0);
            f.choose(sdCycle, 1);
        }
        const int messagesBefore = f.host.messages.size();
        f.dialog().setText(videoLength, {}); // a failing check does not stop Default
        f.host.yesNoAnswers.push_back(true);
        f.press(defaultButton);

        QCOMPARE(f.host.questions.size(), 1);
        QCOMPARE(f.host.messages.size(), messagesBefore + 2);
        QCOMPARE(f.host.messages.last(), writtenMessage(message, menuFile(), language));
        QCOMPARE(fileBytes(menuFile()), factoryRecord());
        for (int id : {cameraMode, imageSize, videoSize, pictureNo, timeStamp, senseLevel, timer,
                       serialNo, serialChar1, serialChar4})
            QCOMPARE(f.dialog().selection(id), 0);
        QCOMPARE(f.dialog().selection(intervalUnit), 1);
        QCOMPARE(f.dialog().selection(timeLapse), 1);
        if (form != CameraForm::A)
            QCOMPARE(f.dialog().selection(sidePir), 1);
        if (form == CameraForm::B) {
            QCOMPARE(f.dialog().selection(beepSound), 0);
            QCOMPARE(f.dialog().selection(sdCycle), 1);
        }
        QCOMPARE(f.text(videoLength), QStringLiteral("10"));
        QCOMPARE(f.text(timerStopHour), QStringLiteral("0"));
        QCOMPARE(f.text(timeLapseSecond), QStringLiteral("0"));
        for (int id : fields.timer + fields.lapse)
            QVERIFY(f.dialog().control(id).readOnly);
        for (int id : fields.serial)
            QVERIFY(!f.dialog().control(id).enabled);
        // Left as the user set them: second timer, date format, interval value, the clock.
        QCOMPARE(f.dialog().selection(second.list), 1);
        QCOMPARE(f.text(second.stopMinute), QStringLiteral("9"));
        QVERIFY(!f.dialog().control(second.stopMinute).readOnly);
        QCOMPARE(f.dialog().selection(dateFormat), 2);
        QCOMPARE(f.text(clockField), QStringLiteral("06/05/2012 07:08:09"));
        QCOMPARE(f.text(intervalValue), QStringLiteral("5"));
        QCOMPARE(f.text(folderField), card());
        QVERIFY(!f.model->result());
    }

    void generateRefusesAnEmptiedNumber() {
        CameraFormDriver f(CameraForm::C, 1);
        f.selectFolder(card());
        f.type(intervalValue, {});
        QVERIFY(f.host.messages.isEmpty());
        f.press(generateButton);
        QCOMPARE(f.host.messages, QStringList{QStringLiteral("Please enter an integer.")});
        QCOMPARE(f.dialog().focus(), intervalValue);
        QVERIFY(!QFile::exists(menuFile()));
    }

    void defaultAsksBeforeReplacing_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<bool>("emptyFolder");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QString>("message");
        QTest::newRow("No") << 2 << false << "Replace the menu.dat in %1 with the factory settings?"
                            << "";
        QTest::newRow("No, German")
            << 3 << false << "Die menu.dat in %1 durch die Werkseinstellungen ersetzen?"
            << "";
        QTest::newRow("no folder") << 2 << true << ""
                                   << "No folder chosen: choose the card's folder first.";
    }
    void defaultAsksBeforeReplacing() {
        QFETCH(int, language);
        QFETCH(bool, emptyFolder);
        QFETCH(QString, question);
        QFETCH(QString, message);
        CameraFormDriver f(CameraForm::C, 1, language);
        QVERIFY(writeFile(menuFile(), "the card's own settings"));
        f.selectFolder(card());
        if (emptyFolder)
            f.edit(folderField, {});
        f.choose(cameraMode, 1);
        f.host.yesNoAnswers.push_back(false);
        f.press(defaultButton);
        QCOMPARE(f.host.questions,
                 question.isEmpty() ? QStringList() : QStringList{question.arg(card())});
        QCOMPARE(f.host.messages, message.isEmpty() ? QStringList() : QStringList{message});
        // Nothing written, nothing reset.
        QCOMPARE(fileBytes(menuFile()), QByteArray("the card's own settings"));
        QCOMPARE(f.dialog().selection(cameraMode), 1);
    }

    void cardPulledSinceChosenIsRefused_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("mountedWhenChosen");
        QTest::newRow("selected on a card") << "select" << true;
        QTest::newRow("typed on a card") << "type" << true;
        QTest::newRow("carried from the last form") << "carried" << true;
        QTest::newRow("selected, a plain folder") << "select" << false;
        QTest::newRow("typed, a plain folder") << "type" << false;
    }
    void cardPulledSinceChosenIsRefused() {
        QFETCH(QString, how);
        QFETCH(bool, mountedWhenChosen);
        // The card's folder is a mount point while it is chosen; by Generate the card is gone
        // and the folder is an empty folder of the PC's.
        const dialog::ChosenFolder carried =
            how == "carried" ? dialog::ChosenFolder{card(), true} : dialog::ChosenFolder{};
        CameraFormDriver f(CameraForm::C, 1, 2, false, 0, carried);
        QCOMPARE(f.text(folderField), how == "carried" ? card() : dialog::defaultTargetFolder());
        if (mountedWhenChosen)
            f.host.mountPoints << card();
        if (how == "select")
            f.selectFolder(card());
        else if (how == "type")
            f.edit(folderField, card());
        f.host.mountPoints.clear();
        f.press(generateButton);
        QCOMPARE(QFile::exists(menuFile()), !mountedWhenChosen);
        QCOMPARE(f.host.messages.size(), 1);
        QCOMPARE(f.host.messages.first().contains(QStringLiteral("the card was removed")),
                 mountedWhenChosen);
    }

    void exitEndsTheFormCancelled_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("Exit") << "exit";
        QTest::newRow("Escape or close box") << "close";
    }
    void exitEndsTheFormCancelled() {
        QFETCH(QString, how);
        CameraFormDriver f(CameraForm::C, 3);
        f.selectFolder(card());
        if (how == "exit")
            f.press(exitButton);
        else
            f.model->closeRequested();
        QVERIFY(f.model->result() == dialog::DialogResult::Cancelled);
        QVERIFY(!QFile::exists(menuFile()));
        QVERIFY(f.host.messages.isEmpty());
    }
};

KESTROVA_TEST(CameraFormModelTest)
#include "camera_form_model_test.moc"
