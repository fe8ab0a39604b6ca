#pragma once

#include "common/form_variants.h"
#include "dialog/form_plan.h"
#include "mms/mms_settings.h"

#include <memory>

namespace kestrova::mms {

// What an MMS form hands its plan: the settings as Generate would write them, the preset's
// network texts in "Auto" mode.
struct MmsPlanInput {
    dialog::PlanRequest request;
    MmsForm form = MmsForm::B;
    MmsSettings settings;
};

using MmsPlan = dialog::FormPlan<MmsPlanInput>;
using MmsPlanPtr = std::shared_ptr<const MmsPlan>;

} // namespace kestrova::mms
