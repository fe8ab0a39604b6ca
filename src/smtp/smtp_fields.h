#pragma once

#include "codec/field_table.h"
#include "common/form_variants.h"
#include "smtp/smtp_settings.h"

namespace kestrova::smtp {

// Every setting "smtp.dat" carries, in the order of the command and the profiles.
enum class SmtpField {
    Mode,
    PicturesPerDay,
    RemoteHours,
    Status, // form B only
    Country,
    Operator,
    Apn,
    Account,
    GprsPassword,
    Server,
    Port,
    Sender,
    SenderPassword,
    Recipient, // "Email 01"
    Phone,     // "Phone No"
};

// Columns per form: SMTP form A, SMTP form B. A List or Number field's place is its header byte,
// a Text field's its text block; a zero place: the form has no such field.
using SmtpFieldRow = codec::FieldRow<SmtpSettings, SmtpField, 2>;

std::span<const SmtpFieldRow> smtpFields();
const SmtpFieldRow& smtpField(SmtpField id);
const SmtpFieldRow* smtpFieldNamed(QStringView name);

constexpr std::size_t formColumn(SmtpForm form) {
    return form == SmtpForm::A ? 0 : 1;
}

// Whether the form shows and the record of that form carries the field.
bool onForm(const SmtpFieldRow& row, SmtpForm form);

// The header bytes that are no setting's: the language, which the process gives, and the ones
// each form's layout fixes at 1.
inline constexpr int smtpLanguageByte = 5;

} // namespace kestrova::smtp
