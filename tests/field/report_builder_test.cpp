#include "field/report_builder.h"
#include "support/test_registry.h"

#include <QTest>
#include <QTimeZone>

using namespace kestrova;
using namespace kestrova::field;

namespace {

const QDate day1(2026, 5, 4);

CameraTime at(int day, const char* time, int offsetSeconds = 0) {
    CameraTime wall =
        *CameraTime::of(day1.addDays(day - 1), QTime::fromString(QString::fromLatin1(time)));
    wall.wallMs += qint64(offsetSeconds) * 1000;
    return wall;
}

MediaFacts picture(const QString& name, const CameraTime& time, qint64 size = 2000000) {
    MediaFacts media;
    media.relativePath = QStringLiteral("DCIM/100MEDIA/") + name;
    media.size = size;
    media.header.taken = time;
    media.header.source = TimeSource::DateTimeOriginal;
    return media;
}

// A camera menu: the time lapse every so many hours (0: off), the timer's window (none: all day),
// photos per trigger.
camera::CameraSettings menu(int timeLapseHours, std::optional<std::pair<int, int>> timer = {},
                            int photos = 1) {
    camera::CameraSettings s;
    s.picture_no = photos - 1;
    s.time_lapse = timeLapseHours > 0 ? 0 : 1;
    s.time_lapse_hour = timeLapseHours;
    s.timer = timer ? 1 : 0;
    std::tie(s.timer_start_hour, s.timer_stop_hour) = timer.value_or(std::pair{0, 0});
    return s;
}

ReportBasis basis(const camera::CameraSettings& settings, int days) {
    ReportBasis b;
    b.zone = QTimeZone::utc();
    b.schedule = plan::menuDay({CameraForm::B, 7, settings, {}}, plan::defaultTriggersPerDay);
    if (b.schedule->timeLapse)
        b.timeLapseTimes = b.schedule->active.startTimes(plan::timeLapseSeconds(settings));
    b.deployment.start = QDateTime(day1, QTime(0, 0), QTimeZone::utc());
    b.deployment.end = QDateTime(day1.addDays(days - 1), QTime(23, 59), QTimeZone::utc());
    return b;
}

// Pictures on the time lapse's times of the given days (1-based), each `late` seconds late.
std::vector<MediaFacts> onSchedule(int everyHours, const QList<int>& days, int late = 0) {
    std::vector<MediaFacts> pictures;
    int n = 1;
    for (const int day : days) {
        for (int hour = 0; hour < 24; hour += everyHours)
            pictures.push_back(
                picture(QStringLiteral("IMG_%1.JPG").arg(n++, 4, 10, QLatin1Char('0')),
                        at(day, "00:00:00", hour * 3600 + late)));
    }
    return pictures;
}

QString statesOf(const CardReport& report) {
    QString states;
    for (const DayRow& day : report.days)
        states += QStringLiteral("BWNDFA").at(static_cast<int>(day.state));
    return states;
}

CardReport run(ReportBasis b, const std::vector<MediaFacts>& media) {
    ReportBuilder builder(std::move(b));
    for (const MediaFacts& m : media)
        builder.add(m);
    return builder.finish();
}

} // namespace

Q_DECLARE_METATYPE(kestrova::field::ReportBasis)
Q_DECLARE_METATYPE(std::vector<kestrova::field::MediaFacts>)

