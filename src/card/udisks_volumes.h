#pragma once

#include "card/volumes.h"

#include <optional>

namespace kestrova::card {

// The mounted file systems udisks2 knows, with their drives' removable flag and bus; nothing
// when the service does not run. Kept out of the core, so the command does not load D-Bus.
std::optional<QList<Volume>> udisksVolumes();

} // namespace kestrova::card
