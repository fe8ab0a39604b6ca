#include "camera/camera_rules.h"

#include "camera/menu_record.h"

namespace kestrova::camera {

namespace {

TakeStep numeric(MenuField field) {
    return {TakeStep::Numeric, field};
}

std::vector<TakeStep> makeTakeOrder(CameraForm form) {
    using F = MenuField;
    std::vector<TakeStep> steps{
        numeric(F::VideoLength),     numeric(F::IntervalValue),  numeric(F::TimeLapseMinute),
        numeric(F::TimeLapseSecond), numeric(F::TimeLapseHour),  numeric(F::TimerStopMinute),
        numeric(F::TimerStopHour),   numeric(F::TimerStartHour), numeric(F::TimerStartMinute),
        {TakeStep::ClockText},       {TakeStep::TargetFolder},   numeric(F::Timer2StopMinute),
        numeric(F::Timer2StopHour)};
    // Form B takes the second timer's start hour before its start minute.
    if (form == CameraForm::B) {
        steps.push_back(numeric(F::Timer2StartHour));
        steps.push_back(numeric(F::Timer2StartMinute));
    } else {
        steps.push_back(numeric(F::Timer2StartMinute));
        steps.push_back(numeric(F::Timer2StartHour));
    }
    return steps;
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

bool inRange(const MenuFieldRow& row, int value) {
    return value >= row.lower && value <= row.upper;
}

void applyCorrections(CameraSettings& s) {
    // Values below the lower bound are treated like values above the upper one, so a negative
    // number never reaches the record as a wrapped-around byte.
    if (!inRange(menuField(MenuField::VideoLength), s.video_length))
        s.video_length = 10;
    if (!inRange(menuField(MenuField::IntervalValue), s.interval_value) ||
        (s.interval_value == 0 && s.interval_unit == intervalMinutes))
        s.interval_value = 1;
    for (const MenuFieldRow& row : menuFields()) {
        if (row.kind != codec::FieldKind::Number || row.id == MenuField::VideoLength ||
            row.id == MenuField::IntervalValue)
            continue;
        int& value = s.*row.number;
        if (!inRange(row, value))
            value = 0;
    }
}

void intervalUnitChanged(CameraSettings& s) {
    if (s.interval_unit == intervalMinutes && s.interval_value == 0)
        s.interval_value = 1;
}

MenuRecord prepareMenuFile(CameraForm form, CameraSettings settings, const CapturedTime& time,
                           int languageByte, std::uint16_t tvMode) {
    applyCorrections(settings);
    return buildMenuRecord(form, settings, time, languageByte, tvMode);
}

} // namespace kestrova::camera
