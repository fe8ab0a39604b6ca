#pragma once

#include "camera/camera_settings.h"
#include "plan/summary.h"

#include <optional>

namespace kestrova::plan {

// "setup.dat" sending pictures by MMS, or "smtp.dat" by e-mail, beside a "menu.dat" that
// records video alone, without a time lapse: the camera takes no photo to send.
std::optional<Conflict> videoModeConflict(const camera::CameraSettings& menu, bool mmsSends,
                                          bool emailSends, int model, int language);

} // namespace kestrova::plan
