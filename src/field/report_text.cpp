#include "field/report_text.h"

#include "i18n/field_texts.h"
#include "plan/amounts.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace kestrova::field {

namespace {

using i18n::FieldText;

// The widest bar of the text chart, in characters.
constexpr int chartWidth = 40;
// A clock photo further off than this is a whole hour or half a day out, give or take.
constexpr qint64 roundShiftMs = 3 * 60 * 1000;

QString text(FieldText id, int language) {
    return i18n::fieldText(id, language);
}

QString counted(FieldText id, int language, int n) {
    return i18n::fieldText(id, language, n);
}

QString number(qint64 value, int language) {
    return i18n::localeOf(language).toString(value);
}

QString timeText(const QDateTime& time) {
    return time.toString(QStringLiteral("yyyy-MM-dd HH:mm"));
}

QString startSource(StartSource source, int language) {
    switch (source) {
    case StartSource::CamerasTable:
        return text(FieldText::StartCamerasTable, language);
    case StartSource::TimeWritten:
        return text(FieldText::StartWritten, language);
    case StartSource::CameraClock:
        return text(FieldText::StartCameraClock, language);
    case StartSource::FirstPicture:
    case StartSource::None:
        break;
    }
    return text(FieldText::StartFirstPicture, language);
}

void clockPhotoLines(QStringList& lines, const ClockPhoto& photo, int language) {
    const qint64 off = std::abs(photo.offsetMs);
    const QString shows = photo.camera.text();
    const QString truth = photo.truth.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    const QString how = plan::durationText(static_cast<int>((off + 500) / 1000), language);
    if (off <= 60000)
        lines << text(FieldText::ClockPhotoRight, language).arg(photo.file, shows, truth);
    else
        lines << text(photo.offsetMs > 0 ? FieldText::ClockPhotoAhead : FieldText::ClockPhotoBehind,
                      language)
                     .arg(photo.file, shows, truth, how);
    if (std::abs(off - 3600 * 1000) <= roundShiftMs)
        lines.last() += u' ' + text(FieldText::ClockHourOff, language);
    else if (std::abs(off - 12 * 3600 * 1000) <= roundShiftMs)
        lines.last() += u' ' + text(FieldText::ClockHalfDayOff, language);
}

} // namespace

QString stretchesText(const std::vector<DayStretch>& stretches) {
    QStringList parts;
    for (const DayStretch& stretch : stretches)
        parts << (stretch.days() == 1 ? stretch.first.toString(Qt::ISODate)
                                      : stretch.first.toString(Qt::ISODate) + u'\u2013' +
                                            stretch.last.toString(Qt::ISODate));
    return parts.join(QStringLiteral(", "));
}

QString dayStateText(DayState state, int language) {
    switch (state) {
    case DayState::Before:
        return text(FieldText::StateBefore, language);
    case DayState::Working:
        return text(FieldText::StateWorking, language);
    case DayState::NoPictures:
        return text(FieldText::StateNoPictures, language);
    case DayState::Down:
        return text(FieldText::StateDown, language);
    case DayState::CardFull:
        return text(FieldText::StateCardFull, language);
    case DayState::After:
        break;
    }
    return text(FieldText::StateAfter, language);
}

QString damageText(const DamagedFile& file, int language) {
    switch (file.damage) {
    case MediaDamage::Empty:
        return text(FieldText::DamageEmpty, language);
    case MediaDamage::Unreadable:
        return text(FieldText::DamageUnreadable, language).arg(file.reason);
    case MediaDamage::NotItsKind:
        return text(FieldText::DamageNotItsKind, language);
    case MediaDamage::NoEndMarker:
        return text(FieldText::DamageNoEndMarker, language);
    case MediaDamage::Truncated:
        return text(FieldText::DamageTruncated, language);
    case MediaDamage::BadHeader:
    case MediaDamage::None:
        break;
    }
    return text(FieldText::DamageBadHeader, language);
}

QString dayText(const DayRow& day, int language) {
    return text(FieldText::DayDetail, language)
        .arg(day.date.toString(Qt::ISODate), dayStateText(day.state, language),
             number(day.pictures, language), number(day.videos, language),
             number(day.onTimeLapse, language), number(day.timeLapseTimes, language));
}

