#pragma once

#include "camera/camera_settings.h"
#include "camera/captured_time.h"
#include "common/form_variants.h"

namespace kestrova::plan {

// What a "menu.dat" holds, with the form and model that read it.
struct MenuFacts {
    CameraForm form = CameraForm::C;
    int model = 1;
    camera::CameraSettings settings;
    camera::CapturedTime clock;
};

} // namespace kestrova::plan
