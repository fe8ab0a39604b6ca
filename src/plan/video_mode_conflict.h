#pragma once

#include "plan/summary.h"

#include <optional>

namespace kestrova::plan {

// Sending files that send pictures (`senders`, by name), beside a "menu.dat" that records video
// alone: the camera takes no photo to send.
std::optional<Conflict> videoModeConflict(std::optional<int> cameraMode, const QStringList& senders,
                                          int model, int language);

} // namespace kestrova::plan
