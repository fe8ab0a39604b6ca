#pragma once

#include "camera/camera_settings.h"
#include "plan/day_windows.h"

#include <vector>

namespace kestrova::plan {

// When a camera menu has the camera take pictures, and what it takes: the summary says it in
// words and numbers, the card report holds the pictures a card brought back against it.
struct MenuSchedule {
    ActiveTime active;
    bool motionOn = false;
    bool timeLapseOn = false;
    int timeLapseSeconds = 0; // the time lapse's interval as set, also while it is off
    int photosPerTrigger = 0;
    int videoSecondsPerTrigger = 0;
    int intervalSeconds = 0; // the wait after each trigger
    DayWindow timer;
    DayWindow timer2;

    // The times of the time lapse's photos in a day, as the summary counts them; none while the
    // time lapse is off or has no interval.
    std::vector<int> timeLapseTimes() const {
        return timeLapseOn ? active.timeLapseTimes(timeLapseSeconds) : std::vector<int>{};
    }
};

MenuSchedule menuSchedule(const camera::CameraSettings& settings);

} // namespace kestrova::plan
