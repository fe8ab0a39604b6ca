#pragma once

#include "camera/camera_settings.h"
#include "camera/captured_time.h"
#include "common/form_variants.h"
#include "plan/plan_inputs.h"
#include "plan/summary.h"

namespace kestrova::plan {

// What a "menu.dat" holds, with the form and model that read it.
struct MenuFacts {
    CameraForm form = CameraForm::C;
    int model = 1;
    camera::CameraSettings settings;
    camera::CapturedTime clock;
};

// What the camera does with these menu settings: on a trigger, when, what a time lapse adds,
// what is stamped, how the card fills, the clock; and what works against it.
Summary summarizeMenu(const MenuFacts& menu, const PlanInputs& inputs);

// Photos a video longer than this fill a card fast when nothing waits between triggers.
inline constexpr int longVideoSeconds = 30;

} // namespace kestrova::plan
