#pragma once

#include "common/form_variants.h"
#include "sending/sending_record.h"
#include "smtp/smtp_fields.h"
#include "smtp/smtp_settings.h"

#include <QByteArray>
#include <QString>

namespace kestrova::smtp {

using codec::FieldError;
using codec::RecordBytes;

inline constexpr const char* smtpFileName = "smtp.dat";

// The camera expects the CRC plus 15 in every "smtp.dat".
inline constexpr int smtpAdjustment = 15;

// The user name the camera logs in with: the sender address up to its first "@" (all of it
// when it has none).
QString senderUserName(const QString& sender);

// What a form's "smtp.dat" holds besides its rows: the header bytes the form fixes at 1, the
// user name made from the sender in block 9.
const sending::ContainerLayout<SmtpSettings, SmtpField>& smtpLayout(SmtpForm form);

// The 720 bytes of "smtp.dat" for the given form, or the first setting that does not fit.
// languageByte is the one the camera knows the chosen language by (i18n::cameraLanguageByte).
RecordBytes buildSmtpRecord(const SmtpSettings& settings, SmtpForm form, int languageByte);

// What a "smtp.dat" read back from a card holds: madeText is the user name as stored, and
// check.madeTextOk whether it is the sender's. Form A files carry no status: it keeps its
// default.
using SmtpRecordCheck = sending::RecordCheck;
using DecodedSmtp = sending::DecodedRecord<SmtpSettings>;

// Reads the settings back out of a file of the given form, whatever its state; check says
// whether to trust them.
DecodedSmtp decodeSmtpRecord(const QByteArray& file, SmtpForm form);

} // namespace kestrova::smtp
