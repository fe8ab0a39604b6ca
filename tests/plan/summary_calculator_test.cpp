#include "camera/camera_lists.h"
#include "camera/menu_profile.h"
#include "i18n/summary_texts.h"
#include "model/camera_model.h"
#include "plan/menu_summary.h"
#include "plan/mms_summary.h"
#include "support/test_registry.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QLocale>
#include <QRandomGenerator>
#include <QTest>

#include <array>
#include <bitset>
#include <cmath>

using namespace kestrova;
using namespace kestrova::plan;

Q_DECLARE_METATYPE(kestrova::plan::MenuFacts)
Q_DECLARE_METATYPE(std::optional<kestrova::plan::MenuFacts>)

namespace {

constexpr int day = 24 * 60 * 60;

// The README's rules, worked out second by second over one day, as an owner would count on a
// watch: not from the summary's own arithmetic.
class DayWalk {
public:
    explicit DayWalk(const camera::CameraSettings& s) {
        const struct {
            int on, startHour, startMinute, stopHour, stopMinute;
        } timers[] = {{s.timer, s.timer_start_hour, s.timer_start_minute, s.timer_stop_hour,
                       s.timer_stop_minute},
                      {s.timer2, s.timer2_start_hour, s.timer2_start_minute, s.timer2_stop_hour,
                       s.timer2_stop_minute}};
        bool anyOn = false;
        for (const auto& t : timers) {
            if (t.on != 1)
                continue;
            anyOn = true;
            const int start = t.startHour * 60 + t.startMinute;
            const int stop = t.stopHour * 60 + t.stopMinute;
            if (start == stop)
                known_ = false;
            for (int minute = 0; minute < 24 * 60; ++minute) {
                if (start < stop ? minute >= start && minute < stop
                                 : minute >= start || minute < stop)
                    minutes_.set(std::size_t(minute));
            }
        }
        if (!anyOn)
            minutes_.set();
    }

    bool known() const { return known_; }
    int activeMinutes() const { return int(minutes_.count()); }
    bool active(int second) const { return minutes_.test(std::size_t(second % day / 60)); }

