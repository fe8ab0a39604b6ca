#pragma once

#include "mms/mms_fields.h"
#include "mms/mms_settings.h"
#include "sending/sending_record.h"

#include <QByteArray>

#include <cstdint>

namespace kestrova::mms {

using codec::FieldError;
using codec::RecordBytes;

inline constexpr const char* mmsFileName = "setup.dat";

// An international number makes the camera expect the CRC plus 18.
inline constexpr int internationalAdjustment = 18;

// What "setup.dat" holds besides its rows; both forms write the same record.
const sending::ContainerLayout<MmsSettings, MmsField>& mmsLayout();

// The 720 bytes of "setup.dat", or the first setting that does not fit. languageByte is the one
// the camera knows the chosen language by (i18n::cameraLanguageByte); the record keeps the low
// byte of tvMode.
RecordBytes buildMmsRecord(const MmsSettings& settings, int languageByte, std::uint16_t tvMode);

// What a "setup.dat" read back from a card holds: check.adjustment is what its international
// byte asks for.
using MmsRecordCheck = sending::RecordCheck;
using DecodedMms = sending::DecodedRecord<MmsSettings>;

// Reads the settings back out of a file, whatever its state; check says whether to trust them.
DecodedMms decodeMmsRecord(const QByteArray& file);

} // namespace kestrova::mms
