#pragma once

#include "common/form_variants.h"
#include "dialog/form_plan.h"
#include "smtp/smtp_settings.h"

#include <memory>

namespace kestrova::smtp {

// What an SMTP form hands its plan: the settings as Generate would write them, the preset's
// GPRS texts in "Auto" mode.
struct SmtpPlanInput {
    dialog::PlanRequest request;
    SmtpForm form = SmtpForm::A;
    SmtpSettings settings;
};

using SmtpPlan = dialog::FormPlan<SmtpPlanInput>;
using SmtpPlanPtr = std::shared_ptr<const SmtpPlan>;

} // namespace kestrova::smtp
