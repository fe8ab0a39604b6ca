#include "camera/menu_fields.h"

#include "res/camera_templates.h"

namespace kestrova::camera {

namespace {

using namespace res::camera_form;
using codec::FieldKind;
using S = CameraSettings;
using Base = codec::FieldRow<CameraSettings, MenuField, 3>;
using Places = std::array<int, 3>;
using Controls = std::array<int, 3>;

constexpr res::SecondTimerControls secondA = res::secondTimerControls(CameraForm::A);
constexpr res::SecondTimerControls secondB = res::secondTimerControls(CameraForm::B);
constexpr res::SecondTimerControls secondC = res::secondTimerControls(CameraForm::C);

constexpr MenuFieldRow list(MenuField id, std::string_view name, int S::*member, Places place,
                            Controls control, std::string_view key,
                            MenuEncoding encoding = MenuEncoding::Plain) {
    return {Base{id, name, FieldKind::List, member, nullptr, 0, 0, {}, place, control}, key,
            RangeMessage::Integer, encoding};
}

constexpr MenuFieldRow number(MenuField id, std::string_view name, int S::*member, int lower,
                              int upper, Places place, Controls control,
                              RangeMessage message = RangeMessage::Integer,
                              MenuEncoding encoding = MenuEncoding::Plain) {
    return {Base{id, name, FieldKind::Number, member, nullptr, lower, upper, {}, place, control},
            {},
            message,
            encoding};
}

// A field every form shows at the same byte in the same control.
constexpr Places at(int place) {
    return {place, place, place};
}
constexpr Controls in(int control) {
    return {control, control, control};
}

constexpr int maxHour = 23;
constexpr int maxMinute = 59;

// clang-format off
constexpr std::array<MenuFieldRow, 31> fields{{
    list(MenuField::CameraMode, "camera_mode", &S::camera_mode, at(0), in(cameraMode), "options.camera_mode"),
    list(MenuField::ImageSize, "image_size", &S::image_size, at(1), in(imageSize), "options.image_size"),
    list(MenuField::VideoSize, "video_size", &S::video_size, at(2), in(videoSize), "options.video_size"),
    list(MenuField::PictureNo, "picture_no", &S::picture_no, at(3), in(pictureNo), "options.picture_no"),
    number(MenuField::VideoLength, "video_length", &S::video_length, 1, 60, at(4), in(videoLength), RangeMessage::Integer, MenuEncoding::MinusOne),
    list(MenuField::TimeStamp, "time_stamp", &S::time_stamp, at(5), in(timeStamp), "options.time_stamp"),
    number(MenuField::IntervalValue, "interval_value", &S::interval_value, 0, 60, at(6), in(intervalValue), RangeMessage::Integer, MenuEncoding::IntervalValue),
    list(MenuField::IntervalUnit, "interval_unit", &S::interval_unit, at(6), in(intervalUnit), "options.interval_unit", MenuEncoding::IntervalUnit),
    list(MenuField::SenseLevel, "sense_level", &S::sense_level, at(7), in(senseLevel), "options.sense_level"),
    list(MenuField::Timer, "timer", &S::timer, at(8), in(timer), "options.timer"),
    list(MenuField::SidePir, "side_pir", &S::side_pir, at(9), {0, sidePir, sidePir}, "options.side_pir", MenuEncoding::OnWhereHidden),
    list(MenuField::TimeLapse, "time_lapse", &S::time_lapse, at(10), in(timeLapse), "options.time_lapse"),
    number(MenuField::TimeLapseHour, "time_lapse_hour", &S::time_lapse_hour, 0, maxHour, at(11), in(timeLapseHour)),
    number(MenuField::TimeLapseMinute, "time_lapse_minute", &S::time_lapse_minute, 0, maxMinute, at(12), in(timeLapseMinute)),
    number(MenuField::TimeLapseSecond, "time_lapse_second", &S::time_lapse_second, 0, maxMinute, at(13), in(timeLapseSecond)),
    number(MenuField::TimerStartHour, "timer_start_hour", &S::timer_start_hour, 0, maxHour, at(20), in(timerStartHour)),
    number(MenuField::TimerStartMinute, "timer_start_minute", &S::timer_start_minute, 0, maxMinute, at(21), in(timerStartMinute)),
    number(MenuField::TimerStopHour, "timer_stop_hour", &S::timer_stop_hour, 0, maxHour, at(22), in(timerStopHour)),
    number(MenuField::TimerStopMinute, "timer_stop_minute", &S::timer_stop_minute, 0, maxMinute, at(23), in(timerStopMinute)),
    list(MenuField::SerialNo, "serial_no", &S::serial_no, at(24), in(serialNo), "options.serial_no"),
    list(MenuField::SerialChar1, "serial_char1", &S::serial_char1, at(25), in(serialChar1), "options.serial_char"),
    list(MenuField::SerialChar2, "serial_char2", &S::serial_char2, at(26), in(serialChar2), "options.serial_char"),
    list(MenuField::SerialChar3, "serial_char3", &S::serial_char3, at(27), in(serialChar3), "options.serial_char"),
    list(MenuField::SerialChar4, "serial_char4", &S::serial_char4, at(28), in(serialChar4), "options.serial_char"),
    // Form B keeps its beep and SD cycle before the second timer, which moves two bytes on.
    list(MenuField::BeepSound, "beep_sound", &S::beep_sound, {noPlace, 31, noPlace}, {0, beepSound, 0}, "options.beep_sound"),
    list(MenuField::SdCycle, "sd_cycle", &S::sd_cycle, {noPlace, 32, noPlace}, {0, sdCycle, 0}, "options.sd_cycle"),
    list(MenuField::Timer2, "timer2", &S::timer2, {31, 33, 31}, {secondA.list, secondB.list, secondC.list}, "options.timer2"),
    number(MenuField::Timer2StartHour, "timer2_start_hour", &S::timer2_start_hour, 0, maxHour, {32, 34, 32}, {secondA.startHour, secondB.startHour, secondC.startHour}, RangeMessage::Standard),
    number(MenuField::Timer2StartMinute, "timer2_start_minute", &S::timer2_start_minute, 0, maxMinute, {33, 35, 33}, {secondA.startMinute, secondB.startMinute, secondC.startMinute}, RangeMessage::Standard),
    number(MenuField::Timer2StopHour, "timer2_stop_hour", &S::timer2_stop_hour, 0, maxHour, {34, 36, 34}, {secondA.stopHour, secondB.stopHour, secondC.stopHour}, RangeMessage::Standard),
    number(MenuField::Timer2StopMinute, "timer2_stop_minute", &S::timer2_stop_minute, 0, maxMinute, {35, 37, 35}, {secondA.stopMinute, secondB.stopMinute, secondC.stopMinute}, RangeMessage::Standard),
}};
// clang-format on

// The table is indexed by its ids.
constexpr bool rowsInIdOrder() {
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (static_cast<std::size_t>(fields[i].id) != i)
            return false;
    }
    return true;
}
static_assert(rowsInIdOrder());

} // namespace

std::span<const MenuFieldRow> menuFields() {
    return fields;
}

const MenuFieldRow& menuField(MenuField id) {
    return fields[static_cast<std::size_t>(id)];
}

const MenuFieldRow* menuFieldNamed(QStringView name) {
    return codec::rowNamed(menuFields(), name);
}

} // namespace kestrova::camera
