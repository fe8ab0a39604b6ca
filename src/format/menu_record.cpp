#include "format/menu_record.h"

#include "format/crc16.h"

#include <algorithm>
#include <span>

namespace kestrova::camera {

namespace {

void seal(MenuRecord& record) {
    const std::uint16_t crc = crc16(std::span(record).first(menuBodySize));
    record[menuCrcOffset] = static_cast<std::uint8_t>(crc & 0xFF);
    record[menuCrcOffset + 1] = static_cast<std::uint8_t>(crc >> 8);
    record[58] = 0x0D;
    record[59] = 0x0A;
}

} // namespace

MenuRecord buildMenuRecord(CameraForm form, const CameraSettings& s, const CapturedTime& time,
                           int languageByte, std::uint16_t tvMode) {
    MenuRecord r{};
    auto put = [&r](int offset, int value) { r[offset] = static_cast<std::uint8_t>(value); };

    put(0, s.camera_mode);
    put(1, s.image_size);
    put(2, s.video_size);
    put(3, s.picture_no);
    put(4, s.video_length - 1);
    put(5, s.time_stamp);
    put(6, s.interval_unit == intervalSeconds ? s.interval_value + 0x80 : s.interval_value);
    put(7, s.sense_level);
    put(8, s.timer);
    put(9, form == CameraForm::A ? 1 : s.side_pir);
    put(10, s.time_lapse);
    put(11, s.time_lapse_hour);
    put(12, s.time_lapse_minute);
    put(13, s.time_lapse_second);
    put(14, std::clamp(time.year, 2010, 2031) - 2010);
    put(15, time.month);
    put(16, time.day);
    put(17, time.hour);
    put(18, time.minute);
    put(19, time.second);
    put(20, s.timer_start_hour);
    put(21, s.timer_start_minute);
    put(22, s.timer_stop_hour);
    put(23, s.timer_stop_minute);
    put(24, s.serial_no);
    put(25, s.serial_char1);
    put(26, s.serial_char2);
    put(27, s.serial_char3);
    put(28, s.serial_char4);
    put(29, languageByte);
    put(30, tvMode & 0xFF);

    int at = 31;
    if (form == CameraForm::B) {
        put(at++, s.beep_sound);
        put(at++, s.sd_cycle);
    }
    put(at++, s.timer2);
    put(at++, s.timer2_start_hour);
    put(at++, s.timer2_start_minute);
    put(at++, s.timer2_stop_hour);
    put(at, s.timer2_stop_minute);

    seal(r);
    return r;
}

MenuRecord buildFactoryResetRecord() {
    MenuRecord r{};
    std::fill_n(r.begin(), 4, 0xFF);
    seal(r);
    return r;
}

QByteArray toByteArray(const MenuRecord& record) {
    return QByteArray(reinterpret_cast<const char*>(record.data()),
                      static_cast<qsizetype>(record.size()));
}

} // namespace kestrova::camera

namespace kestrova::camera {

MenuRecord toMenuRecord(const QByteArray& bytes) {
    MenuRecord record{};
    std::copy_n(bytes.constBegin(), std::min<qsizetype>(bytes.size(), 60),
                reinterpret_cast<char*>(record.data()));
    return record;
}

MenuRecordCheck checkMenuRecord(const QByteArray& bytes) {
    MenuRecordCheck check;
    check.sizeOk = bytes.size() == static_cast<qsizetype>(MenuRecord{}.size());
    if (!check.sizeOk)
        return check;
    const MenuRecord record = toMenuRecord(bytes);
    check.paddingOk = std::all_of(record.begin() + menuBodySize, record.begin() + menuCrcOffset,
                                  [](std::uint8_t b) { return b == 0; });
    check.storedCrc =
        static_cast<std::uint16_t>(record[menuCrcOffset] | (record[menuCrcOffset + 1] << 8));
    check.computedCrc = crc16(std::span(record).first(menuBodySize));
    check.crcOk = check.storedCrc == check.computedCrc;
    check.lineEndOk = record[58] == 0x0D && record[59] == 0x0A;
    check.factoryReset = record == buildFactoryResetRecord();
    return check;
}

DecodedMenu decodeMenuRecord(const MenuRecord& r, CameraForm form) {
    DecodedMenu d;
    CameraSettings& s = d.settings;
    s.camera_mode = r[0];
    s.image_size = r[1];
    s.video_size = r[2];
    s.picture_no = r[3];
    s.video_length = r[4] + 1;
    s.time_stamp = r[5];
    s.interval_unit = (r[6] & 0x80) ? intervalSeconds : intervalMinutes;
    s.interval_value = r[6] & 0x7F;
    s.sense_level = r[7];
    s.timer = r[8];
    s.side_pir = r[9];
    s.time_lapse = r[10];
    s.time_lapse_hour = r[11];
    s.time_lapse_minute = r[12];
    s.time_lapse_second = r[13];
    d.clock = {r[14] + 2010, r[15], r[16], r[17], r[18], r[19]};
    s.timer_start_hour = r[20];
    s.timer_start_minute = r[21];
    s.timer_stop_hour = r[22];
    s.timer_stop_minute = r[23];
    s.serial_no = r[24];
    s.serial_char1 = r[25];
    s.serial_char2 = r[26];
    s.serial_char3 = r[27];
    s.serial_char4 = r[28];
    d.languageByte = r[29];
    d.tvModeByte = r[30];
    int at = 31;
    if (form == CameraForm::B) {
        s.beep_sound = r[at++];
        s.sd_cycle = r[at++];
    }
    s.timer2 = r[at++];
    s.timer2_start_hour = r[at++];
    s.timer2_start_minute = r[at++];
    s.timer2_stop_hour = r[at++];
    s.timer2_stop_minute = r[at];
    return d;
}

} // namespace kestrova::camera
