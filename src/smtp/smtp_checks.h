#pragma once

#include "common/form_variants.h"
#include "i18n/messages.h"
#include "smtp/smtp_fields.h"
#include "smtp/smtp_record.h"
#include "smtp/smtp_settings.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace kestrova::smtp {

// The name a message gives an SMTP setting: Chinese when the language is 1, English otherwise.
QString smtpFieldName(SmtpField field, int language);

// The first of Generate's checks that the settings fail.
struct CheckFailure {
    int step; // 1..12, in the order the checks run
    i18n::Message message;
    SmtpField field;

    bool operator==(const CheckFailure&) const = default;
};

// The shortest texts the camera can work with, in bytes.
inline constexpr int shortestText = 2;
inline constexpr int shortestPhone = 5;

// Length of a text in code page 936, as the camera counts it: one byte for ASCII, two for every
// other character (one the code page lacks counts as two as well; the record refuses it later).
int cp936Length(const QString& text);

// Whether the port is a whole number the camera can connect to: digits only, 1..65535.
bool isPortNumber(const QString& port);

// The check that follows the twelve: a port the camera could never connect to.
inline constexpr int portNumberStep = 13;

// Generate's twelve checks in their order: the first failure, or nothing when all pass. "Auto"
// mode never tests the APN; only form B tests a short phone number on its own.
std::optional<CheckFailure> firstFailedCheck(const SmtpSettings& settings, SmtpForm form);

// The three GPRS texts an operator preset gives in "Auto" mode.
bool givenByPreset(SmtpField field);

// The settings as Generate writes them: in "Auto" mode the APN, account and GPRS password are
// those of the chosen operator's preset; in "Manual" mode they are left as typed.
SmtpSettings withGprsPreset(SmtpSettings settings);

// A text the record cannot hold, as a message that names its field.
QString fieldErrorMessage(const FieldError& error, int language);

// Why Generate wrote nothing.
struct SmtpRefusal {
    std::optional<SmtpField> field;
    QString message;
    int step = 0; // the check that failed, 0 when the record refused a text
    // What the message says, for those who word it their own way: the check's message, or the
    // text the record refused.
    std::optional<i18n::Message> check;
    std::optional<codec::FieldError> fieldError;
};

struct PreparedSmtpFile {
    QByteArray bytes;
    std::optional<SmtpRefusal> refusal;
};

// Everything Generate does before writing, shared by the form and the command: the preset in
// "Auto" mode, the twelve checks, the port number, then the record with its own refusals. Messages
// are in the given display language; languageByte goes into the record.
PreparedSmtpFile prepareSmtpFile(const SmtpSettings& settings, SmtpForm form, int languageByte,
                                 int textLanguage);

} // namespace kestrova::smtp
