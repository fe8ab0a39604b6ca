#pragma once

#include <QString>

#include <optional>
#include <utility>
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

    // How often something that repeats every `seconds` happens in a day: once as each stretch
    // begins, then once every `seconds` while the stretch lasts. So a time lapse counts its
    // photos, and triggers that each take their capture and their wait count their most.
    // Nothing for 0 seconds, which sets no bound.
    std::optional<int> startsEvery(int seconds) const;
    // When those happen, in seconds after midnight, earliest first: the time lapse's photos as
    // the summary counts them (a stretch across midnight gives its morning times to the day it
    // runs into). None for 0 seconds.
    std::vector<int> startTimes(int seconds) const;

private:
    // Each stretch as its first second after midnight and its length in seconds: what both the
    // count and the times of what repeats in them are taken from.
    std::vector<std::pair<int, int>> stretchSeconds() const;

    bool allDay_ = false;
    std::vector<DayWindow> stretches_;
};

// The minutes two windows share, as windows of their own.
std::vector<DayWindow> overlap(const DayWindow& a, const DayWindow& b);

} // namespace kestrova::plan
