#pragma once

#include "common/form_variants.h"
#include "plan/plan_inputs.h"
#include "plan/summary.h"
#include "smtp/smtp_settings.h"

namespace kestrova::plan {

// What a "smtp.dat" holds: the settings as written (in "Auto" mode with the preset's GPRS
// texts), with the form and model that read it.
struct SmtpFacts {
    SmtpForm form = SmtpForm::A;
    int model = 3;
    smtp::SmtpSettings settings;
};

// Whether and what the camera e-mails, through which server, to whom, how many a day and a
// month, the SMS remote control and the network; and what works against it.
Summary summarizeSmtp(const SmtpFacts& facts, const PlanInputs& inputs);

} // namespace kestrova::plan
