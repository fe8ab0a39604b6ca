#include "plan/menu_day.h"

#include "plan/assumptions.h"

#include <algorithm>

namespace kestrova::plan {

namespace {

constexpr int on = 1;

} // namespace

DayWindow timerWindow(const camera::CameraSettings& s) {
    return {s.timer_start_hour * 60 + s.timer_start_minute,
            s.timer_stop_hour * 60 + s.timer_stop_minute};
}

DayWindow timer2Window(const camera::CameraSettings& s) {
    return {s.timer2_start_hour * 60 + s.timer2_start_minute,
            s.timer2_stop_hour * 60 + s.timer2_stop_minute};
}

int timeLapseSeconds(const camera::CameraSettings& s) {
    return s.time_lapse_hour * 3600 + s.time_lapse_minute * 60 + s.time_lapse_second;
}

int intervalSeconds(const camera::CameraSettings& s) {
    return s.interval_unit == camera::intervalSeconds ? s.interval_value : s.interval_value * 60;
}

MenuDay menuDay(const MenuFacts& menu, int triggersPerDay) {
    const camera::CameraSettings& s = menu.settings;
    MenuDay day;
    day.motion = s.sense_level != senseOff;
    day.timeLapse = s.time_lapse == timeLapseOn;
    day.photosPerTrigger = s.camera_mode == modeVideo ? 0 : s.picture_no + 1;
    day.videoSeconds = s.camera_mode == modeVideo || s.camera_mode == modeBoth ? s.video_length : 0;
    day.captureSeconds =
        day.photosPerTrigger * static_cast<int>(photoCapture().value) + day.videoSeconds;
    day.waitSeconds = intervalSeconds(s);

    std::vector<DayWindow> windows;
    if (s.timer == on)
        windows.push_back(timerWindow(s));
    if (s.timer2 == on)
        windows.push_back(timer2Window(s));
    day.activeTimeKnown = std::none_of(windows.begin(), windows.end(),
                                       [](const DayWindow& w) { return w.minutes() == 0; });
    day.active = windows.empty() ? ActiveTime::allDay() : ActiveTime::of(windows);
    if (!day.activeTimeKnown)
        return day;

    // A capture takes a second at least, so the triggers are always bounded.
    day.maxTriggers =
        day.motion ? day.active.startsEvery(day.captureSeconds + day.waitSeconds).value_or(0) : 0;
    day.triggers = std::min(triggersPerDay, *day.maxTriggers);
    if (day.timeLapse)
        day.timeLapsePhotos = day.active.startsEvery(timeLapseSeconds(s));
    return day;
}

} // namespace kestrova::plan
