#pragma once

#include "field/card_report.h"
#include "plan/menu_day.h"

#include <QTimeZone>

#include <array>
#include <bitset>
#include <map>
#include <memory>
#include <set>

namespace kestrova::field {

// What a card's report is worked out from, besides its pictures.
struct ReportBasis {
    Deployment deployment; // its start where known; its end where the card was retrieved
    // The day menu.dat gives the camera, as its model's form wrote it; nothing without one.
    std::optional<plan::MenuDay> schedule;
    // The times of its time lapse, as the summary counts them; none without one.
    std::vector<int> timeLapseTimes;
    bool sdCycle = false; // the camera overwrites its oldest pictures when the card is full
    QTimeZone zone;       // where the camera was: its clock's wall times are this zone's
    std::optional<qint64> bytesFree;
    std::vector<ClockPhoto> clockPhotos; // their offsets are worked out here
    Comparison estimates;                // the figures the summary estimated
};

// Takes a card's pictures one at a time, in any order, and keeps no more of them than a table
// of days and a few counts: the memory a card's report needs does not grow with its pictures.
class ReportBuilder {
public:
    explicit ReportBuilder(ReportBasis basis);
    ~ReportBuilder();
    ReportBuilder(const ReportBuilder&) = delete;
    ReportBuilder& operator=(const ReportBuilder&) = delete;

    void add(const MediaFacts& media);
    CardReport finish();

    // The shifts tried: none, an hour either way (daylight saving), half a day (a 12-hour clock
    // read as a 24-hour one).
    static constexpr std::array<int, 4> shifts{0, 3600, -3600, 43200};

private:
    struct Tally {
        int pictures = 0;
        int videos = 0;
        std::array<int, shifts.size()> onTimeLapse{};
        std::array<int, shifts.size()> inWindows{};
        int firstSecond = -1;
        int lastSecond = -1;
    };
    struct Numbers;

    void tally(const MediaFacts& media, const CameraTime& time);
    void noteNumber(const MediaFacts& media);
    void decideDays(CardReport& report, qint64 startMs, qint64 endMs);
    void findGaps(CardReport& report, qint64 startMs, qint64 endMs);
    void findShifts(CardReport& report) const;
    void compare(CardReport& report) const;
    qint64 activeSecondsBetween(qint64 fromMs, qint64 toMs) const;
    bool isActive(int secondOfDay) const;
    std::optional<qint64> wallMsOf(const std::optional<QDateTime>& time) const;

    ReportBasis basis_;
    std::vector<int> times_; // the time lapse's, seconds after midnight
    // Whether each shift tells anything: a schedule that looks the same shifted (a time lapse
    // every 30 minutes, an hour later) cannot show a clock that was.
    std::array<bool, shifts.size()> telling_{};
    bool timeLapseTakesPhotos_ = true;
    std::map<QDate, Tally> days_;
    std::optional<qint64> startMs_;
    std::unique_ptr<Numbers> numbers_;
    CardReport report_;
    std::optional<CameraTime> firstMedia_;
    std::optional<CameraTime> lastMedia_;
    std::set<QDate> noPictureDays_;
};

} // namespace kestrova::field
