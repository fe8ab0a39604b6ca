#include "mms/mms_checks.h"

#include "i18n/language.h"
#include "i18n/mms_texts.h"

namespace kestrova::mms {

int mmsStatusCount(MmsForm form, int model) {
    return static_cast<int>(i18n::mmsSendOptions(form, model, i18n::English).size());
}

} // namespace kestrova::mms
