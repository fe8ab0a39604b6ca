#include "camera/menu_record.h"

#include "camera/menu_fields.h"
#include "codec/crc16.h"

#include <algorithm>
#include <span>
#include <vector>

namespace kestrova::camera {

namespace {

void seal(MenuRecord& record) {
    const std::uint16_t crc = crc16(std::span(record).first(menuBodySize));
    record[menuCrcOffset] = static_cast<std::uint8_t>(crc & 0xFF);
    record[menuCrcOffset + 1] = static_cast<std::uint8_t>(crc >> 8);
    record[58] = 0x0D;
    record[59] = 0x0A;
}

void putClock(MenuRecord& r, const CapturedTime& time) {
    const int fields[] = {std::clamp(time.year, 2010, 2031) - 2010,
                          time.month,
                          time.day,
                          time.hour,
                          time.minute,
                          time.second};
    for (int at = 0; at < 6; ++at)
        r[menuClockByte + at] = static_cast<std::uint8_t>(fields[at]);
}

} // namespace

MenuRecord withClock(MenuRecord record, const CapturedTime& time) {
    putClock(record, time);
    seal(record);
    return record;
}

MenuRecord buildMenuRecord(CameraForm form, const CameraSettings& s, const CapturedTime& time,
                           int languageByte, std::uint16_t tvMode) {
    MenuRecord r{};
    auto put = [&r](int offset, int value) { r[offset] = static_cast<std::uint8_t>(value); };

    for (const MenuFieldRow& row : menuFields()) {
        if (!row.placeOn(form).has())
            continue;
        const int place = row.placeOn(form).offset;
        const int value = row.numberIn(s);
        switch (row.menuEncoding) {
        case MenuEncoding::Plain:
            put(place, value);
            break;
        case MenuEncoding::MinusOne:
            put(place, value - 1);
            break;
        case MenuEncoding::IntervalValue:
            put(place, s.interval_unit == intervalSeconds ? value + 0x80 : value);
            break;
        case MenuEncoding::IntervalUnit:
            break;
        case MenuEncoding::OnWhereHidden:
            put(place, row.onForm(form) ? value : 1);
            break;
        }
    }
    putClock(r, time);
    put(menuLanguageByte, languageByte);
    put(menuTvModeByte, tvMode & 0xFF);

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
    for (const MenuFieldRow& row : menuFields()) {
        if (!row.placeOn(form).has())
            continue;
        const int byte = r[static_cast<std::size_t>(row.placeOn(form).offset)];
        switch (row.menuEncoding) {
        case MenuEncoding::Plain:
        case MenuEncoding::OnWhereHidden:
            row.setNumber(d.settings, byte);
            break;
        case MenuEncoding::MinusOne:
            row.setNumber(d.settings, byte + 1);
            break;
        case MenuEncoding::IntervalValue:
            row.setNumber(d.settings, byte & 0x7F);
            break;
        case MenuEncoding::IntervalUnit:
            row.setNumber(d.settings, (byte & 0x80) ? intervalSeconds : intervalMinutes);
            break;
        }
    }
    const int c = menuClockByte;
    d.clock = {r[c] + 2010, r[c + 1], r[c + 2], r[c + 3], r[c + 4], r[c + 5]};
    d.languageByte = r[menuLanguageByte];
    d.tvModeByte = r[menuTvModeByte];
    return d;
}

QList<int> unexpectedReservedBytes(const MenuRecord& record, std::optional<CameraForm> form) {
    const auto forms = form ? std::vector<CameraForm>{*form}
                            : std::vector<CameraForm>{CameraForm::A, CameraForm::B, CameraForm::C};
    QList<int> unexpected;
    for (int offset = 0; offset < menuBodySize; ++offset) {
        if ((offset >= menuClockByte && offset < menuClockByte + 6) || offset == menuLanguageByte ||
            offset == menuTvModeByte)
            continue;
        bool used = false;
        int fixed = 0;
        for (const MenuFieldRow& row : menuFields()) {
            for (const CameraForm f : forms) {
                if (row.placeOn(f) != codec::byteAt(offset))
                    continue;
                const bool hidden = row.menuEncoding == MenuEncoding::OnWhereHidden;
                used = used || row.onForm(f) || !hidden;
                if (hidden && !row.onForm(f))
                    fixed = 1;
            }
        }
        if (!used && record[offset] != fixed)
            unexpected << offset;
    }
    return unexpected;
}

} // namespace kestrova::camera