    // Something that happens as each active stretch begins and then every `every` seconds
    // while the stretch lasts: the seconds of one day, walked from a moment the camera is idle.
    int happenings(int every) const {
        if (minutes_.all()) {
            int count = 0;
            for (int t = 0; t < day; t += every)
                ++count;
            return count;
        }
        int idle = 0;
        while (active(idle))
            ++idle;
        int count = 0;
        int next = -1;
        for (int k = 1; k <= day; ++k) {
            const int t = idle + k;
            if (!active(t)) {
                next = -1;
            } else if (!active(t - 1) || k == next) {
                ++count;
                next = k + every;
            }
        }
        return count;
    }

private:
    std::bitset<24 * 60> minutes_;
    bool known_ = true;
};

// What one trigger takes, by the README: about a second for each photo, then the video.
struct Trigger {
    int photos = 0;
    int video = 0;
    int wait = 0;
};

Trigger triggerOf(const camera::CameraSettings& s) {
    const bool video = s.camera_mode == 1 || s.camera_mode == 2;
    return {s.camera_mode == 1 ? 0 : s.picture_no + 1, video ? s.video_length : 0,
            s.interval_unit == 0 ? s.interval_value : s.interval_value * 60};
}

// Menus of every model (or of the one given) at random, from a fixed seed, biased toward what makes
// hard cases: short windows, equal starts and stops, windows across midnight, the sensor off, long
// videos.
MenuFacts randomMenu(QRandomGenerator& random, int model = 0) {
    if (model == 0)
        model = random.bounded(1, 8);
    const CameraForm form = cameraModel(model).cameraForm;
    camera::CameraSettings s = camera::CameraSettings::atOpen(form);
    const auto pick = [&random](std::initializer_list<int> values) {
        return *(values.begin() + random.bounded(int(values.size())));
    };
    s.camera_mode = random.bounded(camera::cameraModeCount(form, model));
    s.image_size = random.bounded(int(camera::imageSizeEntries(form, model).size()));
    s.video_size = random.bounded(int(camera::videoSizeEntries(form, model).size()));
    s.picture_no = random.bounded(3);
    s.video_length = pick({1, 5, 10, 30, 59, 60, random.bounded(1, 61)});
    s.interval_unit = random.bounded(2);
    s.interval_value = s.interval_unit == 0 ? pick({0, 1, 5, 30, 60, random.bounded(61)})
                                            : pick({1, 5, 30, 60, random.bounded(1, 61)});
    s.sense_level = random.bounded(4);
    const auto clock = [&](int& hour, int& minute) {
        hour = pick({0, 6, 18, 21, 23, random.bounded(24)});
        minute = pick({0, 30, 59, random.bounded(60)});
    };
    s.timer = random.bounded(2);
    clock(s.timer_start_hour, s.timer_start_minute);
    clock(s.timer_stop_hour, s.timer_stop_minute);
    s.timer2 = random.bounded(3) == 0 ? 1 : 0;
    clock(s.timer2_start_hour, s.timer2_start_minute);
    clock(s.timer2_stop_hour, s.timer2_stop_minute);
    if (random.bounded(8) == 0) {
        s.timer_stop_hour = s.timer_start_hour;
        s.timer_stop_minute = s.timer_start_minute;
    }
    s.time_lapse = random.bounded(2);
    s.time_lapse_hour = pick({0, 0, 0, 1, 5, random.bounded(24)});
    s.time_lapse_minute = pick({0, 1, 7, 30, random.bounded(60)});
    s.time_lapse_second = pick({0, 0, 1, 45, random.bounded(60)});
    return {form, model, s, {2026, 5, 6, 7, 8, 9}};
}

// The hard cases the figures were found wrong in, by the settings that make them.
std::vector<std::pair<const char*, QStringList>> hardCases() {
    return {
        {"motion sensor off", {"sense_level=3"}},
        {"a minute of video, 5 s between",
         {"camera_mode=1", "video_length=60", "interval_unit=0", "interval_value=5"}},
        {"21:30 to midnight at an hour",
         {"timer=1", "timer_start_hour=21", "timer_start_minute=30", "timer_stop_hour=0",
          "interval_value=60"}},
        {"one minute before midnight",
         {"timer=1", "timer_start_hour=23", "timer_start_minute=59", "timer_stop_hour=0"}},
        {"start equal to stop", {"timer=1", "timer_start_hour=6", "timer_stop_hour=6"}},
        {"1.3MP on model 5", {"model=5", "image_size=2", "picture_no=2"}},
        {"three photos, no wait", {"picture_no=2", "interval_unit=0", "interval_value=0"}},
        {"time lapse across midnight",
         {"timer=1", "timer_start_hour=18", "timer_stop_hour=6", "time_lapse=0",
          "time_lapse_minute=7"}},
        {"two windows sharing an hour",
         {"timer=1", "timer_start_hour=18", "timer_stop_hour=6", "timer2=1", "timer2_start_hour=5",
          "timer2_stop_hour=7", "time_lapse=0", "time_lapse_hour=5"}},
    };
}

// Model 7's menu as it opens (or another model's, "model=5" first), with the settings given as
// the command takes them.
MenuFacts sigma(QStringList assignments) {
    const int model = assignments.value(0).startsWith(QStringLiteral("model="))
                          ? assignments.takeFirst().section(u'=', 1).toInt()
                          : 7;
    const CameraForm form = cameraModel(model).cameraForm;
    camera::MenuProfileReader reader(form, model, i18n::English);
    for (const QString& assignment : assignments) {
        if (const auto error = reader.takeAssignment(assignment))
            qFatal("%s: %s", qPrintable(assignment), qPrintable(error->message));
    }
    return {form, model, reader.settings().settings, {2026, 5, 6, 7, 8, 9}};
}

const std::array triggerChoices{0, 1, 20, 500, 5000, 9999};

QString count(qint64 value) {
    return QLocale(QLocale::English, QLocale::UnitedStates).toString(value);
}

// An assumption the summary states, by its name and what it holds for.
double stated(const QJsonObject& json, const QString& name, const QString& what = {}) {
    for (const QJsonValue row : json[QStringLiteral("assumptions")].toArray()) {
        if (row[QStringLiteral("name")] == name &&
            (what.isEmpty() || row[QStringLiteral("for")].toString() == what))
            return row[QStringLiteral("value")].toDouble();
    }
    return std::nan("");
}

// Whether an estimate, which the JSON gives to the tenth, is the calculator's; else why not.
QString offEstimate(const QJsonObject& json, const QString& key, double expected) {
    const double given = json[key].toDouble();
    if (json.contains(key) && std::abs(given - expected) <= 0.05 + 1e-9)
        return {};
    return QStringLiteral("%1: %2, worked out %3").arg(key).arg(given).arg(expected);
}

#define COMPARE_ESTIMATE(json, key, expected)                                                      \
    do {                                                                                           \
        const QString off = offEstimate(json, key, expected);                                      \
        QVERIFY2(off.isEmpty(), qPrintable(off));                                                  \
    } while (false)

} // namespace

