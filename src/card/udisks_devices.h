#pragma once

#include "card/device_facts.h"

#include <QList>

#include <optional>

namespace kestrova::card {

// How long the bus, and then udisks2, may take to answer.
constexpr int udisksWaitMs = 300;

// What udisks2 tells of the block devices: its drives' media, bus and spin rate, and the file
// systems' type, UUID and label. Nothing when the bus or the service does not answer in time.
// Kept out of the core, which needs no D-Bus.
std::optional<QList<DeviceFacts>> udisksDevices(int waitMs = udisksWaitMs);

} // namespace kestrova::card
