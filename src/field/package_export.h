#pragma once

#include "field/camtrap_package.h"
#include "field/card_reading.h"

namespace kestrova::field {

// A card's Camtrap DP package in `folder`: the deployment its report closes, and a media row
// for each picture and video, read from the card once more. Nothing when cancelled.
std::optional<PackageResult> exportCardPackage(const CardReport& report,
                                               const PreparedReport& prepared,
                                               const QString& folder,
                                               const ReadProgress& reading = {});

} // namespace kestrova::field