// An independent calculator against every exact number the summary gives, and every estimate
// worked out again from the assumptions the summary states: a few hundred menus and sending
// files at random from a fixed seed, and the hard cases.
class SummaryCalculatorTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void menu_data() {
        QTest::addColumn<MenuFacts>("menu");
        QTest::addColumn<int>("triggers");
        for (const auto& [name, settings] : hardCases()) {
            for (const int triggers : {20, 5000})
                QTest::addRow("%s, %d triggers", name, triggers) << sigma(settings) << triggers;
        }
        QRandomGenerator random(26);
        for (int i = 0; i < 500; ++i)
            QTest::addRow("random %d", i)
                << randomMenu(random)
                << triggerChoices[std::size_t(random.bounded(int(triggerChoices.size())))];
    }
    void menu() {
        QFETCH(MenuFacts, menu);
        QFETCH(int, triggers);
        const camera::CameraSettings& s = menu.settings;
        PlanInputs inputs;
        inputs.triggersPerDay = triggers;
        const Summary summary = summarizeMenu(menu, inputs);
        const QJsonObject json = summary.json();
        const QJsonObject exact = json[QStringLiteral("exact")].toObject();
        const QJsonObject estimated = json[QStringLiteral("estimated")].toObject();
        const QString sentences = summary.sentences.join(u'\n');

        const DayWalk walk(s);
        const Trigger trigger = triggerOf(s);
        const bool motion = s.sense_level != 3;
        const int timeLapse =
            s.time_lapse_hour * 3600 + s.time_lapse_minute * 60 + s.time_lapse_second;
        // A timer whose start is its stop: the summary takes no side.
        if (!walk.known()) {
            QVERIFY(summary.sentences.contains(
                i18n::summaryText(i18n::SummaryText::ActiveUnknown, i18n::English)));
            for (const char* key :
                 {"active_minutes_per_day", "max_triggers_per_day", "time_lapse_pictures_per_day"})
                QVERIFY2(!exact.contains(QLatin1String(key)), key);
            QVERIFY(estimated.isEmpty());
            return;
        }
        QCOMPARE(exact[QStringLiteral("active_minutes_per_day")].toInt(), walk.activeMinutes());

        const int most =
            motion ? walk.happenings(trigger.photos + trigger.video + trigger.wait) : 0;
        QCOMPARE(exact[QStringLiteral("max_triggers_per_day")].toInt(), most);
        const int used = std::min(triggers, most);
        if (motion && used < triggers)
            QVERIFY2(sentences.contains(QStringLiteral("at most %1.").arg(count(used))),
                     qPrintable(sentences));

        const int lapses = s.time_lapse == 0 && timeLapse > 0 ? walk.happenings(timeLapse) : 0;
        if (lapses > 0) {
            QCOMPARE(exact[QStringLiteral("time_lapse_pictures_per_day")].toInt(), lapses);
            QVERIFY2(sentences.contains(QStringLiteral(": %1 a day.").arg(count(lapses))),
                     qPrintable(sentences));
        } else {
            QVERIFY(!exact.contains(QStringLiteral("time_lapse_pictures_per_day")));
        }
        if (!motion && lapses == 0) {
            QVERIFY(estimated.isEmpty());
            return;
        }

        // Pictures and video a day; exact where nothing is assumed (the time lapse alone).
        const int pictures = used * trigger.photos + lapses;
        const int video = used * trigger.video;
        const QJsonObject& counts = motion ? estimated : exact;
        QCOMPARE(counts[QStringLiteral("pictures_per_day")].toInt(), pictures);
        QCOMPARE(counts[QStringLiteral("video_seconds_per_day")].toInt(), video);
        // The card use, again from what the summary says it assumed.
        const QString image = camera::imageSizeEntries(menu.form, menu.model).value(s.image_size);
        const QString videoSize =
            camera::videoSizeEntries(menu.form, menu.model).value(s.video_size);
        double megabytes = 0;
        if (pictures > 0)
            megabytes += pictures * stated(json, QStringLiteral("megabytes_per_picture"), image);
        if (video > 0)
            megabytes +=
                video * stated(json, QStringLiteral("megabytes_per_video_second"), videoSize);
        COMPARE_ESTIMATE(estimated, QStringLiteral("megabytes_per_day"), megabytes);
    }

    // Messages a day and a month: the limit for each recipient in the longest month; estimated,
    // the pictures the menu beside makes (one for each trigger and the time lapse's), else one
    // for each assumed trigger, in an average month.
    void sending_data() {
        QTest::addColumn<int>("model");
        QTest::addColumn<int>("recipients"); // of phone1, email, phone2, phone3, in that order
        QTest::addColumn<int>("limit");
        QTest::addColumn<int>("triggers");
        QTest::addColumn<std::optional<MenuFacts>>("menu");
        QTest::newRow("sensor off beside")
            << 7 << 1 << 0 << 20 << std::optional(sigma({"sense_level=3"}));
        QTest::newRow("video only with a time lapse beside")
            << 7 << 1 << 0 << 20
            << std::optional(sigma({"camera_mode=1", "time_lapse=0", "time_lapse_hour=1"}));
        QTest::newRow("a 31-day month at the limit")
            << 7 << 2 << 10 << 20 << std::optional<MenuFacts>();
        QRandomGenerator random(2631);
        for (int i = 0; i < 300; ++i) {
            const int model = random.bounded(1, 8);
            std::optional<MenuFacts> menu;
            if (random.bounded(2) == 0)
                menu = randomMenu(random, model);
            QTest::addRow("random %d", i)
                << model << random.bounded(5)
                << (random.bounded(2) == 0 ? 0 : random.bounded(1, 100))
                << triggerChoices[std::size_t(random.bounded(int(triggerChoices.size())))] << menu;
        }
    }
    void sending() {
        QFETCH(int, model);
        QFETCH(int, recipients);
        QFETCH(int, limit);
        QFETCH(int, triggers);
        QFETCH(std::optional<MenuFacts>, menu);
        PlanInputs inputs;
        inputs.triggersPerDay = triggers;
        inputs.files.menu = menu;
        mms::MmsSettings s;
        s.picturesPerDay = limit;
        QString* boxes[] = {&s.phone1, &s.email, &s.phone2, &s.phone3};
        for (int i = 0; i < recipients; ++i)
            *boxes[i] =
                i == 1 ? QStringLiteral("me@example.com") : QStringLiteral("1380013800%1").arg(i);
        const Summary summary = summarizeMms({cameraModel(model).mmsForm, model, s}, inputs);
        const QJsonObject json = summary.json();
        const QJsonObject exact = json[QStringLiteral("exact")].toObject();
        const QJsonObject estimated = json[QStringLiteral("estimated")].toObject();
        if (recipients == 0) {
            QVERIFY(!exact.contains(QStringLiteral("messages_per_day")) &&
                    !estimated.contains(QStringLiteral("messages_per_day")));
            return;
        }
        if (limit > 0) {
            QCOMPARE(exact[QStringLiteral("messages_per_day_at_most")].toInt(), limit * recipients);
            QCOMPARE(exact[QStringLiteral("messages_per_month_at_most")].toInt(),
                     limit * recipients * 31);
        }
        int pictures = triggers;
        if (menu && DayWalk(menu->settings).known()) {
            const camera::CameraSettings& m = menu->settings;
            const DayWalk walk(m);
            const Trigger trigger = triggerOf(m);
            const int timeLapse =
                m.time_lapse_hour * 3600 + m.time_lapse_minute * 60 + m.time_lapse_second;
            const int most = m.sense_level != 3 && trigger.photos > 0
                                 ? walk.happenings(trigger.photos + trigger.video + trigger.wait)
                                 : 0;
            pictures = std::min(triggers, most) +
                       (m.time_lapse == 0 && timeLapse > 0 ? walk.happenings(timeLapse) : 0);
        }
        const int messages = (limit > 0 ? std::min(pictures, limit) : pictures) * recipients;
        const double month = stated(json, QStringLiteral("days_per_month"));
        QCOMPARE(month, 30.4);
        const QString perDay = QStringLiteral("messages_per_day");
        QCOMPARE((exact.contains(perDay) ? exact : estimated)[perDay].toInt(), messages);
        COMPARE_ESTIMATE(estimated, QStringLiteral("messages_per_month"), messages * month);
        if (limit == 0)
            QVERIFY2(summary.sentences.join(u'\n').contains(
                         QStringLiteral("about %1 a day, %2 a month")
                             .arg(count(messages), count(qRound64(messages * month)))),
                     qPrintable(summary.sentences.join(u'\n')));
    }
};

KESTROVA_TEST(SummaryCalculatorTest)
#include "summary_calculator_test.moc"
