#pragma once

#include <QString>

#include <optional>
#include <vector>

namespace kestrova::plan {

inline constexpr int minutesPerDay = 24 * 60;
inline constexpr int secondsPerDay = minutesPerDay * 60;

// A stretch of the day from `start` up to `stop`, in minutes after midnight; a stop before the
// start runs across midnight, a stop equal to the start holds no time.
struct DayWindow {
    int start = 0;
    int stop = 0;

    int minutes() const { return (stop - start + minutesPerDay) % minutesPerDay; }
    bool operator==(const DayWindow&) const = default;
};

// "18:00–06:00".
QString windowText(const DayWindow& window);

// The time the windows cover together, each minute once: the stretches in order of their
// start, a stretch across midnight joined into one; one window of the whole day when they
// cover it all.
class ActiveTime {
public:
    // No window at all: the camera is active all day.
    static ActiveTime allDay();
    // The windows a timer switched on gives, empty ones included.
    static ActiveTime of(const std::vector<DayWindow>& windows);

    bool isAllDay() const { return allDay_; }
    const std::vector<DayWindow>& stretches() const { return stretches_; }
    int minutes() const;

    // Photos a time lapse takes in a day at this interval: one as each stretch begins, then one
    // every interval while it lasts. Nothing for an interval of 0.
    std::optional<int> timeLapsePhotos(int intervalSeconds) const;
    // Those photos' times, in seconds after midnight, earliest first (a stretch across midnight
    // gives its morning times to the day it runs into); none for an interval of 0.
    std::vector<int> timeLapseTimes(int intervalSeconds) const;
    // The most triggers a day when each is followed by the interval; nothing for an interval of
    // 0, which sets no bound.
    std::optional<int> maxTriggers(int intervalSeconds) const;

private:
    bool allDay_ = false;
    std::vector<DayWindow> stretches_;
};

// The minutes two windows share, as windows of their own.
std::vector<DayWindow> overlap(const DayWindow& a, const DayWindow& b);

} // namespace kestrova::plan
