#include "camera/camera_setting_table.h"

#include "camera/camera_lists.h"
#include "camera/camera_rules.h"
#include "i18n/camera_texts.h"
#include "i18n/language.h"

#include <algorithm>

namespace kestrova::camera {

namespace {

using S = CameraSettings;
using Info = CameraSettingInfo;

constexpr IntRange noRange{0, 0};

Info list(std::string_view name, int S::*member, std::string_view key) {
    return {name, member, Info::List, noRange, key};
}

Info integer(std::string_view name, int S::*member, IntRange range) {
    return {name, member, Info::Integer, range, {}};
}

Info onlyOn(Info info, bool a, bool b, bool c) {
    info.onFormA = a;
    info.onFormB = b;
    info.onFormC = c;
    return info;
}

std::vector<Info> makeTable() {
    return {
        list("camera_mode", &S::camera_mode, "options.camera_mode"),
        list("image_size", &S::image_size, "options.image_size"),
        list("video_size", &S::video_size, "options.video_size"),
        list("picture_no", &S::picture_no, "options.picture_no"),
        integer("video_length", &S::video_length, videoLengthRange),
        list("time_stamp", &S::time_stamp, "options.time_stamp"),
        integer("interval_value", &S::interval_value, intervalRange),
        list("interval_unit", &S::interval_unit, "options.interval_unit"),
        list("sense_level", &S::sense_level, "options.sense_level"),
        list("timer", &S::timer, "options.timer"),
        onlyOn(list("side_pir", &S::side_pir, "options.side_pir"), false, true, true),
        list("time_lapse", &S::time_lapse, "options.time_lapse"),
        integer("time_lapse_hour", &S::time_lapse_hour, hourRange),
        integer("time_lapse_minute", &S::time_lapse_minute, minuteRange),
        integer("time_lapse_second", &S::time_lapse_second, minuteRange),
        integer("timer_start_hour", &S::timer_start_hour, hourRange),
        integer("timer_start_minute", &S::timer_start_minute, minuteRange),
        integer("timer_stop_hour", &S::timer_stop_hour, hourRange),
        integer("timer_stop_minute", &S::timer_stop_minute, minuteRange),
        list("serial_no", &S::serial_no, "options.serial_no"),
        list("serial_char1", &S::serial_char1, "options.serial_char"),
        list("serial_char2", &S::serial_char2, "options.serial_char"),
        list("serial_char3", &S::serial_char3, "options.serial_char"),
        list("serial_char4", &S::serial_char4, "options.serial_char"),
        onlyOn(list("beep_sound", &S::beep_sound, "options.beep_sound"), false, true, false),
        onlyOn(list("sd_cycle", &S::sd_cycle, "options.sd_cycle"), false, true, false),
        list("timer2", &S::timer2, "options.timer2"),
        integer("timer2_start_hour", &S::timer2_start_hour, hourRange),
        integer("timer2_start_minute", &S::timer2_start_minute, minuteRange),
        integer("timer2_stop_hour", &S::timer2_stop_hour, hourRange),
        integer("timer2_stop_minute", &S::timer2_stop_minute, minuteRange),
    };
}

} // namespace

bool CameraSettingInfo::onForm(CameraForm form) const {
    switch (form) {
    case CameraForm::A:
        return onFormA;
    case CameraForm::B:
        return onFormB;
    case CameraForm::C:
        break;
    }
    return onFormC;
}

const std::vector<CameraSettingInfo>& cameraSettingTable() {
    static const std::vector<CameraSettingInfo> table = makeTable();
    return table;
}

const CameraSettingInfo* findCameraSetting(std::string_view name) {
    const auto& table = cameraSettingTable();
    const auto found = std::find_if(table.begin(), table.end(),
                                    [name](const Info& info) { return info.name == name; });
    return found == table.end() ? nullptr : &*found;
}

QStringList englishEntries(const CameraSettingInfo& setting, CameraForm form, int model) {
    const std::string_view key = setting.optionKey;
    if (key == "options.image_size")
        return imageSizeEntries(form, model);
    if (key == "options.video_size")
        return videoSizeEntries(form, model);
    if (key == "options.serial_char")
        return serialCharacters();
    QStringList entries = i18n::cameraOptions(form, i18n::English, key);
    if (key == "options.camera_mode")
        entries = entries.mid(0, cameraModeCount(form, model));
    return entries;
}

} // namespace kestrova::camera
