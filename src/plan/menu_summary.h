#pragma once

#include "plan/menu_facts.h"
#include "plan/plan_inputs.h"
#include "plan/summary.h"

namespace kestrova::plan {

// What the camera does with these menu settings: on a trigger, when, what a time lapse adds,
// what is stamped, how the card fills, the clock; and what works against it.
Summary summarizeMenu(const MenuFacts& menu, const PlanInputs& inputs);

// Photos a video longer than this fill a card fast when nothing waits between triggers.
inline constexpr int longVideoSeconds = 30;

} // namespace kestrova::plan
