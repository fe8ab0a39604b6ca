#include "plan/sending_summary.h"

#include "i18n/mms_texts.h"
#include "i18n/summary_texts.h"
#include "plan/amounts.h"

#include <algorithm>

namespace kestrova::plan {

using i18n::SummaryText;

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

    // What is sent at the assumed triggers, one picture for each, never beyond the limit.
    const std::vector<Assumption> basis{assumedTriggers(inputs.triggersPerDay), sentPerTrigger()};
    int sentPictures = static_cast<int>(inputs.triggersPerDay * sentPerTrigger().value);
    if (volume.picturesPerDay > 0) {
        sentPictures = std::min(sentPictures, volume.picturesPerDay);
        const int most = volume.picturesPerDay * volume.recipients;
        summary.figures.push_back({perDay + QStringLiteral("_at_most"), double(most)});
        summary.figures.push_back(
            {perMonth + QStringLiteral("_at_most"), double(most * daysPerMonth)});
        summary.sentences << text(emails ? SummaryText::EmailsLimit : SummaryText::MessagesLimit)
                                 .arg(volume.picturesPerDay)
                                 .arg(most)
                                 .arg(most * daysPerMonth);
    }
    const int messages = sentPictures * volume.recipients;
    summary.figures.push_back({perDay, double(messages), true, basis});
    summary.figures.push_back({perMonth, double(messages * daysPerMonth), true, basis});
    if (volume.picturesPerDay == 0)
        summary.sentences << text(emails ? SummaryText::EmailsNoLimit
                                         : SummaryText::MessagesNoLimit)
                                 .arg(messages)
                                 .arg(messages * daysPerMonth);
    if (!volume.messageSize)
        return;
    std::vector<Assumption> dataBasis = basis;
    dataBasis.push_back(*volume.messageSize);
    const double megabytes = messages * daysPerMonth * volume.messageSize->value / 1000;
    summary.figures.push_back(
        {QStringLiteral("megabytes_sent_per_month"), megabytes, true, dataBasis});
    summary.sentences << text(volume.email ? SummaryText::EmailData : SummaryText::MmsData)
                             .arg(megabytesText(megabytes, language));
}

void describeRemote(Summary& summary, int remoteHours, int language) {
    const QStringList hours = i18n::hourOptions(language);
    if (remoteHours >= 0 && remoteHours < hours.size() - 1)
        summary.sentences
            << i18n::summaryText(SummaryText::RemoteOn, language).arg(hours[remoteHours]);
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
