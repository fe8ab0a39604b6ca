#include "plan/smtp_summary.h"

#include "i18n/smtp_texts.h"
#include "i18n/summary_texts.h"
#include "plan/card_conflicts.h"
#include "plan/form_captions.h"
#include "plan/own_wording.h"
#include "plan/sending.h"
#include "plan/sending_summary.h"
#include "plan/video_mode_conflict.h"
#include "smtp/gprs_presets.h"
#include "smtp/smtp_fields.h"

namespace kestrova::plan {

using i18n::SummaryText;
using smtp::SmtpField;

Summary summarizeSmtp(const SmtpFacts& facts, const PlanInputs& inputs) {
    const int language = inputs.language;
    const auto text = [language](SummaryText id) { return i18n::summaryText(id, language); };
    const smtp::SmtpSettings& s = facts.settings;
    const FormCaptions captions = FormCaptions::smtp(facts.form, language);
    const auto caption = [&](SmtpField field) {
        return captions.settingName(smtp::smtpField(field).control[smtp::formColumn(facts.form)],
                                    ownCaption(field));
    };
    const auto name = [](SmtpField field) { return smtp::smtpField(field).nameText(); };

    Summary summary;
    const Sending sending = emailSending(s, facts.form);
    const QString recipient = (sending == Sending::TextMessages ? s.phone : s.recipient).trimmed();
    if (sending == Sending::Off)
        summary.sentences << text(SummaryText::EmailOff);
    else if (!recipient.isEmpty() && inputs.nameRecipients)
        summary.sentences
            << (sending == Sending::Pictures
                    ? text(SummaryText::EmailSends).arg(recipient, s.server, s.port, s.sender)
                    : text(SummaryText::SendsSms).arg(recipient));
    else if (!recipient.isEmpty())
        summary.sentences << (sending == Sending::Pictures
                                  ? text(SummaryText::EmailSendsUnnamed).arg(s.server, s.port)
                                  : text(SummaryText::SendsSmsUnnamed).arg(1));
    SendingVolume volume{sending, true, recipient.isEmpty() ? 0 : 1, s.picturesPerDay};
    if (sending == Sending::Pictures)
        volume.messageSize = sentPicture(QStringLiteral("VGA"), true);
    describeVolume(summary, volume, inputs);
    describeRemote(summary, s.remoteHours, language);
    describeNetwork(summary, s.automatic == 1, smtp::gprsCountryNames().value(s.country),
                    smtp::gprsOperatorNames(s.country).value(s.operatorCode), s.apn, language);

    if (sending == Sending::Pictures && recipient.isEmpty())
        summary.conflicts.push_back(
            {ConflictId::NoRecipient,
             {name(SmtpField::Recipient)},
             text(SummaryText::ConflictEmailNoRecipient).arg(caption(SmtpField::Recipient))});
    // Text messages go to the phone number alone, whatever address is given.
    if (sending == Sending::TextMessages && recipient.isEmpty())
        summary.conflicts.push_back({ConflictId::NoRecipient,
                                     {name(SmtpField::Status), name(SmtpField::Phone)},
                                     text(SummaryText::ConflictNoPhone)
                                         .arg(caption(SmtpField::Status),
                                              i18n::smtpSendOptions(language).value(s.status))});
    // No limit matters only where pictures are there to send.
    if (sending != Sending::Off && !recipient.isEmpty() && s.picturesPerDay == 0 &&
        menuTakesPhotos(inputs))
        summary.conflicts.push_back(
            {ConflictId::Unlimited,
             {name(SmtpField::PicturesPerDay)},
             text(SummaryText::ConflictUnlimited).arg(caption(SmtpField::PicturesPerDay))});
    if (sending == Sending::Pictures && inputs.files.menu)
        if (auto conflict =
                videoModeConflict(inputs.files.menu->settings, false, true, facts.model, language))
            summary.conflicts.push_back(std::move(*conflict));
    for (Conflict& card : cardConflicts(inputs))
        summary.conflicts.push_back(std::move(card));
    return summary;
}

} // namespace kestrova::plan
