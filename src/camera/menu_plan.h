#pragma once

#include "camera/camera_settings.h"
#include "camera/captured_time.h"
#include "common/form_variants.h"
#include "dialog/form_plan.h"

#include <memory>

namespace kestrova::camera {

// What a camera form hands its plan: the settings Generate would write and the clock it would
// give the camera.
struct MenuPlanInput {
    dialog::PlanRequest request;
    CameraForm form = CameraForm::C;
    CameraSettings settings;
    CapturedTime clock;
};

using MenuPlan = dialog::FormPlan<MenuPlanInput>;
using MenuPlanPtr = std::shared_ptr<const MenuPlan>;

} // namespace kestrova::camera
