#pragma once

#include "common/form_variants.h"
#include "mms/mms_settings.h"
#include "smtp/smtp_settings.h"

#include <QStringList>

namespace kestrova::plan {

// What a camera does with each picture it takes, as its sending settings say.
enum class Sending {
    Off,
    Pictures,     // the picture itself, by MMS or e-mail
    TextMessages, // an SMS instead of the picture
};

Sending mmsSending(const mms::MmsSettings& settings, MmsForm form, int model);
Sending emailSending(const smtp::SmtpSettings& settings, SmtpForm form);

inline bool mmsSendsPictures(const mms::MmsSettings& settings, MmsForm form, int model) {
    return mmsSending(settings, form, model) == Sending::Pictures;
}
inline bool emailSendsPictures(const smtp::SmtpSettings& settings, SmtpForm form) {
    return emailSending(settings, form) == Sending::Pictures;
}

// "VGA" or "QVGA": the size an MMS picture is sent at.
QString mmsPictureSize(const mms::MmsSettings& settings, MmsForm form, int model);

// Whom the MMS settings send to: the phone numbers and addresses given, in the form's order;
// a text message goes to phone numbers alone.
QStringList mmsRecipients(const mms::MmsSettings& settings, Sending sending);

} // namespace kestrova::plan
