#pragma once

#include "common/form_variants.h"
#include "mms/mms_settings.h"
#include "plan/plan_inputs.h"
#include "plan/summary.h"

namespace kestrova::plan {

// What a "setup.dat" holds: the settings as written (in "Auto" mode with the preset's network
// texts), with the form and model that read it.
struct MmsFacts {
    MmsForm form = MmsForm::B;
    int model = 1;
    mms::MmsSettings settings;
};

// Whether and what the camera sends by MMS, to whom, how many a day and a month, the SMS remote
// control and the network; and what works against it.
Summary summarizeMms(const MmsFacts& mms, const PlanInputs& inputs);

} // namespace kestrova::plan
