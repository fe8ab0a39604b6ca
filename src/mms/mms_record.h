#pragma once

#include "codec/block_container.h"
#include "codec/record_field.h"
#include "mms/mms_settings.h"

#include <QByteArray>

#include <cstdint>

namespace kestrova::mms {

using codec::FieldError;
using codec::RecordBytes;

inline constexpr const char* mmsFileName = "setup.dat";

// An international number makes the camera expect the CRC plus 18.
inline constexpr int internationalAdjustment = 18;

// The 720 bytes of "setup.dat", or the first setting that does not fit. languageByte is the one
// the camera knows the chosen language by (i18n::cameraLanguageByte); the record keeps the low
// byte of tvMode.
RecordBytes buildMmsRecord(const MmsSettings& settings, int languageByte, std::uint16_t tvMode);

// What a "setup.dat" read back from a card holds.
struct MmsRecordCheck {
    bool sizeOk = false;
    bool lineEndsOk = false;
    bool checkBlockOk = false;
    bool checkValueOk = false;
    bool layoutOk = false; // zeros where the format has zeros, status + 1 at byte 1, digits 0..9
    bool textsOk = false;  // every text is valid code page 936 and within its field's limit
    std::uint16_t storedCheckValue = 0;
    std::uint16_t computedCrc = 0;
    int adjustment = 0; // what the header's international byte asks for

    bool intact() const {
        return sizeOk && lineEndsOk && checkBlockOk && checkValueOk && layoutOk && textsOk;
    }
};

struct DecodedMms {
    MmsSettings settings;
    int languageByte = 0;
    int tvModeByte = 0;
    MmsRecordCheck check;
};

// Reads the settings back out of a file, whatever its state; check says whether to trust them.
DecodedMms decodeMmsRecord(const QByteArray& file);

} // namespace kestrova::mms
