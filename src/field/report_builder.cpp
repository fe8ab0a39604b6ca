#include "field/report_builder.h"

#include "field/time_lapse_slot.h"
#include "plan/day_windows.h"

#include <algorithm>
#include <cmath>

namespace kestrova::field {

namespace {

constexpr qint64 msPerDay = 86400000;
constexpr int matchSeconds = timeLapseMatchSeconds;
// Pictures dated at most this far outside the deployment still get a day in the row.
constexpr int daysAround = 31;
// Damaged files named one by one; the rest are counted.
constexpr std::size_t damagedNamed = 20;
// File numbers told apart: DCF counts to 9999, some cameras further.
constexpr int mostNumber = 99999;
// A day whose pictures are too few says nothing of the windows they keep.
constexpr int fewestForWindows = 3;

const QDate firstCameraDay(2010, 1, 1);

// The days a camera's clock starts from when it lost its power: the first its clock can hold,
// and the one its menu record falls back to.
bool isFactoryDate(const QDate& date) {
    return date == QDate(2010, 1, 1) || date == QDate(2011, 1, 1);
}

qint64 floorDiv(qint64 a, qint64 b) {
    return a / b - (a % b != 0 && (a < 0) != (b < 0) ? 1 : 0);
}

QDate dateOf(qint64 wallMs) {
    return QDate(1970, 1, 1).addDays(floorDiv(wallMs, msPerDay));
}

qint64 startOf(const QDate& date) {
    return QDate(1970, 1, 1).daysTo(date) * msPerDay;
}

// The number a camera counts its files by: "IMG_0042.JPG" is 42; nothing without one.
std::optional<int> fileNumber(const QString& path) {
    const qsizetype dot = path.lastIndexOf(u'.');
    const qsizetype name = path.lastIndexOf(u'/') + 1;
    qsizetype end = dot > name ? dot : path.size();
    int value = 0;
    int digits = 0;
    for (int scale = 1; end > name && path.at(end - 1).isDigit(); --end, scale *= 10) {
        if (++digits > 5)
            return std::nullopt;
        value += path.at(end - 1).digitValue() * scale;
    }
    if (digits == 0)
        return std::nullopt;
    return value;
}

CameraTime wallTime(qint64 wallMs) {
    return CameraTime{wallMs, std::nullopt};
}

template <typename Pick>
std::vector<DayStretch> stretchesOf(const std::vector<DayRow>& days, Pick pick) {
    std::vector<DayStretch> stretches;
    for (const DayRow& day : days) {
        if (!pick(day))
            continue;
        if (!stretches.empty() && stretches.back().last.addDays(1) == day.date)
            stretches.back().last = day.date;
        else
            stretches.push_back({day.date, day.date});
    }
    return stretches;
}

} // namespace

struct ReportBuilder::Numbers {
    std::array<std::bitset<mostNumber + 1>, 2> seen; // pictures, videos
};

ReportBuilder::ReportBuilder(ReportBasis basis)
    : basis_(std::move(basis))
    , numbers_(std::make_unique<Numbers>()) {
    if (basis_.schedule) {
        times_ = basis_.timeLapseTimes;
        timeLapseTakesPhotos_ = basis_.schedule->photosPerTrigger > 0;
        for (std::size_t i = 1; i < shifts.size(); ++i)
            telling_[i] =
                !times_.empty() && !std::all_of(times_.begin(), times_.end(), [&](int time) {
                    const int shifted = static_cast<int>(
                        (time + shifts[i] + 2 * plan::secondsPerDay) % plan::secondsPerDay);
                    return timeLapseSlot(times_, shifted).has_value();
                });
    }
    startMs_ = wallMsOf(basis_.deployment.start);
    report_.deployment = basis_.deployment;
    report_.card.bytesFree = basis_.bytesFree;
    report_.timeLapse = !times_.empty();
    report_.timeLapseTimesPerDay = static_cast<int>(times_.size());
    for (ClockPhoto photo : basis_.clockPhotos) {
        const qint64 truth = wallMsOf(photo.truth).value_or(photo.camera.wallMs);
        photo.offsetMs = photo.camera.wallMs - truth;
        report_.clock.photos.push_back(photo);
    }
    const auto& photos = report_.clock.photos;
    if (photos.size() >= 2) {
        const double days =
            static_cast<double>(photos.front().truth.msecsTo(photos.back().truth)) / msPerDay;
        // Closer than an hour, two photos tell nothing of a drift.
        if (std::abs(days) >= 1.0 / 24)
            report_.clock.driftSecondsPerDay =
                static_cast<double>(photos.back().offsetMs - photos.front().offsetMs) / 1000 / days;
    }
}

ReportBuilder::~ReportBuilder() = default;

std::optional<qint64> ReportBuilder::wallMsOf(const std::optional<QDateTime>& time) const {
    if (!time || !time->isValid())
        return std::nullopt;
    const QDateTime local = time->toTimeZone(basis_.zone);
    return QDateTime(local.date(), local.time(), QTimeZone::utc()).toMSecsSinceEpoch();
}

void ReportBuilder::noteNumber(const MediaFacts& media) {
    const auto number = fileNumber(media.relativePath);
    if (!number)
        return;
    auto& seen = numbers_->seen[media.kind == MediaKind::Picture ? 0 : 1];
    if (!seen.test(static_cast<std::size_t>(*number))) {
        seen.set(static_cast<std::size_t>(*number));
        return;
    }
    if (report_.card.repeatedNumbers++ == 0)
        report_.card.repeatedExample = media.relativePath;
}

void ReportBuilder::add(const MediaFacts& media) {
    noteNumber(media);
    CardFindings& card = report_.card;
    if (media.damaged()) {
        ++card.damagedCount;
        if (card.damaged.size() < damagedNamed)
            card.damaged.push_back({media.relativePath, media.header.damage, media.reason});
    }
    if (media.header.damage == MediaDamage::Empty || media.header.damage == MediaDamage::Unreadable)
        return;
    const std::optional<CameraTime> time = media.taken();
    if (!time)
        return;
    if (media.source() == TimeSource::FileTime && card.fileTimeOnly++ == 0)
        card.fileTimeExample = media.relativePath;
    Comparison& counts = report_.comparison;
    if (media.kind == MediaKind::Picture) {
        ++counts.pictures;
        counts.pictureBytes += media.size;
    } else {
        ++counts.videos;
        counts.videoBytes += media.size;
    }
    const QDate date = time->date();
    ClockFindings& clock = report_.clock;
    if (date < firstCameraDay) {
        ++clock.before2010;
        return;
    }
    if (isFactoryDate(date)) {
        ++clock.factoryDate;
        return;
    }
    if (startMs_ && time->wallMs < *startMs_ - matchSeconds * 1000) {
        ++clock.beforeStart;
        if (!clock.earliestBeforeStart || time->wallMs < clock.earliestBeforeStart->wallMs)
            clock.earliestBeforeStart = *time;
    }
    if (!firstMedia_ || time->wallMs < firstMedia_->wallMs)
        firstMedia_ = *time;
    if (!lastMedia_ || time->wallMs > lastMedia_->wallMs)
        lastMedia_ = *time;
    if (media.kind == MediaKind::Picture && !media.damaged()) {
        if (!report_.firstPicture || time->wallMs < report_.firstPicture->time.wallMs)
            report_.firstPicture = EndPicture{media.relativePath, *time};
        if (!report_.lastPicture || time->wallMs > report_.lastPicture->time.wallMs)
            report_.lastPicture = EndPicture{media.relativePath, *time};
    }
    tally(media, *time);
}

void ReportBuilder::tally(const MediaFacts& media, const CameraTime& time) {
    Tally& day = days_[time.date()];
    (media.kind == MediaKind::Picture ? day.pictures : day.videos) += 1;
    const int second = time.secondOfDay();
    if (day.firstSecond < 0 || second < day.firstSecond)
        day.firstSecond = second;
    day.lastSecond = std::max(day.lastSecond, second);
    if (!basis_.schedule)
        return;
    const bool timeLapseKind = (media.kind == MediaKind::Picture) == timeLapseTakesPhotos_;
    for (std::size_t i = 0; i < shifts.size(); ++i) {
        const qint64 shifted = second - shifts[i];
        const qint64 dayOffset = floorDiv(shifted, plan::secondsPerDay);
        const int at = static_cast<int>(shifted - dayOffset * plan::secondsPerDay);
        if (isActive(at))
            ++day.inWindows[i];
        if (!timeLapseKind || times_.empty())
            continue;
        if (const auto slotDay = timeLapseSlot(times_, at))
            ++days_[time.date().addDays(dayOffset + *slotDay)].onTimeLapse[i];
    }
}

bool ReportBuilder::isActive(int secondOfDay) const {
    const plan::ActiveTime& active = basis_.schedule->active;
    // A timer whose start and stop are the same may leave the camera active all day or never:
    // what the pictures show decides, so no window is held against them.
    if (active.isAllDay() || !basis_.schedule->activeTimeKnown)
        return true;
    for (const plan::DayWindow& stretch : active.stretches()) {
        const int from = stretch.start * 60;
        if ((secondOfDay - from + plan::secondsPerDay) % plan::secondsPerDay <
            stretch.minutes() * 60)
            return true;
    }
    return false;
}

qint64 ReportBuilder::activeSecondsBetween(qint64 fromMs, qint64 toMs) const {
    if (toMs <= fromMs)
        return 0;
    if (!basis_.schedule || basis_.schedule->active.isAllDay() || !basis_.schedule->activeTimeKnown)
        return (toMs - fromMs) / 1000;
    qint64 total = 0;
    for (QDate day = dateOf(fromMs).addDays(-1); day <= dateOf(toMs); day = day.addDays(1)) {
        for (const plan::DayWindow& stretch : basis_.schedule->active.stretches()) {
            const qint64 from = startOf(day) + qint64(stretch.start) * 60000;
            const qint64 to = from + qint64(stretch.minutes()) * 60000;
            total += std::max<qint64>(0, std::min(to, toMs) - std::max(from, fromMs));
        }
    }
    return total / 1000;
}

CardReport ReportBuilder::finish() {
    Deployment& deployment = report_.deployment;
    std::optional<qint64> startMs = startMs_;
    if (!startMs && firstMedia_) {
        startMs = firstMedia_->wallMs;
        deployment.start = QDateTime(firstMedia_->date(), firstMedia_->wall().time(), basis_.zone);
        deployment.startSource = StartSource::FirstPicture;
    }
    std::optional<qint64> endMs = wallMsOf(deployment.end);
    if (endMs) {
        deployment.endSource = EndSource::Retrieved;
    } else if (lastMedia_) {
        endMs = lastMedia_->wallMs;
        deployment.end = QDateTime(lastMedia_->date(), lastMedia_->wall().time(), basis_.zone);
        deployment.endSource = EndSource::LastPicture;
    } else if (startMs) {
        endMs = startMs;
    }
    if (!startMs || !endMs)
        return std::move(report_);
    if (*endMs < *startMs)
        endMs = startMs;
    if (firstMedia_ && deployment.startSource != StartSource::FirstPicture)
        report_.clock.firstAfterStartSeconds = (firstMedia_->wallMs - *startMs) / 1000;

    const Comparison& counts = report_.comparison;
    if (basis_.bytesFree && counts.pictures > 0 && lastMedia_ &&
        *basis_.bytesFree < counts.pictureBytes / counts.pictures) {
        if (basis_.sdCycle)
            report_.card.overwrites = true;
        else
            report_.card.fullOn = lastMedia_->date();
    }
    decideDays(report_, *startMs, *endMs);
    findShifts(report_);
    compare(report_);
    report_.comparison.picturesEstimated =
        report_.comparison.picturesPerDayEstimated
            ? std::optional<double>(*report_.comparison.picturesPerDayEstimated *
                                    static_cast<double>(*endMs - *startMs) / msPerDay)
            : std::nullopt;
    return std::move(report_);
}

void ReportBuilder::findGaps(CardReport& report, qint64 startMs, qint64 endMs) {
    const QDate startDate = dateOf(startMs);
    const QDate endDate = dateOf(endMs);
    qint64 previous = startMs;
    std::optional<QDate> previousDay; // the day of the last picture; none for the start
    const auto gap = [&](qint64 to, const QDate& until, bool untilIncluded) {
        if (activeSecondsBetween(previous, to) < plan::secondsPerDay)
            return;
        report.gaps.push_back({wallTime(previous), wallTime(to),
                               static_cast<double>(activeSecondsBetween(previous, to)) / 3600});
        QDate day = previousDay ? previousDay->addDays(1) : startDate;
        for (; day < until || (untilIncluded && day == until); day = day.addDays(1))
            noPictureDays_.insert(day);
    };
    for (const auto& [date, day] : days_) {
        if (date < startDate || date > endDate || day.pictures + day.videos == 0)
            continue;
        gap(startOf(date) + qint64(day.firstSecond) * 1000, date, false);
        previous = std::max(previous, startOf(date) + qint64(day.lastSecond) * 1000);
        previousDay = date;
    }
    if (!report.card.fullOn)
        gap(endMs, endDate, true);
}

void ReportBuilder::decideDays(CardReport& report, qint64 startMs, qint64 endMs) {
    const QDate startDate = dateOf(startMs);
    const QDate endDate = dateOf(endMs);
    QDate firstDay = startDate;
    QDate lastDay = endDate;
    // Days with pictures dated outside the deployment (by more than a minute) join the row.
    for (const auto& [date, day] : days_) {
        if (day.pictures + day.videos == 0)
            continue;
        const qint64 first = startOf(date) + qint64(day.firstSecond) * 1000;
        const qint64 last = startOf(date) + qint64(day.lastSecond) * 1000;
        if (date < firstDay && date >= startDate.addDays(-daysAround) &&
            first < startMs - matchSeconds * 1000)
            firstDay = date;
        if (date > lastDay && date <= endDate.addDays(daysAround) &&
            last > endMs + matchSeconds * 1000)
            lastDay = date;
    }
    if (times_.empty())
        findGaps(report, startMs, endMs);
    for (QDate date = firstDay; date <= lastDay; date = date.addDays(1)) {
        DayRow row;
        row.date = date;
        const auto found = days_.find(date);
        const Tally day = found == days_.end() ? Tally{} : found->second;
        row.pictures = day.pictures;
        row.videos = day.videos;
        row.onTimeLapse = day.onTimeLapse[0];
        row.motion = std::max(0, row.pictures + row.videos - row.onTimeLapse);
        for (const int time : times_) {
            const qint64 at = startOf(date) + qint64(time) * 1000;
            if (at >= startMs && at <= endMs)
                ++row.timeLapseTimes;
        }
        // Kept also where the pictures keep it shifted: the clock finding tells of that.
        bool kept = day.onTimeLapse[0] > 0;
        for (std::size_t i = 1; i < shifts.size(); ++i)
            kept = kept || (telling_[i] && day.onTimeLapse[i] > 0);
        if (date < startDate)
            row.state = DayState::Before;
        else if (date > endDate)
            row.state = DayState::After;
        else if (report.card.fullOn && date > *report.card.fullOn)
            row.state = DayState::CardFull;
        else if (row.timeLapseTimes > 0 && !kept)
            row.state = DayState::Down;
        else if (noPictureDays_.contains(date))
            row.state = DayState::NoPictures;
        else
            row.state = DayState::Working;
        report.days.push_back(row);
    }
    report.deploymentDays = static_cast<int>(startDate.daysTo(endDate)) + 1;
    for (const DayRow& row : report.days) {
        report.workingDays += row.state == DayState::Working ? 1 : 0;
        report.fullDays += row.state == DayState::CardFull ? 1 : 0;
    }
    report.down =
        stretchesOf(report.days, [](const DayRow& day) { return day.state == DayState::Down; });
    report.noPictures = stretchesOf(
        report.days, [](const DayRow& day) { return day.state == DayState::NoPictures; });
}

void ReportBuilder::findShifts(CardReport& report) const {
    if (!basis_.schedule)
        return;
    const bool windows = !basis_.schedule->active.isAllDay() && basis_.schedule->activeTimeKnown;
    for (std::size_t i = 1; i < shifts.size(); ++i) {
        ScheduleShift shift;
        shift.seconds = shifts[i];
        for (const DayRow& row : report.days) {
            if (row.state == DayState::Before || row.state == DayState::After)
                continue;
            const auto found = days_.find(row.date);
            if (found == days_.end())
                continue;
            const Tally& day = found->second;
            const int media = day.pictures + day.videos;
            const bool kept =
                times_.empty() ? windows && media >= fewestForWindows &&
                                     day.inWindows[0] * 2 <= media && day.inWindows[i] == media
                               : telling_[i] && row.timeLapseTimes > 0 && day.onTimeLapse[0] == 0 &&
                                     day.onTimeLapse[i] * 2 >= std::max(1, row.timeLapseTimes);
            if (!kept)
                continue;
            if (shift.days++ == 0)
                shift.first = row.date;
            shift.last = row.date;
        }
        if (shift.days > 0)
            report.clock.shifts.push_back(shift);
    }
}

void ReportBuilder::compare(CardReport& report) const {
    Comparison& c = report.comparison;
    const Comparison& e = basis_.estimates;
    c.picturesPerDayEstimated = e.picturesPerDayEstimated;
    c.timeLapsePerDay = e.timeLapsePerDay;
    c.triggersAssumed = e.triggersAssumed;
    c.megabytesAssumed = e.megabytesAssumed;
    if (c.pictures > 0)
        c.megabytesPerPicture = static_cast<double>(c.pictureBytes) / c.pictures / 1e6;
    const plan::MenuDay* schedule = basis_.schedule ? &*basis_.schedule : nullptr;
    if (!report.hasMedia() || report.workingDays == 0 || (schedule && !schedule->motion))
        return;
    int motionPictures = 0;
    int motionVideos = 0;
    for (const DayRow& row : report.days) {
        if (row.state == DayState::Before || row.state == DayState::After)
            continue;
        const int timeLapse = times_.empty() ? 0 : row.onTimeLapse;
        motionPictures +=
            row.pictures - (timeLapseTakesPhotos_ ? std::min(timeLapse, row.pictures) : 0);
        motionVideos += row.videos - (timeLapseTakesPhotos_ ? 0 : std::min(timeLapse, row.videos));
    }
    double triggers = motionPictures;
    if (schedule && schedule->videoSeconds > 0)
        triggers = motionVideos;
    else if (schedule && schedule->photosPerTrigger > 0)
        triggers = static_cast<double>(motionPictures) / schedule->photosPerTrigger;
    c.triggersPerDay = triggers / report.workingDays;
    // A camera that saw nothing move tells nothing of the next place: no triggers are offered.
    if (triggers > 0)
        c.nextTriggersPerDay = std::clamp(static_cast<int>(std::lround(*c.triggersPerDay)), 1,
                                          plan::maxTriggersPerDay);
}

bool ClockFindings::problem() const {
    const bool photoOff = std::any_of(photos.begin(), photos.end(), [](const ClockPhoto& photo) {
        return std::abs(photo.offsetMs) > matchSeconds * 1000;
    });
    return beforeStart > 0 || before2010 > 0 || factoryDate > 0 || photoOff || !shifts.empty();
}

bool CardReport::allWell() const {
    return hasMedia() && down.empty() && fullDays == 0 && !clock.problem();
}

} // namespace kestrova::field
