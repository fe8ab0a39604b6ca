#include "field/time_lapse_slot.h"

#include "plan/day_windows.h"

#include <algorithm>

namespace kestrova::field {

std::optional<int> timeLapseSlot(const std::vector<int>& times, int secondOfDay) {
    if (times.empty())
        return std::nullopt;
    const auto next = std::lower_bound(times.begin(), times.end(), secondOfDay);
    int nearest = timeLapseMatchSeconds + 1;
    int day = 0;
    const auto consider = [&](int distance, int dayShift) {
        if (distance < nearest) {
            nearest = distance;
            day = dayShift;
        }
    };
    if (next != times.end())
        consider(*next - secondOfDay, 0);
    if (next != times.begin())
        consider(secondOfDay - *(next - 1), 0);
    consider(times.front() + plan::secondsPerDay - secondOfDay, 1);
    consider(secondOfDay - (times.back() - plan::secondsPerDay), -1);
    if (nearest > timeLapseMatchSeconds)
        return std::nullopt;
    return day;
}

} // namespace kestrova::field
