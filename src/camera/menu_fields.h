#pragma once

#include "camera/camera_settings.h"
#include "codec/field_table.h"

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

// Columns per form: camera form A, B, C. A place of -1: the form's record has no such byte; a
// control of 0: the form shows no such field. A List field's range is given by its entries,
// which depend on the camera model, so its lower and upper stay 0.
struct MenuFieldRow : codec::FieldRow<CameraSettings, MenuField, 3> {
    std::string_view optionKey = {}; // List: the key of its option list
    RangeMessage message = RangeMessage::Integer;
    MenuEncoding encoding = MenuEncoding::Plain;

    static std::size_t column(CameraForm form) { return static_cast<std::size_t>(form); }
    int placeOn(CameraForm form) const { return place[column(form)]; }
    int controlOn(CameraForm form) const { return control[column(form)]; }
    bool onForm(CameraForm form) const { return controlOn(form) != 0; }
};

inline constexpr int noPlace = -1;

std::span<const MenuFieldRow> menuFields();
const MenuFieldRow& menuField(MenuField id);
const MenuFieldRow* menuFieldNamed(QStringView name);

// The record bytes that are no setting: the clock, the language and the TV mode.
inline constexpr int menuClockByte = 14; // year - 2010, month, day, hour, minute, second
inline constexpr int menuLanguageByte = 29;
inline constexpr int menuTvModeByte = 30;

} // namespace kestrova::camera
