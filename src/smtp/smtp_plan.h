#pragma once

#include "common/form_variants.h"
#include "sending/sending_plan.h"
#include "smtp/smtp_settings.h"

namespace kestrova::smtp {

using SmtpPlanInput = sending::SendingPlanInput<SmtpSettings, SmtpForm>;
using SmtpPlan = dialog::FormPlan<SmtpPlanInput>;
using SmtpPlanPtr = sending::SendingPlanPtr<SmtpSettings, SmtpForm>;

} // namespace kestrova::smtp
