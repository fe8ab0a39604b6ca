#include "plan/menu_summary.h"

#include "camera/camera_lists.h"
#include "camera/menu_fields.h"
#include "i18n/summary_texts.h"
#include "plan/amounts.h"
#include "plan/card_conflicts.h"
#include "plan/day_windows.h"
#include "plan/form_captions.h"
#include "plan/menu_day.h"
#include "plan/own_wording.h"
#include "plan/video_mode_conflict.h"

#include <algorithm>

namespace kestrova::plan {

namespace {

using camera::MenuField;
using i18n::SummaryText;

constexpr int firstYearOfRightClock = 2024;

// Everything the sentences, numbers and conflicts of one menu share.
class MenuPlanner {
public:
    MenuPlanner(const MenuFacts& menu, const PlanInputs& inputs)
        : menu_(menu)
        , s_(menu.settings)
        , inputs_(inputs)
        , day_(menuDay(menu, inputs.triggersPerDay))
        , captions_(FormCaptions::camera(menu.form, inputs.language)) {}

    Summary summary() {
        describeTrigger();
        describeSensors();
        describeActiveTime();
        describeTimeLapse();
        describeStamp();
        if (menu_.form == CameraForm::B)
            say(s_.sd_cycle == 1 ? SummaryText::SdCycleOn : SummaryText::SdCycleOff);
        const auto& c = menu_.clock;
        if (inputs_.tellClock)
            add(text(SummaryText::ClockSet)
                    .arg(clockText(c.year, c.month, c.day, c.hour, c.minute, c.second)));
        estimate();
        findConflicts();
        return std::move(summary_);
    }

private:
    int language() const { return inputs_.language; }
    QString text(SummaryText id) const { return i18n::summaryText(id, language()); }
    void add(const QString& sentence) { summary_.sentences << sentence; }
    void say(SummaryText id) { add(text(id)); }
    void exact(const char* key, double value, std::vector<Assumption> bound = {}) {
        summary_.figures.push_back({QString::fromLatin1(key), value, false, std::move(bound)});
    }
    void estimated(const char* key, double value, std::vector<Assumption> basis) {
        summary_.figures.push_back({QString::fromLatin1(key), value, true, std::move(basis)});
    }
    // A figure that rests on nothing assumed is exact, such as the photos of a time lapse
    // with the motion sensor off.
    void figure(const char* key, double value, std::vector<Assumption> basis) {
        if (basis.empty())
            exact(key, value);
        else
            estimated(key, value, std::move(basis));
    }
    void conflict(ConflictId id, QStringList settings, const QString& message) {
        summary_.conflicts.push_back({id, std::move(settings), message});
    }

    const camera::MenuFieldRow& row(MenuField id) const { return camera::menuField(id); }
    QString caption(MenuField id) const {
        return captions_.settingName(row(id).controlOn(menu_.form), ownCaption(id));
    }
    QString name(MenuField id) const { return row(id).nameText(); }
    QString imageSize() const {
        return camera::imageSizeEntries(menu_.form, menu_.model).value(s_.image_size);
    }
    QString videoSize() const {
        return camera::videoSizeEntries(menu_.form, menu_.model).value(s_.video_size);
    }
    int timeLapse() const { return timeLapseSeconds(s_); }
    int interval() const { return intervalSeconds(s_); }

    void describeTrigger() {
        if (!day_.motion)
            return;
        const int photos = day_.photosPerTrigger;
        const QString length = durationText(s_.video_length, language());
        if (photos == 0) {
            add(text(SummaryText::TriggerVideo).arg(length, videoSize()));
        } else {
            constexpr SummaryText photoTexts[] = {SummaryText::TriggerPhotos1,
                                                  SummaryText::TriggerPhotos2,
                                                  SummaryText::TriggerPhotos3};
            constexpr SummaryText bothTexts[] = {SummaryText::TriggerPhotosVideo1,
                                                 SummaryText::TriggerPhotosVideo2,
                                                 SummaryText::TriggerPhotosVideo3};
            const std::size_t n = static_cast<std::size_t>(std::clamp(photos, 1, 3) - 1);
            if (day_.videoSeconds > 0)
                add(text(bothTexts[n]).arg(imageSize(), length, videoSize()));
            else
                add(text(photoTexts[n]).arg(imageSize()));
        }
        if (interval() > 0)
            add(text(SummaryText::WaitAfterTrigger).arg(durationText(interval(), language())));
        else
            say(SummaryText::NoWait);
    }

    void describeSensors() {
        if (day_.motion)
            add(text(SummaryText::MotionOn).arg(sensitivityText(s_.sense_level, language())));
        else
            say(SummaryText::MotionOff);
        if (row(MenuField::SidePir).onForm(menu_.form))
            say(s_.side_pir == 1 ? SummaryText::SideOn : SummaryText::SideOff);
    }

