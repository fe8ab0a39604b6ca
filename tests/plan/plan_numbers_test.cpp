#include "camera/menu_profile.h"
#include "i18n/language.h"
#include "plan/day_windows.h"
#include "plan/menu_summary.h"
#include "plan/mms_summary.h"
#include "plan/smtp_summary.h"
#include "support/test_registry.h"

#include <QTest>

using namespace kestrova;
using namespace kestrova::plan;

namespace {

// The menu of model 7 (camera form B) after the assignments, as the command reads them.
MenuFacts menuOf(const QStringList& assignments) {
    camera::MenuProfileReader reader(CameraForm::B, 7, i18n::English);
    for (const QString& assignment : assignments)
        reader.takeAssignment(assignment);
    return {CameraForm::B, 7, reader.settings().settings, {2026, 5, 6, 7, 8, 9}};
}

double figure(const Summary& summary, const QString& key) {
    for (const Figure& f : summary.figures) {
        if (f.key == key)
            return f.value;
    }
    return -1;
}

// "key=value" pairs, checked against the summary's numbers to the hundredth.
void compareFigures(const Summary& summary, const QStringList& expected) {
    for (const QString& pair : expected) {
        const QString key = pair.section(u'=', 0, 0);
        QVERIFY2(std::abs(figure(summary, key) - pair.section(u'=', 1).toDouble()) < 0.005,
                 qPrintable(QStringLiteral("%1 is %2").arg(pair).arg(figure(summary, key))));
    }
}

} // namespace

Q_DECLARE_METATYPE(QList<kestrova::plan::DayWindow>)

