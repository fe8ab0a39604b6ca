#pragma once

#include "common/form_variants.h"
#include "sending/sending_form_model.h"
#include "smtp/smtp_file.h"
#include "smtp/smtp_plan.h"

namespace kestrova::smtp {

// An SMTP setup form (A or B): the GPRS access, the mail server and accounts, the daily picture
// limit and the SMS remote control, written as "smtp.dat" into a folder the user chooses. Beyond
// what every sending form does, it checks each text against its box's limit whenever it takes
// them, and a change of mode takes the boxes first.
class SmtpFormModel final : public sending::SendingFormModel<SmtpFile> {
public:
    // With a plan, the form shows what the camera will do, says what a write changed and prints
    // a settings sheet.
    SmtpFormModel(SmtpForm form, const dialog::FormContext& context, dialog::Host& host,
                  SmtpPlanPtr plan = nullptr);

    void listChanged(int id) override;

private:
    std::optional<TextFault> textFault(const Row& row, const QString& text) const override;
    void changeMode();
};

} // namespace kestrova::smtp
