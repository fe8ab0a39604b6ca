#pragma once

#include "sending/sending_profile.h"
#include "smtp/smtp_file.h"

namespace kestrova::smtp {

// Reads the settings of one SMTP form from profiles and NAME=VALUE texts: the operator depends on
// the country, the GPRS texts on the mode; a text keeps its blanks, as a password may begin or
// end with one.
using SmtpProfileReader = sending::SendingProfileReader<SmtpFile>;

// The settings of a form as a profile, which SmtpProfileReader reads back: a preset's name with
// "name:" before one that reads as a number.
inline QJsonObject smtpProfile(const SmtpSettings& settings, SmtpForm form) {
    return sending::profileObject<SmtpFile>(settings, form, 0);
}

} // namespace kestrova::smtp
