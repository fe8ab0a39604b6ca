#pragma once

#include "dialog/form_plan.h"

#include <memory>

namespace kestrova::sending {

// What a sending form hands its plan: the settings as Generate would write them (the preset's
// texts in "Auto" mode), with the form that writes them.
template <typename Settings, typename Form> struct SendingPlanInput {
    dialog::PlanRequest request;
    Form form{};
    Settings settings;
};

template <typename Settings, typename Form>
using SendingPlanPtr = std::shared_ptr<const dialog::FormPlan<SendingPlanInput<Settings, Form>>>;

} // namespace kestrova::sending
