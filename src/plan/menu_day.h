#pragma once

#include "plan/day_windows.h"
#include "plan/menu_facts.h"

#include <optional>

namespace kestrova::plan {

// A camera's day as its menu makes it: when it is active, what a trigger takes, and how many
// triggers and time-lapse photos fit, at the triggers a day the owner assumes.
struct MenuDay {
    bool motion = false;
    bool timeLapse = false;
    int photosPerTrigger = 0;
    int videoSeconds = 0;   // a trigger's video
    int captureSeconds = 0; // a trigger's photos, at the assumed time each, and its video
    int waitSeconds = 0;    // the interval after each capture
    // A timer that is on with its start equal to its stop may be read by a camera as empty or
    // as the whole day; what depends on when the camera is active is then not told.
    bool activeTimeKnown = true;
    ActiveTime active = ActiveTime::allDay();
    // The most triggers the active time holds, each taking its capture and its wait; 0 with
    // the motion sensor off. Nothing where the active time is not known.
    std::optional<int> maxTriggers;
    // The triggers the estimates take: the assumed ones, never beyond the most.
    int triggers = 0;
    // Photos the time lapse takes, where it is on with an interval and the active time is known.
    std::optional<int> timeLapsePhotos;

    // Whether the menu makes any photo, whatever the triggers.
    bool takesPhotos() const { return (motion && photosPerTrigger > 0) || timeLapse; }
    // Photos a day at the assumed triggers: the triggers' and the time lapse's.
    int photos() const { return triggers * photosPerTrigger + timeLapsePhotos.value_or(0); }
    int videoSecondsADay() const { return triggers * videoSeconds; }
};

MenuDay menuDay(const MenuFacts& menu, int triggersPerDay);

// The list positions the rules of a day read.
inline constexpr int senseOff = 3;
inline constexpr int modeVideo = 1; // video alone
inline constexpr int modeBoth = 2;  // photos and a video
inline constexpr int timeLapseOn = 0;

// The settings' own numbers, as the menu's list positions hold them.
DayWindow timerWindow(const camera::CameraSettings& settings);
DayWindow timer2Window(const camera::CameraSettings& settings);
int timeLapseSeconds(const camera::CameraSettings& settings);
int intervalSeconds(const camera::CameraSettings& settings);

} // namespace kestrova::plan
