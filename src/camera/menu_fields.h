#pragma once

#include "camera/camera_settings.h"
#include "camera/menu_record.h"
#include "codec/table_checks.h"
#include "res/camera_templates.h"

#include <span>
#include <string_view>

namespace kestrova::camera {

// Every setting "menu.dat" carries, in the order of the record.
enum class MenuField {
    CameraMode,
    ImageSize,
    VideoSize,
    PictureNo,
    VideoLength,
    TimeStamp,
    IntervalValue,
    IntervalUnit,
    SenseLevel,
    Timer,
    SidePir,
    TimeLapse,
    TimeLapseHour,
    TimeLapseMinute,
    TimeLapseSecond,
    TimerStartHour,
    TimerStartMinute,
    TimerStopHour,
    TimerStopMinute,
    SerialNo,
    SerialChar1,
    SerialChar2,
    SerialChar3,
    SerialChar4,
    BeepSound,
    SdCycle,
    Timer2,
    Timer2StartHour,
    Timer2StartMinute,
    Timer2StopHour,
    Timer2StopMinute,
    Count, // no field: the number of fields
};

// How a number out of its range is reported in the forms: the program's own message, or the
// dialog's standard one (the second timer's fields).
enum class RangeMessage { Integer, Standard };

// How a field's value becomes its byte.
enum class MenuEncoding {
    Plain,         // the value itself
    MinusOne,      // the video length: 1..60 seconds as 0..59
    IntervalValue, // shares its byte with the unit, which adds 0x80 for seconds
    IntervalUnit,  // no byte of its own: the interval value's high bit
    OnWhereHidden, // side PIR: a form without its list stores 1 (on)
};

// Columns per form: camera form A, B, C. A List field's range is given by its entries, which
// depend on the camera model, so its lower and upper stay 0.
struct MenuFieldRow : codec::FieldRow<CameraSettings, MenuField, 3> {
    std::string_view optionKey = {}; // List: the key of its option list
    RangeMessage rangeMessage = RangeMessage::Integer;
    MenuEncoding menuEncoding = MenuEncoding::Plain;

