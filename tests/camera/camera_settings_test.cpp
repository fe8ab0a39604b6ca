#include "camera/camera_lists.h"
#include "camera/camera_rules.h"
#include "camera/captured_time.h"
#include "support/test_registry.h"

#include <QTest>

using namespace kestrova;
using namespace kestrova::camera;

Q_DECLARE_METATYPE(kestrova::CameraForm)

class CameraSettingsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void capture_data() {
        QTest::addColumn<QDateTime>("clock");
        QTest::addColumn<int>("year");
        const QTime t(7, 8, 9);
        QTest::newRow("2009 becomes 2011") << QDateTime(QDate(2009, 12, 31), t) << 2011;
        QTest::newRow("2010 stays") << QDateTime(QDate(2010, 1, 1), t) << 2010;
        QTest::newRow("2031 stays") << QDateTime(QDate(2031, 6, 1), t) << 2031;
        QTest::newRow("2040 becomes 2031") << QDateTime(QDate(2040, 6, 1), t) << 2031;
    }
    void capture() {
        QFETCH(QDateTime, clock);
        QFETCH(int, year);
        const CapturedTime time = CapturedTime::capture(clock);
        QCOMPARE(time.year, year);
        QCOMPARE(time.month, clock.date().month());
        QCOMPARE(time.day, clock.date().day());
        QCOMPARE(time.second, 9);
    }

    void clockTexts_data() {
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("text");
        QTest::newRow("year first") << 0 << "2012/05/06 07:08:09";
        QTest::newRow("month first") << 1 << "05/06/2012 07:08:09";
        QTest::newRow("day first") << 2 << "06/05/2012 07:08:09";
    }
    void clockTexts() {
        QFETCH(int, format);
        QFETCH(QString, text);
        QCOMPARE(clockText({2012, 5, 6, 7, 8, 9}, format).value(), text);
    }
    void noClockTextWithoutFormat() {
        QVERIFY(!clockText({2012, 5, 6, 7, 8, 9}, -1));
        QVERIFY(!clockText({2012, 5, 6, 7, 8, 9}, 3));
    }

    void corrections_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("unit");
        QTest::addColumn<int>("corrected");
        QTest::newRow("video 75") << "video_length" << 75 << 1 << 10;
        QTest::newRow("video 0") << "video_length" << 0 << 1 << 10;
        QTest::newRow("video -3") << "video_length" << -3 << 1 << 10;
        QTest::newRow("video 60 stays") << "video_length" << 60 << 1 << 60;
        QTest::newRow("interval 0 min") << "interval_value" << 0 << 1 << 1;
        QTest::newRow("interval 0 s stays") << "interval_value" << 0 << 0 << 0;
        QTest::newRow("interval 61 min") << "interval_value" << 61 << 1 << 1;
        QTest::newRow("interval 61 s") << "interval_value" << 61 << 0 << 1;
        QTest::newRow("interval 60 s stays") << "interval_value" << 60 << 0 << 60;
        QTest::newRow("lapse hour 24") << "time_lapse_hour" << 24 << 1 << 0;
        QTest::newRow("lapse second 60") << "time_lapse_second" << 60 << 1 << 0;
        QTest::newRow("timer hour 23 stays") << "timer_start_hour" << 23 << 1 << 23;
        QTest::newRow("timer minute 60") << "timer_stop_minute" << 60 << 1 << 0;
        QTest::newRow("timer2 hour 24") << "timer2_start_hour" << 24 << 1 << 0;
        QTest::newRow("timer2 minute 99") << "timer2_stop_minute" << 99 << 1 << 0;
        QTest::newRow("timer2 minute -1") << "timer2_stop_minute" << -1 << 1 << 0;
    }
    void corrections() {
        QFETCH(QString, field);
        QFETCH(int, value);
        QFETCH(int, unit);
        QFETCH(int, corrected);
        const MenuFieldRow* row = menuFieldNamed(field);
        QVERIFY(row != nullptr);
        QCOMPARE(row->kind, codec::FieldKind::Number);
        CameraSettings s;
        s.interval_unit = unit;
        s.*(row->number) = value;
        applyCorrections(s);
        QCOMPARE(s.*(row->number), corrected);
    }

    void unitSwitchToMinutes() {
        CameraSettings s;
        s.interval_unit = intervalSeconds;
        s.interval_value = 0;
        intervalUnitChanged(s);
        QCOMPARE(s.interval_value, 0);
        s.interval_unit = intervalMinutes;
        intervalUnitChanged(s);
        QCOMPARE(s.interval_value, 1);
    }

    void takeOrder_data() {
        QTest::addColumn<CameraForm>("form");
        QTest::addColumn<QString>("order");
        const QString common = QStringLiteral(
            "video_length interval_value time_lapse_minute time_lapse_second time_lapse_hour "
            "timer_stop_minute timer_stop_hour timer_start_hour timer_start_minute clock folder "
            "timer2_stop_minute timer2_stop_hour ");
        QTest::newRow("A") << CameraForm::A
                           << common + QStringLiteral("timer2_start_minute timer2_start_hour");
        QTest::newRow("B") << CameraForm::B
                           << common + QStringLiteral("timer2_start_hour timer2_start_minute");
        QTest::newRow("C") << CameraForm::C
                           << common + QStringLiteral("timer2_start_minute timer2_start_hour");
    }
    void takeOrder() {
        QFETCH(CameraForm, form);
        QFETCH(QString, order);
        // These steps in this order; a setting added later may take its step after them.
        QStringList names;
        for (const TakeStep& step : camera::takeOrder(form)) {
            if (step.kind == TakeStep::ClockText)
                names << QStringLiteral("clock");
            else if (step.kind == TakeStep::TargetFolder)
                names << QStringLiteral("folder");
            else
                names << menuField(step.field).nameText();
        }
        QCOMPARE(names.mid(0, order.count(u' ') + 1).join(u' '), order);
        for (const TakeStep& step : camera::takeOrder(form)) {
            const MenuFieldRow& row = menuField(step.field);
            if (step.kind == TakeStep::Numeric)
                QCOMPARE(row.rangeMessage, row.name.starts_with("timer2") ? RangeMessage::Standard
                                                                          : RangeMessage::Integer);
        }
    }

    void atOpenAndDefault() {
        QCOMPARE(CameraSettings::atOpen(CameraForm::B).video_size, 1);
        QCOMPARE(CameraSettings::atOpen(CameraForm::A).video_size, 0);
        CameraSettings s = CameraSettings::atOpen(CameraForm::B);
        s.video_size = 2;
        s.video_length = 33;
        s.interval_value = 9;
        s.interval_unit = intervalSeconds;
        s.timer = 1;
        s.timer2 = 1;
        s.timer2_start_hour = 4;
        s.beep_sound = 0;
        s.sd_cycle = 1;
        s.date_format = 2;
        s.serial_char2 = 7;
        s.resetToFactory();
        QCOMPARE(s.video_size, 0);
        QCOMPARE(s.video_length, 10);
        QCOMPARE(s.interval_unit, intervalMinutes);
        QCOMPARE(s.timer, 0);
        QCOMPARE(s.serial_char2, 0);
        // What the factory reset leaves as the user set it.
        QCOMPARE(s.interval_value, 9);
        QCOMPARE(s.timer2, 1);
        QCOMPARE(s.timer2_start_hour, 4);
        QCOMPARE(s.beep_sound, 0);
        QCOMPARE(s.sd_cycle, 1);
        QCOMPARE(s.date_format, 2);

        // 0 seconds kept as 0 minutes would be no interval at all.
        s.interval_unit = intervalSeconds;
        s.interval_value = 0;
        s.resetToFactory();
        QCOMPARE(s.interval_unit, intervalMinutes);
        QCOMPARE(s.interval_value, 1);
    }

    void listsByModel_data() {
        QTest::addColumn<CameraForm>("form");
        QTest::addColumn<int>("model");
        QTest::addColumn<QString>("images");
        QTest::addColumn<QString>("videos");
        QTest::addColumn<int>("modes");
        const auto A = CameraForm::A, B = CameraForm::B, C = CameraForm::C;
        QTest::newRow("1") << C << 1 << "5MP 12MP 1.3MP"
                           << "640x480 320x240" << 3;
        QTest::newRow("3") << C << 3 << "5MP 12MP 1.3MP"
                           << "640x480 320x240" << 3;
        QTest::newRow("5") << C << 5 << "12MP 5MP 1.3MP"
                           << "1280x720 640x480 320x240" << 3;
        QTest::newRow("6") << A << 6 << "12MP 5MP 1.3MP"
                           << "1280x720 640x480 320x240" << 3;
        QTest::newRow("2") << B << 2 << "12MP 5MP 2MP"
                           << "1440x1080 1280x720 640x480" << 3;
        QTest::newRow("7") << B << 7 << "12MP 5MP 2MP"
                           << "1440x1080 1280x720 640x480" << 3;
        QTest::newRow("a number that is no model") << C << 9 << "5MP 12MP 1.3MP"
                                                   << "640x480 320x240" << 2;
    }
    void listsByModel() {
        QFETCH(CameraForm, form);
        QFETCH(int, model);
        QFETCH(QString, images);
        QFETCH(QString, videos);
        QFETCH(int, modes);
        QCOMPARE(imageSizeEntries(form, model).join(u' '), images);
        QCOMPARE(videoSizeEntries(form, model).join(u' '), videos);
        QCOMPARE(cameraModeCount(form, model), modes);
    }

    void serialCharacterList() {
        const QStringList& list = serialCharacters();
        QCOMPARE(list.size(), 36);
        QCOMPARE(list[0], QStringLiteral("0"));
        QCOMPARE(list[9], QStringLiteral("9"));
        QCOMPARE(list[10], QStringLiteral("A"));
        QCOMPARE(list[35], QStringLiteral("Z"));
    }
};

KESTROVA_TEST(CameraSettingsTest)
#include "camera_settings_test.moc"
