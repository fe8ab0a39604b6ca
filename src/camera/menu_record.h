#pragma once

#include "camera/camera_settings.h"
#include "camera/captured_time.h"

#include <QByteArray>
#include <QList>

#include <array>
#include <cstdint>
#include <optional>

namespace kestrova::camera {

// The 60-byte record of "menu.dat": a 50-byte body, 6 zero bytes, the CRC-16 of the body
// (low byte first) and CR LF.
using MenuRecord = std::array<std::uint8_t, 60>;

inline constexpr const char* menuFileName = "menu.dat";
constexpr int menuBodySize = 50;
constexpr int menuCrcOffset = 56;

MenuRecord buildMenuRecord(CameraForm form, const CameraSettings& settings,
                           const CapturedTime& time, int languageByte, std::uint16_t tvMode);

// The record with another camera clock: the clock bytes and the check value rewritten, every
// other byte as it was.
MenuRecord withClock(MenuRecord record, const CapturedTime& time);

// What the Default button writes: a body of four 0xFF bytes, the same for every camera.
MenuRecord buildFactoryResetRecord();

QByteArray toByteArray(const MenuRecord& record);

} // namespace kestrova::camera

namespace kestrova::camera {

// What a "menu.dat" read back from a card holds.
struct MenuRecordCheck {
    bool sizeOk = false;
    bool paddingOk = false; // bytes 50..55 are zero
    bool crcOk = false;
    bool lineEndOk = false; // CR LF at the end
    bool factoryReset = false;
    std::uint16_t storedCrc = 0;
    std::uint16_t computedCrc = 0;

    bool intact() const { return sizeOk && paddingOk && crcOk && lineEndOk; }
};

MenuRecordCheck checkMenuRecord(const QByteArray& bytes);

struct DecodedMenu {
    CameraSettings settings;
    CapturedTime clock;
    int languageByte = 0;
    int tvModeByte = 0;
};

// Reads the settings back out of a record of the given form; the inverse of buildMenuRecord.
DecodedMenu decodeMenuRecord(const MenuRecord& record, CameraForm form);

MenuRecord toMenuRecord(const QByteArray& bytes); // the first 60 bytes, zero-padded

// The body bytes that hold what no writer puts there, by offset: a byte no setting of the form
// has its place in is zero, and a form without the side PIR list stores 1 in its byte. Without a
// form, only the bytes that no form uses are known.
QList<int> unexpectedReservedBytes(const MenuRecord& record, std::optional<CameraForm> form);

} // namespace kestrova::camera
