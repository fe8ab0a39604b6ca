#include "smtp/smtp_fields.h"

namespace kestrova::smtp {

std::span<const SmtpFieldRow> smtpFields() {
    return fields::table;
}

const SmtpFieldRow& smtpField(SmtpField id) {
    return fields::table[static_cast<std::size_t>(id)];
}

const SmtpFieldRow* smtpFieldNamed(QStringView name) {
    return codec::rowNamed(smtpFields(), name);
}

bool onForm(const SmtpFieldRow& row, SmtpForm form) {
    return row.onForm(formColumn(form));
}

} // namespace kestrova::smtp
