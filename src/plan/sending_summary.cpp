#include "plan/sending_summary.h"

#include "i18n/mms_texts.h"
#include "i18n/summary_texts.h"
#include "plan/amounts.h"
#include "plan/menu_day.h"

#include <algorithm>

namespace kestrova::plan {

using i18n::SummaryText;

PicturesToSend picturesToSend(const PlanInputs& inputs) {
    const Assumption triggers = assumedTriggers(inputs.triggersPerDay);
    const Assumption perTrigger = sentPerTrigger();
    const auto perTriggerCount = static_cast<int>(perTrigger.value);
    if (inputs.files.menu) {
        const MenuDay day = menuDay(*inputs.files.menu, inputs.triggersPerDay);
        // Where the menu's active time cannot be told, neither can its pictures.
        if (day.activeTimeKnown) {
            PicturesToSend pictures{day.timeLapsePhotos.value_or(0), true, {}};
            if (day.motion && day.photosPerTrigger > 0) {
                pictures.count += day.triggers * perTriggerCount;
                pictures.basis = {triggers, perTrigger};
                if (day.triggers < inputs.triggersPerDay)
                    pictures.basis.push_back(photoCapture());
            }
            return pictures;
        }
    }
    return {inputs.triggersPerDay * perTriggerCount, false, {triggers, perTrigger}};
}

bool menuTakesPhotos(const PlanInputs& inputs) {
    return !inputs.files.menu || menuDay(*inputs.files.menu, inputs.triggersPerDay).takesPhotos();
}

void describeVolume(Summary& summary, const SendingVolume& volume, const PlanInputs& inputs) {
    if (volume.sending == Sending::Off || volume.recipients == 0)
        return;
    const int language = inputs.language;
    const auto text = [language](SummaryText id) { return i18n::summaryText(id, language); };
    const bool emails = volume.email && volume.sending == Sending::Pictures;
    const QString perDay =
        emails ? QStringLiteral("emails_per_day") : QStringLiteral("messages_per_day");
    const QString perMonth =
        emails ? QStringLiteral("emails_per_month") : QStringLiteral("messages_per_month");

    // A limit bounds every day, the longest month included.
    if (volume.picturesPerDay > 0) {
        const int most = volume.picturesPerDay * volume.recipients;
        summary.figures.push_back({perDay + QStringLiteral("_at_most"), double(most)});
        summary.figures.push_back(
            {perMonth + QStringLiteral("_at_most"), double(most * daysInLongestMonth)});
        summary.sentences << text(emails ? SummaryText::EmailsLimit : SummaryText::MessagesLimit)
                                 .arg(countText(volume.picturesPerDay, language),
                                      countText(most, language),
                                      countText(most * daysInLongestMonth, language));
    }
    // What is sent, never beyond the limit.
    const PicturesToSend pictures = picturesToSend(inputs);
    int sent = pictures.count;
    if (volume.picturesPerDay > 0)
        sent = std::min(sent, volume.picturesPerDay);
    const int messages = sent * volume.recipients;
    const Assumption month = averageMonth();
    std::vector<Assumption> monthBasis = pictures.basis;
    monthBasis.push_back(month);
    const double monthly = messages * month.value;
    summary.figures.push_back({perDay, double(messages), !pictures.basis.empty(), pictures.basis});
    summary.figures.push_back({perMonth, monthly, true, monthBasis});
    if (volume.picturesPerDay == 0) {
        const QString day = countText(messages, language);
        const QString inMonth = countText(qRound64(monthly), language);
        if (pictures.fromMenu)
            summary.sentences << text(emails ? SummaryText::EmailsNoLimitMenu
                                             : SummaryText::MessagesNoLimitMenu)
                                     .arg(day, inMonth);
        else
            summary.sentences << text(emails ? SummaryText::EmailsNoLimit
                                             : SummaryText::MessagesNoLimit)
                                     .arg(day, inMonth, countText(inputs.triggersPerDay, language));
    }
    if (!volume.messageSize)
        return;
    std::vector<Assumption> dataBasis = monthBasis;
    dataBasis.push_back(*volume.messageSize);
    const double megabytes = monthly * volume.messageSize->value / 1000;
    summary.figures.push_back(
        {QStringLiteral("megabytes_sent_per_month"), megabytes, true, dataBasis});
    summary.sentences << text(volume.email ? SummaryText::EmailData : SummaryText::MmsData)
                             .arg(megabytesText(megabytes, language));
}

void describeRemote(Summary& summary, int remoteHours, int language) {
    // The list holds the hours 0 to 24, then its off entry.
    const qsizetype hours = i18n::hourOptions(language).size() - 1;
    if (remoteHours >= 0 && remoteHours < hours)
        summary.sentences << i18n::summaryText(SummaryText::RemoteOn, language).arg(remoteHours);
    else
        summary.sentences << i18n::summaryText(SummaryText::RemoteOff, language);
}

void describeNetwork(Summary& summary, bool automatic, const QString& country,
                     const QString& operatorName, const QString& apn, int language) {
    if (automatic)
        summary.sentences
            << i18n::summaryText(SummaryText::NetworkPreset, language).arg(country, operatorName);
    else
        summary.sentences << i18n::summaryText(SummaryText::NetworkTyped, language).arg(apn);
}

} // namespace kestrova::plan
