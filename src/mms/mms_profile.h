#pragma once

#include "mms/mms_file.h"
#include "sending/sending_profile.h"

namespace kestrova::mms {

// Reads the settings of one MMS form from profiles and NAME=VALUE texts: the operator depends on
// the country, the network texts and the bearer on the mode; "Phone No" and the further
// recipients are measured as the form measures them.
using MmsProfileReader = sending::SendingProfileReader<MmsFile>;

// The settings as a profile holds them, which MmsProfileReader reads back; model 0 when it is
// not known, which names the status by the entries every status list shares.
inline QJsonObject mmsProfileObject(const MmsSettings& settings, MmsForm form, int model) {
    return sending::profileObject<MmsFile>(settings, form, model);
}

} // namespace kestrova::mms
