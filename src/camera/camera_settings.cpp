#include "camera/camera_settings.h"

namespace kestrova::camera {

CameraSettings CameraSettings::atOpen(CameraForm form) {
    CameraSettings settings;
    // Form B opens on its second video size, "1280x720".
    settings.video_size = form == CameraForm::B ? 1 : 0;
    return settings;
}

void CameraSettings::resetToFactory() {
    camera_mode = 0;
    image_size = 0;
    video_size = 0;
    picture_no = 0;
    video_length = 10;
    time_stamp = 0;
    interval_unit = intervalMinutes;
    // The interval value is kept, but 0 minutes is no interval at all.
    if (interval_value == 0)
        interval_value = 1;
    sense_level = 0;
    side_pir = 1;
    timer = 0;
    timer_start_hour = timer_start_minute = timer_stop_hour = timer_stop_minute = 0;
    time_lapse = 1;
    time_lapse_hour = time_lapse_minute = time_lapse_second = 0;
    serial_no = 0;
    serial_char1 = serial_char2 = serial_char3 = serial_char4 = 0;
}

} // namespace kestrova::camera