QStringList deploymentLines(const CardReport& report, int language) {
    const Deployment& d = report.deployment;
    QStringList parts;
    if (!d.cameraId.isEmpty())
        parts << text(FieldText::CameraPart, language).arg(d.cameraId);
    const QString place = d.locationName.isEmpty() ? d.locationId : d.locationName;
    if (!place.isEmpty())
        parts << place;
    if (!d.latitude.isEmpty() && !d.longitude.isEmpty())
        parts << d.latitude + QStringLiteral(", ") + d.longitude;
    if (!d.setupBy.isEmpty())
        parts << text(FieldText::SetupByPart, language).arg(d.setupBy);
    QStringList lines{text(FieldText::Title, language).arg(report.folder),
                      text(FieldText::DeploymentLine, language)
                          .arg(parts.isEmpty() ? d.id
                                               : QStringLiteral("%1 (%2)").arg(
                                                     d.id, parts.join(QStringLiteral("; "))))};
    if (d.start && d.end)
        lines << counted(FieldText::PeriodLine, language, report.deploymentDays)
                     .arg(timeText(*d.start), startSource(d.startSource, language),
                          timeText(*d.end),
                          text(d.endSource == EndSource::Retrieved ? FieldText::EndRetrieved
                                                                   : FieldText::EndLastPicture,
                               language));
    if (report.menu) {
        lines << text(FieldText::NoMenu, language);
    } else {
        lines << text(FieldText::CameraLine, language).arg(report.modelName);
        for (const QString& sentence : report.settingsSentences)
            lines << QStringLiteral("  ") + sentence;
    }
    return lines;
}

QStringList workingLines(const CardReport& report, int language) {
    if (!report.hasMedia())
        return {text(FieldText::NoMedia, language)};
    QStringList lines{counted(FieldText::WorkingLine, language, report.deploymentDays)
                          .arg(number(report.workingDays, language))};
    if (!report.down.empty())
        lines << text(FieldText::DownLine, language).arg(stretchesText(report.down));
    if (!report.noPictures.empty())
        lines << text(FieldText::NoPicturesLine, language).arg(stretchesText(report.noPictures));
    for (const Gap& gap : report.gaps)
        lines << text(FieldText::GapLine, language)
                     .arg(gap.from.text(), gap.to.text(),
                          plan::durationText(static_cast<int>(gap.activeHours * 3600) / 60 * 60,
                                             language));
    if (report.card.fullOn)
        lines << counted(FieldText::CardFullLine, language, report.fullDays)
                     .arg(report.card.fullOn->toString(Qt::ISODate));
    if (report.card.overwrites)
        lines << text(FieldText::OverwritesLine, language);
    return lines;
}

QStringList clockLines(const CardReport& report, int language) {
    const ClockFindings& clock = report.clock;
    QStringList lines;
    if (clock.firstAfterStartSeconds) {
        const qint64 seconds = *clock.firstAfterStartSeconds;
        const QString how = plan::durationText(
            static_cast<int>(std::min<qint64>(std::abs(seconds), INT_MAX)), language);
        lines << text(seconds >= 0 ? FieldText::ClockFirstAfter : FieldText::ClockFirstBefore,
                      language)
                     .arg(how);
    }
    for (const ClockPhoto& photo : clock.photos)
        clockPhotoLines(lines, photo, language);
    if (clock.driftSecondsPerDay && std::abs(*clock.driftSecondsPerDay) >= 0.5) {
        const double drift = *clock.driftSecondsPerDay;
        lines << text(drift > 0 ? FieldText::ClockGains : FieldText::ClockLoses, language)
                     .arg(plan::durationText(static_cast<int>(std::lround(std::abs(drift))),
                                             language));
    }
    if (clock.beforeStart > 0)
        lines << counted(FieldText::ClockBeforeStart, language, clock.beforeStart)
                     .arg(clock.earliestBeforeStart->text());
    if (clock.before2010 > 0)
        lines << counted(FieldText::ClockBefore2010, language, clock.before2010);
    if (clock.factoryDate > 0)
        lines << counted(FieldText::ClockFactory, language, clock.factoryDate);
    for (const ScheduleShift& shift : clock.shifts) {
        const QString first = shift.first.toString(Qt::ISODate);
        const QString last = shift.last.toString(Qt::ISODate);
        if (std::abs(shift.seconds) == 3600)
            lines << counted(FieldText::ClockShiftHour, language, shift.days)
                         .arg(first, last,
                              (shift.seconds > 0 ? QStringLiteral("+") : QStringLiteral("\u2212")) +
                                  plan::durationText(3600, language));
        else
            lines << counted(FieldText::ClockShiftHalfDay, language, shift.days).arg(first, last);
    }
    if (!clock.problem())
        lines << text(FieldText::ClockFine, language);
    return lines;
}

