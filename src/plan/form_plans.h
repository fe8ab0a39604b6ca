#pragma once

#include "camera/menu_plan.h"
#include "mms/mms_plan.h"
#include "plan/clock_sync.h"
#include "smtp/smtp_plan.h"

namespace kestrova::plan {

// The plans the setup forms are handed: each summarises the form's settings with the facts of
// its folder's card, says what a write changed, and lays out the settings sheet. `clockSync`,
// when given, tells whether the PC's clock can be trusted; it must outlive the plan.
camera::MenuPlanPtr menuFormPlan(const ClockSync* clockSync = nullptr);
mms::MmsPlanPtr mmsFormPlan();
smtp::SmtpPlanPtr smtpFormPlan();

} // namespace kestrova::plan
