#include "field/report_json.h"

#include <QJsonArray>

namespace kestrova::field {

namespace {

QJsonValue optional(const std::optional<double>& value) {
    return value ? QJsonValue(*value) : QJsonValue();
}

QJsonValue timeOf(const std::optional<QDateTime>& time) {
    return time ? QJsonValue(time->toString(Qt::ISODate)) : QJsonValue();
}

QString wall(const CameraTime& time) {
    return time.wall()
        .toString(time.wall().time().msec() ? Qt::ISODateWithMs : Qt::ISODate)
        .chopped(1); // the wall clock has no zone: no "Z"
}

QJsonArray stretches(const std::vector<DayStretch>& list) {
    QJsonArray array;
    for (const DayStretch& stretch : list)
        array.append(QJsonObject{{QStringLiteral("first"), stretch.first.toString(Qt::ISODate)},
                                 {QStringLiteral("last"), stretch.last.toString(Qt::ISODate)},
                                 {QStringLiteral("days"), stretch.days()}});
    return array;
}

QJsonObject deploymentJson(const Deployment& d) {
    return {{QStringLiteral("id"), d.id},
            {QStringLiteral("camera_id"), d.cameraId},
            {QStringLiteral("location_id"), d.locationId},
            {QStringLiteral("location_name"), d.locationName},
            {QStringLiteral("latitude"), d.latitude},
            {QStringLiteral("longitude"), d.longitude},
            {QStringLiteral("setup_by"), d.setupBy},
            {QStringLiteral("model"), d.modelName},
            {QStringLiteral("card_uuid"), d.card.uuid},
            {QStringLiteral("card_label"), d.card.label},
            {QStringLiteral("from_log"), d.fromLog},
            {QStringLiteral("start"), timeOf(d.start)},
            {QStringLiteral("start_from"), startSourceKey(d.startSource)},
            {QStringLiteral("end"), timeOf(d.end)},
            {QStringLiteral("end_from"),
             d.endSource == EndSource::Retrieved     ? QStringLiteral("retrieved")
             : d.endSource == EndSource::LastPicture ? QStringLiteral("last_picture")
                                                     : QString()}};
}

QJsonObject clockJson(const ClockFindings& clock) {
    QJsonArray photos;
    for (const ClockPhoto& photo : clock.photos)
        photos.append(QJsonObject{{QStringLiteral("file"), photo.file},
                                  {QStringLiteral("camera_time"), wall(photo.camera)},
                                  {QStringLiteral("true_time"), photo.truth.toString(Qt::ISODate)},
                                  {QStringLiteral("offset_seconds"), photo.offsetMs / 1000.0}});
    QJsonArray shifts;
    for (const ScheduleShift& shift : clock.shifts)
        shifts.append(QJsonObject{{QStringLiteral("shift_seconds"), shift.seconds},
                                  {QStringLiteral("days"), shift.days},
                                  {QStringLiteral("first"), shift.first.toString(Qt::ISODate)},
                                  {QStringLiteral("last"), shift.last.toString(Qt::ISODate)}});
    return {
        {QStringLiteral("problem"), clock.problem()},
        {QStringLiteral("before_start"), clock.beforeStart},
        {QStringLiteral("earliest_before_start"),
         clock.earliestBeforeStart ? QJsonValue(wall(*clock.earliestBeforeStart)) : QJsonValue()},
        {QStringLiteral("before_2010"), clock.before2010},
        {QStringLiteral("factory_date"), clock.factoryDate},
        {QStringLiteral("first_picture_after_start_seconds"),
         clock.firstAfterStartSeconds ? QJsonValue(double(*clock.firstAfterStartSeconds))
                                      : QJsonValue()},
        {QStringLiteral("clock_photos"), photos},
        {QStringLiteral("offset_seconds"),
         clock.photos.empty() ? QJsonValue() : QJsonValue(clock.photos.front().offsetMs / 1000.0)},
        {QStringLiteral("drift_seconds_per_day"), optional(clock.driftSecondsPerDay)},
        {QStringLiteral("schedule_shifts"), shifts}};
}

QJsonObject cardJson(const CardFindings& card) {
    QJsonArray damaged;
    for (const DamagedFile& file : card.damaged)
        damaged.append(QJsonObject{{QStringLiteral("file"), file.path},
                                   {QStringLiteral("damage"), damageKey(file.damage)},
                                   {QStringLiteral("reason"), file.reason}});
    return {{QStringLiteral("bytes_free"),
             card.bytesFree ? QJsonValue(double(*card.bytesFree)) : QJsonValue()},
            {QStringLiteral("full_on"),
             card.fullOn ? QJsonValue(card.fullOn->toString(Qt::ISODate)) : QJsonValue()},
            {QStringLiteral("overwrites_oldest"), card.overwrites},
            {QStringLiteral("repeated_numbers"), card.repeatedNumbers},
            {QStringLiteral("repeated_example"), card.repeatedExample},
            {QStringLiteral("damaged_files"), card.damagedCount},
            {QStringLiteral("damaged"), damaged},
            {QStringLiteral("file_time_only"), card.fileTimeOnly}};
}

QJsonObject comparisonJson(const Comparison& c) {
    return {{QStringLiteral("pictures"), c.pictures},
            {QStringLiteral("videos"), c.videos},
            {QStringLiteral("picture_bytes"), double(c.pictureBytes)},
            {QStringLiteral("video_bytes"), double(c.videoBytes)},
            {QStringLiteral("pictures_estimated"), optional(c.picturesEstimated)},
            {QStringLiteral("pictures_per_day_estimated"), optional(c.picturesPerDayEstimated)},
            {QStringLiteral("time_lapse_pictures_per_day"), optional(c.timeLapsePerDay)},
            {QStringLiteral("triggers_per_day_measured"), optional(c.triggersPerDay)},
            {QStringLiteral("triggers_per_day_assumed"), c.triggersAssumed},
            {QStringLiteral("megabytes_per_picture_measured"), optional(c.megabytesPerPicture)},
            {QStringLiteral("megabytes_per_picture_assumed"),
             c.megabytesAssumed ? QJsonValue(c.megabytesAssumed->value) : QJsonValue()},
            {QStringLiteral("next_triggers_per_day"),
             c.nextTriggersPerDay ? QJsonValue(*c.nextTriggersPerDay) : QJsonValue()}};
}

QJsonValue endPicture(const std::optional<EndPicture>& picture) {
    if (!picture)
        return {};
    return QJsonObject{{QStringLiteral("file"), picture->relativePath},
                       {QStringLiteral("time"), wall(picture->time)}};
}

} // namespace

QString dayStateKey(DayState state) {
    switch (state) {
    case DayState::Before:
        return QStringLiteral("before");
    case DayState::Working:
        return QStringLiteral("working");
    case DayState::NoPictures:
        return QStringLiteral("no_pictures");
    case DayState::Down:
        return QStringLiteral("down");
    case DayState::CardFull:
        return QStringLiteral("card_full");
    case DayState::After:
        break;
    }
    return QStringLiteral("after");
}

QString damageKey(MediaDamage damage) {
    switch (damage) {
    case MediaDamage::None:
        return {};
    case MediaDamage::Empty:
        return QStringLiteral("empty");
    case MediaDamage::Unreadable:
        return QStringLiteral("unreadable");
    case MediaDamage::NotItsKind:
        return QStringLiteral("not_its_kind");
    case MediaDamage::NoEndMarker:
        return QStringLiteral("no_end_marker");
    case MediaDamage::Truncated:
        return QStringLiteral("truncated");
    case MediaDamage::BadHeader:
        break;
    }
    return QStringLiteral("bad_header");
}

QString startSourceKey(StartSource source) {
    switch (source) {
    case StartSource::None:
        return {};
    case StartSource::CamerasTable:
        return QStringLiteral("cameras_table");
    case StartSource::TimeWritten:
        return QStringLiteral("time_written");
    case StartSource::CameraClock:
        return QStringLiteral("camera_clock");
    case StartSource::FirstPicture:
        break;
    }
    return QStringLiteral("first_picture");
}

QJsonObject reportJson(const CardReport& report) {
    QJsonArray days;
    for (const DayRow& day : report.days) {
        const std::optional<int> operation = day.operation();
        days.append(QJsonObject{
            {QStringLiteral("date"), day.date.toString(Qt::ISODate)},
            {QStringLiteral("state"), dayStateKey(day.state)},
            {QStringLiteral("operation"), operation ? QJsonValue(*operation) : QJsonValue()},
            {QStringLiteral("pictures"), day.pictures},
            {QStringLiteral("videos"), day.videos},
            {QStringLiteral("time_lapse_times"), day.timeLapseTimes},
            {QStringLiteral("on_time_lapse"), day.onTimeLapse},
            {QStringLiteral("motion"), day.motion}});
    }
    QJsonArray gaps;
    for (const Gap& gap : report.gaps)
        gaps.append(QJsonObject{{QStringLiteral("from"), wall(gap.from)},
                                {QStringLiteral("to"), wall(gap.to)},
                                {QStringLiteral("active_hours"), gap.activeHours}});
    return {{QStringLiteral("folder"), report.folder},
            {QStringLiteral("all_well"), report.allWell()},
            {QStringLiteral("deployment"), deploymentJson(report.deployment)},
            {QStringLiteral("menu"),
             report.menu ? QJsonValue(*report.menu) : QJsonValue(QStringLiteral("intact"))},
            {QStringLiteral("settings"), QJsonArray::fromStringList(report.settingsSentences)},
            {QStringLiteral("time_lapse_times_per_day"), report.timeLapseTimesPerDay},
            {QStringLiteral("deployment_days"), report.deploymentDays},
            {QStringLiteral("working_days"), report.workingDays},
            {QStringLiteral("days_down"), stretches(report.down)},
            {QStringLiteral("days_without_pictures"), stretches(report.noPictures)},
            {QStringLiteral("gaps"), gaps},
            {QStringLiteral("card_full_days"), report.fullDays},
            {QStringLiteral("days"), days},
            {QStringLiteral("clock"), clockJson(report.clock)},
            {QStringLiteral("card"), cardJson(report.card)},
            {QStringLiteral("measured"), comparisonJson(report.comparison)},
            {QStringLiteral("first_picture"), endPicture(report.firstPicture)},
            {QStringLiteral("last_picture"), endPicture(report.lastPicture)}};
}

} // namespace kestrova::field
