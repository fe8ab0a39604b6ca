#pragma once

#include "common/form_variants.h"

#include <map>

namespace kestrova::camera {

// The settings one camera form edits. List settings hold the 0-based position of the chosen
// entry; that position is what the record carries.
struct CameraSettings {
    int camera_mode = 0;
    int image_size = 0;
    int video_size = 0;
    int picture_no = 0;
    int video_length = 10; // seconds
    int time_stamp = 0;    // 0 on, 1 off
    int interval_value = 1;
    int interval_unit = 1; // 0 seconds, 1 minutes
    int sense_level = 0;
    int side_pir = 1; // forms B and C
    int timer = 0;
    int timer_start_hour = 0;
    int timer_start_minute = 0;
    int timer_stop_hour = 0;
    int timer_stop_minute = 0;
    int timer2 = 0;
    int timer2_start_hour = 0;
    int timer2_start_minute = 0;
    int timer2_stop_hour = 0;
    int timer2_stop_minute = 0;
    int time_lapse = 1; // 0 on, 1 off
    int time_lapse_hour = 0;
    int time_lapse_minute = 0;
    int time_lapse_second = 0;
    int serial_no = 0;
    int serial_char1 = 0;
    int serial_char2 = 0;
    int serial_char3 = 0;
    int serial_char4 = 0;
    int beep_sound = 1; // form B
    int sd_cycle = 0;   // form B
    int date_format = 0;
    // The numbers of settings that no rule of the forms names, by their field's id: a row
    // without a member keeps its value here. Zero is not kept.
    std::map<int, int> byId;

    // The values a form of this kind opens with.
    static CameraSettings atOpen(CameraForm form);

    // The Default button: resets what the factory resets and leaves the rest (second timer,
    // interval value, beep sound, SD cycle, date format) as the user set it.
    void resetToFactory();

    bool operator==(const CameraSettings&) const = default;
};

constexpr int intervalSeconds = 0;
constexpr int intervalMinutes = 1;

} // namespace kestrova::camera