    void describeActiveTime() {
        // Which reading of an empty timer the camera takes cannot be told: the warning gives
        // both, and nothing here takes a side.
        if (!day_.activeTimeKnown) {
            say(SummaryText::ActiveUnknown);
            return;
        }
        const ActiveTime& active = day_.active;
        exact("active_minutes_per_day", active.minutes());
        const QString hours = durationText(active.minutes() * 60, language());
        const auto& stretches = active.stretches();
        if (active.isAllDay())
            say(SummaryText::ActiveAllDay);
        else if (stretches.empty())
            say(SummaryText::ActiveNever);
        else if (stretches.size() == 1)
            add(text(SummaryText::ActiveOneWindow).arg(windowText(stretches[0]), hours));
        else
            add(text(SummaryText::ActiveTwoWindows)
                    .arg(windowText(stretches[0]), windowText(stretches[1]), hours));
    }

    void describeTimeLapse() {
        if (!day_.timeLapsePhotos)
            return;
        exact("time_lapse_pictures_per_day", *day_.timeLapsePhotos);
        add(text(SummaryText::TimeLapse)
                .arg(durationText(timeLapse(), language()),
                     countText(*day_.timeLapsePhotos, language())));
    }

    QString serialText() const {
        const QStringList& characters = camera::serialCharacters();
        return characters.value(s_.serial_char1) + characters.value(s_.serial_char2) +
               characters.value(s_.serial_char3) + characters.value(s_.serial_char4);
    }

    void describeStamp() {
        const bool time = s_.time_stamp == 0;
        const bool serial = s_.serial_no == 1;
        if (time && serial)
            add(text(SummaryText::StampTimeAndText).arg(serialText()));
        else if (serial)
            add(text(SummaryText::StampText).arg(serialText()));
        else
            say(time ? SummaryText::StampTime : SummaryText::StampNothing);
    }

    void estimate() {
        // The most triggers rest on the time a photo takes; a video's length is its own.
        std::vector<Assumption> capture;
        if (day_.motion && day_.photosPerTrigger > 0)
            capture.push_back(photoCapture());
        if (day_.maxTriggers)
            exact("max_triggers_per_day", *day_.maxTriggers, capture);
        const bool timeLapse = day_.timeLapsePhotos.has_value();
        if (!day_.activeTimeKnown || (!day_.motion && !timeLapse))
            return;

        const int triggers = day_.triggers;
        std::vector<Assumption> triggerBasis;
        if (day_.motion) {
            triggerBasis.push_back(assumedTriggers(inputs_.triggersPerDay));
            if (triggers < inputs_.triggersPerDay) {
                triggerBasis.insert(triggerBasis.end(), capture.begin(), capture.end());
                add(text(SummaryText::TriggerCap).arg(countText(triggers, language())));
            }
        }
        const int pictures = day_.photos();
        const int video = day_.videoSecondsADay();
        std::vector<Assumption> sizeBasis = triggerBasis;
        double megabytes = 0;
        if (pictures > 0) {
            if (const auto size = pictureSize(imageSize())) {
                megabytes += pictures * size->value;
                sizeBasis.push_back(*size);
            }
        }
        if (video > 0) {
            if (const auto rate = videoRate(videoSize())) {
                megabytes += video * rate->value;
                sizeBasis.push_back(*rate);
            }
        }
        if (day_.motion)
            estimated("triggers_per_day", triggers, triggerBasis);
        figure("pictures_per_day", pictures, triggerBasis);
        figure("video_seconds_per_day", video, triggerBasis);
        estimated("megabytes_per_day", megabytes, sizeBasis);
        megabytesPerDay_ = megabytes;

        const QString size = megabytesText(megabytes, language());
        if (video > 0 && pictures > 0)
            add(text(SummaryText::EstimateBoth)
                    .arg(countText(pictures, language()), durationText(video, language()), size));
        else if (video > 0)
            add(text(SummaryText::EstimateVideo).arg(durationText(video, language()), size));
        else
            add(text(SummaryText::EstimatePhotos).arg(countText(pictures, language()), size));

        const std::optional<qint64> free = freeBytes(inputs_);
        if (!free || megabytes <= 0)
            return;
        const double days = static_cast<double>(*free) / 1e6 / megabytes;
        exact("card_bytes_free", static_cast<double>(*free));
        estimated("days_until_full", days, sizeBasis);
        const bool overwrites = menu_.form == CameraForm::B && s_.sd_cycle == 1;
        const SummaryText id = overwrites ? SummaryText::CardOverwrites : SummaryText::CardLasts;
        add(text(id).arg(sizeText(*free, language()), numberText(days, language())));
    }

