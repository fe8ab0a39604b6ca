#pragma once

#include "common/form_variants.h"

namespace kestrova::mms {

// The number of entries of the "MMS Status" list: form B gives models 1 and 3 a QVGA entry.
int mmsStatusCount(MmsForm form, int model);

// "SMS" is the last entry of the status list, whichever list the model has.
constexpr bool isSmsOnly(int status, int statusCount) {
    return status == statusCount - 1;
}

// The most characters "Phone No" may hold.
constexpr int phoneDigitLimit(MmsForm form, bool international) {
    if (international)
        return 32;
    return form == MmsForm::A ? 12 : 11;
}

// Texts shorter than this count as not entered for the recipient rules; longer ones as entered.
inline constexpr int minRecipientLength = 5;

} // namespace kestrova::mms
