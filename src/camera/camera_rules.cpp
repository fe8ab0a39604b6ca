#include "camera/camera_rules.h"

#include "camera/menu_record.h"

#include <algorithm>
#include <array>

namespace kestrova::camera {

namespace {

std::vector<TakeStep> makeTakeOrder(CameraForm form) {
    std::vector<std::pair<int, TakeStep>> ranked{{clockTakeStep, {TakeStep::ClockText}},
                                                 {folderTakeStep, {TakeStep::TargetFolder}}};
    for (const MenuFieldRow& row : menuFields()) {
        if (row.kind == codec::FieldKind::Number && row.onForm(form))
            ranked.push_back({row.takeOn(form), {TakeStep::Numeric, row.id}});
    }
    std::sort(ranked.begin(), ranked.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<TakeStep> steps;
    for (const auto& [rank, step] : ranked)
        steps.push_back(step);
    return steps;
}

} // namespace

const std::vector<TakeStep>& takeOrder(CameraForm form) {
    static const std::array<std::vector<TakeStep>, 3> orders{
        makeTakeOrder(CameraForm::A), makeTakeOrder(CameraForm::B), makeTakeOrder(CameraForm::C)};
    return orders[MenuFieldRow::column(form)];
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
        if (!inRange(row, row.numberIn(s)))
            row.setNumber(s, 0);
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
