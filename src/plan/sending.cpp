#include "plan/sending.h"

#include "i18n/language.h"
#include "i18n/mms_texts.h"
#include "mms/mms_checks.h"

namespace kestrova::plan {

Sending mmsSending(const mms::MmsSettings& settings, MmsForm form, int model) {
    if (settings.status <= 0)
        return Sending::Off;
    return mms::isSmsOnly(settings.status, mms::mmsStatusCount(form, model)) ? Sending::TextMessages
                                                                             : Sending::Pictures;
}

Sending emailSending(const smtp::SmtpSettings& settings, SmtpForm form) {
    // Form A has no status list: it sends whenever its file is on the card.
    if (form == SmtpForm::A)
        return Sending::Pictures;
    switch (settings.status) {
    case 0:
        return Sending::Off;
    case 1:
        return Sending::Pictures;
    default:
        return Sending::TextMessages;
    }
}

QString mmsPictureSize(const mms::MmsSettings& settings, MmsForm form, int model) {
    return i18n::mmsSendOptions(form, model, i18n::English).value(settings.status);
}

QStringList mmsRecipients(const mms::MmsSettings& settings, Sending sending) {
    QStringList recipients;
    for (const QString& text :
         {settings.phone1, settings.email, settings.phone2, settings.phone3}) {
        const QString recipient = text.trimmed();
        if (recipient.isEmpty())
            continue;
        // Phone numbers take a text message; an address cannot.
        if (sending == Sending::TextMessages && recipient.contains(u'@'))
            continue;
        recipients << recipient;
    }
    return recipients;
}

} // namespace kestrova::plan
