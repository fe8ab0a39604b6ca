#pragma once

#include "codec/record_field.h"
#include "common/form_variants.h"
#include "smtp/smtp_settings.h"

#include <QByteArray>
#include <QString>

#include <cstdint>

namespace kestrova::smtp {

using codec::FieldError;
using codec::RecordBytes;

inline constexpr const char* smtpFileName = "smtp.dat";

// The camera expects the CRC plus 15 in every "smtp.dat".
inline constexpr int smtpAdjustment = 15;

// The user name the camera logs in with: the sender address up to its first "@" (all of it
// when it has none).
QString senderUserName(const QString& sender);

// The 720 bytes of "smtp.dat" for the given form, or the first setting that does not fit.
// languageByte is the one the camera knows the chosen language by (i18n::cameraLanguageByte).
RecordBytes buildSmtpRecord(const SmtpSettings& settings, SmtpForm form, int languageByte);

// What a "smtp.dat" read back from a card holds.
struct SmtpRecordCheck {
    bool sizeOk = false;
    bool lineEndsOk = false;
    bool checkBlockOk = false;
    bool checkValueOk = false;
    bool layoutOk = false;   // zeros and fixed ones of the form where the format has them
    bool textsOk = false;    // every text is valid code page 936 and within its field's limit
    bool userNameOk = false; // block 9 is the sender's user name
    std::uint16_t storedCheckValue = 0;
    std::uint16_t computedCrc = 0;

    bool intact() const {
        return sizeOk && lineEndsOk && checkBlockOk && checkValueOk && layoutOk && textsOk &&
               userNameOk;
    }
};

struct DecodedSmtp {
    SmtpSettings settings; // form A files carry no status: it keeps its default
    int languageByte = 0;
    QString userName; // block 9 as stored
    SmtpRecordCheck check;
};

// Reads the settings back out of a file of the given form, whatever its state; check says
// whether to trust them.
DecodedSmtp decodeSmtpRecord(const QByteArray& file, SmtpForm form);

} // namespace kestrova::smtp