// The numbers a summary works out, worked out here by hand.
class PlanNumbersTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void menu_data() {
        QTest::addColumn<QStringList>("settings");
        QTest::addColumn<int>("triggers");
        QTest::addColumn<QStringList>("figures");
        const QString timer = QStringLiteral("timer=On");
        QTest::newRow("time lapse all day, motion off")
            << QStringList{"sense_level=Off", "time_lapse=On", "time_lapse_minute=30"} << 20
            << QStringList{"active_minutes_per_day=1440", "time_lapse_pictures_per_day=48",
                           "pictures_per_day=48"};
        // 18:00 to 06:00 is 12 hours: 24 half hours; a trigger every 61 s (a photo, then a
        // minute), the 709th at 05:59:48.
        QTest::newRow("across midnight")
            << QStringList{timer, "timer_start_hour=18", "timer_stop_hour=6", "time_lapse=On",
                           "time_lapse_minute=30"}
            << 20
            << QStringList{"active_minutes_per_day=720", "time_lapse_pictures_per_day=24",
                           "max_triggers_per_day=709"};
        // 05:00 to 06:00 is in both windows: 18:00 to 07:00 is 13 hours, 46800 s at 61: 768.
        QTest::newRow("overlap counted once")
            << QStringList{timer,       "timer_start_hour=18", "timer_stop_hour=6",
                           "timer2=On", "timer2_start_hour=5", "timer2_stop_hour=7"}
            << 20 << QStringList{"active_minutes_per_day=780", "max_triggers_per_day=768"};
        // 720 minutes at 45 are 16 photos (the 16th at 05:15), 120 at 45 are 3.
        QTest::newRow("two windows")
            << QStringList{timer,           "timer_start_hour=18",  "timer_stop_hour=6",
                           "timer2=On",     "timer2_start_hour=11", "timer2_stop_hour=13",
                           "time_lapse=On", "time_lapse_minute=45"}
            << 20 << QStringList{"active_minutes_per_day=840", "time_lapse_pictures_per_day=19"};
        // 1440 / 7 = 205.7: the 206th photo at 23:55.
        QTest::newRow("interval not dividing the day")
            << QStringList{"time_lapse=On", "time_lapse_minute=7"} << 20
            << QStringList{"time_lapse_pictures_per_day=206"};
        // One hour with 3 photos and 10 minutes after them: 6 of the 20 assumed.
        QTest::newRow("trigger cap")
            << QStringList{timer, "timer_start_hour=8", "timer_stop_hour=9", "interval_value=10",
                           "picture_no=2"}
            << 20
            << QStringList{"max_triggers_per_day=6", "triggers_per_day=6", "pictures_per_day=18",
                           "megabytes_per_day=59.4"};
        // 10 clips of 30 s at 1280x720 (3.1 MB a second).
        QTest::newRow("video") << QStringList{"camera_mode=Video", "video_length=30"} << 10
                               << QStringList{"pictures_per_day=0", "video_seconds_per_day=300",
                                              "megabytes_per_day=930"};
    }
    void menu() {
        QFETCH(QStringList, settings);
        QFETCH(int, triggers);
        QFETCH(QStringList, figures);
        PlanInputs inputs;
        inputs.triggersPerDay = triggers;
        compareFigures(summarizeMenu(menuOf(settings), inputs), figures);
    }

    // An empty 32 GB card at 20 photos of 12MP a day: 32000 MB / 66 MB.
    // The time lapse's times the card report holds pictures against are the ones the summary
    // counts: as many, each once, earliest first, each inside the active time.
    void timeLapseTimesAreTheCountedOnes_data() {
        QTest::addColumn<QList<DayWindow>>("windows");
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QList<int>>("firstTimes");
        QTest::newRow("all day, every 7 h")
            << QList<DayWindow>{} << 7 * 3600 << QList<int>{0, 25200, 50400, 75600};
        QTest::newRow("18:00-06:00 every 5 h: the morning's times are the next day's")
            << QList<DayWindow>{{18 * 60, 6 * 60}} << 5 * 3600
            << QList<int>{4 * 3600, 18 * 3600, 23 * 3600};
        QTest::newRow("two windows, every 25 min")
            << QList<DayWindow>{{8 * 60, 9 * 60}, {21 * 60 + 30, 0}} << 1500
            << QList<int>{8 * 3600, 8 * 3600 + 1500, 8 * 3600 + 3000};
        QTest::newRow("every second, all day") << QList<DayWindow>{} << 1 << QList<int>{0, 1, 2};
    }
    void timeLapseTimesAreTheCountedOnes() {
        QFETCH(QList<DayWindow>, windows);
        QFETCH(int, seconds);
        QFETCH(QList<int>, firstTimes);
        const ActiveTime active =
            windows.isEmpty()
                ? ActiveTime::allDay()
                : ActiveTime::of(std::vector<DayWindow>(windows.begin(), windows.end()));
        const std::vector<int> times = active.startTimes(seconds);
        QCOMPARE(int(times.size()), *active.startsEvery(seconds));
        QVERIFY(std::is_sorted(times.begin(), times.end()));
        QVERIFY(std::adjacent_find(times.begin(), times.end()) == times.end());
        for (int i = 0; i < firstTimes.size(); ++i)
            QCOMPARE(times[std::size_t(i)], firstTimes[i]);
    }

    void daysUntilTheCardIsFull() {
        PlanInputs inputs;
        inputs.cardSize = 32'000'000'000LL;
        compareFigures(summarizeMenu(menuOf({}), inputs),
                       {"megabytes_per_day=66", "days_until_full=484.848"});
    }

    void sending_data() {
        QTest::addColumn<int>("recipients");
        QTest::addColumn<int>("picturesPerDay");
        QTest::addColumn<int>("triggers");
        QTest::addColumn<QStringList>("figures");
        QTest::newRow("limit times recipients")
            << 2 << 10 << 20
            << QStringList{"messages_per_day_at_most=20", "messages_per_month_at_most=620",
                           "messages_per_day=20"};
        QTest::newRow("no limit: the assumed triggers")
            << 3 << 0 << 7 << QStringList{"messages_per_day=21", "messages_per_month=638.4"};
        QTest::newRow("fewer triggers than the limit")
            << 1 << 50 << 4
            << QStringList{"messages_per_day_at_most=50", "messages_per_day=4",
                           "megabytes_sent_per_month=4.864"};
    }
    void sending() {
        QFETCH(int, recipients);
        QFETCH(int, picturesPerDay);
        QFETCH(int, triggers);
        QFETCH(QStringList, figures);
        mms::MmsSettings s;
        s.picturesPerDay = picturesPerDay;
        QString* boxes[] = {&s.phone1, &s.email, &s.phone2};
        for (int i = 0; i < recipients; ++i)
            *boxes[i] = QStringLiteral("1380013800%1").arg(i);
        PlanInputs inputs;
        inputs.triggersPerDay = triggers;
        compareFigures(summarizeMms({MmsForm::A, 7, s}, inputs), figures);
    }

    // Form B's "Off" sends nothing; form A, without a status list, sends to its one recipient.
    void emailByForm() {
        smtp::SmtpSettings s;
        s.recipient = QStringLiteral("me@example.com");
        s.picturesPerDay = 5;
        s.status = 0;
        QCOMPARE(figure(summarizeSmtp({SmtpForm::B, 7, s}, {}), QStringLiteral("emails_per_day")),
                 -1.0);
        QCOMPARE(figure(summarizeSmtp({SmtpForm::A, 3, s}, {}),
                        QStringLiteral("emails_per_day_at_most")),
                 5.0);
    }
};

KESTROVA_TEST(PlanNumbersTest)
#include "plan_numbers_test.moc"
