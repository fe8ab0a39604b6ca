#include "plan/mms_summary.h"

#include "camera/menu_fields.h"
#include "i18n/mms_texts.h"
#include "i18n/summary_texts.h"
#include "mms/mms_fields.h"
#include "mms/operator_presets.h"
#include "plan/amounts.h"
#include "plan/card_conflicts.h"
#include "plan/form_captions.h"
#include "plan/own_wording.h"
#include "plan/sending.h"
#include "plan/sending_summary.h"
#include "plan/video_mode_conflict.h"

namespace kestrova::plan {

using i18n::SummaryText;
using mms::MmsField;

Summary summarizeMms(const MmsFacts& mms, const PlanInputs& inputs) {
    const int language = inputs.language;
    const auto text = [language](SummaryText id) { return i18n::summaryText(id, language); };
    const mms::MmsSettings& s = mms.settings;
    const FormCaptions captions = FormCaptions::mms(mms.form, language);
    const auto column = static_cast<std::size_t>(mms.form);
    const auto caption = [&](MmsField field) {
        const mms::MmsFieldRow& row = mms::mmsField(field);
        return row.label ? captions.caption(row.label)
                         : captions.settingName(row.control[column], ownCaption(field));
    };
    const auto name = [](MmsField field) { return mms::mmsField(field).nameText(); };

    Summary summary;
    const Sending sending = mmsSending(s, mms.form, mms.model);
    const QStringList recipients = mmsRecipients(s, sending);
    const QString to = listText(recipients, language);
    if (sending == Sending::Off)
        summary.sentences << text(SummaryText::MmsOff);
    else if (!recipients.isEmpty() && inputs.nameRecipients)
        summary.sentences
            << (sending == Sending::Pictures
                    ? text(SummaryText::MmsSends).arg(mmsPictureSize(s, mms.form, mms.model), to)
                    : text(SummaryText::SendsSms).arg(to));
    else if (!recipients.isEmpty())
        summary.sentences << (sending == Sending::Pictures
                                  ? text(SummaryText::MmsSendsUnnamed)
                                        .arg(mmsPictureSize(s, mms.form, mms.model))
                                        .arg(recipients.size())
                                  : text(SummaryText::SendsSmsUnnamed).arg(recipients.size()));
    SendingVolume volume{sending, false, int(recipients.size()), s.picturesPerDay};
    if (sending == Sending::Pictures)
        volume.messageSize = sentPicture(mmsPictureSize(s, mms.form, mms.model), false);
    describeVolume(summary, volume, inputs);
    describeRemote(summary, s.remoteHours, language);
    describeNetwork(summary, s.automatic == 1, mms::mmsCountryNames(language).value(s.country),
                    mms::mmsOperatorNames(s.country, language).value(s.operatorCode), s.apn,
                    language);

    const QString status = i18n::mmsSendOptions(mms.form, mms.model, language).value(s.status);
    const QStringList everyRecipient{name(MmsField::Status), name(MmsField::Phone1),
                                     name(MmsField::Email), name(MmsField::Phone2),
                                     name(MmsField::Phone3)};
    if (sending != Sending::Off && recipients.isEmpty()) {
        // Text messages go to phone numbers: an address given does not take them.
        const bool addressOnly = !mmsRecipients(s, Sending::Pictures).isEmpty();
        summary.conflicts.push_back(
            {ConflictId::NoRecipient, everyRecipient,
             text(addressOnly ? SummaryText::ConflictNoPhone : SummaryText::ConflictNoRecipient)
                 .arg(caption(MmsField::Status), status)});
    }
    // No limit matters only where pictures are there to send.
    if (sending != Sending::Off && !recipients.isEmpty() && s.picturesPerDay == 0 &&
        menuTakesPhotos(inputs))
        summary.conflicts.push_back(
            {ConflictId::Unlimited,
             {name(MmsField::PicturesPerDay)},
             text(SummaryText::ConflictUnlimited).arg(caption(MmsField::PicturesPerDay))});
    if (sending == Sending::Pictures && inputs.files.menu)
        if (auto conflict =
                videoModeConflict(inputs.files.menu->settings, true, false, mms.model, language))
            summary.conflicts.push_back(std::move(*conflict));
    for (Conflict& card : cardConflicts(inputs))
        summary.conflicts.push_back(std::move(card));
    return summary;
}

} // namespace kestrova::plan
