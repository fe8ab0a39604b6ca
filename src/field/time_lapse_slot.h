#pragma once

#include <optional>
#include <vector>

namespace kestrova::field {

// A picture within a minute of a time-lapse time was taken by the time lapse.
inline constexpr int timeLapseMatchSeconds = 60;

// Which day's time-lapse time a moment falls on, within a minute of it: 0 its own day, -1 the
// day before, 1 the next (a moment just before midnight may be the next day's first time);
// nothing when it falls on none. `times` are the day's times in seconds after midnight, earliest
// first; `secondOfDay` is within 0..86399.
std::optional<int> timeLapseSlot(const std::vector<int>& times, int secondOfDay);

} // namespace kestrova::field
