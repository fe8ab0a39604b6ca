#include "plan/menu_summary.h"

#include "camera/camera_lists.h"
#include "camera/menu_field_entries.h"
#include "camera/menu_fields.h"
#include "i18n/summary_texts.h"
#include "plan/amounts.h"
#include "plan/card_conflicts.h"
#include "plan/day_windows.h"
#include "plan/form_captions.h"
#include "plan/menu_schedule.h"
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
        , schedule_(menuSchedule(menu.settings))
        , inputs_(inputs)
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
    QString text(SummaryText id) const { return i18n::summaryText(id, inputs_.language); }
    void add(const QString& sentence) { summary_.sentences << sentence; }
    void say(SummaryText id) { add(text(id)); }
    void exact(const char* key, double value) {
        summary_.figures.push_back({QString::fromLatin1(key), value});
    }
    void estimated(const char* key, double value, std::vector<Assumption> basis) {
        summary_.figures.push_back({QString::fromLatin1(key), value, true, std::move(basis)});
    }
    void conflict(ConflictId id, QStringList settings, const QString& message) {
        summary_.conflicts.push_back({id, std::move(settings), message});
    }

    const camera::MenuFieldRow& row(MenuField id) const { return camera::menuField(id); }
    QString caption(MenuField id) const { return captions_.name(row(id).controlOn(menu_.form)); }
    QString name(MenuField id) const { return row(id).nameText(); }
    QString entry(MenuField id) const {
        const camera::MenuFieldRow& r = row(id);
        return camera::fieldEntries(r, menu_.form, menu_.model, inputs_.language)
            .value(r.numberIn(s_));
    }
    QString imageSize() const {
        return camera::imageSizeEntries(menu_.form, menu_.model).value(s_.image_size);
    }
    QString videoSize() const {
        return camera::videoSizeEntries(menu_.form, menu_.model).value(s_.video_size);
    }

    bool motionOn() const { return schedule_.motionOn; }
    bool timeLapseOn() const { return schedule_.timeLapseOn; }
    int photosPerTrigger() const { return schedule_.photosPerTrigger; }
    int videoPerTrigger() const { return schedule_.videoSecondsPerTrigger; }
    int intervalSeconds() const { return schedule_.intervalSeconds; }
    int timeLapseSeconds() const { return schedule_.timeLapseSeconds; }
    DayWindow timer() const { return schedule_.timer; }
    DayWindow timer2() const { return schedule_.timer2; }
    const ActiveTime& activeTime() const { return schedule_.active; }

    void describeTrigger() {
        if (!motionOn())
            return;
        const int photos = photosPerTrigger();
        const QString length = durationText(s_.video_length, inputs_.language);
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
            if (videoPerTrigger() > 0)
                add(text(bothTexts[n]).arg(imageSize(), length, videoSize()));
            else
                add(text(photoTexts[n]).arg(imageSize()));
        }
        if (intervalSeconds() > 0)
            add(text(SummaryText::WaitAfterTrigger)
                    .arg(durationText(intervalSeconds(), inputs_.language)));
        else
            say(SummaryText::NoWait);
    }

    void describeSensors() {
        if (motionOn())
            add(text(SummaryText::MotionOn).arg(entry(MenuField::SenseLevel)));
        else
            say(SummaryText::MotionOff);
        if (row(MenuField::SidePir).onForm(menu_.form))
            say(s_.side_pir == 1 ? SummaryText::SideOn : SummaryText::SideOff);
    }

    void describeActiveTime() {
        const ActiveTime active = activeTime();
        exact("active_hours_per_day", active.minutes() / 60.0);
        const QString hours = durationText(active.minutes() * 60, inputs_.language);
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
        if (!timeLapseOn())
            return;
        const auto photos = activeTime().timeLapsePhotos(timeLapseSeconds());
        if (!photos)
            return;
        exact("time_lapse_pictures_per_day", *photos);
        add(text(SummaryText::TimeLapse)
                .arg(durationText(timeLapseSeconds(), inputs_.language))
                .arg(*photos));
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
        const ActiveTime active = activeTime();
        const std::optional<int> cap = active.maxTriggers(intervalSeconds());
        if (cap)
            exact("max_triggers_per_day", *cap);
        const auto tl = timeLapseOn() ? active.timeLapsePhotos(timeLapseSeconds()) : std::nullopt;
        if (!motionOn() && !tl)
            return;

        const Assumption assumed = assumedTriggers(inputs_.triggersPerDay);
        const int triggers =
            motionOn() ? std::min(inputs_.triggersPerDay, cap.value_or(inputs_.triggersPerDay)) : 0;
        if (motionOn() && cap && *cap < inputs_.triggersPerDay)
            add(text(SummaryText::TriggerCap).arg(*cap));
        const std::vector<Assumption> triggerBasis =
            motionOn() ? std::vector<Assumption>{assumed} : std::vector<Assumption>{};

        const int pictures = triggers * photosPerTrigger() + tl.value_or(0);
        const int video = triggers * videoPerTrigger();
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
        if (motionOn())
            estimated("triggers_per_day", triggers, triggerBasis);
        estimated("pictures_per_day", pictures, triggerBasis);
        estimated("video_seconds_per_day", video, triggerBasis);
        estimated("megabytes_per_day", megabytes, sizeBasis);
        megabytesPerDay_ = megabytes;

        const int language = inputs_.language;
        const QString size = megabytesText(megabytes, language);
        if (video > 0 && pictures > 0)
            add(text(SummaryText::EstimateBoth)
                    .arg(QString::number(pictures), durationText(video, language), size));
        else if (video > 0)
            add(text(SummaryText::EstimateVideo).arg(durationText(video, language), size));
        else
            add(text(SummaryText::EstimatePhotos).arg(QString::number(pictures), size));

        const std::optional<qint64> free = freeBytes(inputs_);
        if (!free || megabytes <= 0)
            return;
        const double days = static_cast<double>(*free) / 1e6 / megabytes;
        exact("card_bytes_free", static_cast<double>(*free));
        estimated("days_until_full", days, sizeBasis);
        const bool overwrites = menu_.form == CameraForm::B && s_.sd_cycle == 1;
        const SummaryText id = overwrites ? SummaryText::CardOverwrites : SummaryText::CardLasts;
        add(text(id).arg(sizeText(*free, language), numberText(days, language)));
    }

    void findConflicts() {
        if (!motionOn() && !timeLapseOn())
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
        } timers[] = {{s_.timer == 1, timer(), MenuField::Timer, MenuField::TimerStartHour},
                      {s_.timer2 == 1, timer2(), MenuField::Timer2, MenuField::Timer2StartHour}};
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
        const std::vector<DayWindow> shared = overlap(timer(), timer2());
        if (shared.empty())
            return;
        QStringList spans;
        for (const DayWindow& window : shared)
            spans << windowText(window);
        conflict(ConflictId::TimersOverlap, {name(MenuField::Timer), name(MenuField::Timer2)},
                 text(SummaryText::ConflictTimersOverlap)
                     .arg(caption(MenuField::Timer), caption(MenuField::Timer2),
                          spans.join(QStringLiteral(", "))));
    }

    void timeLapseConflicts() {
        if (!timeLapseOn())
            return;
        const QStringList settings{name(MenuField::TimeLapse), name(MenuField::TimeLapseHour),
                                   name(MenuField::TimeLapseMinute),
                                   name(MenuField::TimeLapseSecond)};
        if (timeLapseSeconds() == 0) {
            conflict(ConflictId::TimeLapseZero, settings,
                     text(SummaryText::ConflictTimeLapseZero).arg(caption(MenuField::TimeLapse)));
            return;
        }
        const ActiveTime active = activeTime();
        QStringList shorter;
        for (const DayWindow& stretch : active.stretches()) {
            if (stretch.minutes() * 60 < timeLapseSeconds())
                shorter << windowText(stretch);
        }
        if (shorter.isEmpty())
            return;
        conflict(ConflictId::TimeLapseLong,
                 settings + QStringList{name(MenuField::Timer), name(MenuField::Timer2)},
                 text(SummaryText::ConflictTimeLapseLong)
                     .arg(caption(MenuField::TimeLapse),
                          durationText(timeLapseSeconds(), inputs_.language),
                          shorter.join(QStringLiteral(", "))));
    }

    void zeroIntervalConflict() {
        if (!motionOn() || intervalSeconds() != 0)
            return;
        MenuField heavy;
        QString value;
        if (photosPerTrigger() > 1) {
            heavy = MenuField::PictureNo;
            value = entry(MenuField::PictureNo);
        } else if (videoPerTrigger() >= longVideoSeconds) {
            heavy = MenuField::VideoLength;
            value = durationText(s_.video_length, inputs_.language);
        } else {
            return;
        }
        conflict(ConflictId::ZeroInterval,
                 {name(MenuField::IntervalValue), name(MenuField::IntervalUnit), name(heavy)},
                 text(SummaryText::ConflictZeroInterval)
                     .arg(caption(MenuField::IntervalValue), caption(heavy), value));
    }

    void videoModeConflict() {
        QStringList senders;
        if (inputs_.files.mmsSendsPictures)
            senders << QStringLiteral("setup.dat");
        if (inputs_.files.emailSendsPictures)
            senders << QStringLiteral("smtp.dat");
        if (auto found =
                plan::videoModeConflict(s_.camera_mode, senders, menu_.model, inputs_.language))
            summary_.conflicts.push_back(std::move(*found));
    }

    const MenuFacts& menu_;
    const camera::CameraSettings& s_;
    MenuSchedule schedule_;
    const PlanInputs& inputs_;
    FormCaptions captions_;
    Summary summary_;
    std::optional<double> megabytesPerDay_;
};

} // namespace

Summary summarizeMenu(const MenuFacts& menu, const PlanInputs& inputs) {
    return MenuPlanner(menu, inputs).summary();
}

} // namespace kestrova::plan
