#pragma once

#include "codec/record_field.h"
#include "common/form_variants.h"
#include "i18n/messages.h"
#include "mms/mms_fields.h"
#include "mms/mms_settings.h"

#include <QByteArray>
#include <QString>

#include <cstdint>

#include <optional>

namespace kestrova::mms {

using codec::FieldError;

// The first check Generate fails: its message and the field it is about.
struct CheckFailure {
    i18n::Message message;
    MmsField field;

    bool operator==(const CheckFailure&) const = default;
};

// The number of entries of the "MMS Status" list: form B gives models 1 and 3 a QVGA entry.
int mmsStatusCount(MmsForm form, int model);

// "SMS" is the last entry of the status list, whichever list the model has.
constexpr bool isSmsOnly(int status, int statusCount) {
    return status == statusCount - 1;
}

// The most characters "Phone No" may hold.
constexpr int phoneDigitLimit(MmsForm form, bool international) {
    if (international)
        return 32;
    return form == MmsForm::A ? 12 : 11;
}

// Texts shorter than this count as not entered for the recipient rules; longer ones as entered.
inline constexpr int minRecipientLength = 5;

// Every check Generate makes before writing, in its order: the SMS-only list or the other list,
// then the remote-control check (which needs a "Phone No" of 5 or more characters). Runs on the
// settings as typed, before any preset is applied. nullopt when every check passes.
std::optional<CheckFailure> checkGenerate(const MmsSettings& settings, int statusCount);

// The six network texts an operator preset gives in "Auto" mode.
bool givenByPreset(MmsField field);

// In "Auto" mode the six network texts come from the chosen operator's preset; "Manual" keeps
// what was typed.
void applyPreset(MmsSettings& settings);

// What Generate builds, or why it wrote nothing: the first failing check, or the setting the
// record refused.
struct PreparedMmsFile {
    QByteArray bytes;
    std::optional<CheckFailure> failure;
    std::optional<FieldError> refusal;
};

// Everything Generate does before writing, shared by the form and the command: the checks on the
// settings as typed, the operator preset in "Auto" mode, then the record. languageByte and tvMode
// go into the record.
PreparedMmsFile prepareMmsFile(const MmsSettings& settings, int statusCount, int languageByte,
                               std::uint16_t tvMode);

// The message for a setting the record could not take. fieldName is how the user knows the
// field: its caption in the form, its setting name on the command line.
QString fieldErrorMessage(const FieldError& error, const QString& fieldName, int language);

} // namespace kestrova::mms
