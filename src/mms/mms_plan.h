#pragma once

#include "common/form_variants.h"
#include "mms/mms_settings.h"
#include "sending/sending_plan.h"

namespace kestrova::mms {

using MmsPlanInput = sending::SendingPlanInput<MmsSettings, MmsForm>;
using MmsPlan = dialog::FormPlan<MmsPlanInput>;
using MmsPlanPtr = sending::SendingPlanPtr<MmsSettings, MmsForm>;

} // namespace kestrova::mms