QStringList cardLines(const CardReport& report, int language) {
    const CardFindings& card = report.card;
    const Comparison& c = report.comparison;
    QStringList lines{text(FieldText::CardLine, language)
                          .arg(number(c.pictures, language),
                               plan::sizeText(c.pictureBytes, language), number(c.videos, language),
                               plan::sizeText(c.videoBytes, language))};
    if (card.bytesFree)
        lines << text(FieldText::CardFree, language).arg(plan::sizeText(*card.bytesFree, language));
    if (card.damagedCount > 0) {
        lines << counted(FieldText::DamagedLine, language, card.damagedCount);
        for (const DamagedFile& file : card.damaged)
            lines << QStringLiteral("  ") + text(FieldText::DamagedFileLine, language)
                                                .arg(file.path, damageText(file, language));
        const int more = card.damagedCount - static_cast<int>(card.damaged.size());
        if (more > 0)
            lines << QStringLiteral("  ") + counted(FieldText::DamagedMore, language, more);
    }
    if (card.repeatedNumbers > 0)
        lines << counted(FieldText::RepeatedLine, language, card.repeatedNumbers)
                     .arg(card.repeatedExample);
    if (card.fileTimeOnly > 0)
        lines << counted(FieldText::FileTimeLine, language, card.fileTimeOnly)
                     .arg(card.fileTimeExample);
    return lines;
}

QStringList comparisonLines(const CardReport& report, int language) {
    const Comparison& c = report.comparison;
    QStringList lines{text(FieldText::ComparisonTitle, language)};
    const QString pictures = number(c.pictures + c.videos, language);
    if (c.picturesEstimated)
        lines << QStringLiteral("  ") +
                     text(FieldText::PicturesEstimated, language)
                         .arg(pictures, number(std::llround(*c.picturesEstimated), language));
    else
        lines << QStringLiteral("  ") + text(FieldText::PicturesOnly, language).arg(pictures);
    if (c.triggersPerDay)
        lines << QStringLiteral("  ") + text(FieldText::TriggersLine, language)
                                            .arg(plan::numberText(*c.triggersPerDay, language),
                                                 number(c.triggersAssumed, language));
    if (c.megabytesPerPicture && c.megabytesAssumed)
        lines << QStringLiteral("  ") +
                     text(FieldText::MegabytesLine, language)
                         .arg(plan::numberText(*c.megabytesPerPicture, language),
                              plan::numberText(c.megabytesAssumed->value, language),
                              c.megabytesAssumed->whatText());
    if (c.nextTriggersPerDay)
        lines << text(FieldText::NextSetup, language)
                     .arg(QStringLiteral("--triggers-per-day %1").arg(*c.nextTriggersPerDay));
    return lines;
}

QStringList chartLines(const CardReport& report, int language) {
    if (report.days.empty() || !report.hasMedia())
        return {};
    int most = 1;
    for (const DayRow& day : report.days)
        most = std::max(most, day.pictures + day.videos);
    QStringList lines{text(FieldText::ChartTitle, language)};
    for (const DayRow& day : report.days) {
        const int count = day.pictures + day.videos;
        const int width = static_cast<int>(std::lround(double(count) * chartWidth / most));
        QString line =
            QStringLiteral("  %1 %2 %3")
                .arg(day.date.toString(Qt::ISODate),
                     QString(width, u'\u2588').leftJustified(chartWidth), number(count, language));
        if (day.state != DayState::Working)
            line += QStringLiteral("  ") + dayStateText(day.state, language);
        lines << line;
    }
    return lines;
}

QStringList reportLines(const CardReport& report, int language) {
    return deploymentLines(report, language) + workingLines(report, language) +
           clockLines(report, language) + cardLines(report, language) +
           chartLines(report, language) + comparisonLines(report, language);
}

} // namespace kestrova::field
