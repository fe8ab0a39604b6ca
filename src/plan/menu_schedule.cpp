#include "plan/menu_schedule.h"

namespace kestrova::plan {

namespace {

constexpr int senseOff = 3;
constexpr int modeVideo = 1;
constexpr int modeBoth = 2;

} // namespace

MenuSchedule menuSchedule(const camera::CameraSettings& s) {
    MenuSchedule schedule;
    schedule.motionOn = s.sense_level != senseOff;
    schedule.timeLapseOn = s.time_lapse == 0;
    schedule.timeLapseSeconds =
        s.time_lapse_hour * 3600 + s.time_lapse_minute * 60 + s.time_lapse_second;
    schedule.photosPerTrigger = s.camera_mode == modeVideo ? 0 : s.picture_no + 1;
    schedule.videoSecondsPerTrigger =
        s.camera_mode == modeVideo || s.camera_mode == modeBoth ? s.video_length : 0;
    schedule.intervalSeconds =
        s.interval_unit == camera::intervalSeconds ? s.interval_value : s.interval_value * 60;
    schedule.timer = {s.timer_start_hour * 60 + s.timer_start_minute,
                      s.timer_stop_hour * 60 + s.timer_stop_minute};
    schedule.timer2 = {s.timer2_start_hour * 60 + s.timer2_start_minute,
                       s.timer2_stop_hour * 60 + s.timer2_stop_minute};
    std::vector<DayWindow> windows;
    if (s.timer == 1)
        windows.push_back(schedule.timer);
    if (s.timer2 == 1)
        windows.push_back(schedule.timer2);
    schedule.active = windows.empty() ? ActiveTime::allDay() : ActiveTime::of(windows);
    return schedule;
}

} // namespace kestrova::plan
