#include "plan/day_windows.h"

#include <algorithm>

namespace kestrova::plan {

namespace {

// A stretch within one calendar day, [from, to) in minutes.
struct Span {
    int from;
    int to;
};

// A window as stretches that do not cross midnight.
std::vector<Span> spansOf(const DayWindow& window) {
    if (window.minutes() == 0)
        return {};
    if (window.start < window.stop)
        return {{window.start, window.stop}};
    std::vector<Span> spans{{window.start, minutesPerDay}};
    if (window.stop > 0)
        spans.push_back({0, window.stop});
    return spans;
}

std::vector<Span> merged(std::vector<Span> spans) {
    std::sort(spans.begin(), spans.end(), [](Span a, Span b) { return a.from < b.from; });
    std::vector<Span> out;
    for (const Span span : spans) {
        if (!out.empty() && span.from <= out.back().to)
            out.back().to = std::max(out.back().to, span.to);
        else
            out.push_back(span);
    }
    return out;
}

// Whole stretches back into windows: one that ends at midnight and one that starts there are
// the same stretch of the night.
std::vector<DayWindow> windowsOf(std::vector<Span> spans) {
    if (spans.size() > 1 && spans.front().from == 0 && spans.back().to == minutesPerDay) {
        spans.back().to = spans.front().to;
        spans.erase(spans.begin());
    }
    std::vector<DayWindow> windows;
    for (const Span span : spans)
        windows.push_back({span.from, span.to % minutesPerDay});
    return windows;
}

int ceilDiv(int a, int b) {
    return (a + b - 1) / b;
}

} // namespace

QString windowText(const DayWindow& window) {
    const auto clock = [](int minutes) {
        return QStringLiteral("%1:%2")
            .arg(minutes / 60, 2, 10, QLatin1Char('0'))
            .arg(minutes % 60, 2, 10, QLatin1Char('0'));
    };
    return clock(window.start) + u'\u2013' + clock(window.stop);
}

ActiveTime ActiveTime::allDay() {
    ActiveTime time;
    time.allDay_ = true;
    return time;
}

ActiveTime ActiveTime::of(const std::vector<DayWindow>& windows) {
    std::vector<Span> spans;
    for (const DayWindow& window : windows) {
        const std::vector<Span> own = spansOf(window);
        spans.insert(spans.end(), own.begin(), own.end());
    }
    spans = merged(std::move(spans));
    if (spans.size() == 1 && spans.front().from == 0 && spans.front().to == minutesPerDay)
        return allDay();
    ActiveTime time;
    time.stretches_ = windowsOf(std::move(spans));
    return time;
}

int ActiveTime::minutes() const {
    if (allDay_)
        return minutesPerDay;
    int total = 0;
    for (const DayWindow& stretch : stretches_)
        total += stretch.minutes();
    return total;
}

std::vector<std::pair<int, int>> ActiveTime::stretchSeconds() const {
    if (allDay_)
        return {{0, secondsPerDay}};
    std::vector<std::pair<int, int>> seconds;
    for (const DayWindow& stretch : stretches_)
        seconds.emplace_back(stretch.start * 60, stretch.minutes() * 60);
    return seconds;
}

std::optional<int> ActiveTime::startsEvery(int seconds) const {
    if (seconds <= 0)
        return std::nullopt;
    int starts = 0;
    for (const auto& [from, length] : stretchSeconds())
        starts += ceilDiv(length, seconds);
    return starts;
}

std::vector<int> ActiveTime::startTimes(int seconds) const {
    std::vector<int> times;
    if (seconds <= 0)
        return times;
    // One as the stretch begins, then one every `seconds` while it lasts: ceilDiv's count.
    for (const auto& [from, length] : stretchSeconds()) {
        for (int after = 0; after < length; after += seconds)
            times.push_back((from + after) % secondsPerDay);
    }
    std::sort(times.begin(), times.end());
    return times;
}

std::vector<DayWindow> overlap(const DayWindow& a, const DayWindow& b) {
    std::vector<Span> shared;
    for (const Span x : spansOf(a)) {
        for (const Span y : spansOf(b)) {
            const Span both{std::max(x.from, y.from), std::min(x.to, y.to)};
            if (both.from < both.to)
                shared.push_back(both);
        }
    }
    return windowsOf(merged(std::move(shared)));
}

} // namespace kestrova::plan