    using FieldRow::onForm;
    static constexpr std::size_t column(CameraForm form) { return static_cast<std::size_t>(form); }
    constexpr codec::Place placeOn(CameraForm form) const { return place[column(form)]; }
    constexpr int controlOn(CameraForm form) const { return control[column(form)]; }
    constexpr int takeOn(CameraForm form) const { return take[column(form)]; }
    constexpr bool onForm(CameraForm form) const { return controlOn(form) != 0; }
};

// The record bytes that are no setting: the clock, the language and the TV mode.
inline constexpr int menuClockByte = 14; // year - 2010, month, day, hour, minute, second
inline constexpr int menuLanguageByte = 29;
inline constexpr int menuTvModeByte = 30;

// The steps of the take order that are no setting: the clock text and the target folder.
inline constexpr int clockTakeStep = 10;
inline constexpr int folderTakeStep = 11;

namespace fields {

using namespace res::camera_form;
using codec::FieldKind;
using S = CameraSettings;
using Places = std::array<codec::Place, 3>;
using PerForm = std::array<int, 3>;

constexpr MenuFieldRow list(MenuField id, std::string_view name, int S::*member, Places place,
                            PerForm control, std::string_view key,
                            MenuEncoding encoding = MenuEncoding::Plain) {
    auto row =
        codec::numberRow<MenuFieldRow>(id, name, FieldKind::List, member, 0, 0, place, control);
    row.optionKey = key;
    row.menuEncoding = encoding;
    return row;
}

// A number typed into a field, taken and checked at its step of the take order on each form.
constexpr MenuFieldRow number(MenuField id, std::string_view name, int S::*member, int lower,
                              int upper, Places place, PerForm control, PerForm take,
                              RangeMessage message = RangeMessage::Integer,
                              MenuEncoding encoding = MenuEncoding::Plain) {
    auto row = codec::numberRow<MenuFieldRow>(id, name, FieldKind::Number, member, lower, upper,
                                              place, control);
    row.take = take;
    row.rangeMessage = message;
    row.menuEncoding = encoding;
    return row;
}

// A field every form has at the same byte, in the same control, at the same step.
constexpr Places at(int byte) {
    const codec::Place place = codec::byteAt(byte);
    return {place, place, place};
}
constexpr PerForm in(int control) {
    return {control, control, control};
}
constexpr PerForm step(int take) {
    return {take, take, take};
}

constexpr codec::Place none = codec::noPlace;
constexpr int maxHour = 23;
constexpr int maxMinute = 59;

constexpr res::SecondTimerControls secondA = res::secondTimerControls(CameraForm::A);
constexpr res::SecondTimerControls secondB = res::secondTimerControls(CameraForm::B);
constexpr res::SecondTimerControls secondC = res::secondTimerControls(CameraForm::C);

// clang-format off
inline constexpr auto table = std::to_array<MenuFieldRow>({
    list(MenuField::CameraMode, "camera_mode", &S::camera_mode, at(0), in(cameraMode), "options.camera_mode"),
    list(MenuField::ImageSize, "image_size", &S::image_size, at(1), in(imageSize), "options.image_size"),
    list(MenuField::VideoSize, "video_size", &S::video_size, at(2), in(videoSize), "options.video_size"),
    list(MenuField::PictureNo, "picture_no", &S::picture_no, at(3), in(pictureNo), "options.picture_no"),
    number(MenuField::VideoLength, "video_length", &S::video_length, 1, 60, at(4), in(videoLength), step(1), RangeMessage::Integer, MenuEncoding::MinusOne),
    list(MenuField::TimeStamp, "time_stamp", &S::time_stamp, at(5), in(timeStamp), "options.time_stamp"),
    number(MenuField::IntervalValue, "interval_value", &S::interval_value, 0, 60, at(6), in(intervalValue), step(2), RangeMessage::Integer, MenuEncoding::IntervalValue),
    list(MenuField::IntervalUnit, "interval_unit", &S::interval_unit, at(6), in(intervalUnit), "options.interval_unit", MenuEncoding::IntervalUnit),
    list(MenuField::SenseLevel, "sense_level", &S::sense_level, at(7), in(senseLevel), "options.sense_level"),
    list(MenuField::Timer, "timer", &S::timer, at(8), in(timer), "options.timer"),
    list(MenuField::SidePir, "side_pir", &S::side_pir, at(9), {0, sidePir, sidePir}, "options.side_pir", MenuEncoding::OnWhereHidden),
    list(MenuField::TimeLapse, "time_lapse", &S::time_lapse, at(10), in(timeLapse), "options.time_lapse"),
    number(MenuField::TimeLapseHour, "time_lapse_hour", &S::time_lapse_hour, 0, maxHour, at(11), in(timeLapseHour), step(5)),
    number(MenuField::TimeLapseMinute, "time_lapse_minute", &S::time_lapse_minute, 0, maxMinute, at(12), in(timeLapseMinute), step(3)),
    number(MenuField::TimeLapseSecond, "time_lapse_second", &S::time_lapse_second, 0, maxMinute, at(13), in(timeLapseSecond), step(4)),
    number(MenuField::TimerStartHour, "timer_start_hour", &S::timer_start_hour, 0, maxHour, at(20), in(timerStartHour), step(8)),
    number(MenuField::TimerStartMinute, "timer_start_minute", &S::timer_start_minute, 0, maxMinute, at(21), in(timerStartMinute), step(9)),
    number(MenuField::TimerStopHour, "timer_stop_hour", &S::timer_stop_hour, 0, maxHour, at(22), in(timerStopHour), step(7)),
    number(MenuField::TimerStopMinute, "timer_stop_minute", &S::timer_stop_minute, 0, maxMinute, at(23), in(timerStopMinute), step(6)),
    list(MenuField::SerialNo, "serial_no", &S::serial_no, at(24), in(serialNo), "options.serial_no"),
    list(MenuField::SerialChar1, "serial_char1", &S::serial_char1, at(25), in(serialChar1), "options.serial_char"),
    list(MenuField::SerialChar2, "serial_char2", &S::serial_char2, at(26), in(serialChar2), "options.serial_char"),
    list(MenuField::SerialChar3, "serial_char3", &S::serial_char3, at(27), in(serialChar3), "options.serial_char"),
    list(MenuField::SerialChar4, "serial_char4", &S::serial_char4, at(28), in(serialChar4), "options.serial_char"),
    // Form B keeps its beep and SD cycle before the second timer, which moves two bytes on.
    list(MenuField::BeepSound, "beep_sound", &S::beep_sound, {none, codec::byteAt(31), none}, {0, beepSound, 0}, "options.beep_sound"),
    list(MenuField::SdCycle, "sd_cycle", &S::sd_cycle, {none, codec::byteAt(32), none}, {0, sdCycle, 0}, "options.sd_cycle"),
    list(MenuField::Timer2, "timer2", &S::timer2, {codec::byteAt(31), codec::byteAt(33), codec::byteAt(31)}, {secondA.list, secondB.list, secondC.list}, "options.timer2"),
    // Form B takes the second timer's start hour before its start minute.
    number(MenuField::Timer2StartHour, "timer2_start_hour", &S::timer2_start_hour, 0, maxHour, {codec::byteAt(32), codec::byteAt(34), codec::byteAt(32)}, {secondA.startHour, secondB.startHour, secondC.startHour}, {15, 14, 15}, RangeMessage::Standard),
    number(MenuField::Timer2StartMinute, "timer2_start_minute", &S::timer2_start_minute, 0, maxMinute, {codec::byteAt(33), codec::byteAt(35), codec::byteAt(33)}, {secondA.startMinute, secondB.startMinute, secondC.startMinute}, {14, 15, 14}, RangeMessage::Standard),
    number(MenuField::Timer2StopHour, "timer2_stop_hour", &S::timer2_stop_hour, 0, maxHour, {codec::byteAt(34), codec::byteAt(36), codec::byteAt(34)}, {secondA.stopHour, secondB.stopHour, secondC.stopHour}, step(13), RangeMessage::Standard),
    number(MenuField::Timer2StopMinute, "timer2_stop_minute", &S::timer2_stop_minute, 0, maxMinute, {codec::byteAt(35), codec::byteAt(37), codec::byteAt(35)}, {secondA.stopMinute, secondB.stopMinute, secondC.stopMinute}, step(12), RangeMessage::Standard),
});
// clang-format on

// Each setting a form keeps has a body byte of its own, apart from the clock, the language and
// the TV mode (the interval's unit shares the value's byte).
constexpr codec::TableFault bodyFault() {
    for (std::size_t form = 0; form < 3; ++form) {
        std::array<bool, menuBodySize> used{};
        for (std::size_t at = 0; at < table.size(); ++at) {
            const MenuFieldRow& row = table[at];
            const codec::Place p = row.place[form];
            if (!p.has() || row.menuEncoding == MenuEncoding::IntervalUnit)
                continue;
            const int b = p.offset;
            if (p.kind != codec::PlaceKind::Byte || b < 0 || b >= menuBodySize ||
                (b >= menuClockByte && b < menuClockByte + 6) || b == menuLanguageByte ||
                b == menuTvModeByte)
                return {at, codec::RowFault::PlaceOutsideRecord};
            if (used[std::size_t(b)])
                return {at, codec::RowFault::PlaceTaken};
            used[std::size_t(b)] = true;
        }
    }
    return {};
}

static_assert(codec::soundTable<table, codec::rowFault(table, MenuField::Count)>());
static_assert(codec::soundTable<table, bodyFault()>());
// Each typed number has a step of its own, apart from the clock's and the folder's.
static_assert(
    codec::soundTable<table, codec::takeStepFault(table, {clockTakeStep, folderTakeStep})>());

} // namespace fields

std::span<const MenuFieldRow> menuFields();
const MenuFieldRow& menuField(MenuField id);
const MenuFieldRow* menuFieldNamed(QStringView name);

} // namespace kestrova::camera
