#include "camera/camera_rules.h"

namespace kestrova::camera {

namespace {

using S = CameraSettings;

constexpr NumericSetting videoLength{"video_length", &S::video_length, videoLengthRange,
                                     RangeMessage::Integer};
constexpr NumericSetting intervalValue{"interval_value", &S::interval_value, intervalRange,
                                       RangeMessage::Integer};
constexpr NumericSetting lapseHour{"time_lapse_hour", &S::time_lapse_hour, hourRange,
                                   RangeMessage::Integer};
constexpr NumericSetting lapseMinute{"time_lapse_minute", &S::time_lapse_minute, minuteRange,
                                     RangeMessage::Integer};
constexpr NumericSetting lapseSecond{"time_lapse_second", &S::time_lapse_second, minuteRange,
                                     RangeMessage::Integer};
constexpr NumericSetting startHour{"timer_start_hour", &S::timer_start_hour, hourRange,
                                   RangeMessage::Integer};
constexpr NumericSetting startMinute{"timer_start_minute", &S::timer_start_minute, minuteRange,
                                     RangeMessage::Integer};
constexpr NumericSetting stopHour{"timer_stop_hour", &S::timer_stop_hour, hourRange,
                                  RangeMessage::Integer};
constexpr NumericSetting stopMinute{"timer_stop_minute", &S::timer_stop_minute, minuteRange,
                                    RangeMessage::Integer};
constexpr NumericSetting start2Hour{"timer2_start_hour", &S::timer2_start_hour, hourRange,
                                    RangeMessage::Standard};
constexpr NumericSetting start2Minute{"timer2_start_minute", &S::timer2_start_minute, minuteRange,
                                      RangeMessage::Standard};
constexpr NumericSetting stop2Hour{"timer2_stop_hour", &S::timer2_stop_hour, hourRange,
                                   RangeMessage::Standard};
constexpr NumericSetting stop2Minute{"timer2_stop_minute", &S::timer2_stop_minute, minuteRange,
                                     RangeMessage::Standard};

TakeStep numeric(const NumericSetting& setting) {
    return {TakeStep::Numeric, setting};
}

std::vector<TakeStep> makeTakeOrder(CameraForm form) {
    std::vector<TakeStep> steps{
        numeric(videoLength),      numeric(intervalValue),       numeric(lapseMinute),
        numeric(lapseSecond),      numeric(lapseHour),           numeric(stopMinute),
        numeric(stopHour),         numeric(startHour),           numeric(startMinute),
        {TakeStep::ClockText, {}}, {TakeStep::TargetFolder, {}}, numeric(stop2Minute),
        numeric(stop2Hour)};
    // Form B takes the second timer's start hour before its start minute.
    if (form == CameraForm::B) {
        steps.push_back(numeric(start2Hour));
        steps.push_back(numeric(start2Minute));
    } else {
        steps.push_back(numeric(start2Minute));
        steps.push_back(numeric(start2Hour));
    }
    return steps;
}

int& field(CameraSettings& settings, const NumericSetting& setting) {
    return settings.*setting.member;
}

} // namespace

const std::vector<TakeStep>& takeOrder(CameraForm form) {
    static const std::vector<TakeStep> orderA = makeTakeOrder(CameraForm::A);
    static const std::vector<TakeStep> orderB = makeTakeOrder(CameraForm::B);
    static const std::vector<TakeStep> orderC = makeTakeOrder(CameraForm::C);
    switch (form) {
    case CameraForm::A:
        return orderA;
    case CameraForm::B:
        return orderB;
    case CameraForm::C:
        break;
    }
    return orderC;
}

const std::vector<NumericSetting>& numericSettings() {
    static const std::vector<NumericSetting> settings{
        videoLength, intervalValue, lapseHour,  lapseMinute,  lapseSecond, startHour,  startMinute,
        stopHour,    stopMinute,    start2Hour, start2Minute, stop2Hour,   stop2Minute};
    return settings;
}

void applyCorrections(CameraSettings& s) {
    // Values below the lower bound are treated like values above the upper one, so a negative
    // number never reaches the record as a wrapped-around byte.
    if (s.video_length < 1 || s.video_length > 60)
        s.video_length = 10;
    if (s.interval_value > 60 || s.interval_value < 0 ||
        (s.interval_value == 0 && s.interval_unit == intervalMinutes))
        s.interval_value = 1;
    for (const NumericSetting& setting : numericSettings()) {
        if (setting.member == videoLength.member || setting.member == intervalValue.member)
            continue;
        int& value = field(s, setting);
        if (!setting.range.contains(value))
            value = 0;
    }
}

void intervalUnitChanged(CameraSettings& s) {
    if (s.interval_unit == intervalMinutes && s.interval_value == 0)
        s.interval_value = 1;
}

} // namespace kestrova::camera