    void findConflicts() {
        if (!day_.motion && !day_.timeLapse)
            conflict(ConflictId::NeverPictures,
                     {name(MenuField::SenseLevel), name(MenuField::TimeLapse)},
                     text(SummaryText::ConflictNeverPictures)
                         .arg(caption(MenuField::SenseLevel), caption(MenuField::TimeLapse)));
        timerConflicts();
        timeLapseConflicts();
        zeroIntervalConflict();
        videoModeConflict();
        if (inputs_.clockSynchronised == false)
            conflict(ConflictId::ClockNotSynced, {QStringLiteral("clock")},
                     text(SummaryText::ConflictClockNotSynced));
        const auto& c = menu_.clock;
        if (c.year < firstYearOfRightClock)
            conflict(ConflictId::ClockEarly, {QStringLiteral("clock")},
                     text(SummaryText::ConflictClockEarly)
                         .arg(clockText(c.year, c.month, c.day, c.hour, c.minute, c.second)));
        for (Conflict& card : cardConflicts(inputs_, megabytesPerDay_))
            summary_.conflicts.push_back(std::move(card));
    }

    void timerConflicts() {
        const struct {
            bool on;
            DayWindow window;
            MenuField list;
            MenuField first;
        } timers[] = {
            {s_.timer == 1, timerWindow(s_), MenuField::Timer, MenuField::TimerStartHour},
            {s_.timer2 == 1, timer2Window(s_), MenuField::Timer2, MenuField::Timer2StartHour}};
        for (const auto& t : timers) {
            if (!t.on || t.window.minutes() != 0)
                continue;
            QStringList settings{name(t.list)};
            for (int i = 0; i < 4; ++i)
                settings << name(MenuField(static_cast<int>(t.first) + i));
            conflict(ConflictId::TimerEmpty, settings,
                     text(SummaryText::ConflictTimerEmpty)
                         .arg(caption(t.list), windowText(t.window).section(u'\u2013', 0, 0)));
        }
        if (!timers[0].on || !timers[1].on)
            return;
        const std::vector<DayWindow> shared = overlap(timers[0].window, timers[1].window);
        if (shared.empty())
            return;
        QStringList spans;
        for (const DayWindow& window : shared)
            spans << windowText(window);
        conflict(ConflictId::TimersOverlap, {name(MenuField::Timer), name(MenuField::Timer2)},
                 text(SummaryText::ConflictTimersOverlap)
                     .arg(caption(MenuField::Timer), caption(MenuField::Timer2),
                          listText(spans, language())));
    }

    void timeLapseConflicts() {
        if (!day_.timeLapse)
            return;
        const QStringList settings{name(MenuField::TimeLapse), name(MenuField::TimeLapseHour),
                                   name(MenuField::TimeLapseMinute),
                                   name(MenuField::TimeLapseSecond)};
        if (timeLapse() == 0) {
            conflict(ConflictId::TimeLapseZero, settings,
                     text(SummaryText::ConflictTimeLapseZero).arg(caption(MenuField::TimeLapse)));
            return;
        }
        if (!day_.activeTimeKnown)
            return;
        QStringList shorter;
        for (const DayWindow& stretch : day_.active.stretches()) {
            if (stretch.minutes() * 60 < timeLapse())
                shorter << windowText(stretch);
        }
        if (shorter.isEmpty())
            return;
        conflict(ConflictId::TimeLapseLong,
                 settings + QStringList{name(MenuField::Timer), name(MenuField::Timer2)},
                 text(SummaryText::ConflictTimeLapseLong)
                     .arg(caption(MenuField::TimeLapse), durationText(timeLapse(), language()),
                          listText(shorter, language())));
    }

    void zeroIntervalConflict() {
        if (!day_.motion || interval() != 0)
            return;
        MenuField heavy;
        QString value;
        if (day_.photosPerTrigger > 1) {
            heavy = MenuField::PictureNo;
            value = countText(day_.photosPerTrigger, language());
        } else if (day_.videoSeconds >= longVideoSeconds) {
            heavy = MenuField::VideoLength;
            value = durationText(s_.video_length, language());
        } else {
            return;
        }
        conflict(ConflictId::ZeroInterval,
                 {name(MenuField::IntervalValue), name(MenuField::IntervalUnit), name(heavy)},
                 text(SummaryText::ConflictZeroInterval)
                     .arg(caption(MenuField::IntervalValue), caption(heavy), value));
    }

    void videoModeConflict() {
        if (auto found =
                plan::videoModeConflict(s_, inputs_.files.mmsSendsPictures,
                                        inputs_.files.emailSendsPictures, menu_.model, language()))
            summary_.conflicts.push_back(std::move(*found));
    }

    const MenuFacts& menu_;
    const camera::CameraSettings& s_;
    const PlanInputs& inputs_;
    MenuDay day_;
    FormCaptions captions_;
    Summary summary_;
    std::optional<double> megabytesPerDay_;
};

} // namespace

Summary summarizeMenu(const MenuFacts& menu, const PlanInputs& inputs) {
    return MenuPlanner(menu, inputs).summary();
}

} // namespace kestrova::plan