// What the camera did day by day, from its pictures against the schedule on its card.
class ReportBuilderTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // B before, W working, N no pictures, D down, F card full, A after.
    void daysFollowTheSchedule_data() {
        QTest::addColumn<ReportBasis>("basis");
        QTest::addColumn<std::vector<MediaFacts>>("media");
        QTest::addColumn<QString>("states");
        const ReportBasis sixHours = basis(menu(6), 5);
        QTest::newRow("time lapse kept every day")
            << sixHours << onSchedule(6, {1, 2, 3, 4, 5}) << QStringLiteral("WWWWW");
        QTest::newRow("a day without the time lapse is down")
            << sixHours << onSchedule(6, {1, 2, 4, 5}) << QStringLiteral("WWDWW");
        std::vector<MediaFacts> motionOnly = onSchedule(6, {1, 2, 4, 5});
        motionOnly.push_back(picture(QStringLiteral("IMG_0900.JPG"), at(3, "13:17:00")));
        QTest::newRow("motion pictures alone do not make a time-lapse day")
            << sixHours << motionOnly << QStringLiteral("WWDWW");
        QTest::newRow("within a minute of its times")
            << sixHours << onSchedule(6, {1, 2, 3, 4, 5}, 55) << QStringLiteral("WWWWW");
        QTest::newRow("more than a minute off its times")
            << sixHours << onSchedule(6, {1, 2, 3, 4, 5}, 95) << QStringLiteral("DDDDD");
        QTest::newRow("a minute early, across midnight")
            << sixHours << onSchedule(6, {1, 2, 3, 4, 5}, -50) << QStringLiteral("WWWWW");

        std::vector<MediaFacts> noon;
        for (const int day : {1, 2, 5})
            noon.push_back(picture(QStringLiteral("IMG_%1.JPG").arg(day), at(day, "12:00:00")));
        QTest::newRow("no time lapse: a day inside 24 active hours without a picture")
            << basis(menu(0), 5) << noon << QStringLiteral("WWNNW");
        std::vector<MediaFacts> nights;
        for (const int day : {1, 2, 4, 5})
            nights.push_back(picture(QStringLiteral("IMG_%1.JPG").arg(day), at(day, "20:00:00")));
        QTest::newRow("no time lapse, active 18:00-06:00: 24 active hours are two nights")
            << basis(menu(0, std::pair{18, 6}), 5) << nights << QStringLiteral("WWNWW");
        std::vector<MediaFacts> oneNightMissing;
        for (const int day : {1, 2, 3})
            oneNightMissing.push_back(
                picture(QStringLiteral("IMG_%1.JPG").arg(day), at(day, "20:00:00")));
        oneNightMissing.push_back(picture(QStringLiteral("IMG_5.JPG"), at(5, "19:00:00")));
        QTest::newRow("no time lapse, active 18:00-06:00: 23 active hours are no gap")
            << basis(menu(0, std::pair{18, 6}), 5) << oneNightMissing << QStringLiteral("WWWWW");

        ReportBasis full = sixHours;
        full.bytesFree = 1000000; // less than one picture
        QTest::newRow("the card filled on day 3")
            << full << onSchedule(6, {1, 2, 3}) << QStringLiteral("WWWFF");
        ReportBasis cycle = full;
        cycle.sdCycle = true;
        QTest::newRow("SD cycle overwrites instead of filling")
            << cycle << onSchedule(6, {1, 2, 3}) << QStringLiteral("WWWDD");
        std::vector<MediaFacts> around = onSchedule(6, {1, 2, 3});
        around.push_back(picture(QStringLiteral("IMG_0990.JPG"), at(-1, "10:00:00")));
        around.push_back(picture(QStringLiteral("IMG_0991.JPG"), at(5, "10:00:00")));
        QTest::newRow("days with pictures outside the deployment")
            << basis(menu(6), 3) << around << QStringLiteral("BBWWWAA");
    }
    void daysFollowTheSchedule() {
        QFETCH(ReportBasis, basis);
        QFETCH(std::vector<MediaFacts>, media);
        QFETCH(QString, states);
        const CardReport report = run(basis, media);
        QCOMPARE(statesOf(report), states);
        QCOMPARE(report.workingDays, int(states.count(u'W')));
        int down = 0;
        for (const DayStretch& stretch : report.down)
            down += stretch.days();
        QCOMPARE(down, int(states.count(u'D')));
        QCOMPARE(report.fullDays, int(states.count(u'F')));
        // The camera-operation row: 1 working, 0 not, empty outside the deployment.
        for (const DayRow& day : report.days)
            QCOMPARE(day.operation(), day.state == DayState::Before || day.state == DayState::After
                                          ? std::nullopt
                                          : std::optional<int>(day.state == DayState::Working));
        QCOMPARE(report.allWell(),
                 !states.contains(u'D') && !states.contains(u'F') && !states.contains(u'B'));
        // A missing day is no clock shifted by the half day the schedule repeats itself after.
        QVERIFY(report.clock.shifts.empty());
    }

    void clockFindings_data() {
        QTest::addColumn<ReportBasis>("basis");
        QTest::addColumn<std::vector<MediaFacts>>("media");
        QTest::addColumn<bool>("problem");
        QTest::addColumn<QList<int>>("counts");     // before start, before 2010, factory date
        QTest::addColumn<QList<double>>("offsets"); // each clock photo, seconds
        QTest::addColumn<QList<int>>("shifts");     // seconds, days
        const ReportBasis plain = basis(menu(6), 5);
        QTest::newRow("all right") << plain << onSchedule(6, {1, 2, 3, 4, 5}) << false
                                   << QList<int>{0, 0, 0} << QList<double>{} << QList<int>{};
        std::vector<MediaFacts> early = onSchedule(6, {1, 2, 3, 4, 5});
        early.push_back(picture(QStringLiteral("A.JPG"), at(0, "23:00:00")));
        early.push_back(picture(QStringLiteral("B.JPG"), *CameraTime::of({2009, 6, 1}, {1, 0})));
        early.push_back(picture(QStringLiteral("C.JPG"), *CameraTime::of({2011, 1, 1}, {0, 5})));
        QTest::newRow("before the start, before 2010, a factory date")
            << plain << early << true << QList<int>{1, 1, 1} << QList<double>{} << QList<int>{};

        ReportBasis photos = plain;
        photos.clockPhotos = {{QStringLiteral("W1.JPG"), at(1, "10:03:10"),
                               QDateTime(day1, QTime(10, 0), QTimeZone::utc()), 0},
                              {QStringLiteral("W2.JPG"), at(5, "10:03:30"),
                               QDateTime(day1.addDays(4), QTime(10, 0), QTimeZone::utc()), 0}};
        QTest::newRow("two clock photos: ahead, and a drift")
            << photos << onSchedule(6, {1, 2, 3, 4, 5}) << true << QList<int>{0, 0, 0}
            << QList<double>{190, 210} << QList<int>{};
        ReportBasis right = plain;
        right.clockPhotos = {{QStringLiteral("W1.JPG"), at(1, "10:00:40"),
                              QDateTime(day1, QTime(12, 0), QTimeZone(7200)), 0}};
        QTest::newRow("a clock photo within the minute, in another zone's time")
            << right << onSchedule(6, {1, 2, 3, 4, 5}) << false << QList<int>{0, 0, 0}
            << QList<double>{40} << QList<int>{};

        std::vector<MediaFacts> saving = onSchedule(6, {1, 2});
        for (const MediaFacts& m : onSchedule(6, {3, 4, 5}, 3600))
            saving.push_back(m);
        QTest::newRow("from day 3 the schedule holds an hour later: daylight saving")
            << plain << saving << true << QList<int>{0, 0, 0} << QList<double>{}
            << QList<int>{3600, 3};
        QTest::newRow("the schedule holds half a day off: a 12-hour clock")
            << basis(menu(0, std::pair{20, 4}), 5) <<
            [] {
                std::vector<MediaFacts> media;
                for (int day = 1; day <= 5; ++day)
                    for (const char* time : {"09:00:00", "10:30:00", "14:00:00"})
                        media.push_back(picture(QStringLiteral("%1%2.JPG").arg(day).arg(time[1]),
                                                at(day, time)));
                return media;
            }()
            << true << QList<int>{0, 0, 0} << QList<double>{} << QList<int>{43200, 5};
    }
    void clockFindings() {
        QFETCH(ReportBasis, basis);
        QFETCH(std::vector<MediaFacts>, media);
        QFETCH(bool, problem);
        QFETCH(QList<int>, counts);
        QFETCH(QList<double>, offsets);
        QFETCH(QList<int>, shifts);
        const CardReport report = run(basis, media);
        const ClockFindings& clock = report.clock;
        QCOMPARE(clock.problem(), problem);
        QCOMPARE((QList<int>{clock.beforeStart, clock.before2010, clock.factoryDate}), counts);
        QList<double> found;
        for (const ClockPhoto& photo : clock.photos)
            found << photo.offsetMs / 1000.0;
        QCOMPARE(found, offsets);
        if (offsets.size() == 2)
            QCOMPARE(*clock.driftSecondsPerDay, (offsets[1] - offsets[0]) / 4);
        QList<int> seen;
        for (const ScheduleShift& shift : clock.shifts)
            seen << shift.seconds << shift.days;
        QCOMPARE(seen, shifts);
    }

    void cardFindings() {
        std::vector<MediaFacts> media = onSchedule(6, {1, 2});
        // The counter started again in a second folder.
        MediaFacts again = media.front();
        again.relativePath = QStringLiteral("DCIM/101MEDIA/IMG_0001.JPG");
        media.push_back(again);
        for (int i = 0; i < 25; ++i) {
            MediaFacts broken =
                picture(QStringLiteral("BAD_%1.JPG").arg(QChar(u'a' + i)), at(2, "12:00:00"));
            broken.header.damage = i == 0 ? MediaDamage::Empty : MediaDamage::NoEndMarker;
            media.push_back(broken);
        }
        MediaFacts timeless = picture(QStringLiteral("T.AVI"), at(1, "01:00:00"));
        timeless.kind = MediaKind::Video;
        timeless.fileTime = timeless.header.taken;
        timeless.header.taken.reset();
        timeless.header.source = TimeSource::None;
        media.push_back(timeless);
        const CardReport report = run(basis(menu(6), 2), media);
        QCOMPARE(report.card.repeatedNumbers, 1);
        QCOMPARE(report.card.repeatedExample, again.relativePath);
        QCOMPARE(report.card.damagedCount, 25);
        QCOMPARE(report.card.damaged.size(), std::size_t(20));
        QCOMPARE(report.card.fileTimeOnly, 1);
        // An empty file is no picture; a picture cut short still is.
        QCOMPARE(report.comparison.pictures, 8 + 1 + 24);
        QCOMPARE(report.comparison.videos, 1);
    }

    void measuredAgainstEstimated() {
        ReportBasis b = basis(menu(6, {}, 3), 4);
        b.estimates.picturesPerDayEstimated = 64;
        b.estimates.triggersAssumed = 20;
        std::vector<MediaFacts> media = onSchedule(6, {1, 2, 3, 4});
        for (int day = 1; day <= 4; ++day)
            for (int trigger = 0; trigger < 10; ++trigger)
                for (int photo = 0; photo < 3; ++photo)
                    media.push_back(
                        picture(QStringLiteral("M%1_%2_%3.JPG").arg(day).arg(trigger).arg(photo),
                                at(day, "01:17:00", trigger * 600 + photo), 3000000));
        const CardReport report = run(b, media);
        const Comparison& c = report.comparison;
        QCOMPARE(c.pictures, 4 * 4 + 4 * 30);
        QCOMPARE(*c.triggersPerDay, 10.0);
        QCOMPARE(*c.nextTriggersPerDay, 10);
        QCOMPARE(c.triggersAssumed, 20);
        QCOMPARE(*c.megabytesPerPicture, (16 * 2.0 + 120 * 3.0) / 136);
        // Over the deployment's 3 days 23 h 59 min.
        QVERIFY(qAbs(*c.picturesEstimated - 64 * (4 - 1.0 / 1440)) < 1e-6);
    }
};

KESTROVA_TEST(ReportBuilderTest)
#include "report_builder_test.moc"
