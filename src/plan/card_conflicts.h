#pragma once

#include "plan/plan_inputs.h"
#include "plan/summary.h"

#include <optional>
#include <vector>

namespace kestrova::plan {

// What stands against writing to the card or deploying it: read-only, too full for a day at
// `megabytesPerDay` (when known), too large for many cameras, still holding pictures.
std::vector<Conflict> cardConflicts(const PlanInputs& inputs,
                                    std::optional<double> megabytesPerDay = std::nullopt);

// The free space an estimate works with: the card size the owner gave, else the card's own.
std::optional<qint64> freeBytes(const PlanInputs& inputs);

// Cards as they are sold: a "32 GB" card holds a little less than 32e9 bytes.
inline constexpr qint64 largestFat32Card = 32'000'000'000LL;

} // namespace kestrova::plan
